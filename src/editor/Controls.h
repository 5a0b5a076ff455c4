#pragma once
// Small helpers shared by the settings groups: Boolean words, the load and save of a key table
// walked in step with its control array.
#include <QCheckBox>
#include <QGroupBox>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

#include "config/Startup.h"
#include "platform/qt/controls.h"

inline QString boolText(bool checked) {
    return checked ? QStringLiteral("True") : QStringLiteral("False");
}

// Check boxes paired with a key table: each box is checked when its key reads exactly "True" (or, with
// acceptLower, "true").
template <std::size_t N>
void loadChecks(const std::array<QCheckBox*, N>& boxes, const std::array<QString, N>& keys, const QString& section,
                const QString& defaultValue, const QString& file, bool acceptLower = false) {
    for (std::size_t i = 0; i < N; ++i) {
        const QString value = ReadINI(section, keys[i], defaultValue, file);
        boxes[i]->setChecked(value == QLatin1String("True") || (acceptLower && value == QLatin1String("true")));
    }
}

template <std::size_t N>
void saveChecks(const std::array<QCheckBox*, N>& boxes, const std::array<QString, N>& keys, const QString& section,
                const QString& file) {
    for (std::size_t i = 0; i < N; ++i) WriteINI(section, keys[i], boolText(boxes[i]->isChecked()), file);
}

// Control helpers of the settings groups.
namespace groupcontrols {
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
// A column of check boxes, one row of 18 pixels each from top, named name(i).
void makeCheckColumn(QWidget* parent, std::span<QCheckBox*> boxes, const char* name, const char* const* captions,
                     const char* const* tooltips, int left, int top, int width);
// Fits the captions of a frame (its labels, buttons, check boxes, option buttons and lists) in the window's
// font: each grows as far as its caption needs, a control to its right that it would run into moves along
// (keeping the gap it had, up to 4 pixels), and the frame grows to hold them all.
void fitCaptionsIn(QWidget* frame);
// The width a frame needs for its caption and its controls, with as much room right of them as left.
int widthToHold(const QWidget* frame);
// Position / 100 as the shortest decimal text (123 gives "1.23", 100 gives "1").
QString hundredths(int position);
// A file value on a slider with a read-out: the read-out shows the text as read, the slider the text as a
// number times 100, held within the slider's range and rounded halves to even. Text that is no number raises
// "Type mismatch" (the read-out already shows it); a number of any size loads.
void showScaledValue(QSlider* slider, QLabel* readOut, const QString& value);
// The whole-number position nearest to a file's number within the slider's range: a number outside it is held
// at the nearer end first, so that no number is too large for the slider.
int positionWithin(const QSlider* slider, double number);
}  // namespace groupcontrols
