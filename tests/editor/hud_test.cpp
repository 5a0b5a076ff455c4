// The HUD group: section "Engine.Hud" of the player file on screen after a load and in the file after a save,
// what bad values do, the colour parser, the user's moves, the preview and the sample.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/HudGroup.h"
#include "editor/frmMain.h"
#include "platform/error.h"

namespace {
const char* const kInvalidCall = "Invalid procedure call or argument";
}  // namespace

class HudTest : public GuiTest {
  protected:
    // Loads a player file whose "Engine.Hud" holds the given lines; without lines, a file with no such section.
    HudGroup& open(const QByteArray& lines = {}) {
        main = openEditor(quietPlayerFile(lines.isEmpty() ? lines : "[Engine.Hud]\r\n" + lines), quietEngineFile());
        return *main->hud;
    }
    QByteArray savedHud() {
        main->mnuFileSave_Click();
        return sectionText(readFile(userIni()), "Engine.Hud");
    }
    QString preview() const {
        return QFileInfo(main->hud->picCrossHair->property("picturePath").toString()).fileName();
    }
    frmMain* main = nullptr;
};

// The game's defaults, appended by the save; a file without "Engine.Input" gets its 199 keys, each holding the
// boxes' "No Data Found!!".
TEST_F(HudTest, FileWithoutTheSectionShowsTheDefaultsAndTheSaveAppendsThem) {
    HudGroup& h = open();
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("1"));
    EXPECT_TRUE(
        sameBytes(savedHud(),
                  "[Engine.Hud]\r\nbHideHud=False\r\nbMessageBeep=False\r\nbShowWeaponInfo=False\r\n"
                  "bShowPersonalInfo=False\r\nbShowPoints=False\r\nbCrosshairShow=False\r\nbShowWeaponBar=False\r\n"
                  "bShowPortrait=False\r\nHudScale=1\r\nHudOpacity=255\r\nConsoleMessageCount=2\r\n"
                  "ConsoleFontSize=6\r\nMessageFontOffset=0\r\nCrossHairColor=(B=255,G=255,R=255,A=255)\r\n"
                  "CrosshairStyle=0\r\n"));
    const QList<QByteArray> input = sectionLines(readFile(userIni()), "Engine.Input");
    EXPECT_EQ(input.size(), 199);
    EXPECT_TRUE(std::all_of(input.begin(), input.end(), [](auto& line) { return line.endsWith("=No Data Found!!"); }));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HudTest, UntouchedValuesAreWrittenBackAsRead) {
    // A description, the section's lines, and the start of the section after an unchanged save.
    const std::tuple<const char*, QByteArray, QByteArray> cases[] = {
        {"switches, leading zeros, style -1",
         "bHideHud=true\r\nbMessageBeep=TRUE\r\nbShowWeaponInfo=True\r\nbShowPersonalInfo=1\r\nbShowPoints=\r\n"
         "bCrosshairShow=True\r\nbShowWeaponBar=False\r\nbShowPortrait=No Data Found!!\r\nHudScale=0.850000\r\n"
         "HudOpacity=200\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=-1\r\n"
         "CrossHairColor=(B=007,G=128,R=64,A=255)\r\nCrosshairStyle=-1\r\n",
         "bHideHud=True\r\nbMessageBeep=False\r\nbShowWeaponInfo=True\r\nbShowPersonalInfo=False\r\nbShowPoints=False"
         "\r\nbCrosshairShow=True\r\nbShowWeaponBar=False\r\nbShowPortrait=False\r\nHudScale=0.850000\r\n"
         "HudOpacity=200\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=-1\r\n"
         "CrossHairColor=(B=007,G=128,R=64,A=255)\r\nCrosshairStyle=-1\r\n"},
        // Keys missing from the file are added after its own; those are checked where the section is missing.
        {"keys in another order, closing bracket missing, blank before a comma",
         "CrosshairStyle=13\r\nCrossHairColor=(B=1 ,G=2,R=3,A=45\r\nHudScale=0\r\nMessageFontOffset=8\r\n",
         "CrosshairStyle=13\r\nCrossHairColor=(B=1 ,G=2,R=3,A=4)\r\nHudScale=0\r\nMessageFontOffset=8\r\n"},
        {"a missing last console key resets the lists read before it", "ConsoleMessageCount=4\r\nConsoleFontSize=3\r\n",
         "ConsoleMessageCount=2\r\nConsoleFontSize=6\r\n"},
    };
    for (const auto& [name, file, saved] : cases) {
        SCOPED_TRACE(name);
        open(file);
        const QByteArray expected = "[Engine.Hud]\r\n" + saved;
        EXPECT_TRUE(sameBytes(savedHud().left(expected.size()), expected));
        EXPECT_TRUE(messages.empty());
        unloadAll();
    }
}

TEST_F(HudTest, BadValuesStopTheLoadWithTheLoadersMessage) {
    const std::pair<QByteArray, QString> cases[] = {{"CrosshairStyle=14", "Invalid property value"},
                                                    {"HudOpacity=256", "Invalid property value"},
                                                    {"CrossHairColor=(B=1", kInvalidCall},
                                                    {"CrossHairColor=(B=1,G=2,R=3,A=256)", "Invalid property value"}};
    for (const auto& [line, description] : cases) {
        HudGroup& h = open(line + "\r\n");
        ASSERT_EQ(messages.size(), 1u) << line.toStdString();
        EXPECT_EQ(messages[0].prompt, "Error " + description +
                                          " At Corvane While Opening File, Your User.ini File May be corrupt or "
                                          "wrong type!!");
        EXPECT_EQ(messages[0].style, 16);
        EXPECT_FALSE(FileIsOpen || h.cboCrossSelect->isEnabled());
        unloadAll();
        messages.clear();
    }
}

// The parser cuts at fixed distances from the end of the text; a text too short for a cut is an invalid call.
TEST(HudColourParser, CutsAtFixedDistancesAndNeverReadsOutsideTheText) {
    const std::pair<const char*, QStringList> cases[] = {
        {"(B=0,G=128,R=64,A=255)", {"0", "128", "64", "255"}},
        {"(B=007,G=010,R=000,A=1)", {"007", "010", "000", "1"}},
        {"(B=1,G=2,R=3,A=45", {"1", "2", "3", "4"}},  // no closing bracket: alpha loses its last digit
        {"(B=1000,G=2,R=3,A=4)", {"100", "=2", "3", "4"}},
        {"(B=1, G=2, R=3, A=4)", {"1", "=2", "=3", "=4"}},
        {"", {}},
        {"(B=,G=2,R=3,A=4)", {}},
    };
    for (const auto& [value, parts] : cases) {
        try {
            const auto cut = HudGroup::parseCrossHairColor(QString::fromLatin1(value));
            EXPECT_EQ(QStringList(cut.begin(), cut.end()), parts) << value;
        } catch (const platform::AppError& e) {
            EXPECT_TRUE(parts.isEmpty() && e.description() == kInvalidCall) << value;
        }
    }
    // Every prefix of a few texts: a result no longer than the text, or the invalid-call error.
    for (const char* value : {"(B=255,G=255,R=255,A=255)", ",,,,,,,,,,,,,,,,", "(B=1000000,G=,R=,A=)"})
        for (qsizetype n = 0; n <= qsizetype(strlen(value)); ++n) {
            try {
                for (const QString& part : HudGroup::parseCrossHairColor(QString::fromLatin1(value, n)))
                    EXPECT_LE(part.size(), n);
            } catch (const platform::AppError& e) {
                EXPECT_EQ(e.description(), kInvalidCall);
            }
        }
}

// Labels keep the file's text until the user moves their slider; the alpha slider leaves the sample alone;
// "Show CrossHair" switches the preview between the style's picture and the hidden one; the font size list
// shows 8 down to 0 and a console list's typed text is saved as -1.
TEST_F(HudTest, UserMovesAndThePreview) {
    HudGroup& h = open(
        "bCrosshairShow=True\r\nHudScale=0.85\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=7\r\n"
        "CrossHairColor=(B=007,G=010,R=000,A=255)\r\nCrosshairStyle=3\r\n");
    EXPECT_EQ(h.cboMssgSetup[1]->currentText(), QStringLiteral("5"));
    EXPECT_EQ(h.lblCrossColor[0]->text(), QStringLiteral("007"));
    EXPECT_EQ(h.slideHudScale->value(), 850);
    EXPECT_EQ(preview(), "cross_4.jpg");
    const QColor sample = h.lblCHcolor->palette().color(QPalette::Window);
    h.slideCrossColor[3]->setSliderPosition(77);
    h.slideCrossColor[3]->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(h.lblCrossColor[3]->text(), QStringLiteral("77"));
    EXPECT_EQ(h.lblCHcolor->palette().color(QPalette::Window), sample);
    h.slideCrossColor[2]->triggerAction(QAbstractSlider::SliderMove);  // blue, at the same position
    h.slideHudScale->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(h.lblHudScale->text(), QStringLiteral("0.851"));
    h.chkHud[5]->setChecked(false);
    EXPECT_EQ(preview(), "hidden.jpg");
    h.chkHud[5]->setChecked(true);
    EXPECT_EQ(preview(), "cross_4.jpg");
    h.cboMssgSetup[0]->setEditText(QStringLiteral("7"));
    const QByteArray saved = savedHud();
    for (const char* line :
         {"\nHudScale=0.851\r\n", "=(B=7,G=010,R=000,A=77)\r\n", "\nConsoleMessageCount=-1\r\nConsoleFontSize=3\r\n"})
        EXPECT_TRUE(saved.contains(line)) << saved.toStdString();
    EXPECT_TRUE(messages.empty());
}
