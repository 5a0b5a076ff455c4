// The file commands of the main window: Open (with its question and dialog), the guarded Save button and Save As
// with its atomic copy and its guards, driven through the seams on the offscreen platform.
#include <signal.h>
#include <sys/resource.h>

#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

// Everything the main window reports while a command runs: the status texts, the progress values in order.
struct Reports : QObject {
    explicit Reports(frmMain* main) {
        connect(main, &frmMain::progressReported, this, [this](int value) { progress.push_back(value); });
        connect(main, &frmMain::statusReported, this, [this](const QString& text) { status << text; });
    }
    std::vector<int> progress;
    QStringList status;
};

// How many files of the folder this process holds open.
static auto openFilesUnder(const QString& folder) {
    const QFileInfoList fds = QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    return std::count_if(fds.begin(), fds.end(), [&](auto& fd) { return fd.symLinkTarget().startsWith(folder); });
}

static const QStringList kSaveAsStatus = {"Copying Original File!", "Closing Files!", "Files Closed", "Saving File...",
                                          "File Saved !"};
static std::pair<QString, int> only(const std::vector<ShownMessage>& shown) {
    return shown.size() == 1 ? std::pair(shown[0].prompt, shown[0].style)
                             : std::pair(QString("%1 messages").arg(shown.size()), 0);
}

class FileCommandsTest : public GuiTest {
  protected:
    frmMain* openFixtures() { return messages.clear(), openEditorWithFixtures("User.ini", "UT2003.ini"); }
    static QStringList paths(frmMain* main) { return {UseriniPath, OpenedUseriniPath, main->lblOFile->text()}; }
};

// With a file open, Open asks whether to close it first; the dialog then starts in the player file's folder.
TEST_F(FileCommandsTest, OpenAsksWhetherToCloseFirstThenLoadsThePickedFile) {
    const QString other = copyFixture("User-noinput.ini", "Other.ini"), none = "NO File Open";
    const QStringList closing = {"Closing File...", "File Closed !"}, opening = {"Opening File...", "File Opened !"};
    const std::tuple<int, QString, QStringList, QStringList> cases[] = {
        // The answer to the question, the file picked ("": Cancel), the status texts, then UseriniPath,
        // OpenedUseriniPath and the file label.
        {vbNo, other, opening, {other, other, other}},  // loaded over the open file, without a reset
        {vbNo, "", {}, {userIni(), userIni(), userIni()}},
        {vbYes, other, closing + opening, {other, other, other}},
        {vbYes, "", closing, {userIni(), userIni(), none}}};
    for (const auto& [answer, pick, status, after] : cases) {
        frmMain* main = openFixtures();
        msgBoxAnswers = {answer};
        dialogAnswers = {pick};
        Reports reports(main);
        main->cmdOpen->click();
        EXPECT_EQ(only(messages),
                  std::pair(QString("A File Is Currently Open, Would you like to close that file before\ropening a new "
                                    "one? (Note, no data will be saved in current file!)"),
                            vbYesNo + vbInformation));
        const FileDialogRequest& r = dialogRequests.back();
        EXPECT_EQ(
            QStringList({r.title, r.filter, r.initialFolder}),
            QStringList({"Open", "User.ini (User.ini)|User.ini|All INI Files (*.ini)|*.ini", programDir() + "/"}));
        EXPECT_EQ(reports.status + paths(main), status + after) << answer;
        EXPECT_EQ(FileIsOpen, after[2] != none);
        unloadAll();
    }
}

// The Save button saves an open file; Save As asks for the new name. With no file open both refuse with their
// message and write nothing (a save then would write the reset controls' "NO File Open").
TEST_F(FileCommandsTest, SaveButtonAndSaveAsNeedAnOpenFile) {
    frmMain* main = openFixtures();
    Reports reports(main);
    main->cmdSave->click();
    main->mnuSaveAs_Click();  // cancelled
    EXPECT_EQ(reports.status, QStringList({"Saving File...", "File Saved !"}));
    const FileDialogRequest& r = dialogRequests.at(0);
    EXPECT_EQ(std::pair(r.kind, r.flags), std::pair(FileDialogRequest::Kind::Save, 2));
    EXPECT_EQ(QStringList({r.title, r.defaultExtension, r.filter, r.initialFolder}),
              QStringList({"Save As...", ".ini", "All INI Files (*.ini)|*.ini", programDir() + "/"}));
    main->CloseINIFiles();
    reports.status.clear();
    dialogAnswers = {path("Never.ini")};
    main->cmdSave->click();
    EXPECT_EQ(only(messages),
              std::pair(QString("A file has to open before you can save. Please Open a File."), vbInformation));
    messages.clear();
    main->mnuSaveAs_Click();
    EXPECT_EQ(only(messages), std::pair(QString("Cannot Save A file until one is open!!"), vbInformation));
    EXPECT_TRUE(reports.status.isEmpty());
    EXPECT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(UseriniPath, userIni());
    EXPECT_TRUE(
        sameBytes(readFile(userIni()) + readFile(engineIni()), fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
}

// Save As copies the opened player file to the new name (the bar counting its bytes), then saves the edits into
// the copy; the file it was copied from keeps what it held, a replaced file its permissions.
TEST_F(FileCommandsTest, SaveAsCopiesTheOpenedFileThenSavesTheEditsIntoTheCopy) {
    // The target and what it held before.
    const std::pair<QString, QByteArray> cases[] = {{path("Saved.ini"), {}},
                                                    {path("Longer.ini"), QByteArray(200000, 'x')},
                                                    {userIni(), {}},
                                                    {path("./User.ini"), {}}};
    const QByteArray source = fixtureBytes("User.ini");
    QByteArray edited = source;
    ASSERT_TRUE(replaceIniValue(edited, "DefaultPlayer", "Name", "Copied Player"));
    for (const auto& [target, existing] : cases) {
        SCOPED_TRACE(target.toStdString());
        frmMain* main = openFixtures();
        if (!existing.isNull()) writeFile(target, existing);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const auto permissions = QFileInfo(target).permissions();
        const bool ontoSource = QFileInfo(target).canonicalFilePath() == QFileInfo(userIni()).canonicalFilePath();
        find<QLineEdit>("txtPlayerName")->setText("Copied Player");
        dialogAnswers = {target};
        Reports reports(main);
        main->mnuSaveAs_Click();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(sameBytes(readFile(target), edited));
        EXPECT_TRUE(sameBytes(readFile(userIni()), ontoSource ? edited : source));
        EXPECT_EQ(reports.status + paths(main), kSaveAsStatus + QStringList({target, userIni(), target}));
        // The copy's values run from 0 up to the source's length (the bar's maximum then), before the save's 0.
        const auto copyEnd = std::find(reports.progress.begin() + 1, reports.progress.end(), 0);
        EXPECT_TRUE(std::is_sorted(reports.progress.begin(), copyEnd));
        EXPECT_EQ(*(copyEnd - 1), ontoSource ? 0 : source.size());
        if (!existing.isNull()) {
            EXPECT_EQ(QFileInfo(target).permissions(), permissions);
        }
        EXPECT_EQ(openFilesUnder(programDir()), 0);
        unloadAll();
    }
}

// A second Save As copies the opened player file again, not the copy that the first one made.
TEST_F(FileCommandsTest, SecondSaveAsCopiesTheOpenedFileAgain) {
    frmMain* main = openFixtures();
    const QString first = path("PlayerCopyOne.ini"), second = path("PlayerCopyTwo.ini");
    dialogAnswers = {first, second};
    main->mnuSaveAs_Click();
    writeFile(first, readFile(first) + "; changed after the first copy\r\n");
    main->mnuSaveAs_Click();
    EXPECT_EQ(dialogRequests.back().initialFolder, first.chopped(8));  // the path less 8, inside the copy's name
    EXPECT_TRUE(sameBytes(readFile(second), fixtureBytes("User.ini")));
    EXPECT_EQ(paths(main), QStringList({second, userIni(), second}));
}

// Copies that cannot be made, before or part-way (the write stopped by a file-size limit, as a full disk would
// stop it): the message names the error and the new name, the save does not run, an existing target keeps its
// bytes and permissions, no temporary file is left beside it, and no file stays open.
TEST_F(FileCommandsTest, SaveAsThatCannotCopyReportsAndLeavesTheTargetUntouched) {
    const QByteArray old = "[Old]\r\nKey=Value\r\n";
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    // The target, the error's description, what the target holds before (null: nothing) and its permissions (none:
    // left as written), the file-size limit while the copy runs.
    const std::tuple<QString, QString, QByteArray, QFile::Permissions, rlim_t> cases[] = {
        {path("NoSuchFolder/User2.ini"), "Path not found", {}, {}, RLIM_INFINITY},
        {path("ReadOnly.ini"), "Permission denied", old, readOnly, RLIM_INFINITY},
        {path("Target.ini"), "File too large", old, {}, 20000}};  // a size limit less than the source's
    for (const auto& [target, description, existing, mode, sizeLimit] : cases) {
        frmMain* main = openFixtures();
        if (!existing.isNull()) writeFile(target, existing);
        if (mode) QFile::setPermissions(target, mode);
        const QByteArray before = readFile(target);
        const auto permissions = QFileInfo(target).permissions();
        const QStringList files = QDir(programDir()).entryList(QDir::Files | QDir::Hidden);
        dialogAnswers = {target};
        struct rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const struct rlimit limited = {std::min(sizeLimit, saved.rlim_cur), saved.rlim_max};
        auto* previous = signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        main->mnuSaveAs_Click();
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previous);
        EXPECT_EQ(only(messages),
                  std::pair("Error " + description + "-Corvane while trying to Save File as \r" + target + " !",
                            vbExclamation));
        // The open file stays the save's target: no save ran, and a later one writes no stub under the new name.
        EXPECT_EQ(UseriniPath, userIni());
        EXPECT_EQ(main->lblOFile->text(), userIni());
        EXPECT_TRUE(sameBytes(readFile(target), before));
        main->mnuFileSave_Click();
        EXPECT_TRUE(sameBytes(readFile(target), before));
        EXPECT_EQ(QFileInfo(target).permissions(), permissions);
        EXPECT_EQ(QDir(programDir()).entryList(QDir::Files | QDir::Hidden), files);
        EXPECT_TRUE(FileIsOpen);
        EXPECT_FALSE(main->copyInProgress());
        EXPECT_EQ(openFilesUnder(programDir()), 0);
        unloadAll();
    }
}

// While the copy runs the window handles its events, but every other file command waits for it: nothing they
// would do (a question, a dialog, a close, a save, a start of the game, an exit) happens.
TEST_F(FileCommandsTest, CommandsStartedDuringTheCopyDoNothing) {
    frmMain* main = openFixtures();
    dialogAnswers = {path("Copy.ini"), path("Other.ini")};
    Reports reports(main);
    bool ranDuringCopy = false, closeAccepted = true;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ranDuringCopy = main->copyInProgress() && main->ProgressBar1->maximum() == fixtureBytes("User.ini").size();
            for (QAction* a :
                 {main->mnuSaveAs, main->mnuFileOpen, main->mnuFileClose, main->mnuFileSave, main->mnuFileExit})
                a->trigger();
            for (QToolButton* b : {main->cmdOpen, main->cmdCloseUser, main->cmdSave, main->cmdLaunch}) b->click();
            main->mnuSaveAs_Click(), main->mnuFileOpen_Click();
            closeAccepted = main->close();
        },
        Qt::QueuedConnection);
    main->mnuSaveAs_Click();
    EXPECT_TRUE(ranDuringCopy);
    EXPECT_FALSE(closeAccepted);
    EXPECT_TRUE(isLoaded<frmMain>());
    EXPECT_TRUE(FileIsOpen);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(startedPrograms.empty());
    EXPECT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(reports.status, kSaveAsStatus);
    EXPECT_TRUE(sameBytes(readFile(path("Copy.ini")), fixtureBytes("User.ini")));
    main->mnuFileClose->trigger();  // once the copy is over the commands work again
    EXPECT_FALSE(FileIsOpen);
}
