#pragma once
// The input group: forty aliases and the bindings of every key, mouse button and joystick input, 199 text
// boxes over five tabs. Section "Engine.Input" of the player file; every value is opaque text.
#include <QObject>
#include <array>

class QLineEdit;
class frmMain;

class InputGroup : public QObject {
    Q_OBJECT
public:
    // Builds the frames, labels and boxes on tabs 1 to 5.
    explicit InputGroup(frmMain& main);

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

    std::array<QLineEdit*, 40> txtAlias{};
    std::array<QLineEdit*, 10> txtNumbers{};
    std::array<QLineEdit*, 24> txtFunctionKeys{};
    std::array<QLineEdit*, 26> txtKeyLetters{};
    std::array<QLineEdit*, 55> txtKeyboardOth{};
    std::array<QLineEdit*, 8> txtMouseButtons{};
    std::array<QLineEdit*, 12> txtNumPad{};
    std::array<QLineEdit*, 24> txtJoyStick{};

private:
    frmMain& main_;
};
