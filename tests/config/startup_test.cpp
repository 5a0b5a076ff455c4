// The start-up: INI key access through the code page, the registry reader and the game-folder lookup over a
// hive of the test's own, the branches that choose the first window and resolve the game's paths, and the
// splash time.
#include "config/Startup.h"

#include <QtWidgets>

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
    // Writes the settings file from "key=value ..."; none when keys is empty.
    void settings(const QString& keys) const {
        QFile::remove(path("Quarl.ini"));
        QList<QPair<QString, QString>> list;
        for (const QString& key : keys.split(' ', Qt::SkipEmptyParts))
            list.append({key.section('=', 0, 0), key.section('=', 1)});
        if (!list.isEmpty()) writeSettings(list);
    }
    // The messages shown, each as "style prompt" and a line break.
    QStringList shown() const {
        QStringList list;
        for (const ShownMessage& m : messages) list << QString::number(m.style) + " " + m.prompt + "\n";
        return list;
    }
    static QString visibleWindows() {
        QStringList names;
        for (const char* name : {"Main", "Splash", "Options"})
            if (QWidget* w = window(QStringLiteral("frm") + name); w && w->isVisible()) names << name;
        return names.join(' ');
    }
};

// Game files are read and written through the code page.
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
    // The settings file is read as UTF-8, a value cut to 2047 characters but never inside one; a key present with
    // an empty value gives "".
    SettingsIniPath = path("settings.ini");
    writeFile(SettingsIniPath, ("[Quarl_UT2003.Settings]\nK=" + QString(2046, 'x') + "\U0001F3AE\nE=").toUtf8());
    EXPECT_EQ(ReadSetting("K", "d"), QString(2046, 'x'));
    EXPECT_EQ(ReadSetting("E", "d") + ReadSetting("M", "d"), "d");
}

// Registry values by type, names matched without regard to case; the game's folder maps its drive letter
// through the Wine prefix's drives.
TEST_F(StartupTest, RegistryValuesAndTheGameFolder) {
    const QString prefix = path("prefix");
    QDir().mkpath(prefix + "/drive_c/Games/UT2003");
    QDir().mkpath(prefix + "/dosdevices");
    QFile::link("../drive_c", prefix + "/dosdevices/c:");
    writeHive(kGameKey +
              "\"Folder\"=\"C:\\\\games\\\\UT2003\"\n\"Count\"=dword:0000002a\n\"Blob\"=hex:01,02\n\"Long\"=\"" +
              QByteArray(1023, 'x') + "\"\n\"TooLong\"=\"" + QByteArray(1024, 'x') + "\"\n");
    qputenv("WINEPREFIX", prefix.toLocal8Bit());
    EXPECT_EQ(QFileInfo(GetGameFolder()).canonicalFilePath(),
              QFileInfo(prefix + "/drive_c/Games/UT2003").canonicalFilePath());
    qunsetenv("WINEPREFIX");
    const auto query = [](const char* value) {
        QString text = "unchanged";
        const bool found =
            QueryRegValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2003", value, text);
        return QString(found ? "found " : "missing ") + text;
    };
    EXPECT_EQ(query("folder"), "found C:\\games\\UT2003");
    EXPECT_EQ(query("Count"), "found 42");                    // a REG_DWORD as its decimal text
    EXPECT_EQ(query("Blob"), "found unchanged");              // other types leave the text alone
    EXPECT_EQ(query("Long"), "found " + QString(1023, 'x'));  // the longest value the buffer takes, whole
    EXPECT_EQ(query("TooLong"), "missing ");  // a longer one is not read (nothing cut) and the text emptied
    EXPECT_TRUE(messages.empty());
}

// Which window comes first and where the game's paths come from. A switch is on when it reads as the number 1.
// The options window's load runs first in every branch: registry (stored at once), saved path (its folder is the
// path less its last 8 characters), or the browse, which refuses a name not ending in "User.ini" (case
// respected) and asks again.
TEST_F(StartupTest, StartUpBranches) {
    const QString sys = "/g/UT2003/System/User.ini", saved = "UT2003UserINIPath=/d/User.ini ";
    const QString options = "ShowOptionOnStartup=1", browse = kBrowse + "\n", improper = kImproper + "\n";
    const struct {
        const char* name;
        QString keys;         // the settings file, "key=value ..." (none when empty)
        bool game;            // the registry names the game's folder
        const char* answers;  // the browse's answers in turn
        QString prompts;      // the messages shown, one a line
        QString user;         // the player file resolved; the engine file is "UT2003.ini" beside it
        const char* windows;  // the window shown by the start-up, and the one after the splash's timer
    } cases[] = {
        {"no settings file", "", false, "", browse, "", "Main"},
        {"registry", saved + "ReadPathFromRegistry=1", true, "", "", sys, "Main"},
        {"registry without the game", saved + "ReadPathFromRegistry=1", false, "", "", "/d/User.ini", "Main"},
        {"saved path, switches 0", "UT2003UserINIPath=/d/MyUser.ini SplashStartup=0 ShowOptionOnStartup=0", false, "",
         "", "/d/MyUser.ini", "Main"},
        {"switches 2", saved + "ReadPathFromRegistry=2 SplashStartup=2 ShowOptionOnStartup=2", true, "", "",
         "/d/User.ini", "Main"},
        {"browse accepted", options, false, "/b/User.ini", browse, "/b/User.ini", "Options"},
        {"asked again", options, false, "/b/user.ini /b/User.ini", browse + improper, "/b/User.ini", "Options"},
        {"browse cancelled", options, false, "", browse, "", "Options"},
        {"splash, then options", saved + "SplashStartup=1 " + options, false, "", "", "/d/User.ini", "Splash Options"},
        {"splash, then main", saved + "SplashStartup=1", false, "", "", "/d/User.ini", "Splash Main"},
        {"no number is off", saved + "SplashStartup=abc", false, "", kMismatch + "\n", "", "Main"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings(c.keys);
        writeHive(kGameKey + "\"Folder\"=\"" + (c.game ? "/g/UT2003" : "") + "\"\n");
        const QByteArray before = readFile(path("Quarl.ini"));
        messages.clear();
        dialogRequests.clear();
        for (const QString& answer : QString(c.answers).split(' ', Qt::SkipEmptyParts)) dialogAnswers.push_back(answer);
        UseriniPath.clear();
        UT2003iniPath.clear();
        runMain();
        EXPECT_EQ(shown().join(""), c.prompts);
        EXPECT_EQ(dialogRequests.empty(), !c.prompts.contains(kBrowse));
        EXPECT_EQ(UseriniPath, c.user);
        EXPECT_EQ(UT2003iniPath, c.user.isEmpty() ? "" : QString(c.user).replace("User.ini", "UT2003.ini"));
        const QByteArray after = readFile(path("Quarl.ini"));
        const bool stored = c.user == sys;
        EXPECT_EQ(stored ? iniValue(after, "Quarl_UT2003.Settings", "UT2003UserINIPath").value_or("") : after,
                  stored ? sys.toLocal8Bit() : before);
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
// take (a window timer takes at most 65,535 ms) is reported, and every time that is no use becomes one second.
TEST_F(StartupTest, SplashTimeFallsBackToOneSecond) {
    const struct {
        const char* value;
        int interval;
        const char* error;
    } cases[] = {{"2500", 2500, nullptr},
                 {"0", 1000, nullptr},
                 {"-5", 1000, "Invalid property value"},
                 {"abc", 1000, "Type mismatch"},
                 {"65535", 65535, nullptr},
                 {"65536", 1000, "Invalid property value"},
                 {"1e9", 1000, "Invalid property value"},
                 {"2147483648", 1000, "Overflow"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        messages.clear();
        settings(QStringLiteral("SplashStartup=1 UT2003UserINIPath=/d/User.ini SplashTimeMsec=") + c.value);
        runMain();
        const QTimer* timer = FormSlot<frmSplash>::instance()->Timer1;
        EXPECT_TRUE(timer->isActive() && timer->isSingleShot());
        EXPECT_EQ(timer->interval(), c.interval);
        const QString error = c.error ? "64 Error " + QString(c.error) + " - Corvane While Loading Splash Form!\n" : "";
        EXPECT_EQ(shown().join(""), error);
        unloadAll();
    }
}

}  // namespace
