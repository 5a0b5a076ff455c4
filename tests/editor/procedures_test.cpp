// The three file procedures of the main window (load, save, close): the progress and status reports in order,
// the menus and FileIsOpen, and what a failure part-way leaves behind.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

// Every progress value and status text the main window reports while it lives, in order, as one text.
struct Reports : QObject {
    explicit Reports(frmMain* main) {
        connect(main, &frmMain::progressReported, this, [this](int value) { all << QString::number(value); });
        connect(main, &frmMain::statusReported, this, [this](const QString& text) { all << "'" + text + "'"; });
    }
    QStringList all;
};

class ProceduresTest : public GuiTest {
  protected:
    frmMain* openFixtures() { return messages.clear(), openEditorWithFixtures("User.ini", "UT2003.ini"); }
    // The file-open state as the window shows it: FileIsOpen, File > Save and File > Open, the file label, the
    // status text and the progress bar.
    static QString state(frmMain* m) {
        return QString("%1, Save %2, Open %3, %4, %5, bar ")
                   .arg(FileIsOpen ? "open" : "closed", m->mnuFileSave->isEnabled() ? "on" : "off",
                        m->mnuFileOpen->isEnabled() ? "on" : "off", m->lblOFile->text(), m->statusPanels[1]->text()) +
               QString::number(m->ProgressBar1->value()) + "/" + QString::number(m->ProgressBar1->maximum());
    }
};

TEST_F(ProceduresTest, ProceduresReportInOrderAndSetTheMenus) {
    const QString close = "0 'Closing File...' 1000 2000 3000 4000 5000 6000 7000 8000 10000 'File Closed !' 0";
    const QString open = "open, Save on, Open off, " + userIni(), none = "closed, Save off, Open on, NO File Open";
    const std::tuple<std::function<void(frmMain*)>, QString, QString> cases[] = {
        {&frmMain::OpenINIFiles,
         "'Opening File...' 0 1000 2000 3000 4000 5000 6500 7000 8000 9000 10000 'File Opened !' 0", open},
        {&frmMain::mnuFileSave_Click,
         "'Saving File...' 0 1000 2000 250 3000 3250 4500 5000 5250 6000 7000 8000 10000 'File Saved !' 0", open},
        {&frmMain::CloseINIFiles, close, none},
        // Closing with no file open runs every step again and ends in the same state.
        {[](frmMain* m) { m->CloseINIFiles(), m->CloseINIFiles(); }, close + " " + close, none}};
    for (const auto& [run, reported, shown] : cases) {
        SCOPED_TRACE(reported.toStdString());
        frmMain* main = openFixtures();
        Reports reports(main);
        run(main);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(reports.all.join(' '), reported);
        EXPECT_EQ(state(main), shown + ", " + reported.section('\'', -2, -2) + ", bar 0/10000");
        unloadAll();
    }
}

// A bad value stops the load in the HUD step: the values read before it are shown, the later controls keep their
// initial text, and the file-open state is not entered.
TEST_F(ProceduresTest, LoadStoppedByABadValueKeepsWhatItRead) {
    QByteArray user = fixtureBytes("User.ini");
    ASSERT_TRUE(replaceIniValue(user, "Engine.Hud", "HudScale", "abc"));
    frmMain* main = openEditor(user, fixtureBytes("UT2003.ini"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "Error Type mismatch At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!");
    EXPECT_EQ(messages[0].style, vbCritical);
    EXPECT_EQ(state(main), "closed, Save off, Open on, " + userIni() + ", Opening File..., bar 4000/10000");
    const QStringList shown = {find<QLineEdit>("txtPlayerName")->text(), find<QLineEdit>("txtJoyStick(0)")->text(),
                               find<QLabel>("lblHudScale")->text(), find<QLineEdit>("txtStatsName")->text(),
                               find<QLabel>("lblWeaponName(12)")->text()};
    EXPECT_EQ(shown, QStringList({"Corvo", "Fire", "abc", "NO File Open", "NO File Open"}));
}
