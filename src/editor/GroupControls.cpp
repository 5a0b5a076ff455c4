#include "editor/GroupControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <array>
#include <map>

#include "platform/numbers.h"
#include "platform/qt/controls.h"

namespace editor {

QString boolText(bool checked) {
    return checked ? QStringLiteral("True") : QStringLiteral("False");
}

QString decimal(long long value) {
    return QString::fromStdString(platform::decimalText(value));
}

QString hundredths(int position) {
    return QString::fromStdString(platform::shortestText(position / 100.0));
}

void makeOptionGroup(QObject* owner, const std::vector<QRadioButton*>& buttons) {
    // The group is not exclusive, so that no button may be selected (the state of a file whose value the
    // loader did not recognise); the exclusion between the buttons is done here instead.
    auto* group = new QButtonGroup(owner);
    group->setExclusive(false);
    for (QRadioButton* button : buttons) {
        group->addButton(button);
        button->setAutoExclusive(false);
        QObject::connect(button, &QRadioButton::toggled, owner, [button, buttons](bool on) {
            if (!on) return;
            for (QRadioButton* other : buttons)
                if (other != button) other->setChecked(false);
        });
        // A click on the selected button leaves it selected, as an option button does.
        QObject::connect(button, &QRadioButton::clicked, owner, [button](bool checked) {
            if (!checked) button->setChecked(true);
        });
    }
}

int listPosition(const QComboBox* combo) {
    const int p = combo->currentIndex();
    return (p >= 0 && combo->currentText() == combo->itemText(p)) ? p : -1;
}

void selectListPosition(QComboBox* combo, int p) {
    if (combo->currentIndex() == p) {
        // Already the current item, with text typed over it: choosing the item shows its text again.
        if (combo->currentText() != combo->itemText(p)) combo->setEditText(combo->itemText(p));
    } else {
        combo->setCurrentIndex(p);
    }
}

void showUnlistedText(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void settleTypedText(QComboBox* combo) {
    const int current = combo->currentIndex();
    if (current >= 0 && combo->currentText() == combo->itemText(current)) return;
    const int typed = combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (typed >= 0)
        selectListPosition(combo, typed);
    else
        combo->setEditText(current >= 0 ? combo->itemText(current) : QString());
}

void settleTypedTextOnLeave(QComboBox* combo) {
    // Watches the list and its text field: the list holds the focus while the user types (and hands its focus
    // events to the field directly), but the field may take the focus itself.
    class Watcher : public QObject {
      public:
        explicit Watcher(QComboBox* list) : QObject(list), list_(list) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            // The list's own drop-down (or the text field's menu) takes the focus only for a moment.
            if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                settleTypedText(list_);
            return QObject::eventFilter(watched, event);
        }

      private:
        QComboBox* list_;
    };
    auto* watcher = new Watcher(combo);
    combo->installEventFilter(watcher);
    combo->lineEdit()->installEventFilter(watcher);
}

void dropListPosition(QComboBox* combo, const QString& designText) {
    if (combo->currentIndex() >= 0) showUnlistedText(combo, designText);
}

void fillList(QComboBox* combo, const QStringList& items) {
    // Adding the first item would choose it (and run the list's click handler); the list keeps its text.
    const QSignalBlocker blocker(combo);
    const QString shown = combo->currentText();
    combo->addItems(items);
    showUnlistedText(combo, shown);
}

void makeSliderRow(QWidget* frame, const SliderRow& row, const QRect& caption, const QRect& slider,
                   const QRect& readOut) {
    row.caption = makeLabel(frame, QLatin1String(row.captionName), QLatin1String(row.captionText), caption);
    auto* s = new QSlider(Qt::Horizontal, frame);
    s->setObjectName(QLatin1String(row.sliderName));
    s->setGeometry(slider);
    s->setRange(row.minimum, row.maximum);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(row.tick);
    s->setSingleStep(row.smallStep);
    s->setPageStep(row.largeStep);
    s->setValue(row.position);
    s->setToolTip(QLatin1String(row.sliderTip));
    s->setEnabled(false);
    row.slider = s;
    row.readOut = makeValueLabel(frame, QLatin1String(row.readOutName), kNFO, readOut, QLatin1String(row.readOutTip));
    row.readOut->setAlignment(Qt::AlignCenter);
}

void makeCheckColumn(QWidget* parent, std::span<QCheckBox*> boxes, const char* name, const char* const* captions,
                     const char* const* tooltips, int left, int top, int width) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(captions[i]), parent);
        box->setObjectName(arrayName(name, static_cast<int>(i)));
        box->setGeometry(left, top + 18 * static_cast<int>(i), width, 18);
        box->setToolTip(QString::fromLatin1(tooltips[i]));
        box->setEnabled(false);
        boxes[i] = box;
    }
}

QLabel* makeValueLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                       const QString& tooltip) {
    QLabel* label = makeLabel(parent, name, text, rect, tooltip);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::Box);
    return label;
}

void fitCaptionsIn(QWidget* frame) {
    const QList<QWidget*> controls = frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    std::map<QWidget*, QRect> designed;
    for (QWidget* control : controls) designed[control] = control->geometry();
    for (QWidget* control : controls)
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
            qobject_cast<QComboBox*>(control))
            fitCaption(control);
    // From left to right, so that a control moved along moves the ones beyond it in turn.
    QList<QWidget*> byLeft = controls;
    std::stable_sort(byLeft.begin(), byLeft.end(),
                     [&](QWidget* a, QWidget* b) { return designed[a].left() < designed[b].left(); });
    for (QWidget* control : byLeft) {
        const QRect was = designed[control];
        for (QWidget* other : byLeft) {
            const QRect otherWas = designed[other];
            const bool sameRow = std::min(was.bottom(), otherWas.bottom()) - std::max(was.top(), otherWas.top()) > 1;
            // Bordered neighbours may share their border's pixel.
            if (other == control || !sameRow || otherWas.left() < was.right()) continue;
            const int gap = std::min(otherWas.left() - was.right() - 1, 4);
            const int left = control->geometry().right() + 1 + gap;
            if (other->x() < left) other->move(left, other->y());
        }
    }
    frame->resize(std::max(frame->width(), widthToHold(frame)), frame->height());
}

int widthToHold(const QWidget* frame) {
    int left = frame->width(), right = 0;
    for (const QWidget* control : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        left = std::min(left, control->x());
        right = std::max(right, control->geometry().right() + 1);
    }
    return std::max(right + std::max(left, 0), captionSize(frame).width());
}

int positionWithin(const QSlider* slider, double number) {
    return platform::roundToInt(
        std::clamp(number, static_cast<double>(slider->minimum()), static_cast<double>(slider->maximum())));
}

void showScaledValue(QSlider* slider, QLabel* readOut, const QString& value) {
    // The read-out keeps the file's text, so an untouched value is saved as it was read, however far outside
    // the slider's range it lies.
    readOut->setText(value);
    slider->setValue(positionWithin(slider, platform::toNumber(value.toStdString()) * 100.0));
}

int hudColumnLeft(const QWidget* hudFrame, int column) {
    // The design's columns of a frame 773 pixels wide. Column 4 stands close to column 3, so that the crosshair
    // list has room for its texts and its caption beside it.
    constexpr int kDesignWidth = 773;
    constexpr std::array<int, 5> kColumnX = {8, 166, 324, 476, 640};
    const int gained = std::max(hudFrame->width() - kDesignWidth, 0);
    return kColumnX[static_cast<std::size_t>(column)] + gained * column / 4;
}

}  // namespace editor
