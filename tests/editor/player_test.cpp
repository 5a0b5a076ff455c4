// The player group through the real main window: how the file's values show and save back (team, switches,
// field of view, name), every character through pick, save and reload, and the field-of-view steps.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/Characters.h"
#include "editor/PlayerGroup.h"
#include "editor/frmMain.h"

static const QByteArray kSections =
    "[DefaultPlayer]\r\nName=Quarl\r\nCharacter=Brock\r\nteam=255\r\n\r\n[Engine.PlayerController]\r\n"
    "bNoVoiceMessages=False\r\nDefaultFOV=90\r\nStatsUsername=quarl\r\n\r\n[Engine.Pawn]\r\nbWeaponBob=True\r\n";

class PlayerTest : public GuiTest {
  protected:
    PlayerGroup& open(const QByteArray& user = quietPlayerFile(kSections)) {
        main_ = openEditor(user, quietEngineFile());
        return *main_->player;
    }
    QByteArray saved() { return main_->mnuFileSave_Click(), readFile(userIni()); }
    frmMain* main_ = nullptr;
};

// What a key shows: the team option, a switch "ticked" or "clear", the field of view, the name.
static QString shown(PlayerGroup& p, const QByteArray& key) {
    if (key == "team") return p.optRed->isChecked() ? "Red" : p.optBlue->isChecked() ? "Blue" : "";
    if (key == "DefaultFOV") return p.lblFOV->text();
    if (key == "Name") return p.txtPlayerName->text();
    return (key == "bWeaponBob" ? p.chkWeaponBob : p.chkPlayerControls[1])->isChecked() ? "ticked" : "clear";
}

TEST_F(PlayerTest, FileValuesShowAndSaveBack) {
    // Team: exactly "0" is Red; anything else, empty included, is Blue and saves as "255". Switches: "True" and
    // "true" tick a player-control box; weapon bob takes "True" only. A missing field of view shows and saves 85; an
    // empty name stays empty.
    const QByteArray player = "DefaultPlayer", controller = "Engine.PlayerController", pawn = "Engine.Pawn";
    const std::tuple<QByteArray, QByteArray, const char*, QString, QByteArray> cases[] = {
        {player, "team", "0", "Red", "0"},
        {player, "team", "1", "Blue", "255"},
        {player, "team", "", "Blue", "255"},
        {controller, "bNoVoiceMessages", "true", "ticked", "True"},
        {controller, "bNoVoiceMessages", "TRUE", "clear", "False"},
        {pawn, "bWeaponBob", "True", "ticked", "True"},
        {pawn, "bWeaponBob", "true", "clear", "False"},
        {controller, "DefaultFOV", nullptr, "85", "85"},
        {player, "Name", "", "", ""}};
    for (const auto& [section, key, value, onScreen, savedValue] : cases) {
        SCOPED_TRACE((key + "=" + (value ? value : "(missing)")).toStdString());
        QByteArray user = quietPlayerFile(kSections);
        const QByteArray line = key + "=" + iniValue(user, section, key).value() + "\r\n";  // the key is unique
        user.replace(line, value ? key + "=" + value + "\r\n" : QByteArray());
        PlayerGroup& p = open(user);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(shown(p, key), onScreen);
        EXPECT_EQ(iniValue(saved(), section, key), savedValue);
        unloadAll();
    }
}

TEST_F(PlayerTest, EveryCharacterSurvivesPickSaveAndReload) {
    PlayerGroup& p = open();
    for (int i = 0; i < 50; ++i) {
        const QString name = characterNames()[i];
        const QString picture = path("players/jpgs/" + QString(name).remove('.') + ".jpg");
        p.cboCharSelect->setCurrentIndex(i);
        EXPECT_EQ(iniValue(saved(), "DefaultPlayer", "Character"), name.toLatin1());
        for (const bool reloaded : {false, true}) {
            if (reloaded) p.lblCharacterName->setText("something else"), main_->OpenINIFiles();
            EXPECT_EQ(p.lblCharacterName->text(), name) << reloaded;
            EXPECT_EQ(p.pctPlayer->property("picturePath").toString(), picture) << reloaded;
        }
    }
    EXPECT_TRUE(messages.empty());
}

// The field of view steps by 5 up while the value before the step is below 100, down while it is above 75 (nothing
// clamps after the step); a value that is not a number is kept.
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
    EXPECT_EQ(iniValue(saved(), "Engine.PlayerController", "DefaultFOV"), "95");
    p.lblFOV->setText("");
    QTest::mouseClick(p.cmdAdd5, Qt::LeftButton);
    QTest::mouseClick(p.cmdSub5, Qt::LeftButton);
    EXPECT_EQ(p.lblFOV->text(), "");
    EXPECT_EQ(messages.size(), 2u);
}
