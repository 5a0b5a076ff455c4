#include "platform/qt/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/error.h"

int checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void setCheckValue(QCheckBox* box, int value) {
    if (value < 0 || value > 2) throw platform::AppError("Invalid property value");
    box->setTristate(value == 2);
    box->setCheckState(value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
}

QSize captionSize(const QWidget* control, const QStringList& otherTexts) {
    control->ensurePolished();
    const QFontMetrics metrics = control->fontMetrics();
    QStyle* style = control->style();
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty()) return QSize(0, 0);
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->isDefault() || button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return QSize(metrics.size(Qt::TextShowMnemonic, button->text()).width() +
                         style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) + button->width() -
                         contents.width(),
                     0);
    }
    if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control)) {
        const int box = style->pixelMetric(
            qobject_cast<const QCheckBox*>(control) ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight,
            nullptr, control);
        return QSize(control->sizeHint().width(), std::max(metrics.height(), box));
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty()) return QSize(0, 0);
        if (!label->wordWrap()) return label->sizeHint();
        const int across = label->minimumSizeHint().width();
        return QSize(across, label->heightForWidth(std::max(across, label->width())));
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control); list && list->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = true;
        option.frame = list->hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        int widest = metrics.horizontalAdvance(list->currentText());
        for (int i = 0; i < list->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        for (const QString& text : otherTexts) widest = std::max(widest, metrics.horizontalAdvance(text));
        // The text field keeps two pixels clear at either end of its text.
        return QSize(list->width() - field.width() + widest + 4, 0);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (const auto* bold = dynamic_cast<const BoldCaptionFrame*>(frame))
            option.fontMetrics = QFontMetrics(bold->captionFont());
        // Where the caption goes in a frame wide enough for any caption.
        option.rect.setWidth(QWIDGETSIZE_MAX);
        const QRect caption = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return QSize(caption.right() + 1, 0);
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
        return QSize(tabs->tabBar()->x() + tabs->tabBar()->sizeHint().width(), 0);
    return control->sizeHint();
}

QRect fitCaption(QWidget* control, const QStringList& otherTexts, Qt::Edge kept) {
    const QSize needed = captionSize(control, otherTexts);
    QRect rect = control->geometry();
    if (needed.width() > rect.width()) {
        if (kept == Qt::RightEdge)
            rect.setLeft(rect.right() + 1 - needed.width());
        else
            rect.setWidth(needed.width());
    }
    if (needed.height() > rect.height()) rect.setHeight(needed.height());
    control->setGeometry(rect);
    return rect;
}

BoldCaptionFrame::BoldCaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QFont BoldCaptionFrame::captionFont() const {
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

void BoldCaptionFrame::paintEvent(QPaintEvent*) {
    // A bold font of the frame itself would pass on to every control inside it.
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QFont bold = captionFont();
    painter.setFont(bold);
    option.fontMetrics = QFontMetrics(bold);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

QRect frameInside(const QGroupBox* frame) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxContents;
    if (const auto* bold = dynamic_cast<const BoldCaptionFrame*>(frame))
        option.fontMetrics = QFontMetrics(bold->captionFont());
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
}

QRect PathLabel::textRect() const {
    // Where a plain label puts its text: inside its border and margin, and a bordered label half an "x" in from
    // the edge that its text is aligned to.
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0) inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (inset > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft) rect.setLeft(rect.left() + inset);
        if (align & Qt::AlignRight) rect.setRight(rect.right() - inset);
        if (align & Qt::AlignTop) rect.setTop(rect.top() + inset);
        if (align & Qt::AlignBottom) rect.setBottom(rect.bottom() - inset);
    }
    return rect;
}

QString PathLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textRect().width());
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QString shown = shownText();
    const Qt::LayoutDirection direction = shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = static_cast<int>(QStyle::visualAlignment(direction, alignment())) |
                      (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, textRect(), flags, option.palette, isEnabled(), shown, foregroundRole());
}

bool PathLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !text().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this, rect());
        return true;
    }
    return QLabel::event(event);
}

namespace {
// The relative luminance of a colour: the light that the eye sees in it, from 0 (black) to 1 (white).
double luminance(const QColor& colour) {
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}
}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor contrastingText(const QColor& background) {
    return contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                        : QColor(Qt::white);
}

QColor readableOn(const QColor& background, const QColor& text) {
    // The contrast that body text needs to read with ease.
    constexpr double kReadable = 4.5;
    constexpr int kSteps = 32;
    const QColor target = contrastingText(background);
    QColor colour = text;
    for (int step = 1; step <= kSteps && contrastRatio(background, colour) < kReadable; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        colour = QColor::fromRgbF(static_cast<float>(text.redF() + (target.redF() - text.redF()) * t),
                                  static_cast<float>(text.greenF() + (target.greenF() - text.greenF()) * t),
                                  static_cast<float>(text.blueF() + (target.blueF() - text.blueF()) * t));
    }
    return colour;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QString& tooltip) {
    return place(new QLabel(text, parent), name, rect, tooltip);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                     const QString& tooltip) {
    return place(new BoldCaptionFrame(caption, parent), name, rect, tooltip);
}

QComboBox* makeList(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                    const QString& tooltip) {
    auto* list = place(new QComboBox(parent), name, rect, tooltip);
    list->setEditable(true);
    // Without a completer the typed text is not finished to the nearest item ("Hi" to "High"), and typed text
    // never becomes an item of the fixed list.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    // The combo picks the item whose text equals the typed text when editing finishes (Enter, focus leaving),
    // which would choose a list position, and so run the list's click handler, for typed text.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    list->setEditText(text);
    list->setEnabled(false);
    return list;
}
