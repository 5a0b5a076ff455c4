#pragma once
// The main window: toolbar, eight tabs holding the settings groups, the status bar with its progress bar,
// the menus, and the three procedures that carry the keys between the game files and the controls.
#include <QMainWindow>
#include <array>
#include <exception>
#include <memory>

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

    // File commands.
    void mnuFileOpen_Click();
    void cmdOpen_Click();
    void mnuFileClose_Click();
    void cmdCloseUser_Click();
    void cmdSave_Click();
    void mnuSaveAs_Click();
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

    // Frames shared by the settings groups on the "Player Settings" and "UT2003 Settings" tabs.
    QGroupBox* framePlayer = nullptr;
    QGroupBox* frameController = nullptr;
    QGroupBox* framePlayerSetup = nullptr;
    QGroupBox* frameHudSettings = nullptr;
    QGroupBox* frameEngineSettings = nullptr;
    QGroupBox* frameRenderEngine = nullptr;
    QGroupBox* frameRenderVariablesD3D = nullptr;
    QGroupBox* frameOpenGlVars = nullptr;
    QGroupBox* frameNullDevice = nullptr;
    QGroupBox* frameClientSetup = nullptr;
    QGroupBox* frameSound = nullptr;
    QGroupBox* frameTextures0 = nullptr;

    // The settings groups.
    std::unique_ptr<PlayerGroup> player;
    std::unique_ptr<HudGroup> hud;
    std::unique_ptr<InputGroup> input;
    std::unique_ptr<WeaponGroup> weapons;
    std::unique_ptr<DisplayGroup> display;
    std::unique_ptr<ClientGroup> client;
    std::unique_ptr<FileViewer> viewer;

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
    void enableEditingControls();
    void AttachProgressBar(QProgressBar* bar, QStatusBar* statusBar, int panel, int inset);
    void copyFile(const QString& source, const QString& target);

    bool progressAttached_ = false;
    bool copying_ = false;
};
