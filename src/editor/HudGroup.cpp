#include "editor/HudGroup.h"

#include <QString>
#include "editor/frmMain.h"

HudGroup::HudGroup(frmMain& main) : main_(main) {}
void HudGroup::disableAtLoad() {}
void HudGroup::fillLists() {}
void HudGroup::loadHud() {}
void HudGroup::loadCrossHairColor() {}
void HudGroup::enableChecks() {}
void HudGroup::enableControls() {}
void HudGroup::saveHudKeys() {}
void HudGroup::saveScaleOpacityConsole() {}
void HudGroup::saveCrossHairColor() {}
void HudGroup::saveCrosshairStyle() {}
void HudGroup::disableColourSliders() {}
void HudGroup::resetChecksScaleOpacityStyleText() {}
void HudGroup::resetConsoleAndColour() {}
void HudGroup::resetPreviewAndSample() {}
void HudGroup::disableStyleAndSliders() {}
void HudGroup::disableConsoleAndChecks() {}
std::array<QString, 4> HudGroup::parseCrossHairColor(const QString& value) {
    (void)value;
    return {};
}
void HudGroup::LoadCrossHair() {}
void HudGroup::SetCrossHairColor(unsigned char red, unsigned char green, unsigned char blue) { (void)red; (void)green; (void)blue; }
