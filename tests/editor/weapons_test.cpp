// The weapon priority list: placing the weapons by Priority, the Ball Launcher and Redeemer checks, selecting
// and moving rows, and writing the "XWeapons.*" sections back.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/WeaponGroup.h"
#include "editor/frmMain.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

static const QString kLoadFailed = " At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!";
using Shown = std::vector<std::pair<QString, int>>;

// The well-formed list (weapon i of the load order at Priority i + 1) with changes, "Class.Key=value" apart by
// spaces; "Class.Key" alone renames the section's first key away.
static QByteArray changed(const QByteArray& changes) {
    QByteArray user = quietPlayerFile();
    for (const QByteArray& change : changes.split(' ')) {
        const qsizetype dot = change.indexOf('.'), equals = change.indexOf('=');
        const QByteArray header = "[XWeapons." + change.left(dot) + "]\r\n",
                         key = change.mid(dot + 1, equals - dot - 1);
        if (equals < 0) user.replace(header + key + "=", header + "No" + key + "=");
        EXPECT_TRUE(equals < 0 || replaceIniValue(user, header.mid(1).chopped(3), key, change.mid(equals + 1)));
    }
    return user;
}

class WeaponsTest : public GuiTest {
  protected:
    // Loads the changed list into a window that was loaded and closed, every row back to "NO File Open".
    void load(const QByteArray& changes, bool readOnly = false) {
        main_ = openEditor(quietPlayerFile(), quietEngineFile());
        main_->CloseINIFiles();
        writeFile(userIni(), user_ = changed(changes));
        if (readOnly) QFile::setPermissions(userIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        messages.clear();
        main_->OpenINIFiles();
    }
    QByteArray saved() { return messages.clear(), main_->mnuFileSave_Click(), readFile(userIni()); }
    Shown shown() const {
        Shown list;
        for (const ShownMessage& m : messages) list.emplace_back(m.prompt, m.style);
        return list;
    }
    // Each row from the bottom as the first letter of its caption ("-" for "NO File Open"), its box's value, and
    // "*" when it carries the marker colour.
    static QString rows() {
        QStringList list;
        for (int r = 1; r <= 12; ++r) {
            const QString caption = name(r)->text();
            const bool on = name(r)->palette().color(QPalette::Window) == WeaponGroup::selectedColor();
            list << (caption == "NO File Open" ? "-" : caption.left(1)) + QString::number(checkValue(mode(r))) +
                        (on ? "*" : "");
        }
        return list.join(' ');
    }
    // Row r's weapon name and its fire-mode box.
    static QLabel* name(int r) { return find<QLabel>(QStringLiteral("lblWeaponName(%1)").arg(r)); }
    static QCheckBox* mode(int r) { return find<QCheckBox>(QStringLiteral("chkWeapMode(%1)").arg(r)); }
    frmMain* main_ = nullptr;
    QByteArray user_;
};

TEST_F(WeaponsTest, SelectingSetsTheMoveButtonsAndMovesCarryTheBoxes) {
    load("FlakCannon.ExchangeFireModes=2");
    auto* const cmdMoveUp = find<QPushButton>("cmdMoveUp");
    auto* const cmdMoveDown = find<QPushButton>("cmdMoveDown");
    auto buttons = [&] { return std::pair(cmdMoveUp->isEnabled(), cmdMoveDown->isEnabled()); };
    // The bottom row can only go up, the top row only down.
    QTest::mouseClick(name(1), Qt::LeftButton);
    EXPECT_EQ(rows(), "R0* I0 T0 S0 A0 S0 L0 B0 M0 F2 R0 L0");
    EXPECT_EQ(buttons(), std::pair(true, false));
    QTest::mouseClick(name(12), Qt::LeftButton);
    EXPECT_EQ(rows(), "R0 I0 T0 S0 A0 S0 L0 B0 M0 F2 R0 L0*");
    EXPECT_EQ(buttons(), std::pair(false, true));
    // The Rocket Launcher, its box ticked, moves up to the top over the Lightning Gun (further up changes
    // nothing, only Move Down is left); the greyed Flak Cannon moves down over the Minigun.
    mode(11)->setChecked(true);
    QTest::mouseClick(name(11), Qt::LeftButton);
    QTest::mouseClick(cmdMoveUp, Qt::LeftButton);
    emit cmdMoveUp->clicked();  // on the disabled button: the handler itself
    EXPECT_EQ(rows(), "R0 I0 T0 S0 A0 S0 L0 B0 M0 F2 L0 R1*");
    EXPECT_EQ(buttons(), std::pair(false, true));
    QTest::mouseClick(name(10), Qt::LeftButton);
    QTest::mouseClick(cmdMoveDown, Qt::LeftButton);
    EXPECT_EQ(rows(), "R0 I0 T0 S0 A0 S0 L0 B0 F2* M0 L0 R1");
    EXPECT_EQ(buttons(), std::pair(true, true));
    // The greyed box of the Flak Cannon is written back as 2.
    EXPECT_TRUE(saved().startsWith(
        changed("FlakCannon.ExchangeFireModes=2 RocketLauncher.Priority=12 RocketLauncher.ExchangeFireModes=1 "
                "SniperRifle.Priority=11 FlakCannon.Priority=9 Minigun.Priority=10")));
    EXPECT_TRUE(messages.empty());
}

// A Ball Launcher Priority other than 13: one question. Yes writes 13 at once, before any save; No shows the
// notice and the file keeps its value; a fix that cannot be written is reported in the loader's words, and the
// load goes on as after No.
TEST_F(WeaponsTest, BallLauncherCheck) {
    const std::pair<QString, int> question = {
        "Error Detected in INI File while Checking weapon priority,\rYour Ball Launcher Priority is Set to 12. It "
        "should always be to 13!!\rWould You like to fix to fix this problem Automaticly?",
        vbYesNo};
    const std::pair<QString, int> notice = {
        "Please Fix your User.ini File, The Priority of the Ball Launcher\rShould always be 13!! You may Still "
        "Continue! Data Will not be saved for Priority 13!",
        vbOKOnly};
    const std::tuple<int, bool, bool, Shown> cases[] = {
        // the answer, read-only, fixed, the messages
        {vbYes, false, true, {question}},
        {vbNo, false, false, {question, notice}},
        {vbYes, true, false, {question, {"Error Permission denied" + kLoadFailed, vbCritical}, notice}}};
    for (const auto& [answer, readOnly, fixed, messagesShown] : cases) {
        msgBoxAnswers = {answer};
        load("BallLauncher.Priority=12", readOnly);
        EXPECT_EQ(shown(), messagesShown);
        EXPECT_TRUE(sameBytes(readFile(userIni()), fixed ? quietPlayerFile() : user_));
        EXPECT_TRUE(FileIsOpen && name(12)->text() == "Lightning Gun");
        // A save keeps the priority that the file holds then (a read-only file refuses the save and keeps all).
        EXPECT_TRUE(saved().startsWith(fixed ? quietPlayerFile() : user_));
        unloadAll();
    }
}

// The rows after a load of a changed list. The Redeemer at 13 is reported and left out; of two weapons at one
// Priority the later takes the row. A save then reports the row that no weapon claims and skips it: every weapon
// section keeps its bytes. A Priority outside 1 to 12 or missing, or a bad fire mode, ends the load at its weapon
// (after its caption, for the mode).
TEST_F(WeaponsTest, LoadPlacesTheWeaponsOrStopsAtABadValue) {
    const QString unclaimed =
        "NO File Open No weapon is associated to the Current Priority!\rCurrent Priority is %1. Please Check Your "
        "User.INI file in your System Folder,\rLook for Doubles, A weapon needs to be set to Priority %1 !\rThis Item "
        "will be skipped during saving!";
    const QString redeemer =
        " Reedeemer Priority is 13. Redeemer Priority must be less than 13!!\rPlease Correct Your User.ini File!!, You "
        "May Still Continue";
    const std::tuple<QByteArray, QString, const char*> cases[] = {
        {"Redeemer.Priority=13", redeemer, "-0 I0 T0 S0 A0 S0 L0 B0 M0 F0 R0 L0"},
        {"ShieldGun.Priority=3", "", "R0 I0 S0 -0 A0 S0 L0 B0 M0 F0 R0 L0"},
        {"Painter.Priority=0", "Error Subscript out of range", "R0 -0 -0 -0 -0 -0 -0 -0 -0 -0 -0 -0"},
        {"Minigun.Priority=13", "Error Subscript out of range", "R0 I0 T0 S0 A0 S0 L0 B0 -0 -0 -0 -0"},
        {"FlakCannon.Priority", "Error Type mismatch", "R0 I0 T0 S0 A0 S0 L0 B0 M0 -0 -0 -0"},
        {"BioRifle.ExchangeFireModes=3", "Error Invalid property value", "R0 I0 T0 S0 A0 S0 L0 B0 -0 -0 -0 -0"}};
    for (const auto& [change, message, placed] : cases) {
        load(change);
        const bool goesOn = !message.startsWith("Error");
        EXPECT_EQ(shown(), message.isEmpty()
                               ? Shown()
                               : Shown({{message + (goesOn ? "" : kLoadFailed), goesOn ? vbInformation : vbCritical}}));
        EXPECT_EQ(rows(), placed);
        EXPECT_EQ(FileIsOpen, goesOn);
        if (goesOn) {
            EXPECT_TRUE(saved().startsWith(user_));
            EXPECT_EQ(shown(), Shown({{unclaimed.arg(rows().indexOf('-') / 3 + 1), vbInformation}}));
        }
        unloadAll();
    }
}
