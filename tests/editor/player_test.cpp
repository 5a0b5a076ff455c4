// The player group: every character through its pick, and one through a save and a reload; the field of view's
// steps.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/Characters.h"
#include "editor/PlayerGroup.h"
#include "editor/frmMain.h"

class PlayerTest : public GuiTest {
  protected:
    PlayerGroup& open() { return *(main_ = openEditor(quietPlayerFile(), quietEngineFile()))->player; }
    frmMain* main_ = nullptr;
};

// Each pick shows the name and its portrait (file name without points); the name reaches the file, and a reload
// of it shows the same.
TEST_F(PlayerTest, EveryCharacterShowsItsPortrait) {
    PlayerGroup& p = open();
    auto expectShown = [&p, this](const QString& name) {
        EXPECT_EQ(p.lblCharacterName->text(), name);
        EXPECT_EQ(p.pctPlayer->property("picturePath").toString(),
                  path("players/jpgs/" + QString(name).remove('.') + ".jpg"));
    };
    for (int i = 0; i < 50; ++i) {
        p.cboCharSelect->setCurrentIndex(i);
        expectShown(characterNames()[i]);
    }
    p.cboCharSelect->setCurrentIndex(29);
    main_->mnuFileSave_Click();
    EXPECT_EQ(iniValue(readFile(userIni()), "DefaultPlayer", "Character"), "Mr.Crow");
    p.lblCharacterName->setText("something else");
    main_->OpenINIFiles();
    expectShown("Mr.Crow");
    EXPECT_TRUE(messages.empty());
}

// The field of view steps by 5 up while the value before the step is below 100, down while it is above 75 (nothing
// clamps after the step); a value that is not a whole number steps all the same.
TEST_F(PlayerTest, FieldOfViewSteps) {
    PlayerGroup& p = open();
    const std::tuple<const char*, int, const char*> cases[] = {
        {"85", 3, "100"}, {"85", 4, "100"},   {"85", -3, "75"},    {"99", 1, "104"},
        {"76", -1, "71"}, {"120", -1, "115"}, {"90.5", 1, "95.5"}, {"100", -1, "95"}};
    for (const auto& [start, clicks, result] : cases) {
        p.lblFOV->setText(start);
        for (int i = 0; i < std::abs(clicks); ++i)
            QTest::mouseClick(clicks > 0 ? p.cmdAdd5 : p.cmdSub5, Qt::LeftButton);
        EXPECT_EQ(p.lblFOV->text(), result) << start << " " << clicks;
    }
    EXPECT_TRUE(messages.empty());
}
