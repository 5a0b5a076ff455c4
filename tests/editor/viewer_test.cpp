// The raw file viewer of the "File Viewer" tab and the toolbar's game launcher.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

using View = std::pair<QString, QString>;  // the text box and the length label

class ViewerTest : public GuiTest {
  protected:
    static View view() { return {find<QPlainTextEdit>("txtFileView")->toPlainText(), find<QLabel>("lblLOF")->text()}; }
    // A file's view: its text with each line break one "\n", and its length in bytes.
    static View of(const QByteArray& bytes) {
        return {QString::fromLatin1(bytes).replace("\r\n", "\n"), QString::number(bytes.size())};
    }
};

// The shown text is a snapshot: the held file never stops a save, and a refresh shows the file as it is now, the one
// the save writes (after Save As the copy) or the engine file. A file that cannot be opened is reported and what was
// shown stays; Close File shows its placeholders, also when the file is closed already.
TEST_F(ViewerTest, RefreshShowsTheChosenFileAsItIsNow) {
    openEditorWithFixtures();
    act("click cmdOpenRefresh");
    EXPECT_EQ(view(), of(fixtureBytes("User.ini")));
    auto* const cmdCloseFile = find<QPushButton>("cmdCloseFile");
    for (int i = 0; i < 2; ++i) {
        emit cmdCloseFile->clicked();  // the second time on a disabled button: the handler itself
        EXPECT_EQ(view(), View("NO File Open!!", "NFO"));
        EXPECT_FALSE(cmdCloseFile->isEnabled());
        EXPECT_EQ(ViewFileNum, 0);
    }
    act("click cmdOpenRefresh; text txtAlias(0) Crouch; trigger mnuFileSave");
    EXPECT_EQ(view(), of(fixtureBytes("User.ini")));
    act("click cmdOpenRefresh");
    EXPECT_EQ(view(), of(readFile(userIni())));
    act("text txtAlias(0) Jump; answer {dir}/Copy.ini; trigger mnuSaveAs; click cmdOpenRefresh");
    EXPECT_EQ(view(), of(readFile(path("Copy.ini"))));
    EXPECT_NE(readFile(path("Copy.ini")), readFile(userIni()));
    act("click optINIFile(1); click cmdOpenRefresh");
    EXPECT_EQ(view(), of(fixtureBytes("UT2003.ini")));
    EXPECT_TRUE(messages.empty());
    act("remove UT2003.ini; click cmdOpenRefresh");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(view(), of(fixtureBytes("UT2003.ini")));
    EXPECT_EQ(ViewFileNum, 0);
    writeFile(path("Copy.ini"), QByteArray());
    act("click optINIFile(0); click cmdOpenRefresh");
    EXPECT_EQ(view(), View("", "0"));
}

// Launch resets the editor without saving and starts the game; a missing game reports after the reset.
TEST_F(ViewerTest, LaunchDropsUnsavedEditsAndStartsTheGame) {
    frmMain* main = openEditorWithFixtures();
    act("text txtAlias(0) unsaved; click cmdLaunch");
    EXPECT_EQ(startedPrograms, (std::vector<QPair<QString, int>>{{path("UT2003.exe"), 2}}));
    EXPECT_EQ(readFile(userIni()), fixtureBytes("User.ini"));
    EXPECT_EQ(view(), View("NO File Open", "NO File Open"));
    EXPECT_EQ(find<QLineEdit>("txtAlias(0)")->text(), "NO File Open");
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(messages.empty());
    main->OpenINIFiles();
    act("nolauncher; click cmdLaunch");
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(messages.size(), 1u);
}
