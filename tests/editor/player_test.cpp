// The player group's own moves: every character through its pick, and the field of view's steps.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "editor/Characters.h"

using PlayerTest = GuiTest;

// A pick shows the character's name and portrait (the name without points, ".jpg"). The field of view steps by 5
// up while the value before the step is below 100, down while it is above 75; nothing clamps after the step.
TEST_F(PlayerTest, CharacterPicksAndFieldOfViewSteps) {
    openEditor(quietPlayerFile(), quietEngineFile());
    auto* const lblCharacterName = find<QLabel>("lblCharacterName");
    auto* const lblFOV = find<QLabel>("lblFOV");
    for (int i = 0; i < 50; ++i) {
        const QString name = characterNames()[i];
        find<QComboBox>("cboCharSelect")->setCurrentIndex(i);
        EXPECT_EQ(lblCharacterName->text(), name);
        EXPECT_EQ(find<QLabel>("pctPlayer")->property("picturePath").toString(),
                  path("players/jpgs/" + QString(name).remove('.') + ".jpg"));
    }
    const std::tuple<const char*, int, const char*> steps[] = {
        {"85", 3, "100"}, {"85", 4, "100"},   {"85", -3, "75"},    {"99", 1, "104"},
        {"76", -1, "71"}, {"120", -1, "115"}, {"90.5", 1, "95.5"}, {"100", -1, "95"}};
    for (const auto& [start, clicks, result] : steps) {
        lblFOV->setText(start);
        for (int i = 0; i < std::abs(clicks); ++i)
            QTest::mouseClick(find<QPushButton>(clicks > 0 ? "cmdAdd5" : "cmdSub5"), Qt::LeftButton);
        EXPECT_EQ(lblFOV->text(), result) << start << " " << clicks;
    }
    EXPECT_TRUE(messages.empty());
}

// A player file without its login and field of view: the login boxes show nothing and the field of view the game's
// 85, and an untouched save writes them so.
TEST_F(PlayerTest, MissingLoginAndFieldOfViewShowTheirStandIns) {
    openEditor(quietPlayerFile(), quietEngineFile());
    EXPECT_EQ(find<QLineEdit>("txtStatsName")->text(), "");
    EXPECT_EQ(find<QLineEdit>("txtStatsPW")->text(), "");
    EXPECT_EQ(find<QLabel>("lblFOV")->text(), "85");
    act("trigger mnuFileSave");
    const QByteArray saved = readFile(userIni());
    EXPECT_EQ(iniValue(saved, "Engine.PlayerController", "StatsUsername"), QByteArray());
    EXPECT_EQ(iniValue(saved, "Engine.PlayerController", "StatsPassword"), QByteArray());
    EXPECT_EQ(iniValue(saved, "Engine.PlayerController", "DefaultFOV"), QByteArray("85"));
    EXPECT_TRUE(messages.empty());
}
