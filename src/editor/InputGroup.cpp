#include "editor/InputGroup.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "config/Startup.h"
#include "editor/GroupControls.h"
#include "editor/Pictures.h"
#include "platform/qt/controls.h"

using namespace editor;

namespace {

const QString kSection = QStringLiteral("Engine.Input");

// Inside a frame: the first row starts below the caption; columns keep a margin from the frame's edges.
constexpr int kFirstRowTop = 20;
constexpr int kMargin = 6;
constexpr int kGap = 4;  // between a label and its box, and between columns

template <std::size_t N>
std::vector<QString> tableKeys(const std::array<QString, N>& table) {
    return {table.begin(), table.end()};
}

// Keys named by a pattern and a number: "Aliases[%1]" from 0, "F%1" from 1.
std::vector<QString> numberedKeys(const char* pattern, int count, int firstNumber) {
    std::vector<QString> keys;
    for (int i = 0; i < count; ++i) keys.push_back(QString::fromLatin1(pattern).arg(firstNumber + i));
    return keys;
}

}  // namespace

InputGroup::InputGroup(const Pages& pages, int pageGrowth, GameFiles files) : keys_(std::move(files)) {
    buildFrames(pages, pageGrowth);
    bindKeys();
    buildBoxes();
}

void InputGroup::bindKeys() {
    // Box i of an array is bound to key i of its table (the start-up built them) or of its numbered pattern; the
    // keys name the boxes' labels, so the rows come first and reach their boxes, built next, through the arrays.
    // No comparison with the sentinel: a missing key shows "No Data Found!!" as it is, and an empty box writes
    // the key with an empty value.
    const std::array<std::pair<Part, std::vector<QString>>, PartCount> keys = {{
        {Aliases, numberedKeys("Aliases[%1]", 40, 0)},
        {Digits, numberedKeys("%1", 10, 0)},
        {FunctionKeys, numberedKeys("F%1", 24, 1)},
        {Letters, tableKeys(LetterKeys)},
        {Others, tableKeys(OtherKeys)},
        {Mouse, tableKeys(MouseKeys)},
        {NumPad, tableKeys(NumPadKeys)},
        {Joystick, tableKeys(JoystickKeys)},
    }};
    const std::array<std::span<QLineEdit*>, PartCount> boxes = {
        txtAlias, txtNumbers, txtFunctionKeys, txtKeyLetters, txtKeyboardOth, txtMouseButtons, txtNumPad, txtJoyStick};
    for (const auto& [part, names] : keys) {
        KeyArray& array = arrays_[part];
        array.boxes = boxes[part];
        array.rows.clear();
        for (std::size_t i = 0; i < names.size(); ++i) {
            QLineEdit*& box = array.boxes[i];
            array.rows.push_back({GameFile::Player,
                                  kSection,
                                  names[i],
                                  NoDataFound,
                                  {[&box](const QString& value) {
                                       box->setText(value);
                                       box->setCursorPosition(0);
                                   },
                                   [&box] { return std::optional(box->text()); }}});
        }
    }
}

void InputGroup::buildFrames(const Pages& pages, int pageGrowth) {
    // Pages are 789 x 461 pixels at design; each tab's picture sits in its top left corner, the frames beside it.
    // Where the pages are wider (the tab strip grew for its captions), the frames that reach the right edge
    // widen with it, or move along where a frame stands left of them.
    enum class Follow { Stays, Widens, Moves };
    struct BindingFrame {
        QGroupBox*& frame;
        const char* name;
        const char* caption;
        const char* tooltip;
        QWidget* page;
        QRect rect;
        Follow follow;
    };
    const BindingFrame frames[] = {
        {frameNumbers,
         "frameNumbers",
         "Number Keys",
         "Number Key Binds",
         pages.lettersAndNumbers,
         {60, 4, 136, 292},
         Follow::Stays},
        {frameFunctionKeys,
         "frameFunctionKeys",
         "Function Keys",
         "Function Key Binds",
         pages.lettersAndNumbers,
         {200, 4, 360, 292},
         Follow::Widens},
        {frameNumPad,
         "frameNumPad",
         "NumPad Keys",
         "NumPad Key Binds",
         pages.lettersAndNumbers,
         {564, 4, 221, 292},
         Follow::Moves},
        {framKeyboard1,
         "framKeyboard1",
         "Keyboard Letters",
         "Keyboard Letter Binds",
         pages.lettersAndNumbers,
         {4, 299, 781, 160},
         Follow::Widens},
        {frameKeyboardOthers,
         "frameKeyboardOthers",
         "Keyboard Keys (Non-Letters)",
         "Non-Letter Keyboard Binds",
         pages.otherKeys,
         {60, 4, 725, 446},
         Follow::Widens},
        {frameJoyStick,
         "frameJoyStick",
         "Joy Stick",
         "Joystick Binds",
         pages.mouseAndJoystick,
         {60, 4, 460, 292},
         Follow::Widens},
        {frameMouse,
         "frameMouse",
         "Mouse Buttons",
         "Mouse Binds",
         pages.mouseAndJoystick,
         {528, 60, 257, 204},
         Follow::Moves},
        {frameAlias,
         "frameAlias",
         "Alias Setup 1",
         "Alias 0 - 19 Setup / Bind Commands",
         pages.aliases1,
         {60, 4, 725, 448},
         Follow::Widens},
        {frameAlias2,
         "frameAlias2",
         "Alias Setup 2",
         "Alias 20 - 39 Setup / Bind Commands",
         pages.aliases2,
         {60, 4, 725, 448},
         Follow::Widens},
    };
    const int growth = pageGrowth;
    for (const BindingFrame& entry : frames) {
        const QRect rect = entry.follow == Follow::Widens  ? entry.rect.adjusted(0, 0, growth, 0)
                           : entry.follow == Follow::Moves ? entry.rect.translated(growth, 0)
                                                           : entry.rect;
        entry.frame = makeFrame(entry.page, QLatin1String(entry.name), QLatin1String(entry.caption), rect,
                                QLatin1String(entry.tooltip));
    }

    // Each tab's picture; "picKey(4)" is the viewer's.
    struct TabPicture {
        QString name;
        const char* file;
        QWidget* page;
        int left;
    };
    const TabPicture pictures[] = {
        {arrayName("picKey", 0), "keyboard.png", pages.lettersAndNumbers, 4},
        {arrayName("picKey", 1), "keyboard.png", pages.otherKeys, 4},
        {QStringLiteral("picJoy"), "joystick.png", pages.mouseAndJoystick, 4},
        {QStringLiteral("Picture2"), "mouse.png", pages.mouseAndJoystick, 528 + growth},  // above the mouse frame
        {arrayName("picKey", 2), "computer.png", pages.aliases1, 4},
        {arrayName("picKey", 3), "computer.png", pages.aliases2, 4},
    };
    for (const TabPicture& entry : pictures)
        makeDecorativePicture(entry.page, entry.name, QString::fromLatin1(entry.file), entry.left, 4);
}

void InputGroup::buildBoxes() {
    // Where the elements first..first+count-1 of an array go: rows of a column fill first; the last column
    // takes whatever is left over.
    struct BoxColumns {
        Part part;
        int first;
        int count;
        QGroupBox* frame;
        int rowsPerColumn;
        int columns;
        int rowHeight;
        const char* boxName;
        const char* labelName;
    };
    const BoxColumns placements[] = {
        {Digits, 0, 10, frameNumbers, 12, 1, 22, "txtNumbers", "lblTxtNumbers"},
        {FunctionKeys, 0, 24, frameFunctionKeys, 12, 2, 22, "txtFunctionKeys", "lblTxtFunc"},
        {NumPad, 0, 12, frameNumPad, 12, 1, 22, "txtNumPad", "lblTxtNumPad"},
        {Letters, 0, 26, framKeyboard1, 6, 5, 22, "txtKeyLetters", "lblTxtLetter"},
        {Others, 0, 55, frameKeyboardOthers, 18, 3, 22, "txtKeyboardOth", "lblTxtKeyOth"},
        {Joystick, 0, 24, frameJoyStick, 12, 2, 22, "txtJoyStick", "lblJoyStick"},
        {Mouse, 0, 8, frameMouse, 8, 1, 22, "txtMouseButtons", "lblTxtMouse"},
        {Aliases, 0, 20, frameAlias, 20, 1, 21, "txtAlias", "lblTxtAlias"},
        {Aliases, 20, 20, frameAlias2, 20, 1, 21, "txtAlias", "lblTxtAlias"},
    };
    for (const BoxColumns& place : placements) {
        KeyArray& array = arrays_[place.part];
        // A key's label reads its key name; an alias label adds " =" ("=" alone for the first).
        auto caption = [&](int i) {
            const QString& key = array.rows[static_cast<std::size_t>(i)].key;
            if (place.part != Aliases) return key;
            return key + QLatin1String(i == 0 ? "=" : " =");
        };
        // The labels of a frame are as wide as the widest needs: its text and, for the bordered alias labels,
        // the border and the margin inside it.
        std::vector<QLabel*> labels;
        int labelWidth = 0;
        for (int i = place.first; i < place.first + place.count; ++i) {
            auto* label = new QLabel(caption(i), place.frame);
            label->setObjectName(arrayName(place.labelName, i));
            if (place.part == Aliases) label->setFrameShape(QFrame::Box);
            labelWidth = std::max(labelWidth, captionSize(label).width());
            labels.push_back(label);
        }
        const int columnWidth = (place.frame->width() - 2 * kMargin + kGap) / place.columns;
        for (int n = 0; n < place.count; ++n) {
            const int i = place.first + n;
            const int column = std::min(n / place.rowsPerColumn, place.columns - 1);
            const int left = kMargin + column * columnWidth;
            const int top = kFirstRowTop + (n - column * place.rowsPerColumn) * place.rowHeight;
            const int height = place.rowHeight - 2;
            labels[static_cast<std::size_t>(n)]->setGeometry(left, top, labelWidth, height);
            auto* box = new QLineEdit(kNoFileOpen, place.frame);
            box->setObjectName(arrayName(place.boxName, i));
            box->setGeometry(left + labelWidth + kGap, top, columnWidth - labelWidth - 2 * kGap, height);
            box->setCursorPosition(0);
            array.boxes[static_cast<std::size_t>(i)] = box;
        }
    }
}

void InputGroup::load(Part first, Part last) {
    for (int part = first; part <= last; ++part) keys_.load(arrays_[static_cast<std::size_t>(part)].rows);
}

void InputGroup::save(Part first, Part last) {
    // A character the code page cannot hold raises an error that ends the save.
    for (int part = first; part <= last; ++part) keys_.save(arrays_[static_cast<std::size_t>(part)].rows);
}

void InputGroup::reset(Part first, Part last) {
    for (int part = first; part <= last; ++part)
        for (QLineEdit* box : arrays_[static_cast<std::size_t>(part)].boxes) {
            box->setText(kNoFileOpen);
            box->setCursorPosition(0);
        }
}

void InputGroup::loadAliases() {
    load(Aliases, Aliases);
}
void InputGroup::loadDigitsFunctionKeysLetters() {
    load(Digits, Letters);
}
void InputGroup::loadOtherMouseNumPad() {
    load(Others, NumPad);
}
void InputGroup::loadJoystick() {
    load(Joystick, Joystick);
}

void InputGroup::saveAliases() {
    save(Aliases, Aliases);
}
void InputGroup::saveDigits() {
    save(Digits, Digits);
}
void InputGroup::saveFunctionKeysLetters() {
    save(FunctionKeys, Letters);
}
void InputGroup::saveOtherMouse() {
    save(Others, Mouse);
}
void InputGroup::saveNumPadJoystick() {
    save(NumPad, Joystick);
}

void InputGroup::resetAliases() {
    reset(Aliases, Aliases);
}
void InputGroup::resetDigitsFunctionKeys() {
    reset(Digits, FunctionKeys);
}
void InputGroup::resetLetters() {
    reset(Letters, Letters);
}
void InputGroup::resetOther() {
    reset(Others, Others);
}
void InputGroup::resetMouse() {
    reset(Mouse, Mouse);
}
void InputGroup::resetNumPadJoystick() {
    reset(NumPad, Joystick);
}
