#pragma once
// The form helpers that every window uses: twips, control arrays, check values, enabled states, and labels,
// frames and pick lists placed at their design positions.
#include <QGroupBox>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;

// Twips to pixels: 15 twips a pixel.
constexpr int tw(int twips) {
    return twips / 15;
}

// A design rectangle given in twips (left, top, width, height), in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// Element i of a control array is named "name(i)".
inline QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A check box's value as the game files and the settings file hold it: 0 clear, 1 checked, 2 greyed. Only a
// file can put a box into the greyed state; a click takes it out again for good. Other values raise
// "Invalid property value".
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);

template <class Controls>
void setEnabledAll(const Controls& controls, bool enabled) {
    for (auto* control : controls)
        if (control) control->setEnabled(enabled);
}

// The width a control needs to show its caption whole: a push button its text and the style's margins around
// it (not the least width the style gives buttons), any other control its size hint.
int captionWidth(const QWidget* control);

// A frame with a bold caption. The controls inside keep the window's plain font: only the caption is drawn
// bold, narrowed where the platform's font is too wide for the frame.
class BoldCaptionFrame : public QGroupBox {
  public:
    BoldCaptionFrame(const QString& caption, QWidget* parent);
    QFont captionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Names a control and puts it at its place in pixels; the tooltip is set when it is not empty.
template <class Control>
Control* place(Control* control, const QString& name, const QRect& rect, const QString& tooltip = QString()) {
    control->setObjectName(name);
    control->setGeometry(rect);
    if (!tooltip.isEmpty()) control->setToolTip(tooltip);
    return control;
}

// Controls at their place in pixels: twipsRect() gives it for a design position in twips, the tabs' own
// arrangements give pixels. The tooltip is set when it is not empty.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QString& tooltip = QString());
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                     const QString& tooltip = QString());
// An editable pick list showing text, disabled until a file is loaded. It keeps what the user types: no
// completion, and no item is chosen for typed text (on Enter or when the focus leaves either); only a choice
// from the list, or by code, sets a list position.
QComboBox* makeList(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                    const QString& tooltip = QString());
