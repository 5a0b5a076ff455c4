#pragma once
// The options window: the program's own settings (start-up switches, splash time) and the game's file paths,
// which its load resolves from the registry, from the saved path or by asking the user to browse.
#include <QDialog>
#include <array>

#include "platform/qt/forms.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmOptions : public QDialog, public Form {
    Q_OBJECT
  public:
    frmOptions();
    QWidget* widget() override { return this; }
    void Form_Load() override;

    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdOK_Click();
    void SaveOptions();
    void cmdSetPaths_Click(int Index);
    void SetUserIniPath();

    std::array<QLabel*, 4> lblPathSetup{};
    std::array<QLabel*, 4> lblPathStr{};
    std::array<QPushButton*, 2> cmdSetPaths{};
    QLabel* Picture1 = nullptr;
    std::array<QCheckBox*, 4> chkINISettings{};
    QLineEdit* txtTimerValue = nullptr;
    QLabel* lblTxtTimerVal = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc presses Cancel

  private:
    void buildControls();
    // The three game paths from the player file's path and the folder (with its closing separator) that
    // holds the engine file and the executable; the labels show them.
    void setGamePaths(const QString& userIni, const QString& folder);
    // Paths from the game's folder in the registry, stored at once. False when the registry gives no folder:
    // nothing is changed or stored then.
    bool pathsFromRegistry();
};
