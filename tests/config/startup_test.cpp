// The start-up: INI key access through the code page, the registry reader and the game-folder lookup over a
// hive of the test's own, the branches that choose the first window and resolve the game's paths, and the
// splash time.
#include "config/Startup.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Registry.h"
#include "config/frmSplash.h"
#include "platform/error.h"

namespace {

const QByteArray kGameKey =
    "WINE REGISTRY Version 2\n\n[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n";
const QString kBrowse = "64 Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!";
const QString kImproper = "0 Improper File Selected. Please Choose the 'User.ini' File";
const QString kMismatch =
    "48 Error Type mismatch, Corvane While Opening Options Form!!\rPlease Ensure You Have UT2003 Installed On your "
    "System!! This Program will only work with UT2003 Installed on your System!";

class StartupTest : public GuiTest {
  protected:
    // The messages shown, each as "style prompt".
    QStringList shown() const {
        QStringList list;
        for (const ShownMessage& m : messages) list << QString::number(m.style) + " " + m.prompt;
        return list;
    }
    static QString visibleWindows() {
        QStringList names;
        for (const char* name : {"Main", "Splash", "Options"})
            if (QWidget* w = window(QStringLiteral("frm") + name); w && w->isVisible()) names << name;
        return names.join(' ');
    }
};

TEST_F(StartupTest, IniAccessGoesThroughTheCodePage) {
    const QString file = path("test.ini");
    WriteINI("Sec", "Key", QStringLiteral("Caf\u00e9 \u20ac"), file);
    const QByteArray written("[Sec]\r\nKey=Caf\xe9 \x80\r\n");
    EXPECT_EQ(readFile(file), written);
    EXPECT_EQ(ReadINI("Sec", "Key", "x", file), QStringLiteral("Caf\u00e9 \u20ac"));
    // A character the code page cannot hold, or a read-only file, raises and leaves the file as it was.
    EXPECT_THROW(WriteINI("Sec", "Key", QStringLiteral("\u03a9mega"), file), platform::AppError);
    QFile::setPermissions(file, QFile::ReadOwner);
    EXPECT_THROW(WriteINI("Sec", "Key", "new", file), platform::AppError);
    EXPECT_EQ(readFile(file), written);
}

TEST_F(StartupTest, QueryRegValueByType) {
    writeHive(kGameKey + "\"Folder\"=\"C:\\\\Games\"\n\"Count\"=dword:0000002a\n\"Blob\"=hex:01,02\n\"Long\"=\"" +
              QByteArray(1023, 'x') + "\"\n\"TooLong\"=\"" + QByteArray(1024, 'x') + "\"\n");
    const struct {
        const char* value;
        bool found;
        QString text;  // the text after the call, which starts as "unchanged"
    } cases[] = {
        {"folder", true, "C:\\Games"},       // value names match without regard to case
        {"Count", true, "42"},               // a REG_DWORD as its decimal text
        {"Blob", true, "unchanged"},         // other types leave the text alone
        {"Long", true, QString(1023, 'x')},  // the longest value the buffer takes, whole
        {"TooLong", false, ""},              // a longer one is not read (nothing cut) and the text emptied
    };
    const QString key = "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2003";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        QString text = "unchanged";
        EXPECT_EQ(QueryRegValue(HKEY_LOCAL_MACHINE, key, c.value, text), c.found);
        EXPECT_EQ(text, c.text);
    }
}

// The folder's drive letter maps through the Wine prefix's drives, names matched without regard to case.
TEST_F(StartupTest, GetGameFolderMapsTheDriveThroughTheWinePrefix) {
    const QString prefix = path("prefix");
    QDir().mkpath(prefix + "/drive_c/Games/UT2003");
    QDir().mkpath(prefix + "/dosdevices");
    QFile::link("../drive_c", prefix + "/dosdevices/c:");
    qputenv("WINEPREFIX", prefix.toLocal8Bit());
    writeHive(kGameKey + "\"Folder\"=\"C:\\\\games\\\\UT2003\"\n");
    EXPECT_EQ(QFileInfo(GetGameFolder()).canonicalFilePath(),
              QFileInfo(prefix + "/drive_c/Games/UT2003").canonicalFilePath());
    qunsetenv("WINEPREFIX");
    EXPECT_TRUE(messages.empty());
}

// Which window comes first and where the game's paths come from. The options window's load runs first in
// every branch: registry (stored at once), saved path (its folder is the path less its last 8 characters), or
// the browse, which refuses a name not ending in "User.ini" (case respected) and asks again.
TEST_F(StartupTest, StartUpBranches) {
    const QString sys = "/g/UT2003/System/User.ini";
    using Keys = QList<QPair<QString, QString>>;
    const Keys options = {{"ShowOptionOnStartup", "1"}}, saved = {{"UT2003UserINIPath", "/d/User.ini"}};
    const Keys registry = saved + Keys{{"ReadPathFromRegistry", "1"}}, splash = saved + Keys{{"SplashStartup", "1"}};
    struct Case {
        const char* name;
        Keys keys;  // the settings file (none when empty)
        bool game;  // the registry names the game's folder: the paths are stored at once
        QStringList answers, prompts;
        QString user;         // the player file resolved; the engine file is "UT2003.ini" beside it
        const char* windows;  // the window shown by the start-up, and the one after the splash's timer
    };
    const std::vector<Case> cases = {
        {"no settings file", {}, false, {}, {kBrowse}, "", "Main"},
        {"registry", registry, true, {}, {}, sys, "Main"},
        {"registry without the game", registry, false, {}, {}, "/d/User.ini", "Main"},
        {"saved path", {{"UT2003UserINIPath", "/d/MyUser.ini"}}, false, {}, {}, "/d/MyUser.ini", "Main"},
        {"browse accepted", options, false, {"/b/User.ini"}, {kBrowse}, "/b/User.ini", "Options"},
        {"asked again", options, false, {"/b/user.ini", "/b/User.ini"}, {kBrowse, kImproper}, "/b/User.ini", "Options"},
        {"browse cancelled", options, false, {}, {kBrowse}, "", "Options"},
        {"splash, then options", splash + options, false, {}, {}, "/d/User.ini", "Splash Options"},
        {"splash, then main", splash, false, {}, {}, "/d/User.ini", "Splash Main"},
        {"no number is off", saved + Keys{{"SplashStartup", "abc"}}, false, {}, {kMismatch}, "", "Main"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("Quarl.ini"));
        if (!c.keys.isEmpty()) writeSettings(c.keys);
        writeHive(kGameKey + "\"Folder\"=\"" + (c.game ? "/g/UT2003" : "") + "\"\n");
        const QByteArray before = readFile(path("Quarl.ini"));
        messages.clear();
        dialogRequests.clear();
        dialogAnswers.assign(c.answers.begin(), c.answers.end());
        UseriniPath.clear();
        UT2003iniPath.clear();
        runMain();
        EXPECT_EQ(shown(), c.prompts);
        EXPECT_EQ(dialogRequests.empty(), !c.prompts.contains(kBrowse));
        EXPECT_TRUE(dialogAnswers.empty());
        EXPECT_EQ(UseriniPath, c.user);
        EXPECT_EQ(UT2003iniPath, c.user.isEmpty() ? "" : QString(c.user).replace("User.ini", "UT2003.ini"));
        const QByteArray after = readFile(path("Quarl.ini"));
        EXPECT_EQ(c.game ? iniValue(after, "Quarl_UT2003.Settings", "UT2003UserINIPath").value_or("") : after,
                  c.game ? sys.toLocal8Bit() : before);
        const QStringList windows = QString(c.windows).split(' ');
        EXPECT_EQ(visibleWindows(), windows[0]);
        if (windows.size() > 1) {
            FormSlot<frmSplash>::instance()->Timer1_Timer();
            EXPECT_EQ(visibleWindows(), windows[1]);
        }
        unloadAll();
    }
}

// Whatever "SplashTimeMsec" holds, the splash leads on after one run of its timer: a time the timer cannot
// take is reported, and every time that is no use becomes one second.
TEST_F(StartupTest, SplashTimeFallsBackToOneSecond) {
    const struct {
        const char* value;
        int interval;
        const char* error;
    } cases[] = {{"2500", 2500, nullptr},
                 {"0", 1000, nullptr},
                 {"-5", 1000, "Invalid property value"},
                 {"abc", 1000, "Type mismatch"},
                 // A window timer takes at most 65,535 ms.
                 {"65535", 65535, nullptr},
                 {"65536", 1000, "Invalid property value"},
                 {"1e9", 1000, "Invalid property value"},
                 {"2147483648", 1000, "Overflow"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        messages.clear();
        writeSettings({{"SplashStartup", "1"}, {"UT2003UserINIPath", "/d/User.ini"}, {"SplashTimeMsec", c.value}});
        runMain();
        const QTimer* timer = FormSlot<frmSplash>::instance()->Timer1;
        EXPECT_TRUE(timer->isActive());
        EXPECT_TRUE(timer->isSingleShot());
        EXPECT_EQ(timer->interval(), c.interval);
        const QString error = c.error ? "64 Error " + QString(c.error) + " - Corvane While Loading Splash Form!" : "";
        EXPECT_EQ(shown().join(""), error);
        unloadAll();
    }
}

}  // namespace
