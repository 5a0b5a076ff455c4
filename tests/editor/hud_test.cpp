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

// The parser's four parts, or none when it fails with the invalid-call error.
QStringList parts(const QString& value) {
    try {
        const auto cut = HudGroup::parseCrossHairColor(value);
        return {cut.begin(), cut.end()};
    } catch (const platform::AppError& e) {
        EXPECT_EQ(e.description(), kInvalidCall);
        return {};
    }
}
}  // namespace

class HudTest : public GuiTest {
  protected:
    // Loads a player file whose "Engine.Hud" holds the given lines; without lines, a file with no such section.
    void open(const QByteArray& lines) {
        main = openEditor(quietPlayerFile(lines.isEmpty() ? lines : "[Engine.Hud]\r\n" + lines), quietEngineFile());
    }
    QString preview() const {
        return QFileInfo(find<QLabel>("picCrossHair")->property("picturePath").toString()).fileName();
    }
    frmMain* main = nullptr;
};

// The section's keys, "|" apart, as "Key=value" in the file and, after ">", the value written by an untouched
// save ("Key>value": not in the file); the start of the section after the save is those keys, in that order. A
// bad value stops the load instead, with the loader's message.
TEST_F(HudTest, LoadAndUntouchedSave) {
    struct Case {
        QString keys;
        const char* error = nullptr;
    };
    const Case cases[] = {
        // No section: the game's defaults, appended.
        {"bHideHud>False|bMessageBeep>False|bShowWeaponInfo>False|bShowPersonalInfo>False|bShowPoints>False|"
         "bCrosshairShow>False|bShowWeaponBar>False|bShowPortrait>False|HudScale>1|HudOpacity>255|"
         "ConsoleMessageCount>2|ConsoleFontSize>6|MessageFontOffset>0|CrossHairColor>(B=255,G=255,R=255,A=255)|"
         "CrosshairStyle>0"},
        // Only "True" and "true" check a box; leading zeros, a console list or style at -1 stay.
        {"bHideHud=true>True|bMessageBeep=TRUE>False|bShowWeaponInfo=True|bShowPersonalInfo=1>False|"
         "bShowPoints=>False|bCrosshairShow=True|bShowWeaponBar=False|bShowPortrait=No Data Found!!>False|"
         "HudScale=0.850000|HudOpacity=200|ConsoleMessageCount=4|ConsoleFontSize=3|MessageFontOffset=-1|"
         "CrossHairColor=(B=007,G=128,R=64,A=255)|CrosshairStyle=-1"},
        // Keys in another order, the highest style and list position, no closing bracket, a blank before a comma.
        {"CrosshairStyle=13|CrossHairColor=(B=1 ,G=2,R=3,A=45>(B=1 ,G=2,R=3,A=4)|HudScale=0|MessageFontOffset=8"},
        // A missing console key sets only its own list: the others keep the file's values.
        {"ConsoleMessageCount=4|ConsoleFontSize=3"},
        {"CrosshairStyle=14", "Invalid property value"},
        {"HudOpacity=256", "Invalid property value"},
        {"CrossHairColor=(B=1", kInvalidCall},
        {"CrossHairColor=(B=1,G=2,R=3,A=256)", "Invalid property value"},
    };
    for (const auto& [keys, error] : cases) {
        SCOPED_TRACE(qPrintable(keys));
        QByteArray file, expected = "[Engine.Hud]\r\n";
        for (const QString& key : keys.split('|')) {
            const QString line = key.section('>', 0, 0);
            if (line.contains('=')) file += line.toLatin1() + "\r\n";
            expected +=
                (key.contains('>') ? line.section('=', 0, 0) + "=" + key.section('>', 1) : key).toLatin1() + "\r\n";
        }
        open(file);
        if (error) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, "Error " + QString(error) +
                                              " At Corvane While Opening File, Your User.ini File May be corrupt or "
                                              "wrong type!!");
            EXPECT_EQ(messages[0].style, 16);
            EXPECT_FALSE(FileIsOpen || find<QComboBox>("cboCrossSelect")->isEnabled());
        } else {
            EXPECT_TRUE(messages.empty());
            main->mnuFileSave_Click();
            EXPECT_TRUE(sameBytes(sectionText(readFile(userIni()), "Engine.Hud").left(expected.size()), expected));
            // The input boxes of a file without "Engine.Input" write their text into each of its 199 keys.
            EXPECT_EQ(sectionText(readFile(userIni()), "Engine.Input").count("=No Data Found!!\r\n"), 199);
        }
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
    for (const auto& [value, expected] : cases) EXPECT_EQ(parts(value), expected) << value;
    // Every prefix of a few texts: parts no longer than the text, or the invalid-call error.
    for (const char* value : {"(B=255,G=255,R=255,A=255)", ",,,,,,,,,,,,,,,,", "(B=1000000,G=,R=,A=)"})
        for (qsizetype n = 0; n <= qsizetype(strlen(value)); ++n)
            for (const QString& part : parts(QString::fromLatin1(value, n))) EXPECT_LE(part.size(), n);
}

// Labels keep the file's text until the user moves their slider; the alpha slider leaves the sample alone;
// "Show CrossHair" switches the preview between the style's picture and the hidden one; the font size list
// shows 8 down to 0 and a console list's typed text is saved as -1.
TEST_F(HudTest, UserMovesAndThePreview) {
    open(
        "bCrosshairShow=True\r\nHudScale=0.85\r\nConsoleMessageCount=4\r\nConsoleFontSize=3\r\nMessageFontOffset=7\r\n"
        "CrossHairColor=(B=007,G=010,R=000,A=255)\r\nCrosshairStyle=3\r\n");
    EXPECT_EQ(find<QComboBox>("cboMssgSetup(1)")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(find<QLabel>("lblCrossColor(0)")->text(), QStringLiteral("007"));
    EXPECT_EQ(find<QSlider>("slideHudScale")->value(), 850);
    EXPECT_EQ(preview(), "cross_4.jpg");
    const QColor sample = find<QLabel>("lblCHcolor")->palette().color(QPalette::Window);
    find<QSlider>("slideCrossColor(3)")->setSliderPosition(77);
    find<QSlider>("slideCrossColor(3)")->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(find<QLabel>("lblCrossColor(3)")->text(), QStringLiteral("77"));
    EXPECT_EQ(find<QLabel>("lblCHcolor")->palette().color(QPalette::Window), sample);
    find<QSlider>("slideCrossColor(2)")->triggerAction(QAbstractSlider::SliderMove);  // blue, at the same position
    find<QSlider>("slideHudScale")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(find<QLabel>("lblHudScale")->text(), QStringLiteral("0.851"));
    find<QCheckBox>("chkHud(5)")->setChecked(false);
    EXPECT_EQ(preview(), "hidden.jpg");
    find<QCheckBox>("chkHud(5)")->setChecked(true);
    EXPECT_EQ(preview(), "cross_4.jpg");
    find<QComboBox>("cboMssgSetup(0)")->setEditText(QStringLiteral("7"));
    main->mnuFileSave_Click();
    const QByteArray saved = readFile(userIni());
    for (const char* line :
         {"\nHudScale=0.851\r\n", "=(B=7,G=010,R=000,A=77)\r\n", "\nConsoleMessageCount=7\r\nConsoleFontSize=3\r\n"})
        EXPECT_TRUE(saved.contains(line)) << line;
    EXPECT_TRUE(messages.empty());
}
