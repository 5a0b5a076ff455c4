// The weapon priority list: placing the weapons by Priority, the Ball Launcher and Redeemer checks, selecting
// and moving rows, and writing the "XWeapons.*" sections back.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "GuiTest.h"
#include "editor/Controls.h"
#include "config/Startup.h"
#include "editor/WeaponGroup.h"
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

// The listed weapons in load order, and the row each takes in the base file: the Redeemer on top (row 12).
const char* const kClasses[12] = {"Redeemer",     "Painter",    "TransLauncher",  "ShieldGun",
                                  "AssaultRifle", "ShockRifle", "LinkGun",        "BioRifle",
                                  "Minigun",      "FlakCannon", "RocketLauncher", "SniperRifle"};
const char* const kNames[12] = {"Redeemer",      "Ion Painter", "TransLocator",    "Shield Gun",
                                "Assault Rifle", "Shock Rifle", "Link Gun",        "Bio Rifle",
                                "Minigun",       "Flak Cannon", "Rocket Launcher", "Lightning Gun"};
int baseRow(int i) {
    return 12 - i;
}
int baseFireMode(int i) {
    return i == 3 ? 1 : i == 9 ? 2 : 0;
}  // Shield Gun swapped, Flak Cannon greyed

// A change of the base file: key of weapon class set to value; a null value leaves the key out.
using Change = std::tuple<QByteArray, QByteArray, QByteArray>;

QByteArray userFile(const QList<Change>& changes = {}, const QByteArray& ballLauncher = "13") {
    auto value = [&changes](const QByteArray& cls, const QByteArray& key, const QByteArray& base) {
        for (const auto& [c, k, v] : changes)
            if (c == cls && k == key) return v;
        return base;
    };
    QByteArray text = "[DefaultPlayer]\r\nName=Quarl\r\nCharacter=Gorge\r\nteam=0\r\n\r\n";
    text += "[XWeapons.BallLauncher]\r\n";
    if (!ballLauncher.isNull()) text += "Priority=" + ballLauncher + "\r\n";
    text += "\r\n";
    for (int i = 0; i < 12; ++i) {
        text += "[XWeapons." + QByteArray(kClasses[i]) + "]\r\n";
        const QByteArray priority = value(kClasses[i], "Priority", QByteArray::number(baseRow(i)));
        const QByteArray fire = value(kClasses[i], "ExchangeFireModes", QByteArray::number(baseFireMode(i)));
        if (!priority.isNull()) text += "Priority=" + priority + "\r\n";
        if (!fire.isNull()) text += "ExchangeFireModes=" + fire + "\r\n";
        text += "\r\n";
    }
    return text;
}

QList<QByteArray> sectionLines(const QByteArray& file, const QByteArray& section) {
    QList<QByteArray> lines;
    bool inside = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (line.startsWith('[')) {
            inside = line == "[" + section + "]";
        } else if (inside && !line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

QList<QByteArray> weaponLines(const QByteArray& file, const QByteArray& cls) {
    return sectionLines(file, "XWeapons." + cls);
}

const QString kLoadFailureTail =
    QStringLiteral(" At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!");

class WeaponsTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (const char* name : {"Gorge.jpg", "no_image.jpg"}) {
            const QString file = path(QStringLiteral("players/jpgs/") + QLatin1String(name));
            if (QFileInfo(file).isFile()) continue;
            QDir().mkpath(QFileInfo(file).path());
            QImage image(128, 160, QImage::Format_RGB32);
            image.fill(Qt::gray);
            ASSERT_TRUE(image.save(file, "JPG"));
        }
    }

    WeaponGroup& open(const QByteArray& user = userFile()) {
        main_ = openEditor(user, kEngine);
        EXPECT_NE(main_, nullptr);
        return *main_->weapons;
    }
    // Loads `user` into a window that was loaded and then closed (every row back to "NO File Open").
    WeaponGroup& openAfterClose(const QByteArray& user, bool readOnly = false) {
        WeaponGroup& w = open();
        main_->CloseINIFiles();
        writeFile(userIni(), user);
        if (readOnly) QFile::setPermissions(userIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        messages.clear();
        main_->OpenINIFiles();
        return w;
    }
    QByteArray saved() {
        main_->mnuFileSave_Click();
        return readFile(userIni());
    }
    static QString caption(WeaponGroup& w, int row) { return w.lblWeaponName[row]->text(); }
    static QColor color(WeaponGroup& w, int row) { return w.lblWeaponName[row]->palette().color(QPalette::Window); }
    // The rows that carry the marker colour.
    static QList<int> greenRows(WeaponGroup& w) {
        QList<int> rows;
        for (int r = 1; r <= 12; ++r) {
            if (color(w, r) == QColor(0, 255, 0)) {
                rows << r;
            } else {
                EXPECT_EQ(color(w, r), QApplication::palette().color(QPalette::Dark)) << r;
            }
        }
        return rows;
    }
    void click(WeaponGroup& w, int row) { QTest::mouseClick(w.lblWeaponName[row], Qt::LeftButton); }

    frmMain* main_ = nullptr;
};

TEST_F(WeaponsTest, WellFormedFileLoadsAndSavesBackTheSameValues) {
    WeaponGroup& w = open();
    ASSERT_TRUE(main_);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(FileIsOpen);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(caption(w, baseRow(i)), kNames[i]);
        EXPECT_EQ(checkValue(w.chkWeapMode[baseRow(i)]), baseFireMode(i)) << kNames[i];
        EXPECT_TRUE(w.lblWeaponName[baseRow(i)]->isEnabled());
        EXPECT_TRUE(w.chkWeapMode[baseRow(i)]->isEnabled());
    }
    EXPECT_EQ(w.chkWeapMode[3]->checkState(), Qt::PartiallyChecked);  // the Flak Cannon's 2 is the greyed state
    EXPECT_TRUE(greenRows(w).isEmpty());
    EXPECT_FALSE(w.cmdMoveUp->isEnabled());
    EXPECT_FALSE(w.cmdMoveDown->isEnabled());

    const QByteArray before = readFile(userIni());
    const QByteArray after = saved();
    EXPECT_TRUE(messages.empty());
    for (const char* cls : kClasses) EXPECT_EQ(weaponLines(after, cls), weaponLines(before, cls)) << cls;
    EXPECT_EQ(weaponLines(after, "BallLauncher"), QList<QByteArray>{"Priority=13"});
}

TEST_F(WeaponsTest, FractionalValuesRoundHalvesToEven) {
    WeaponGroup& w = open(userFile({{"TransLauncher", "Priority", "10.5"},
                                    {"TransLauncher", "ExchangeFireModes", "1.5"},
                                    {"Minigun", "ExchangeFireModes", "0.5"}}));
    ASSERT_TRUE(main_);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(caption(w, 10), "TransLocator");
    EXPECT_EQ(checkValue(w.chkWeapMode[10]), 2);
    EXPECT_EQ(checkValue(w.chkWeapMode[4]), 0);
    const QByteArray file = saved();
    EXPECT_EQ(weaponLines(file, "TransLauncher"), (QList<QByteArray>{"Priority=10", "ExchangeFireModes=2"}));
    EXPECT_EQ(weaponLines(file, "Minigun"), (QList<QByteArray>{"Priority=4", "ExchangeFireModes=0"}));
}

TEST_F(WeaponsTest, SelectingARowMarksItAndSetsTheMoveButtons) {
    WeaponGroup& w = open();
    ASSERT_TRUE(main_);
    const struct {
        int row;
        bool up, down;
    } cases[] = {{1, true, false}, {12, false, true}, {6, true, true}, {11, true, true}, {2, true, true}};
    for (const auto& c : cases) {
        click(w, c.row);
        EXPECT_EQ(greenRows(w), QList<int>{c.row});
        EXPECT_EQ(w.cmdMoveUp->isEnabled(), c.up) << c.row;
        EXPECT_EQ(w.cmdMoveDown->isEnabled(), c.down) << c.row;
    }
    // Selecting changes no caption and no box.
    for (int i = 0; i < 12; ++i) EXPECT_EQ(caption(w, baseRow(i)), kNames[i]);
    QTest::mouseClick(w.lblWeaponName[5], Qt::RightButton);
    EXPECT_EQ(greenRows(w), QList<int>{2});
    EXPECT_TRUE(messages.empty());
}

TEST_F(WeaponsTest, MovesCarryTheWeaponAndItsBox) {
    WeaponGroup& w = open();
    ASSERT_TRUE(main_);
    // Row 11 holds the Ion Painter (box cleared), row 12 the Redeemer; give the Ion Painter a ticked box.
    w.chkWeapMode[11]->setChecked(true);
    click(w, 11);
    QTest::mouseClick(w.cmdMoveUp, Qt::LeftButton);
    EXPECT_EQ(caption(w, 12), "Ion Painter");
    EXPECT_EQ(checkValue(w.chkWeapMode[12]), 1);
    EXPECT_EQ(caption(w, 11), "Redeemer");
    EXPECT_EQ(checkValue(w.chkWeapMode[11]), 0);
    EXPECT_EQ(greenRows(w), QList<int>{12});
    EXPECT_FALSE(w.cmdMoveUp->isEnabled());
    EXPECT_TRUE(w.cmdMoveDown->isEnabled());
    // At the top Move Up changes nothing.
    w.cmdMoveUp_Click();
    EXPECT_EQ(caption(w, 12), "Ion Painter");

    // The greyed Flak Cannon (row 3) moves down twice to the bottom with its box; Lightning Gun and Rocket
    // Launcher each move up one place with theirs.
    click(w, 3);
    w.cmdMoveDown_Click();
    EXPECT_EQ(greenRows(w), QList<int>{2});
    EXPECT_TRUE(w.cmdMoveUp->isEnabled());
    EXPECT_TRUE(w.cmdMoveDown->isEnabled());
    QTest::mouseClick(w.cmdMoveDown, Qt::LeftButton);
    EXPECT_EQ(greenRows(w), QList<int>{1});
    EXPECT_FALSE(w.cmdMoveDown->isEnabled());
    EXPECT_TRUE(w.cmdMoveUp->isEnabled());
    const char* expected[] = {"Flak Cannon", "Lightning Gun", "Rocket Launcher"};
    const int states[] = {2, 0, 0};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(caption(w, r), expected[r - 1]);
        EXPECT_EQ(checkValue(w.chkWeapMode[r]), states[r - 1]) << r;
    }
    w.cmdMoveDown_Click();
    EXPECT_EQ(caption(w, 1), "Flak Cannon");

    // A click takes a box out of the greyed state for good: checked, then cleared, then checked again.
    for (const int state : {1, 0, 1}) {
        QTest::mouseClick(w.chkWeapMode[1], Qt::LeftButton);
        EXPECT_EQ(checkValue(w.chkWeapMode[1]), state);
    }

    // With no row selected the buttons change nothing.
    main_->weapons->resetRows();
    w.cmdMoveUp_Click();
    w.cmdMoveDown_Click();
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(caption(w, r), "NO File Open");
    EXPECT_TRUE(messages.empty());
}

TEST_F(WeaponsTest, MovingThePlaceOneWeaponDownSavesBothPriorities) {
    WeaponGroup& w = open();
    ASSERT_TRUE(main_);
    click(w, 12);
    QTest::mouseClick(w.cmdMoveDown, Qt::LeftButton);
    const QByteArray file = saved();
    EXPECT_EQ(weaponLines(file, "Redeemer"), (QList<QByteArray>{"Priority=11", "ExchangeFireModes=0"}));
    EXPECT_EQ(weaponLines(file, "Painter"), (QList<QByteArray>{"Priority=12", "ExchangeFireModes=0"}));
    for (int i = 2; i < 12; ++i)
        EXPECT_EQ(weaponLines(file, kClasses[i]),
                  (QList<QByteArray>{"Priority=" + QByteArray::number(baseRow(i)),
                                     "ExchangeFireModes=" + QByteArray::number(baseFireMode(i))}));
}

TEST_F(WeaponsTest, BallLauncherCheck) {
    const QString question =
        "Error Detected in INI File while Checking weapon priority,\rYour Ball Launcher Priority is Set to 12. It "
        "should always be to 13!!\rWould You like to fix to fix this problem Automaticly?";
    const QString notice =
        "Please Fix your User.ini File, The Priority of the Ball Launcher\rShould always be 13!! You may Still "
        "Continue! Data Will not be saved for Priority 13!";

    // Yes: the file holds 13 at once, before any save, and the question is not asked again.
    msgBoxAnswers = {vbYes};
    WeaponGroup& w = open(userFile({}, "12"));
    ASSERT_TRUE(main_);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, question);
    EXPECT_EQ(messages[0].style, vbYesNo);
    EXPECT_EQ(weaponLines(readFile(userIni()), "BallLauncher"), QList<QByteArray>{"Priority=13"});
    EXPECT_EQ(caption(w, 1), "Lightning Gun");
    EXPECT_TRUE(FileIsOpen);
    unloadAll();

    // No: the notice, the load goes on, and the file keeps 12 through a save.
    messages.clear();
    WeaponGroup& w2 = open(userFile({}, "12"));
    ASSERT_TRUE(main_);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt, question);
    EXPECT_EQ(messages[1].prompt, notice);
    EXPECT_EQ(messages[1].style, vbOKOnly);
    EXPECT_EQ(caption(w2, 12), "Redeemer");
    EXPECT_EQ(weaponLines(saved(), "BallLauncher"), QList<QByteArray>{"Priority=12"});
}

TEST_F(WeaponsTest, BallLauncherFixThatCannotBeWrittenEndsTheLoad) {
    const QByteArray user = userFile({}, "12");
    msgBoxAnswers = {vbYes};
    WeaponGroup& w = openAfterClose(user, true);
    ASSERT_TRUE(main_);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].prompt.startsWith("Error Detected in INI File"));
    EXPECT_EQ(messages[1].prompt, "Error Permission denied" + kLoadFailureTail);
    EXPECT_EQ(messages[1].style, vbCritical);
    EXPECT_EQ(readFile(userIni()), user);
    EXPECT_FALSE(FileIsOpen);
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(caption(w, r), "NO File Open");
        EXPECT_TRUE(w.lblWeaponName[r]->isEnabled());
    }
}

TEST_F(WeaponsTest, RedeemerAtThirteenIsReportedAndLeftOut) {
    // The others at 1 to 11.
    QList<Change> changes = {{"Redeemer", "Priority", "13"}};
    WeaponGroup& w = open(userFile(changes));
    ASSERT_TRUE(main_);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              " Reedeemer Priority is 13. Redeemer Priority must be less than 13!!\rPlease Correct Your User.ini "
              "File!!, You May Still Continue");
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(caption(w, 12), "NO File Open");
    EXPECT_EQ(caption(w, 11), "Ion Painter");

    messages.clear();
    const QByteArray file = saved();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "NO File Open No weapon is associated to the Current Priority!\rCurrent Priority is 12. Please Check "
              "Your User.INI file in your System Folder,\rLook for Doubles, A weapon needs to be set to Priority 12 "
              "!\rThis Item will be skipped during saving!");
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_EQ(weaponLines(file, "Redeemer"), (QList<QByteArray>{"Priority=13", "ExchangeFireModes=0"}));
}

TEST_F(WeaponsTest, TwoWeaponsAtOnePriorityLeaveARowUnclaimed) {
    // The TransLocator (row 10) moves to 11, where the Ion Painter already is: the later one takes the row.
    WeaponGroup& w = openAfterClose(userFile({{"TransLauncher", "Priority", "11"}}));
    ASSERT_TRUE(main_);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(caption(w, 11), "TransLocator");
    EXPECT_EQ(caption(w, 10), "NO File Open");
    const QByteArray file = saved();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.startsWith(
        "NO File Open No weapon is associated to the Current Priority!\rCurrent Priority is 10."));
    EXPECT_EQ(weaponLines(file, "Painter"), (QList<QByteArray>{"Priority=11", "ExchangeFireModes=0"}));
    EXPECT_EQ(weaponLines(file, "TransLauncher"), (QList<QByteArray>{"Priority=11", "ExchangeFireModes=0"}));
}

TEST_F(WeaponsTest, BadValuesEndTheLoadAtTheirWeapon) {
    const struct Case {
        Change change;
        const char* description;
        int failing;         // load-order index of the weapon that ends the load
        bool captionPlaced;  // a bad fire mode comes after its weapon's caption
    } cases[] = {
        {{"Painter", "Priority", "0"}, "Subscript out of range", 1, false},
        {{"Minigun", "Priority", "13"}, "Subscript out of range", 8, false},
        {{"FlakCannon", "Priority", QByteArray()}, "Type mismatch", 9, false},
        {{"ShockRifle", "Priority", "abc"}, "Type mismatch", 5, false},
        {{"ShockRifle", "Priority", ""}, "Type mismatch", 5, false},
        {{"Redeemer", "Priority", "12.6"}, "Subscript out of range", 0, false},
        {{"Redeemer", "Priority", "0.5"}, "Subscript out of range", 0, false},
        {{"Redeemer", "Priority", QByteArray()}, "Type mismatch", 0, false},
        {{"BioRifle", "ExchangeFireModes", "3"}, "Invalid property value", 7, true},
        {{"BioRifle", "ExchangeFireModes", "-1"}, "Invalid property value", 7, true},
        {{"LinkGun", "ExchangeFireModes", QByteArray()}, "Type mismatch", 6, true},
        {{"ShieldGun", "ExchangeFireModes", QByteArray()}, "Type mismatch", 3, true},
        {{"SniperRifle", "Priority", "99999999999"}, "Overflow", 11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::get<0>(c.change).toStdString() + "." + std::get<1>(c.change).toStdString() + "=" +
                     std::get<2>(c.change).toStdString());
        WeaponGroup& w = openAfterClose(userFile({c.change}));
        ASSERT_TRUE(main_);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, "Error " + QString::fromLatin1(c.description) + kLoadFailureTail);
        EXPECT_EQ(messages[0].style, vbCritical);
        EXPECT_FALSE(FileIsOpen);
        for (int i = 0; i < 12; ++i) {
            const bool placed = i < c.failing || (i == c.failing && c.captionPlaced);
            EXPECT_EQ(caption(w, baseRow(i)), placed ? kNames[i] : "NO File Open") << kNames[i];
            EXPECT_TRUE(w.lblWeaponName[baseRow(i)]->isEnabled());
        }
        unloadAll();
    }
    // A missing Ball Launcher Priority ends the load without a question.
    WeaponGroup& w = openAfterClose(userFile({}, QByteArray()));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Error Type mismatch" + kLoadFailureTail);
    EXPECT_EQ(caption(w, 12), "NO File Open");
}

TEST_F(WeaponsTest, DesignStateLayoutAndClose) {
    writeFile(userIni(), userFile());
    writeFile(engineIni(), kEngine);
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    main_ = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_TRUE(main_);
    WeaponGroup& w = *main_->weapons;
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(w.lblPriNum[k]->text(), QString::number(k + 1));
        EXPECT_EQ(w.lblPriNum[k]->geometry(), QRect(8, 16 * (k + 1), 17, 17));
        EXPECT_EQ(w.lblPriNum[k]->objectName(), QStringLiteral("lblPriNum(%1)").arg(k));
    }
    for (int r = 1; r <= 12; ++r) {
        QLabel* label = find<QLabel>(QStringLiteral("lblWeaponName(%1)").arg(r));
        QCheckBox* box = find<QCheckBox>(QStringLiteral("chkWeapMode(%1)").arg(r));
        ASSERT_EQ(label, w.lblWeaponName[r]);
        ASSERT_EQ(box, w.chkWeapMode[r]);
        EXPECT_EQ(label->parentWidget(), main_->framePlayerSetup);
        EXPECT_EQ(label->geometry(), QRect(24, 16 * (13 - r), 161, 17));
        EXPECT_EQ(box->geometry(), QRect(192, 16 * (13 - r), 105, 13));
        EXPECT_LE(box->sizeHint().width(), box->width());  // the caption is not cut off
        EXPECT_EQ(label->text(), "NO File Open");
        EXPECT_FALSE(label->isEnabled());
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->text(), "Switch  Fire Mode");
        EXPECT_EQ(box->checkState(), Qt::Unchecked);
    }
    EXPECT_EQ(w.cmdMoveUp->geometry(), QRect(8, 232, 89, 33));
    EXPECT_EQ(w.cmdMoveDown->geometry(), QRect(104, 232, 89, 33));
    EXPECT_EQ(w.cmdMoveUp->text(), "Move Up List");
    EXPECT_EQ(w.cmdMoveDown->text(), "Move Down List");
    EXPECT_FALSE(w.cmdMoveUp->isEnabled());
    EXPECT_FALSE(w.cmdMoveDown->isEnabled());

    // Before a load the rows cannot be selected, while the boxes can be ticked; the load then overwrites the box
    // of every claimed row.
    click(w, 5);
    EXPECT_TRUE(greenRows(w).isEmpty());
    EXPECT_FALSE(w.cmdMoveUp->isEnabled());
    QTest::mouseClick(w.chkWeapMode[4], Qt::LeftButton);
    EXPECT_EQ(checkValue(w.chkWeapMode[4]), 1);
    UseriniPath = userIni();
    UT2003iniPath = engineIni();
    main_->OpenINIFiles();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(checkValue(w.chkWeapMode[4]), 0);  // the Minigun's 0

    click(w, 7);
    main_->CloseINIFiles();
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(caption(w, r), "NO File Open");
        EXPECT_FALSE(w.lblWeaponName[r]->isEnabled());
        EXPECT_FALSE(w.chkWeapMode[r]->isEnabled());
        EXPECT_EQ(w.chkWeapMode[r]->checkState(), Qt::Unchecked);
    }
    EXPECT_TRUE(greenRows(w).isEmpty());
    EXPECT_FALSE(w.cmdMoveUp->isEnabled());
    EXPECT_FALSE(w.cmdMoveDown->isEnabled());
}

TEST_F(WeaponsTest, HandlerFailureShowsItsMessage) {
    WeaponGroup& w = open();
    ASSERT_TRUE(main_);
    w.lblWeaponName_Click(13);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Error Subscript out of range - Corvane While Selecting Weapon!");
    EXPECT_EQ(messages[0].style, vbInformation);
}

}  // namespace
