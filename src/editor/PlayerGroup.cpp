#include "editor/PlayerGroup.h"

#include <QString>
#include "editor/frmMain.h"

PlayerGroup::PlayerGroup(frmMain& main) : main_(main) {}
void PlayerGroup::fillLists() {}
void PlayerGroup::loadNameAndCharacter() {}
void PlayerGroup::loadTeam() {}
void PlayerGroup::loadPlayerController() {}
void PlayerGroup::loadWeaponBob() {}
void PlayerGroup::enableSwitches() {}
void PlayerGroup::enableControls() {}
void PlayerGroup::saveDefaultPlayer() {}
void PlayerGroup::saveStatsUsername() {}
void PlayerGroup::savePasswordFovAndSwitches() {}
void PlayerGroup::saveWeaponBob() {}
void PlayerGroup::resetCharacterLabel() {}
void PlayerGroup::resetTextBoxesAndList() {}
void PlayerGroup::resetPortrait() {}
void PlayerGroup::resetFov() {}
void PlayerGroup::resetSwitches() {}
void PlayerGroup::disableTeamFovAndBob() {}
void PlayerGroup::disableSwitches() {}
void PlayerGroup::cboCharSelect_Click() {}
void PlayerGroup::cmdAdd5_Click() {}
void PlayerGroup::cmdSub5_Click() {}
