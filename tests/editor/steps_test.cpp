// The order of the steps of the load, the save and the close. The save's order decides where keys and
// sections missing from a game file are added, and the load's where a failure stops it; a swapped step fails here.
#include <QtWidgets>

#include "GuiTest.h"
#include "editor/frmMain.h"

class StepsTest : public GuiTest {};

TEST_F(StepsTest, ProceduresRunTheirStepsInOrder) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    ASSERT_NE(main, nullptr);
    const std::pair<std::function<void()>, QString> procedures[] = {
        {[main] { main->OpenINIFiles(); },
         // Player file: identity, bindings, HUD, player controller, weapons, pawn; then the engine file, and the
         // announcer volume last.
         "showOpening loadNameAndCharacter loadTeam loadAliases loadDigitsFunctionKeysLetters loadOtherMouseNumPad "
         "loadJoystick loadHud loadCrossHairColor loadPlayerController loadWeapons loadWeaponBob loadRenderDevice "
         "loadWindowsClient loadControllerAndClient loadTextureDetail loadD3D loadOpenGLAndNull loadSound "
         "loadAnnouncer enableHudChecksAndSwitches enableEditingControls setFileIsOpen showOpened"},
        {[main] { main->mnuFileSave_Click(); },
         "showSaving checkFilesWritable saveDefaultPlayer saveStatsUsername savePasswordFovAndSwitches saveWeaponBob "
         "saveHudKeys "
         "saveScaleOpacityConsole saveCrossHairColor saveCrosshairStyle saveWeapons saveAliases saveDigits "
         "saveFunctionKeysLetters saveOtherMouse saveNumPadJoystick saveController saveResolution saveWindowsClient "
         "saveClientAndTexture saveRenderDevice saveOpenGL saveD3DAndNull saveSoundAndMusic saveAnnouncer "
         "saveSoundVolume showSaved"},
        {[main] { main->CloseINIFiles(); },
         "showClosing closeViewFile resetCharacterLabel resetViewerTexts resetTextBoxesAndList "
         "disableColourSlidersAndTextureLists resetAliases resetDigitsFunctionKeys resetLetters resetOther resetMouse "
         "resetNumPadJoystick resetPortrait resetChecksScaleOpacityStyleText resetFov resetListsRefreshAndLabels "
         "resetVolumeLabels resetMinRefresh resetConsoleAndColour resetSwitches resetWeaponRows resetPreviewAndSample "
         "resetRenderType disableMoveButtons disableStyleSlidersTeamFovAndBob "
         "disableControllerConsoleChecksAndSwitches resetAndDisableSlidersAndLists enableOpenMenu "
         "disableRenderAndSoundChecks clearFileIsOpen showClosed"},
    };
    for (const auto& [run, steps] : procedures) {
        run();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(main->stepsRun().join(' '), steps);
    }
}
