// The start-up module: INI key access through the code page, the shared state and key tables that Main
// builds, and the choice of the first window.
#include "config/Startup.h"

#include <QFile>

#include "GuiTest.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/qt/forms.h"

namespace {

class StartupTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath, &SettingsIniPath})
            shared->clear();
    }
    QString iniPath() const { return path(QStringLiteral("test.ini")); }
};

TEST_F(StartupTest, CodePageRoundTripThroughReadAndWrite) {
    const QString value = QStringLiteral("Caf\u00e9 \u20ac5");
    WriteINI(QStringLiteral("Sec"), QStringLiteral("Key"), value, iniPath());
    EXPECT_EQ(readFile(iniPath()), QByteArray("[Sec]\r\nKey=Caf\xe9 \x80"
                                              "5\r\n"));
    EXPECT_EQ(ReadINI(QStringLiteral("Sec"), QStringLiteral("Key"), QStringLiteral("x"), iniPath()), value);
    // Bytes of the file come back as their Windows-1252 characters, the unassigned ones included.
    writeFile(iniPath(), QByteArray("[Sec]\r\nKey=\x81\x9f\xff\r\n"));
    EXPECT_EQ(ReadINI(QStringLiteral("Sec"), QStringLiteral("Key"), QString(), iniPath()),
              QString(QChar(0x81)) + QChar(0x178) + QChar(0xff));
}

TEST_F(StartupTest, CharacterOutsideTheCodePageRaisesAndWritesNothing) {
    writeFile(iniPath(), QByteArray("[Sec]\r\nKey=old\r\n"));
    for (const QString& value :
         {QStringLiteral("\u03a9mega"), QStringLiteral("\u4e2d"), QStringLiteral("\U0001F600")}) {
        EXPECT_THROW(WriteINI(QStringLiteral("Sec"), QStringLiteral("Key"), value, iniPath()), platform::AppError);
    }
    EXPECT_EQ(readFile(iniPath()), QByteArray("[Sec]\r\nKey=old\r\n"));
}

TEST_F(StartupTest, ReadOnlyFileRaisesAndStaysAsItWas) {
    const QByteArray before("[Sec]\r\nKey=old\r\n");
    writeFile(iniPath(), before);
    QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        WriteINI(QStringLiteral("Sec"), QStringLiteral("Key"), QStringLiteral("new"), iniPath());
        ADD_FAILURE() << "a write to a read-only file must raise";
    } catch (const platform::AppError& error) {
        EXPECT_EQ(error.description(), "Permission denied");
    }
    EXPECT_EQ(readFile(iniPath()), before);
}

TEST_F(StartupTest, MainBuildsSentinelsPathsAndKeyTables) {
    FileIsOpen = true;
    runMain();
    EXPECT_EQ(NoDataFound, QStringLiteral("No Data Found!!"));
    EXPECT_EQ(NDF, QStringLiteral("NDF"));
    EXPECT_EQ(PlayerPicPath, programDir() + QStringLiteral("/players/jpgs/"));
    EXPECT_EQ(SettingsIniPath, programDir() + QStringLiteral("/Quarl.ini"));
    EXPECT_FALSE(FileIsOpen);

    struct Table {
        const char* name;
        const QString* entries;
        std::size_t size, expectedSize;
        const char *first, *last;
    };
    const Table tables[] = {
        {"LetterKeys", LetterKeys.data(), LetterKeys.size(), 26, "A", "Z"},
        {"OtherKeys", OtherKeys.data(), OtherKeys.size(), 55, "Alt", "Zoom"},
        {"MouseKeys", MouseKeys.data(), MouseKeys.size(), 8, "LeftMouse", "MouseZ"},
        {"NumPadKeys", NumPadKeys.data(), NumPadKeys.size(), 12, "NumLock", "NumPadPeriod"},
        {"JoystickKeys", JoystickKeys.data(), JoystickKeys.size(), 24, "Joy1", "JoySlider2"},
        {"HudKeys", HudKeys.data(), HudKeys.size(), 8, "bHideHud", "bShowPortrait"},
        {"ConsoleKeys", ConsoleKeys.data(), ConsoleKeys.size(), 3, "ConsoleMessageCount", "MessageFontOffset"},
        {"PlayerControlKeys", PlayerControlKeys.data(), PlayerControlKeys.size(), 6, "bNeverSwitchOnPickup",
         "bNoMatureLanguage"},
        {"SettingKeys", SettingKeys.data(), SettingKeys.size(), 4, "ReadPathFromRegistry", "ShowOptionOnStartup"},
        {"D3DKeys", D3DKeys.data(), D3DKeys.size(), 19, "DetailTextures", "OverrideDesktopRefreshRate"},
        {"OpenGLKeys", OpenGLKeys.data(), OpenGLKeys.size(), 8, "DetailTextures", "ReduceMouseLag"},
        {"NullDeviceKeys", NullDeviceKeys.data(), NullDeviceKeys.size(), 6, "DetailTextures", "UseStencil"},
        {"ControllerKeys", ControllerKeys.data(), ControllerKeys.size(), 2, "CaptureMouse", "UseJoystick"},
        {"SoundKeys", SoundKeys.data(), SoundKeys.size(), 8, "UseEAX", "LowQualitySound"},
        {"ClientKeys", ClientKeys.data(), ClientKeys.size(), 7, "ScreenFlashes", "NoDynamicLights"},
        {"TextureDetailKeys", TextureDetailKeys.data(), TextureDetailKeys.size(), 7, "TextureDetailInterface",
         "TextureDetailLightmap"},
    };
    for (const Table& table : tables) {
        SCOPED_TRACE(table.name);
        ASSERT_EQ(table.size, table.expectedSize);
        EXPECT_EQ(table.entries[0], QLatin1String(table.first));
        EXPECT_EQ(table.entries[table.size - 1], QLatin1String(table.last));
        QStringList names;
        for (std::size_t i = 0; i < table.size; ++i) names << table.entries[i];
        EXPECT_EQ(names.removeDuplicates(), 0);
        EXPECT_FALSE(names.contains(QString()));
    }
    EXPECT_EQ(OtherKeys[21], QStringLiteral("home"));
    EXPECT_EQ(PlayerControlKeys[5], QStringLiteral("bNoMatureLanguage"));
    EXPECT_EQ(OpenGLKeys[4], QStringLiteral("UseCompressedLightmaps"));
    EXPECT_EQ(NullDeviceKeys[4], QStringLiteral("UseCompressedLightmaps"));
    EXPECT_EQ(D3DKeys[8], QStringLiteral("UseCompressedLightmaps"));
    EXPECT_EQ(JoystickKeys[15], QStringLiteral("Joy16"));
    EXPECT_EQ(JoystickKeys[16], QStringLiteral("JoyX"));
    EXPECT_EQ(SettingValues, (std::array<QString, 4>{"0", "0", "0", "0"}));
}

TEST_F(StartupTest, FirstStartWithoutSettingsShowsTheMainWindowAfterTheBrowse) {
    runMain();
    // The options window's load asked for User.ini before anything else, then the main window took over.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              QStringLiteral("Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!"));
    EXPECT_EQ(messages[0].style, 64);
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_EQ(dialogRequests[0].title, QStringLiteral("Open :: Select Your UT2003 'User.ini' File"));
    EXPECT_EQ(dialogRequests[0].filter, QStringLiteral("User.ini (User.ini)|User.ini"));
    EXPECT_EQ(dialogRequests[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_TRUE(UseriniPath.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Quarl.ini"))));
    EXPECT_FALSE(isLoaded<frmOptions>());
    ASSERT_TRUE(isLoaded<frmMain>());
    EXPECT_TRUE(window(QStringLiteral("frmMain"))->isVisible());
}

// Which window comes first, by the values of "SplashStartup" and "ShowOptionOnStartup": a switch is on only
// when it reads as the number 1. The options window's load, which runs first in every branch, takes the same
// values as check-box states and reports those that are not 0, 1 or 2 (the paths then stay unresolved).
TEST_F(StartupTest, FirstWindowFollowsTheSwitches) {
    struct Case {
        const char* splash;
        const char* options;
        const char* firstWindow;
        const char* optionsLoadError;  // description in the options window's load message, or none
    };
    const Case cases[] = {
        {"0", "0", "frmMain", nullptr},
        {"1", "0", "frmSplash", nullptr},
        {"1", "1", "frmSplash", nullptr},
        {"0", "1", "frmOptions", nullptr},
        {"2", "2", "frmMain", nullptr},
        {" 1 ", "0", "frmSplash", nullptr},
        {"1.0", "0", "frmSplash", nullptr},
        {"0", "1e0", "frmOptions", nullptr},
        {"abc", "0", "frmMain", "Type mismatch"},
        {"", "1", "frmOptions", "Type mismatch"},
        {"-1", "0", "frmMain", "Invalid property value"},
        {"0", "99999999999", "frmMain", "Overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("SplashStartup=") + c.splash + " ShowOptionOnStartup=" + c.options);
        writeSettings({{QStringLiteral("SplashStartup"), QLatin1String(c.splash)},
                       {QStringLiteral("ShowOptionOnStartup"), QLatin1String(c.options)},
                       {QStringLiteral("UT2003UserINIPath"), userIni()}});
        messages.clear();
        UseriniPath.clear();
        runMain();
        const QStringList names = {QStringLiteral("frmMain"), QStringLiteral("frmSplash"),
                                   QStringLiteral("frmOptions")};
        for (const QString& name : names) {
            QWidget* w = window(name);
            const bool visible = w && w->isVisible();
            EXPECT_EQ(visible, name == QLatin1String(c.firstWindow)) << name.toStdString();
        }
        EXPECT_EQ(isLoaded<frmOptions>(), QLatin1String(c.firstWindow) != QLatin1String("frmMain"));
        if (c.optionsLoadError) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral("Error ") + QLatin1String(c.optionsLoadError) +
                                                      QStringLiteral(", Corvane While Opening Options Form!!\r")))
                << messages[0].prompt.toStdString();
            EXPECT_EQ(UseriniPath, QString());
        } else {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(UseriniPath, userIni());
        }
        unloadAll();
    }
}

}  // namespace
