#pragma once
// The player group: name, character with portrait, team, statistics login, field of view, the six
// player-control switches and weapon bob. Keys in the player file: "DefaultPlayer", "Engine.PlayerController",
// "Engine.Pawn".
#include <QObject>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmMain;

class PlayerGroup : public QObject {
    Q_OBJECT
  public:
    // Builds the controls: pctPlayer on the "Player Settings" tab, the framePlayer controls, chkPlayerControls(0)
    // in framePlayerSetup, (1) to (5) in frameHudSettings, chkWeaponBob in frameClientSetup.
    explicit PlayerGroup(frmMain& main);

    // Main window load: disable cboCharSelect and add the 50 characters.
    void fillLists();

    // Load steps (the loader places them; reads go to UseriniPath).
    void loadNameAndCharacter();  // "Name"; "Character" with the portrait; then cboCharSelect enabled
    void loadTeam();              // "team"
    void loadPlayerController();  // PlayerControlKeys; "DefaultFOV"; "StatsUsername"; "StatsPassword"
    void loadWeaponBob();         // "bWeaponBob" of "Engine.Pawn"

    // Save steps.
    void saveDefaultPlayer();           // "Name", "Character", "team"
    void saveStatsUsername();           // "StatsUsername"
    void savePasswordFovAndSwitches();  // "StatsPassword", "DefaultFOV", PlayerControlKeys
    void saveWeaponBob();               // "bWeaponBob"

    // Reset steps.
    void resetCharacterLabel();    // lblCharacterName "NO File Open"
    void resetTextBoxesAndList();  // name, stats name and password boxes; cboCharSelect text and disabled
    void resetPortrait();          // "no_image.jpg" (raises when it cannot be loaded)
    void resetFov();               // lblFOV "NFO"
    void resetSwitches();          // the six boxes cleared

    // Enabled states, set by the load (on) and the close (off).
    void setTeamFovAndBobEnabled(bool enabled);  // optRed, optBlue, cmdAdd5, cmdSub5, chkWeaponBob
    void setSwitchesEnabled(bool enabled);       // the six player-control boxes

    // Controls.
    QLineEdit* txtPlayerName = nullptr;
    QLabel* lblCharacterName = nullptr;
    QRadioButton* optRed = nullptr;
    QRadioButton* optBlue = nullptr;
    QComboBox* cboCharSelect = nullptr;
    QLineEdit* txtStatsName = nullptr;
    QLineEdit* txtStatsPW = nullptr;
    QLabel* lblFOV = nullptr;
    QPushButton* cmdAdd5 = nullptr;
    QPushButton* cmdSub5 = nullptr;
    QLabel* pctPlayer = nullptr;
    std::array<QCheckBox*, 6> chkPlayerControls{};
    QCheckBox* chkWeaponBob = nullptr;

    // Handlers.
    void cboCharSelect_Click();
    void cmdAdd5_Click();
    void cmdSub5_Click();

  private:
    // Loads a portrait from PlayerPicPath into pctPlayer and lets the box take the picture's size.
    void showPortrait(const QString& file);
    // Steps the field of view by delta (+5 or -5) unless the value already lies at or beyond that side's end.
    void stepFov(double delta, const QString& tail);

    frmMain& main_;
};
