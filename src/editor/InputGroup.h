#pragma once
// The input group: forty aliases and the bindings of every key, mouse button and joystick input, 199 text
// boxes over five tabs. Section "Engine.Input" of the player file; every value is opaque text.
#include <QObject>
#include <QString>
#include <array>
#include <span>
#include <vector>

#include "editor/KeyBinding.h"

class QGroupBox;
class QLineEdit;
class QWidget;

class InputGroup : public QObject {
    Q_OBJECT
  public:
    // The tabs the group fills: "Bind Letters and Numbers", "Bind Other Keys", "Bind Mouse And Joystick" and the
    // two alias tabs.
    struct Pages {
        QWidget* lettersAndNumbers;
        QWidget* otherKeys;
        QWidget* mouseAndJoystick;
        QWidget* aliases1;
        QWidget* aliases2;
    };
    // Builds the frames, labels and boxes on the pages; the frames that reach the right edge of a page take
    // the width that the pages have grown.
    InputGroup(const Pages& pages, int pageGrowth, editor::GameFiles files);

    // Load steps.
    void loadAliases();
    void loadDigitsFunctionKeysLetters();
    void loadOtherMouseNumPad();
    void loadJoystick();

    // Save steps.
    void saveAliases();
    void saveDigits();
    void saveFunctionKeysLetters();
    void saveOtherMouse();
    void saveNumPadJoystick();

    // Reset steps: the boxes show "NO File Open".
    void resetAliases();
    void resetDigitsFunctionKeys();
    void resetLetters();
    void resetOther();
    void resetMouse();
    void resetNumPadJoystick();

  private:
    // The control arrays in the order that every load, save and reset walks them.
    enum Part { Aliases, Digits, FunctionKeys, Letters, Others, Mouse, NumPad, Joystick, PartCount };
    struct KeyArray {
        std::span<QLineEdit*> boxes;
        std::vector<editor::KeyBinding> rows;  // row i binds box i
    };

    void buildFrames(const Pages& pages, int pageGrowth);
    void buildBoxes();
    void bindKeys();
    // The load, the save and the reset of the key arrays first to last (inclusive).
    void load(Part first, Part last);
    void save(Part first, Part last);
    void reset(Part first, Part last);

    std::array<QLineEdit*, 40> txtAlias{};
    std::array<QLineEdit*, 10> txtNumbers{};
    std::array<QLineEdit*, 24> txtFunctionKeys{};
    std::array<QLineEdit*, 26> txtKeyLetters{};
    std::array<QLineEdit*, 55> txtKeyboardOth{};
    std::array<QLineEdit*, 8> txtMouseButtons{};
    std::array<QLineEdit*, 12> txtNumPad{};
    std::array<QLineEdit*, 24> txtJoyStick{};

    QGroupBox* frameNumbers = nullptr;
    QGroupBox* frameFunctionKeys = nullptr;
    QGroupBox* frameNumPad = nullptr;
    QGroupBox* framKeyboard1 = nullptr;
    QGroupBox* frameKeyboardOthers = nullptr;
    QGroupBox* frameJoyStick = nullptr;
    QGroupBox* frameMouse = nullptr;
    QGroupBox* frameAlias = nullptr;
    QGroupBox* frameAlias2 = nullptr;

    editor::KeyBinder keys_;
    std::array<KeyArray, PartCount> arrays_;
};
