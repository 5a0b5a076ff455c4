#include "config/frmOptions.h"

#include <QCloseEvent>

frmOptions::frmOptions() { setObjectName(QStringLiteral("frmOptions")); }
void frmOptions::Form_Load() {}
void frmOptions::cmdApply_Click() {}
void frmOptions::cmdCancel_Click() { forms::unload(this); }
void frmOptions::cmdOK_Click() {}
void frmOptions::SaveOptions() {}
void frmOptions::cmdSetPaths_Click(int Index) { (void)Index; }
void frmOptions::SetUserIniPath() {}
void frmOptions::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}
void frmOptions::reject() { cmdCancel_Click(); }
