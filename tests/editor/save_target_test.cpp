// Which files a save writes: always the two files of the last load that succeeded, whatever the options window
// resolves meanwhile, and nothing at all after a load or a close that stopped part-way. A save that cannot write one
// of the two files changes neither; a save clears what killed saves left beside the files.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

// The configured player file (A), two other player files (B and C), the name Save As copies to, the engine file.
const QStringList kFiles = {"User.ini", "B/User.ini", "C/User.ini", "D.ini", "UT2003.ini"};

using SaveTargetTest = GuiTest;

TEST_F(SaveTargetTest, SaveWritesIntoTheFilesThatWereLoaded) {
    const QString startA = "start AutoOpenINI=1; ", openB = "answer {dir}/B/User.ini; click cmdOpen; ";
    const QString options = "trigger mnuEditmnuUserOptions; ", save = "click cmdSave",
                  saveAs = "answer {dir}/D.ini; trigger mnuSaveAs", toB = "B/User.ini UT2003.ini",
                  toD = "D.ini UT2003.ini", saved = "File Saved !";
    // What the user does, then an edit in each file and how it is saved (the toolbar's Save, or Save As to D); the
    // files that change then, the file the first of them was loaded or copied from, and the status text.
    const std::tuple<QString, QString, QString, QByteArray, QString> cases[] = {
        {startA + "answer No; " + openB + options + "click cmdCancel", save, toB, "B", saved},
        {startA + "answer Yes; " + openB + options + "click cmdOK", save, toB, "B", saved},
        {startA + "answer No; " + openB + options + "answer {dir}/C/User.ini; click cmdSetPaths(1); click cmdOK", save,
         toB, "B", saved},
        // Save As copies the file that is open, not the one the options window found.
        {startA + "answer No; " + openB + options + "click cmdCancel", saveAs, toD, "B", saved},
        // Started through the options window's browse: it asks for User.ini; the main window then opens it.
        {"answer {dir}/User.ini; start AutoOpenINI=1 UT2003UserINIPath=", saveAs, toD, "A", saved},
        // After a Save As that could not copy, the file that is open stays the target: no stub under the new name.
        {startA + "answer {dir}/Missing/User.ini; trigger mnuSaveAs", save, "User.ini UT2003.ini", "A", saved},
        // A load or a close that stopped part-way leaves mixed values or placeholders: nothing may be saved.
        {startA + "set B/User.ini [Engine.Hud] HudScale=abc; answer No; " + openB, save, "", "", "Opening File..."},
        {startA + "remove players/jpgs/no_image.jpg; trigger mnuFileClose", save, "", "", "Closing File..."}};
    for (const auto& [steps, saving, changed, origin, status] : cases) {
        SCOPED_TRACE(steps.toStdString());
        // Each player file names its player after itself and holds a line of its own that no save writes, so a copy
        // tells which file it came from.
        for (const char* name : {"A", "B", "C"}) {
            QByteArray bytes = fixtureBytes("User.ini");
            EXPECT_TRUE(replaceIniValue(bytes, "DefaultPlayer", "Name", "Player" + QByteArray(name)));
            writeFile(path(kFiles[name[0] - 'A']), bytes + "[Origin]\r\nFile=" + name + "\r\n");
        }
        writeFile(engineIni(), fixtureBytes("UT2003.ini"));
        act(steps);
        QList<QByteArray> before;
        for (const QString& name : kFiles) before << readFile(path(name));
        messages.clear();
        act("text txtStatsName Edited; slide slideGamma +1; " + saving);
        QStringList differ;
        for (int i = 0; i < kFiles.size(); ++i)
            if (readFile(path(kFiles[i])) != before[i]) differ << kFiles[i];
        EXPECT_EQ(differ.join(' '), changed);
        EXPECT_EQ(find<QLabel>("sbStatusPanel2")->text(), status);
        if (changed.isEmpty()) {
            // The toolbar's Save answers with its message, and the menus are those of the no-file state.
            EXPECT_EQ(messages.size(), 1u);
            EXPECT_FALSE(FileIsOpen || find<QAction>("mnuFileSave")->isEnabled());
            EXPECT_TRUE(find<QAction>("mnuFileOpen")->isEnabled());
        } else {
            const QByteArray written = readFile(path(changed.section(' ', 0, 0)));
            auto value = [&](const char* section, const char* key) {
                return iniValue(written, section, key).value_or("?");
            };
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(value("DefaultPlayer", "Name") + " " + value("Origin", "File") + " " +
                          value("Engine.PlayerController", "StatsUsername"),
                      "Player" + origin + " " + origin + " Edited");
        }
        unloadAll();
        QFile::remove(path("D.ini"));
        QFile::copy(CORVANE_DATA "/players/jpgs/no_image.jpg", path("players/jpgs/no_image.jpg"));
    }
}

// A save that cannot write one of the two game files stops before it changes either, its message naming the reason.
TEST_F(SaveTargetTest, SaveThatCannotWriteAFileChangesNeither) {
    // A file loaded from a folder that goes away before the save.
    auto loadFromGoneFolder = [&](QString& shared, const char* name) {
        shared = copyFixture(name, QString("Gone/") + name);
        mainWindow()->OpenINIFiles();
        QDir(path("Gone")).removeRecursively();
    };
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { act("readonly UT2003.ini"); }, "Permission denied"},
        {[&] { act("readonly User.ini"); }, "Permission denied"},
        {[&] { loadFromGoneFolder(UT2003iniPath, "UT2003.ini"); }, "Path not found"},
        {[&] { loadFromGoneFolder(UseriniPath, "User.ini"); }, "Path not found"}};
    for (const auto& [unwritable, description] : cases) {
        act("open");
        unwritable();
        act("text txtPlayerName Changed; click chkFullScreen; trigger mnuFileSave");  // edits in both files
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt.section(" - ", 0, 0), "Error " + description);
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()),
                              fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
        EXPECT_EQ(QDir(programDir()).entryList({".*.corvane-*"}, QDir::Files | QDir::Hidden), QStringList());
        unloadAll();
        messages.clear();
        QFile::remove(userIni()), QFile::remove(engineIni());
    }
}

// The leftovers of both files go at the save's start; one that a running save holds locked stays.
TEST_F(SaveTargetTest, SaveClearsLeftoversButNotOneStillHeld) {
    const QString held = ".User.ini.corvane-42-0-3";
    for (const QString& name : {QString(".User.ini.corvane-41-0-7"), QString(".UT2003.ini.corvane-41-1-9"), held})
        writeFile(path(name), "[DefaultPlayer]\r\nName=");
    const int lock = ::open(qPrintable(path(held)), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
    act("open; trigger mnuFileSave");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QDir(programDir()).entryList({".*.corvane-*"}, QDir::Files | QDir::Hidden), QStringList{held});
    ::close(lock);
}
