#include "platform/qt/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

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

int captionWidth(const QWidget* control) {
    const auto* button = qobject_cast<const QPushButton*>(control);
    if (!button || button->text().isEmpty()) return control->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->isDefault() || button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
           button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) + button->width() - contents.width();
}

BoldCaptionFrame::BoldCaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QFont BoldCaptionFrame::captionFont() const {
    QFont bold = font();
    bold.setBold(true);
    for (int stretch = 100; stretch > 70 && QFontMetrics(bold).horizontalAdvance(title()) > width() - 16; stretch -= 5)
        bold.setStretch(stretch - 5);
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
