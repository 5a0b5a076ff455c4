#include "editor/DisplayGroup.h"

#include <QString>
#include "editor/frmMain.h"

DisplayGroup::DisplayGroup(frmMain& main) : main_(main) {}
void DisplayGroup::fillLists() {}
void DisplayGroup::loadRenderDevice() {}
void DisplayGroup::loadWindowsClient() {}
void DisplayGroup::loadD3D() {}
void DisplayGroup::loadOpenGLAndNull() {}
void DisplayGroup::enableControls() {}
void DisplayGroup::saveResolution() {}
void DisplayGroup::saveWindowsClient() {}
void DisplayGroup::saveRenderDevice() {}
void DisplayGroup::saveOpenGL() {}
void DisplayGroup::saveD3DAndNull() {}
void DisplayGroup::resetListsRefreshAndLabels() {}
void DisplayGroup::resetMinRefresh() {}
void DisplayGroup::resetRenderType() {}
void DisplayGroup::resetAndDisableControls() {}
void DisplayGroup::disableRenderChecks() {}
void DisplayGroup::cboColorDepth_Click() {}
void DisplayGroup::chkDefaultVars_Click(int Index) { (void)Index; }
void DisplayGroup::txtMinRefRate_Change() {}
void DisplayGroup::txtDesiredRefRate_Change() {}
