// The main window's frame: caption, status bar with the progress bar in its first panel, the optional automatic
// open, the unload and File > Exit, and File > Close's shortcut.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

using KeyList = QList<QPair<QString, QString>>;

class FrameTest : public GuiTest {
  protected:
    // Starts the program on the main window, with the fixture game files beside a settings file that points at
    // them, plus more keys.
    frmMain* start(const KeyList& keys = {}) {
        for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath, &SettingsIniPath})
            shared->clear();
        FileIsOpen = false;
        copyFixture("User.ini"), copyFixture("UT2003.ini");
        writeSettings(KeyList{{"UT2003UserINIPath", userIni()}} + keys);
        runMain();
        QCoreApplication::sendPostedEvents();  // lets the status bar lay out its panels
        return FormSlot<frmMain>::instance();
    }
};

TEST_F(FrameTest, CaptionStatusBarAndProgressBar) {
    frmMain* main = start();
    EXPECT_EQ(main->windowTitle(), "///Quarl's Corvane :: Version 1.0.0");
    // Four panels side by side: the bar's, the status text taking the free width, two more.
    const auto& panels = main->statusPanels;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panels[i]->parentWidget(), main->sbStatusBar) << i;
        EXPECT_TRUE(panels[i]->isVisible()) << i;
        if (i > 0) {
            EXPECT_LT(panels[i - 1]->geometry().right(), panels[i]->x()) << i;
        }
    }
    EXPECT_EQ(panels[0]->width(), 150);
    EXPECT_GT(panels[1]->width(), panels[2]->width());
    EXPECT_GE(std::min(panels[2]->width(), panels[3]->width()), 96);
    QProgressBar* bar = main->ProgressBar1;
    // The bar lies over the first panel, one pixel in from its left edge and from the status bar's top edge, down
    // to the status bar's bottom edge.
    EXPECT_EQ(bar->parentWidget(), main->sbStatusBar);
    EXPECT_EQ(bar->geometry(), QRect(panels[0]->x() + 1, 1, 148, main->sbStatusBar->height() - 1));
    EXPECT_EQ(QList<int>({bar->minimum(), bar->maximum(), bar->value()}), QList<int>({0, 10000, 0}));
    main->setProgress(10000);
    const QColor middle = bar->grab().toImage().pixelColor(bar->width() / 2, bar->height() / 2);
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 60);
    EXPECT_LT(middle.blue(), 60);
    // View > Status Bar hides the bar with its panel and shows them again.
    for (const bool shown : {false, true}) {
        main->mnuViewStatusBar->trigger();
        EXPECT_EQ(main->mnuViewStatusBar->isChecked(), shown);
        EXPECT_EQ(main->sbStatusBar->isVisible(), shown);
        EXPECT_EQ(bar->isVisible(), shown);
    }
}

// "AutoOpenINI" = 1 opens the game files at the end of the load; anything else leaves the no-file state.
TEST_F(FrameTest, AutoOpenINI) {
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"0", false}, {nullptr, false}};  // nullptr: no key
    for (const auto& [value, opens] : cases) {
        SCOPED_TRACE(value ? value : "(missing)");
        frmMain* main = start(value ? KeyList{{"AutoOpenINI", value}} : KeyList{});
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(FileIsOpen, opens);
        EXPECT_EQ(main->lblOFile->text(), opens ? userIni() : "NO File Open");
        EXPECT_TRUE(messages.empty());
        unloadAll();
    }
}

// Closing the main window, or File > Exit, unloads every other window; before that each window renders once
// (kept in the temporary folder's "corvane-shots", not compared).
TEST_F(FrameTest, UnloadTakesTheOtherWindowsAlong) {
    const QString shots = QDir::tempPath() + "/corvane-shots";
    QDir().mkpath(shots);
    for (const bool exit : {false, true}) {
        frmMain* main = start({{"AutoOpenINI", "1"}});
        main->mnuAliasLNCH->trigger();
        main->mnuAliasLNCH->trigger();  // brings the same window forward
        main->mnuSpeechLNCH->trigger();
        main->mnuEditmnuUserOptions->trigger();
        ASSERT_EQ(forms::loadedForms().size(), 4);
        for (Form* form : forms::loadedForms())
            EXPECT_TRUE(exit || form->widget()->grab().save(shots + "/" + form->widget()->objectName() + ".png"));
        exit ? main->mnuFileExit->trigger() : (void)main->close();
        EXPECT_TRUE(forms::loadedForms().isEmpty()) << exit;
        EXPECT_TRUE(messages.empty()) << exit;
        // Before the closed windows are destroyed, a new start's windows are the only ones found by name.
        EXPECT_EQ(window("frmMain"), nullptr);
        EXPECT_EQ(window("frmMain"), start());
        unloadAll();
    }
}

// File > Close's Ctrl+C acts even from a text box, where it would otherwise copy.
TEST_F(FrameTest, CtrlCInATextBoxClosesTheFile) {
    frmMain* main = start({{"AutoOpenINI", "1"}});
    ASSERT_TRUE(FileIsOpen);
    auto* text = main->findChild<QLineEdit*>("txtPlayerName");
    QApplication::setActiveWindow(main);
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(main->statusPanels[1]->text(), "File Closed !");
    EXPECT_TRUE(messages.empty());
}
