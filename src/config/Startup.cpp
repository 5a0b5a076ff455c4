#include "config/Startup.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <vector>

#include "config/MainWindow.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"
#include "platform/qt/forms.h"
#include "platform/qt/text.h"
#include "platform/replacement.h"

QString UseriniPath;
QString UT2003iniPath;
QString UT2003exePath;
QString OpenedUseriniPath;
QString SettingsIniPath;
QString PlayerPicPath;
QString NoDataFound;
QString NDF;
bool FileIsOpen = false;
int ViewFileNum = 0;

std::array<QString, 26> LetterKeys;
std::array<QString, 55> OtherKeys;
std::array<QString, 8> MouseKeys;
std::array<QString, 12> NumPadKeys;
std::array<QString, 24> JoystickKeys;
std::array<QString, 8> HudKeys;
std::array<QString, 3> ConsoleKeys;
std::array<QString, 6> PlayerControlKeys;
std::array<QString, 4> SettingKeys;
std::array<QString, 4> SettingValues;
std::array<QString, 19> D3DKeys;
std::array<QString, 8> OpenGLKeys;
std::array<QString, 6> NullDeviceKeys;
std::array<QString, 2> ControllerKeys;
std::array<QString, 8> SoundKeys;
std::array<QString, 7> ClientKeys;
std::array<QString, 7> TextureDetailKeys;

namespace {

// The one section of the program's own settings file.
const QString kSettingsSection = QStringLiteral("Quarl_UT2003.Settings");

QString& programFolderOverride() {
    static QString folder;
    return folder;
}

// A table gets exactly one name per entry: a list of another length does not compile.
template <std::size_t N, std::size_t M>
void fill(std::array<QString, N>& table, const char* const (&names)[M]) {
    static_assert(M == N, "a key table takes exactly one name per entry");
    for (std::size_t i = 0; i < N; ++i) table[i] = QString::fromLatin1(names[i]);
}

void buildKeyTables() {
    for (int i = 0; i < 26; ++i) LetterKeys[static_cast<std::size_t>(i)] = QString(QChar('A' + i));
    // "home" is the game's own spelling of that key, in lower case.
    fill(OtherKeys,
         {"Alt",         "Attn",         "Backslash", "Backspace",  "Cancel", "CapsLock",  "Comma",     "CrSel",
          "Ctrl",        "Delete",       "Down",      "End",        "Enter",  "Equals",    "Escape",    "ErEof",
          "Execute",     "ExSel",        "GreySlash", "GreyStar",   "Help",   "home",      "Insert",    "LControl",
          "Left",        "LeftBracket",  "LShift",    "Minus",      "NoName", "None",      "OemClear",  "PA1",
          "PageDown",    "PageUp",       "Pause",     "Period",     "Play",   "Print",     "PrintScrn", "RControl",
          "Right",       "RightBracket", "RShift",    "ScrollLock", "Select", "Semicolon", "Separator", "Shift",
          "SingleQuote", "Slash",        "Space",     "Tab",        "Tilde",  "Up",        "Zoom"});
    fill(MouseKeys,
         {"LeftMouse", "MiddleMouse", "RightMouse", "MouseWheelDown", "MouseWheelUp", "MouseX", "MouseY", "MouseZ"});
    fill(NumPadKeys, {"NumLock", "NumPad0", "NumPad1", "NumPad2", "NumPad3", "NumPad4", "NumPad5", "NumPad6", "NumPad7",
                      "NumPad8", "NumPad9", "NumPadPeriod"});
    for (int i = 0; i < 16; ++i) JoystickKeys[static_cast<std::size_t>(i)] = QStringLiteral("Joy%1").arg(i + 1);
    const char* joyAxes[] = {"JoyX", "JoyY", "JoyZ", "JoyR", "JoyU", "JoyV", "JoySlider1", "JoySlider2"};
    for (int i = 0; i < 8; ++i) JoystickKeys[static_cast<std::size_t>(16 + i)] = QString::fromLatin1(joyAxes[i]);
    fill(HudKeys, {"bHideHud", "bMessageBeep", "bShowWeaponInfo", "bShowPersonalInfo", "bShowPoints", "bCrosshairShow",
                   "bShowWeaponBar", "bShowPortrait"});
    fill(ConsoleKeys, {"ConsoleMessageCount", "ConsoleFontSize", "MessageFontOffset"});
    // Entry 5 is the game's switch of the mature-language filter.
    fill(PlayerControlKeys, {"bNeverSwitchOnPickup", "bNoVoiceMessages", "bNoVoiceTaunts", "bNoAutoTaunts",
                             "bAutoTaunt", "bNoMatureLanguage"});
    fill(SettingKeys, {"ReadPathFromRegistry", "SplashStartup", "AutoOpenINI", "ShowOptionOnStartup"});
    fill(D3DKeys, {"DetailTextures", "HighDetailActors", "SuperHighDetailActors", "UsePrecaching", "UseTrilinear",
                   "ReduceMouseLag", "UseTripleBuffering", "UseCubemaps", "UseCompressedLightmaps", "UseStencil",
                   "Use16bit", "Use16bitTextures", "UseVSync", "UseNPatches", "CheckForOverflow", "AvoidHitches",
                   "DecompressTextures", "UseXBoxFSAA", "OverrideDesktopRefreshRate"});
    fill(OpenGLKeys, {"DetailTextures", "HighDetailActors", "SuperHighDetailActors", "UsePrecaching",
                      "UseCompressedLightmaps", "UseTrilinear", "UseStencil", "ReduceMouseLag"});
    fill(NullDeviceKeys, {"DetailTextures", "HighDetailActors", "SuperHighDetailActors", "UsePrecaching",
                          "UseCompressedLightmaps", "UseStencil"});
    fill(ControllerKeys, {"CaptureMouse", "UseJoystick"});
    fill(SoundKeys, {"UseEAX", "Use3DSound", "UseDefaultDriver", "CompatibilityMode", "UsePrecache", "ReverseStereo",
                     "DisablePitch", "LowQualitySound"});
    fill(ClientKeys,
         {"ScreenFlashes", "NoLighting", "Decals", "Coronas", "DecoLayers", "Projectors", "NoDynamicLights"});
    fill(TextureDetailKeys,
         {"TextureDetailInterface", "TextureDetailTerrain", "TextureDetailWeaponSkin", "TextureDetailPlayerSkin",
          "TextureDetailWorld", "TextureDetailRenderMap", "TextureDetailLightmap"});
}

// ReadINI's buffer: 2047 characters and the closing zero.
constexpr std::size_t kReadBufferSize = 2048;

// The longest value a read gives back, as the 2048-character buffer of ReadINI holds it.
constexpr qsizetype kLongestValue = 2047;

// The settings file's bytes; nothing when it is missing, not a regular file or unreadable (every read then
// gives its default).
QByteArray settingsFileBytes(const QString& file) {
    QFile input(file);
    if (!QFileInfo(file).isFile() || !input.open(QIODevice::ReadOnly)) return {};
    return input.readAll();
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The text itself is not needed, only whether the decoder met a byte sequence that UTF-8 does not allow.
    static_cast<void>(QString(decoder.decode(bytes)));
    return !decoder.hasError();
}

// How the texts of the settings file become bytes and back: UTF-8, or Windows-1252 for a file that an earlier
// version wrote.
struct SettingsEncoding {
    bool utf8 = true;
    std::string encode(const QString& text) const { return utf8 ? text.toStdString() : toAnsi(text); }
    QString decode(const std::string& bytes) const { return utf8 ? QString::fromStdString(bytes) : fromAnsi(bytes); }
};

// A settings file that an earlier version wrote holds its paths in Windows-1252. It becomes UTF-8 as a whole
// before the first UTF-8 value goes in: a file left half in one encoding and half in the other is no valid
// UTF-8, so it would be read through the code page and garble the new values. The file is replaced at once, as
// the game files are, keeping its permissions; a read-only one is refused as the profile writer refuses it.
void convertToUtf8(const QString& file) {
    const QByteArray bytes = settingsFileBytes(file);
    if (isUtf8(bytes)) return;
    platform::rewriteFile(toNativePath(file), fromAnsi(bytes.toStdString()).toUtf8().toStdString());
}

}  // namespace

QString ReadINI(const QString& Section, const QString& Key, const QString& Default, const QString& FileName) {
    return fromAnsi(platform::getProfileString(toAnsi(Section), toAnsi(Key), toAnsi(Default), toNativePath(FileName),
                                               kReadBufferSize));
}

namespace {

// One recorded write of the open batch, in the code page, with its file's native path.
struct PendingWrite {
    std::string path;
    platform::ProfileWrite write;
};

// The open batch's writes; none while no batch is open.
std::optional<std::vector<PendingWrite>>& openBatch() {
    static std::optional<std::vector<PendingWrite>> writes;
    return writes;
}

// The value in the code page; a character the code page cannot hold is named with the key it was meant for.
std::string valueInCodePage(const QString& Key, const QString& Value) {
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const qsizetype length = Value.at(i).isHighSurrogate() && i + 1 < Value.size() ? 2 : 1;
        const QString character = Value.mid(i, length);
        if (!platform::fitsCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(character.utf16()),
                                                      static_cast<std::size_t>(character.size()))))
            throw platform::AppError(
                (QStringLiteral("Character \"") + character + QStringLiteral("\" (U+") +
                 QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, '0') +
                 QStringLiteral(") cannot be written to key \"") + Key +
                 QStringLiteral("\": it is not in the game files' code page (Windows-1252)"))
                    .toStdString());
        i += length - 1;
    }
    return toAnsi(Value);
}

}  // namespace

void WriteINI(const QString& Section, const QString& Key, const QString& Value, const QString& FileName) {
    const std::string section = toAnsi(Section), key = toAnsi(Key), value = valueInCodePage(Key, Value);
    if (openBatch()) {
        openBatch()->push_back({toNativePath(FileName), {section, key, value}});
        return;
    }
    // A value the user left alone reads back as it stands (quoted, padded with blanks, longer than the buffer,
    // holding a NUL byte); it keeps that form rather than being rewritten in the form shown.
    platform::raisingAppError(
        [&] { platform::writeProfileStringIfChanged(section, key, value, toNativePath(FileName), kReadBufferSize); });
}

IniWriteBatch::IniWriteBatch() {
    openBatch().emplace();
}

IniWriteBatch::~IniWriteBatch() {
    openBatch().reset();
}

void IniWriteBatch::commit() {
    const std::vector<PendingWrite> writes = std::move(*openBatch());
    openBatch().reset();
    // Each file once, in the order of its first write.
    std::vector<std::string> files;
    for (const PendingWrite& pending : writes)
        if (std::find(files.begin(), files.end(), pending.path) == files.end()) files.push_back(pending.path);
    for (const std::string& file : files) {
        platform::removeLeftovers(file);
        std::vector<platform::ProfileWrite> ofFile;
        for (const PendingWrite& pending : writes)
            if (pending.path == file) ofFile.push_back(pending.write);
        platform::raisingAppError([&] {
            if (platform::profileWritesChangeFile(file, ofFile, kReadBufferSize)) platform::checkReplaceable(file);
        });
    }
    for (const PendingWrite& pending : writes)
        platform::raisingAppError([&] {
            platform::writeProfileStringIfChanged(pending.write.section, pending.write.key, pending.write.value,
                                                  pending.path, kReadBufferSize);
        });
}

QString ReadSetting(const QString& Key, const QString& Default) {
    const QByteArray bytes = settingsFileBytes(SettingsIniPath);
    const SettingsEncoding encoding{isUtf8(bytes)};
    const std::string defaultValue = encoding.encode(Default);
    // Read whole and cut in characters: a cut in bytes could split a character of a UTF-8 path.
    const std::size_t uncut = static_cast<std::size_t>(bytes.size()) + defaultValue.size() + 1;
    const QString value = encoding.decode(platform::getProfileString(
        encoding.encode(kSettingsSection), encoding.encode(Key), defaultValue, toNativePath(SettingsIniPath), uncut));
    if (value.size() <= kLongestValue) return value;
    return value.left(value.at(kLongestValue - 1).isHighSurrogate() ? kLongestValue - 1 : kLongestValue);
}

void WriteSetting(const QString& Key, const QString& Value) {
    convertToUtf8(SettingsIniPath);
    const std::string key = Key.toStdString(), value = Value.toStdString();
    const QString file = SettingsIniPath;
    platform::raisingAppError(
        [&] { platform::writeProfileString(kSettingsSection.toStdString(), key, value, toNativePath(file)); });
}

void setProgramFolder(const QString& folder) {
    programFolderOverride() = folder;
}

QString programFolder() {
    QString folder =
        programFolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : programFolderOverride();
    while (folder.size() > 1 && folder.endsWith(QChar('/'))) folder.chop(1);
    return folder;
}

QString joinPath(const QString& folder, const QString& name) {
    return folder + QChar('/') + name;
}

bool switchIsOn(const QString& value) {
    const std::string text = value.toStdString();
    return platform::isNumeric(text) && platform::toNumber(text) == 1.0;
}

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(CORVANE_VERSION_MAJOR).arg(CORVANE_VERSION_MINOR).arg(CORVANE_VERSION_PATCH);
}

void Main() {
    NoDataFound = QStringLiteral("No Data Found!!");
    NDF = QStringLiteral("NDF");
    buildKeyTables();
    PlayerPicPath = joinPath(programFolder(), QStringLiteral("players/jpgs/"));
    SettingsIniPath = joinPath(programFolder(), QStringLiteral("Quarl.ini"));
    FileIsOpen = false;
    for (std::size_t i = 0; i < SettingKeys.size(); ++i)
        SettingValues[i] = ReadSetting(SettingKeys[i], QStringLiteral("0"));

    // The options window's load resolves the game's paths (and may ask the user to browse), so it runs before
    // any other window.
    if (switchIsOn(SettingValues[1])) {
        Load<frmOptions>();
        Load<frmSplash>();
        Show<frmSplash>();
    } else if (switchIsOn(SettingValues[3])) {
        Load<frmOptions>();
        Show<frmOptions>();
    } else {
        Load<frmOptions>();
        loadMainWindow();
        showMainWindow();
    }
}
