#include "IniText.h"

#include <QFile>

QByteArray fixtureBytes(const char* name) {
    QFile file(QStringLiteral(CORVANE_FIXTURES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
QByteArray withoutEnding(const QByteArray& line) {
    return line.endsWith('\r') ? line.chopped(1) : line;
}
bool isHeader(const QByteArray& line) {
    return line.trimmed().startsWith('[');
}
}  // namespace

QList<TableLine> tableLines(const char* name, QByteArray table) {
    QList<TableLine> lines;
    const QList<QByteArray> raw = (table.isNull() ? fixtureBytes(name) : table).split('\n');
    for (int i = 0; i < raw.size(); ++i)
        if (const QString text = QString::fromUtf8(withoutEnding(raw[i]));
            !text.trimmed().isEmpty() && !text.startsWith('#'))
            lines.push_back({text, std::string(name) + ":" + std::to_string(i + 1)});
    return lines;
}

QByteArray sectionText(const QByteArray& file, const QByteArray& section) {
    qsizetype start = -1, pos = 0;
    for (const QByteArray& raw : file.split('\n')) {
        if (isHeader(raw) && start >= 0) return file.mid(start, pos - start);
        if (raw.trimmed() == "[" + section + "]" && start < 0) start = pos;
        pos += raw.size() + 1;
    }
    return start >= 0 ? file.mid(start) : QByteArray();
}

QList<QByteArray> sectionLines(const QByteArray& file, const QByteArray& section, const QList<QByteArray>& keys) {
    QList<QByteArray> lines;
    for (const QByteArray& raw : sectionText(file, section).split('\n')) {
        const QByteArray line = withoutEnding(raw);
        if (!line.trimmed().isEmpty() && !isHeader(line) &&
            (keys.isEmpty() || keys.contains(line.left(line.indexOf('=')).trimmed())))
            lines << line;
    }
    return lines;
}

std::optional<QByteArray> iniValue(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    for (const QByteArray& line : sectionLines(file, section))
        if (line.left(line.indexOf('=')).trimmed() == key) return line.mid(line.indexOf('=') + 1);
    return std::nullopt;
}

bool replaceIniValue(QByteArray& file, const QByteArray& section, const QByteArray& key, const QByteArray& value) {
    const QByteArray text = sectionText(file, section);
    qsizetype at = file.indexOf(text);
    for (const QByteArray& raw : text.isEmpty() ? QList<QByteArray>() : text.split('\n')) {
        const QByteArray line = withoutEnding(raw);
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !isHeader(line) && line.left(equals).trimmed() == key)
            return file.replace(at + equals + 1, line.size() - equals - 1, value), true;
        at += raw.size() + 1;
    }
    return false;
}

QByteArray withSetting(QByteArray file, const QString& setting) {
    const QByteArray section = setting.section("] ", 0, 0).mid(1).toLatin1(),
                     keyValue = setting.section("] ", 1).toLatin1(), key = keyValue.split('=').first();
    const std::optional<QByteArray> value = iniValue(file, section, key);
    EXPECT_TRUE(value) << qPrintable(setting);
    if (!keyValue.contains('=')) return file.replace("\n" + key + "=" + value.value_or("") + "\r\n", "\n");
    replaceIniValue(file, section, key, keyValue.mid(key.size() + 1));
    return file;
}

QByteArray quietEngineFile() {
    return "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n"
           "[WinDrv.WindowsClient]\r\nFullscreenViewportX=1024\r\nFullscreenViewportY=768\r\nMinDesiredFrameRate=35\r\n"
           "StartupFullscreen=True\r\nGamma=0.8\r\nContrast=0.5\r\nBrightness=0.5\r\nCaptureMouse=True\r\n"
           "UseJoystick=False\r\n\r\n"
           "[D3DDrv.D3DRenderDevice]\r\nUse16bit=False\r\nDesiredRefreshRate=60\r\n\r\n"
           "[ALAudio.ALAudioSubsystem]\r\nMusicVolume=0.5\r\nSoundVolume=0.9\r\n";
}

QByteArray quietPlayerFile(const QByteArray& sections) {
    QByteArray text = sections;
    if (!text.isEmpty() && !text.endsWith("\r\n\r\n")) text += text.endsWith("\r\n") ? "\r\n" : "\r\n\r\n";
    // A well-formed weapon list: the Ball Launcher at 13 and the twelve weapons at 1 to 12.
    text += "[XWeapons.BallLauncher]\r\nPriority=13\r\n\r\n";
    int priority = 0;
    for (const char* weapon : {"Redeemer", "Painter", "TransLauncher", "ShieldGun", "AssaultRifle", "ShockRifle",
                               "LinkGun", "BioRifle", "Minigun", "FlakCannon", "RocketLauncher", "SniperRifle"})
        text += "[XWeapons." + QByteArray(weapon) + "]\r\nPriority=" + QByteArray::number(++priority) +
                "\r\nExchangeFireModes=0\r\n\r\n";
    return text;
}

::testing::AssertionResult sameBytes(const QByteArray& actual, const QByteArray& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    qsizetype line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line]) ++line;
    auto show = [](const QList<QByteArray>& lines, qsizetype i) {
        return i < lines.size() ? "\"" + lines[i].toStdString() + "\"" : std::string("(end of file)");
    };
    return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                         << " were expected; first difference on line " << line + 1 << ":\n  is "
                                         << show(a, line) << "\n  expected " << show(e, line);
}
