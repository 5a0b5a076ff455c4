#include "config/Startup.h"

#include <QCoreApplication>
#include <stdexcept>
#include <system_error>

#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "platform/error.h"
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

QString& programFolderOverride() {
    static QString folder;
    return folder;
}

template <std::size_t N>
void fill(std::array<QString, N>& table, std::initializer_list<const char*> names) {
    Q_ASSERT(names.size() == N);
    std::size_t i = 0;
    for (const char* name : names) table[i++] = QString::fromLatin1(name);
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

// Runs a profile call, raising its failures as the program's errors: a system error with its short description, a
// name or value the file cannot hold as an invalid argument.
template <class Call>
void raiseAsAppError(const Call& call) {
    try {
        call();
    } catch (const std::system_error& error) {
        throw platform::AppError(platform::describeSystemError(error.code()));
    } catch (const std::invalid_argument&) {
        throw platform::AppError(platform::kInvalidCall);
    }
}

}  // namespace

QString ReadINI(const QString& Section, const QString& Key, const QString& Default, const QString& FileName) {
    return fromAnsi(platform::getProfileString(toAnsi(Section), toAnsi(Key), toAnsi(Default), toNativePath(FileName),
                                               kReadBufferSize));
}

void WriteINI(const QString& Section, const QString& Key, const QString& Value, const QString& FileName) {
    const std::string section = toAnsi(Section), key = toAnsi(Key), value = toAnsi(Value);
    // A value the user left alone reads back as it stands (quoted, padded with blanks, longer than the buffer,
    // holding a NUL byte); it keeps that form rather than being rewritten in the form shown.
    raiseAsAppError(
        [&] { platform::writeProfileStringIfChanged(section, key, value, toNativePath(FileName), kReadBufferSize); });
}

void prepareINIWrite(const QString& FileName) {
    const std::string path = toNativePath(FileName);
    platform::removeLeftovers(path);
    raiseAsAppError([&] { platform::checkReplaceable(path); });
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
        SettingValues[i] = ReadINI(kSettingsSection, SettingKeys[i], QStringLiteral("0"), SettingsIniPath);

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
        Load<frmMain>();
        Show<frmMain>();
    }
}
