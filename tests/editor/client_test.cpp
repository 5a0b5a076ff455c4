// The client, texture, controller and sound group: the engine file's switches, texture words and controller on
// screen after a load and in the file after a save, the announcer level of the player file, and the user's changes.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

const QByteArray kClient = "WinDrv.WindowsClient", kPlayer = "Engine.PlayerController";

// A file text with the "key=value" lines set in section (added at the end when missing).
QByteArray with(QByteArray file, const QByteArray& section, const QList<QByteArray>& lines) {
    const QByteArray header = "[" + section + "]\r\n";
    if (!file.contains(header)) file += header;
    for (const QByteArray& line : lines) {
        const QByteArray key = line.left(line.indexOf('='));
        if (const auto old = iniValue(file, section, key)) file.replace("\n" + key + "=" + *old + "\r\n", "\n");
        file.replace(header, header + line + "\r\n");
    }
    return file;
}

}  // namespace

class ClientTest : public GuiTest {
  protected:
    // A list's text, a label's text, a slider's position, or a button's state as "True" / "False".
    static QString shown(const QString& name) {
        QWidget* w = find<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* slider = qobject_cast<QSlider*>(w)) return QString::number(slider->value());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return QLatin1String(button->isChecked() ? "True" : "False");
        return QStringLiteral("(no control %1)").arg(name);
    }
    frmMain* main = nullptr;
};

// The file's "key=value" lines (of the engine's client section, or of the player controller), "control=text" on
// screen, and the lines after an untouched save.
TEST_F(ClientTest, LoadShowsTheFilesValuesAndTheSaveWritesThem) {
    const std::tuple<bool, QByteArray, QString, QByteArray> cases[] = {
        // Both lighting entries "True": "Use Normal Lighting" wins, and the pair is written opposite.
        {false, "NoLighting=True NoDynamicLights=True", "chkClientSU(1)=False chkClientSU(6)=True",
         "NoLighting=False NoDynamicLights=True"},
        // The controller Booleans read as numbers or words; the save writes both, as opposite words.
        {false, "CaptureMouse=1 UseJoystick=0", "optController(0)=True optController(1)=False",
         "CaptureMouse=True UseJoystick=False"},
        {false, "CaptureMouse=false UseJoystick=true", "optController(0)=False optController(1)=True",
         "CaptureMouse=False UseJoystick=True"},
        {false, "CaptureMouse=False UseJoystick=False", "optController(0)=False optController(1)=False",
         "CaptureMouse=False UseJoystick=True"},
        // A texture word the list spells in another case shows "Error"; the file keeps its word.
        {false, "TextureDetailWorld=normal", "cboTexDetail(4)=Error", "TextureDetailWorld=normal"},
        // The announcer level: a decimal keeps its text (the slider rounds to even); a missing one is added as 0.
        {true, "AnnouncerVolume=2.5", "slideAnnouncer=2 lblAnnouncer=2.5", "AnnouncerVolume=2.5"},
        {true, "", "slideAnnouncer=0 lblAnnouncer=0", "AnnouncerVolume=0"},
    };
    for (const auto& [player, file, onScreen, saved] : cases) {
        SCOPED_TRACE(file.toStdString());
        const QList<QByteArray> lines = file.isEmpty() ? QList<QByteArray>() : file.split(' ');
        main = openEditor(with(quietPlayerFile(), kPlayer, player ? lines : QList<QByteArray>()),
                          with(quietEngineFile(), kClient, player ? QList<QByteArray>() : lines));
        EXPECT_TRUE(FileIsOpen);
        EXPECT_TRUE(messages.empty());
        for (const QString& s : onScreen.split(' '))
            EXPECT_EQ(shown(s.section('=', 0, 0)), s.section('=', 1)) << qPrintable(s);
        main->mnuFileSave_Click();
        for (const QByteArray& line : saved.split(' '))
            EXPECT_EQ(
                iniValue(readFile(player ? userIni() : engineIni()), player ? kPlayer : kClient, line.split('=')[0]),
                line.split('=')[1]);
        EXPECT_FALSE(readFile(engineIni()).contains("AnnouncerVolume"));
        unloadAll();
    }
}

// Clicking one lighting box sets the other; a texture word chosen from the list is written as the list spells it;
// the sound switches are written after the volumes.
TEST_F(ClientTest, UserChangesAreWritten) {
    main = openEditor(quietPlayerFile(), quietEngineFile());
    find<QAbstractButton>(QStringLiteral("chkClientSU(6)"))->click();
    find<QComboBox>(QStringLiteral("cboTexDetail(1)"))->setCurrentIndex(3);
    find<QAbstractButton>(QStringLiteral("chkSoundSetup(7)"))->click();
    main->mnuFileSave_Click();
    const QByteArray engine = readFile(engineIni());
    EXPECT_EQ(sectionLines(engine, kClient, {"NoLighting", "NoDynamicLights", "TextureDetailTerrain"}),
              (QList<QByteArray>{"NoLighting=False", "NoDynamicLights=True", "TextureDetailTerrain=Normal"}));
    EXPECT_TRUE(
        sameBytes(sectionText(engine, "ALAudio.ALAudioSubsystem"),
                  "[ALAudio.ALAudioSubsystem]\r\nMusicVolume=0.5\r\nSoundVolume=0.9\r\nUseEAX=False\r\n"
                  "Use3DSound=False\r\nUseDefaultDriver=False\r\nCompatibilityMode=False\r\nUsePrecache=False\r\n"
                  "ReverseStereo=False\r\nDisablePitch=False\r\nLowQualitySound=True\r\n"));
    EXPECT_TRUE(messages.empty());
}
