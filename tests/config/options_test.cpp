// The options window and the program's own settings file, which keeps the paths of this machine whatever
// characters they hold: written as UTF-8, read back by the next start, a file of an earlier version in
// Windows-1252 read as it was meant, a key that cannot be written reported without keeping the others out, and
// paths shown as the text they are.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "platform/qt/text.h"

// Paths print as text in a failure, not as arrays of code units.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using Keys = QList<QPair<QString, QString>>;

// A settings file's text: the section's header and then the keys in the order given, CR LF after each line.
QString settingsText(const Keys& keys) {
    QString text = QStringLiteral("[Quarl_UT2003.Settings]\r\n");
    for (const auto& [key, value] : keys) text += key + QChar('=') + value + QStringLiteral("\r\n");
    return text;
}

// The eight keys in the order of the save, for a player file in the folder system; switches holds the four
// check boxes' digits.
QString settingsText(const QString& quarl, const QString& system, const QString& switches, const QString& time) {
    const QString user = system.isEmpty() ? "" : system + "User.ini",
                  exe = system.isEmpty() ? "" : system + "UT2003.exe";
    Keys keys = {{"QuarliniPath", quarl}, {"UT2003UserINIPath", user}, {"GamePath", exe}};
    const char* names[] = {"ReadPathFromRegistry", "SplashStartup", "AutoOpenINI", "ShowOptionOnStartup"};
    for (int i = 0; i < 4; ++i) keys.append({names[i], switches.mid(i, 1)});
    return settingsText(keys << QPair<QString, QString>("SplashTimeMsec", time));
}

class OptionsTest : public GuiTest {
  protected:
    // The program runs from a folder of the given name: a link to the test's program folder, so that the
    // program's data is there and "Quarl.ini" is the test's own.
    void runFrom(const QString& folderName) {
        ASSERT_TRUE(links_.isValid());
        ASSERT_TRUE(QFile::link(programDir(), links_.path() + QChar('/') + folderName));
        setProgramFolder(links_.path() + QChar('/') + folderName);
    }
    static QString settingsPath() { return joinPath(programFolder(), QStringLiteral("Quarl.ini")); }
    QString settingsFile() const { return path(QStringLiteral("Quarl.ini")); }
    // A game's System folder (with its closing separator), with files that load without a message.
    QString makeGame(const QString& folderName) const {
        const QString folder = path(folderName + QStringLiteral("/System/"));
        writeFile(folder + QStringLiteral("User.ini"), quietPlayerFile());
        writeFile(folder + QStringLiteral("UT2003.ini"), quietEngineFile());
        return folder;
    }
    static frmOptions* options() { return FormSlot<frmOptions>::instance(); }
    QStringList shown() const {
        QStringList list;
        for (const ShownMessage& m : messages) list << QString::number(m.style) + QChar(' ') + m.prompt;
        return list;
    }
    // The options window's four path labels.
    static QStringList pathLabels() {
        QStringList texts;
        for (QLabel* label : options()->lblPathStr) texts << label->text();
        return texts;
    }

  private:
    QTemporaryDir links_;
};

// A path chosen in the options window goes into the settings file as UTF-8, byte for byte, its other lines
// kept, and comes back at the next start into the shared paths and the labels, shown as the text it is. A file
// that an earlier version wrote in Windows-1252 is read through that code page and turned into UTF-8 by the
// first save. Cancel and Esc after Apply write nothing more; "AutoOpenINI" (after OK) and the splash time (at
// the next start) come from the same file.
TEST_F(OptionsTest, PathsRoundTripThroughTheSettingsFile) {
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
        writeFile(settingsFile(), c.ansi ? QByteArray::fromStdString(toAnsi(before)) : before.toUtf8());
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
        EXPECT_TRUE(sameBytes(readFile(settingsFile()),
                              (comment + settingsText(settingsPath(), system, "0111", "2500")).toUtf8()));

        unloadAll();
        messages.clear();
        runMain();
        EXPECT_EQ(shown(), QStringList());
        EXPECT_EQ(FormSlot<frmSplash>::instance()->Timer1->interval(), 2500);
        FormSlot<frmSplash>::instance()->Timer1_Timer();
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
TEST_F(OptionsTest, ApplyAndOkWriteEveryKeyTheyCan) {
    const QByteArray start = settingsText("", "", "0001", "2500").toUtf8();
    const auto twice = [](const QString& error) {
        return QStringList(2, "48 Error " + error + ", Corvane While Trying to Write to Quarl.ini File!");
    };
    const QString noPath = "Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)";
    const struct {
        const char* name;
        QByteArray settings;        // the settings file before, read-only when not UTF-8
        const char* userIni;        // the player file chosen at the load, or the saved one
        const char* otherSettings;  // "Set Quarl.ini Path" picks this, or nothing
        QStringList prompts;
        const char* stored;  // the folder of the player file stored, or nothing: the file stays as it was
    } cases[] = {
        {"no player file", start, nullptr, nullptr, {"64 " + noPath, "16 " + noPath}, nullptr},
        {"a line break in the player file's path", start, "a\nb/User.ini", nullptr,
         twice("Invalid procedure call or argument"), ""},
        {"settings path names a folder", start, "System/User.ini", "folder", twice("Is a directory"), nullptr},
        {"read-only file of an earlier version",
         QByteArray::fromStdString(toAnsi(settingsText("", path("été/"), "0001", "2500"))), nullptr, nullptr,
         twice("Permission denied"), nullptr},
        {"a new settings file", start, "System/User.ini", "new/Quarl.ini", {}, "System/"},
    };
    QDir().mkpath(path("folder"));
    QDir().mkpath(path("new"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(settingsFile());
        writeFile(settingsFile(), c.settings);
        if (c.settings != start) QFile::setPermissions(settingsFile(), QFile::ReadOwner);
        if (c.userIni) dialogAnswers = {path(c.userIni)};
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
        EXPECT_EQ(isLoaded<frmMain>(), c.userIni || c.otherSettings || c.settings != start);
        const QString target = c.otherSettings ? path(c.otherSettings) : settingsFile();
        const QByteArray stored =
            settingsText(target, c.stored && *c.stored ? path(c.stored) : "", "0001", "1000").toUtf8();
        EXPECT_TRUE(sameBytes(readFile(settingsFile()), c.stored && !c.otherSettings ? stored : c.settings));
        if (c.stored && c.otherSettings) {
            EXPECT_TRUE(sameBytes(readFile(target), stored));
        }
        EXPECT_TRUE(QFileInfo(path("folder")).isDir());
        unloadAll();
    }
}

}  // namespace
