// Every window as the player sees it: no caption, option or list text cut off by its control, on every tab of
// the main window, with no file, with the fixture files loaded and after a close; the frames of each tab inside
// the page and apart; and a main window made smaller than its design size. With CORVANE_SHOTS set to a folder,
// each window is also saved there as a picture, to be looked at.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/Controls.h"
#include "editor/frmMain.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"

namespace {

// The window's font is 8 points; a caption narrowed to fit its control keeps at least this size.
constexpr qreal kSmallestReadable = 8.0;

QString describe(const QWidget* widget, const QString& text, const QSize& needed, const QSize& room) {
    return QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6 at %7 pt")
        .arg(widget->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height())
        .arg(widget->font().pointSizeF());
}

// The text of a label, button, check box, option button, frame, list or tab that its widget cuts off, with the
// room it needs; nothing when it shows whole.
QStringList cutOff(QWidget* widget) {
    QStringList cut;
    const QFontMetrics metrics = widget->fontMetrics();
    auto check = [&](const QString& text, const QSize& needed, const QSize& room) {
        if (needed.width() > room.width() || needed.height() > room.height() ||
            widget->font().pointSizeF() < kSmallestReadable)
            cut << describe(widget, text, needed, room);
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty()) return cut;
        if (label->wordWrap()) {
            // Wrapped at its width: every word fits across, every line fits down.
            check(label->text(), QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width())),
                  label->size());
        } else {
            check(label->text(), label->sizeHint(), label->size());
        }
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text().isEmpty()) return cut;
        // The text and the style's margins around it inside the button's frame.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->isDefault() || button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        check(button->text(), metrics.size(Qt::TextShowMnemonic, button->text()) + QSize(margin, 0), room.size());
    } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        // Across: the box, the gap and the text; down: the text's line (the hint adds room for a focus frame).
        check(static_cast<QAbstractButton*>(widget)->text(), QSize(widget->sizeHint().width(), metrics.height()),
              widget->size());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // A line edit keeps two pixels clear at either end of its text.
        if (QLineEdit* edit = combo->lineEdit())
            check(combo->currentText(), QSize(metrics.horizontalAdvance(combo->currentText()) + 4, metrics.height()),
                  edit->size());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (auto* bold = dynamic_cast<BoldCaptionFrame*>(frame)) option.fontMetrics = QFontMetrics(bold->captionFont());
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        if (!frame->rect().contains(title)) cut << describe(frame, frame->title(), title.size(), frame->size());
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        // All tabs in one row inside the strip, each as wide as its caption.
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            if (!tabs->rect().contains(tab) || tab.top() != tabs->tabRect(0).top() ||
                tab.width() < metrics.horizontalAdvance(tabs->tabText(i)) + 4 ||
                tabs->font().pointSizeF() < kSmallestReadable)
                cut << describe(tabs, tabs->tabText(i), QSize(metrics.horizontalAdvance(tabs->tabText(i)) + 4, 0),
                                tab.size());
        }
    }
    return cut;
}

// Every text cut off in the window as it is shown now, a line each.
std::string cutOffIn(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window)) cut << cutOff(widget);
    return cut.join(QLatin1Char('\n')).toStdString();
}

// Saves the window's picture when CORVANE_SHOTS names a folder.
void keepPicture(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("CORVANE_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QStringLiteral("/") + name + QStringLiteral(".png"));
}

// Each frame of a tab lies inside its page and apart from the others, and every control of a frame lies inside it
// (below its caption) and overlaps no other control of that frame: the groups of different owners share frames.
// Bordered rows placed at the design's twips may share one pixel of border.
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
    frmMain* start(bool autoOpen) {
        copyFixture("User.ini"), copyFixture("UT2003.ini");
        writeSettings({{"UT2003UserINIPath", userIni()}, {"AutoOpenINI", autoOpen ? "1" : "0"}});
        runMain();
        QCoreApplication::sendPostedEvents();
        return FormSlot<frmMain>::instance();
    }
    // Every tab of the main window: what it cuts off, and its picture.
    void expectMainWindowWhole(frmMain* main, const QString& state) {
        for (int i = 0; i < main->SSTab1->count(); ++i) {
            SCOPED_TRACE(qPrintable(state + " " + main->SSTab1->tabText(i)));
            main->SSTab1->setCurrentIndex(i);
            EXPECT_EQ(cutOffIn(main), "");
            keepPicture(main, QStringLiteral("frmMain-%1-%2").arg(state).arg(i));
        }
        main->SSTab1->setCurrentIndex(0);
    }
};

TEST_F(LooksTest, NoWindowCutsOffItsTexts) {
    frmMain* main = start(false);
    ASSERT_NE(main, nullptr);
    expectMainWindowWhole(main, "nofile");
    unloadAll();

    main = start(true);
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
    QWidget* splash = Load<frmSplash>();
    splash->show();
    QWidget* about = Load<frmAbout>();
    about->show();
    for (QWidget* window : {window("frmAliasNFO"), window("frmSpeechNFO"), window("frmOptions"), splash, about}) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(qPrintable(window->objectName()));
        EXPECT_EQ(cutOffIn(window), "");
        keepPicture(window, window->objectName());
    }
    // The reference texts are laid out in columns for a fixed-pitch font: every character as wide as any other.
    for (const char* name : {"txtAliasNFO", "txtSpeechNFO"}) {
        const QFontMetrics metrics = find<QPlainTextEdit>(name)->fontMetrics();
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")))
            << name;
    }
}

// The tabs are the platform's own, not drawn by a style sheet; the Edit and Help menus open with their
// separator.
TEST_F(LooksTest, TabsAndMenusAsThePlatformDrawsThem) {
    frmMain* main = start(false);
    EXPECT_FALSE(main->SSTab1->tabBar()->style()->inherits("QStyleSheetStyle"));
    for (QMenu* menu : {main->mnuEdit, main->mnuHelp}) {
        QAction* separator = menu->actions().constFirst();
        // Below the menu's frame line, where it can be seen.
        const QRect line = menu->actionGeometry(separator);
        EXPECT_TRUE(separator->isSeparator() && line.height() > 0 &&
                    line.top() > menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu))
            << qPrintable(menu->objectName());
    }
}

// The window can be made smaller than its design size: the toolbar and the tab strip keep their place and size,
// and the status bar follows the bottom edge across the whole width.
TEST_F(LooksTest, MainWindowShrinksBelowItsDesignSize) {
    frmMain* main = start(true);
    const QRect strip = main->SSTab1->geometry(), toolbar = main->picToolBar->geometry();
    const QSize design = main->size();
    for (const QSize size : {QSize(400, 300), QSize(200, 120), design}) {
        SCOPED_TRACE(qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        main->resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(main->size(), size);
        EXPECT_EQ(main->SSTab1->geometry(), strip);
        EXPECT_EQ(main->picToolBar->geometry(), toolbar);
        EXPECT_EQ(main->sbStatusBar->geometry().bottom(), main->height() - 1);
        EXPECT_EQ(main->sbStatusBar->width(), main->width());
    }
}
