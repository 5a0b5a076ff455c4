#include "config/frmSplash.h"

#include <QTimer>

frmSplash::frmSplash() { setObjectName(QStringLiteral("frmSplash")); }
void frmSplash::Form_Load() {}
void frmSplash::Timer1_Timer() {}
