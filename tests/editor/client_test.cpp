// The client, texture, controller and sound group of the main window: client switches and the lighting rule,
// texture detail words, mouse or joystick, sound switches, the music and effects volumes and the announcer
// level of the player file.
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <optional>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

// A player file that every group loads without a question or a failure.
QByteArray playerFile(const std::optional<QByteArray>& announcer) {
    QByteArray bytes =
        "[DefaultPlayer]\r\nName=Tester\r\nCharacter=Gorge\r\nteam=0\r\n"
        "[Engine.PlayerController]\r\nDefaultFOV=90\r\n";
    if (announcer) bytes += "AnnouncerVolume=" + *announcer + "\r\n";
    bytes += "[XWeapons.BallLauncher]\r\nPriority=13\r\n";
    const char* weapons[] = {"Redeemer", "Painter",  "TransLauncher", "ShieldGun",  "AssaultRifle",   "ShockRifle",
                             "LinkGun",  "BioRifle", "Minigun",       "FlakCannon", "RocketLauncher", "SniperRifle"};
    for (int i = 0; i < 12; ++i)
        bytes += "[XWeapons." + QByteArray(weapons[i]) + "]\r\nPriority=" + QByteArray::number(i + 1) +
                 "\r\nExchangeFireModes=0\r\n";
    return bytes;
}

using Keys = std::vector<std::pair<QByteArray, QByteArray>>;

// The engine file: the display keys that load without a notice, then this group's keys.
const Keys kClientKeys = {{"StartupFullscreen", "True"},
                          {"MinDesiredFrameRate", "35"},
                          {"Gamma", "0.8"},
                          {"CaptureMouse", "True"},
                          {"UseJoystick", "False"},
                          {"ScreenFlashes", "True"},
                          {"NoLighting", "True"},
                          {"Decals", "True"},
                          {"Coronas", "False"},
                          {"DecoLayers", "True"},
                          {"Projectors", "True"},
                          {"NoDynamicLights", "False"},
                          {"TextureDetailInterface", "Normal"},
                          {"TextureDetailTerrain", "High"},
                          {"TextureDetailWeaponSkin", "High"},
                          {"TextureDetailPlayerSkin", "High"},
                          {"TextureDetailWorld", "Higher"},
                          {"TextureDetailRenderMap", "UltraHigh"},
                          {"TextureDetailLightmap", "UltraHigh"}};
const Keys kSoundKeys = {{"UseEAX", "False"},           {"Use3DSound", "True"},
                         {"UseDefaultDriver", "False"}, {"CompatibilityMode", "False"},
                         {"UsePrecache", "True"},       {"ReverseStereo", "False"},
                         {"DisablePitch", "False"},     {"LowQualitySound", "False"},
                         {"MusicVolume", "0.500000"},   {"SoundVolume", "0.900000"}};

struct Change {
    QByteArray key;
    std::optional<QByteArray> value;  // none: the key is dropped
};

QByteArray renderSection(const QByteArray& name, Keys keys, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& kv) { return kv.first == change.key; });
        if (it == keys.end()) continue;
        if (change.value)
            it->second = *change.value;
        else
            keys.erase(it);
    }
    QByteArray bytes = "[" + name + "]\r\n";
    for (const auto& [key, value] : keys) bytes += key + "=" + value + "\r\n";
    return bytes;
}

// Changes name keys of either section (the key names of the two do not overlap).
QByteArray engineWith(const std::vector<Change>& changes) {
    return renderSection("WinDrv.WindowsClient", kClientKeys, changes) +
           renderSection("ALAudio.ALAudioSubsystem", kSoundKeys, changes);
}

QByteArray sectionOf(const QByteArray& file, const QByteArray& name) {
    const QByteArray header = "[" + name + "]\r\n";
    const qsizetype start = file.indexOf(header);
    if (start < 0) return QByteArray();
    qsizetype end = file.indexOf("\r\n[", start + header.size() - 2);
    end = end < 0 ? file.size() : end + 2;
    return file.mid(start, end - start);
}

std::optional<QByteArray> valueOf(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    for (const QByteArray& line : sectionOf(file, section).split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(key + "=")) return trimmed.mid(key.size() + 1);
    }
    return std::nullopt;
}

const QString kTypeMismatchLoad = QStringLiteral(
    "Error Type mismatch At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!");

}  // namespace

class ClientTest : public GuiTest {
  protected:
    frmMain* open(const std::vector<Change>& changes = {}, const std::optional<QByteArray>& announcer = "3") {
        main = openEditor(playerFile(announcer), engineWith(changes));
        return main;
    }
    void reopen(const std::vector<Change>& changes) {
        writeFile(engineIni(), engineWith(changes));
        main->OpenINIFiles();
    }
    QByteArray save() {
        main->mnuFileSave_Click();
        return readFile(engineIni());
    }
    static QString name(const char* array, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i); }
    static QCheckBox* client(int i) { return find<QCheckBox>(name("chkClientSU", i)); }
    static QComboBox* texture(int i) { return find<QComboBox>(name("cboTexDetail", i)); }
    static QRadioButton* controller(int i) { return find<QRadioButton>(name("optController", i)); }
    static int selectedController() {
        const bool mouse = controller(0)->isChecked();
        const bool joystick = controller(1)->isChecked();
        return mouse && joystick ? 99 : mouse ? 0 : joystick ? 1 : -1;
    }
    int shown(const QString& prompt) const {
        return static_cast<int>(
            std::count_if(messages.begin(), messages.end(), [&](const ShownMessage& m) { return m.prompt == prompt; }));
    }

    frmMain* main = nullptr;
};

TEST_F(ClientTest, DesignStateBeforeAnyLoad) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), path(QStringLiteral("User.ini"))}});
    runMain();
    ASSERT_NE(window(QStringLiteral("frmMain")), nullptr);

    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(texture(i)->currentText(), QStringLiteral("NFO"));
        EXPECT_EQ(texture(i)->currentIndex(), -1);
        EXPECT_EQ(texture(i)->count(), 7);
        EXPECT_FALSE(texture(i)->isEnabled());
        EXPECT_FALSE(client(i)->isEnabled());
        EXPECT_FALSE(client(i)->isChecked());
    }
    EXPECT_EQ(texture(6)->itemText(0), QStringLiteral("UltraLow"));
    EXPECT_EQ(texture(6)->itemText(6), QStringLiteral("UltraHigh"));
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(find<QCheckBox>(name("chkSoundSetup", i))->isEnabled());
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(controller(i)->isEnabled());
        EXPECT_FALSE(controller(i)->isChecked());
    }

    struct SliderCase {
        const char* slider;
        const char* readOut;
        int maximum, tick, smallStep, largeStep;
    };
    for (const SliderCase& c :
         {SliderCase{"slideMusic", "lblMusic", 100, 5, 1, 5}, SliderCase{"slideAnnouncer", "lblAnnouncer", 4, 1, 0, 0},
          SliderCase{"slideEffects", "lblEffects", 100, 5, 1, 5}}) {
        SCOPED_TRACE(c.slider);
        auto* slider = find<QSlider>(QLatin1String(c.slider));
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), c.maximum);
        EXPECT_EQ(slider->tickInterval(), c.tick);
        EXPECT_EQ(slider->singleStep(), c.smallStep);
        EXPECT_EQ(slider->pageStep(), c.largeStep);
        EXPECT_EQ(slider->value(), 0);
        EXPECT_FALSE(slider->isEnabled());
        EXPECT_EQ(find<QLabel>(QLatin1String(c.readOut))->text(), QStringLiteral("NFO"));
        EXPECT_EQ(find<QLabel>(QLatin1String(c.readOut))->frameShape(), QFrame::Box);
    }

    struct TextCase {
        QString name;
        QString caption;
        QString tooltip;
    };
    for (const TextCase& c : {
             TextCase{"chkClientSU(4)", "Foilage", "Enables Grass & Bush Like 3d Textures"},
             TextCase{"chkClientSU(6)", "Use Normal Lighting", "Use if Dynamic Ligting is too much for Video Card"},
             TextCase{"chkSoundSetup(2)", "Use Default Driver", "Click to Use Defaul System Sound Driver"},
             TextCase{"chkSoundSetup(6)", "Disable Pitch", "Click To Disable Dopler Effect "},
             TextCase{"optController(1)", "Use Joystick", "Click to use Joystick as main control."},
             TextCase{"lbTxtDetail(6)", "  LightMap Detail", ""},
             TextCase{"lblTxtMusic", "Music ", ""},
             TextCase{"lblTxtControllerSU", "Controller S/U ::", ""},
             TextCase{"slideMusic", "", "Set Music Voulume"},
             TextCase{"lblAnnouncer", "NFO", "Announcer Level"},
         }) {
        QWidget* widget = find<QWidget>(c.name);
        ASSERT_NE(widget, nullptr) << c.name.toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), c.caption);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), c.caption);
        }
        EXPECT_EQ(widget->toolTip(), c.tooltip) << c.name.toStdString();
    }
}

// Every control of the group lies inside its frame, overlaps no other control there, and shows its whole text;
// row 7 of the client frame stays free for the player group's "Weapon Bob ON".
TEST_F(ClientTest, LayoutFitsItsFrames) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), path(QStringLiteral("User.ini"))}});
    runMain();
    auto* mainWindow = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(mainWindow, nullptr);
    const QRect weaponBobRow(8, 144, 165, 18);
    for (const char* frameName : {"frameClientSetup", "frameSound", "frameTextures(0)", "frameController"}) {
        auto* frame = find<QGroupBox>(QLatin1String(frameName));
        ASSERT_NE(frame, nullptr) << frameName;
        const QRect inside = frame->rect().adjusted(2, 14, -2, -2);
        const QList<QWidget*> children = frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(children.isEmpty()) << frameName;
        for (QWidget* child : children) {
            const std::string childName = child->objectName().toStdString();
            EXPECT_TRUE(inside.contains(child->geometry())) << frameName << " " << childName;
            for (QWidget* other : children) {
                if (other == child) continue;
                EXPECT_FALSE(child->geometry().intersects(other->geometry())) << childName;
            }
            if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
                EXPECT_LE(child->sizeHint().width(), child->width()) << childName;
                EXPECT_LE(child->fontMetrics().height(), child->height()) << childName;
            }
            if (frame->objectName() == QLatin1String("frameClientSetup") && childName != "chkWeaponBob") {
                EXPECT_FALSE(child->geometry().intersects(weaponBobRow)) << childName;
            }
        }
    }
    const QString snapshots = qEnvironmentVariable("CORVANE_SNAPSHOT_DIR");
    if (!snapshots.isEmpty()) {
        for (QWidget* w : mainWindow->findChildren<QWidget*>()) w->setEnabled(true);
        mainWindow->SSTab1->setCurrentIndex(0);
        mainWindow->SSTab1->grab().save(snapshots + QStringLiteral("/tab0-enabled.png"));
    }
}

TEST_F(ClientTest, ControllerChoiceFromTheTwoBooleans) {
    struct Case {
        std::optional<QByteArray> mouse, joystick;
        int selected;
    };
    for (const Case& c : {Case{"True", "False", 0}, Case{"1", "0", 0}, Case{"true", "false", 0}, Case{"2", "0", 0},
                          Case{"False", "True", 1}, Case{"0", "TRUE", 1}, Case{"True", "True", 1},
                          Case{"False", "False", -1}, Case{std::nullopt, std::nullopt, -1}}) {
        SCOPED_TRACE(c.mouse.value_or("(missing)").toStdString() + "/" +
                     c.joystick.value_or("(missing)").toStdString());
        open({{"CaptureMouse", c.mouse}, {"UseJoystick", c.joystick}});
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(selectedController(), c.selected);
        // Only "Use Mouse" counts on save; both keys are written, as opposite Booleans.
        const QByteArray saved = save();
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "CaptureMouse"), c.selected == 0 ? "True" : "False");
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "UseJoystick"), c.selected == 0 ? "False" : "True");
        unloadAll();
    }
}

TEST_F(ClientTest, ControllerLoadedOverAFileAndChosenByTheUser) {
    open();
    EXPECT_EQ(selectedController(), 0);
    controller(1)->click();
    EXPECT_EQ(selectedController(), 1);
    controller(1)->click();
    EXPECT_EQ(selectedController(), 1);
    reopen({{"CaptureMouse", "False"}, {"UseJoystick", "False"}});
    EXPECT_EQ(selectedController(), -1);
    main->CloseINIFiles();
    EXPECT_FALSE(controller(0)->isEnabled());
    reopen({{"CaptureMouse", "1"}, {"UseJoystick", "0"}});
    EXPECT_EQ(selectedController(), 0);
    EXPECT_TRUE(controller(0)->isEnabled());
}

TEST_F(ClientTest, ControllerValueThatIsNoBooleanEndsTheLoad) {
    for (const QByteArray& bad : {QByteArray("yes"), QByteArray("")}) {
        SCOPED_TRACE(bad.toStdString());
        open({{"UseJoystick", bad}});
        EXPECT_FALSE(FileIsOpen);
        EXPECT_EQ(shown(kTypeMismatchLoad), 1);
        unloadAll();
        messages.clear();
    }
}

TEST_F(ClientTest, LightingRuleKeepsTheTwoLightingBoxesOpposite) {
    struct Case {
        QByteArray noLighting, noDynamicLights;  // entries 1 and 6 of the client keys
        bool box1, box6;
    };
    for (const Case& c :
         {Case{"True", "True", false, true}, Case{"True", "False", true, false}, Case{"False", "True", false, true},
          Case{"False", "False", false, false}, Case{"true", "True", false, true}}) {
        SCOPED_TRACE(c.noLighting.toStdString() + "/" + c.noDynamicLights.toStdString());
        open({{"NoLighting", c.noLighting}, {"NoDynamicLights", c.noDynamicLights}});
        EXPECT_EQ(client(1)->isChecked(), c.box1);
        EXPECT_EQ(client(6)->isChecked(), c.box6);
        const QByteArray saved = save();
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "NoLighting"), c.box1 ? "True" : "False");
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "NoDynamicLights"), c.box6 ? "True" : "False");
        unloadAll();
    }
}

TEST_F(ClientTest, ClickingOneLightingBoxSetsTheOther) {
    open({{"NoLighting", "True"}, {"NoDynamicLights", "True"}});
    client(1)->click();  // "Use Dynamic Lighting" checked
    EXPECT_TRUE(client(1)->isChecked());
    EXPECT_FALSE(client(6)->isChecked());
    client(1)->click();
    EXPECT_FALSE(client(1)->isChecked());
    EXPECT_TRUE(client(6)->isChecked());
    client(6)->click();
    EXPECT_TRUE(client(1)->isChecked());
    EXPECT_FALSE(client(6)->isChecked());
    client(3)->click();  // other boxes leave the pair alone
    EXPECT_TRUE(client(1)->isChecked());
    EXPECT_TRUE(messages.empty());

    // After a close the boxes keep their values, so the next load starts from them.
    main->CloseINIFiles();
    EXPECT_TRUE(client(1)->isChecked());
    EXPECT_FALSE(client(1)->isEnabled());
    // Clearing box 1 checks box 6, and clearing box 6 then checks box 1 again: the pair keeps its state.
    reopen({{"NoLighting", "False"}, {"NoDynamicLights", "False"}});
    EXPECT_TRUE(client(1)->isChecked());
    EXPECT_FALSE(client(6)->isChecked());
    EXPECT_EQ(valueOf(save(), "WinDrv.WindowsClient", "NoLighting"), "True");
}

TEST_F(ClientTest, TextureDetailWords) {
    struct Case {
        std::optional<QByteArray> file;
        int position;
        QString text;
        std::optional<QByteArray> saved;
    };
    for (const Case& c :
         {Case{"UltraLow", 0, "UltraLow", "UltraLow"}, Case{"Lower", 1, "Lower", "Lower"}, Case{"Low", 2, "Low", "Low"},
          Case{"Normal", 3, "Normal", "Normal"}, Case{"High", 4, "High", "High"}, Case{"Higher", 5, "Higher", "Higher"},
          Case{"UltraHigh", 6, "UltraHigh", "UltraHigh"}, Case{"normal", -1, "Error", "normal"},
          Case{"Medium", -1, "Error", "Medium"}, Case{"NDF", -1, "Error", "NDF"},
          Case{std::nullopt, -1, "Error", std::nullopt}}) {
        SCOPED_TRACE(c.file.value_or("(missing)").toStdString());
        open({{"TextureDetailWorld", c.file}});
        EXPECT_EQ(texture(4)->currentIndex(), c.position);
        EXPECT_EQ(texture(4)->currentText(), c.text);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(valueOf(save(), "WinDrv.WindowsClient", "TextureDetailWorld"), c.saved);
        unloadAll();
    }
}

TEST_F(ClientTest, TextureDetailChosenOrTyped) {
    open({{"TextureDetailTerrain", "normal"}, {"TextureDetailLightmap", std::nullopt}});
    texture(1)->setCurrentIndex(3);
    EXPECT_EQ(texture(1)->currentText(), QStringLiteral("Normal"));
    texture(2)->lineEdit()->selectAll();
    QTest::keyClicks(texture(2)->lineEdit(), QStringLiteral("Medium"));
    texture(3)->lineEdit()->selectAll();
    QTest::keyClicks(texture(3)->lineEdit(), QStringLiteral("Error"));
    const QByteArray saved = save();
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "TextureDetailTerrain"), "Normal");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "TextureDetailWeaponSkin"), "Medium");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "TextureDetailPlayerSkin"), "High");  // "Error" is not written
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "TextureDetailLightmap"), std::nullopt);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(texture(i)->count(), 7);

    // A close keeps the texts, disabled.
    main->CloseINIFiles();
    EXPECT_EQ(texture(2)->currentText(), QStringLiteral("Medium"));
    EXPECT_FALSE(texture(2)->isEnabled());
}

TEST_F(ClientTest, ClientAndSoundSwitchesAreWrittenOnEverySave) {
    open({{"ScreenFlashes", "true"}, {"UseEAX", "True"}, {"Use3DSound", "true"}, {"DisablePitch", std::nullopt}});
    EXPECT_FALSE(client(0)->isChecked());
    find<QCheckBox>(name("chkSoundSetup", 7))->click();
    client(2)->click();
    const QByteArray saved = save();
    EXPECT_EQ(sectionOf(saved, "ALAudio.ALAudioSubsystem"),
              "[ALAudio.ALAudioSubsystem]\r\nUseEAX=True\r\nUse3DSound=False\r\nUseDefaultDriver=False\r\n"
              "CompatibilityMode=False\r\nUsePrecache=True\r\nReverseStereo=False\r\nLowQualitySound=True\r\n"
              "MusicVolume=0.500000\r\nSoundVolume=0.900000\r\nDisablePitch=False\r\n");
    // The display group writes its keys of the same section; those of this group are these.
    const QByteArray section = sectionOf(saved, "WinDrv.WindowsClient");
    EXPECT_TRUE(
        section.contains("\r\nCaptureMouse=True\r\nUseJoystick=False\r\nScreenFlashes=False\r\n"
                         "NoLighting=True\r\nDecals=False\r\nCoronas=False\r\nDecoLayers=True\r\n"
                         "Projectors=True\r\nNoDynamicLights=False\r\nTextureDetailInterface=Normal\r\n"
                         "TextureDetailTerrain=High\r\nTextureDetailWeaponSkin=High\r\n"
                         "TextureDetailPlayerSkin=High\r\nTextureDetailWorld=Higher\r\n"
                         "TextureDetailRenderMap=UltraHigh\r\nTextureDetailLightmap=UltraHigh\r\n"))
        << section.toStdString();
}

TEST_F(ClientTest, VolumesFromTheFileAndFromTheSliders) {
    struct Case {
        QByteArray key;
        std::optional<QByteArray> value;
        const char* slider;
        const char* readOut;
        int position;
        QString shown;
    };
    for (const Case& c : {Case{"MusicVolume", "0.5", "slideMusic", "lblMusic", 50, "0.5"},
                          Case{"MusicVolume", "0.125", "slideMusic", "lblMusic", 12, "0.125"},
                          Case{"MusicVolume", "1.5", "slideMusic", "lblMusic", 100, "1.5"},
                          Case{"SoundVolume", "0.900000", "slideEffects", "lblEffects", 90, "0.900000"},
                          Case{"SoundVolume", std::nullopt, "slideEffects", "lblEffects", 0, "0"}}) {
        SCOPED_TRACE(c.key.toStdString() + " " + c.value.value_or("(missing)").toStdString());
        open({{c.key, c.value}});
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(find<QSlider>(QLatin1String(c.slider))->value(), c.position);
        EXPECT_EQ(find<QLabel>(QLatin1String(c.readOut))->text(), c.shown);
        EXPECT_EQ(valueOf(save(), "ALAudio.ALAudioSubsystem", c.key), c.shown.toLatin1());
        unloadAll();
    }

    open();
    auto* music = find<QSlider>(QStringLiteral("slideMusic"));
    music->setSliderPosition(64);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblMusic"))->text(), QStringLiteral("0.64"));
    auto* effects = find<QSlider>(QStringLiteral("slideEffects"));
    QTest::keyClick(effects, Qt::Key_PageUp);  // 90 + 5
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblEffects"))->text(), QStringLiteral("0.95"));
    const QByteArray saved = save();
    EXPECT_EQ(valueOf(saved, "ALAudio.ALAudioSubsystem", "MusicVolume"), "0.64");
    EXPECT_EQ(valueOf(saved, "ALAudio.ALAudioSubsystem", "SoundVolume"), "0.95");
}

TEST_F(ClientTest, VolumeThatIsNoNumberEndsTheLoad) {
    open({{"MusicVolume", "loud"}});
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(shown(kTypeMismatchLoad), 1);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblMusic"))->text(), QStringLiteral("loud"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblAnnouncer"))->text(), QStringLiteral("NFO"));
}

TEST_F(ClientTest, AnnouncerLevelLivesInThePlayerFile) {
    struct Case {
        std::optional<QByteArray> file;
        int position;
        QString shown;
    };
    for (const Case& c : {Case{"3", 3, "3"}, Case{"2.5", 2, "2.5"}, Case{"3.5", 4, "3.5"}, Case{"7", 4, "7"},
                          Case{"-1", 0, "-1"}, Case{std::nullopt, 0, "0"}}) {
        SCOPED_TRACE(c.file.value_or("(missing)").toStdString());
        open({}, c.file);
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(find<QSlider>(QStringLiteral("slideAnnouncer"))->value(), c.position);
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblAnnouncer"))->text(), c.shown);
        const QByteArray engine = save();
        const QByteArray player = readFile(path(QStringLiteral("User.ini")));
        EXPECT_EQ(valueOf(player, "Engine.PlayerController", "AnnouncerVolume"), c.shown.toLatin1());
        // A missing key is added as the last line of its section, after the player group's keys.
        if (!c.file) {
            EXPECT_TRUE(sectionOf(player, "Engine.PlayerController").endsWith("\r\nAnnouncerVolume=0\r\n"));
        }
        EXPECT_FALSE(engine.contains("AnnouncerVolume"));
        unloadAll();
    }
}

TEST_F(ClientTest, MovingTheAnnouncerSliderShowsAWholeNumber) {
    open({}, "2.5");
    auto* announcer = find<QSlider>(QStringLiteral("slideAnnouncer"));
    announcer->setSliderPosition(4);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblAnnouncer"))->text(), QStringLiteral("4"));
    announcer->setSliderPosition(0);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblAnnouncer"))->text(), QStringLiteral("0"));
    save();
    EXPECT_EQ(valueOf(readFile(path(QStringLiteral("User.ini"))), "Engine.PlayerController", "AnnouncerVolume"), "0");
}

TEST_F(ClientTest, AnnouncerLevelThatIsNoNumberEndsTheLoad) {
    open({}, "max");
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(shown(kTypeMismatchLoad), 1);
    // The level is converted before its read-out is set.
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblAnnouncer"))->text(), QStringLiteral("NFO"));
}

TEST_F(ClientTest, CloseResetsTheVolumesAndDisablesTheGroup) {
    open({{"UseEAX", "True"}});
    main->CloseINIFiles();
    for (const char* slider : {"slideMusic", "slideAnnouncer", "slideEffects"}) {
        EXPECT_EQ(find<QSlider>(QLatin1String(slider))->value(), 0) << slider;
        EXPECT_FALSE(find<QSlider>(QLatin1String(slider))->isEnabled()) << slider;
    }
    for (const char* label : {"lblMusic", "lblAnnouncer", "lblEffects"})
        EXPECT_EQ(find<QLabel>(QLatin1String(label))->text(), QStringLiteral("NFO")) << label;
    EXPECT_EQ(selectedController(), 0);
    EXPECT_FALSE(controller(0)->isEnabled());
    EXPECT_TRUE(find<QCheckBox>(name("chkSoundSetup", 0))->isChecked());
    EXPECT_FALSE(find<QCheckBox>(name("chkSoundSetup", 0))->isEnabled());
    EXPECT_EQ(texture(0)->currentText(), QStringLiteral("Normal"));
    EXPECT_FALSE(texture(0)->isEnabled());
}
