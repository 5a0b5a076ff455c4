// The raw file viewer of the "File Viewer" tab and the toolbar's game launcher.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/FileViewer.h"
#include "editor/frmMain.h"
#include "platform/qt/startprogram.h"

using View = std::pair<QString, QString>;  // the text box and the length label

class ViewerTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = openEditor(user, quietEngineFile());
        viewer = main->viewer.get();
        refresh();
    }
    void refresh() { QTest::mouseClick(viewer->cmdOpenRefresh, Qt::LeftButton); }
    View view() const { return {viewer->txtFileView->toPlainText(), viewer->lblLOF->text()}; }
    // A file's view: its text with each line break one "\n", and its length in bytes.
    static View of(const QByteArray& bytes) {
        return {QString::fromLatin1(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                QString::number(bytes.size())};
    }
    const QByteArray user = quietPlayerFile("[Engine.Input]\r\nAliases[0]=Jump\r\n");
    frmMain* main = nullptr;
    FileViewer* viewer = nullptr;
};

// The first open shows the player file. The shown text is a snapshot: the held file never stops a save, and a
// refresh shows the new bytes; after Save As it shows the copy. The other option shows the engine file; a file that
// cannot be opened is reported and what was shown stays; an empty file shows length 0.
TEST_F(ViewerTest, OpenRefreshShowsTheChosenFileAndItsLength) {
    EXPECT_EQ(view(), of(user));
    find<QLineEdit>(QStringLiteral("txtAlias(0)"))->setText(QStringLiteral("Crouch"));
    main->mnuFileSave_Click();
    const QByteArray saved = readFile(userIni());
    ASSERT_EQ(iniValue(saved, "Engine.Input", "Aliases[0]"), "Crouch");
    EXPECT_EQ(view(), of(user));
    refresh();
    EXPECT_EQ(view(), of(saved));
    dialogAnswers.push_back(path(QStringLiteral("Copy.ini")));  // Save As: the viewer follows the copy
    main->mnuSaveAs_Click();
    refresh();
    EXPECT_EQ(view(), of(readFile(path(QStringLiteral("Copy.ini")))));
    UseriniPath = userIni();

    QTest::mouseClick(viewer->optINIFile[1], Qt::LeftButton);
    refresh();
    EXPECT_EQ(view(), of(readFile(engineIni())));
    UT2003iniPath = path(QStringLiteral("missing.ini"));
    refresh();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              QStringLiteral("Error File not found - Corvane while tyring to open / refresh file!"));
    EXPECT_EQ(messages[0].style, 48);
    EXPECT_EQ(view(), of(readFile(engineIni())));
    EXPECT_EQ(ViewFileNum, 0);
    viewer->optINIFile[0]->setChecked(true);
    writeFile(UseriniPath = path(QStringLiteral("empty.ini")), QByteArray());
    refresh();
    EXPECT_EQ(view(), View(QString(), QStringLiteral("0")));
}

TEST_F(ViewerTest, CloseFileTwiceShowsItsPlaceholdersWithoutAnError) {
    for (int i = 0; i < 2; ++i) {
        viewer->cmdCloseFile_Click();  // the second time on a disabled button: the handler itself
        EXPECT_EQ(view(), View(QStringLiteral("NO File Open!!"), QStringLiteral("NFO")));
        EXPECT_FALSE(viewer->cmdCloseFile->isEnabled());
        EXPECT_EQ(ViewFileNum, 0);
    }
    refresh();
    EXPECT_EQ(view(), of(user));
    EXPECT_TRUE(messages.empty());
}

// Launch resets the editor without saving and starts the game; a missing game reports after the reset.
TEST_F(ViewerTest, LaunchDropsUnsavedEditsAndStartsTheGame) {
    find<QLineEdit>(QStringLiteral("txtAlias(0)"))->setText(QStringLiteral("unsaved"));
    QTest::mouseClick(main->cmdLaunch, Qt::LeftButton);
    EXPECT_EQ(startedPrograms, (std::vector<QPair<QString, int>>{{UT2003exePath, 2}}));
    EXPECT_EQ(readFile(userIni()), user);
    EXPECT_EQ(view(), View(QStringLiteral("NO File Open"), QStringLiteral("NO File Open")));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtAlias(0)"))->text(), QStringLiteral("NO File Open"));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(messages.empty());

    setStartProgramHandler({});
    main->OpenINIFiles();
    viewer->cmdLaunch_Click();
    EXPECT_FALSE(FileIsOpen);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral("Error File not found")));
    EXPECT_TRUE(messages[0].prompt.endsWith(QStringLiteral(" - Corvane While Trying To Launch UT2003!")));
    EXPECT_EQ(messages[0].style, 64);
}
