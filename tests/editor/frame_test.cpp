// The main window's frame: caption, status bar with the progress bar in its first panel, the optional automatic
// open, the unload and File > Exit, and File > Close's shortcut.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

class FrameTest : public GuiTest {
  protected:
    // Starts the program on the main window, with the fixture game files beside a settings file that points at
    // them, plus more keys.
    frmMain* start(const QString& keys = {}) {
        copyFixture("User.ini"), copyFixture("UT2003.ini");
        writeSettings("UT2003UserINIPath=" + userIni() + " " + keys);
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
        EXPECT_TRUE(panels[i]->parentWidget() == main->sbStatusBar && panels[i]->isVisible()) << i;
        EXPECT_TRUE(i == 0 || panels[i - 1]->geometry().right() < panels[i]->x()) << i;
    }
    EXPECT_EQ(panels[0]->width(), 150);
    EXPECT_GT(panels[1]->width(), panels[2]->width());
    EXPECT_GE(std::min(panels[2]->width(), panels[3]->width()), 96);
    // The bar lies over the first panel, one pixel in from its left edge and from the status bar's top edge, down
    // to the status bar's bottom edge; it runs to 10000 and fills in red.
    QProgressBar* bar = main->ProgressBar1;
    EXPECT_EQ(bar->parentWidget(), main->sbStatusBar);
    EXPECT_EQ(bar->geometry(), QRect(panels[0]->x() + 1, 1, 148, main->sbStatusBar->height() - 1));
    EXPECT_EQ(QList<int>({bar->minimum(), bar->maximum(), bar->value()}), QList<int>({0, 10000, 0}));
    main->setProgress(10000);
    const QColor middle = bar->grab().toImage().pixelColor(bar->width() / 2, bar->height() / 2);
    EXPECT_TRUE(middle.red() > 200 && middle.green() < 60 && middle.blue() < 60) << qPrintable(middle.name());
    // View > Status Bar hides the bar with its panel and shows them again.
    for (const bool shown : {false, true}) {
        main->mnuViewStatusBar->trigger();
        EXPECT_EQ(std::tuple(main->mnuViewStatusBar->isChecked(), main->sbStatusBar->isVisible(), bar->isVisible()),
                  std::tuple(shown, shown, shown));
    }
}

// "AutoOpenINI" = 1 opens the game files at the end of the load; any other number, or none, leaves the no-file
// state; a value that is no number too, with its messages. File > Close's Ctrl+C acts even from a text box, where it
// would otherwise copy.
TEST_F(FrameTest, AutoOpenINI) {
    const std::tuple<const char*, bool, std::size_t> cases[] = {
        {"1", true, 0}, {"0", false, 0}, {"2", false, 0}, {nullptr, false, 0}, {"abc", false, 2}};
    for (const auto& [value, opens, shown] : cases) {
        SCOPED_TRACE(value ? value : "(missing)");
        frmMain* main = start(value ? QString("AutoOpenINI=") + value : QString());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(FileIsOpen, opens);
        EXPECT_EQ(main->lblOFile->text(), opens ? userIni() : "NO File Open");
        EXPECT_EQ(messages.size(), shown);
        if (opens) {
            auto* text = find<QLineEdit>("txtPlayerName");
            QApplication::setActiveWindow(main);
            text->setFocus();
            text->selectAll();
            QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
            EXPECT_FALSE(FileIsOpen);
            EXPECT_EQ(main->statusPanels[1]->text(), "File Closed !");
        }
        unloadAll();
        messages.clear();
    }
}

// Closing the main window, or File > Exit, unloads every other window.
TEST_F(FrameTest, UnloadTakesTheOtherWindowsAlong) {
    for (const bool exit : {false, true}) {
        frmMain* main = start("AutoOpenINI=1");
        main->mnuAliasLNCH->trigger();
        main->mnuAliasLNCH->trigger();  // brings the same window forward
        main->mnuSpeechLNCH->trigger();
        main->mnuEditmnuUserOptions->trigger();
        ASSERT_EQ(forms::loadedForms().size(), 4);
        exit ? main->mnuFileExit->trigger() : (void)main->close();
        EXPECT_TRUE(forms::loadedForms().isEmpty()) << exit;
        EXPECT_TRUE(messages.empty()) << exit;
        // Before the closed windows are destroyed, a new start's windows are the only ones found by name.
        EXPECT_EQ(window("frmMain"), nullptr);
        frmMain* started = start();
        EXPECT_EQ(window("frmMain"), started);
        unloadAll();
    }
}
