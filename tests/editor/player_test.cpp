// The player group: name, character and portrait, team, statistics login, field of view, the player-control
// switches and weapon bob, through the real main window.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/PlayerGroup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

namespace {

// Engine file values that every other group loads without a message.
const QByteArray kEngine =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n"
    "[WinDrv.WindowsClient]\r\nFullscreenViewportX=1024\r\nFullscreenViewportY=768\r\nMinDesiredFrameRate=35\r\n"
    "StartupFullscreen=True\r\nGamma=0.8\r\nContrast=0.5\r\nBrightness=0.5\r\nCaptureMouse=True\r\n"
    "UseJoystick=False\r\n\r\n"
    "[D3DDrv.D3DRenderDevice]\r\nUse16bit=False\r\nDesiredRefreshRate=60\r\n\r\n"
    "[ALAudio.ALAudioSubsystem]\r\nMusicVolume=0.5\r\nSoundVolume=0.9\r\n";

// A well-formed weapon list: the loader runs its weapon step between the player-controller keys and weapon bob.
QByteArray weaponSections() {
    const char* sections[] = {"Redeemer", "Painter",  "TransLauncher", "ShieldGun",  "AssaultRifle",   "ShockRifle",
                              "LinkGun",  "BioRifle", "Minigun",       "FlakCannon", "RocketLauncher", "SniperRifle"};
    QByteArray text = "[XWeapons.BallLauncher]\r\nPriority=13\r\n\r\n";
    for (int i = 0; i < 12; ++i)
        text += "[XWeapons." + QByteArray(sections[i]) + "]\r\nPriority=" + QByteArray::number(i + 1) +
                "\r\nExchangeFireModes=0\r\n\r\n";
    return text;
}

// A player file holding the given bodies of the group's three sections.
QByteArray userFile(const QByteArray& defaultPlayer, const QByteArray& controller, const QByteArray& pawn) {
    return "[DefaultPlayer]\r\n" + defaultPlayer + "\r\n[Engine.PlayerController]\r\n" + controller +
           "AnnouncerVolume=4\r\n\r\n[Engine.Pawn]\r\n" + pawn + "\r\n" + weaponSections();
}

const QByteArray kPlayer = "Name=Quarl\r\nCharacter=Brock\r\nteam=255\r\n";
const QByteArray kController =
    "bNeverSwitchOnPickup=True\r\nbNoVoiceMessages=False\r\nbNoVoiceTaunts=true\r\nbNoAutoTaunts=False\r\n"
    "bAutoTaunt=False\r\nbNoMatureLanguage=True\r\nDefaultFOV=90\r\nStatsUsername=quarl\r\nStatsPassword=secret\r\n";
const QByteArray kPawn = "bWeaponBob=True\r\n";

// The lines of one section of a file, without blank lines; with keys given, only the lines of those keys.
QList<QByteArray> sectionLines(const QByteArray& file, const QByteArray& section, const QList<QByteArray>& keys = {}) {
    QList<QByteArray> lines;
    bool inside = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (line.startsWith('[')) {
            inside = line == "[" + section + "]";
            continue;
        }
        if (!inside || line.isEmpty()) continue;
        if (!keys.isEmpty() && !keys.contains(line.left(line.indexOf('=')))) continue;
        lines << line;
    }
    return lines;
}

const QList<QByteArray> kControllerKeys = {"bNeverSwitchOnPickup", "bNoVoiceMessages", "bNoVoiceTaunts",
                                           "bNoAutoTaunts",        "bAutoTaunt",       "bNoMatureLanguage",
                                           "DefaultFOV",           "StatsUsername",    "StatsPassword"};

class PlayerTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        // Every portrait the tests need, where the drawn pictures are not there yet.
        for (int i = 0; i < 50; ++i) ensurePicture(PlayerGroup::portraitFile(i));
        ensurePicture(QStringLiteral("no_image.jpg"));
    }
    void ensurePicture(const QString& name) const {
        const QString file = portrait(name);
        if (QFileInfo(file).isFile()) return;
        QDir().mkpath(QFileInfo(file).path());
        QImage image(128, 160, QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        ASSERT_TRUE(image.save(file, "JPG"));
    }
    QString portrait(const QString& name) const { return path(QStringLiteral("players/jpgs/") + name); }
    static QString shownPicture() { return find<QLabel>("pctPlayer")->property("picturePath").toString(); }

    frmMain* open(const QByteArray& user) {
        frmMain* main = openEditor(user, kEngine);
        EXPECT_NE(main, nullptr);
        return main;
    }
    QByteArray saved(frmMain* main) {
        main->mnuFileSave_Click();
        return readFile(userIni());
    }
    QStringList prompts() const {
        QStringList list;
        for (const ShownMessage& m : messages) list << m.prompt;
        return list;
    }
};

TEST_F(PlayerTest, LoadShowsTheFileValues) {
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    EXPECT_TRUE(messages.empty()) << prompts().join('|').toStdString();
    PlayerGroup& p = *main->player;
    EXPECT_EQ(p.txtPlayerName->text(), "Quarl");
    EXPECT_EQ(p.lblCharacterName->text(), "Brock");
    EXPECT_EQ(shownPicture(), portrait("Brock.jpg"));
    EXPECT_EQ(p.pctPlayer->size(), QSize(128, 160));
    EXPECT_TRUE(p.optBlue->isChecked());
    EXPECT_FALSE(p.optRed->isChecked());
    const bool expected[] = {true, false, true, false, false, true};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.chkPlayerControls[i]->isChecked(), expected[i]) << i;
    EXPECT_EQ(p.lblFOV->text(), "90");
    EXPECT_EQ(p.txtStatsName->text(), "quarl");
    EXPECT_EQ(p.txtStatsPW->text(), "secret");
    EXPECT_TRUE(p.chkWeaponBob->isChecked());
    // The list's edit text never shows the loaded character.
    EXPECT_EQ(p.cboCharSelect->currentText(), "Select Desired Character");
    EXPECT_EQ(p.cboCharSelect->currentIndex(), -1);
    for (QWidget* w : std::initializer_list<QWidget*>{p.cboCharSelect, p.optRed, p.optBlue, p.cmdAdd5, p.cmdSub5,
                                                      p.chkWeaponBob, p.chkPlayerControls[0], p.chkPlayerControls[5]})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(PlayerTest, SaveWritesTheGroupsLinesInPlace) {
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    p.txtPlayerName->setText("New Name");
    p.cboCharSelect->setCurrentIndex(29);  // Mr.Crow
    p.optRed->setChecked(true);
    p.chkPlayerControls[1]->setChecked(true);
    p.chkPlayerControls[5]->setChecked(false);
    p.txtStatsName->setText("");
    p.txtStatsPW->setText("pw 2");
    p.cmdAdd5_Click();
    p.chkWeaponBob->setChecked(false);
    const QByteArray file = saved(main);
    EXPECT_EQ(sectionLines(file, "DefaultPlayer"), (QList<QByteArray>{"Name=New Name", "Character=Mr.Crow", "team=0"}));
    EXPECT_EQ(sectionLines(file, "Engine.PlayerController", kControllerKeys),
              (QList<QByteArray>{"bNeverSwitchOnPickup=True", "bNoVoiceMessages=True", "bNoVoiceTaunts=True",
                                 "bNoAutoTaunts=False", "bAutoTaunt=False", "bNoMatureLanguage=False", "DefaultFOV=95",
                                 "StatsUsername=", "StatsPassword=pw 2"}));
    EXPECT_EQ(sectionLines(file, "Engine.Pawn"), (QList<QByteArray>{"bWeaponBob=False"}));
}

TEST_F(PlayerTest, MissingKeysFallBackAndAreAddedInSaveOrder) {
    // Only the weapon list; the group's sections are all missing.
    frmMain* main = open(weaponSections());
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    EXPECT_EQ(p.txtPlayerName->text(), "Player");
    EXPECT_EQ(p.lblCharacterName->text(), "Gorge");
    EXPECT_EQ(shownPicture(), portrait("Gorge.jpg"));
    EXPECT_TRUE(p.optRed->isChecked());
    EXPECT_EQ(p.lblFOV->text(), "85");
    EXPECT_EQ(p.txtStatsName->text(), "");
    EXPECT_EQ(p.txtStatsPW->text(), "");
    const QByteArray file = saved(main);
    EXPECT_EQ(sectionLines(file, "DefaultPlayer"), (QList<QByteArray>{"Name=Player", "Character=Gorge", "team=0"}));
    EXPECT_EQ(sectionLines(file, "Engine.PlayerController", kControllerKeys),
              (QList<QByteArray>{"StatsUsername=", "StatsPassword=", "DefaultFOV=85", "bNeverSwitchOnPickup=False",
                                 "bNoVoiceMessages=False", "bNoVoiceTaunts=False", "bNoAutoTaunts=False",
                                 "bAutoTaunt=False", "bNoMatureLanguage=False"}));
    EXPECT_EQ(sectionLines(file, "Engine.Pawn"), (QList<QByteArray>{"bWeaponBob=False"}));
}

TEST_F(PlayerTest, ValuesAreReadExactly) {
    struct Case {
        QByteArray player, controller, pawn;
        QList<QByteArray> savedPlayer;      // "DefaultPlayer" after a save
        QList<QByteArray> savedController;  // the group's "Engine.PlayerController" lines after a save
        QByteArray savedBob;
        QString picture;
    };
    const Case cases[] = {
        // Team: exactly "0" is Red; anything else, empty included, is Blue and saves as "255".
        {"Name=\r\nCharacter=gorge\r\nteam=0\r\n",
         "",
         "",
         {"Name=", "Character=gorge", "team=0"},
         {},
         {},
         "no_image.jpg"},
        {"Name=A\r\nCharacter=Mr.Crow\r\nteam=1\r\n",
         "",
         "",
         {"Name=A", "Character=Mr.Crow", "team=255"},
         {},
         {},
         "MrCrow.jpg"},
        {"Name=A\r\nCharacter=Fate\r\nteam=\r\n", "", "", {"Name=A", "Character=Fate", "team=255"}, {}, {}, "Fate.jpg"},
        {"Name=A\r\nCharacter=Nobody\r\nteam=255\r\n",
         "",
         "",
         {"Name=A", "Character=Nobody", "team=255"},
         {},
         {},
         "no_image.jpg"},
        // Switches: "True" and "true" check a player-control box; weapon bob accepts "True" only.
        {kPlayer,
         "bNeverSwitchOnPickup=true\r\nbNoVoiceMessages=TRUE\r\nbNoVoiceTaunts=1\r\nbNoAutoTaunts=\r\n"
         "bAutoTaunt=True\r\nbNoMatureLanguage=yes\r\nDefaultFOV=NDF\r\n",
         "bWeaponBob=true\r\n",
         {},
         {"bNeverSwitchOnPickup=True", "bNoVoiceMessages=False", "bNoVoiceTaunts=False", "bNoAutoTaunts=False",
          "bAutoTaunt=True", "bNoMatureLanguage=False", "DefaultFOV=85", "StatsUsername=", "StatsPassword="},
         "bWeaponBob=False",
         "Brock.jpg"},
        {kPlayer,
         "DefaultFOV=\r\nStatsUsername=No Data Found!!\r\nStatsPassword=NDF\r\n",
         "bWeaponBob=True\r\n",
         {},
         {"DefaultFOV=", "StatsUsername=", "StatsPassword=", "bNeverSwitchOnPickup=False", "bNoVoiceMessages=False",
          "bNoVoiceTaunts=False", "bNoAutoTaunts=False", "bAutoTaunt=False", "bNoMatureLanguage=False"},
         "bWeaponBob=True",
         "Brock.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.player.toStdString() + c.controller.toStdString());
        messages.clear();
        frmMain* main = open(userFile(c.player, c.controller, c.pawn));
        ASSERT_TRUE(main);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(shownPicture(), portrait(c.picture));
        const QByteArray file = saved(main);
        if (!c.savedPlayer.isEmpty()) {
            EXPECT_EQ(sectionLines(file, "DefaultPlayer"), c.savedPlayer);
        }
        if (!c.savedController.isEmpty()) {
            EXPECT_EQ(sectionLines(file, "Engine.PlayerController", kControllerKeys), c.savedController);
        }
        if (!c.savedBob.isEmpty()) {
            EXPECT_EQ(sectionLines(file, "Engine.Pawn"), QList<QByteArray>{c.savedBob});
        }
        unloadAll();
    }
}

TEST_F(PlayerTest, EveryCharacterSurvivesPickSaveAndReload) {
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    ASSERT_EQ(p.cboCharSelect->count(), 50);
    for (int i = 0; i < 50; ++i) {
        const QString name = PlayerGroup::characterNames()[i];
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(p.cboCharSelect->itemText(i), name);
        p.cboCharSelect->setCurrentIndex(i);
        EXPECT_EQ(p.lblCharacterName->text(), name);
        const QString picture = portrait(QString(name).remove('.') + ".jpg");
        EXPECT_EQ(shownPicture(), picture);
        const QByteArray file = saved(main);
        EXPECT_EQ(sectionLines(file, "DefaultPlayer", {"Character"}),
                  QList<QByteArray>{"Character=" + name.toLatin1()});
        p.lblCharacterName->setText("something else");
        main->OpenINIFiles();
        EXPECT_EQ(p.lblCharacterName->text(), name);
        EXPECT_EQ(shownPicture(), picture);
        EXPECT_EQ(p.cboCharSelect->currentText(), name);  // the last pick, not touched by the load
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerTest, PickWithoutItsPortraitKeepsTheShownCharacter) {
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    ASSERT_TRUE(QFile::remove(portrait("Lauren.jpg")));
    p.cboCharSelect->setCurrentIndex(21);  // Lauren
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "Error File not found - Corvane While Trying To Select Character! If your Trying To Use Malcom, Brock, "
              "or Lauren \rMake Sure You Have Them Unlocked. Information On how to add them is in the 'ReadMe.txt' "
              "and 'InstallNotes.txt' Files!");
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_EQ(p.lblCharacterName->text(), "Brock");
    EXPECT_EQ(shownPicture(), portrait("Brock.jpg"));
    EXPECT_EQ(sectionLines(saved(main), "DefaultPlayer", {"Character"}), QList<QByteArray>{"Character=Brock"});

    // No selection shows the unknown character's portrait and keeps the label.
    p.cboCharSelect->setCurrentIndex(-1);
    EXPECT_EQ(shownPicture(), portrait("no_image.jpg"));
    EXPECT_EQ(p.lblCharacterName->text(), "Brock");
}

TEST_F(PlayerTest, MissingPortraitEndsTheLoadAndTheClose) {
    ASSERT_TRUE(QFile::remove(portrait("Brock.jpg")));
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "Error File not found At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!");
    EXPECT_EQ(messages[0].style, vbCritical);
    PlayerGroup& p = *main->player;
    EXPECT_EQ(p.txtPlayerName->text(), "Quarl");
    EXPECT_EQ(p.lblCharacterName->text(), "Brock");
    EXPECT_FALSE(p.cboCharSelect->isEnabled());
    EXPECT_EQ(p.lblFOV->text(), "NFO");
    EXPECT_FALSE(FileIsOpen);

    messages.clear();
    ASSERT_TRUE(QFile::remove(portrait("no_image.jpg")));
    main->CloseINIFiles();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "Error File not found in Corvane While Closing File!\rMake Sure File is a Valid User.ini or User.ini "
              "Type File");
    EXPECT_EQ(p.lblCharacterName->text(), "NO File Open");
}

TEST_F(PlayerTest, FieldOfViewSteps) {
    struct Case {
        const char* start;
        bool add;
        int clicks;
        const char* result;
    };
    const Case cases[] = {{"85", true, 3, "100"},  {"85", true, 4, "100"},   {"85", false, 3, "75"},
                          {"85", false, 2, "75"},  {"99", true, 1, "104"},   {"76", false, 1, "71"},
                          {"120", true, 1, "120"}, {"120", false, 1, "115"}, {"90.5", true, 1, "95.5"},
                          {"100", false, 1, "95"}};
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    for (const Case& c : cases) {
        p.lblFOV->setText(c.start);
        for (int i = 0; i < c.clicks; ++i) QTest::mouseClick(c.add ? p.cmdAdd5 : p.cmdSub5, Qt::LeftButton);
        EXPECT_EQ(p.lblFOV->text(), c.result) << c.start << (c.add ? " +" : " -") << c.clicks;
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(sectionLines(saved(main), "Engine.PlayerController", {"DefaultFOV"}), QList<QByteArray>{"DefaultFOV=95"});

    for (const bool add : {true, false}) {
        messages.clear();
        p.lblFOV->setText("");
        add ? p.cmdAdd5_Click() : p.cmdSub5_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, add ? "Error Type mismatch - Corvane While adding 5 To Default FOV!"
                                          : "Error Type mismatch - Corvane While Subtracting 5 From Default FOV!");
        EXPECT_EQ(messages[0].style, vbInformation);
        EXPECT_EQ(p.lblFOV->text(), "");
    }
}

TEST_F(PlayerTest, CloseShowsTheNoFileState) {
    frmMain* main = open(userFile(kPlayer, kController, kPawn));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    p.cboCharSelect->setCurrentIndex(3);
    main->CloseINIFiles();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(p.lblCharacterName->text(), "NO File Open");
    EXPECT_EQ(p.txtPlayerName->text(), "NO File Open");
    EXPECT_EQ(p.txtStatsName->text(), "NO File Open");
    EXPECT_EQ(p.txtStatsPW->displayText(), QString(12, '*'));
    EXPECT_EQ(p.cboCharSelect->currentText(), "Select Desired Character");
    EXPECT_EQ(p.cboCharSelect->currentIndex(), -1);
    EXPECT_EQ(p.lblFOV->text(), "NFO");
    EXPECT_EQ(shownPicture(), portrait("no_image.jpg"));
    for (QCheckBox* box : p.chkPlayerControls) {
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(box->isEnabled());
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{p.cboCharSelect, p.optRed, p.optBlue, p.cmdAdd5, p.cmdSub5, p.chkWeaponBob})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{p.txtPlayerName, p.txtStatsName, p.txtStatsPW})
        EXPECT_TRUE(w->isEnabled());
    // The team and weapon bob keep their values.
    EXPECT_TRUE(p.optBlue->isChecked());
    EXPECT_TRUE(p.chkWeaponBob->isChecked());
}

TEST_F(PlayerTest, DesignStateAndLayout) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_TRUE(main);
    PlayerGroup& p = *main->player;
    EXPECT_EQ(p.cboCharSelect->count(), 50);
    EXPECT_EQ(p.cboCharSelect->currentIndex(), -1);
    EXPECT_EQ(p.cboCharSelect->currentText(), "Select Desired Character");
    EXPECT_FALSE(p.cboCharSelect->isEnabled());
    EXPECT_FALSE(p.optRed->isChecked() || p.optBlue->isChecked());
    EXPECT_TRUE(p.chkPlayerControls[0]->isEnabled());
    for (int i = 1; i < 6; ++i) EXPECT_FALSE(p.chkPlayerControls[i]->isEnabled());
    EXPECT_EQ(p.txtStatsPW->text(), "");
    EXPECT_EQ(find<QCheckBox>("chkPlayerControls(5)")->text(), "No Mature Language");
    EXPECT_EQ(p.chkPlayerControls[0]->geometry(), QRect(8, 211, 153, 17));
    EXPECT_EQ(p.chkPlayerControls[1]->geometry(), QRect(166, 72, 150, 18));
    EXPECT_EQ(p.chkPlayerControls[5]->geometry(), QRect(324, 72, 150, 18));
    EXPECT_EQ(p.chkWeaponBob->parentWidget(), main->frameClientSetup);

    // The Red and Blue options clear each other, and clicking the selected one keeps it.
    p.optRed->setEnabled(true);
    p.optBlue->setEnabled(true);
    QTest::mouseClick(p.optRed, Qt::LeftButton);
    QTest::mouseClick(p.optRed, Qt::LeftButton);
    EXPECT_TRUE(p.optRed->isChecked());
    QTest::mouseClick(p.optBlue, Qt::LeftButton);
    EXPECT_TRUE(p.optBlue->isChecked());
    EXPECT_FALSE(p.optRed->isChecked());

    // Every control of the player frame lies inside it, clear of the title and of the others.
    const QList<QWidget*> children = main->framePlayer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(children.size(), 16);
    for (QWidget* a : children) {
        const QRect rect = a->geometry();
        EXPECT_TRUE(QRect(0, 16, main->framePlayer->width(), main->framePlayer->height() - 16).contains(rect))
            << a->objectName().toStdString();
        for (QWidget* b : children)
            if (a != b && a->isVisibleTo(main) && b->isVisibleTo(main)) {
                EXPECT_FALSE(rect.intersects(b->geometry()))
                    << a->objectName().toStdString() << " / " << b->objectName().toStdString();
            }
    }
    EXPECT_LE(p.pctPlayer->geometry().right(), main->framePlayer->geometry().left());
}

}  // namespace
