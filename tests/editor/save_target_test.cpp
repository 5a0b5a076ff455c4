// Which files a save writes: always the two files of the last load that succeeded, whatever the options window
// resolves meanwhile, and nothing at all after a load or a close that stopped part-way.
#include <QtWidgets>
#include <functional>
#include <map>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/msgbox.h"

class SaveTargetTest : public GuiTest {
  protected:
    // The configured pair: A (User.ini) and the engine file in the program folder. B and C are other player files;
    // D is the name Save As copies to. Each player file names its player after itself, and holds a line of its
    // own that no save writes, so a copy tells which file it came from.
    std::vector<std::pair<QString, QString>> files() const {
        return {{"A", userIni()},
                {"B", path("B/User.ini")},
                {"C", path("C/User.ini")},
                {"D", path("D.ini")},
                {"engine", engineIni()}};
    }
    QString file(const QString& name) const {
        for (const auto& [n, f] : files())
            if (n == name) return f;
        return {};
    }
    static QByteArray playerFile(const QByteArray& name) {
        QByteArray bytes = fixtureBytes("User.ini");
        EXPECT_TRUE(replaceIniValue(bytes, "DefaultPlayer", "Name", "Player" + name));
        return bytes + "[Origin]\r\nFile=" + name + "\r\n";
    }
    void writeGameFiles() {
        for (const char* name : {"A", "B", "C"}) writeFile(file(name), playerFile(name));
        writeFile(engineIni(), fixtureBytes("UT2003.ini"));
    }
    frmMain* startWithA() {
        writeGameFiles();
        return openEditor(readFile(userIni()), readFile(engineIni()));
    }
    frmMain* main() { return qobject_cast<frmMain*>(window("frmMain")); }
    void openAnswering(const QString& path, int closeFirst) {
        msgBoxAnswers = {closeFirst};
        dialogAnswers = {path};
        main()->cmdOpen->click();  // File > Open is off while a file is open
    }
    void showOptions() { main()->mnuEditmnuUserOptions->trigger(); }
    void saveAsD() {
        dialogAnswers = {file("D")};
        main()->mnuSaveAs->trigger();
    }

    std::map<QString, QByteArray> snapshot() const {
        std::map<QString, QByteArray> bytes;
        for (const auto& [name, f] : files()) bytes[name] = readFile(f);
        return bytes;
    }
    QStringList changedSince(const std::map<QString, QByteArray>& before) const {
        QStringList changed;
        for (const auto& [name, f] : files())
            if (readFile(f) != before.at(name)) changed << name;
        return changed;
    }
};

// Each case acts through the window as a user would, edits a value of each file and saves (the toolbar's Save,
// or Save As to D); the files changed, the player named in the written file and the status tell where it went.
TEST_F(SaveTargetTest, SaveWritesIntoTheFilesThatWereLoaded) {
    struct Case {
        const char* name;
        std::function<void()> act;
        bool saveAs;
        QStringList changed;
        QByteArray origin;  // the file that the first changed file was loaded or copied from
        QString status;
    };
    const Case cases[] = {
        {"open B, options cancelled",
         [&] {
             startWithA();
             openAnswering(file("B"), vbNo);
             showOptions();
             find<QPushButton>("cmdCancel")->click();
         },
         false,
         {"B", "engine"},
         "B",
         "File Saved !"},
        {"open B, options confirmed",
         [&] {
             startWithA();
             openAnswering(file("B"), vbYes);
             showOptions();
             find<QPushButton>("cmdOK")->click();
         },
         false,
         {"B", "engine"},
         "B",
         "File Saved !"},
        {"open B, options browse to C, confirmed",
         [&] {
             startWithA();
             openAnswering(file("B"), vbNo);
             showOptions();
             dialogAnswers = {file("C")};
             find<QPushButton>("cmdSetPaths(1)")->click();
             find<QPushButton>("cmdOK")->click();
         },
         false,
         {"B", "engine"},
         "B",
         "File Saved !"},
        // Save As copies the file that is open, not the one the options window found.
        {"open B, options cancelled, Save As",
         [&] {
             startWithA();
             openAnswering(file("B"), vbNo);
             showOptions();
             find<QPushButton>("cmdCancel")->click();
         },
         true,
         {"D", "engine"},
         "B",
         "File Saved !"},
        {"started through the options window's browse, then Save As",
         [&] {
             writeGameFiles();
             writeSettings({{"AutoOpenINI", "1"}});
             OpenedUseriniPath.clear();  // as in a new process
             dialogAnswers = {userIni()};
             runMain();  // the options window asks for User.ini; the main window then opens it
         },
         true,
         {"D", "engine"},
         "A",
         "File Saved !"},
        // After a Save As that could not copy, the file that is open stays the target: no stub under the new name.
        {"Save As into a missing folder, then Save",
         [&] {
             startWithA();
             dialogAnswers = {path("Missing/User.ini")};
             main()->mnuSaveAs->trigger();
         },
         false,
         {"A", "engine"},
         "A",
         "File Saved !"},
        // A load or a close that stopped part-way leaves mixed values or placeholders: nothing may be saved.
        {"a second load, answered No, stopped part-way",
         [&] {
             startWithA();
             QByteArray damaged = readFile(file("B"));
             ASSERT_TRUE(replaceIniValue(damaged, "Engine.Hud", "HudScale", "abc"));
             writeFile(file("B"), damaged);
             openAnswering(file("B"), vbNo);
         },
         false,
         {},
         {},
         "Opening File..."},
        {"a close stopped part-way",
         [&] {
             startWithA();
             QFile::remove(path("players/jpgs/no_image.jpg"));
             main()->mnuFileClose->trigger();
         },
         false,
         {},
         {},
         "Closing File..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        const auto before = snapshot();
        messages.clear();
        find<QLineEdit>("txtStatsName")->setText("Edited");
        find<QSlider>("slideGamma")->triggerAction(QSlider::SliderSingleStepAdd);
        if (c.saveAs)
            saveAsD();
        else
            main()->cmdSave->click();
        EXPECT_EQ(changedSince(before), c.changed);
        EXPECT_EQ(main()->statusPanels[1]->text(), c.status);
        if (!c.changed.isEmpty()) {
            EXPECT_TRUE(messages.empty());
            const QByteArray written = readFile(file(c.changed[0]));
            EXPECT_EQ(iniValue(written, "DefaultPlayer", "Name"), "Player" + c.origin);
            EXPECT_EQ(iniValue(written, "Origin", "File"), c.origin);
            EXPECT_EQ(iniValue(written, "Engine.PlayerController", "StatsUsername"), QByteArray("Edited"));
        } else {
            // The toolbar's Save answers with its message, and the menus are those of the no-file state.
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, "A file has to open before you can save. Please Open a File.");
            EXPECT_FALSE(FileIsOpen);
            EXPECT_FALSE(main()->mnuFileSave->isEnabled());
            EXPECT_TRUE(main()->mnuFileOpen->isEnabled());
        }
        unloadAll();
        QFile::remove(file("D"));
        QFile::copy(CORVANE_DATA "/players/jpgs/no_image.jpg", path("players/jpgs/no_image.jpg"));
    }
}
