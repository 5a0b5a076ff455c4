// What a load shows and a save writes come from the loaded files and the user alone: a file loaded after another
// one (with or without a close between) shows and saves exactly what it shows and saves when it is the first; a
// save with no edit keeps what every setting means; a save writes all of its keys or none; Save As never replaces
// the engine file; the viewer shows the files that are open.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

// The fixture pair with some keys set: "[section] key=value" each, a key written "key" is removed.
QByteArray fixtureWith(const char* fixture, const QStringList& settings) {
    QByteArray bytes = fixtureBytes(fixture);
    for (const QString& setting : settings) bytes = withSetting(bytes, setting);
    return bytes;
}
}  // namespace

using LoadedFilesTest = GuiTest;

// Each B is loaded from a fresh start, then after A with File > Open answered No, then after A and a close. A holds
// every key, with values that B's unrecognised or missing ones must not inherit: the Lightning Gun in row 12,
// Direct3D at 1024 x 768, full screen, 16-bit colour, dynamic lighting. After each load every control shows what the
// fresh start showed (but for the placeholders of the moment: a close's texts where the start's stood), the same
// messages come, and a save with no edit writes the same bytes into both files.
TEST_F(LoadedFilesTest, ALoadShowsAndSavesOnlyWhatItsFilesHold) {
    const QByteArray userA = fixtureWith("User.ini",
                                         {"[XWeapons.SniperRifle] Priority=12", "[XWeapons.Redeemer] Priority=10"}),
                     engineA = fixtureWith("UT2003.ini", {"[D3DDrv.D3DRenderDevice] Use16bit=True",
                                                          "[WinDrv.WindowsClient] NoLighting=True",
                                                          "[WinDrv.WindowsClient] NoDynamicLights=False"});
    struct B {
        const char* name;
        QByteArray user, engine;
    };
    const B cases[] = {
        // No weapon claims row 12: the Redeemer at 13 is left out, the others hold 1 to 11.
        {"row 12 unclaimed", fixtureWith("User.ini", {"[XWeapons.Redeemer] Priority=13"}), fixtureBytes("UT2003.ini")},
        {"unknown device and resolution", fixtureBytes("User.ini"),
         fixtureWith("UT2003.ini", {"[Engine.Engine] RenderDevice=Foo.BarRenderDevice",
                                    "[WinDrv.WindowsClient] FullscreenViewportX=1152",
                                    "[WinDrv.WindowsClient] FullscreenViewportY=864"})},
        {"no full screen, no colour depth, no lighting", fixtureBytes("User.ini"),
         fixtureWith("UT2003.ini", {"[WinDrv.WindowsClient] StartupFullscreen", "[D3DDrv.D3DRenderDevice] Use16bit=x",
                                    "[WinDrv.WindowsClient] NoDynamicLights=False"})},
        // Every key of every group missing but the weapon list, which a load cannot do without.
        {"missing keys", quietPlayerFile(), QByteArray()},
    };
    // The placeholders that differ by moment: the text a list shows without a position, at start and after a close.
    const QMap<QString, QPair<QString, QString>> placeholders = {
        {"cboResolution", {"\"Resolution\"", "\"NO File Open\""}},
        {"txtFileView", {"\"No File Open\"", "\"NO File Open\""}}};
    const QString load = "answer {dir}/User.ini; trigger mnuFileOpen";
    const QString routes[] = {"", "start AutoOpenINI=1; answer No; answer {dir}/User.ini; click cmdOpen",
                              "start AutoOpenINI=1; trigger mnuFileClose; " + load};
    for (const B& b : cases) {
        SCOPED_TRACE(b.name);
        QMap<QString, QString> first;
        std::string firstMessages;
        QByteArray firstSaved[2];
        for (const QString& route : routes) {
            SCOPED_TRACE(route.toStdString());
            writeFile(userIni(), userA);
            writeFile(engineIni(), engineA);
            if (!route.isEmpty()) act(route.section("; ", 0, 0));
            messages.clear();
            writeFile(userIni(), b.user);
            writeFile(engineIni(), b.engine);
            act(route.isEmpty() ? "start; " + load : route.section("; ", 1));
            // The question whether to close the file that is open comes before the load.
            if (!messages.empty() && messages.front().style == 68) messages.erase(messages.begin());
            const QMap<QString, QString> shown = describeControls(mainWindow());
            act("trigger mnuFileSave");
            const QByteArray saved[2] = {readFile(userIni()), readFile(engineIni())};
            if (route.isEmpty()) {
                first = shown, firstMessages = shownMessages();
                firstSaved[0] = saved[0], firstSaved[1] = saved[1];
                EXPECT_TRUE(FileIsOpen);
            } else {
                for (auto control = first.begin(); control != first.end(); ++control) {
                    // The date and the time.
                    if (control.key() == "sbStatusPanel3" || control.key() == "sbStatusPanel4") continue;
                    const QString is = shown.value(control.key());
                    const auto moment = placeholders.value(control.key());
                    if (is != control.value() && !(control.value().startsWith(moment.first + ' ') &&
                                                   is == moment.second + control.value().mid(moment.first.size())))
                        ADD_FAILURE() << qPrintable(control.key()) << ": " << qPrintable(is) << "\n  fresh "
                                      << qPrintable(control.value());
                }
                EXPECT_EQ(shownMessages(), firstMessages);
                EXPECT_TRUE(sameBytes(saved[0], firstSaved[0])) << "User.ini";
                EXPECT_TRUE(sameBytes(saved[1], firstSaved[1])) << "UT2003.ini";
            }
            unloadAll();
        }
    }
}

// A load and a save with no edit may change a value's form, never its meaning. Lists saved by their position take
// no typed text: text equal to an item chooses it, any other text gives way to the chosen item when the focus leaves
// (Tab) or the save starts.
TEST_F(LoadedFilesTest, AnUntouchedOrTypedOverListSavesWhatItsFileMeant) {
    const std::tuple<const char*, const char*, Qt::Key, const char*, const char*> cases[] = {
        {"cboMssgSetup(0)", "xyz", Qt::Key_Tab, "4", "ConsoleMessageCount=4"},
        {"cboMssgSetup(1)", "7", Qt::Key_unknown, "7", "ConsoleFontSize=1"},
        {"cboMssgSetup(2)", "-1", Qt::Key_unknown, "0", "MessageFontOffset=0"},
        {"cboCrossSelect", "Dot", Qt::Key_Tab, "Dot", "CrosshairStyle=5"},
        {"cboCrossSelect", "Dots", Qt::Key_unknown, "Cross (4)", "CrosshairStyle=3"},
    };
    for (const auto& [name, typed, finish, shown, saved] : cases) {
        SCOPED_TRACE(name + std::string(" ") + typed);
        unloadAll();
        frmMain* main = openEditorWithFixtures();
        QApplication::setActiveWindow(main);
        auto* list = control<QComboBox>(name);
        if (!list) continue;
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
        if (finish != Qt::Key_unknown) {
            QTest::keyClick(list->lineEdit(), finish);
            EXPECT_EQ(list->currentText(), shown);
        }
        main->mnuFileSave_Click();
        EXPECT_EQ(list->currentText(), shown);
        EXPECT_TRUE(sectionLines(readFile(userIni()), "Engine.Hud").contains(saved));
        EXPECT_TRUE(messages.empty());
    }
}

// A save that cannot write one of its keys writes none: a character the game files' code page cannot hold, in any
// kind of box, stops it before the first write, with a message that names the key and the character; a read-only
// file stops it only when the save would change that file.
TEST_F(LoadedFilesTest, ASaveWritesAllOfItsKeysOrNone) {
    const QString failed =
        "64 | Error %1 - Corvane While Trying To Save File!\\r Make Sure File is a Valid User.ini or "
        "User.ini Type File!";
    const QString character =
        "Character \"%1\" (U+%2) cannot be written to key \"%3\": it is not in the game files' "
        "code page (Windows-1252)";
    // Steps after the load of the fixture pair, which files the save changes, the message. Each box comes after an
    // edit that the save writes before it.
    const std::tuple<QString, QString, QString> cases[] = {
        {"text txtStatsPW \"pass\"; text txtPlayerName \"Ŝam\"", "", character.arg("Ŝ", "015C", "Name")},
        {"text txtStatsName Edited; text txtAlias(3) \"say €uro ✓\"", "", character.arg("✓", "2713", "Aliases[3]")},
        {"text txtStatsName Edited; text txtKeyLetters(0) \"jump 😀\"", "", character.arg("😀", "1F600", "A")},
        {"slide slideGamma +1; text cboTexDetail(2) \"Hígh→\"", "",
         character.arg("→", "2192", "TextureDetailWeaponSkin")},
        // A file the save leaves as it is need not be writable: some players keep one read-only.
        {"readonly UT2003.ini; text txtPlayerName Edited", "User.ini", ""},
        {"readonly UT2003.ini; text txtPlayerName Edited; slide slideGamma +1", "", "Permission denied"},
        {"readonly User.ini; slide slideGamma +1", "UT2003.ini", ""},
        {"readonly User.ini; readonly UT2003.ini", "", ""},
    };
    for (const auto& [steps, changed, message] : cases) {
        SCOPED_TRACE(steps.toStdString());
        // The pair as a first save leaves it, so that an untouched save changes nothing.
        act("open; trigger mnuFileSave");
        const QByteArray before[2] = {readFile(userIni()), readFile(engineIni())};
        messages.clear();
        act(steps + "; trigger mnuFileSave");
        EXPECT_EQ(shownMessages(), message.isEmpty() ? "" : failed.arg(message).toStdString());
        EXPECT_EQ(find<QLabel>("sbStatusPanel2")->text(), message.isEmpty() ? "File Saved !" : "Saving File...");
        QStringList differ;
        if (readFile(userIni()) != before[0]) differ << "User.ini";
        if (readFile(engineIni()) != before[1]) differ << "UT2003.ini";
        EXPECT_EQ(differ.join(' '), changed);
        unloadAll();
        for (const QString& file : {userIni(), engineIni()})
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }
}

// A pair whose names are as long as the file system allows (the player file's 250 bytes, the engine file's 252) is
// saved like any other: the hidden file of each write has a name that fits, and none is left behind.
TEST_F(LoadedFilesTest, APairWithTheLongestNamesIsSaved) {
    const QString stem = path(QString(242, QChar('n')));
    const QString user = stem + "User.ini", engine = stem + "UT2003.ini";
    writeFile(user, fixtureBytes("User.ini"));
    writeFile(engine, fixtureBytes("UT2003.ini"));
    act("start AutoOpenINI=1 UT2003UserINIPath=" + user +
        "; text txtPlayerName Edited; slide slideGamma +1; "
        "trigger mnuFileSave");
    EXPECT_EQ(shownMessages(), "");
    EXPECT_EQ(find<QLabel>("sbStatusPanel2")->text(), "File Saved !");
    EXPECT_EQ(iniValue(readFile(user), "DefaultPlayer", "Name"), "Edited");
    EXPECT_EQ(iniValue(readFile(engine), "WinDrv.WindowsClient", "Gamma"), "0.81");
    EXPECT_EQ(QDir(programDir()).entryList(QDir::Hidden | QDir::Files).filter(".corvane-"), QStringList());
}

// Save As onto the engine file that is open, or onto any file named as engine files are, is refused before anything
// changes, with Save As's message naming the chosen file.
TEST_F(LoadedFilesTest, SaveAsNeverReplacesTheEngineFile) {
    writeFile(path("Other/ut2003.INI"), "[Engine.Engine]\r\n");
    QDir().mkpath(path("Link"));
    QFile::link(engineIni(), path("Link/Engine.ini"));
    for (const QString target : {"{dir}/UT2003.ini", "{dir}/Other/ut2003.INI", "{dir}/Link/Engine.ini"}) {
        SCOPED_TRACE(target.toStdString());
        act("open");
        const QByteArray before[3] = {readFile(userIni()), readFile(engineIni()), readFile(path("Other/ut2003.INI"))};
        act("answer " + target + "; trigger mnuSaveAs");
        EXPECT_EQ(shownMessages(),
                  "48 | Error The engine settings file cannot be replaced by a copy of the player "
                  "file-Corvane while trying to Save File as \\r" +
                      target.toStdString() + " !");
        EXPECT_EQ(readFile(userIni()) + readFile(engineIni()) + readFile(path("Other/ut2003.INI")),
                  before[0] + before[1] + before[2]);
        EXPECT_EQ(UseriniPath, userIni());
        EXPECT_EQ(find<QLabel>("lblOFile")->text(), userIni());
        unloadAll();
        messages.clear();
    }
}

// While a file is open the viewer shows the files that were loaded, whatever the options window resolved since.
TEST_F(LoadedFilesTest, TheViewerShowsTheLoadedFiles) {
    writeFile(path("B/User.ini"), fixtureBytes("User.ini") + "; the second player file\r\n");
    copyFixture("User.ini");
    copyFixture("UT2003.ini");
    act("start AutoOpenINI=1; answer No; answer {dir}/B/User.ini; click cmdOpen; trigger mnuEditmnuUserOptions; "
        "click cmdCancel; click optINIFile(0); click cmdOpenRefresh");
    EXPECT_TRUE(find<QPlainTextEdit>("txtFileView")->toPlainText().endsWith("; the second player file\n"));
    EXPECT_EQ(find<QLabel>("lblOFile")->text(), path("B/User.ini"));
}
