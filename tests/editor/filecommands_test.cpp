// The file procedures and commands of the main window: the load, the save and the close with their steps, reports
// and end states; Open (with its question and dialog), the guarded Save button, and Save As with its copy (atomic, as
// private as the file it copies, refused for a source that is no regular file) and its guards, driven through the
// seams on the offscreen platform.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

// Everything the main window reports while a command runs: the status texts, the progress values, and both in
// the order they came, the texts in quotes.
struct Reports : QObject {
    explicit Reports(frmMain* main) {
        connect(main, &frmMain::progressReported, this, [this](int value) {
            progress.push_back(value);
            all << QString::number(value);
        });
        connect(main, &frmMain::statusReported, this, [this](const QString& text) {
            status << text;
            all << "'" + text + "'";
        });
    }
    std::vector<int> progress;
    QStringList status, all;
};

const QStringList kSaveAsStatus = {"Copying Original File!", "Closing Files!", "Files Closed", "Saving File...",
                                   "File Saved !"};

}  // namespace

class FileCommandsTest : public GuiTest {
  protected:
    static QStringList paths(frmMain* main) { return {UseriniPath, OpenedUseriniPath, main->lblOFile->text()}; }
};

// The three file procedures, each run on a loaded window, as tests/fixtures/procedures.txt gives them: their reports
// in order, the file-open state they leave and, where the table lists them, their steps in order (a swapped step
// fails here).
TEST_F(FileCommandsTest, ProceduresRunTheirStepsInOrderAndReportThem) {
    const std::map<QString, std::function<void(frmMain*)>> procedures = {
        {"load", &frmMain::OpenINIFiles},
        {"load of a bad value",
         [this](frmMain* m) { act("set User.ini [Engine.Hud] HudScale=abc"), m->OpenINIFiles(); }},
        {"save", &frmMain::mnuFileSave_Click},
        {"close", &frmMain::CloseINIFiles},
        {"close twice", [](frmMain* m) { m->CloseINIFiles(), m->CloseINIFiles(); }}};
    static const QRegularExpression form("^  (steps|reports|state): (.+)$");
    QMap<QString, QMap<QString, TableLine>> told;  // the lines by procedure and by what they tell
    QString procedure;
    for (const TableLine& line : tableLines("procedures.txt")) {
        const QRegularExpressionMatch said = form.match(line.text);
        if (said.hasMatch() && !procedure.isEmpty())
            told[procedure][said.captured(1)] = {said.captured(2), line.where};
        else if (!procedures.count(line.text))
            ADD_FAILURE() << line.unreadable();
        if (!line.text.startsWith(' ')) procedure = line.text;
    }
    for (const auto& [name, run] : procedures) {
        SCOPED_TRACE(name.toStdString());
        frmMain* main = openEditorWithFixtures();
        Reports reports(main);
        run(main);
        const QMap<QString, QString> is = {
            {"steps", main->stepsRun().join(' ')},
            {"reports", reports.all.join(' ')},
            {"state", QString("%1, Save %2, Open %3, %4, %5, bar %6/%7")
                          .arg(FileIsOpen ? "open" : "closed", main->mnuFileSave->isEnabled() ? "on" : "off",
                               main->mnuFileOpen->isEnabled() ? "on" : "off", main->lblOFile->text(),
                               main->statusPanels[1]->text(), QString::number(main->ProgressBar1->value()),
                               QString::number(main->ProgressBar1->maximum()))}};
        EXPECT_TRUE(told[name].contains("reports") && told[name].contains("state"))
            << "procedures.txt has no reports or no state";
        for (auto said = told[name].begin(); said != told[name].end(); ++said)
            EXPECT_EQ(is[said.key()], QString(said->text).replace("{user}", userIni())) << said->where;
        unloadAll();
    }
    EXPECT_EQ(messages.size(), 1u);  // the stopped load's, whose text the failure table holds
}

// With a file open, Open asks whether to close it first; the dialog then starts in the player file's folder.
TEST_F(FileCommandsTest, OpenAsksWhetherToCloseFirstThenLoadsThePickedFile) {
    const QString other = copyFixture("User-noinput.ini", "Other.ini"), none = "NO File Open";
    const QStringList closing = {"Closing File...", "File Closed !"}, opening = {"Opening File...", "File Opened !"};
    // The answer to the question, the file picked ("": Cancel), the status texts, then UseriniPath,
    // OpenedUseriniPath and the file label.
    const std::tuple<QString, QString, QStringList, QStringList> cases[] = {
        {"No", other, opening, {other, other, other}},  // loaded over the open file, without a reset
        {"No", "", {}, {userIni(), userIni(), userIni()}},
        {"Yes", other, closing + opening, {other, other, other}},
        {"Yes", "", closing, {userIni(), userIni(), none}}};
    for (const auto& [answer, pick, status, after] : cases) {
        frmMain* main = openEditorWithFixtures();
        messages.clear();
        dialogAnswers = {pick};
        Reports reports(main);
        act("answer " + answer + "; click cmdOpen");
        EXPECT_EQ(shownMessages(),
                  "68 | A File Is Currently Open, Would you like to close that file before\\ropening a new one? "
                  "(Note, no data will be saved in current file!)");
        const FileDialogRequest& r = dialogRequests.back();
        EXPECT_EQ(
            QStringList({r.title, r.filter, r.initialFolder}),
            QStringList({"Open", "User.ini (User.ini)|User.ini|All INI Files (*.ini)|*.ini", programDir() + "/"}));
        EXPECT_EQ(reports.status + paths(main), status + after) << qPrintable(answer);
        EXPECT_EQ(FileIsOpen, after[2] != none);
        unloadAll();
    }
}

// The Save button saves an open file; Save As asks for the new name. With no file open both refuse with their
// message and write nothing (a save then would write the reset controls' "NO File Open").
TEST_F(FileCommandsTest, SaveButtonAndSaveAsNeedAnOpenFile) {
    frmMain* main = openEditorWithFixtures();
    Reports reports(main);
    act("click cmdSave; trigger mnuSaveAs");  // Save As cancelled
    EXPECT_EQ(reports.status, QStringList({"Saving File...", "File Saved !"}));
    const FileDialogRequest& r = dialogRequests.at(0);
    EXPECT_EQ(std::pair(r.kind, r.flags), std::pair(FileDialogRequest::Kind::Save, 2));
    EXPECT_EQ(QStringList({r.title, r.defaultExtension, r.filter, r.initialFolder}),
              QStringList({"Save As...", ".ini", "All INI Files (*.ini)|*.ini", programDir() + "/"}));
    act("trigger mnuFileClose; answer {dir}/Never.ini; click cmdSave; trigger mnuSaveAs");
    EXPECT_EQ(shownMessages(),
              "64 | A file has to open before you can save. Please Open a File.\n"
              "64 | Cannot Save A file until one is open!!");
    EXPECT_EQ(reports.status.size(), 4);  // those of the save and the close only
    EXPECT_EQ(dialogRequests.size(), 1u);
    EXPECT_TRUE(
        sameBytes(readFile(userIni()) + readFile(engineIni()), fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
}

// Save As copies the opened player file to the new name (the bar counting its bytes), then saves the edits into
// the copy; the file it was copied from keeps what it held. A new copy gets the permission bits of the file it
// copies (it holds the statistics password), whatever the umask would give; a file it replaces keeps its own.
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
        frmMain* main = openEditorWithFixtures();
        QFile::setPermissions(userIni(), QFile::ReadOwner | QFile::WriteOwner);
        if (!existing.isNull()) writeFile(target, existing);
        if (!existing.isNull()) QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const auto permissions = QFileInfo(QFileInfo::exists(target) ? target : userIni()).permissions();
        const bool ontoSource = QFileInfo(target).canonicalFilePath() == QFileInfo(userIni()).canonicalFilePath();
        Reports reports(main);
        act("text txtPlayerName \"Copied Player\"; answer " + target + "; trigger mnuSaveAs");
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(sameBytes(readFile(target), edited));
        EXPECT_TRUE(sameBytes(readFile(userIni()), ontoSource ? edited : source));
        EXPECT_EQ(reports.status + paths(main), kSaveAsStatus + QStringList({target, userIni(), target}));
        // The copy's values run from 0 up to the source's length (the bar's maximum then), before the save's 0.
        const auto copyEnd = std::find(reports.progress.begin() + 1, reports.progress.end(), 0);
        EXPECT_TRUE(std::is_sorted(reports.progress.begin(), copyEnd));
        EXPECT_EQ(*(copyEnd - 1), ontoSource ? 0 : source.size());
        EXPECT_EQ(QFileInfo(target).permissions(), permissions);
        EXPECT_EQ(openFilesUnder(programDir()), 0);
        unloadAll();
    }
}

// A second Save As copies the opened player file again, not the copy that the first one made.
TEST_F(FileCommandsTest, SecondSaveAsCopiesTheOpenedFileAgain) {
    frmMain* main = openEditorWithFixtures();
    const QString first = path("PlayerCopyOne.ini"), second = path("PlayerCopyTwo.ini");
    act("answer " + first + "; trigger mnuSaveAs");
    writeFile(first, readFile(first) + "; changed after the first copy\r\n");
    act("answer " + second + "; trigger mnuSaveAs");
    EXPECT_EQ(dialogRequests.back().initialFolder, first.chopped(8));  // the path less 8, inside the copy's name
    EXPECT_TRUE(sameBytes(readFile(second), fixtureBytes("User.ini")));
    EXPECT_EQ(paths(main), QStringList({second, userIni(), second}));
}

// Copies that cannot be made, before or part-way (the write stopped by a file-size limit, as a full disk would stop
// it), and sources that are no regular file (a FIFO with no writer would hang the copy, a device would fill the
// disk): the message names the error and the new name, the save does not run and the open file stays its target,
// an existing target keeps its bytes and permissions, no temporary file is left beside it (and what killed copies
// left there is gone), and no file stays open.
TEST_F(FileCommandsTest, SaveAsThatCannotCopyReportsAndLeavesTheTargetUntouched) {
    const QString pipe = path("Pipe.ini");
    ASSERT_EQ(::mkfifo(qPrintable(pipe), 0644), 0);
    ::alarm(120);  // a safety net only: a copy that hung would end the test here instead of never
    const QByteArray old = "[Old]\r\nKey=Value\r\n";
    // The source (empty: the opened file), the target, the error's description, what the target holds before (null:
    // nothing) and whether it is read-only, the file-size limit while the copy runs.
    const std::tuple<QString, QString, QString, QByteArray, bool, rlim_t> cases[] = {
        {"", "NoSuchFolder/User2.ini", "Path not found", {}, false, RLIM_INFINITY},
        {"", "ReadOnly.ini", "Permission denied", old, true, RLIM_INFINITY},
        {"", "Target.ini", "File too large", old, false, 20000},  // a limit less than the source's length
        {pipe, "Copy.ini", "Path/File access error", {}, false, 1 << 20},
        {"/dev/zero", "Copy.ini", "Path/File access error", old, false, 1 << 20}};
    const auto leftovers = [&] { return QDir(programDir()).entryList({".*.corvane-*"}, QDir::Files | QDir::Hidden); };
    for (const auto& [source, name, description, existing, readOnly, sizeLimit] : cases) {
        SCOPED_TRACE(description.toStdString() + " " + source.toStdString());
        frmMain* main = openEditorWithFixtures();
        messages.clear();
        const QString target = path(name);
        if (!existing.isNull()) writeFile(target, existing);
        if (readOnly) QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup);
        if (QFileInfo(target).dir().exists()) writeFile(path("." + name + ".corvane-77-0-1"), "[Default");
        const QByteArray before = readFile(target);
        const auto permissions = QFileInfo(target).permissions();
        if (!source.isEmpty()) OpenedUseriniPath = source;
        dialogAnswers = {target};
        struct rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const struct rlimit limited = {std::min(sizeLimit, saved.rlim_cur), saved.rlim_max};
        auto* previous = signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        act("trigger mnuSaveAs");
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previous);
        EXPECT_EQ(QString::fromStdString(shownMessages()),
                  "48 | Error " + description + "-Corvane while trying to Save File as \\r{dir}/" + name + " !");
        // The open file stays the save's target: no save ran, and a later one writes no stub under the new name.
        EXPECT_EQ(QStringList({UseriniPath, main->lblOFile->text()}), QStringList({userIni(), userIni()}));
        EXPECT_TRUE(sameBytes(readFile(target), before));
        EXPECT_EQ(leftovers(), QStringList());
        act("trigger mnuFileSave");
        EXPECT_TRUE(sameBytes(readFile(target), before));
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()),
                              fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
        EXPECT_EQ(QFileInfo(target).permissions(), permissions);
        EXPECT_TRUE(FileIsOpen);
        EXPECT_FALSE(main->copyInProgress());
        EXPECT_EQ(openFilesUnder(programDir()), 0);
        unloadAll();
    }
    ::alarm(0);
}

// While the copy runs the window handles its events, but every other file command waits for it: nothing they
// would do (a question, a dialog, a close, a save, a start of the game, an exit) happens.
TEST_F(FileCommandsTest, CommandsStartedDuringTheCopyDoNothing) {
    frmMain* main = openEditorWithFixtures();
    dialogAnswers = {path("Copy.ini"), path("Other.ini")};
    Reports reports(main);
    bool ranDuringCopy = false, closeAccepted = true;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ranDuringCopy = main->copyInProgress() && main->ProgressBar1->maximum() == fixtureBytes("User.ini").size();
            act("trigger mnuSaveAs; trigger mnuFileOpen; trigger mnuFileClose; trigger mnuFileSave; trigger "
                "mnuFileExit; "
                "click cmdOpen; click cmdCloseUser; click cmdSave; click cmdLaunch");
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
