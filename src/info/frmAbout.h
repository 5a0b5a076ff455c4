#pragma once
// The About window: logo, name and version, a contact line, and the system information launcher.
#include <QDialog>

#include "platform/qt/forms.h"

class QLabel;
class QPushButton;

class frmAbout : public QDialog, public Form {
    Q_OBJECT
public:
    frmAbout();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    // Shows the window modally, owned by owner; returns when it has been closed.
    void showModalOver(QWidget* owner);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblNFO = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
