#pragma once
// The main window: toolbar, eight tabs holding the settings groups, the status bar with its progress bar,
// the menus, and the three procedures that carry the keys between the game files and the controls.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/Startup.h"
#include "platform/qt/forms.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QToolButton;
class PlayerGroup;
class HudGroup;
class InputGroup;
class WeaponGroup;
class DisplayGroup;
class ClientGroup;
class FileViewer;

// One step of a file procedure: a named action of the main window or of one settings group, and the progress value
// the bar shows before it runs (-1 leaves the bar as it is). The load, the save and the close are tables of such
// steps, walked in order by one runner, so that the order of the groups, and with it where new keys land in the
// game files, reads in one place.
struct ProcedureStep {
    const char* name;
    std::function<void()> run;
    int progress = -1;
};
using Procedure = std::vector<ProcedureStep>;

class frmMain : public QMainWindow, public Form {
    Q_OBJECT
  public:
    frmMain();
    ~frmMain() override;
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload() override;

    // The three file procedures.
    void OpenINIFiles();
    // The load's failure message; a group's check that can go on after an error reports it in the same words.
    static void showOpenFailure(const std::exception& error);
    void mnuFileSave_Click();
    void CloseINIFiles();
    // The names of the steps that the last load, save or close ran, in order (a step that failed included).
    const QStringList& stepsRun() const { return stepsRun_; }

    // The two game files of the last load. The groups read them on a load and write into them on a save,
    // whatever the options window resolves meanwhile: its paths take effect at the next load.
    const QString& playerFile() const { return playerFile_; }
    const QString& engineFile() const { return engineFile_; }

    // File commands.
    void mnuFileOpen_Click();
    void cmdOpen_Click();
    void mnuFileClose_Click();
    void cmdCloseUser_Click();
    void cmdSave_Click();
    void mnuSaveAs_Click();
    // The toolbar's game launcher.
    void cmdLaunch_Click();
    // True while the Save As copy runs: the window's other commands wait for it.
    bool copyInProgress() const { return copying_; }

    // Menu handlers.
    void mnuFileExit_Click();
    void mnuEditmnuUserOptions_Click();
    void mnuViewStatusBar_Click();
    void mnuAliasLNCH_Click();
    void mnuSpeechLNCH_Click();
    void mnuHelpAbout_Click();

    // Status reports: the progress bar in panel 1 and the status text in panel 2, repainted at once.
    void setProgress(int value);
    void setStatus(const QString& text);

    // Frame controls.
    QWidget* picToolBar = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdOpen = nullptr;
    QToolButton* cmdCloseUser = nullptr;
    QToolButton* cmdLaunch = nullptr;
    QLabel* lblTxtCurrentFile = nullptr;
    QLabel* lblOFile = nullptr;
    QTabWidget* SSTab1 = nullptr;
    std::array<QWidget*, 8> tabPages{};
    QStatusBar* sbStatusBar = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::array<QLabel*, 4> statusPanels{};  // panel 1 hosts the progress bar; panel 2 is the status text

    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditmnuUserOptions = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QAction* mnuAliasLNCH = nullptr;
    QAction* mnuSpeechLNCH = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

  signals:
    // Every progress value and status text, in order (the status bar shows the last one).
    void progressReported(int value);
    void statusReported(const QString& text);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildToolBar();
    void buildTabs();
    void buildMenus();
    void buildStatusBar();
    void buildGroups();
    void buildProcedures();
    // Lays the frames of the "UT2003 Settings" tab out in four columns, with one frame under the first two.
    void arrangeSettingsTab(const std::array<std::vector<QGroupBox*>, 4>& columns, QGroupBox* underFirstTwo);
    void runSteps(const Procedure& steps);
    // The menus of the two states: File > Save while a file is open, File > Open while none is.
    void setFileMenus(bool fileOpen);
    // After a load or a close that stopped part-way the controls hold mixed values or placeholders: no save
    // may write them, so the window takes the no-file state's flag and menus.
    void leaveNoFileState();
    void AttachProgressBar(QProgressBar* bar, QStatusBar* statusBar, int panel, int inset);
    void copyFile(const QString& source, const QString& target);

    // How much wider than at design the tab strip and its pages are: the strip grows as far as its captions need
    // in the window's font, and the tabs' frames that reach its right edge grow or move along with it.
    int pageGrowth_ = 0;
    bool progressAttached_ = false;
    bool copying_ = false;
    QString playerFile_;
    QString engineFile_;
    // The writes of the save that runs: made only once all of them are known and checked.
    std::optional<IniWriteBatch> saveBatch_;

    // The settings groups, each filling its frames on the tabs.
    std::unique_ptr<PlayerGroup> player_;
    std::unique_ptr<HudGroup> hud_;
    std::unique_ptr<InputGroup> input_;
    std::unique_ptr<WeaponGroup> weapons_;
    std::unique_ptr<DisplayGroup> display_;
    std::unique_ptr<ClientGroup> client_;
    std::unique_ptr<FileViewer> viewer_;

    Procedure loadSteps_;
    Procedure saveSteps_;
    Procedure closeSteps_;
    QStringList stepsRun_;
};
