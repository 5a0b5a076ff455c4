#pragma once
// The input group: forty aliases and the bindings of every key, mouse button and joystick input, 199 text
// boxes over five tabs. Section "Engine.Input" of the player file; every value is opaque text.
#include <QObject>
#include <QString>
#include <array>
#include <span>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
class frmMain;

// A decorative picture of the tabs: a 48 x 48 icon of the program's "icons" folder in a 52 x 52 sunken box
// at (left, top) of page. A missing icon leaves the box empty.
QLabel* makeDecorativePicture(QWidget* page, const QString& name, const QString& iconFile, int left, int top);

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

    QGroupBox* frameNumbers = nullptr;
    QGroupBox* frameFunctionKeys = nullptr;
    QGroupBox* frameNumPad = nullptr;
    QGroupBox* framKeyboard1 = nullptr;
    QGroupBox* frameKeyboardOthers = nullptr;
    QGroupBox* frameJoyStick = nullptr;
    QGroupBox* frameMouse = nullptr;
    QGroupBox* frameAlias = nullptr;
    QGroupBox* frameAlias2 = nullptr;
    std::array<QLabel*, 4> picKey{};  // element 4 is the viewer's
    QLabel* picJoy = nullptr;
    QLabel* Picture2 = nullptr;

  private:
    // The control arrays in the order that every load, save and reset walks them.
    enum Part { Aliases, Digits, FunctionKeys, Letters, Others, Mouse, NumPad, Joystick, PartCount };
    enum class Step { Load, Save, Reset };
    struct KeyArray {
        std::span<QLineEdit*> boxes;
        std::vector<QString> keys;  // key i is bound by box i
    };

    void buildFrames();
    void buildBoxes();
    // The one walk over the key arrays first to last (inclusive).
    void walk(Step step, Part first, Part last);

    frmMain& main_;
    std::array<KeyArray, PartCount> arrays_;
};
