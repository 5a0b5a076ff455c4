#include "editor/InputGroup.h"

#include <QString>
#include "editor/frmMain.h"

InputGroup::InputGroup(frmMain& main) : main_(main) {}
void InputGroup::loadAliases() {}
void InputGroup::loadDigitsFunctionKeysLetters() {}
void InputGroup::loadOtherMouseNumPad() {}
void InputGroup::loadJoystick() {}
void InputGroup::saveAliases() {}
void InputGroup::saveDigits() {}
void InputGroup::saveFunctionKeysLetters() {}
void InputGroup::saveOtherMouse() {}
void InputGroup::saveNumPadJoystick() {}
void InputGroup::resetAliases() {}
void InputGroup::resetDigitsFunctionKeys() {}
void InputGroup::resetLetters() {}
void InputGroup::resetOther() {}
void InputGroup::resetMouse() {}
void InputGroup::resetNumPadJoystick() {}
