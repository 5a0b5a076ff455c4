#include "editor/WeaponGroup.h"

#include <QString>
#include "editor/frmMain.h"

WeaponGroup::WeaponGroup(frmMain& main) : main_(main) {}
void WeaponGroup::load() {}
void WeaponGroup::save() {}
void WeaponGroup::resetRows() {}
void WeaponGroup::disableMoveButtons() {}
void WeaponGroup::lblWeaponName_Click(int Index) { (void)Index; }
void WeaponGroup::cmdMoveUp_Click() {}
void WeaponGroup::cmdMoveDown_Click() {}
