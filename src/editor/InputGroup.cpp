#include "editor/InputGroup.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>
#include <vector>

#include "config/Startup.h"
#include "editor/Controls.h"
#include "editor/frmMain.h"

namespace {

const QString kSection = QStringLiteral("Engine.Input");
const QString kNoFileOpen = QStringLiteral("NO File Open");

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

QLabel* makeDecorativePicture(QWidget* page, const QString& name, const QString& iconFile, int left, int top) {
    auto* box = new QLabel(page);
    box->setObjectName(name);
    box->setGeometry(left, top, 52, 52);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignCenter);
    const QString path = joinPath(programFolder(), QStringLiteral("icons/") + iconFile);
    const QPixmap picture(path);
    if (QFileInfo(path).isFile() && !picture.isNull())
        box->setPixmap(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return box;
}

InputGroup::InputGroup(frmMain& main) : main_(main) {
    // The pairing of boxes and keys is by position; the key tables were built by the start-up.
    arrays_ = {{
        {txtAlias, numberedKeys("Aliases[%1]", 40, 0)},
        {txtNumbers, numberedKeys("%1", 10, 0)},
        {txtFunctionKeys, numberedKeys("F%1", 24, 1)},
        {txtKeyLetters, tableKeys(LetterKeys)},
        {txtKeyboardOth, tableKeys(OtherKeys)},
        {txtMouseButtons, tableKeys(MouseKeys)},
        {txtNumPad, tableKeys(NumPadKeys)},
        {txtJoyStick, tableKeys(JoystickKeys)},
    }};
    buildFrames();
    buildBoxes();
}

void InputGroup::buildFrames() {
    // Pages are 789 x 461 pixels at design; each tab's picture sits in its top left corner, the frames beside it.
    // Where the pages are wider (the tab strip grew for its captions), the frames that reach the right edge
    // widen with it, or move along where a frame stands left of them.
    enum class Follow { Stays, Widens, Moves };
    struct FrameSpec {
        QGroupBox*& frame;
        const char* name;
        const char* caption;
        const char* tooltip;
        int page;
        QRect rect;
        Follow follow;
    };
    const FrameSpec frames[] = {
        {frameNumbers, "frameNumbers", "Number Keys", "Number Key Binds", 1, {60, 4, 136, 292}, Follow::Stays},
        {frameFunctionKeys,
         "frameFunctionKeys",
         "Function Keys",
         "Function Key Binds",
         1,
         {200, 4, 360, 292},
         Follow::Widens},
        {frameNumPad, "frameNumPad", "NumPad Keys", "NumPad Key Binds", 1, {564, 4, 221, 292}, Follow::Moves},
        {framKeyboard1,
         "framKeyboard1",
         "Keyboard Letters",
         "Keyboard Letter Binds",
         1,
         {4, 299, 781, 160},
         Follow::Widens},
        {frameKeyboardOthers,
         "frameKeyboardOthers",
         "Keyboard Keys (Non-Letters)",
         "Non-Letter Keyboard Binds",
         2,
         {60, 4, 725, 446},
         Follow::Widens},
        {frameJoyStick, "frameJoyStick", "Joy Stick", "Joystick Binds", 3, {60, 4, 460, 292}, Follow::Widens},
        {frameMouse, "frameMouse", "Mouse Buttons", "Mouse Binds", 3, {528, 60, 257, 204}, Follow::Moves},
        {frameAlias,
         "frameAlias",
         "Alias Setup 1",
         "Alias 0 - 19 Setup / Bind Commands",
         4,
         {60, 4, 725, 448},
         Follow::Widens},
        {frameAlias2,
         "frameAlias2",
         "Alias Setup 2",
         "Alias 20 - 39 Setup / Bind Commands",
         5,
         {60, 4, 725, 448},
         Follow::Widens},
    };
    const int growth = main_.pageGrowth();
    for (const FrameSpec& entry : frames) {
        const QRect rect = entry.follow == Follow::Widens  ? entry.rect.adjusted(0, 0, growth, 0)
                           : entry.follow == Follow::Moves ? entry.rect.translated(growth, 0)
                                                           : entry.rect;
        entry.frame = makeFrame(main_.tabPages[static_cast<std::size_t>(entry.page)], QLatin1String(entry.name),
                                QLatin1String(entry.caption), rect, QLatin1String(entry.tooltip));
    }

    struct PictureSpec {
        QLabel*& box;
        QString name;
        const char* file;
        int page;
        int left;
    };
    const PictureSpec pictures[] = {
        {picKey[0], arrayName("picKey", 0), "keyboard.png", 1, 4},
        {picKey[1], arrayName("picKey", 1), "keyboard.png", 2, 4},
        {picJoy, QStringLiteral("picJoy"), "joystick.png", 3, 4},
        {Picture2, QStringLiteral("Picture2"), "mouse.png", 3, 528 + growth},  // above the mouse frame
        {picKey[2], arrayName("picKey", 2), "computer.png", 4, 4},
        {picKey[3], arrayName("picKey", 3), "computer.png", 5, 4},
    };
    for (const PictureSpec& entry : pictures)
        entry.box = makeDecorativePicture(main_.tabPages[static_cast<std::size_t>(entry.page)], entry.name,
                                          QString::fromLatin1(entry.file), entry.left, 4);
}

void InputGroup::buildBoxes() {
    // Where the elements first..first+count-1 of an array go: rows of a column fill first; the last column
    // takes whatever is left over.
    struct Placement {
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
    const Placement placements[] = {
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
    for (const Placement& place : placements) {
        KeyArray& array = arrays_[place.part];
        // A key's label reads its key name; an alias label adds " =" ("=" alone for the first).
        auto caption = [&](int i) {
            const QString& key = array.keys[static_cast<std::size_t>(i)];
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

void InputGroup::walk(Step step, Part first, Part last) {
    for (int part = first; part <= last; ++part) {
        const KeyArray& array = arrays_[static_cast<std::size_t>(part)];
        for (std::size_t i = 0; i < array.boxes.size(); ++i) {
            QLineEdit* box = array.boxes[i];
            switch (step) {
                case Step::Load:
                    // No comparison with the sentinel: a missing key shows "No Data Found!!" as it is.
                    box->setText(ReadINI(kSection, array.keys[i], NoDataFound, main_.playerFile()));
                    break;
                case Step::Save:
                    // An empty box writes the key with an empty value; a character the code page cannot
                    // hold raises an error that ends the save.
                    WriteINI(kSection, array.keys[i], box->text(), main_.playerFile());
                    break;
                case Step::Reset:
                    box->setText(kNoFileOpen);
                    break;
            }
            if (step != Step::Save) box->setCursorPosition(0);
        }
    }
}

void InputGroup::loadAliases() {
    walk(Step::Load, Aliases, Aliases);
}
void InputGroup::loadDigitsFunctionKeysLetters() {
    walk(Step::Load, Digits, Letters);
}
void InputGroup::loadOtherMouseNumPad() {
    walk(Step::Load, Others, NumPad);
}
void InputGroup::loadJoystick() {
    walk(Step::Load, Joystick, Joystick);
}

void InputGroup::saveAliases() {
    walk(Step::Save, Aliases, Aliases);
}
void InputGroup::saveDigits() {
    walk(Step::Save, Digits, Digits);
}
void InputGroup::saveFunctionKeysLetters() {
    walk(Step::Save, FunctionKeys, Letters);
}
void InputGroup::saveOtherMouse() {
    walk(Step::Save, Others, Mouse);
}
void InputGroup::saveNumPadJoystick() {
    walk(Step::Save, NumPad, Joystick);
}

void InputGroup::resetAliases() {
    walk(Step::Reset, Aliases, Aliases);
}
void InputGroup::resetDigitsFunctionKeys() {
    walk(Step::Reset, Digits, FunctionKeys);
}
void InputGroup::resetLetters() {
    walk(Step::Reset, Letters, Letters);
}
void InputGroup::resetOther() {
    walk(Step::Reset, Others, Others);
}
void InputGroup::resetMouse() {
    walk(Step::Reset, Mouse, Mouse);
}
void InputGroup::resetNumPadJoystick() {
    walk(Step::Reset, NumPad, Joystick);
}
