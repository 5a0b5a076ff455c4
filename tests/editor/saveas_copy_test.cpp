// The Save As copy: a new copy is as private as the player file it copies, a source that is no regular file is
// refused at once, and what killed copies left beside the target is cleared.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

namespace {

mode_t modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.toLocal8Bit().constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class SaveAsCopyTest : public GuiTest {};

// The player file holds the statistics password: a new copy takes the source's permission bits, whatever the umask
// would give a new file.
TEST_F(SaveAsCopyTest, NewCopyHasTheSourcesPermissions) {
    for (const mode_t mode : {0600, 0640, 0664}) {
        frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
        ASSERT_EQ(::chmod(userIni().toLocal8Bit().constData(), mode), 0);
        const QString target = path(QString("Copy%1.ini").arg(mode, 0, 8));
        dialogAnswers = {target};
        main->mnuSaveAs_Click();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(sameBytes(readFile(target), fixtureBytes("User.ini")));
        EXPECT_EQ(modeOf(target), mode) << std::oct << mode;
        unloadAll();
    }
}

// A FIFO with no writer would hang the copy, a device would fill the disk: either is refused with the copy's
// message before anything is written, and the save does not run. The copy's start has cleared the target's
// folder of what killed copies left, but not of a temporary file that a running copy holds.
TEST_F(SaveAsCopyTest, SourceThatIsNoRegularFileIsRefusedAtOnce) {
    const QString pipe = path("Pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0644), 0);
    // A safety net only: a copy that hung or ran on would end the test here instead of never.
    ::alarm(120);
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const struct rlimit limited = {std::min<rlim_t>(1 << 20, saved.rlim_cur), saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    for (const QString& source : {pipe, QString("/dev/zero")}) {
        SCOPED_TRACE(source.toStdString());
        frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
        writeFile(path(".Copy.ini.corvane-77-0-1"), "[DefaultPlayer]\r\nNa");
        const QStringList before = folderEntries(programDir());
        const QString target = path("Copy.ini");
        OpenedUseriniPath = source;
        dialogAnswers = {target};
        main->mnuSaveAs_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(std::pair(messages[0].prompt, messages[0].style),
                  std::pair("Error Path/File access error-Corvane while trying to Save File as \r" + target + " !",
                            vbExclamation));
        QStringList expected = before;
        expected.removeOne(".Copy.ini.corvane-77-0-1");
        EXPECT_EQ(folderEntries(programDir()), expected);
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()),
                              fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")));
        unloadAll();
        messages.clear();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    ::alarm(0);
}
