#include "editor/ClientGroup.h"

#include <QString>
#include "editor/frmMain.h"

ClientGroup::ClientGroup(frmMain& main) : main_(main) {}
void ClientGroup::fillLists() {}
void ClientGroup::loadControllerAndClient() {}
void ClientGroup::loadTextureDetail() {}
void ClientGroup::loadSound() {}
void ClientGroup::loadAnnouncer() {}
void ClientGroup::enableControls() {}
void ClientGroup::saveController() {}
void ClientGroup::saveClientAndTexture() {}
void ClientGroup::saveSoundAndMusic() {}
void ClientGroup::saveAnnouncer() {}
void ClientGroup::saveSoundVolume() {}
void ClientGroup::disableTextureLists() {}
void ClientGroup::resetVolumeLabels() {}
void ClientGroup::disableController() {}
void ClientGroup::resetAndDisableVolumeSliders() {}
void ClientGroup::disableChecks() {}
void ClientGroup::chkClientSU_Click(int Index) { (void)Index; }
