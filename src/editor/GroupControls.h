#pragma once
// What the settings groups share in building and filling their controls: the placeholders of the no-file state,
// the texts of Booleans and numbers, the pick lists and option groups, slider rows and check box columns, and
// the fitting of captions.
#include <QRect>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QRadioButton;
class QSlider;
class QWidget;

namespace editor {

// The placeholders the controls show while no file is open.
inline const QString kNoFileOpen = QStringLiteral("NO File Open");
inline const QString kNFO = QStringLiteral("NFO");

// A Boolean as the game files hold it: "True" or "False".
QString boolText(bool checked);
// A whole number as plain decimal text.
QString decimal(long long value);
// Position / 100 as the shortest decimal text (123 gives "1.23", 100 gives "1").
QString hundredths(int position);

// ---- Pick lists and option groups ----

// An option group that can show no selected button: selecting one clears the others, and clicking the
// selected one keeps it selected.
void makeOptionGroup(QObject* owner, const std::vector<QRadioButton*>& buttons);
// The list position of an editable combo box: its current item, or -1 when none is chosen or the text shown
// is not that item's (text typed by the user).
int listPosition(const QComboBox* combo);
// Chooses list position p, as a selection from the list does (its text replaces any typed text).
void selectListPosition(QComboBox* combo, int p);
// Shows text with no list position.
void showUnlistedText(QComboBox* combo, const QString& text);
// A list saved by its position keeps no typed text: text equal to one of its items chooses that item; any other
// text gives way to the chosen item's text again (or to nothing, where no item is chosen).
void settleTypedText(QComboBox* combo);
// Settles the list's typed text whenever the focus leaves it.
void settleTypedTextOnLeave(QComboBox* combo);
// Takes the list position away: a list with a current item shows designText (the text it had before any file was
// loaded) instead; a list without one keeps its text.
void dropListPosition(QComboBox* combo, const QString& designText);
// Fills a pick list without choosing an item: the combo keeps the text it showed and has no list position.
void fillList(QComboBox* combo, const QStringList& items);

// ---- Sliders ----

// One slider row: its caption, the slider and its read-out (a label with a single border, "NFO" at design).
struct SliderRow {
    QLabel*& caption;
    QSlider*& slider;
    QLabel*& readOut;
    const char* captionName;
    const char* captionText;
    const char* sliderName;
    const char* readOutName;
    int minimum;
    int maximum;
    int tick;
    int smallStep;
    int largeStep;
    int position;
    const char* sliderTip;
    const char* readOutTip;
};
void makeSliderRow(QWidget* frame, const SliderRow& row, const QRect& caption, const QRect& slider,
                   const QRect& readOut);
// A file value on a slider with a read-out: the read-out shows the text as read, the slider the text as a
// number times 100, held within the slider's range and rounded halves to even. Text that is no number raises
// "Type mismatch" (the read-out already shows it); a number of any size loads.
void showScaledValue(QSlider* slider, QLabel* readOut, const QString& value);
// The whole-number position nearest to a file's number within the slider's range: a number outside it is held
// at the nearer end first, so that no number is too large for the slider.
int positionWithin(const QSlider* slider, double number);

// ---- Layout ----

// A column of check boxes, one row of 18 pixels each from top, named name(i), disabled until a file is loaded.
void makeCheckColumn(QWidget* parent, std::span<QCheckBox*> boxes, const char* name, const char* const* captions,
                     const char* const* tooltips, int left, int top, int width);
// A label with a single border, for a value read from a file: the text exactly as read, never taken for markup.
QLabel* makeValueLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                       const QString& tooltip = QString());
// Fits the captions of a frame (its labels, buttons, check boxes, option buttons and lists) in the window's
// font: each grows as far as its caption needs, a control to its right that it would run into moves along
// (keeping the gap it had, up to 4 pixels), and the frame grows to hold them all.
void fitCaptionsIn(QWidget* frame);
// The width a frame needs for its caption and its controls, with as much room right of them as left.
int widthToHold(const QWidget* frame);
// The left edge of column 0 to 4 of the HUD frame "Hud Settings": the design's columns, spread evenly over the
// width that the frame has gained over its design width. The HUD switches fill them, and the player's
// switches stand in columns 1 and 2.
int hudColumnLeft(const QWidget* hudFrame, int column);

}  // namespace editor
