// Every window as the player sees it: no caption, option or list text cut off by its control or drawn below 8
// points, on every tab of the main window, with no file, with the fixture files loaded and after a close; the
// frames of each tab inside the page and apart; the tabs and menus as the platform draws them; and a main window
// made smaller than its design size. With CORVANE_SHOTS set to a folder, each window is also saved there as a
// picture, to be looked at.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmSplash.h"
#include "editor/Controls.h"
#include "editor/frmMain.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"

namespace {

// The text of a label, button, check box, option button, frame, list or tab that its widget cuts off or draws
// below 8 points, with the room it needs; nothing when it shows whole.
QStringList cutOff(QWidget* widget) {
    QStringList cut;
    const QFontMetrics metrics = widget->fontMetrics();
    auto check = [&](const QString& text, const QSize& needed, const QRect& room) {
        if (needed.width() > room.width() || needed.height() > room.height() || widget->font().pointSizeF() < 8.0)
            cut << QString::asprintf("%s \"%s\" needs %d x %d, has %d x %d at %g pt", qPrintable(widget->objectName()),
                                     qPrintable(text), needed.width(), needed.height(), room.width(), room.height(),
                                     widget->font().pointSizeF());
    };
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
        // A wrapped label: every word fits across, every line fits down.
        check(label->text(),
              label->wordWrap() ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                : label->sizeHint(),
              label->rect());
    } else if (auto* button = qobject_cast<QPushButton*>(widget); button && !button->text().isEmpty()) {
        // The text and the style's margins around it inside the button's frame.
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->isDefault() || button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        check(button->text(), metrics.size(Qt::TextShowMnemonic, button->text()) + QSize(margin, 0),
              button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        // Across: the box, the gap and the text; down: the text's line (the hint adds room for a focus frame).
        check(static_cast<QAbstractButton*>(widget)->text(), QSize(widget->sizeHint().width(), metrics.height()),
              widget->rect());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        // A line edit keeps two pixels clear at either end of its text.
        check(combo->currentText(), QSize(metrics.horizontalAdvance(combo->currentText()) + 4, metrics.height()),
              combo->lineEdit()->rect());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (auto* bold = dynamic_cast<BoldCaptionFrame*>(frame)) option.fontMetrics = QFontMetrics(bold->captionFont());
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        check(frame->title(), frame->rect().contains(title) ? QSize() : title.size() + frame->size(), frame->rect());
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        // All tabs in one row inside the strip, each as wide as its caption.
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            const bool placed = tabs->rect().contains(tab) && tab.top() == tabs->tabRect(0).top();
            check(tabs->tabText(i), QSize(metrics.horizontalAdvance(tabs->tabText(i)) + 4, 0), placed ? tab : QRect());
        }
    }
    return cut;
}

// Every text cut off in the window as it is shown now, a line each; the window is drawn, and with CORVANE_SHOTS
// set its picture kept.
std::string cutOffIn(QWidget* window, const QString& name) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window)) cut << cutOff(widget);
    const QPixmap picture = window->grab();
    if (const QString folder = qEnvironmentVariable("CORVANE_SHOTS"); !folder.isEmpty())
        QDir().mkpath(folder), picture.save(folder + "/" + name + ".png");
    return cut.join(QLatin1Char('\n')).toStdString();
}

// The children of parent lie inside room and overlap no other child (bordered rows placed at the design's twips
// may share one pixel of border): the frames of a tab, and the controls of a frame, below its caption.
void expectInsideAndApart(QWidget* parent, const QRect& room) {
    const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        EXPECT_TRUE(room.contains(child->geometry())) << qPrintable(child->objectName());
        for (QWidget* other : children) {
            const QRect overlap = child->geometry().intersected(other->geometry());
            EXPECT_TRUE(other == child || overlap.height() <= 1 || overlap.width() <= 1)
                << qPrintable(parent->objectName() + ": " + child->objectName() + " / " + other->objectName());
        }
    }
}

}  // namespace

class LooksTest : public GuiTest {
  protected:
    // Every tab of the main window.
    void expectMainWindowWhole(frmMain* main, const QString& state) {
        for (int i = 0; i < main->SSTab1->count(); ++i) {
            main->SSTab1->setCurrentIndex(i);
            EXPECT_EQ(cutOffIn(main, QStringLiteral("frmMain-%1-%2").arg(state).arg(i)), "") << qPrintable(state) << i;
        }
        main->SSTab1->setCurrentIndex(0);
    }
};

TEST_F(LooksTest, NoWindowCutsOffItsTexts) {
    // The player file named by the settings is not there yet: the window opens with no file.
    writeSettings("UT2003UserINIPath=" + userIni());
    runMain();
    expectMainWindowWhole(FormSlot<frmMain>::instance(), "nofile");
    unloadAll();
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    ASSERT_TRUE(FileIsOpen);
    expectMainWindowWhole(main, "loaded");
    for (QWidget* page : main->tabPages) {
        expectInsideAndApart(page, QRect(QPoint(0, 0), main->SSTab1->currentWidget()->size()));
        for (QGroupBox* frame : page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            expectInsideAndApart(frame, frame->rect().adjusted(2, 14, -2, -2));
    }
    main->CloseINIFiles();
    expectMainWindowWhole(main, "closed");

    main->mnuAliasLNCH->trigger();
    main->mnuSpeechLNCH->trigger();
    main->mnuEditmnuUserOptions->trigger();
    Show<frmSplash>();
    Show<frmAbout>();
    for (const char* name : {"frmAliasNFO", "frmSpeechNFO", "frmOptions", "frmSplash", "frmAbout"}) {
        ASSERT_NE(window(name), nullptr) << name;
        EXPECT_EQ(cutOffIn(window(name), name), "") << name;
    }
    // The reference texts are laid out in columns for a fixed-pitch font: every character as wide as any other.
    for (const char* name : {"txtAliasNFO", "txtSpeechNFO"}) {
        const auto* box = control<QPlainTextEdit>(name);
        EXPECT_TRUE(box && box->fontMetrics().horizontalAdvance("iiii") == box->fontMetrics().horizontalAdvance("WWWW"))
            << name;
    }
}

// The tabs are the platform's own, not drawn by a style sheet; the Edit and Help menus open with their
// separator, below the menu's frame line where it can be seen.
TEST_F(LooksTest, TabsAndMenusAsThePlatformDrawsThem) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    EXPECT_FALSE(main->SSTab1->tabBar()->style()->inherits("QStyleSheetStyle"));
    for (QMenu* menu : {main->mnuEdit, main->mnuHelp}) {
        QAction* separator = menu->actions().constFirst();
        const QRect line = menu->actionGeometry(separator);
        EXPECT_TRUE(separator->isSeparator() && line.height() > 0 &&
                    line.top() > menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu))
            << qPrintable(menu->objectName());
    }
}

// The window can be made smaller than its design size: the toolbar and the tab strip keep their place and size,
// and the status bar follows the bottom edge across the whole width.
TEST_F(LooksTest, MainWindowShrinksBelowItsDesignSize) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    const QRect strip = main->SSTab1->geometry(), toolbar = main->picToolBar->geometry();
    for (const QSize size : {QSize(400, 300), QSize(200, 120), main->size()}) {
        main->resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(main->size(), size);
        EXPECT_EQ(std::pair(main->SSTab1->geometry(), main->picToolBar->geometry()), std::pair(strip, toolbar));
        EXPECT_EQ(main->sbStatusBar->geometry(),
                  QRect(0, size.height() - main->sbStatusBar->height(), size.width(), main->sbStatusBar->height()));
    }
}
