// The file commands of the main window: Open (with its question and dialog), Close, the guarded Save button
// and Save As with its copy, driven through the seams on the offscreen platform.
#include <signal.h>
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "file_compare.h"
#include "platform/qt/msgbox.h"

namespace {

const QString kOpenQuestion = QStringLiteral(
    "A File Is Currently Open, Would you like to close that file before\ropening a new one? (Note, no data will be "
    "saved in current file!)");
const QString kOpenFilter = QStringLiteral("User.ini (User.ini)|User.ini|All INI Files (*.ini)|*.ini");

// Everything the main window reports while a command runs, in order.
struct Reports {
    explicit Reports(frmMain* main) {
        QObject::connect(main, &frmMain::progressReported, &context, [this, main](int value) {
            progress.push_back(value);
            maxima.push_back(main->ProgressBar1->maximum());
            if (onProgress) onProgress(value);
        });
        QObject::connect(main, &frmMain::statusReported, &context,
                         [this](const QString& text) { status.push_back(text); });
    }
    QObject context;  // the connections end with it
    std::vector<int> progress;
    std::vector<int> maxima;
    QStringList status;
    std::function<void(int)> onProgress;
};

// Files of the program folder that this process holds open.
QStringList openFilesUnder(const QString& folder) {
    QStringList held;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
        if (target.startsWith(folder)) held << target;
    }
    return held;
}

}  // namespace

class FileCommandsTest : public GuiTest {
  protected:
    frmMain* openFixtures() {
        frmMain* main = openEditorWithFixtures(QStringLiteral("User.ini"), QStringLiteral("UT2003.ini"));
        messages.clear();
        return main;
    }
    static QByteArray fixture(const QString& name) { return fixtureBytes(name.toLatin1().constData()); }
    // The folder the dialogs start in while the player file is the one openEditor wrote.
    QString userFolder() const { return programDir() + QStringLiteral("/"); }
};

// ---- Open ----

TEST_F(FileCommandsTest, OpenWhileAFileIsOpenAnsweredNoLoadsOverItWithoutAReset) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString other = copyFixture(QStringLiteral("User-noinput.ini"), QStringLiteral("Other.ini"));
    msgBoxAnswers = {vbNo};
    dialogAnswers = {other};
    Reports reports(main);
    main->cmdOpen->click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kOpenQuestion);
    EXPECT_EQ(messages[0].style, 68);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(dialogRequests[0].title, QStringLiteral("Open"));
    EXPECT_EQ(dialogRequests[0].filter, kOpenFilter);
    EXPECT_EQ(dialogRequests[0].initialFolder, userFolder());
    EXPECT_EQ(dialogRequests[0].flags, 0);
    EXPECT_TRUE(dialogRequests[0].defaultExtension.isEmpty());
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Opening File..."), QStringLiteral("File Opened !")}));
    EXPECT_EQ(UseriniPath, other);
    EXPECT_EQ(OpenedUseriniPath, other);
    EXPECT_EQ(UT2003iniPath, engineIni());
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(main->lblOFile->text(), other);
}

TEST_F(FileCommandsTest, OpenAnsweredYesClosesFirstAndCancelLeavesTheNoFileState) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    msgBoxAnswers = {vbYes};
    Reports reports(main);
    main->mnuFileOpen_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, 68);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Closing File..."), QStringLiteral("File Closed !")}));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(main->mnuFileOpen->isEnabled());
    EXPECT_FALSE(main->mnuFileSave->isEnabled());
    EXPECT_EQ(main->lblOFile->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(UseriniPath, userIni());
    EXPECT_EQ(OpenedUseriniPath, userIni());
}

TEST_F(FileCommandsTest, OpenAnsweredYesThenAFileClosesAndLoadsIt) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString other = copyFixture(QStringLiteral("User.ini"), QStringLiteral("Second/User.ini"));
    msgBoxAnswers = {vbYes};
    dialogAnswers = {other};
    Reports reports(main);
    main->mnuFileOpen_Click();

    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Closing File..."), QStringLiteral("File Closed !"),
                                           QStringLiteral("Opening File..."), QStringLiteral("File Opened !")}));
    EXPECT_EQ(UseriniPath, other);
    EXPECT_EQ(OpenedUseriniPath, other);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(messages.size(), 1u);
}

// With no file open there is no question; the dialog starts in the player file's folder, or in none when no
// player file of at least 8 characters is known.
TEST_F(FileCommandsTest, OpenWithNoFileOpenAsksNothingAndStartsInTheKnownFolder) {
    struct Case {
        QString useriniPath;
        QString initialFolder;
    };
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    main->CloseINIFiles();
    const QString longer = path(QStringLiteral("Saved/PlayerCopy.ini"));
    for (const Case& c : {Case{QString(), QString()}, Case{QStringLiteral("a.ini"), QString()},
                          Case{userIni(), userFolder()}, Case{longer, longer.chopped(8)}}) {
        SCOPED_TRACE(c.useriniPath.toStdString());
        messages.clear();
        dialogRequests.clear();
        UseriniPath = c.useriniPath;
        main->mnuFileOpen_Click();
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(dialogRequests.size(), 1u);
        EXPECT_EQ(dialogRequests[0].initialFolder, c.initialFolder);
        EXPECT_EQ(UseriniPath, c.useriniPath);  // cancelled: the paths stay
        EXPECT_FALSE(FileIsOpen);
    }
}

// ---- Close and the Save button ----

TEST_F(FileCommandsTest, BothCloseCommandsResetWithoutAQuestionAndWriteNothing) {
    const std::vector<std::pair<const char*, std::function<void(frmMain*)>>> commands = {
        {"File > Close", [](frmMain* m) { m->mnuFileClose->trigger(); }},
        {"toolbar Close", [](frmMain* m) { m->cmdCloseUser->click(); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        frmMain* main = openFixtures();
        ASSERT_NE(main, nullptr);
        Reports reports(main);
        run(main);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(reports.status, QStringList({QStringLiteral("Closing File..."), QStringLiteral("File Closed !")}));
        EXPECT_FALSE(FileIsOpen);
        EXPECT_TRUE(sameBytes(readFile(userIni()), fixture(QStringLiteral("User.ini"))));
        EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture(QStringLiteral("UT2003.ini"))));
        unloadAll();
    }
}

TEST_F(FileCommandsTest, SaveButtonWithNoFileOpenShowsItsMessageAndWritesNothing) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    main->CloseINIFiles();
    Reports reports(main);
    main->cmdSave->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("A file has to open before you can save. Please Open a File."));
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_TRUE(reports.status.isEmpty());
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixture(QStringLiteral("User.ini"))));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture(QStringLiteral("UT2003.ini"))));
}

TEST_F(FileCommandsTest, SaveButtonWithAFileOpenSaves) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    Reports reports(main);
    main->cmdSave->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Saving File..."), QStringLiteral("File Saved !")}));
}

// ---- Save As ----

TEST_F(FileCommandsTest, SaveAsWithNoFileOpenRefusesWithoutADialog) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    main->CloseINIFiles();
    Reports reports(main);
    main->mnuSaveAs_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Cannot Save A file until one is open!!"));
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_TRUE(dialogRequests.empty());
    EXPECT_TRUE(reports.status.isEmpty());
    EXPECT_EQ(UseriniPath, userIni());
}

TEST_F(FileCommandsTest, SaveAsCancelledChangesNothing) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    Reports reports(main);
    main->mnuSaveAs_Click();
    ASSERT_EQ(dialogRequests.size(), 1u);
    const FileDialogRequest& request = dialogRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(request.title, QStringLiteral("Save As..."));
    EXPECT_EQ(request.flags, 2);
    EXPECT_EQ(request.defaultExtension, QStringLiteral(".ini"));
    EXPECT_EQ(request.filter, QStringLiteral("All INI Files (*.ini)|*.ini"));
    EXPECT_EQ(request.initialFolder, userFolder());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(reports.status.isEmpty());
    EXPECT_EQ(UseriniPath, userIni());
    EXPECT_EQ(main->lblOFile->text(), userIni());
    EXPECT_EQ(QDir(programDir()).entryList({QStringLiteral("*.ini")}, QDir::Files).size(), 3);  // Quarl, User, UT2003
}

// With no player file of at least 8 characters known, Save As starts in the game folder's "System" folder.
TEST_F(FileCommandsTest, SaveAsStartsInTheGameFoldersSystemFolderWhenNoPlayerFileIsKnown) {
    const QString game = path(QStringLiteral("Game"));
    writeHive(
        "WINE REGISTRY Version 2\n\n[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n"
        "\"Folder\"=\"" +
        game.toUtf8() + "\"\n");
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    UseriniPath = QStringLiteral("x.ini");
    main->mnuSaveAs_Click();
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].initialFolder, game + QStringLiteral("/System/"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommandsTest, SaveAsCopiesThePlayerFileThenSavesIntoTheCopy) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString target = path(QStringLiteral("Saved.ini"));
    dialogAnswers = {target};
    Reports reports(main);
    main->mnuSaveAs_Click();

    EXPECT_TRUE(messages.empty());
    const QByteArray source = fixture(QStringLiteral("User.ini"));
    EXPECT_TRUE(sameBytes(readFile(target), source));
    EXPECT_TRUE(sameBytes(readFile(userIni()), source));
    EXPECT_EQ(UseriniPath, target);
    EXPECT_EQ(OpenedUseriniPath, userIni());
    EXPECT_EQ(UT2003iniPath, engineIni());
    EXPECT_EQ(main->lblOFile->text(), target);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Copying Original File!"), QStringLiteral("Closing Files!"),
                                           QStringLiteral("Files Closed"), QStringLiteral("Saving File..."),
                                           QStringLiteral("File Saved !")}));
    // The copy's progress runs from 0 to the source's length in bytes, then the save's own sequence follows.
    ASSERT_GE(reports.progress.size(), 3u);
    EXPECT_EQ(reports.progress[0], 0);
    EXPECT_EQ(reports.maxima[0], source.size());
    const auto copyEnd = std::find(reports.progress.begin() + 1, reports.progress.end(), 0);
    ASSERT_NE(copyEnd, reports.progress.end());
    EXPECT_EQ(*(copyEnd - 1), source.size());
    EXPECT_TRUE(std::is_sorted(reports.progress.begin(), copyEnd));
    const std::vector<int> save(copyEnd + 1, reports.progress.end());
    EXPECT_EQ(save, std::vector<int>({0, 1000, 2000, 250, 3000, 3250, 4500, 5000, 5250, 6000, 7000, 8000, 10000, 0}));
    EXPECT_EQ(main->ProgressBar1->maximum(), 10000);
    EXPECT_TRUE(openFilesUnder(programDir()).isEmpty());
}

// The edits go into the copy; the file it was copied from keeps what it held.
TEST_F(FileCommandsTest, SaveAsWritesTheEditsIntoTheCopyOnly) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    auto* name = find<QLineEdit>(QStringLiteral("txtPlayerName"));
    ASSERT_NE(name, nullptr) << "player group not built yet";
    name->setText(QStringLiteral("Copied Player"));
    const QString target = path(QStringLiteral("Saved.ini"));
    dialogAnswers = {target};
    main->mnuSaveAs_Click();
    QByteArray expected = fixture(QStringLiteral("User.ini"));
    expected.replace("\r\nName=Corvo\r\n", "\r\nName=Copied Player\r\n");
    EXPECT_TRUE(sameBytes(readFile(target), expected));
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixture(QStringLiteral("User.ini"))));
}

TEST_F(FileCommandsTest, SaveAsOverALongerFileLeavesNothingOfItsTail) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString target = path(QStringLiteral("Longer.ini"));
    writeFile(target, QByteArray(200000, 'x'));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const auto permissions = QFileInfo(target).permissions();
    dialogAnswers = {target};
    main->mnuSaveAs_Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(target), fixture(QStringLiteral("User.ini"))));
    // The replaced file keeps its permissions.
    EXPECT_EQ(QFileInfo(target).permissions(), permissions);
}

// Onto its own source, under its own name or another spelling of it: the content stays, the save follows.
TEST_F(FileCommandsTest, SaveAsOntoItsOwnSourceKeepsTheContent) {
    for (const QString& spelling : {QStringLiteral("User.ini"), QStringLiteral("./User.ini")}) {
        SCOPED_TRACE(spelling.toStdString());
        frmMain* main = openFixtures();
        ASSERT_NE(main, nullptr);
        const QString target = path(spelling);
        dialogAnswers = {target};
        Reports reports(main);
        main->mnuSaveAs_Click();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(sameBytes(readFile(userIni()), fixture(QStringLiteral("User.ini"))));
        EXPECT_EQ(UseriniPath, target);
        EXPECT_EQ(reports.status.value(0), QStringLiteral("Copying Original File!"));
        EXPECT_EQ(reports.status.value(4), QStringLiteral("File Saved !"));
        EXPECT_EQ(QDir(programDir()).entryList(QDir::Files).filter(QStringLiteral("User.ini")).size(), 1);
        unloadAll();
    }
}

// A second Save As copies the opened player file again, not the copy that the first one made.
TEST_F(FileCommandsTest, SecondSaveAsCopiesTheOpenedFileAgain) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString first = path(QStringLiteral("PlayerCopyOne.ini"));
    const QString second = path(QStringLiteral("PlayerCopyTwo.ini"));
    dialogAnswers = {first, second};
    main->mnuSaveAs_Click();
    writeFile(first, readFile(first) + "; changed after the first copy\r\n");
    main->mnuSaveAs_Click();
    ASSERT_EQ(dialogRequests.size(), 2u);
    // The first copy's name is longer than 8 characters: the folder is its path less 8, inside the name.
    EXPECT_EQ(dialogRequests[1].initialFolder, first.chopped(8));
    EXPECT_TRUE(dialogRequests[1].initialFolder.endsWith(QStringLiteral("/PlayerCop")));
    EXPECT_TRUE(sameBytes(readFile(second), fixture(QStringLiteral("User.ini"))));
    EXPECT_EQ(UseriniPath, second);
    EXPECT_EQ(OpenedUseriniPath, userIni());
}

TEST_F(FileCommandsTest, SaveAsCopiesALongFileWholeWithBytesAsTheProgressRange) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    // A player file of over a megabyte: the fixture followed by comment lines.
    QByteArray big = fixture(QStringLiteral("User.ini"));
    while (big.size() < 1100000) big += "; padding line of the long player file, never read by the editor\r\n";
    const QString source = path(QStringLiteral("Big/User.ini"));
    writeFile(source, big);
    OpenedUseriniPath = source;
    const QString target = path(QStringLiteral("BigCopy.ini"));
    dialogAnswers = {target};
    Reports reports(main);
    main->mnuSaveAs_Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(target), big));
    EXPECT_EQ(reports.maxima[0], big.size());
    const auto copyEnd = std::find(reports.progress.begin() + 1, reports.progress.end(), 0);
    ASSERT_NE(copyEnd, reports.progress.end());
    EXPECT_EQ(*(copyEnd - 1), big.size());
    EXPECT_TRUE(std::is_sorted(reports.progress.begin(), copyEnd));
    EXPECT_GT(copyEnd - reports.progress.begin(), 10);  // the bar moved along the way
}

// An empty source gets a range of one step: the bar shows empty, not the busy indicator of a 0..0 range.
TEST_F(FileCommandsTest, SaveAsOfAnEmptySourceShowsAnEmptyBar) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString source = path(QStringLiteral("Empty/User.ini"));
    writeFile(source, QByteArray());
    OpenedUseriniPath = source;
    dialogAnswers = {path(QStringLiteral("EmptyCopy.ini"))};
    Reports reports(main);
    main->mnuSaveAs_Click();
    EXPECT_TRUE(messages.empty());
    ASSERT_FALSE(reports.progress.empty());
    EXPECT_EQ(reports.progress[0], 0);
    EXPECT_EQ(reports.maxima[0], 1);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("EmptyCopy.ini"))));
    EXPECT_EQ(reports.status.value(1), QStringLiteral("Closing Files!"));
}

// Copies that cannot be made: the message names the error and the new name, UseriniPath keeps the new name,
// the save does not run, an existing target is left exactly as it was, and no file stays open.
TEST_F(FileCommandsTest, SaveAsThatCannotCopyReportsAndLeavesTheTargetAlone) {
    struct Case {
        const char* name;
        QString target;
        std::function<void(const QString&)> prepare;
        QString description;
    };
    const QByteArray old = "[Old]\r\nKey=Value\r\n";
    const std::vector<Case> cases = {
        {"missing folder", path(QStringLiteral("NoSuchFolder/User2.ini")), [](const QString&) {},
         QStringLiteral("Path not found")},
        {"read-only target", path(QStringLiteral("ReadOnly.ini")),
         [&](const QString& t) {
             writeFile(t, old);
             QFile::setPermissions(t, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         },
         QStringLiteral("Permission denied")},
        {"missing source", path(QStringLiteral("FromNothing.ini")),
         [&](const QString& t) {
             writeFile(t, old);
             OpenedUseriniPath = path(QStringLiteral("Vanished/User.ini"));
         },
         QStringLiteral("File not found")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain* main = openFixtures();
        ASSERT_NE(main, nullptr);
        c.prepare(c.target);
        const QByteArray before = readFile(c.target);
        const auto permissions = QFileInfo(c.target).permissions();
        dialogAnswers = {c.target};
        Reports reports(main);
        main->mnuSaveAs_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, QStringLiteral("Error ") + c.description +
                                          QStringLiteral("-Corvane while trying to Save File as \r") + c.target +
                                          QStringLiteral(" !"));
        EXPECT_EQ(messages[0].style, vbExclamation);
        EXPECT_EQ(UseriniPath, c.target);
        EXPECT_EQ(main->lblOFile->text(), userIni());
        EXPECT_FALSE(reports.status.contains(QStringLiteral("Saving File...")));
        EXPECT_TRUE(sameBytes(readFile(c.target), before));
        EXPECT_EQ(QFileInfo(c.target).permissions(), permissions);
        EXPECT_TRUE(FileIsOpen);
        EXPECT_FALSE(main->copyInProgress());
        EXPECT_TRUE(openFilesUnder(programDir()).isEmpty());
        unloadAll();
    }
}

// A copy that fails part-way (the write stops at a file-size limit, as a full disk would stop it): the target
// keeps its old bytes, no temporary file is left beside it, both files are released.
TEST_F(FileCommandsTest, SaveAsFailingPartWayLeavesTheTargetUntouched) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    const QString target = path(QStringLiteral("Target.ini"));
    const QByteArray old = "[Old]\r\nKey=Value\r\n";
    writeFile(target, old);
    dialogAnswers = {target};
    Reports reports(main);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 20000;  // less than the player file's length
    auto* previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    main->mnuSaveAs_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral("Error File too large-")))
        << messages[0].prompt.toStdString();
    EXPECT_TRUE(messages[0].prompt.endsWith(QStringLiteral("-Corvane while trying to Save File as \r") + target +
                                            QStringLiteral(" !")))
        << messages[0].prompt.toStdString();
    EXPECT_EQ(messages[0].style, vbExclamation);
    EXPECT_TRUE(sameBytes(readFile(target), old));
    EXPECT_EQ(QDir(programDir()).entryList({QStringLiteral("Target*")}, QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("Target.ini")}));
    EXPECT_EQ(reports.status.back(), QStringLiteral("Copying Original File!"));
    EXPECT_EQ(UseriniPath, target);
    EXPECT_TRUE(openFilesUnder(programDir()).isEmpty());
}

// While the copy runs the window handles its events, but every other file command waits for it: nothing they
// would do (a question, a dialog, a close, a save, a start of the game, an exit) happens.
TEST_F(FileCommandsTest, CommandsStartedDuringTheCopyDoNothing) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    QByteArray big = fixture(QStringLiteral("User.ini"));
    while (big.size() < 200000) big += "; padding\r\n";
    const QString source = path(QStringLiteral("Big/User.ini"));
    writeFile(source, big);
    OpenedUseriniPath = source;
    const QString target = path(QStringLiteral("Copy.ini"));
    dialogAnswers = {target, path(QStringLiteral("Other.ini"))};
    Reports reports(main);

    bool ranDuringCopy = false;
    bool closeAccepted = true;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ranDuringCopy = main->copyInProgress();
            main->mnuSaveAs_Click();
            main->mnuSaveAs->trigger();
            main->mnuFileOpen_Click();
            main->cmdOpen->click();
            main->mnuFileOpen->trigger();
            main->mnuFileClose->trigger();
            main->cmdCloseUser->click();
            main->mnuFileSave->trigger();
            main->cmdSave->click();
            main->cmdLaunch->click();
            main->mnuFileExit->trigger();
            closeAccepted = main->close();
        },
        Qt::QueuedConnection);
    main->mnuSaveAs_Click();

    EXPECT_TRUE(ranDuringCopy);
    EXPECT_FALSE(closeAccepted);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialogRequests.size(), 1u);
    EXPECT_TRUE(startedPrograms.empty());
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Copying Original File!"), QStringLiteral("Closing Files!"),
                                           QStringLiteral("Files Closed"), QStringLiteral("Saving File..."),
                                           QStringLiteral("File Saved !")}));
    EXPECT_TRUE(FileIsOpen);
    EXPECT_TRUE(isLoaded<frmMain>());
    EXPECT_TRUE(sameBytes(readFile(target), big));
    EXPECT_FALSE(main->copyInProgress());
    // Once the copy is over the commands work again.
    main->mnuFileClose->trigger();
    EXPECT_FALSE(FileIsOpen);
}
