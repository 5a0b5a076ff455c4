// The player, display, client and sound groups: a game file's value on screen after a load and in the file after
// an untouched save, with the load's message; and the user's changes that the edit table does not make (refresh
// rates that take only numbers, the colour depth and "Use 16 Bit" following each other).
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

const QString kNumeric = QStringLiteral("Please Enter Only Numeric Values!!");

// A key's line written "Section/Key=value", or "Section/Key" for no line, with a short name for the section.
struct Line {
    QByteArray section, key;
    std::optional<QByteArray> value;
    bool inPlayerFile;
};
Line line(const QString& text) {
    static const QMap<QString, QByteArray> sections = {
        {"Player", "DefaultPlayer"}, {"PC", "Engine.PlayerController"},  {"Pawn", "Engine.Pawn"},
        {"Engine", "Engine.Engine"}, {"Client", "WinDrv.WindowsClient"}, {"D3D", "D3DDrv.D3DRenderDevice"}};
    const QString name = text.section('/', 0, 0), keyValue = text.section('/', 1);
    EXPECT_TRUE(sections.contains(name)) << "no section " << qPrintable(name) << " in " << qPrintable(text);
    return {sections.value(name), keyValue.section('=', 0, 0).toLatin1(),
            keyValue.contains('=') ? std::optional(keyValue.section('=', 1).toLatin1()) : std::nullopt,
            name == "Player" || name == "PC" || name == "Pawn"};
}

// The file with the key's line in place of its own (the section added in front when missing).
QByteArray changed(QByteArray file, const Line& l) {
    const QByteArray header = "[" + l.section + "]\r\n";
    if (const auto old = iniValue(file, l.section, l.key)) file.replace("\n" + l.key + "=" + *old + "\r\n", "\n");
    if (!file.contains(header)) file.prepend(header + "\r\n");
    if (l.value) file.replace(header, header + l.key + "=" + *l.value + "\r\n");
    return file;
}

}  // namespace

class DisplayTest : public GuiTest {
  protected:
    std::optional<QByteArray> saved(const Line& l) {
        main->mnuFileSave_Click();
        return iniValue(readFile(engineIni()), l.section, l.key);
    }
    // A list's, label's or box's text, a slider's position, a button's state as 0 or 1.
    static QString shown(const QString& name) {
        QWidget* w = find<QWidget>(name);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return QString::number(button->isChecked());
        if (auto* slider = qobject_cast<QSlider*>(w)) return QString::number(slider->value());
        return w->property(w->property("currentText").isValid() ? "currentText" : "text").toString();
    }
    frmMain* main = nullptr;
};

TEST_F(DisplayTest, LoadShowsTheFilesValueAndTheSaveWritesItBack) {
    const QString fullScreen =
        "A value of 'True' or 'False' needs to be present in the UT2003.ini File ,Please Check [WinDrv.WindowsClient] "
        "KeyValue 'StartupFullScreen'";
    struct Case {
        const char* lines;  // the file's lines | on screen | after the save, when not the file's lines
        QString message = {};
        int style = 0;
    };
    const Case cases[] = {
        // Team: exactly "0" is Red, anything else Blue, saved as 255. Player switches take "True" or "true",
        // weapon bob and the device switches "True" only. A missing field of view is 85.
        {"Player/team=0 | optRed=1"},
        {"Player/team= | optBlue=1 | Player/team=255"},
        {"PC/bNoVoiceMessages=true | chkPlayerControls(1)=1 | PC/bNoVoiceMessages=True"},
        {"PC/bNoVoiceMessages=TRUE | chkPlayerControls(1)=0 | PC/bNoVoiceMessages=False"},
        {"Pawn/bWeaponBob=true | chkWeaponBob=0 | Pawn/bWeaponBob=False"},
        {"D3D/DetailTextures=true | chkDefaultVars(0)=0 | D3D/DetailTextures=False"},
        {"PC/DefaultFOV | lblFOV=85 | PC/DefaultFOV=85"},
        {"D3D/DesiredRefreshRate | txtDesiredRefRate=0 | D3D/DesiredRefreshRate=0"},
        // No button for an unknown device, no list position for an unknown width: the file keeps either.
        {"Engine/RenderDevice=SoftDrv.SoftwareRenderDevice | optRenderType(1)=0"},
        {"Client/FullscreenViewportX=1152 | cboResolution=Resolution"},
        {"Client/MinDesiredFrameRate | txtMinRefRate= | Client/MinDesiredFrameRate=", kNumeric, 64},
        {"Client/StartupFullscreen=true | chkFullScreen=0 | Client/StartupFullscreen=False", fullScreen},
        {"D3D/Use16bit=maybe | cboColorDepth=Error !! | D3D/Use16bit=False"},
        // Both lighting entries "True": "Use Normal Lighting" wins, and the pair is written opposite.
        {"Client/NoLighting=True, Client/NoDynamicLights=True | chkClientSU(1)=0, chkClientSU(6)=1 | "
         "Client/NoLighting=False, Client/NoDynamicLights=True"},
        // The controller Booleans read as numbers or words; the save writes both, as opposite words. With neither
        // button selected the file keeps both (writing the pair would turn the joystick on).
        {"Client/CaptureMouse=1, Client/UseJoystick=0 | optController(0)=1, optController(1)=0 | "
         "Client/CaptureMouse=True, Client/UseJoystick=False"},
        {"Client/CaptureMouse=false, Client/UseJoystick=true | optController(0)=0, optController(1)=1 | "
         "Client/CaptureMouse=False, Client/UseJoystick=True"},
        {"Client/CaptureMouse=False, Client/UseJoystick=False | optController(0)=0, optController(1)=0"},
        {"Client/CaptureMouse, Client/UseJoystick | optController(0)=0, optController(1)=0"},
        // A texture word in another case shows "Error"; the file keeps its word.
        {"Client/TextureDetailWorld=normal | cboTexDetail(4)=Error"},
        // The announcer level, in the player file: a decimal keeps its text (the slider rounds to even); a
        // missing one is added as 0.
        {"PC/AnnouncerVolume=2.5 | slideAnnouncer=2, lblAnnouncer=2.5"},
        {"PC/AnnouncerVolume | slideAnnouncer=0, lblAnnouncer=0 | PC/AnnouncerVolume=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        unloadAll();
        messages.clear();
        const QStringList parts = QString(c.lines).split(" | ");
        QByteArray files[2] = {quietEngineFile(), quietPlayerFile()};
        for (const QString& text : parts[0].split(", ")) {
            const Line l = line(text);
            files[l.inPlayerFile] = changed(files[l.inPlayerFile], l);
        }
        main = openEditor(files[1], files[0]);
        EXPECT_TRUE(FileIsOpen);
        const QStringList onScreen = parts[1].split(", ");
        if (!std::all_of(onScreen.begin(), onScreen.end(),
                         [](auto& s) { return control<QWidget>(s.section('=', 0, 0)); }))
            continue;
        for (const QString& s : onScreen) EXPECT_EQ(shown(s.section('=', 0, 0)), s.section('=', 1));
        EXPECT_EQ(messages.size(), c.message.isEmpty() ? 0u : 1u);
        for (const ShownMessage& m : messages) EXPECT_EQ(std::pair(m.prompt, m.style), std::pair(c.message, c.style));
        main->mnuFileSave_Click();
        for (const QString& text : parts.value(2, parts[0]).split(", ")) {
            const Line l = line(text);
            EXPECT_EQ(iniValue(readFile(l.inPlayerFile ? userIni() : engineIni()), l.section, l.key), l.value);
        }
        EXPECT_FALSE(readFile(engineIni()).contains("AnnouncerVolume"));
        EXPECT_EQ(iniValue(readFile(engineIni()), "WinDrv.WindowsClient", "FullscreenViewportY"), "768");
    }
}

// Refresh-rate boxes take only numbers and are saved as typed. Choosing a colour depth sets "Use 16 Bit" and a
// click on the box chooses the depth; a "Use16bit" that is no Boolean, loaded over a checked box, shows "Error !!"
// as it would in a window that never held a file.
TEST_F(DisplayTest, UserChangesAreWritten) {
    main = openEditor(quietPlayerFile(), quietEngineFile());
    const std::tuple<const char*, const char*, const char*> boxes[] = {
        {"txtMinRefRate", "60Hz", "Client/MinDesiredFrameRate="},
        {"txtDesiredRefRate", "-5.5", "D3D/DesiredRefreshRate=-5.5"}};
    for (const auto& [box, typed, kept] : boxes) {
        if (!control<QLineEdit>(box)) continue;
        find<QLineEdit>(box)->setText(typed);
        EXPECT_EQ(saved(line(kept)), line(kept).value) << kept;
        EXPECT_EQ(shown(box), line(kept).value.value());
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(std::pair(messages[0].prompt, messages[0].style), std::pair(kNumeric, 64));

    find<QComboBox>("cboColorDepth")->setCurrentIndex(0);
    EXPECT_EQ(shown("chkDefaultVars(10)"), "1");
    EXPECT_EQ(saved(line("D3D/Use16bit")), "True");
    find<QAbstractButton>("chkDefaultVars(10)")->click();
    EXPECT_EQ(shown("cboColorDepth"), "32-Bit Color");
    EXPECT_EQ(saved(line("D3D/Use16bit")), "False");
    find<QAbstractButton>("chkDefaultVars(10)")->click();
    writeFile(engineIni(), changed(quietEngineFile(), line("D3D/Use16bit=maybe")));
    main->OpenINIFiles();
    EXPECT_EQ(shown("cboColorDepth"), "Error !!");
    EXPECT_EQ(messages.size(), 1u);
}
