// The program's own settings file keeps the paths of this machine whatever characters they hold: written as
// UTF-8 by the options window, read back by the next start, a file of an earlier version in Windows-1252 read
// as it was meant, a key that cannot be written reported once without keeping the others out, and paths shown
// as the text they are.
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "platform/qt/text.h"

// Paths print as text in a failure, not as arrays of code units.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using Keys = QList<QPair<QString, QString>>;

const QString kWriteFailure = QStringLiteral("48 Error %1, Corvane While Trying to Write to Quarl.ini File!");

// A settings file's text: the section's header and then the keys in the order given, CR LF after each line.
QString settingsText(const Keys& keys) {
    QString text = QStringLiteral("[Quarl_UT2003.Settings]\r\n");
    for (const auto& [key, value] : keys) text += key + QChar('=') + value + QStringLiteral("\r\n");
    return text;
}

// The eight keys in the order of the save; switches holds the four check boxes' digits.
Keys eightKeys(const QString& quarl, const QString& user, const QString& exe, const QString& switches,
               const QString& splashTime) {
    Keys keys = {{"QuarliniPath", quarl}, {"UT2003UserINIPath", user}, {"GamePath", exe}};
    const char* names[] = {"ReadPathFromRegistry", "SplashStartup", "AutoOpenINI", "ShowOptionOnStartup"};
    for (int i = 0; i < 4; ++i) keys.append({names[i], switches.mid(i, 1)});
    keys.append({"SplashTimeMsec", splashTime});
    return keys;
}

class SettingsFileTest : public GuiTest {
  protected:
    // The program runs from a folder of the given name: a link to the test's program folder, so that the
    // program's data is there and "Quarl.ini" is the test's own.
    void runFrom(const QString& folderName) {
        ASSERT_TRUE(links_.isValid());
        programFolder_ = links_.path() + QChar('/') + folderName;
        ASSERT_TRUE(QFile::link(programDir(), programFolder_));
        setProgramFolder(programFolder_);
    }
    QString settingsPath() const { return programFolder_ + QStringLiteral("/Quarl.ini"); }
    QString settingsFile() const { return path(QStringLiteral("Quarl.ini")); }
    // A game's System folder of the given name, with files that load without a message.
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
    // Every label of the options window reads as its text, character for character: nothing in it is taken
    // as markup. (What assistive technology reads is what the label draws.)
    static void expectLabelsShowTheirText() {
        for (QLabel* label : options()->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
        }
    }
    void startAgain() {
        unloadAll();
        UseriniPath.clear();
        UT2003iniPath.clear();
        UT2003exePath.clear();
        messages.clear();
        runMain();
    }

  private:
    QTemporaryDir links_;
    QString programFolder_;
};

// A path chosen in the options window goes into the settings file as UTF-8, byte for byte, and comes back at
// the next start into the shared paths and the labels, shown as the text it is. The main window's
// "AutoOpenINI" (after OK) and the splash time (at the next start) are read from the same file.
TEST_F(SettingsFileTest, PathsRoundTripThroughTheSettingsFile) {
    const struct {
        const char* name;
        const char* programFolder;
        const char* gameFolder;
        bool ok;  // else Apply, then Cancel
    } cases[] = {
        {"Cyrillic", "Программа", "Игры/UT2003", true},
        {"Greek", "Πρόγραμμα", "Παιχνίδια", false},
        {"CJK", "程序 設定", "ゲーム/虚幻竞技场", true},
        {"Windows-1252 letters, stored as UTF-8 too", "Éditeur", "Jeux/été", false},
        {"markup", "<i>Quarl", "<u>UT</u> &amp; <b>more", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runFrom(QString::fromUtf8(c.programFolder));
        const QString system = makeGame(QString::fromUtf8(c.gameFolder));
        const QString user = system + "User.ini", engine = system + "UT2003.ini", exe = system + "UT2003.exe";
        writeFile(settingsFile(), settingsText(eightKeys("", "", "", "0001", "1000")).toUtf8());
        dialogAnswers = {user};
        runMain();
        ASSERT_TRUE(options() && options()->isVisible());
        options()->chkINISettings[1]->setChecked(true);
        options()->chkINISettings[2]->setChecked(true);
        options()->txtTimerValue->setText("2500");
        QTest::mouseClick(c.ok ? options()->cmdOK : options()->cmdApply, Qt::LeftButton);
        EXPECT_EQ(FileIsOpen, c.ok);
        EXPECT_TRUE(sameBytes(readFile(settingsFile()),
                              settingsText(eightKeys(settingsPath(), user, exe, "0111", "2500")).toUtf8()));

        startAgain();
        EXPECT_EQ(shown(), QStringList());
        EXPECT_EQ(FormSlot<frmSplash>::instance()->Timer1->interval(), 2500);
        FormSlot<frmSplash>::instance()->Timer1_Timer();
        ASSERT_TRUE(options() && options()->isVisible());
        EXPECT_EQ(pathLabels(), QStringList({settingsPath(), user, engine, exe}));
        EXPECT_EQ(UseriniPath, user);
        EXPECT_EQ(UT2003iniPath, engine);
        EXPECT_EQ(UT2003exePath, exe);
        expectLabelsShowTheirText();
        unloadAll();
    }
}

// A settings file that an earlier version wrote in Windows-1252 is read through that code page, so its paths
// are what they were. The first save turns the whole file into UTF-8, its other lines kept, so that a new path
// of any script stands beside them and reads back.
TEST_F(SettingsFileTest, AnEarlierVersionsFileIsReadAndThenKeptAsUtf8) {
    runFrom("Quarl");
    const QString old = makeGame("Jeux/été");
    const QString comment = "; réglages écrits par une version antérieure";
    const Keys oldKeys = eightKeys(settingsPath(), old + "User.ini", old + "UT2003.exe", "0001", "1000");
    writeFile(settingsFile(), QByteArray::fromStdString(toAnsi(comment + "\r\n" + settingsText(oldKeys))));
    runMain();
    EXPECT_EQ(shown(), QStringList());
    EXPECT_EQ(pathLabels(), QStringList({settingsPath(), old + "User.ini", old + "UT2003.ini", old + "UT2003.exe"}));
    EXPECT_EQ(OpenedUseriniPath, old + "User.ini");

    const QString system = makeGame("ゲーム/Игры");
    dialogAnswers = {system + "User.ini"};
    QTest::mouseClick(options()->cmdSetPaths[1], Qt::LeftButton);
    QTest::mouseClick(options()->cmdApply, Qt::LeftButton);
    const Keys newKeys = eightKeys(settingsPath(), system + "User.ini", system + "UT2003.exe", "0001", "1000");
    EXPECT_TRUE(sameBytes(readFile(settingsFile()), (comment + "\r\n" + settingsText(newKeys)).toUtf8()));

    startAgain();
    EXPECT_EQ(shown(), QStringList());
    EXPECT_EQ(UseriniPath, system + "User.ini");
    EXPECT_EQ(pathLabels()[3], system + "UT2003.exe");
}

// A read gives the value as stored, cut to 2047 characters (never inside a character), or the default.
TEST_F(SettingsFileTest, ReadSettingGivesWholeCharacters) {
    const QString cjk(3000, QChar(0x7A0B)), emoji = QString::fromUtf8("\xF0\x9F\x8E\xAE");
    const struct {
        const char* name;
        QByteArray file;
        QString value;  // of key "K", read with default "d"
    } cases[] = {
        {"long UTF-8 value", ("[Quarl_UT2003.Settings]\r\nK=" + cjk).toUtf8(), cjk.left(2047)},
        {"a pair of code units at the cut", ("[Quarl_UT2003.Settings]\nK=" + QString(2046, 'x') + emoji).toUtf8(),
         QString(2046, 'x')},
        {"Windows-1252", "[Quarl_UT2003.Settings]\nK=C:\\Jeux\xe9\\\x80", "C:\\Jeux\u00e9\\\u20ac"},
        {"empty value", "[Quarl_UT2003.Settings]\nK=", ""},
        {"missing key", ("[Quarl_UT2003.Settings]\nL=" + cjk).toUtf8(), "d"},
    };
    SettingsIniPath = path("settings.ini");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(SettingsIniPath, c.file);
        EXPECT_EQ(ReadSetting("K", "d"), c.value);
    }
}

// A key that cannot be written keeps none of the others out of the file: every key is tried, and the failure
// is reported once, after the last. A file that cannot be written at all stays as it was.
TEST_F(SettingsFileTest, AKeyThatCannotBeWrittenIsReportedOnceAfterTheOthers) {
    runFrom("Quarl");
    const QString start = settingsText(eightKeys("", "", "", "0001", "1000"));
    const struct {
        const char* name;
        QByteArray settings;        // the settings file before
        bool readOnly;              // the settings file has no write permission
        const char* userIni;        // the player file chosen (under the program folder), or the saved one
        const char* otherSettings;  // "Set Quarl.ini Path" picks this (under the program folder), or nothing
        const char* error;          // the description in the one message
        bool written;               // the keys that can be written are in the file
    } cases[] = {
        {"a line break in the player file's path", start.toUtf8(), false, "a\nb/User.ini", nullptr,
         "Invalid procedure call or argument", true},
        {"settings path names a folder", start.toUtf8(), false, "System/User.ini", "folder", "Is a directory", false},
        {"read-only file of an earlier version",
         QByteArray::fromStdString(toAnsi(settingsText(eightKeys("", path("été/User.ini"), "", "0001", "1000")))), true,
         nullptr, nullptr, "Permission denied", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(settingsFile());
        writeFile(settingsFile(), c.settings);
        if (c.readOnly) QFile::setPermissions(settingsFile(), QFile::ReadOwner);
        QDir().mkpath(path("folder"));
        if (c.userIni) dialogAnswers = {path(c.userIni)};
        runMain();
        ASSERT_TRUE(options() && options()->isVisible());
        messages.clear();
        if (c.otherSettings) {
            dialogAnswers = {path(c.otherSettings)};
            QTest::mouseClick(options()->cmdSetPaths[0], Qt::LeftButton);
        }
        options()->txtTimerValue->setText("2500");
        QTest::mouseClick(options()->cmdApply, Qt::LeftButton);
        EXPECT_EQ(shown(), QStringList({kWriteFailure.arg(c.error)}));
        const QByteArray expected =
            c.written ? settingsText(eightKeys(settingsPath(), "", "", "0001", "2500")).toUtf8() : c.settings;
        EXPECT_TRUE(sameBytes(readFile(settingsFile()), expected));
        EXPECT_TRUE(QFileInfo(path("folder")).isDir());
        unloadAll();
    }
}

}  // namespace
