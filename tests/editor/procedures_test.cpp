// The three file procedures of the main window (load, save, close): what a load shows, the progress and status
// reports in order, the menus and FileIsOpen, and what a failure part-way leaves behind.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <functional>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "file_compare.h"
#include "platform/qt/msgbox.h"

namespace {

struct Reports {
    explicit Reports(frmMain* main) {
        QObject::connect(main, &frmMain::progressReported, &context, [this](int value) { progress.push_back(value); });
        QObject::connect(main, &frmMain::statusReported, &context,
                         [this](const QString& text) { status.push_back(text); });
    }
    QObject context;
    std::vector<int> progress;
    QStringList status;
};

QByteArray fixture(const char* name) {
    return fixtureBytes(name);
}

// What a control shows, as one text: a box's or a label's text, "checked"/"unchecked"/"grey", "on"/"off" for an
// option, "#index text" for a list, the position of a slider.
QString shown(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* radio = qobject_cast<QRadioButton*>(control))
        return radio->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        switch (check->checkState()) {
            case Qt::Checked:
                return QStringLiteral("checked");
            case Qt::PartiallyChecked:
                return QStringLiteral("grey");
            default:
                return QStringLiteral("unchecked");
        }
    }
    if (auto* list = qobject_cast<QComboBox*>(control))
        return QStringLiteral("#%1 %2").arg(list->currentIndex()).arg(list->currentText());
    if (auto* slider = qobject_cast<QSlider*>(control)) return QString::number(slider->value());
    return QStringLiteral("<unknown control>");
}

struct Shown {
    const char* control;
    const char* text;
};

struct GroupValues {
    const char* group;
    std::vector<Shown> values;
};

void PrintTo(const GroupValues& values, std::ostream* os) {
    *os << values.group;
}

// A few controls of each group, as the full fixture pair loads them.
const std::vector<GroupValues> kLoaded = {
    {"Player",
     {{"txtPlayerName", "Corvo"},
      {"lblCharacterName", "Gorge"},
      {"optBlue", "on"},
      {"optRed", "off"},
      {"txtStatsName", "corvo_stats"},
      {"txtStatsPW", "Tr1cky-Pw"},
      {"lblFOV", "85.000000"},
      {"chkPlayerControls(0)", "unchecked"},
      {"chkPlayerControls(4)", "checked"},
      {"chkWeaponBob", "checked"}}},
    {"Hud",
     {{"chkHud(0)", "unchecked"},
      {"chkHud(1)", "checked"},
      {"chkHud(7)", "unchecked"},
      {"lblHudScale", "0.850000"},
      {"slideHudScale", "850"},
      {"lblHudOpacity", "180.000000"},
      {"slideHudOpacity", "180"},
      {"cboMssgSetup(0)", "#4 4"},
      {"cboMssgSetup(1)", "#6 2"},
      {"cboCrossSelect", "#3 Cross (4)"},
      {"lblCrossColor(0)", "0"},
      {"lblCrossColor(2)", "255"},
      {"slideCrossColor(2)", "0"}}},
    {"Input",
     {{"txtAlias(0)", "(Command=\"Button bFire | Fire\",Alias=Fire)"},
      {"txtAlias(39)", "(Command=\"\",Alias=None)"},
      {"txtNumbers(1)", "SwitchWeapon 1"},
      {"txtFunctionKeys(4)", "ToggleBehindView"},
      {"txtKeyLetters(22)", "MoveForward"},
      {"txtKeyLetters(10)", ""},
      {"txtKeyboardOth(21)", "Say hello"},
      {"txtMouseButtons(5)", "Count bXAxis | Axis aMouseX Speed=2.0"},
      {"txtNumPad(1)", "Speech ORDER 0"},
      {"txtJoyStick(16)", "Axis aStrafe SpeedBase=300.0 DeadZone=0.1"}}},
    {"Weapon",
     {{"lblWeaponName(12)", "Redeemer"},
      {"lblWeaponName(11)", "Ion Painter"},
      {"lblWeaponName(10)", "Lightning Gun"},
      {"lblWeaponName(1)", "TransLocator"},
      {"chkWeapMode(2)", "checked"},
      {"chkWeapMode(3)", "unchecked"}}},
    {"Display",
     {{"optRenderType(1)", "on"},
      {"optRenderType(0)", "off"},
      {"cboResolution", "#2 1024 x 768"},
      {"chkFullScreen", "checked"},
      {"txtMinRefRate", "35.000000"},
      {"lblGamma", "0.800000"},
      {"slideGamma", "80"},
      {"lblContrast", "0.700000"},
      {"slideBrightness", "50"},
      {"cboColorDepth", "#1 32-Bit Color"},
      {"chkDefaultVars(0)", "checked"},
      {"chkDefaultVars(10)", "unchecked"},
      {"txtDesiredRefRate", "60"},
      {"chkOpenGL(7)", "checked"},
      {"chkNullDevice(0)", "unchecked"}}},
    {"Client",
     {{"optController(0)", "on"},
      {"optController(1)", "off"},
      {"chkClientSU(1)", "unchecked"},
      {"chkClientSU(6)", "checked"},
      {"cboTexDetail(0)", "#6 UltraHigh"},
      {"cboTexDetail(6)", "#0 UltraLow"},
      {"chkSoundSetup(1)", "checked"},
      {"lblMusic", "0.500000"},
      {"slideMusic", "50"},
      {"lblEffects", "0.900000"},
      {"lblAnnouncer", "3"},
      {"slideAnnouncer", "3"}}},
};

}  // namespace

class ProceduresTest : public GuiTest {
  protected:
    frmMain* openFixtures() { return openEditorWithFixtures(QStringLiteral("User.ini"), QStringLiteral("UT2003.ini")); }
};

class LoadShowsTheFile : public ProceduresTest, public ::testing::WithParamInterface<GroupValues> {};

TEST_P(LoadShowsTheFile, ControlsShowTheFilesValues) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    for (const Shown& value : GetParam().values) {
        auto* control = find<QWidget>(QString::fromLatin1(value.control));
        if (!control) {
            ADD_FAILURE() << value.control << " missing: the " << GetParam().group << " group is not built yet";
            continue;
        }
        EXPECT_EQ(shown(control), QString::fromUtf8(value.text)) << value.control;
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, LoadShowsTheFile, ::testing::ValuesIn(kLoaded),
                         [](const auto& info) { return std::string(info.param.group); });

// ---- Progress, status, menus and FileIsOpen ----

struct ProcedureCase {
    const char* name;
    std::function<void(frmMain*)> run;
    std::vector<int> progress;
    QStringList status;
    bool openAfter;
};

void PrintTo(const ProcedureCase& procedure, std::ostream* os) {
    *os << procedure.name;
}

class ProcedureReports : public ProceduresTest, public ::testing::WithParamInterface<ProcedureCase> {};

TEST_P(ProcedureReports, ReportInOrderAndSetTheMenus) {
    const ProcedureCase& c = GetParam();
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    messages.clear();
    Reports reports(main);
    c.run(main);
    EXPECT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    EXPECT_EQ(reports.progress, c.progress);
    EXPECT_EQ(reports.status, c.status);
    EXPECT_EQ(FileIsOpen, c.openAfter);
    EXPECT_EQ(main->mnuFileSave->isEnabled(), c.openAfter);
    EXPECT_EQ(main->mnuFileOpen->isEnabled(), !c.openAfter);
    EXPECT_EQ(main->lblOFile->text(), c.openAfter ? userIni() : QStringLiteral("NO File Open"));
    EXPECT_EQ(main->ProgressBar1->value(), 0);
    EXPECT_EQ(main->ProgressBar1->maximum(), 10000);
    EXPECT_EQ(main->statusPanels[1]->text(), c.status.back());
    // The commands that keep their state throughout.
    for (QAction* kept : {main->mnuFileClose, main->mnuSaveAs, main->mnuFileExit}) EXPECT_TRUE(kept->isEnabled());
    for (QToolButton* button : {main->cmdSave, main->cmdOpen, main->cmdCloseUser, main->cmdLaunch})
        EXPECT_TRUE(button->isEnabled());
}

const std::vector<int> kLoadProgress = {0, 1000, 2000, 3000, 4000, 5000, 6500, 7000, 8000, 9000, 10000, 0};
const std::vector<int> kSaveProgress = {0, 1000, 2000, 250, 3000, 3250, 4500, 5000, 5250, 6000, 7000, 8000, 10000, 0};
const std::vector<int> kCloseProgress = {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 10000, 0};
const QStringList kLoadStatus = {QStringLiteral("Opening File..."), QStringLiteral("File Opened !")};
const QStringList kSaveStatus = {QStringLiteral("Saving File..."), QStringLiteral("File Saved !")};
const QStringList kCloseStatus = {QStringLiteral("Closing File..."), QStringLiteral("File Closed !")};

std::vector<int> twice(const std::vector<int>& v) {
    std::vector<int> both = v;
    both.insert(both.end(), v.begin(), v.end());
    return both;
}

INSTANTIATE_TEST_SUITE_P(
    Procedures, ProcedureReports,
    ::testing::Values(
        ProcedureCase{"Load", [](frmMain* m) { m->OpenINIFiles(); }, kLoadProgress, kLoadStatus, true},
        ProcedureCase{"Save", [](frmMain* m) { m->mnuFileSave_Click(); }, kSaveProgress, kSaveStatus, true},
        ProcedureCase{"Close", [](frmMain* m) { m->CloseINIFiles(); }, kCloseProgress, kCloseStatus, false},
        // Closing with no file open runs every step again and ends in the same state.
        ProcedureCase{"CloseTwice",
                      [](frmMain* m) {
                          m->CloseINIFiles();
                          m->CloseINIFiles();
                      },
                      twice(kCloseProgress), kCloseStatus + kCloseStatus, false},
        // A load after a close starts from the no-file state; the bar's range is the close's.
        ProcedureCase{"CloseThenLoad",
                      [](frmMain* m) {
                          m->CloseINIFiles();
                          m->OpenINIFiles();
                      },
                      [] {
                          std::vector<int> v = kCloseProgress;
                          v.insert(v.end(), kLoadProgress.begin(), kLoadProgress.end());
                          return v;
                      }(),
                      kCloseStatus + kLoadStatus, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProceduresTest, TheWindowOpensInTheNoFileState) {
    writeFile(userIni(), fixture("User.ini"));
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(main->mnuFileOpen->isEnabled());
    EXPECT_FALSE(main->mnuFileSave->isEnabled());
    EXPECT_EQ(main->lblOFile->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(main->ProgressBar1->maximum(), 10000);
}

// "AutoOpenINI" = 1 loads the configured player file as the window loads.
TEST_F(ProceduresTest, AutoOpenLoadsAtStart) {
    writeFile(userIni(), fixture("User.ini"));
    writeFile(engineIni(), fixture("UT2003.ini"));
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}, {QStringLiteral("AutoOpenINI"), "1"}});
    runMain();
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(main->lblOFile->text(), userIni());
    EXPECT_FALSE(main->mnuFileOpen->isEnabled());
}

// ---- Failures part-way ----

const QString kSaveFailureTail =
    QStringLiteral(" - Corvane While Trying To Save File!\r Make Sure File is a Valid User.ini or User.ini Type File!");

// A read-only player file: the first write that would change it fails, the save's message names the error and
// "File Saved !" never shows; both files keep every byte.
TEST_F(ProceduresTest, SaveIntoAReadOnlyPlayerFileReportsTheFailure) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    auto* name = find<QLineEdit>(QStringLiteral("txtPlayerName"));
    ASSERT_NE(name, nullptr) << "player group not built yet";
    name->setText(QStringLiteral("Renamed"));
    QFile::setPermissions(userIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    messages.clear();
    Reports reports(main);
    main->mnuFileSave_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Error Permission denied") + kSaveFailureTail);
    EXPECT_EQ(messages[0].style, vbInformation);
    EXPECT_EQ(reports.status, QStringList({QStringLiteral("Saving File...")}));
    EXPECT_EQ(reports.progress, std::vector<int>({0}));
    EXPECT_EQ(main->statusPanels[1]->text(), QStringLiteral("Saving File..."));
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixture("User.ini")));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture("UT2003.ini")));
    EXPECT_TRUE(FileIsOpen);
}

// A read-only engine file: the player keys written before the failure keep their new values, the keys after it
// (the announcer volume, written last among the player keys) keep their old ones.
TEST_F(ProceduresTest, SaveFailingAtTheEngineFileKeepsThePlayerKeysWrittenBefore) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    auto* name = find<QLineEdit>(QStringLiteral("txtPlayerName"));
    auto* gamma = find<QSlider>(QStringLiteral("slideGamma"));
    auto* announcer = find<QSlider>(QStringLiteral("slideAnnouncer"));
    ASSERT_TRUE(name && gamma && announcer) << "player, display or client group not built yet";
    name->setText(QStringLiteral("Renamed"));
    gamma->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    announcer->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QFile::setPermissions(engineIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    messages.clear();
    Reports reports(main);
    main->mnuFileSave_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Error Permission denied") + kSaveFailureTail);
    EXPECT_FALSE(reports.status.contains(QStringLiteral("File Saved !")));
    // The gamma is written among the window-client keys, after the bar reached 8000.
    EXPECT_EQ(reports.progress.back(), 8000);
    EXPECT_EQ(ReadINI(QStringLiteral("DefaultPlayer"), QStringLiteral("Name"), QString(), userIni()),
              QStringLiteral("Renamed"));
    EXPECT_EQ(
        ReadINI(QStringLiteral("Engine.PlayerController"), QStringLiteral("AnnouncerVolume"), QString(), userIni()),
        QStringLiteral("3"));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture("UT2003.ini")));
}

// A bad value stops the load in the HUD step: the values read before it are shown, the rest keep what they
// showed, and the file-open state is not entered.
TEST_F(ProceduresTest, LoadStoppedByABadValueKeepsWhatItRead) {
    QByteArray user = fixture("User.ini");
    user.replace("\r\nHudScale=0.850000\r\n", "\r\nHudScale=abc\r\n");
    frmMain* main = openEditor(user, fixture("UT2003.ini"));
    ASSERT_NE(main, nullptr);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Error Type mismatch At Corvane While Opening File, Your User.ini "
                                                 "File May be corrupt or wrong type!!"));
    EXPECT_EQ(messages[0].style, vbCritical);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_FALSE(main->mnuFileSave->isEnabled());
    EXPECT_TRUE(main->mnuFileOpen->isEnabled());
    EXPECT_EQ(main->lblOFile->text(), userIni());
    EXPECT_EQ(main->statusPanels[1]->text(), QStringLiteral("Opening File..."));
    EXPECT_EQ(main->ProgressBar1->value(), 4000);
    const std::vector<Shown> expected = {
        {"txtPlayerName", "Corvo"},  // read before
        {"txtAlias(0)", "(Command=\"Button bFire | Fire\",Alias=Fire)"},
        {"txtJoyStick(0)", "Fire"},
        {"lblHudScale", "abc"},            // the label takes the text before the slider refuses it
        {"txtStatsName", "NO File Open"},  // read after: the design text stays
        {"lblWeaponName(12)", "NO File Open"},
    };
    for (const Shown& value : expected) {
        auto* control = find<QWidget>(QString::fromLatin1(value.control));
        ASSERT_NE(control, nullptr) << value.control << " not built yet";
        EXPECT_EQ(shown(control), QString::fromUtf8(value.text)) << value.control;
    }
}

// ---- Keys and sections that the files lack ----

// Without "Engine.Input" every binding and alias box shows the sentinel; the save adds the section at the end of
// the player file with all 199 keys in the save's order, each holding the sentinel.
TEST_F(ProceduresTest, SaveAddsAMissingInputSectionInTheSavesOrder) {
    frmMain* main = openEditorWithFixtures(QStringLiteral("User-noinput.ini"), QStringLiteral("UT2003.ini"));
    ASSERT_NE(main, nullptr);
    auto* alias = find<QLineEdit>(QStringLiteral("txtAlias(7)"));
    ASSERT_NE(alias, nullptr) << "input group not built yet";
    EXPECT_EQ(alias->text(), QStringLiteral("No Data Found!!"));
    main->mnuFileSave_Click();

    QByteArray expected = fixture("User-noinput.ini") + "[Engine.Input]\r\n";
    auto add = [&expected](const QString& key) { expected += key.toLatin1() + "=No Data Found!!\r\n"; };
    for (int i = 0; i < 40; ++i) add(QStringLiteral("Aliases[%1]").arg(i));
    for (int i = 0; i < 10; ++i) add(QString::number(i));
    for (int i = 1; i <= 24; ++i) add(QStringLiteral("F%1").arg(i));
    for (const QString& key : LetterKeys) add(key);
    for (const QString& key : OtherKeys) add(key);
    for (const QString& key : MouseKeys) add(key);
    for (const QString& key : NumPadKeys) add(key);
    for (const QString& key : JoystickKeys) add(key);
    EXPECT_TRUE(sameBytes(readFile(userIni()), expected));
}

// A missing "AnnouncerVolume" is added as the last line of its section, after every key the save wrote there.
TEST_F(ProceduresTest, SaveAddsAMissingAnnouncerVolumeLastInItsSection) {
    QByteArray user = fixture("User.ini");
    ASSERT_TRUE(user.contains("\r\nAnnouncerVolume=3\r\n"));
    user.replace("\r\nAnnouncerVolume=3\r\n", "\r\n");
    frmMain* main = openEditor(user, fixture("UT2003.ini"));
    ASSERT_NE(main, nullptr);
    main->mnuFileSave_Click();
    QByteArray expected = user;
    expected.replace("\r\nProgressTimeOut=8.000000\r\n", "\r\nProgressTimeOut=8.000000\r\nAnnouncerVolume=0\r\n");
    EXPECT_TRUE(sameBytes(readFile(userIni()), expected));
}

// Sections that the engine file lacks are added at its end, in the order the save writes them.
TEST_F(ProceduresTest, SaveAddsMissingEngineSectionsAtTheEndInWriteOrder) {
    QByteArray engine = fixture("UT2003.ini");
    for (const QByteArray& section :
         {QByteArray("[OpenGLDrv.OpenGLRenderDevice]"), QByteArray("[Engine.NullRenderDevice]")}) {
        const qsizetype start = engine.indexOf(section + "\r\n");
        ASSERT_GE(start, 0);
        const qsizetype next = engine.indexOf("\r\n[", start + section.size());
        engine.remove(start, next + 2 - start);
    }
    frmMain* main = openEditor(fixture("User.ini"), engine);
    ASSERT_NE(main, nullptr);
    main->mnuFileSave_Click();
    QByteArray expected = engine + "[OpenGLDrv.OpenGLRenderDevice]\r\n";
    for (const QString& key : OpenGLKeys) expected += key.toLatin1() + "=False\r\n";
    expected += "[Engine.NullRenderDevice]\r\n";
    for (const QString& key : NullDeviceKeys) expected += key.toLatin1() + "=False\r\n";
    EXPECT_TRUE(sameBytes(readFile(engineIni()), expected));
}
