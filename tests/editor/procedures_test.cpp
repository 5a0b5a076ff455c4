// The three file procedures of the main window (load, save, close): their steps in order, their progress and status
// reports in order, and the file-open state they leave (FileIsOpen, the menus, the file label, the status text, the
// bar). The save's order decides where keys and sections missing from a file are added, the load's where a failure
// stops it; a swapped step fails here.
#include <QtWidgets>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

using ProceduresTest = GuiTest;

TEST_F(ProceduresTest, ProceduresRunTheirStepsInOrderAndReportThem) {
    // Player file: identity, bindings, HUD, player controller, weapons, pawn; then the engine file, and the announcer
    // volume last.
    const QString load =
        "showOpening loadNameAndCharacter loadTeam loadAliases loadDigitsFunctionKeysLetters loadOtherMouseNumPad "
        "loadJoystick loadHud loadCrossHairColor loadPlayerController loadWeapons loadWeaponBob loadRenderDevice "
        "loadWindowsClient loadControllerAndClient loadTextureDetail loadD3D loadOpenGLAndNull loadSound "
        "loadAnnouncer enableHudChecksAndSwitches enableEditingControls setFileIsOpen showOpened";
    const QString save =
        "showSaving checkFilesWritable saveDefaultPlayer saveStatsUsername savePasswordFovAndSwitches saveWeaponBob "
        "saveHudKeys saveScaleOpacityConsole saveCrossHairColor saveCrosshairStyle saveWeapons saveAliases saveDigits "
        "saveFunctionKeysLetters saveOtherMouse saveNumPadJoystick saveController saveResolution saveWindowsClient "
        "saveClientAndTexture saveRenderDevice saveOpenGL saveD3DAndNull saveSoundAndMusic saveAnnouncer "
        "saveSoundVolume showSaved";
    const QString close =
        "showClosing closeViewFile resetCharacterLabel resetViewerTexts resetTextBoxesAndList "
        "disableColourSlidersAndTextureLists resetAliases resetDigitsFunctionKeys resetLetters resetOther resetMouse "
        "resetNumPadJoystick resetPortrait resetChecksScaleOpacityStyleText resetFov resetListsRefreshAndLabels "
        "resetVolumeLabels resetMinRefresh resetConsoleAndColour resetSwitches resetWeaponRows resetPreviewAndSample "
        "resetRenderType disableMoveButtons disableStyleSlidersTeamFovAndBob "
        "disableControllerConsoleChecksAndSwitches resetAndDisableSlidersAndLists enableOpenMenu "
        "disableRenderAndSoundChecks clearFileIsOpen showClosed";
    const QString closed = "0 'Closing File...' 1000 2000 3000 4000 5000 6000 7000 8000 10000 'File Closed !' 0";
    const QString open = "open, Save on, Open off, " + userIni(), none = "closed, Save off, Open on, NO File Open";
    // Each procedure runs on a loaded window: what it runs, its steps, its reports, the state it leaves.
    const std::tuple<std::function<void(frmMain*)>, QString, QString, QString> cases[] = {
        {&frmMain::OpenINIFiles, load,
         "'Opening File...' 0 1000 2000 3000 4000 5000 6500 7000 8000 9000 10000 'File Opened !' 0",
         open + ", File Opened !, bar 0/10000"},
        {&frmMain::mnuFileSave_Click, save,
         "'Saving File...' 0 1000 2000 250 3000 3250 4500 5000 5250 6000 7000 8000 10000 'File Saved !' 0",
         open + ", File Saved !, bar 0/10000"},
        {&frmMain::CloseINIFiles, close, closed, none + ", File Closed !, bar 0/10000"},
        // Closing with no file open runs every step again and ends in the same state.
        {[](frmMain* m) { m->CloseINIFiles(), m->CloseINIFiles(); }, close, closed + " " + closed,
         none + ", File Closed !, bar 0/10000"},
        // A bad value stops a second load in the HUD step, and leaves the file-open state.
        {[this](frmMain* m) { act("set User.ini [Engine.Hud] HudScale=abc"), m->OpenINIFiles(); },
         load.section(' ', 0, 7), "'Opening File...' 0 1000 2000 3000 4000",
         "closed, Save off, Open on, " + userIni() + ", Opening File..., bar 4000/10000"}};
    for (const auto& [run, steps, reported, state] : cases) {
        SCOPED_TRACE(reported.toStdString());
        frmMain* main = openEditorWithFixtures();
        QStringList reports;
        QObject::connect(main, &frmMain::progressReported, main, [&](int value) { reports << QString::number(value); });
        QObject::connect(main, &frmMain::statusReported, main,
                         [&](const QString& text) { reports << "'" + text + "'"; });
        run(main);
        EXPECT_EQ(main->stepsRun().join(' '), steps);
        EXPECT_EQ(reports.join(' '), reported);
        EXPECT_EQ(QString("%1, Save %2, Open %3, %4, %5, bar %6/%7")
                      .arg(FileIsOpen ? "open" : "closed", main->mnuFileSave->isEnabled() ? "on" : "off",
                           main->mnuFileOpen->isEnabled() ? "on" : "off", main->lblOFile->text(),
                           main->statusPanels[1]->text(), QString::number(main->ProgressBar1->value()),
                           QString::number(main->ProgressBar1->maximum())),
                  state);
        unloadAll();
    }
    EXPECT_EQ(messages.size(), 1u);  // the stopped load's, whose text the failure table holds
}
