// A save that cannot write one of the two game files stops before it changes either, with its failure message
// naming the reason; a save clears the temporary files that killed saves left beside the game files.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

class SaveCheckTest : public GuiTest {};

TEST_F(SaveCheckTest, SaveThatCannotWriteAFileChangesNeither) {
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    auto message = [](const char* description) {
        return std::pair(QString("Error ") + description +
                             " - Corvane While Trying To Save File!\r Make Sure File is a Valid User.ini or User.ini "
                             "Type File!",
                         vbInformation);
    };
    // A file loaded from a folder that goes away before the save.
    auto loadFromGoneFolder = [&](QString& shared, const char* name) {
        shared = copyFixture(name, QString("Gone/") + name);
        qobject_cast<frmMain*>(window("frmMain"))->OpenINIFiles();
        QDir(path("Gone")).removeRecursively();
    };
    // What makes a file unwritable (after the load), the message.
    const std::pair<std::function<void()>, std::pair<QString, int>> cases[] = {
        {[&] { QFile::setPermissions(UT2003iniPath, readOnly); }, message("Permission denied")},
        {[&] { QFile::setPermissions(UseriniPath, readOnly); }, message("Permission denied")},
        {[&] { loadFromGoneFolder(UT2003iniPath, "UT2003.ini"); }, message("Path not found")},
        {[&] { loadFromGoneFolder(UseriniPath, "User.ini"); }, message("Path not found")},
    };
    for (const auto& [unwritable, expected] : cases) {
        frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
        unwritable();
        // Edits in both files, so that a save that went ahead would change each.
        find<QLineEdit>("txtPlayerName")->setText("Changed");
        find<QCheckBox>("chkFullScreen")->click();
        main->mnuFileSave_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(std::pair(messages[0].prompt, messages[0].style), expected);
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()),
                              fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
        EXPECT_EQ(QDir(programDir()).entryList({".*.corvane-*"}, QDir::Files | QDir::Hidden), QStringList());
        unloadAll();
        messages.clear();
        QFile::setPermissions(userIni(), readOnly | QFile::WriteOwner);
        QFile::setPermissions(engineIni(), readOnly | QFile::WriteOwner);
    }
}

// The leftovers of both files go at the save's start; one that a running save holds locked stays.
TEST_F(SaveCheckTest, SaveClearsLeftoversButNotOneStillHeld) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    const QStringList leftovers = {".User.ini.corvane-41-0-7", ".UT2003.ini.corvane-41-1-9"};
    const QString held = ".User.ini.corvane-42-0-3";
    for (const QString& name : leftovers + QStringList{held}) writeFile(path(name), "[DefaultPlayer]\r\nName=");
    const int lock = ::open(path(held).toLocal8Bit().constData(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
    main->mnuFileSave_Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QDir(programDir()).entryList({".*.corvane-*"}, QDir::Files | QDir::Hidden), QStringList{held});
    ::close(lock);
}
