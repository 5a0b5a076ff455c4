// The splash window: shown first when "SplashStartup" is on, it stays for the splash time and then leads on
// to the options window or the main window. The timer is driven by hand: no test waits for it.
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>

#include "GuiTest.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/frmMain.h"
#include "platform/qt/forms.h"

namespace {

using KeyList = QList<QPair<QString, QString>>;

class SplashTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (QString* shared : {&UseriniPath, &UT2003iniPath, &UT2003exePath, &OpenedUseriniPath, &SettingsIniPath})
            shared->clear();
    }
    static frmSplash* splash() { return FormSlot<frmSplash>::instance(); }
    // Starts the program with the splash on and a known player file, plus more keys.
    frmSplash* startWithSplash(const KeyList& keys = {}) {
        writeSettings(KeyList{{QStringLiteral("SplashStartup"), QStringLiteral("1")},
                              {QStringLiteral("UT2003UserINIPath"), userIni()}} +
                      keys);
        runMain();
        return splash();
    }
    static bool visible(const QString& name) {
        QWidget* w = window(name);
        return w && w->isVisible();
    }
};

TEST_F(SplashTest, WindowIsFramelessAndCentred) {
    frmSplash* form = startWithSplash();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowType(), Qt::SplashScreen);
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), QSize(654, 254));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((form->geometry().center() - screen.center()).manhattanLength(), 1);
    EXPECT_EQ(form->picLogo->geometry(), QRect(0, 0, 657, 263));
    // The options window is loaded behind it, hidden; the main window is not loaded yet.
    EXPECT_TRUE(isLoaded<frmOptions>());
    EXPECT_FALSE(visible(QStringLiteral("frmOptions")));
    EXPECT_FALSE(isLoaded<frmMain>());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SplashTest, PictureIsShownWhenPresent) {
    QImage picture(652, 254, QImage::Format_RGB888);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(path(QStringLiteral("splash.bmp")), "BMP"));
    frmSplash* form = startWithSplash();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->picLogo->pixmap().size(), QSize(652, 254));
    unloadAll();

    QFile::remove(path(QStringLiteral("splash.bmp")));
    form = startWithSplash();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->picLogo->pixmap().isNull());
    EXPECT_TRUE(form->Timer1->isActive());
}

// Whatever "SplashTimeMsec" holds, the timer runs once and the splash leads on: a time it cannot take is
// reported first, and every time that is no use becomes one second.
TEST_F(SplashTest, SplashTime) {
    struct Case {
        const char* value;  // nullptr: no key
        int interval;
        const char* error;
    };
    const Case cases[] = {
        {nullptr, 1000, nullptr},
        {"", 1000, nullptr},
        {"2500", 2500, nullptr},
        {" 750 ", 750, nullptr},
        {"1", 1, nullptr},
        {"2147483647", 2147483647, nullptr},
        {"0", 1000, nullptr},
        {"-5", 1000, "Invalid property value"},
        {"abc", 1000, "Type mismatch"},
        {"2147483648", 1000, "Overflow"},
        {"1e300", 1000, "Overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(missing)");
        messages.clear();
        KeyList keys;
        if (c.value) keys << qMakePair(QStringLiteral("SplashTimeMsec"), QString::fromLatin1(c.value));
        frmSplash* form = startWithSplash(keys);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->Timer1->isSingleShot());
        EXPECT_TRUE(form->Timer1->isActive());
        EXPECT_EQ(form->Timer1->interval(), c.interval);
        if (c.error) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, QStringLiteral("Error ") + QLatin1String(c.error) +
                                              QStringLiteral(" - Corvane While Loading Splash Form!"));
            EXPECT_EQ(messages[0].style, 64);
        } else {
            EXPECT_TRUE(messages.empty());
        }
        unloadAll();
    }
}

TEST_F(SplashTest, TimerLeadsOnToTheOptionsWindow) {
    frmSplash* form = startWithSplash({{QStringLiteral("ShowOptionOnStartup"), QStringLiteral("1")}});
    ASSERT_NE(form, nullptr);
    frmOptions* options = FormSlot<frmOptions>::instance();
    ASSERT_NE(options, nullptr);
    options->txtTimerValue->setText(QStringLiteral("kept"));
    form->Timer1_Timer();
    EXPECT_FALSE(isLoaded<frmSplash>());
    // The same options window, not loaded again.
    EXPECT_EQ(FormSlot<frmOptions>::instance(), options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->txtTimerValue->text(), QStringLiteral("kept"));
    EXPECT_FALSE(isLoaded<frmMain>());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SplashTest, TimerLeadsOnToTheMainWindow) {
    // A value of "ShowOptionOnStartup" that is not 1 counts as off.
    for (const char* value : {"0", "2", "abc"}) {
        SCOPED_TRACE(value);
        frmSplash* form = startWithSplash({{QStringLiteral("ShowOptionOnStartup"), QLatin1String(value)}});
        ASSERT_NE(form, nullptr);
        // The tick arrives as the timer's own event.
        QTimerEvent tick(form->Timer1->timerId());
        QCoreApplication::sendEvent(form->Timer1, &tick);
        EXPECT_FALSE(isLoaded<frmSplash>());
        EXPECT_TRUE(visible(QStringLiteral("frmMain")));
        EXPECT_FALSE(isLoaded<frmOptions>());  // the main window's load unloaded it
        EXPECT_EQ(UseriniPath, userIni());
        unloadAll();
        messages.clear();
    }
}

// With no player file known, the browse of the options window's load comes first; the splash only after it.
TEST_F(SplashTest, BrowseComesBeforeTheSplash) {
    bool splashLoadedDuringBrowse = true;
    setFileDialogHandler([&](const FileDialogRequest& request) {
        dialogRequests.push_back(request);
        splashLoadedDuringBrowse = isLoaded<frmSplash>();
        return programDir() + QStringLiteral("/System/User.ini");
    });
    writeSettings({{QStringLiteral("SplashStartup"), QStringLiteral("1")}});
    runMain();
    ASSERT_EQ(dialogRequests.size(), 1u);
    EXPECT_FALSE(splashLoadedDuringBrowse);
    ASSERT_NE(splash(), nullptr);
    EXPECT_TRUE(splash()->isVisible());
    EXPECT_EQ(UseriniPath, programDir() + QStringLiteral("/System/User.ini"));
}

TEST_F(SplashTest, RenderWindow) {
    frmSplash* form = startWithSplash();
    ASSERT_NE(form, nullptr);
    const QString folder = QDir::tempPath() + QStringLiteral("/corvane-shots");
    QDir().mkpath(folder);
    EXPECT_TRUE(form->grab().save(folder + QStringLiteral("/frmSplash.png")));
}

}  // namespace
