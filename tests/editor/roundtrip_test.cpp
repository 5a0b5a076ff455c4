// End to end: the full pair of game files loaded into the real window and saved again. With no edit both files
// come back byte for byte; one edit changes exactly its own lines and nothing else.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "editor/WeaponGroup.h"
#include "editor/frmMain.h"

using RoundTripTest = GuiTest;

TEST_F(RoundTripTest, LoadAndSaveWithNoEditLeaveBothFilesAsTheyWere) {
    frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
    // The second pass follows a close and a new load into the same window: nothing the reset left behind reaches
    // the files.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) main->CloseINIFiles(), main->OpenINIFiles();
        main->mnuFileSave_Click();
        EXPECT_TRUE(messages.empty());
        // The player file, then the engine file.
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()),
                              fixtureBytes("User.ini") + fixtureBytes("UT2003.ini")))
            << pass;
    }
}

TEST_F(RoundTripTest, EachEditChangesExactlyItsLines) {
    using Act = std::function<void(frmMain*)>;
    auto type = [](const char* box, QString s) -> Act { return [=](frmMain*) { find<QLineEdit>(box)->setText(s); }; };
    auto click = [](const char* option) -> Act { return [=](frmMain*) { find<QRadioButton>(option)->click(); }; };
    const Act slide = [](frmMain*) { find<QSlider>("slideHudScale")->triggerAction(QSlider::SliderSingleStepAdd); };
    const Act pick = [](frmMain*) { find<QComboBox>("cboTexDetail(3)")->setCurrentIndex(6); };
    // The Ion Painter moves up over the Redeemer: the two swap priorities, each keeps its fire mode.
    const Act move = [](frmMain* main) { main->weapons->lblWeaponName_Click(11), main->weapons->cmdMoveUp_Click(); };
    const char* alias = "(Command=\"Say gg\",Alias=GoodGame)";
    const std::vector<std::pair<Act, std::vector<std::array<const char*, 3>>>> edits = {
        {type("txtKeyLetters(5)", "Say hi"), {{"Engine.Input", "F", "Say hi"}}},
        // The file spells the key "Home"; the editor asks for "home" and rewrites the file's line in place.
        {type("txtKeyboardOth(21)", ""), {{"Engine.Input", "Home", ""}}},
        {type("txtAlias(7)", alias), {{"Engine.Input", "Aliases[7]", alias}}},
        {slide, {{"Engine.Hud", "HudScale", "0.851"}}},
        {pick, {{"WinDrv.WindowsClient", "TextureDetailPlayerSkin", "UltraHigh"}}},
        {click("optRenderType(0)"), {{"Engine.Engine", "RenderDevice", "OpenGLDrv.OpenGLRenderDevice"}}},
        {click("optController(1)"),
         {{"WinDrv.WindowsClient", "CaptureMouse", "False"}, {"WinDrv.WindowsClient", "UseJoystick", "True"}}},
        {type("txtPlayerName", "Quarl Tester"), {{"DefaultPlayer", "Name", "Quarl Tester"}}},
        {move, {{"XWeapons.Painter", "Priority", "12"}, {"XWeapons.Redeemer", "Priority", "11"}}},
    };
    for (const auto& [act, lines] : edits) {
        SCOPED_TRACE(lines[0][1]);
        frmMain* main = openEditorWithFixtures("User.ini", "UT2003.ini");
        act(main);
        main->mnuFileSave_Click();
        EXPECT_TRUE(messages.empty());
        QByteArray user = fixtureBytes("User.ini"), engine = fixtureBytes("UT2003.ini");
        for (const auto& [section, key, value] : lines)
            ASSERT_TRUE(replaceIniValue(sectionText(user, section).isEmpty() ? engine : user, section, key, value));
        ASSERT_NE(user + engine, fixtureBytes("User.ini") + fixtureBytes("UT2003.ini"));  // the edit is a change
        EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()), user + engine));
        unloadAll();
    }
}
