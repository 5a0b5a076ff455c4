#pragma once
// The About window: logo, name and version, a contact line, and the system information launcher.
#include <QDialog>
#include <array>

#include "platform/qt/forms.h"

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog, public Form {
    Q_OBJECT
  public:
    frmAbout();
    QWidget* widget() override { return this; }
    void Form_Load() override;
    // Shows the window modally, owned by owner and centred on it; returns when it has been closed.
    void showModalOver(QWidget* owner);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the platform's system information tool, found through the registry; tells the user when it
    // cannot be found or started.
    void StartSysInfo();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblNFO = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    // The etched separator: element 1 the grey line, element 0 the white line just below it.
    std::array<QFrame*, 2> Line1{};

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
