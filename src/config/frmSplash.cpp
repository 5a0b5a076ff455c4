#include "config/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "config/MainWindow.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "platform/error.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

frmSplash::frmSplash() {
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar, no window buttons, and no place in the task bar.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(tw(9810), tw(3810));
    // The picture is two pixels narrower than the window: a dark background keeps the edge from showing.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setGeometry(0, 0, tw(9855), tw(3945));
    picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture is optional: without it the window shows its plain background for the splash time.
    const QPixmap picture(joinPath(programFolder(), QStringLiteral("splash.bmp")));
    if (!picture.isNull()) picLogo->setPixmap(picture);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kDefaultSplashMsec);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmSplash::Form_Load() {
    // Whatever the settings hold, the splash leads on: a time the timer cannot take (not a number, negative,
    // too large) is reported and replaced by the default, and 0 would never fire, so it means the default too.
    // A window timer takes at most 65,535 ms; a longer time would keep a splash that cannot be dismissed.
    constexpr int kLongestSplashMsec = 65535;
    int interval = kDefaultSplashMsec;
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Loading Splash Form!"), vbInformation}, [&] {
        const QString text = ReadSetting(QStringLiteral("SplashTimeMsec"), QStringLiteral("1000"));
        if (!text.isEmpty()) {
            const int msec = platform::toInt(text.toStdString());
            if (msec < 0 || msec > kLongestSplashMsec) throw platform::AppError(platform::kInvalidPropertyValue);
            if (msec > 0) interval = msec;
        }
    });
    Timer1->setInterval(interval);
    Timer1->start();
}

void frmSplash::Timer1_Timer() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Processing Which Forms To load From Splash Screen!"),
                vbInformation},
               [] {
                   if (switchIsOn(SettingValues[3])) {
                       Show<frmOptions>();
                   } else {
                       loadMainWindow();
                       showMainWindow();
                   }
                   // The timer goes with the window, so it fires once.
                   Unload<frmSplash>();
               });
}
