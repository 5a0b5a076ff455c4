// The HUD group: "Engine.Hud" of the player file on screen after a load, in the file after a save, the
// colour parser, the preview and sample handlers, the no-file state and the layout of the frame.
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSlider>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/HudGroup.h"
#include "editor/frmMain.h"
#include "platform/error.h"

// Readable QStrings in failure reports.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// The crosshair pictures, and the portrait that the close shows before it reaches the HUD.
const char* const kPictures[] = {"cross_1.jpg",  "cross_2.jpg",  "cross_3.jpg",   "cross_4.jpg",
                                 "cross_5.jpg",  "dot.jpg",      "pointer.jpg",   "triad_1.jpg",
                                 "triad_2.jpg",  "triad_3.jpg",  "bracket_1.jpg", "bracket_2.jpg",
                                 "circle_1.jpg", "circle_2.jpg", "hidden.jpg",    "no_image.jpg"};

const QString kLoadTail =
    QStringLiteral(" At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!");
const QString kCrossHairMessage = QStringLiteral(
    "Error, your Crosshair may be out of range.Please Check your User.ini File and make sure that 'CrossHairValue' <= "
    "13");

// The lines of one section, its header included, up to the next section or the end of the file.
QByteArray sectionText(const QByteArray& file, const QByteArray& section) {
    const QByteArray header = "[" + section + "]";
    const qsizetype start = file.indexOf(header);
    if (start < 0) return QByteArray();
    qsizetype end = file.indexOf("\n[", start);
    end = end < 0 ? file.size() : end + 1;
    return file.mid(start, end - start);
}

// The other groups' keys that a load needs to run to its end: the weapon priorities.
QByteArray weaponSections() {
    const char* weapons[] = {"Redeemer", "Painter",  "TransLauncher", "ShieldGun",  "AssaultRifle",   "ShockRifle",
                             "LinkGun",  "BioRifle", "Minigun",       "FlakCannon", "RocketLauncher", "SniperRifle"};
    QByteArray text = "[XWeapons.BallLauncher]\r\nPriority=13\r\n";
    int priority = 12;
    for (const char* weapon : weapons)
        text += QByteArray("[XWeapons.") + weapon + "]\r\nPriority=" + QByteArray::number(priority--) +
                "\r\nExchangeFireModes=0\r\n";
    return text;
}

// A player file holding the weapon sections and, last, "Engine.Hud" with the given lines.
QByteArray hudSection(const QByteArray& lines) {
    return weaponSections() + "[Engine.Hud]\r\n" + lines;
}

}  // namespace

class HudTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        // The crosshair pictures may not be drawn yet: small stand-ins where they are missing.
        QDir().mkpath(picDir());
        for (const char* name : kPictures) {
            const QString file = picDir() + QLatin1String(name);
            if (QFile::exists(file)) continue;
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            ASSERT_TRUE(image.save(file, "JPG")) << name;
        }
    }

    QString picDir() const { return programDir() + QStringLiteral("/players/jpgs/"); }
    QString picturePath(const char* name) const { return PlayerPicPath + QLatin1String(name); }

    // Loads a player file of the given bytes (and an empty engine file).
    frmMain* open(const QByteArray& userBytes) {
        main_ = openEditor(userBytes, QByteArray());
        return main_;
    }
    QByteArray savedHud() {
        main_->mnuFileSave_Click();
        return sectionText(readFile(userIni()), "Engine.Hud");
    }
    // Messages of the load's failure handler.
    std::vector<ShownMessage> loadFailures() const {
        std::vector<ShownMessage> found;
        for (const ShownMessage& m : messages)
            if (m.prompt.endsWith(kLoadTail)) found.push_back(m);
        return found;
    }
    // Messages that this group or a failed load or close shows (other groups have notices of their own).
    std::vector<QString> ourMessages() const {
        std::vector<QString> found;
        for (const ShownMessage& m : messages)
            if (m.prompt == kCrossHairMessage || m.prompt.startsWith(QStringLiteral("Error Setting Cross Hair")) ||
                m.prompt.contains(QStringLiteral("Cross Hair Colors")) || m.prompt.endsWith(kLoadTail) ||
                m.prompt.contains(QStringLiteral("While Closing File")))
                found.push_back(m.prompt);
        return found;
    }
    HudGroup& hud() { return *main_->hud; }
    QString preview() { return hud().picCrossHair->property("picturePath").toString(); }
    // A move by the user: the slider is set and the move action raised.
    static void userMove(QSlider* slider, int position) {
        slider->setSliderPosition(position);
        slider->triggerAction(QAbstractSlider::SliderMove);
    }

    frmMain* main_ = nullptr;
};

// ---- Design state and layout ----

TEST_F(HudTest, WindowOpensInTheDesignStateWithFilledLists) {
    writeFile(userIni(), hudSection("HudScale=0.5\r\n"));
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(main, nullptr);
    HudGroup& h = *main->hud;
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(h.chkHud[static_cast<std::size_t>(i)]->isChecked()) << i;
        EXPECT_EQ(h.chkHud[static_cast<std::size_t>(i)]->isEnabled(), i == 5) << i;
    }
    EXPECT_FALSE(h.cboCrossSelect->isEnabled());
    EXPECT_EQ(h.cboCrossSelect->count(), 14);
    EXPECT_EQ(h.cboCrossSelect->currentIndex(), -1);
    EXPECT_EQ(h.cboCrossSelect->currentText(), QStringLiteral("Selcet Reticle"));
    EXPECT_EQ(h.cboCrossSelect->itemText(10), QStringLiteral("Bracket (1)"));
    const QStringList shown[3] = {{"0", "1", "2", "3", "4", "5", "6", "7", "8"},
                                  {"8", "7", "6", "5", "4", "3", "2", "1", "0"},
                                  {"0", "1", "2", "3", "4", "5", "6", "7", "8"}};
    for (std::size_t i = 0; i < 3; ++i) {
        QStringList items;
        for (int k = 0; k < h.cboMssgSetup[i]->count(); ++k) items << h.cboMssgSetup[i]->itemText(k);
        EXPECT_EQ(items, shown[i]) << i;
        EXPECT_EQ(h.cboMssgSetup[i]->currentIndex(), -1);
        EXPECT_FALSE(h.cboMssgSetup[i]->isEnabled());
    }
    for (QSlider* slider : {h.slideHudScale, h.slideHudOpacity, h.slideCrossColor[0], h.slideCrossColor[1],
                            h.slideCrossColor[2], h.slideCrossColor[3]}) {
        EXPECT_EQ(slider->value(), 0) << slider->objectName().toStdString();
        EXPECT_FALSE(slider->isEnabled()) << slider->objectName().toStdString();
    }
    for (QLabel* label : {h.lblHudScale, h.lblHudOpacity, h.lblCrossColor[0], h.lblCrossColor[1], h.lblCrossColor[2],
                          h.lblCrossColor[3]})
        EXPECT_EQ(label->text(), QStringLiteral("NFO"));
    EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(h.picCrossHair->pixmap().size(), QSize(74, 68));
    EXPECT_FALSE(h.picCrossHair->property("picturePath").isValid());
    // "Show CrossHair" is the one switch usable before a load: no style is selected, so the preview hides.
    h.chkHud[5]->setChecked(true);
    EXPECT_EQ(h.picCrossHair->property("picturePath").toString(), picturePath("hidden.jpg"));
    EXPECT_TRUE(ourMessages().empty());
}

TEST_F(HudTest, ControlsStayInsideTheFrameWithoutOverlapping) {
    open(hudSection(""));
    QGroupBox* frame = main_->frameHudSettings;
    std::vector<QWidget*> ours;
    for (QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->objectName().startsWith(QStringLiteral("chkPlayerControls"))) ours.push_back(child);
    ASSERT_GE(ours.size(), 39u);
    // The player group's boxes: column 2 row 3 and column 3 rows 0 to 3.
    std::vector<QRect> reserved = {{166, 72, 150, 18}};
    for (int row = 0; row < 4; ++row) reserved.push_back({324, 18 + 18 * row, 150, 18});
    for (QWidget* w : ours) {
        const QRect r = w->geometry();
        const std::string name = w->objectName().toStdString();
        EXPECT_GE(r.left(), 4) << name;
        EXPECT_LE(r.right(), frame->width() - 4) << name;
        EXPECT_GE(r.top(), 14) << name;
        EXPECT_LT(r.bottom(), 172) << name;
        for (const QRect& other : reserved) EXPECT_FALSE(r.intersects(other)) << name;
        for (QWidget* v : ours)
            if (v != w) {
                EXPECT_FALSE(r.intersects(v->geometry())) << name << " / " << v->objectName().toStdString();
            }
    }
    const char* names[] = {"chkHud(0)",         "chkHud(7)",          "lblTxtHudScale",   "slideHudScale",
                           "lblTxtValueHUD(0)", "lblHudScale",        "lblTxtHudOpacity", "slideHudOpacity",
                           "lblTxtValueHUD(1)", "lblHudOpacity",      "picCrossHair",     "cboMssgSetup(2)",
                           "lblTxtHud(2)",      "cboCrossSelect",     "lblTxtHud(8)",     "lblTxtHud(7)",
                           "lblTxtHud(6)",      "slideCrossColor(3)", "lblCrossColor(3)", "lblCHcolor"};
    for (const char* name : names) EXPECT_NE(find<QWidget>(QLatin1String(name)), nullptr) << name;
    if (qEnvironmentVariableIsSet("CORVANE_HUD_PNG"))
        main_->tabPages[0]->grab().save(qEnvironmentVariable("CORVANE_HUD_PNG"));
}

// ---- Load and save ----

TEST_F(HudTest, FileWithoutTheSectionLoadsTheDefaultsAndTheSaveWritesThem) {
    open(weaponSections());
    HudGroup& h = hud();
    for (QCheckBox* box : h.chkHud) EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("1"));
    EXPECT_EQ(h.slideHudScale->value(), 1000);
    EXPECT_EQ(h.cboCrossSelect->currentIndex(), 0);
    EXPECT_EQ(h.cboCrossSelect->currentText(), QStringLiteral("Cross (1)"));
    EXPECT_EQ(preview(), picturePath("hidden.jpg"));
    EXPECT_EQ(h.lblHudOpacity->text(), QStringLiteral("255"));
    EXPECT_EQ(h.slideHudOpacity->value(), 255);
    const int indexes[] = {2, 6, 0};
    const char* texts[] = {"2", "2", "0"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(h.cboMssgSetup[i]->currentIndex(), indexes[i]);
        EXPECT_EQ(h.cboMssgSetup[i]->currentText(), QLatin1String(texts[i]));
        EXPECT_TRUE(h.cboMssgSetup[i]->isEnabled());
    }
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(h.lblCrossColor[i]->text(), QStringLiteral("255"));
        EXPECT_EQ(h.slideCrossColor[i]->value(), 255);
        EXPECT_TRUE(h.slideCrossColor[i]->isEnabled());
    }
    EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_TRUE(loadFailures().empty());

    EXPECT_EQ(savedHud(), QByteArray("[Engine.Hud]\r\n"
                                     "bHideHud=False\r\n"
                                     "bMessageBeep=False\r\n"
                                     "bShowWeaponInfo=False\r\n"
                                     "bShowPersonalInfo=False\r\n"
                                     "bShowPoints=False\r\n"
                                     "bCrosshairShow=False\r\n"
                                     "bShowWeaponBar=False\r\n"
                                     "bShowPortrait=False\r\n"
                                     "HudScale=1\r\n"
                                     "HudOpacity=255\r\n"
                                     "ConsoleMessageCount=2\r\n"
                                     "ConsoleFontSize=6\r\n"
                                     "MessageFontOffset=0\r\n"
                                     "CrossHairColor=(B=255,G=255,R=255,A=255)\r\n"
                                     "CrosshairStyle=0\r\n"));
}

TEST_F(HudTest, UntouchedValuesAreWrittenBackAsRead) {
    struct Case {
        const char* name;
        QByteArray file;   // lines of the section
        QByteArray saved;  // the section after an unchanged save
    };
    const Case cases[] = {
        {"switches, leading zeros, style -1",
         "bHideHud=true\r\nbMessageBeep=TRUE\r\nbShowWeaponInfo=True\r\nbShowPersonalInfo=1\r\nbShowPoints=\r\n"
         "bCrosshairShow=True\r\nbShowWeaponBar=False\r\nbShowPortrait=No Data Found!!\r\nHudScale=0.850000\r\n"
         "HudOpacity=200\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=-1\r\n"
         "CrossHairColor=(B=007,G=128,R=64,A=255)\r\nCrosshairStyle=-1\r\n",
         "bHideHud=True\r\nbMessageBeep=False\r\nbShowWeaponInfo=True\r\nbShowPersonalInfo=False\r\nbShowPoints="
         "False\r\n"
         "bCrosshairShow=True\r\nbShowWeaponBar=False\r\nbShowPortrait=False\r\nHudScale=0.850000\r\n"
         "HudOpacity=200\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=-1\r\n"
         "CrossHairColor=(B=007,G=128,R=64,A=255)\r\nCrosshairStyle=-1\r\n"},
        {"keys in another order, closing bracket missing, blank before a comma",
         "CrosshairStyle=13\r\nCrossHairColor=(B=1 ,G=2,R=3,A=45\r\nHudScale=0\r\nHudOpacity=0\r\n"
         "ConsoleMessageCount=8\r\nConsoleFontSize=0\r\nMessageFontOffset=8\r\n",
         "CrosshairStyle=13\r\nCrossHairColor=(B=1 ,G=2,R=3,A=4)\r\nHudScale=0\r\nHudOpacity=0\r\n"
         "ConsoleMessageCount=8\r\nConsoleFontSize=0\r\nMessageFontOffset=8\r\nbHideHud=False\r\n"
         "bMessageBeep=False\r\nbShowWeaponInfo=False\r\nbShowPersonalInfo=False\r\nbShowPoints=False\r\n"
         "bCrosshairShow=False\r\nbShowWeaponBar=False\r\nbShowPortrait=False\r\n"},
        {"a missing last console key resets the lists read before it", "ConsoleMessageCount=4\r\nConsoleFontSize=3\r\n",
         "ConsoleMessageCount=2\r\nConsoleFontSize=6\r\nbHideHud=False\r\nbMessageBeep=False\r\n"
         "bShowWeaponInfo=False\r\nbShowPersonalInfo=False\r\nbShowPoints=False\r\nbCrosshairShow=False\r\n"
         "bShowWeaponBar=False\r\nbShowPortrait=False\r\nHudScale=1\r\nHudOpacity=255\r\nMessageFontOffset=0\r\n"
         "CrossHairColor=(B=255,G=255,R=255,A=255)\r\nCrosshairStyle=0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(hudSection(c.file));
        EXPECT_TRUE(loadFailures().empty());
        EXPECT_EQ(savedHud(), "[Engine.Hud]\r\n" + c.saved);
        unloadAll();
        messages.clear();
    }
}

TEST_F(HudTest, ValuesOnScreenAfterALoad) {
    open(
        hudSection("bShowPoints=true\r\nbCrosshairShow=True\r\nHudScale=0.850000\r\nHudOpacity=200\r\n"
                   "ConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=7\r\n"
                   "CrossHairColor=(B=12,G=5,R=200,A=7)\r\nCrosshairStyle=3\r\n"));
    HudGroup& h = hud();
    EXPECT_TRUE(h.chkHud[4]->isChecked());
    EXPECT_TRUE(h.chkHud[5]->isChecked());
    EXPECT_FALSE(h.chkHud[0]->isChecked());
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("0.850000"));
    EXPECT_EQ(h.slideHudScale->value(), 850);
    EXPECT_EQ(h.lblHudOpacity->text(), QStringLiteral("200"));
    EXPECT_EQ(h.slideHudOpacity->value(), 200);
    // The console lists hold the list index: a font size of 3 shows "5".
    EXPECT_EQ(h.cboMssgSetup[0]->currentText(), QStringLiteral("4"));
    EXPECT_EQ(h.cboMssgSetup[1]->currentText(), QStringLiteral("5"));
    EXPECT_EQ(h.cboMssgSetup[2]->currentText(), QStringLiteral("7"));
    // Labels blue, green, red, alpha; sliders red, green, blue, alpha.
    const char* labels[] = {"12", "5", "200", "7"};
    const int sliders[] = {200, 5, 12, 7};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(h.lblCrossColor[i]->text(), QLatin1String(labels[i])) << i;
        EXPECT_EQ(h.slideCrossColor[i]->value(), sliders[i]) << i;
    }
    EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), QColor(200, 5, 12));
    EXPECT_EQ(h.cboCrossSelect->currentText(), QStringLiteral("Cross (4)"));
    EXPECT_EQ(preview(), picturePath("cross_4.jpg"));
    for (QWidget* w : std::initializer_list<QWidget*>{h.cboCrossSelect, h.slideHudScale, h.slideHudOpacity, h.chkHud[0],
                                                      h.chkHud[7], h.cboMssgSetup[1]})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(ourMessages().empty());
}

TEST_F(HudTest, ConsoleListsResetTogetherWhenAKeyIsMissing) {
    struct Case {
        QByteArray lines;
        int expected[3];
    };
    const Case cases[] = {
        {"ConsoleMessageCount=4\r\nConsoleFontSize=3\r\n", {2, 6, 0}},
        {"ConsoleFontSize=3\r\nMessageFontOffset=5\r\n", {2, 3, 5}},
        {"ConsoleMessageCount=4\r\nMessageFontOffset=5\r\n", {2, 6, 5}},
        {"ConsoleMessageCount=-1\r\nConsoleFontSize=8\r\nMessageFontOffset=NDF\r\n", {2, 6, 0}},
        {"ConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=5\r\n", {4, 3, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.toStdString());
        open(hudSection(c.lines));
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(hud().cboMssgSetup[i]->currentIndex(), c.expected[i]) << i;
        const QByteArray saved = savedHud();
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(saved.contains(ConsoleKeys[i].toLatin1() + "=" + QByteArray::number(c.expected[i]) + "\r\n"))
                << saved.toStdString();
        unloadAll();
    }
}

TEST_F(HudTest, BadValuesStopTheLoadWithTheLoadersMessage) {
    struct Case {
        QByteArray lines;
        const char* description;
        const char* labelName;  // a label that keeps the text already put into it, or nullptr
        const char* labelText;
    };
    const Case cases[] = {
        {"CrosshairStyle=14\r\n", "Invalid property value", nullptr, nullptr},
        {"CrosshairStyle=abc\r\n", "Type mismatch", nullptr, nullptr},
        {"CrosshairStyle=-2\r\n", "Invalid property value", nullptr, nullptr},
        {"HudScale=1.0006\r\n", "Invalid property value", "lblHudScale", "1.0006"},
        {"HudScale=\r\n", "Type mismatch", "lblHudScale", ""},
        {"HudScale=-0.01\r\n", "Invalid property value", "lblHudScale", "-0.01"},
        {"HudOpacity=256\r\n", "Invalid property value", "lblHudOpacity", "256"},
        {"HudOpacity=NFO\r\n", "Type mismatch", "lblHudOpacity", "NFO"},
        {"ConsoleFontSize=9\r\n", "Invalid property value", nullptr, nullptr},
        {"MessageFontOffset=\r\n", "Type mismatch", nullptr, nullptr},
        {"CrossHairColor=\r\n", "Invalid procedure call or argument", nullptr, nullptr},
        {"CrossHairColor=(B=1\r\n", "Invalid procedure call or argument", nullptr, nullptr},
        {"CrossHairColor=(B=1000,G=2,R=3,A=4)\r\n", "Type mismatch", "lblCrossColor(1)", "=2"},
        {"CrossHairColor=(B=1, G=2, R=3, A=4)\r\n", "Type mismatch", "lblCrossColor(0)", "1"},
        {"CrossHairColor=(B=1,G=2,R=3,A=256)\r\n", "Invalid property value", "lblCrossColor(3)", "256"},
        {"CrossHairColor=(B=1,G=2,R=3,A=)\r\n", "Type mismatch", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.toStdString());
        open(hudSection(c.lines));
        const std::vector<ShownMessage> failures = loadFailures();
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].prompt, QStringLiteral("Error ") + QLatin1String(c.description) + kLoadTail);
        EXPECT_EQ(failures[0].style, 16);
        if (c.labelName) {
            EXPECT_EQ(find<QLabel>(QLatin1String(c.labelName))->text(), QLatin1String(c.labelText));
        }
        // The enabling at the end of the load did not happen.
        EXPECT_FALSE(hud().cboCrossSelect->isEnabled());
        EXPECT_FALSE(hud().slideCrossColor[0]->isEnabled());
        EXPECT_FALSE(FileIsOpen);
        unloadAll();
        messages.clear();
    }
}

// ---- The colour parser ----

TEST(HudColourParser, CutsTheTextAtFixedDistancesFromItsEnd) {
    struct Case {
        const char* value;
        std::array<const char*, 4> parts;  // blue, green, red, alpha; nullptr = invalid call
    };
    const Case cases[] = {
        {"(B=0,G=128,R=64,A=255)", {"0", "128", "64", "255"}},
        {"(B=12,G=5,R=200,A=7)", {"12", "5", "200", "7"}},
        {"(B=255,G=255,R=255,A=255)", {"255", "255", "255", "255"}},
        {"(B=007,G=010,R=000,A=1)", {"007", "010", "000", "1"}},
        // Nothing but distances is checked: letters, signs and brackets can be anything.
        {"xyz1,ab2,cd3,ef4)", {"1", "2", "3", "4"}},
        {"(B=1,G=2,R=3,A=12345)", {"1", "2", "3", "12345"}},
        // The closing bracket missing: alpha loses its last digit.
        {"(B=1,G=2,R=3,A=45", {"1", "2", "3", "4"}},
        {"(B=1,G=2,R=3,A=)", {"1", "2", "3", ""}},
        // Four digits or blanks shift every later cut.
        {"(B=1000,G=2,R=3,A=4)", {"100", "=2", "3", "4"}},
        {"(B=1,G=2000,R=3,A=4)", {"1", "200", "=3", "4"}},
        {"(B=1, G=2, R=3, A=4)", {"1", "=2", "=3", "=4"}},
        {"(B= 1,G=2,R=3,A=4)", {" 1", "2", "3", "4"}},
        {"(B100,G=2,R=3,A=4)", {"00", "2", "3", "4"}},
        // Too short for one of the cuts.
        {"", {nullptr, nullptr, nullptr, nullptr}},
        {"(", {nullptr, nullptr, nullptr, nullptr}},
        {"(B", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=12", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=2", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=2,R=", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=2,R=3", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=2,R=3,A", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=1,G=2,R=3,A=", {nullptr, nullptr, nullptr, nullptr}},
        {"(B=100,G=200,R=300", {nullptr, nullptr, nullptr, nullptr}},
        // An empty blue takes ",G=" and shifts red onto the last two characters.
        {"(B=,G=2,R=3,A=4)", {nullptr, nullptr, nullptr, nullptr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        if (c.parts[0] == nullptr) {
            try {
                HudGroup::parseCrossHairColor(QString::fromLatin1(c.value));
                ADD_FAILURE() << "no error";
            } catch (const platform::AppError& e) {
                EXPECT_EQ(e.description(), "Invalid procedure call or argument");
            }
            continue;
        }
        const std::array<QString, 4> parts = HudGroup::parseCrossHairColor(QString::fromLatin1(c.value));
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(parts[i], QLatin1String(c.parts[i])) << i;
    }
}

TEST(HudColourParser, NeverReadsOutsideTheTextWhateverItHolds) {
    // Every prefix of a well-formed value and of a few odd ones: a result or the invalid-call error, nothing else.
    const QString values[] = {QStringLiteral("(B=255,G=255,R=255,A=255)"), QStringLiteral(",,,,,,,,,,,,,,,,"),
                              QStringLiteral("(B=1000000,G=,R=,A=)"), QStringLiteral("\u00e9\u00e9\u00e9,\u00e9,")};
    int results = 0;
    for (const QString& value : values) {
        for (qsizetype n = 0; n <= value.size(); ++n) {
            try {
                const auto parts = HudGroup::parseCrossHairColor(value.left(n));
                for (const QString& part : parts) EXPECT_LE(part.size(), n);
                ++results;
            } catch (const platform::AppError& e) {
                EXPECT_EQ(e.description(), "Invalid procedure call or argument");
            }
        }
    }
    EXPECT_GT(results, 0);
}

// ---- User moves ----

TEST_F(HudTest, LeadingZerosStayUntilTheirSliderMoves) {
    open(hudSection("CrossHairColor=(B=007,G=010,R=000,A=255)\r\n"));
    EXPECT_EQ(hud().lblCrossColor[0]->text(), QStringLiteral("007"));
    EXPECT_EQ(hud().slideCrossColor[2]->value(), 7);
    EXPECT_TRUE(savedHud().contains("CrossHairColor=(B=007,G=010,R=000,A=255)\r\n"));
    // The blue slider (element 2) is moved by the user without changing its position.
    hud().slideCrossColor[2]->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(hud().lblCrossColor[0]->text(), QStringLiteral("7"));
    EXPECT_TRUE(savedHud().contains("CrossHairColor=(B=7,G=010,R=000,A=255)\r\n"));
}

TEST_F(HudTest, ScaleAndOpacityLabelsFollowTheUsersMovesOnly) {
    open(hudSection("HudScale=0.85\r\nHudOpacity=128\r\n"));
    HudGroup& h = hud();
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("0.85"));
    EXPECT_EQ(h.slideHudScale->value(), 850);
    h.slideHudScale->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(h.slideHudScale->value(), 851);
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("0.851"));
    // A position set by code leaves the label alone.
    h.slideHudOpacity->setValue(100);
    EXPECT_EQ(h.lblHudOpacity->text(), QStringLiteral("128"));
    h.slideHudOpacity->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(h.lblHudOpacity->text(), QStringLiteral("90"));
    const QByteArray saved = savedHud();
    EXPECT_TRUE(saved.contains("HudScale=0.851\r\nHudOpacity=90\r\n")) << saved.toStdString();

    const std::pair<int, const char*> scales[] = {{1000, "1"}, {5, "0.005"}, {0, "0"}, {333, "0.333"}};
    for (const auto& [position, text] : scales) {
        userMove(h.slideHudScale, position);
        EXPECT_EQ(h.lblHudScale->text(), QLatin1String(text));
    }
}

TEST_F(HudTest, EachColourSliderWritesItsOwnLabelAndOnlyColourSlidersChangeTheSample) {
    struct Case {
        int slider;
        int position;
        int label;
        QColor sample;
    };
    const Case cases[] = {
        {3, 77, 3, QColor(30, 20, 10)},    // alpha: only its label
        {0, 250, 2, QColor(250, 20, 10)},  // red
        {1, 0, 1, QColor(250, 0, 10)},     // green
        {2, 99, 0, QColor(250, 0, 99)},    // blue
    };
    open(hudSection("CrossHairColor=(B=10,G=20,R=30,A=40)\r\n"));
    HudGroup& h = hud();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slider);
        std::array<QString, 4> before;
        for (std::size_t i = 0; i < 4; ++i) before[i] = h.lblCrossColor[i]->text();
        userMove(h.slideCrossColor[static_cast<std::size_t>(c.slider)], c.position);
        for (int i = 0; i < 4; ++i) {
            const QString expected = i == c.label ? QString::number(c.position) : before[static_cast<std::size_t>(i)];
            EXPECT_EQ(h.lblCrossColor[static_cast<std::size_t>(i)]->text(), expected) << i;
        }
        EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), c.sample);
    }
    EXPECT_TRUE(savedHud().contains("CrossHairColor=(B=99,G=0,R=250,A=77)\r\n"));
    EXPECT_TRUE(ourMessages().empty());
}

TEST_F(HudTest, ShowCrossHairAndTheStyleListSwitchThePreview) {
    open(hudSection("bCrosshairShow=True\r\nCrosshairStyle=3\r\n"));
    HudGroup& h = hud();
    EXPECT_EQ(preview(), picturePath("cross_4.jpg"));
    h.chkHud[5]->setChecked(false);
    EXPECT_EQ(preview(), picturePath("hidden.jpg"));
    h.cboCrossSelect->setCurrentIndex(5);
    EXPECT_EQ(preview(), picturePath("hidden.jpg"));
    h.chkHud[5]->setChecked(true);
    EXPECT_EQ(preview(), picturePath("dot.jpg"));
    h.cboCrossSelect->setCurrentIndex(13);
    EXPECT_EQ(preview(), picturePath("circle_2.jpg"));
    EXPECT_TRUE(savedHud().contains("bCrosshairShow=True\r\nCrosshairStyle=13\r\n"));
    EXPECT_TRUE(ourMessages().empty());
}

TEST_F(HudTest, AMissingPictureIsReportedAndThePreviewKeepsItsPicture) {
    ASSERT_TRUE(QFile::remove(picDir() + QStringLiteral("cross_2.jpg")));
    open(hudSection("bCrosshairShow=True\r\nCrosshairStyle=0\r\n"));
    EXPECT_EQ(preview(), picturePath("cross_1.jpg"));
    messages.clear();
    hud().cboCrossSelect->setCurrentIndex(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kCrossHairMessage);
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_EQ(preview(), picturePath("cross_1.jpg"));
    // In the load, the style's Click and the refresh after it each report once; the load goes on.
    unloadAll();
    messages.clear();
    open(hudSection("bCrosshairShow=True\r\nCrosshairStyle=1\r\nHudOpacity=7\r\n"));
    EXPECT_EQ(ourMessages(), std::vector<QString>(2, kCrossHairMessage));
    EXPECT_EQ(preview(), picturePath("hidden.jpg"));
    EXPECT_EQ(hud().lblHudOpacity->text(), QStringLiteral("7"));
}

// ---- Close ----

TEST_F(HudTest, CloseLeavesTheNoFileState) {
    open(
        hudSection("bHideHud=True\r\nbCrosshairShow=True\r\nHudScale=0.5\r\nCrosshairStyle=2\r\n"
                   "CrossHairColor=(B=1,G=2,R=3,A=4)\r\n"));
    main_->CloseINIFiles();
    HudGroup& h = hud();
    for (QCheckBox* box : h.chkHud) {
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(box->isEnabled());
    }
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(h.lblHudOpacity->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(h.slideHudScale->value(), 0);
    EXPECT_EQ(h.slideHudOpacity->value(), 0);
    EXPECT_EQ(h.cboCrossSelect->currentText(), QStringLiteral("NO File Open"));
    EXPECT_EQ(h.cboCrossSelect->currentIndex(), -1);
    const char* shown[] = {"0", "8", "0"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(h.cboMssgSetup[i]->currentText(), QLatin1String(shown[i]));
        EXPECT_FALSE(h.cboMssgSetup[i]->isEnabled());
    }
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(h.slideCrossColor[i]->value(), 0);
        EXPECT_FALSE(h.slideCrossColor[i]->isEnabled());
        EXPECT_EQ(h.lblCrossColor[i]->text(), QStringLiteral("NFO"));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{h.cboCrossSelect, h.slideHudScale, h.slideHudOpacity})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(preview(), picturePath("hidden.jpg"));
    EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(ourMessages().empty());
}

TEST_F(HudTest, CloseStopsWhenTheHiddenPictureIsMissing) {
    open(hudSection("CrosshairStyle=2\r\n"));
    ASSERT_TRUE(QFile::remove(picDir() + QStringLiteral("hidden.jpg")));
    main_->CloseINIFiles();
    EXPECT_EQ(ourMessages(), std::vector<QString>{QStringLiteral(
                                 "Error File not found in Corvane While Closing File!\rMake Sure File is a Valid "
                                 "User.ini or User.ini Type File")});
    EXPECT_TRUE(FileIsOpen);
}
