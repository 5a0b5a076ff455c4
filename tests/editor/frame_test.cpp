// The main window's frame: title, status bar with the progress bar in its first panel, the controls that start
// disabled, the optional automatic open, the menus and their shortcuts, the unload and File > Exit.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "editor/frmMain.h"
#include "info/frmTextInfo.h"
#include "platform/qt/forms.h"

namespace {

using KeyList = QList<QPair<QString, QString>>;

class FrameTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath, &SettingsIniPath})
            shared->clear();
        FileIsOpen = false;
    }
    // Starts the program on the main window, with the fixture game files beside a settings file that points at
    // them, plus more keys.
    frmMain* start(const KeyList& keys = {}) {
        copyFixture(QStringLiteral("User.ini"));
        copyFixture(QStringLiteral("UT2003.ini"));
        writeSettings(KeyList{{QStringLiteral("UT2003UserINIPath"), userIni()}} + keys);
        runMain();
        frmMain* main = FormSlot<frmMain>::instance();
        if (main) QCoreApplication::sendPostedEvents();  // lets the status bar lay out its panels
        return main;
    }
};

TEST_F(FrameTest, CaptionAndMenus) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("///Quarl's Corvane :: Version 1.0.0"));

    // Each menu's entries in order: item name (separators by name too), caption, shortcut.
    struct Item {
        const char* name;
        const char* caption;  // nullptr: a separator
        const char* shortcut;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File",
         {{"mnuFileOpen", "&Open...", "Ctrl+O"},
          {"mnuFileClose", "&Close", "Ctrl+C"},
          {"mnuFileBar0", nullptr, ""},
          {"mnuFileSave", "&Save", ""},
          {"mnuSaveAs", "Save &As", ""},
          {"mnuFileBar1", nullptr, ""},
          {"mnuFileExit", "E&xit", ""}}},
        {"&Edit", {{"mnuEditBar1", nullptr, ""}, {"mnuEditmnuUserOptions", "User Opt&ions", ""}}},
        {"&View",
         {{"mnuViewStatusBar", "Status &Bar", ""},
          {"mnuViewBar1", nullptr, ""},
          {"mnuAliasLNCH", "A&liases Info", ""},
          {"mnuSpeechLNCH", "S&peech Info", ""}}},
        {"&Help", {{"mnuHelpBar0", nullptr, ""}, {"mnuHelpAbout", "&About ", ""}}},
    };
    const QList<QAction*> bar = main->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(menus[m].first);
        EXPECT_EQ(bar[static_cast<qsizetype>(m)]->text(), QLatin1String(menus[m].first));
        const QList<QAction*> entries = bar[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(entries.size(), static_cast<qsizetype>(menus[m].second.size()));
        for (std::size_t i = 0; i < menus[m].second.size(); ++i) {
            const Item& item = menus[m].second[i];
            QAction* action = entries[static_cast<qsizetype>(i)];
            SCOPED_TRACE(item.name);
            EXPECT_EQ(action->objectName(), QLatin1String(item.name));
            EXPECT_EQ(action->isSeparator(), item.caption == nullptr);
            if (item.caption) {
                EXPECT_EQ(action->text(), QLatin1String(item.caption));
            }
            EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(item.shortcut)));
        }
    }
    EXPECT_TRUE(main->mnuViewStatusBar->isCheckable());
    EXPECT_TRUE(main->mnuViewStatusBar->isChecked());
}

TEST_F(FrameTest, StatusBarHostsTheRedProgressBarInItsFirstPanel) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    QList<QLabel*> panels;
    for (QLabel* panel : main->statusPanels) {
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->parentWidget(), main->sbStatusBar);
        EXPECT_TRUE(panel->isVisible());
        panels << panel;
    }
    for (int i = 0; i + 1 < 4; ++i) EXPECT_LT(panels[i]->x(), panels[i + 1]->x()) << i;
    EXPECT_EQ(panels[0]->width(), 150);
    EXPECT_EQ(panels[1]->text(), QStringLiteral("Status"));
    EXPECT_GE(panels[2]->width(), 96);
    EXPECT_GE(panels[3]->width(), 96);
    // The status text takes the free width.
    EXPECT_GT(panels[1]->width(), panels[2]->width());

    QProgressBar* bar = main->ProgressBar1;
    EXPECT_EQ(bar->parentWidget(), panels[0]);
    EXPECT_EQ(bar->x(), 1);
    EXPECT_EQ(bar->y(), 1);
    EXPECT_EQ(bar->width(), 148);
    EXPECT_EQ(bar->y() + bar->height(), panels[0]->height());
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 10000);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(bar->isVisible());

    main->setProgress(10000);
    main->setStatus(QStringLiteral("File Opened !"));
    EXPECT_EQ(panels[1]->text(), QStringLiteral("File Opened !"));
    const QImage image = bar->grab().toImage();
    const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
    EXPECT_GT(middle.red(), 200) << middle.name().toStdString();
    EXPECT_LT(middle.green(), 60) << middle.name().toStdString();
    EXPECT_LT(middle.blue(), 60) << middle.name().toStdString();
}

TEST_F(FrameTest, LoadLeavesTheNoFileStateWithFilledLists) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->mnuFileSave->isEnabled());
    EXPECT_TRUE(main->mnuFileOpen->isEnabled());
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(main->lblOFile->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(main->SSTab1->currentIndex(), 0);
    QStringList disabled = {"cboCrossSelect", "slideHudScale", "slideHudOpacity", "cboCharSelect"};
    for (int i = 0; i < 4; ++i) disabled << QStringLiteral("slideCrossColor(%1)").arg(i);
    for (int i = 0; i < 3; ++i) disabled << QStringLiteral("cboMssgSetup(%1)").arg(i);
    for (const QString& name : disabled) {
        QWidget* control = main->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_FALSE(control->isEnabled()) << name.toStdString();
    }
    // The fixed pick lists are full before anything selects in them.
    QStringList lists = {"cboCharSelect", "cboCrossSelect", "cboResolution", "cboColorDepth"};
    for (int i = 0; i < 3; ++i) lists << QStringLiteral("cboMssgSetup(%1)").arg(i);
    for (int i = 0; i < 7; ++i) lists << QStringLiteral("cboTexDetail(%1)").arg(i);
    for (const QString& name : lists) {
        auto* list = main->findChild<QComboBox*>(name);
        ASSERT_NE(list, nullptr) << name.toStdString();
        EXPECT_GT(list->count(), 0) << name.toStdString();
    }
    EXPECT_FALSE(isLoaded<frmOptions>());
    EXPECT_TRUE(messages.empty());
}

// "AutoOpenINI" = 1 opens the game files at the end of the load; anything else leaves the no-file state, and a
// value that is not a number is the load's failure.
TEST_F(FrameTest, AutoOpenINI) {
    struct Case {
        const char* value;  // nullptr: no key
        bool opens;
        bool typeMismatch;
    };
    const Case cases[] = {
        {"1", true, false},      {" 1 ", true, false}, {"1.0", true, false}, {"0", false, false},
        {nullptr, false, false}, {"2", false, false},  {"abc", false, true}, {"", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(missing)");
        messages.clear();
        FileIsOpen = false;
        KeyList keys;
        if (c.value) keys << qMakePair(QStringLiteral("AutoOpenINI"), QString::fromLatin1(c.value));
        frmMain* main = start(keys);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(FileIsOpen, c.opens);
        EXPECT_EQ(main->mnuFileSave->isEnabled(), c.opens);
        EXPECT_EQ(main->lblOFile->text(), c.opens ? userIni() : QStringLiteral("NO File Open"));
        if (c.typeMismatch) {
            // The options window's load, which reads the same switch as a check-box state, reports it first.
            ASSERT_EQ(messages.size(), 2u);
            EXPECT_TRUE(messages[0].prompt.startsWith(
                QStringLiteral("Error Type mismatch, Corvane While Opening Options Form!!")));
            EXPECT_EQ(messages[1].prompt, QStringLiteral("Error Type mismatch - Corvane While Loading Main Form!"));
            EXPECT_EQ(messages[1].style, 64);
        } else {
            EXPECT_TRUE(messages.empty()) << messages[0].prompt.toStdString();
        }
        unloadAll();
    }
}

TEST_F(FrameTest, ViewStatusBarHidesTheProgressBarToo) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(main->ProgressBar1->isVisible());
    main->mnuViewStatusBar->trigger();
    EXPECT_FALSE(main->mnuViewStatusBar->isChecked());
    EXPECT_FALSE(main->sbStatusBar->isVisible());
    EXPECT_FALSE(main->ProgressBar1->isVisible());
    main->mnuViewStatusBar->trigger();
    EXPECT_TRUE(main->mnuViewStatusBar->isChecked());
    EXPECT_TRUE(main->sbStatusBar->isVisible());
    EXPECT_TRUE(main->ProgressBar1->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrameTest, ClosingTheMainWindowUnloadsTheOthers) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    main->mnuAliasLNCH->trigger();
    main->mnuAliasLNCH->trigger();  // brings the same window forward
    main->mnuEditmnuUserOptions->trigger();
    int aliasWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmAliasNFO") && top->isVisible()) ++aliasWindows;
    EXPECT_EQ(aliasWindows, 1);
    ASSERT_EQ(forms::loadedForms().size(), 3);
    EXPECT_TRUE(FormSlot<frmOptions>::instance()->isVisible());
    main->close();
    EXPECT_TRUE(forms::loadedForms().isEmpty());
    EXPECT_FALSE(isLoaded<frmMain>());
    EXPECT_FALSE(isLoaded<frmOptions>());
    EXPECT_FALSE(isLoaded<frmAliasNFO>());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrameTest, FileExitUnloadsEverythingWithoutAMessage) {
    frmMain* main = start();
    ASSERT_NE(main, nullptr);
    main->mnuEditmnuUserOptions->trigger();
    main->mnuSpeechLNCH->trigger();
    main->mnuFileExit->trigger();
    EXPECT_TRUE(forms::loadedForms().isEmpty());
    EXPECT_TRUE(messages.empty());
}

// The File menu's shortcuts act wherever the focus is: Ctrl+C closes the file even from a text box, and Ctrl+O
// opens while File > Open is enabled.
TEST_F(FrameTest, ShortcutsWorkFromATextBox) {
    frmMain* main = start({{QStringLiteral("AutoOpenINI"), QStringLiteral("1")}});
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(FileIsOpen);
    auto* text = main->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"));
    ASSERT_NE(text, nullptr);
    QApplication::setActiveWindow(main);
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(main->statusPanels[1]->text(), QStringLiteral("File Closed !"));
    EXPECT_TRUE(main->mnuFileOpen->isEnabled());

    dialogRequests.clear();
    QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].title, QStringLiteral("Open"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrameTest, RenderWindow) {
    frmMain* main = start({{QStringLiteral("AutoOpenINI"), QStringLiteral("1")}});
    ASSERT_NE(main, nullptr);
    const QString folder = QDir::tempPath() + QStringLiteral("/corvane-shots");
    QDir().mkpath(folder);
    EXPECT_TRUE(main->grab().save(folder + QStringLiteral("/frmMain.png")));
}

}  // namespace
