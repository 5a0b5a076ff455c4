#pragma once
// The splash window: one picture for the configured time, then the options or the main window.
#include <QWidget>

#include "platform/qt/forms.h"

class QLabel;
class QTimer;

class frmSplash : public QWidget, public Form {
    Q_OBJECT
  public:
    frmSplash();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Timer1_Timer();

    // The time the splash stays when the settings give none that a timer can take.
    static constexpr int kDefaultSplashMsec = 1000;

    QLabel* picLogo = nullptr;
    QTimer* Timer1 = nullptr;
};
