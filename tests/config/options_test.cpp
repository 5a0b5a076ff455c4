// The options window: its layout, the three ways its load resolves the game's paths, the browse for User.ini,
// and what OK, Apply, Cancel and "Set Quarl.ini Path" write where.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "editor/frmMain.h"
#include "platform/qt/forms.h"
#include "wine_prefix.h"

namespace {

using KeyList = QList<QPair<QString, QString>>;

const QString kBrowsePrompt =
    QStringLiteral("Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!");
const QString kImproper = QStringLiteral("Improper File Selected. Please Choose the 'User.ini' File");
const QString kNoPath = QStringLiteral("Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)");
const QString kLoadTail = QStringLiteral(
    " While Opening Options Form!!\rPlease Ensure You Have UT2003 Installed On your System!! This Program will only "
    "work with UT2003 Installed on your System!");

class OptionsTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath, &SettingsIniPath})
            shared->clear();
    }
    QString settingsFile() const { return path(QStringLiteral("Quarl.ini")); }
    static frmOptions* options() { return FormSlot<frmOptions>::instance(); }
    // Starts the program on the options window ("ShowOptionOnStartup" on), with more keys of the settings file.
    frmOptions* startOnOptions(const KeyList& keys = {}) {
        writeSettings(KeyList{{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")}} + keys);
        runMain();
        EXPECT_NE(options(), nullptr);
        return options();
    }
    QStringList pathLabels() const {
        QStringList texts;
        for (QLabel* label : options()->lblPathStr) texts << label->text();
        return texts;
    }
    QStringList sharedPaths() const { return {UseriniPath, UT2003iniPath, UT2003exePath, OpenedUseriniPath}; }
    // The bytes of a settings file as the tests write it, keys in order.
    static QByteArray settingsBytes(const KeyList& keys) {
        QByteArray bytes = "[Quarl_UT2003.Settings]\r\n";
        for (const auto& [key, value] : keys) bytes += key.toLatin1() + "=" + value.toLatin1() + "\r\n";
        return bytes;
    }
};

TEST_F(OptionsTest, WindowLayout) {
    QImage logo(132, 132, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    logo.save(path(QStringLiteral("logo.png")));
    frmOptions* form = startOnOptions({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("///Quarl INI Editor Setup Options"));
    EXPECT_EQ(form->minimumSize(), QSize(613, 313));
    EXPECT_EQ(form->maximumSize(), QSize(613, 313));
    // Out of the task bar; no minimise or maximise button.
    EXPECT_EQ(form->windowType(), Qt::Tool);
    EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    struct Control {
        const char* name;
        QRect twips;
        const char* text;
    };
    const Control controls[] = {
        {"lblPathSetup(0)", {120, 240, 2055, 255}, "Quarl.INI Editor Path ::"},
        {"lblPathStr(0)", {2280, 120, 5175, 495}, nullptr},
        {"cmdSetPaths(0)", {7560, 120, 1455, 435}, "Set Quarl.ini Path"},
        {"lblPathSetup(1)", {120, 840, 2055, 255}, "User.ini Path ::"},
        {"lblPathStr(1)", {2280, 720, 5175, 495}, nullptr},
        {"cmdSetPaths(1)", {7560, 720, 1455, 435}, "Set User.ini Path"},
        {"lblPathSetup(2)", {120, 1440, 2055, 255}, "UT2003.ini Path ::"},
        {"lblPathStr(2)", {2280, 1320, 5175, 495}, nullptr},
        {"lblPathSetup(3)", {120, 2040, 2055, 255}, "UT2003.exe Path ::"},
        {"lblPathStr(3)", {2280, 1920, 5175, 495}, nullptr},
        {"Picture1", {120, 2520, 2055, 2055}, nullptr},
        {"chkINISettings(0)", {2280, 2640, 6735, 240}, "Get Application Paths From Registry On Startup"},
        {"chkINISettings(1)", {2280, 2880, 6735, 240}, "Show Splash Screen On Startup"},
        {"chkINISettings(2)", {2280, 3120, 6735, 240}, "Automatically Open The UT2003 INI Files On Startup."},
        {"chkINISettings(3)", {2280, 3360, 6735, 240}, "Show This Options Form On Startup"},
        {"txtTimerValue", {2280, 3600, 615, 285}, nullptr},
        {"lblTxtTimerVal", {3000, 3600, 3615, 255}, "Splash Screen Timer [msec] (1000 = 1 Sec)"},
        {"cmdOK", {2280, 3975, 1095, 375}, "OK"},
        {"cmdCancel", {3480, 3975, 1095, 375}, "Cancel"},
        {"cmdApply", {4680, 3975, 1095, 375}, "&Apply"},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* w = form->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), QPoint(c.twips.x() / 15, c.twips.y() / 15));
        EXPECT_EQ(w->width(), c.twips.width() / 15);
        EXPECT_EQ(w->height(), c.twips.height() / 15);
        if (!c.text) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), QLatin1String(c.text));
        } else {
            auto* button = qobject_cast<QAbstractButton*>(w);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), QLatin1String(c.text));
        }
    }
    EXPECT_EQ(form->chkINISettings[0]->toolTip(),
              QStringLiteral("Enable / Disable Automatic Reading Of Registry to Determine File Paths.  If enabled it "
                             "will eliminate the need to search for INI file Paths."));
    EXPECT_EQ(form->chkINISettings[1]->toolTip(), QStringLiteral("Enables / Disables Splash Screen On Startup"));
    EXPECT_EQ(form->chkINISettings[2]->toolTip(),
              QStringLiteral("Click If you Want To Enable Opening Of Other Saved User.INI Files. For Instance Some "
                             "People Save Different Variations of there User.INI File as another Name. Then Rename "
                             "Them When they Want To Use Them."));
    EXPECT_EQ(form->chkINISettings[3]->toolTip(),
              QStringLiteral("Check To Show Option Screen On Startup. (Usually Only Needed To Set Up Paths)"));
    for (QLabel* label : form->lblPathSetup) EXPECT_TRUE(label->alignment() & Qt::AlignRight);

    // The focus order of the controls that take the focus, starting at OK, which has it when the window opens.
    EXPECT_EQ(form->focusWidget(), form->cmdOK);
    QStringList order;
    QWidget* w = form->cmdOK;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == form) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form->cmdOK);
    EXPECT_EQ(order, (QStringList{"cmdOK", "cmdCancel", "cmdApply", "cmdSetPaths(0)", "cmdSetPaths(1)",
                                  "chkINISettings(0)", "chkINISettings(1)", "chkINISettings(2)", "chkINISettings(3)",
                                  "Picture1", "txtTimerValue"}));
    ASSERT_FALSE(form->Picture1->pixmap().isNull());
    EXPECT_EQ(form->Picture1->pixmap().size(), QSize(132, 132));
}

TEST_F(OptionsTest, LoadWithoutSettingsFileAsksForUserIniAndStoresNothing) {
    runMain();  // builds the shared tables; the main window takes over and unloads the options window
    unloadAll();
    messages.clear();
    dialogRequests.clear();
    frmOptions* form = Load<frmOptions>();
    EXPECT_TRUE(form->isVisible());
    for (QCheckBox* box : form->chkINISettings) EXPECT_EQ(box->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->txtTimerValue->text(), QStringLiteral("1000"));
    EXPECT_EQ(pathLabels(), (QStringList{settingsFile(), "", "", ""}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kBrowsePrompt);
    EXPECT_EQ(messages[0].style, 64);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].title, QStringLiteral("Open :: Select Your UT2003 'User.ini' File"));
    EXPECT_EQ(dialogRequests[0].filter, QStringLiteral("User.ini (User.ini)|User.ini"));
    EXPECT_EQ(sharedPaths(), (QStringList{"", "", "", ""}));
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(OptionsTest, RegistryGivesThePathsAndTheyAreStoredAtOnce) {
    WinePrefix prefix;
    QDir(prefix.driveC()).mkpath(QStringLiteral("Games/UT2003/System"));
    writeHive(
        "WINE REGISTRY Version 2\n\n[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n"
        "\"Folder\"=\"C:\\\\Games\\\\UT2003\"\n");
    writeSettings({{QStringLiteral("ReadPathFromRegistry"), QStringLiteral("1")},
                   {QStringLiteral("UT2003UserINIPath"), QStringLiteral("/old/User.ini")},
                   {QStringLiteral("SplashTimeMsec"), QStringLiteral("2500")}});
    runMain();
    const QString system = prefix.driveC() + QStringLiteral("/Games/UT2003/System/");
    EXPECT_EQ(sharedPaths(),
              (QStringList{system + "User.ini", system + "UT2003.ini", system + "UT2003.exe", system + "User.ini"}));
    EXPECT_TRUE(messages.empty());
    // Existing keys keep their lines, the others follow in the order of the save; the splash time stays.
    EXPECT_EQ(readFile(settingsFile()), settingsBytes({{"ReadPathFromRegistry", "1"},
                                                       {"UT2003UserINIPath", system + "User.ini"},
                                                       {"SplashTimeMsec", "2500"},
                                                       {"QuarliniPath", settingsFile()},
                                                       {"GamePath", system + "UT2003.exe"},
                                                       {"SplashStartup", "0"},
                                                       {"AutoOpenINI", "0"},
                                                       {"ShowOptionOnStartup", "0"}}));
    EXPECT_TRUE(isLoaded<frmMain>());
    EXPECT_FALSE(isLoaded<frmOptions>());
}

// With the registry switch on but no game folder in the registry, the paths are not built from nothing: the
// saved path, or else the browse, decides, and the settings file stays as it was.
TEST_F(OptionsTest, RegistryWithoutGameFolderFallsBack) {
    const QString saved = path(QStringLiteral("UT/System/User.ini"));
    const KeyList withSaved = {{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")},
                               {QStringLiteral("ReadPathFromRegistry"), QStringLiteral("1")},
                               {QStringLiteral("UT2003UserINIPath"), saved}};
    writeSettings(withSaved);
    runMain();
    const QString folder = path(QStringLiteral("UT/System/"));
    EXPECT_EQ(sharedPaths(), (QStringList{saved, folder + "UT2003.ini", folder + "UT2003.exe", saved}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readFile(settingsFile()), settingsBytes(withSaved));
    EXPECT_EQ(options()->chkINISettings[0]->checkState(), Qt::Checked);
    unloadAll();

    const KeyList withoutSaved = {{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")},
                                  {QStringLiteral("ReadPathFromRegistry"), QStringLiteral("1")}};
    writeSettings(withoutSaved);
    UseriniPath.clear();
    OpenedUseriniPath.clear();
    runMain();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kBrowsePrompt);
    EXPECT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(UseriniPath, QString());
    EXPECT_EQ(readFile(settingsFile()), settingsBytes(withoutSaved));
}

// The saved path gives the engine file and the executable in its folder: the path less its last 8 characters,
// whatever the file is called.
TEST_F(OptionsTest, SavedPathGivesTheOtherPaths) {
    struct Case {
        QString saved;
        QString engineIni;
        QString exe;
    };
    const Case cases[] = {
        {"/d/UT/System/MyUser.ini", "/d/UT/System/MyUT2003.ini", "/d/UT/System/MyUT2003.exe"},
        {"/d/UT/System/User.ini", "/d/UT/System/UT2003.ini", "/d/UT/System/UT2003.exe"},
        {"/d/UT/System/Player.ini", "/d/UT/System/PlUT2003.ini", "/d/UT/System/PlUT2003.exe"},
        {"abcdefgh", "UT2003.ini", "UT2003.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved.toStdString());
        const KeyList keys = {{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")},
                              {QStringLiteral("UT2003UserINIPath"), c.saved}};
        writeSettings(keys);
        runMain();
        EXPECT_EQ(sharedPaths(), (QStringList{c.saved, c.engineIni, c.exe, c.saved}));
        EXPECT_EQ(pathLabels(), (QStringList{settingsFile(), c.saved, c.engineIni, c.exe}));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(readFile(settingsFile()), settingsBytes(keys));
        unloadAll();
    }
    // A saved path shorter than the name it should end in cannot be cut: the load reports it and changes nothing.
    for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath}) shared->clear();
    startOnOptions({{QStringLiteral("UT2003UserINIPath"), QStringLiteral("a.ini")}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Error Invalid procedure call or argument, Corvane") + kLoadTail);
    EXPECT_EQ(messages[0].style, 48);
    EXPECT_EQ(sharedPaths(), (QStringList{"", "", "", ""}));
}

// The browse for User.ini: the name must end in "User.ini", case respected; a refused name asks again.
TEST_F(OptionsTest, BrowseForUserIni) {
    const QString dir = programDir() + QStringLiteral("/System/");
    struct Case {
        const char* title;
        QStringList answers;  // what the dialog returns each time it opens ("" = Cancel)
        int dialogs;          // how often it opens
        QStringList prompts;  // the messages after the load's own
        QStringList paths;    // user, engine, exe; empty: nothing changed
    };
    const QString refused =
        QStringLiteral("Error Invalid procedure call or argument, Corvane While Setting User.ini File!");
    const Case cases[] = {
        {"accepted", {dir + "User.ini"}, 1, {}, {dir + "User.ini", dir + "UT2003.ini", dir + "UT2003.exe"}},
        {"name ending in User.ini",
         {dir + "MyUser.ini"},
         1,
         {},
         {dir + "MyUser.ini", dir + "MyUT2003.ini", dir + "MyUT2003.exe"}},
        {"refused, then accepted",
         {dir + "user.ini", dir + "User.ini"},
         2,
         {kImproper},
         {dir + "User.ini", dir + "UT2003.ini", dir + "UT2003.exe"}},
        {"refused, then cancelled", {dir + "user.ini"}, 2, {kImproper}, {}},
        {"other file refused", {dir + "UT2003.ini", dir + "USER.INI"}, 3, {kImproper, kImproper}, {}},
        {"cancelled", {}, 1, {}, {}},
        {"name too short", {QStringLiteral("/a.ini")}, 1, {refused}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        messages.clear();
        dialogRequests.clear();
        dialogAnswers.assign(c.answers.begin(), c.answers.end());
        UseriniPath.clear();
        UT2003iniPath.clear();
        UT2003exePath.clear();
        frmOptions* form = startOnOptions();
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(dialogRequests.size(), static_cast<std::size_t>(c.dialogs));
        QStringList prompts;
        for (const ShownMessage& m : messages) prompts << m.prompt;
        EXPECT_EQ(prompts, QStringList{kBrowsePrompt} + c.prompts);
        for (std::size_t i = 1; i < messages.size(); ++i)
            EXPECT_EQ(messages[i].style, messages[i].prompt == kImproper ? 0 : 48);
        const QStringList expected = c.paths.isEmpty() ? QStringList{"", "", ""} : c.paths;
        EXPECT_EQ(sharedPaths(), expected + QStringList{""});  // the browse never sets OpenedUseriniPath
        EXPECT_EQ(pathLabels(), QStringList{settingsFile()} + expected);
        // Nothing is stored until OK or Apply.
        EXPECT_EQ(readFile(settingsFile()), settingsBytes({{"ShowOptionOnStartup", "1"}}));
        unloadAll();
    }

    // "Set User.ini Path" runs the same browse.
    dialogAnswers.clear();
    startOnOptions({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    dialogRequests.clear();
    dialogAnswers = {dir + "user.ini", dir + "User.ini"};
    QTest::mouseClick(options()->cmdSetPaths[1], Qt::LeftButton);
    EXPECT_EQ(dialogRequests.size(), 2u);
    EXPECT_EQ(pathLabels(), (QStringList{settingsFile(), dir + "User.ini", dir + "UT2003.ini", dir + "UT2003.exe"}));
    EXPECT_EQ(OpenedUseriniPath, userIni());
}

// "Set Quarl.ini Path" points every write at the file picked, until the window is loaded again; a new settings
// file holds the section and the eight keys in the order of the save.
TEST_F(OptionsTest, SetQuarlIniPathRedirectsTheSave) {
    const KeyList keys = {{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")},
                          {QStringLiteral("UT2003UserINIPath"), userIni()},
                          {QStringLiteral("SplashTimeMsec"), QStringLiteral("2500")}};
    writeSettings(keys);
    runMain();
    frmOptions* form = options();
    ASSERT_NE(form, nullptr);
    const QString other = path(QStringLiteral("elsewhere/Quarl.ini"));
    QDir().mkpath(path(QStringLiteral("elsewhere")));
    dialogAnswers = {other};
    QTest::mouseClick(form->cmdSetPaths[0], Qt::LeftButton);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].title, QStringLiteral("Open"));
    EXPECT_EQ(dialogRequests[0].filter, QStringLiteral("Quarl.ini (Quarl.ini)|Quarl.ini"));
    EXPECT_EQ(SettingsIniPath, other);
    EXPECT_EQ(form->lblPathStr[0]->text(), other);
    EXPECT_TRUE(messages.empty());

    form->chkINISettings[1]->setChecked(true);
    form->txtTimerValue->setText(QString());
    QTest::mouseClick(form->cmdApply, Qt::LeftButton);
    EXPECT_EQ(readFile(other), settingsBytes({{"QuarliniPath", other},
                                              {"UT2003UserINIPath", userIni()},
                                              {"GamePath", programDir() + "/UT2003.exe"},
                                              {"ReadPathFromRegistry", "0"},
                                              {"SplashStartup", "1"},
                                              {"AutoOpenINI", "0"},
                                              {"ShowOptionOnStartup", "1"},
                                              {"SplashTimeMsec", "1000"}}));
    EXPECT_EQ(readFile(settingsFile()), settingsBytes(keys));
    EXPECT_TRUE(isLoaded<frmOptions>());

    // A cancelled pick changes nothing.
    QTest::mouseClick(form->cmdSetPaths[0], Qt::LeftButton);
    EXPECT_EQ(SettingsIniPath, other);

    // The next load reads the program folder's file again.
    unloadAll();
    Load<frmOptions>();
    EXPECT_EQ(SettingsIniPath, settingsFile());
    EXPECT_EQ(options()->txtTimerValue->text(), QStringLiteral("2500"));
}

TEST_F(OptionsTest, ApplyRewritesKeysInPlaceAndStoresTheTimerTextAsTyped) {
    const QByteArray before =
        "; own settings\r\n[Other]\r\nA=1\r\n\r\n[Quarl_UT2003.Settings]\r\nSplashTimeMsec=500\r\n"
        "ShowOptionOnStartup=1\r\nUT2003UserINIPath=" +
        userIni().toLatin1() + "\r\nExtra=kept\r\n\r\n[Last]\r\nB=2\r\n";
    writeFile(settingsFile(), before);
    runMain();
    frmOptions* form = options();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->txtTimerValue->text(), QStringLiteral("500"));
    form->txtTimerValue->setText(QStringLiteral("abc"));
    form->chkINISettings[2]->setChecked(true);
    form->cmdApply_Click();
    const QByteArray folder = programDir().toLatin1();
    EXPECT_EQ(readFile(settingsFile()),
              "; own settings\r\n[Other]\r\nA=1\r\n\r\n[Quarl_UT2003.Settings]\r\nSplashTimeMsec=abc\r\n"
              "ShowOptionOnStartup=1\r\nUT2003UserINIPath=" +
                  userIni().toLatin1() + "\r\nExtra=kept\r\nQuarliniPath=" + folder +
                  "/Quarl.ini\r\nGamePath=" + folder +
                  "/UT2003.exe\r\nReadPathFromRegistry=0\r\nSplashStartup=0\r\nAutoOpenINI=1\r\n\r\n"
                  "[Last]\r\nB=2\r\n");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OptionsTest, OkStoresTheSettingsAndOpensTheMainWindow) {
    startOnOptions({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    ASSERT_NE(options(), nullptr);
    options()->chkINISettings[3]->setChecked(false);
    QTest::mouseClick(options()->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(isLoaded<frmOptions>());
    ASSERT_TRUE(isLoaded<frmMain>());
    EXPECT_TRUE(window(QStringLiteral("frmMain"))->isVisible());
    EXPECT_EQ(ReadINI(kSettingsSection, QStringLiteral("ShowOptionOnStartup"), QString(), settingsFile()),
              QStringLiteral("0"));
    EXPECT_EQ(ReadINI(kSettingsSection, QStringLiteral("SplashTimeMsec"), QString(), settingsFile()),
              QStringLiteral("1000"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OptionsTest, OkAndApplyWithoutUserIniPathWriteNothing) {
    frmOptions* form = startOnOptions();  // the browse is cancelled
    ASSERT_NE(form, nullptr);
    const QByteArray before = readFile(settingsFile());
    messages.clear();
    QTest::mouseClick(form->cmdApply, Qt::LeftButton);
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt, kNoPath);
    EXPECT_EQ(messages[0].style, 64);
    EXPECT_EQ(messages[1].prompt, kNoPath);
    EXPECT_EQ(messages[1].style, 16);
    EXPECT_EQ(readFile(settingsFile()), before);
    EXPECT_TRUE(isLoaded<frmOptions>());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(isLoaded<frmMain>());
}

TEST_F(OptionsTest, CancelEscAndCloseKeepTheResolvedPaths) {
    const QString chosen = programDir() + QStringLiteral("/System/User.ini");
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        UseriniPath.clear();
        dialogAnswers = {chosen};
        frmOptions* form = startOnOptions();
        ASSERT_NE(form, nullptr);
        const QByteArray before = readFile(settingsFile());
        form->chkINISettings[0]->setChecked(true);
        if (way == 0) QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
        if (way == 1) QTest::keyClick(form, Qt::Key_Escape);
        if (way == 2) form->close();
        EXPECT_FALSE(isLoaded<frmOptions>());
        EXPECT_EQ(UseriniPath, chosen);
        EXPECT_EQ(UT2003iniPath, programDir() + QStringLiteral("/System/UT2003.ini"));
        EXPECT_EQ(readFile(settingsFile()), before);
        flushDeletes();
    }
}

TEST_F(OptionsTest, ReadOnlySettingsFileIsReported) {
    frmOptions* form = startOnOptions({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    ASSERT_NE(form, nullptr);
    const QByteArray before = readFile(settingsFile());
    QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QTest::mouseClick(form->cmdApply, Qt::LeftButton);
    const QString failure = QStringLiteral("Error Permission denied, Corvane While Trying to Write to Quarl.ini File!");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, failure);
    EXPECT_EQ(messages[0].style, 48);
    EXPECT_EQ(readFile(settingsFile()), before);
    // OK reports it the same way and still leads on to the main window.
    QTest::mouseClick(form->cmdOK, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt, failure);
    EXPECT_TRUE(isLoaded<frmMain>());
    EXPECT_EQ(readFile(settingsFile()), before);
}

// The switches are check-box states: 0, 1 and 2 (greyed) are taken, anything else stops the load with its
// message, leaving the boxes after it and the timer box unfilled and the paths unresolved.
TEST_F(OptionsTest, SwitchValuesAreCheckBoxStates) {
    struct Case {
        const char* value;
        Qt::CheckState state;
        const char* error;
    };
    const Case cases[] = {
        {"0", Qt::Unchecked, nullptr},
        {"1", Qt::Checked, nullptr},
        {"2", Qt::PartiallyChecked, nullptr},
        {"1.4", Qt::Checked, nullptr},
        {"3", Qt::Unchecked, "Invalid property value"},
        {"-1", Qt::Unchecked, "Invalid property value"},
        {"abc", Qt::Unchecked, "Type mismatch"},
        {"", Qt::Unchecked, "Type mismatch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        messages.clear();
        UseriniPath.clear();
        frmOptions* form = startOnOptions({{QStringLiteral("AutoOpenINI"), QLatin1String(c.value)},
                                           {QStringLiteral("UT2003UserINIPath"), userIni()}});
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->chkINISettings[2]->checkState(), c.state);
        if (c.error) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt,
                      QStringLiteral("Error ") + QLatin1String(c.error) + QStringLiteral(", Corvane") + kLoadTail);
            EXPECT_EQ(messages[0].style, 48);
            EXPECT_EQ(form->chkINISettings[3]->checkState(), Qt::Unchecked);
            EXPECT_EQ(form->txtTimerValue->text(), QString());
            EXPECT_EQ(UseriniPath, QString());
        } else {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(form->chkINISettings[3]->checkState(), Qt::Checked);
            EXPECT_EQ(UseriniPath, userIni());
        }
        unloadAll();
    }
}

TEST_F(OptionsTest, GreyedSwitchIsWrittenBackAndAClickChecksIt) {
    frmOptions* form = startOnOptions(
        {{QStringLiteral("SplashStartup"), QStringLiteral("2")}, {QStringLiteral("UT2003UserINIPath"), userIni()}});
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->chkINISettings[1]->checkState(), Qt::PartiallyChecked);
    form->cmdApply_Click();
    EXPECT_EQ(ReadINI(kSettingsSection, QStringLiteral("SplashStartup"), QString(), settingsFile()), "2");
    // The user moves a box between clear and checked only.
    QCheckBox* box = form->chkINISettings[1];
    for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(box->checkState(), expected);
    }
    form->cmdApply_Click();
    EXPECT_EQ(ReadINI(kSettingsSection, QStringLiteral("SplashStartup"), QString(), settingsFile()), "1");
}

// Edit > User Options loads the window again, so the saved path replaces a file opened meanwhile.
TEST_F(OptionsTest, ReopenedFromTheMainWindowResolvesThePathsAfresh) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    auto* main = FormSlot<frmMain>::instance();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(isLoaded<frmOptions>());
    UseriniPath = path(QStringLiteral("Other/User.ini"));
    main->mnuEditmnuUserOptions->trigger();
    ASSERT_TRUE(isLoaded<frmOptions>());
    EXPECT_TRUE(options()->isVisible());
    EXPECT_EQ(UseriniPath, userIni());
    EXPECT_TRUE(messages.empty());
}

TEST_F(OptionsTest, RenderWindow) {
    frmOptions* form = startOnOptions(
        {{QStringLiteral("UT2003UserINIPath"), QStringLiteral("/home/player/Games/UT2003/System/User.ini")},
         {QStringLiteral("ReadPathFromRegistry"), QStringLiteral("0")},
         {QStringLiteral("SplashStartup"), QStringLiteral("1")}});
    ASSERT_NE(form, nullptr);
    const QString folder = QDir::tempPath() + QStringLiteral("/corvane-shots");
    QDir().mkpath(folder);
    EXPECT_TRUE(form->grab().save(folder + QStringLiteral("/frmOptions.png")));
}

}  // namespace
