#pragma once
// The player group: name, character with portrait, team, statistics login, field of view, the six
// player-control switches and weapon bob. Keys in the player file: "DefaultPlayer", "Engine.PlayerController",
// "Engine.Pawn".
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "editor/KeyBinding.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class PlayerGroup : public QObject {
    Q_OBJECT
  public:
    // The frames that hold the player's controls: its own, and the three frames of other groups where the layout
    // puts a player key.
    struct Frames {
        QGroupBox* player;       // "Player Information"
        QGroupBox* weaponSetup;  // " Weapon Setup": "Never Switch On Pickup" under the weapon list
        QGroupBox* hud;          // "Hud Settings": the other five switches, in the frame's columns 1 and 2
        QGroupBox* clientSetup;  // "Client Setup": "Weapon Bob ON" below the client switches
    };
    // Builds "framePlayer" on the "Player Settings" tab, as wide as the page has grown.
    static QGroupBox* buildFrame(QWidget* page, int pageGrowth);
    // Builds the portrait pctPlayer on the page and the controls inside the frames.
    PlayerGroup(QWidget* page, const Frames& frames, editor::GameFiles files);

    // Main window load: add the 50 characters to cboCharSelect.
    void fillLists();

    // Load steps (reads go to the player file of the last load).
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

    // The team, the field of view buttons, weapon bob and the six switches: on after a load, off after a close.
    // The character list follows the load's first step and the close's reset of the list instead.
    void setEditing(bool editing);

  private:
    void buildControls(QWidget* page, const Frames& frames);
    void bindKeys();
    // Loads a portrait from PlayerPicPath into pctPlayer and lets the box take the picture's size.
    void showPortrait(const QString& file);
    // Steps the field of view by delta (+5 or -5) unless the value already lies at or beyond that side's end.
    void stepFov(double delta, const QString& tail);

    // Handlers.
    void cboCharSelect_Click();
    void cmdAdd5_Click();
    void cmdSub5_Click();

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

    // The keys, each bound once; the steps name them in the load's and the save's order.
    editor::KeyBinder keys_;
    editor::KeyBinding name_;
    editor::KeyBinding character_;
    editor::KeyBinding team_;
    std::vector<editor::KeyBinding> switches_;
    editor::KeyBinding fov_;
    editor::KeyBinding statsName_;
    editor::KeyBinding statsPassword_;
    editor::KeyBinding weaponBob_;
};
