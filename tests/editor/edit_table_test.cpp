// One edit through each control, made as a user makes it, then File > Save: exactly the edited key's line (or the
// lines its control writes together) changes, in its own file, and every other byte of both files stays, on the
// first save after a load and after every close and new load. There is a row for every key the save writes; the
// control arrays get theirs in loops over their keys.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"

namespace {

struct Line {
    QByteArray section, key, value;
};
struct Edit {
    QString control;
    std::function<void()> act;
    QList<Line> lines;
};

const QByteArray kUser = fixtureBytes("User.ini"), kEngine = fixtureBytes("UT2003.ini");

QByteArray keyOf(const QByteArray& line) {
    return line.left(line.indexOf('=')).trimmed();
}
// Key names match without regard to case: the editor's "home" is the file's "Home".
QByteArray spelling(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    for (const QByteArray& line : sectionLines(file, section))
        if (keyOf(line).compare(key, Qt::CaseInsensitive) == 0) return keyOf(line);
    return key;
}
bool inUserFile(const QByteArray& section) {
    return !sectionText(kUser, section).isEmpty();
}
QByteArray fixtureValue(const QByteArray& section, const QByteArray& key) {
    const QByteArray& file = inUserFile(section) ? kUser : kEngine;
    return iniValue(file, section, spelling(file, section, key)).value_or("(missing)");
}
QByteArray flipped(const QByteArray& section, const QByteArray& key) {
    return fixtureValue(section, key) == "True" ? "False" : "True";
}
QString element(const char* array, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
}
QList<QByteArray> words(const char* text) {
    return QByteArray(text).split(' ');
}
}  // namespace

class EditTableTest : public GuiTest {
  protected:
    static std::vector<Edit> editRows();
};

// The rows, in the order of the save's steps.
std::vector<Edit> EditTableTest::editRows() {
    std::vector<Edit> rows;
    auto add = [&rows](const QString& control, std::function<void()> act, QList<Line> lines) {
        rows.push_back({control, std::move(act), std::move(lines)});
    };
    // Typing goes after the box's text (End, then the keys).
    auto typed = [&add](const QString& box, const QByteArray& section, const QByteArray& key, const char* text) {
        add(box,
            [box, text] {
                QTest::keyClick(find<QLineEdit>(box), Qt::Key_End);
                QTest::keyClicks(find<QLineEdit>(box), QLatin1String(text));
            },
            {{section, key, fixtureValue(section, key) + text}});
    };
    auto clicked = [&add](const QString& button, QList<Line> lines) {
        add(
            button, [button] { find<QAbstractButton>(button)->click(); }, std::move(lines));
    };
    auto checked = [&clicked](const QString& box, const QByteArray& section, const QByteArray& key) {
        clicked(box, {{section, key, flipped(section, key)}});
    };
    auto picked = [&add](const QString& list, int p, QList<Line> lines) {
        add(
            list, [list, p] { find<QComboBox>(list)->setCurrentIndex(p); }, std::move(lines));
    };
    // A check-box array and its keys, written out here in the order of the boxes.
    auto checkArray = [&checked](const char* array, const QByteArray& section, const char* keys) {
        int i = 0;
        for (const QByteArray& key : words(keys)) checked(element(array, i++), section, key);
    };
    auto slid = [&add](const QString& slider, QAbstractSlider::SliderAction action, Line line) {
        add(slider, [slider, action] { find<QSlider>(slider)->triggerAction(action); }, {line});
    };
    using S = QAbstractSlider;
    const QByteArray player = "DefaultPlayer", controller = "Engine.PlayerController", hud = "Engine.Hud";
    const QByteArray client = "WinDrv.WindowsClient", d3d = "D3DDrv.D3DRenderDevice";
    const QByteArray sound = "ALAudio.ALAudioSubsystem";

    typed("txtPlayerName", player, "Name", " Jr");
    picked("cboCharSelect", 14, {{player, "Character", "Fate"}});
    clicked("optRed", {{player, "team", "0"}});
    typed("txtStatsName", controller, "StatsUsername", "_2");
    typed("txtStatsPW", controller, "StatsPassword", "!");
    clicked("cmdAdd5", {{controller, "DefaultFOV", "90"}});
    clicked("cmdSub5", {{controller, "DefaultFOV", "80"}});
    checkArray("chkPlayerControls", controller,
               "bNeverSwitchOnPickup bNoVoiceMessages bNoVoiceTaunts bNoAutoTaunts bAutoTaunt bNoMatureLanguage");
    checked("chkWeaponBob", "Engine.Pawn", "bWeaponBob");

    checkArray("chkHud", hud,
               "bHideHud bMessageBeep bShowWeaponInfo bShowPersonalInfo bShowPoints bCrosshairShow bShowWeaponBar "
               "bShowPortrait");
    slid("slideHudScale", S::SliderSingleStepAdd, {hud, "HudScale", "0.851"});
    slid("slideHudOpacity", S::SliderSingleStepAdd, {hud, "HudOpacity", "181"});
    // The console lists store their list position (list 1 shows 8 down to 0).
    const std::pair<const char*, int> console[] = {
        {"ConsoleMessageCount", 5}, {"ConsoleFontSize", 3}, {"MessageFontOffset", 8}};
    for (int i = 0; i < 3; ++i)
        picked(element("cboMssgSetup", i), console[i].second,
               {{hud, console[i].first, QByteArray::number(console[i].second)}});
    // Sliders red, green, blue, alpha; the stored text blue, green, red, alpha.
    slid("slideCrossColor(0)", S::SliderSingleStepSub, {hud, "CrossHairColor", "(B=0,G=255,R=254,A=255)"});
    slid("slideCrossColor(1)", S::SliderSingleStepSub, {hud, "CrossHairColor", "(B=0,G=254,R=255,A=255)"});
    slid("slideCrossColor(2)", S::SliderSingleStepAdd, {hud, "CrossHairColor", "(B=1,G=255,R=255,A=255)"});
    slid("slideCrossColor(3)", S::SliderSingleStepSub, {hud, "CrossHairColor", "(B=0,G=255,R=255,A=254)"});
    picked("cboCrossSelect", 13, {{hud, "CrosshairStyle", "13"}});

    // The weapons from the bottom row (Priority 1) up. A move swaps the Priorities of two weapons; each keeps
    // its fire mode.
    const QList<QByteArray> weapons = words(
        "TransLauncher ShieldGun AssaultRifle BioRifle ShockRifle LinkGun Minigun FlakCannon RocketLauncher "
        "SniperRifle Painter Redeemer");
    for (int r = 1; r <= 12; ++r) {
        const int to = r < 12 ? r + 1 : r - 1;
        const QByteArray section = "XWeapons." + weapons[r - 1], other = "XWeapons." + weapons[to - 1];
        add(element("lblWeaponName", r),
            [r] {
                QTest::mouseClick(find<QLabel>(element("lblWeaponName", r)), Qt::LeftButton);
                find<QAbstractButton>(r < 12 ? "cmdMoveUp" : "cmdMoveDown")->click();
            },
            {{section, "Priority", QByteArray::number(to)}, {other, "Priority", QByteArray::number(r)}});
        clicked(element("chkWeapMode", r),
                {{section, "ExchangeFireModes", fixtureValue(section, "ExchangeFireModes") == "0" ? "1" : "0"}});
    }

    // The 199 binding and alias boxes, paired with the keys in the order the save writes them.
    QList<QByteArray> inputKeys;
    for (const QByteArray& line : sectionLines(fixtureBytes("golden/User.ini"), "Engine.Input"))
        inputKeys << keyOf(line);
    const std::pair<const char*, int> input[] = {{"txtAlias", 40},      {"txtNumbers", 10},     {"txtFunctionKeys", 24},
                                                 {"txtKeyLetters", 26}, {"txtKeyboardOth", 55}, {"txtMouseButtons", 8},
                                                 {"txtNumPad", 12},     {"txtJoyStick", 24}};
    for (const auto& [array, count] : input)
        for (int i = 0; i < count; ++i) typed(element(array, i), "Engine.Input", inputKeys.takeFirst(), " Go");

    clicked("optController(1)", {{client, "CaptureMouse", "False"}, {client, "UseJoystick", "True"}});
    picked("cboResolution", 4, {{client, "FullscreenViewportX", "1600"}, {client, "FullscreenViewportY", "1200"}});
    checked("chkFullScreen", client, "StartupFullscreen");
    typed("txtMinRefRate", client, "MinDesiredFrameRate", "5");
    slid("slideGamma", S::SliderSingleStepAdd, {client, "Gamma", "0.81"});
    slid("slideBrightness", S::SliderSingleStepAdd, {client, "Brightness", "0.51"});
    slid("slideContrast", S::SliderSingleStepSub, {client, "Contrast", "0.69"});
    // "Use Dynamic Lighting" (box 1) and "Use Normal Lighting" (box 6) stay opposite: either click writes both.
    const QList<Line> lighting = {{client, "NoLighting", "True"}, {client, "NoDynamicLights", "False"}};
    const QList<QByteArray> clientKeys =
        words("ScreenFlashes NoLighting Decals Coronas DecoLayers Projectors NoDynamicLights");
    for (int i = 0; i < 7; ++i)
        clicked(element("chkClientSU", i),
                i == 1 || i == 6 ? lighting : QList<Line>{{client, clientKeys[i], flipped(client, clientKeys[i])}});
    // Each texture list takes the word after the file's (list position p is word p).
    const QList<QByteArray> detail = words("UltraLow Lower Low Normal High Higher UltraHigh");
    const QList<QByteArray> textureKeys = words(
        "TextureDetailInterface TextureDetailTerrain TextureDetailWeaponSkin TextureDetailPlayerSkin "
        "TextureDetailWorld TextureDetailRenderMap TextureDetailLightmap");
    for (int i = 0; i < 7; ++i) {
        const int p = (detail.indexOf(fixtureValue(client, textureKeys[i])) + 1) % 7;
        picked(element("cboTexDetail", i), p, {{client, textureKeys[i], detail[p]}});
    }
    clicked("optRenderType(0)", {{"Engine.Engine", "RenderDevice", "OpenGLDrv.OpenGLRenderDevice"}});
    clicked("optRenderType(2)", {{"Engine.Engine", "RenderDevice", "Engine.NullRenderDevice"}});
    checkArray("chkOpenGL", "OpenGLDrv.OpenGLRenderDevice",
               "DetailTextures HighDetailActors SuperHighDetailActors UsePrecaching UseCompressedLightmaps "
               "UseTrilinear UseStencil ReduceMouseLag");
    checkArray("chkDefaultVars", d3d,
               "DetailTextures HighDetailActors SuperHighDetailActors UsePrecaching UseTrilinear ReduceMouseLag "
               "UseTripleBuffering UseCubemaps UseCompressedLightmaps UseStencil Use16bit Use16bitTextures UseVSync "
               "UseNPatches CheckForOverflow AvoidHitches DecompressTextures UseXBoxFSAA OverrideDesktopRefreshRate");
    // The colour depth reaches the file only through "Use 16 Bit".
    picked("cboColorDepth", 0, {{d3d, "Use16bit", "True"}});
    typed("txtDesiredRefRate", d3d, "DesiredRefreshRate", "5");
    checkArray("chkNullDevice", "Engine.NullRenderDevice",
               "DetailTextures HighDetailActors SuperHighDetailActors UsePrecaching UseCompressedLightmaps UseStencil");
    checkArray("chkSoundSetup", sound,
               "UseEAX Use3DSound UseDefaultDriver CompatibilityMode UsePrecache ReverseStereo DisablePitch "
               "LowQualitySound");
    slid("slideMusic", S::SliderSingleStepAdd, {sound, "MusicVolume", "0.51"});
    slid("slideAnnouncer", S::SliderToMaximum, {controller, "AnnouncerVolume", "4"});
    slid("slideEffects", S::SliderSingleStepSub, {sound, "SoundVolume", "0.89"});
    return rows;
}

TEST_F(EditTableTest, EachEditChangesExactlyItsLinesInItsFile) {
    openEditorWithFixtures("User.ini", "UT2003.ini");
    const std::vector<Edit> rows = editRows();
    QSet<QByteArray> edited;
    for (const Edit& edit : rows) {
        SCOPED_TRACE(edit.control.toStdString());
        QByteArray user = kUser, engine = kEngine;
        for (const auto& [section, key, value] : edit.lines) {
            QByteArray& file = inUserFile(section) ? user : engine;
            ASSERT_TRUE(replaceIniValue(file, section, spelling(file, section, key), value)) << key.toStdString();
            edited << (section + "/" + key).toLower();
        }
        ASSERT_NE(user + engine, kUser + kEngine);  // the edit is a change
        edit.act();
        find<QAction>("mnuFileSave")->trigger();
        EXPECT_TRUE(sameBytes(readFile(userIni()), user));
        EXPECT_TRUE(sameBytes(readFile(engineIni()), engine));
        // Back to the fixture pair for the next row: File > Close, then File > Open, so that what a close leaves
        // in the controls never reaches the files either.
        writeFile(userIni(), kUser);
        writeFile(engineIni(), kEngine);
        find<QAction>("mnuFileClose")->trigger();
        dialogAnswers.push_back(userIni());
        find<QAction>("mnuFileOpen")->trigger();
    }
    EXPECT_TRUE(messages.empty());
    // Every key that the save writes into empty files has its row.
    for (const char* golden : {"golden/User.ini", "golden/UT2003.ini"}) {
        QByteArray section;
        for (const QByteArray& line : fixtureBytes(golden).trimmed().split('\n')) {
            if (line.startsWith('['))
                section = line.trimmed().mid(1).chopped(1);
            else
                EXPECT_TRUE(edited.contains((section + "/" + keyOf(line)).toLower())) << line.toStdString();
        }
    }
}
