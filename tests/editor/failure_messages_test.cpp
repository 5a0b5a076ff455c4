// Every handler's failure message that some input can bring about, with its full text and its icon: a damaged or
// missing file, a missing picture, a read-only file, a value of the wrong type, or a message box or file dialog
// that fails (failures of the platform itself, which no file can cause).
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"
#include "platform/error.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"

namespace {

using Shown = std::vector<std::pair<QString, int>>;  // prompt and style, in order; "{dir}" is the program folder

class FailureMessagesTest;
struct Failure {
    const char* name;
    std::function<void(FailureMessagesTest&)> act;
    Shown shown;
};
void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class FailureMessagesTest : public GuiTest, public ::testing::WithParamInterface<Failure> {
  public:
    static std::vector<Failure> cases();

  protected:
    // Starts the program with the settings "key=value ..."; the player file they name last is not there, so the
    // main window opens with no file.
    void start(const QString& keys = {}) {
        QList<QPair<QString, QString>> settings;
        for (const QString& key : keys.split(' ', Qt::SkipEmptyParts))
            settings.append({key.section('=', 0, 0), key.section('=', 1)});
        writeSettings(settings << QPair<QString, QString>("UT2003UserINIPath", userIni()));
        runMain();
    }
    void openFiles() { openEditorWithFixtures("User.ini", "UT2003.ini"); }
    void remove(const QString& file) { ASSERT_TRUE(QFile::remove(path(file))) << qPrintable(file); }
    void click(const QString& name) { find<QAbstractButton>(name)->click(); }
    void trigger(const QString& name) { find<QAction>(name)->trigger(); }
    // The next message box fails (after it is recorded), as a box that cannot be shown would.
    void failNextMessageBox() {
        setMsgBoxHandler([this, failed = false](const QString& prompt, int style) mutable {
            messages.push_back({prompt, style});
            if (!std::exchange(failed, true)) throw platform::AppError("Out of memory");
            return 1;
        });
    }
    void failFileDialogs() {
        setFileDialogHandler([](const FileDialogRequest&) -> QString { throw platform::AppError("Out of memory"); });
    }
};

std::vector<Failure> FailureMessagesTest::cases() {
    using T = FailureMessagesTest;
    const QString options =
        "Error Type mismatch, Corvane While Opening Options Form!!\rPlease Ensure You Have UT2003 Installed On your "
        "System!! This Program will only work with UT2003 Installed on your System!";
    const QString aliases =
        "Error File not found - Corvane While Loading Alias Information Form!\rMake Sure UT2003_ALIases.txt File has "
        "not been Deleted,Renamed, or Reloacated!";
    const QString speech =
        "Error File not found - Corvane While Loading Speech Informaition Form!\rPlease Make Sure Taunt.txt has not "
        "been Deleted, Renamed, or Relocated!";
    const QString browse = "Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!";
    const QString noUserIni = "Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)";
    const QString numeric = "Please Enter Only Numeric Values!!";
    return {
        // The main window.
        {"MainWindowLoad",
         [](T& t) { t.start("AutoOpenINI=abc"); },
         {{options, 48}, {"Error Type mismatch - Corvane While Loading Main Form!", 64}}},
        {"LoadOfADamagedFile",
         [](T& t) {
             t.openEditor(fixtureBytes("User.ini").replace("\nHudScale=", "\nHudScale=x"), fixtureBytes("UT2003.ini"));
         },
         {{"Error Type mismatch At Corvane While Opening File, Your User.ini File May be corrupt or wrong type!!",
           16}}},
        {"SaveOfACharacterTheGameFilesCannotHold",
         [](T& t) {
             t.openFiles(), t.find<QLineEdit>("txtAlias(7)")->setText("say \u4f60\u597d"), t.trigger("mnuFileSave");
         },
         {{"Error Invalid procedure call or argument - Corvane While Trying To Save File!\r Make Sure File is a Valid "
           "User.ini or User.ini Type File!",
           64}}},
        {"CloseWithoutThePortraitOfNoCharacter",
         [](T& t) { t.openFiles(), t.remove("players/jpgs/no_image.jpg"), t.trigger("mnuFileClose"); },
         {{"Error File not found in Corvane While Closing File!\rMake Sure File is a Valid User.ini or User.ini Type "
           "File",
           64}}},
        {"AliasesInfoWhoseWindowFailsToOpen",
         [](T& t) { t.start(), t.remove("UT2003_Aliases.txt"), t.failNextMessageBox(), t.trigger("mnuAliasLNCH"); },
         {{aliases, 64},
          {"Error Out of memory - Corvane While Loading UT2003_Alias.txt File!\rMake Sure File Was Not Deleted, "
           "Renamed, or Relocated!",
           64}}},
        {"SpeechInfoWhoseWindowFailsToOpen",
         [](T& t) { t.start(), t.remove("Taunt.txt"), t.failNextMessageBox(), t.trigger("mnuSpeechLNCH"); },
         {{speech, 64},
          {"Error Out of memory - Corvane While Loading Taunt.Txt!\rMake Sure File Was Not Deleted, "
           "Renamed, or Relocated!",
           64}}},
        {"OpenDialogThatFails",
         [](T& t) { t.start(), t.failFileDialogs(), t.trigger("mnuFileOpen"); },
         {{"Error Out of memory-Corvane while opening the File Open Dialog!", 16}}},
        {"SaveButtonWhoseMessageFails",
         [](T& t) { t.start(), t.failNextMessageBox(), t.click("cmdSave"); },
         {{"A file has to open before you can save. Please Open a File.", 64},
          {"Error Out of memory - Corvane While Trying to Save File!", 64}}},
        {"SaveAsIntoAMissingFolder",
         [](T& t) { t.openFiles(), t.dialogAnswers.push_back(t.path("None/User2.ini")), t.trigger("mnuSaveAs"); },
         {{"Error Path not found-Corvane while trying to Save File as \r{dir}/None/User2.ini !", 48}}},
        {"CharacterWithoutItsPortrait",
         [](T& t) {
             t.openFiles(), t.remove("players/jpgs/Ambrosia.jpg"),
                 t.find<QComboBox>("cboCharSelect")->setCurrentIndex(0);
         },
         {{"Error File not found - Corvane While Trying To Select Character! If your Trying To Use Malcom, Brock, or "
           "Lauren \rMake Sure You Have Them Unlocked. Information On how to add them is in the 'ReadMe.txt' and "
           "'InstallNotes.txt' Files!",
           64}}},
        {"FieldOfViewThatIsNoNumber",
         [](T& t) { t.openFiles(), t.find<QLabel>("lblFOV")->clear(), t.click("cmdAdd5"), t.click("cmdSub5"); },
         {{"Error Type mismatch - Corvane While adding 5 To Default FOV!", 64},
          {"Error Type mismatch - Corvane While Subtracting 5 From Default FOV!", 64}}},
        {"CrosshairWithoutItsPicture",
         [](T& t) { t.start(), t.remove("players/jpgs/hidden.jpg"), t.click("chkHud(5)"); },
         {{"Error, your Crosshair may be out of range.Please Check your User.ini File and make sure that "
           "'CrossHairValue' <= 13",
           16}}},
        {"RefreshRateBoxesWhoseMessageFails",
         [](T& t) {
             t.start();
             for (const char* box : {"txtMinRefRate", "txtDesiredRefRate"})
                 t.failNextMessageBox(), t.find<QLineEdit>(box)->setText("60Hz");
         },
         {{numeric, 64},
          {"Error Out of memory Please Enter Only Numeric Values!", 64},
          {numeric, 64},
          {"Error Out of memory Please Enter Only Numeric values!", 64}}},
        {"ViewerOpenOfAMissingFile",
         [](T& t) { t.start(), t.click("cmdOpenRefresh"); },
         {{"Error File not found - Corvane while tyring to open / refresh file!", 48}}},
        {"LaunchOfAMissingGame",
         [](T& t) { t.start(), setStartProgramHandler(nullptr), t.click("cmdLaunch"); },
         {{"Error File not found: {dir}/UT2003.exe - Corvane While Trying To Launch UT2003!", 64}}},

        // The options window.
        {"OptionsLoadWithASavedPathTooShort",
         [](T& t) { t.start("UT2003UserINIPath=a.ini"); },
         {{QString(options).replace("Type mismatch", "Invalid procedure call or argument"), 48}}},
        {"OptionsApplyIntoAReadOnlySettingsFile",
         [](T& t) {
             t.start("ShowOptionOnStartup=1"), QFile::setPermissions(t.path("Quarl.ini"), QFile::ReadOwner),
                 t.click("cmdApply");
         },
         {{"Error Permission denied, Corvane While Trying to Write to Quarl.ini File!", 48}}},
        {"BrowseForANameTooShort",
         [](T& t) { t.dialogAnswers.push_back("a.ini"), t.runMain(); },
         {{browse, 64}, {"Error Invalid procedure call or argument, Corvane While Setting User.ini File!", 48}}},
        {"SetQuarlIniPathWhoseDialogFails",
         [](T& t) { t.start("ShowOptionOnStartup=1"), t.failFileDialogs(), t.click("cmdSetPaths(0)"); },
         {{"Error Out of memory, Corvane While Setting Paths!", 48}}},
        {"ApplyWhoseMessageFails",  // no path known: the browse is cancelled
         [](T& t) { t.start("ShowOptionOnStartup=1 UT2003UserINIPath="), t.failNextMessageBox(), t.click("cmdApply"); },
         {{browse, 64}, {noUserIni, 64}, {"Error Out of memory, Corvane Make Sure All Paths Are Valid", 48}}},
        {"OkWhoseMessageFails",
         [](T& t) { t.start("ShowOptionOnStartup=1 UT2003UserINIPath="), t.failNextMessageBox(), t.click("cmdOK"); },
         {{browse, 64}, {noUserIni, 16}, {"Error Out of memory, Corvane Ensure All Paths Are Valid!", 48}}},

        // The splash window.
        {"SplashTimeThatIsNoNumber",
         [](T& t) { t.start("SplashStartup=1 SplashTimeMsec=abc"); },
         {{"Error Type mismatch - Corvane While Loading Splash Form!", 64}}},
        {"SplashTimerWhoseMainWindowFailsToLoad",
         [](T& t) {
             t.start("SplashStartup=1 AutoOpenINI=abc"), t.failNextMessageBox(),
                 FormSlot<frmSplash>::instance()->Timer1_Timer();
         },
         {{options, 48},
          {"Error Type mismatch - Corvane While Loading Main Form!", 64},
          {"Error Out of memory - Corvane While Processing Which Forms To load From Splash Screen!", 64}}},

        // The information windows.
        {"SystemInfoWithoutTheTool",
         [](T& t) { Show<frmAbout>(), t.click("cmdSysInfo"); },
         {{"System Information Is Unavailable At This Time", 0}}},
        {"AliasesWindowWithoutItsFile",
         [](T& t) { t.remove("UT2003_Aliases.txt"), Show<frmAliasNFO>(); },
         {{aliases, 64}}},
        {"SpeechWindowWithoutItsFile", [](T& t) { t.remove("Taunt.txt"), Show<frmSpeechNFO>(); }, {{speech, 64}}},
    };
}

TEST_P(FailureMessagesTest, ShowsItsOwnTextAndIcon) {
    GetParam().act(*this);
    Shown shown, expected = GetParam().shown;
    for (const ShownMessage& m : messages) shown.emplace_back(m.prompt, m.style);
    for (auto& [prompt, style] : expected) prompt.replace("{dir}", programDir());
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].first, expected[i].first) << "message " << i + 1;
        EXPECT_EQ(shown[i].second, expected[i].second) << "icon of message " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Handlers, FailureMessagesTest, ::testing::ValuesIn(FailureMessagesTest::cases()),
                         [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

}  // namespace
