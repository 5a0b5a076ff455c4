#include "info/frmAbout.h"

#include <QCloseEvent>

frmAbout::frmAbout() { setObjectName(QStringLiteral("frmAbout")); }
void frmAbout::Form_Load() {}
void frmAbout::showModalOver(QWidget* owner) {
    (void)owner;
    exec();
}
void frmAbout::cmdOK_Click() { forms::unload(this); }
void frmAbout::cmdSysInfo_Click() {}
void frmAbout::StartSysInfo() {}
void frmAbout::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}
void frmAbout::reject() { cmdOK_Click(); }
