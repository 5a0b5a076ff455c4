// Every window as the player sees it: no caption, option or list text cut off by its control or drawn below 8
// points, and no check box shorter than the style's box, on every tab of the main window, with no file, with the
// fixture files loaded and after a close; one font size on each tab; the frames of each tab inside the page and
// apart, and no control drawn over a frame's lines; texts readable on their background; a long path that keeps
// its file name in view; the reference texts filling their windows; the tabs and menus as the platform draws
// them; and a main window made smaller than its design size. With CORVANE_SHOTS set to a folder, each window is
// also saved there as a picture, to be looked at.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"
#include "platform/qt/controls.h"

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
    if (auto* path = dynamic_cast<PathLabel*>(widget)) {
        // A path shows as much of itself as fits, always with its file name at the end.
        const QString shown = path->shownText();
        const bool nameShown = shown.endsWith(QFileInfo(path->text()).fileName());
        check(path->text(), QSize(metrics.horizontalAdvance(shown), metrics.height()),
              nameShown ? path->contentsRect() : QRect());
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
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
        // Across: the box, the gap and the text; down: the text's line and the style's whole box (the hint adds
        // room for a focus frame).
        const int box = widget->style()->pixelMetric(
            qobject_cast<QCheckBox*>(widget) ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight,
            nullptr, widget);
        check(static_cast<QAbstractButton*>(widget)->text(),
              QSize(widget->sizeHint().width(), std::max(metrics.height(), box)), widget->rect());
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

// A font's size as drawn: its points and its width (a condensed face is a smaller font too).
QString fontSize(const QFont& font) {
    return QStringLiteral("%1 pt at width %2").arg(font.pointSizeF()).arg(font.stretch() == 0 ? 100 : font.stretch());
}

// The controls of a page drawn in another font size than size, a line for each other size; nothing when the
// page has one size.
std::string otherFontSizesOn(QWidget* page, const QString& size) {
    QMap<QString, QStringList> others;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(page)) continue;
        const auto* frame = dynamic_cast<BoldCaptionFrame*>(widget);
        const QString drawn = fontSize(frame ? frame->captionFont() : widget->font());
        if (drawn != size) others[drawn] << widget->objectName();
    }
    QStringList lines;
    for (auto it = others.cbegin(); it != others.cend(); ++it) lines << it.key() + ": " + it.value().join(", ");
    return lines.join('\n').toStdString();
}

// Where a control inside a frame is drawn over the frame's own lines or caption: the control and the point;
// nothing when the frame is drawn whole. The frame's own drawing is every pixel that the frame alone draws in a
// colour that stands out from its inside (a faint highlight beside a line does not).
QString coveredFrameLine(QGroupBox* frame) {
    QImage alone(frame->size(), QImage::Format_ARGB32), whole(frame->size(), QImage::Format_ARGB32);
    frame->render(&alone, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    frame->render(&whole, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const QColor inside = alone.pixelColor(frame->width() / 2, frame->height() - 8);
    auto standsOut = [&inside](const QColor& pixel) {
        return std::max({std::abs(pixel.red() - inside.red()), std::abs(pixel.green() - inside.green()),
                         std::abs(pixel.blue() - inside.blue())}) > 12;
    };
    for (int y = 0; y < frame->height(); ++y)
        for (int x = 0; x < frame->width(); ++x)
            if (standsOut(alone.pixelColor(x, y)) && whole.pixel(x, y) != alone.pixel(x, y)) {
                QWidget* child = frame->childAt(x, y);
                return QStringLiteral("%1: %2 over its line at %3, %4")
                    .arg(frame->objectName(), child ? child->objectName() : QStringLiteral("?"))
                    .arg(x)
                    .arg(y);
            }
    return QString();
}

// The relative luminance of a colour and the contrast of two colours, from 1 (none) to 21 (black on white).
double luminance(const QColor& colour) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a label's text with its background as drawn: the background is the colour at the inside's
// top left corner, the text the pixel of the inside that stands out from it most.
double drawnContrast(QLabel* label) {
    const QImage picture = label->grab().toImage();
    const QRect inside = label->contentsRect();
    const QColor background = picture.pixelColor(inside.topLeft());
    double most = 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            most = std::max(most, contrast(background, picture.pixelColor(x, y)));
    return most;
}

// Text that the eye reads with ease on its background (the common rule for body text).
constexpr double kReadable = 4.5;

}  // namespace

class LooksTest : public GuiTest {
  protected:
    // Every tab of the main window: its texts whole, in one font size, its frames drawn whole; and the weapon
    // names readable on their row's colour.
    void expectMainWindowWhole(frmMain* main, const QString& state) {
        const QString windowFont = fontSize(main->font());
        EXPECT_EQ(fontSize(main->SSTab1->tabBar()->font()).toStdString(), windowFont.toStdString()) << "the tab strip";
        for (int i = 0; i < main->SSTab1->count(); ++i) {
            main->SSTab1->setCurrentIndex(i);
            EXPECT_EQ(cutOffIn(main, QStringLiteral("frmMain-%1-%2").arg(state).arg(i)), "") << qPrintable(state) << i;
            QWidget* page = main->SSTab1->currentWidget();
            EXPECT_EQ(otherFontSizesOn(page, windowFont), "")
                << qPrintable(state) << i << " beside " << qPrintable(windowFont);
            for (QGroupBox* frame : page->findChildren<QGroupBox*>())
                EXPECT_EQ(coveredFrameLine(frame).toStdString(), "") << qPrintable(state);
        }
        main->SSTab1->setCurrentIndex(0);
        for (int r = 1; r <= 12; ++r) {
            QLabel* name = find<QLabel>(QStringLiteral("lblWeaponName(%1)").arg(r));
            ASSERT_NE(name, nullptr) << "lblWeaponName(" << r << ")";
            EXPECT_GE(drawnContrast(name), kReadable) << qPrintable(state + " " + name->objectName());
        }
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
    QTest::mouseClick(find<QLabel>("lblWeaponName(5)"), Qt::LeftButton);  // one row selected
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

// The colour sample's caption reads on every sample colour: the lightest and darkest, the greys between, full
// and dark primaries, and the button face of the no-file state.
TEST_F(LooksTest, CrossHairCaptionReadsOnEverySample) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    QLabel* sample = find<QLabel>("lblCHcolor");
    ASSERT_NE(sample, nullptr);
    const QColor samples[] = {Qt::black,
                              Qt::white,
                              QColor(128, 128, 128),
                              QColor(96, 96, 96),
                              QColor(160, 160, 160),
                              Qt::red,
                              Qt::green,
                              Qt::blue,
                              Qt::yellow,
                              QColor(0, 0, 128),
                              QColor(128, 0, 128),
                              Qt::cyan};
    for (const QColor& colour : samples) {
        // The red, green and blue sliders set the sample, as the user moves them.
        for (const auto& [slider, value] :
             {std::pair("slideCrossColor(0)", colour.red()), std::pair("slideCrossColor(1)", colour.green()),
              std::pair("slideCrossColor(2)", colour.blue())})
            find<QSlider>(slider)->setSliderPosition(value);
        find<QSlider>("slideCrossColor(0)")->triggerAction(QAbstractSlider::SliderMove);
        ASSERT_EQ(sample->palette().color(QPalette::Window), colour) << qPrintable(colour.name());
        EXPECT_GE(drawnContrast(sample), kReadable) << qPrintable(colour.name());
    }
    main->CloseINIFiles();
    EXPECT_GE(drawnContrast(sample), kReadable) << "no file";
}

// The reference texts fill their windows' client area when first shown, before their frame is known, and after
// a resize.
TEST_F(LooksTest, ReferenceTextsFillTheirWindows) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    main->mnuAliasLNCH->trigger();
    main->mnuSpeechLNCH->trigger();
    for (const char* name : {"frmAliasNFO", "frmSpeechNFO"}) {
        QWidget* window = LooksTest::window(name);
        ASSERT_NE(window, nullptr) << name;
        auto* text = window->findChild<QPlainTextEdit*>();
        ASSERT_NE(text, nullptr) << name;
        ASSERT_TRUE(window->isVisible()) << name;
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(text->geometry(), window->rect()) << name << " as first shown";
        for (const QSize size : {QSize(500, 300), QSize(1100, 900)}) {
            window->resize(size);
            QCoreApplication::sendPostedEvents();
            EXPECT_EQ(text->geometry(), window->rect()) << name << " at " << size.width() << " x " << size.height();
        }
    }
}

// A path wider than its label keeps its beginning and its file name in view, with an ellipsis between them, and
// the tool tip shows the whole path.
TEST_F(LooksTest, LongPathKeepsItsFileNameInView) {
    const QString folder = programDir() + QStringLiteral(
                                              "/Games/Unreal Tournament 2003 (a copy kept for trying out "
                                              "settings before the match)/System settings/System");
    const QString user = folder + QStringLiteral("/User.ini");
    writeFile(user, readFile(QStringLiteral(CORVANE_FIXTURES "/User.ini")));
    writeFile(folder + QStringLiteral("/UT2003.ini"), readFile(QStringLiteral(CORVANE_FIXTURES "/UT2003.ini")));
    // The path holds blanks, so the settings file is written whole.
    writeFile(path("Quarl.ini"), "[Quarl_UT2003.Settings]\r\nUT2003UserINIPath=" + user.toUtf8() + "\r\n");
    runMain();
    frmMain* main = mainWindow();
    ASSERT_NE(main, nullptr);
    UseriniPath = user;
    UT2003iniPath = folder + QStringLiteral("/UT2003.ini");
    main->OpenINIFiles();
    ASSERT_TRUE(FileIsOpen);
    QLabel* label = main->lblOFile;
    ASSERT_EQ(label->text(), user);
    ASSERT_GT(label->fontMetrics().horizontalAdvance(user), label->contentsRect().width()) << "the path is short";

    // Drawn as a plain label of the same size draws the path elided in the middle to the room for its text.
    QLabel expected(label->parentWidget());
    expected.setGeometry(label->geometry());
    expected.setFrameShape(label->frameShape());
    expected.setAlignment(label->alignment());
    expected.setTextFormat(Qt::PlainText);
    // A bordered label keeps half an "x" clear before its text.
    const int room = label->contentsRect().width() - label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    const QString elided = label->fontMetrics().elidedText(user, Qt::ElideMiddle, room);
    ASSERT_TRUE(elided.endsWith(QStringLiteral("/User.ini")) && elided.startsWith(programDir().left(4))) << "elided";
    expected.setText(elided);
    EXPECT_TRUE(label->grab().toImage() == expected.grab().toImage()) << "not drawn as " << qPrintable(elided);
    cutOffIn(main, QStringLiteral("frmMain-longpath-0"));

    QHelpEvent help(QEvent::ToolTip, label->rect().center(), label->mapToGlobal(label->rect().center()));
    QCoreApplication::sendEvent(label, &help);
    EXPECT_EQ(QToolTip::text(), user);
}
