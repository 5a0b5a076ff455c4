#pragma once
// The weapon priority list: twelve rows in frame " Weapon Setup", the Ball Launcher and Redeemer checks,
// and the "XWeapons.*" sections of the player file.
#include <QObject>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class frmMain;

class WeaponGroup : public QObject {
    Q_OBJECT
public:
    // Builds the rows and buttons inside framePlayerSetup (chkPlayerControls(0) there belongs to the player group).
    explicit WeaponGroup(frmMain& main);

    void load();              // rows enabled, Ball Launcher check, Redeemer, the other eleven weapons
    void save();              // rows 1 to 12, bottom first
    void resetRows();         // captions, colours, boxes, disabled
    void disableMoveButtons();

    void lblWeaponName_Click(int Index);
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();

    // Index 1 to 12 (element 0 is unused); lblPriNum 0 to 11.
    std::array<QLabel*, 13> lblWeaponName{};
    std::array<QCheckBox*, 13> chkWeapMode{};
    std::array<QLabel*, 12> lblPriNum{};
    QPushButton* cmdMoveUp = nullptr;
    QPushButton* cmdMoveDown = nullptr;

private:
    frmMain& main_;
};
