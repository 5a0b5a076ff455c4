// The start-up and the program's own settings: INI key access through the code page, the registry reader and
// the game-folder lookup over a hive of the test's own, the branches that choose the first window and resolve
// the game's paths, the splash time, and the options window with its settings file, which keeps the paths of
// this machine whatever characters they hold.
#include "config/Startup.h"

#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Registry.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/qt/text.h"

namespace {

const QByteArray kGameKey =
    "WINE REGISTRY Version 2\n\n[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n";
const QString kBrowse = "64 Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!\n";
const QString kImproper = "0 Improper File Selected. Please Choose the 'User.ini' File\n";
const QString kMismatch =
    "48 Error Type mismatch, Corvane While Opening Options Form!!\rPlease Ensure You Have UT2003 Installed On your "
    "System!! This Program will only work with UT2003 Installed on your System!\n";

// A settings file as the options window saves it: the eight keys in their order, for a player file in the
// folder system (with its closing separator); switches holds the four check boxes' digits.
QString settingsText(const QString& quarl, const QString& system, const QString& switches, const QString& time) {
    return QStringLiteral(
               "[Quarl_UT2003.Settings]\r\nQuarliniPath=%1\r\nUT2003UserINIPath=%2\r\nGamePath=%3\r\n"
               "ReadPathFromRegistry=%4\r\nSplashStartup=%5\r\nAutoOpenINI=%6\r\nShowOptionOnStartup=%7\r\n"
               "SplashTimeMsec=%8\r\n")
        .arg(quarl, system.isEmpty() ? "" : system + "User.ini", system.isEmpty() ? "" : system + "UT2003.exe",
             switches.mid(0, 1), switches.mid(1, 1), switches.mid(2, 1), switches.mid(3, 1), time);
}

class StartupTest : public GuiTest {
  protected:
    // Writes the settings file from "key=value ..."; none when keys is empty.
    void settings(const QString& keys) const {
        QFile::remove(path("Quarl.ini"));
        if (!keys.isEmpty()) writeSettings(keys);
    }
    // The messages shown, each as "style prompt" and a line break.
    QString shown() const {
        QString text;
        for (const ShownMessage& m : messages) text += QString::number(m.style) + " " + m.prompt + "\n";
        return text;
    }
    static QString visibleWindows() {
        QStringList names;
        for (const char* name : {"Main", "Splash", "Options"})
            if (QWidget* w = window(QStringLiteral("frm") + name); w && w->isVisible()) names << name;
        return names.join(' ');
    }
    // The program runs from a folder of the given name: a link to the test's program folder, so that the
    // program's data is there and "Quarl.ini" is the test's own.
    void runFrom(const QString& folderName) {
        ASSERT_TRUE(links_.isValid());
        ASSERT_TRUE(QFile::link(programDir(), links_.path() + QChar('/') + folderName));
        setProgramFolder(links_.path() + QChar('/') + folderName);
    }
    static QString settingsPath() { return joinPath(programFolder(), QStringLiteral("Quarl.ini")); }
    // A game's System folder (with its closing separator), with files that load without a message.
    QString makeGame(const QString& folderName) const {
        const QString folder = path(folderName + QStringLiteral("/System/"));
        writeFile(folder + QStringLiteral("User.ini"), quietPlayerFile());
        writeFile(folder + QStringLiteral("UT2003.ini"), quietEngineFile());
        return folder;
    }
    static frmOptions* options() { return FormSlot<frmOptions>::instance(); }
    // The options window's four path labels.
    static QStringList pathLabels() {
        QStringList texts;
        for (QLabel* label : options()->lblPathStr) texts << label->text();
        return texts;
    }

  private:
    QTemporaryDir links_;
};

// Game files are read and written through the code page; the settings file is read as UTF-8.
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
    // A setting is cut to 2047 characters but never inside one; a key present with an empty value gives "".
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
    writeHive(kGameKey + "\"Folder\"=\"C:\\\\games\\\\UT2003\"\n\"Count\"=dword:0000002a\n\"Blob\"=hex:01,02\n" +
              "\"Long\"=\"" + QByteArray(1023, 'x') + "\"\n\"TooLong\"=\"" + QByteArray(1024, 'x') + "\"\n");
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
    // A 32-bit game on 64-bit Windows has its key under Wow6432Node.
    writeHive(
        "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1\n"
        "\"Folder\"=\"/g/UT2003\"\n");
    EXPECT_EQ(GetGameFolder(), "/g/UT2003");
    EXPECT_EQ(shown(), "");
}

// Which window comes first and where the game's paths come from. A switch is on when it reads as the number 1.
// The options window's load runs first in every branch: registry (stored at once), saved path (its folder is the
// path less its last 8 characters), or the browse, which refuses a name not ending in "User.ini" (case
// respected) and asks again.
TEST_F(StartupTest, StartUpBranches) {
    const QString sys = "/g/UT2003/System/User.ini", saved = "UT2003UserINIPath=/d/User.ini ";
    const QString options = "ShowOptionOnStartup=1";
    const struct {
        const char* name;
        QString keys;         // the settings file, "key=value ..." (none when empty)
        bool game;            // the registry names the game's folder
        const char* answers;  // the browse's answers in turn
        QString prompts;      // the messages shown, one a line
        QString user;         // the player file resolved; the engine file is "UT2003.ini" beside it
        const char* windows;  // the window shown by the start-up, and the one after the splash's timer
    } cases[] = {
        {"no settings file", "", false, "", kBrowse, "", "Main"},
        {"registry", saved + "ReadPathFromRegistry=1", true, "", "", sys, "Main"},
        {"registry without the game", saved + "ReadPathFromRegistry=1", false, "", "", "/d/User.ini", "Main"},
        {"saved path, switches 0", "UT2003UserINIPath=/d/MyUser.ini SplashStartup=0 ShowOptionOnStartup=0", false, "",
         "", "/d/MyUser.ini", "Main"},
        {"switches 2", saved + "ReadPathFromRegistry=2 SplashStartup=2 ShowOptionOnStartup=2", true, "", "",
         "/d/User.ini", "Main"},
        {"browse accepted", options, false, "/b/User.ini", kBrowse, "/b/User.ini", "Options"},
        {"asked again", options, false, "/b/user.ini /b/User.ini", kBrowse + kImproper, "/b/User.ini", "Options"},
        {"browse cancelled", options, false, "", kBrowse, "", "Options"},
        {"splash, then options", saved + "SplashStartup=1 " + options, false, "", "", "/d/User.ini", "Splash Options"},
        {"splash, then main", saved + "SplashStartup=1", false, "", "", "/d/User.ini", "Splash Main"},
        {"no number is off", saved + "SplashStartup=abc", false, "", kMismatch, "", "Main"},
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
        QString windows = visibleWindows();
        if (frmSplash* splash = FormSlot<frmSplash>::instance()) {
            splash->Timer1_Timer();
            windows += " " + visibleWindows();
        }
        EXPECT_EQ(windows, c.windows);
        EXPECT_EQ(shown(), c.prompts);
        EXPECT_EQ(dialogRequests.empty(), !c.prompts.contains(kBrowse));
        EXPECT_EQ(UseriniPath, c.user);
        EXPECT_EQ(UT2003iniPath, c.user.isEmpty() ? "" : QString(c.user).replace("User.ini", "UT2003.ini"));
        const QByteArray after = readFile(path("Quarl.ini"));
        const bool stored = c.user == sys;
        EXPECT_EQ(stored ? iniValue(after, "Quarl_UT2003.Settings", "UT2003UserINIPath").value_or("") : after,
                  stored ? sys.toLocal8Bit() : before);
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
        EXPECT_EQ(shown(), c.error ? "64 Error " + QString(c.error) + " - Corvane While Loading Splash Form!\n" : "");
        unloadAll();
    }
}

// A path chosen in the options window goes into the settings file as UTF-8, byte for byte, its other lines
// kept, and comes back at the next start into the shared paths and the labels, shown as the text it is. A file
// that an earlier version wrote in Windows-1252 is read through that code page and turned into UTF-8 by the
// first save. Cancel and Esc after Apply write nothing more; "AutoOpenINI" (after OK) and the splash time (at
// the next start) come from the same file.
TEST_F(StartupTest, PathsRoundTripThroughTheSettingsFile) {
    const QString comment = "; réglages écrits par une version antérieure\r\n";
    const struct {
        const char* name;
        const char *programFolder, *gameFolder;
        bool ansi;        // the file before is in Windows-1252
        const char* way;  // "OK", or Apply and then "Cancel" or "Esc"
    } cases[] = {
        {"Cyrillic", "Программа", "Игры/UT2003", false, "OK"},
        {"Greek", "Πρόγραμμα", "Παιχνίδια", false, "Cancel"},
        {"CJK", "程序 設定", "ゲーム/虚幻竞技场", false, "OK"},
        {"Windows-1252 letters, stored as UTF-8 too", "Éditeur", "Jeux/été", false, "Esc"},
        {"markup", "<i>Quarl", "<u>UT</u> &amp; <b>more", false, "OK"},
        {"an earlier version's file", "Quarl", "ゲーム/Игры", true, "Cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runFrom(QString::fromUtf8(c.programFolder));
        const QString old = makeGame("Jeux/été"), system = makeGame(QString::fromUtf8(c.gameFolder));
        const QString before = comment + settingsText(settingsPath(), old, "0001", "1000");
        writeFile(path("Quarl.ini"), c.ansi ? QByteArray::fromStdString(toAnsi(before)) : before.toUtf8());
        runMain();
        ASSERT_TRUE(options() && options()->isVisible());
        EXPECT_EQ(pathLabels(),
                  QStringList({settingsPath(), old + "User.ini", old + "UT2003.ini", old + "UT2003.exe"}));
        EXPECT_EQ(OpenedUseriniPath, old + "User.ini");
        dialogAnswers = {system + "User.ini"};
        options()->cmdSetPaths[1]->click();
        for (int box : {1, 2}) options()->chkINISettings[box]->setChecked(true);
        options()->txtTimerValue->setText("2500");
        const bool ok = c.way == std::string("OK");
        QTest::mouseClick(ok ? options()->cmdOK : options()->cmdApply, Qt::LeftButton);
        EXPECT_EQ(FileIsOpen, ok);
        if (!ok) {
            options()->chkINISettings[3]->setChecked(false);
            c.way == std::string("Esc") ? QTest::keyClick(options(), Qt::Key_Escape) : options()->cmdCancel->click();
            EXPECT_FALSE(isLoaded<frmOptions>());
        }
        EXPECT_TRUE(sameBytes(readFile(path("Quarl.ini")),
                              (comment + settingsText(settingsPath(), system, "0111", "2500")).toUtf8()));

        unloadAll();
        messages.clear();
        runMain();
        EXPECT_EQ(FormSlot<frmSplash>::instance()->Timer1->interval(), 2500);
        FormSlot<frmSplash>::instance()->Timer1_Timer();
        EXPECT_EQ(shown(), "");
        ASSERT_TRUE(options() && options()->isVisible());
        const QStringList paths = {settingsPath(), system + "User.ini", system + "UT2003.ini", system + "UT2003.exe"};
        EXPECT_EQ(pathLabels(), paths);
        EXPECT_EQ(QStringList({SettingsIniPath, UseriniPath, UT2003iniPath, UT2003exePath}), paths);
        // Every label reads as its text, character for character: nothing in it is taken as markup. (What
        // assistive technology reads is what the label draws.)
        for (QLabel* label : options()->findChildren<QLabel*>())
            EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
        unloadAll();
    }
}

// Apply and then OK. A key that cannot be written keeps none of the others out of the file: every key is
// tried, and the failure is reported once per press, after the last; OK then still leads on to the main window.
// A file that cannot be written at all stays as it was, and so does every file without a player file.
// "Set Quarl.ini Path" sends the writes to the file picked: a new one holds the eight keys in the order of the
// save. An empty timer box is stored as one second.
TEST_F(StartupTest, ApplyAndOkWriteEveryKeyTheyCan) {
    const QByteArray start = settingsText("", "", "0001", "2500").toUtf8();
    const auto twice = [](const QString& error) {
        return QString("48 Error " + error + ", Corvane While Trying to Write to Quarl.ini File!\n").repeated(2);
    };
    const QString noPath = " Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)\n";
    const struct {
        const char* name;
        QByteArray settings;        // the settings file before, read-only when not UTF-8
        const char* userIni;        // the player file chosen at the load, or the saved one
        const char* otherSettings;  // "Set Quarl.ini Path" picks this, or nothing
        QString prompts;
        const char* stored;  // the folder of the player file stored, or nothing: the file stays as it was
    } cases[] = {
        {"no player file", start, nullptr, nullptr, "64" + noPath + "16" + noPath, nullptr},
        {"a line break in the player file's path", start, "a\nb/User.ini", nullptr,
         twice("Invalid procedure call or argument"), ""},
        {"settings path names a folder", start, "System/User.ini", "folder", twice("Is a directory"), nullptr},
        {"read-only file of an earlier version",
         QByteArray::fromStdString(toAnsi(settingsText("", path("été/"), "0001", "2500"))), nullptr, nullptr,
         twice("Permission denied"), nullptr},
        {"a new settings file", start, "System/User.ini", "Other.ini", "", "System/"},
    };
    QDir().mkpath(path("folder"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("Quarl.ini"));
        writeFile(path("Quarl.ini"), c.settings);
        if (c.settings != start) QFile::setPermissions(path("Quarl.ini"), QFile::ReadOwner);
        if (c.userIni) dialogAnswers = {path(c.userIni)};
        UseriniPath.clear();
        runMain();
        ASSERT_TRUE(options() && options()->isVisible());
        messages.clear();
        if (c.otherSettings) {
            dialogAnswers = {path(c.otherSettings)};
            options()->cmdSetPaths[0]->click();
        }
        options()->txtTimerValue->clear();
        options()->cmdApply->click();
        options()->cmdOK->click();
        EXPECT_EQ(shown(), c.prompts);
        EXPECT_EQ(isLoaded<frmMain>(), !UseriniPath.isEmpty());
        const QString target = path(c.otherSettings ? c.otherSettings : "Quarl.ini");
        const QByteArray stored =
            settingsText(target, c.stored && *c.stored ? path(c.stored) : "", "0001", "1000").toUtf8();
        EXPECT_TRUE(sameBytes(readFile(target), c.stored ? stored : c.otherSettings ? QByteArray() : c.settings));
        EXPECT_TRUE(sameBytes(readFile(path("Quarl.ini")), c.stored && !c.otherSettings ? stored : c.settings));
        EXPECT_TRUE(QFileInfo(path("folder")).isDir());
        unloadAll();
    }
}

}  // namespace
