#pragma once
// The form helpers that every window uses: twips, control arrays, check values, enabled states, and labels,
// frames and pick lists placed at their design positions.
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;

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

// The least size at which a control shows its caption whole in its own font: a push button its text inside the
// style's margins (not the least width the style gives buttons); a check box or an option button its box, the
// gap and its text, and the style's whole box down; a label its text (a wrapped one its longest word across and
// every line down); an editable list the widest of its text, its entries and otherTexts in its text field; a
// frame its caption; a tab strip all its tabs in one row. A height of 0 asks for no height.
QSize captionSize(const QWidget* control, const QStringList& otherTexts = {});

// The one way a caption is fitted: the control grows, where it is smaller than captionSize, across from the
// edge it keeps (its left edge, or its right edge with Qt::RightEdge) and down from its top. No control shrinks
// and no font changes: every caption is drawn in its window's font. Returns the control's new geometry.
QRect fitCaption(QWidget* control, const QStringList& otherTexts = {}, Qt::Edge kept = Qt::LeftEdge);

// A frame with a bold caption. The controls inside keep the window's plain font: only the caption is drawn
// bold, in the frame's own size.
class BoldCaptionFrame : public QGroupBox {
  public:
    BoldCaptionFrame(const QString& caption, QWidget* parent);
    QFont captionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The inside of a frame as the style lays it out: below its caption and its top line, within its other lines.
QRect frameInside(const QGroupBox* frame);

// A label showing a file's path. A path wider than the label shows its beginning and its end with an ellipsis
// between them, so the file's name stays in view; the tool tip shows the whole path. text() is the whole path.
class PathLabel : public QLabel {
  public:
    using QLabel::QLabel;
    // The text as drawn.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QRect textRect() const;
};

// The contrast of two colours, from 1 (none) to 21 (black on white), from their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever stands out more on background.
QColor contrastingText(const QColor& background);
// text, or where it does not read with ease on background, text taken towards black or white (whichever
// stands out more) as far as it needs to.
QColor readableOn(const QColor& background, const QColor& text);

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
