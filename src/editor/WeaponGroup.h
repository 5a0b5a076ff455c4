#pragma once
// The weapon priority list: twelve rows in frame " Weapon Setup", the Ball Launcher and Redeemer checks,
// and the "XWeapons.*" sections of the player file.
#include <QColor>
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

    void load();       // rows enabled, Ball Launcher check, Redeemer, the other eleven weapons
    void save();       // rows 1 to 12, bottom first
    void resetRows();  // captions, colours, boxes, disabled
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

    // The marker colour of the selected row and the colour of every other row (the button shadow).
    static QColor selectedColor();
    static QColor unselectedColor();

  protected:
    // A press on an enabled weapon label selects its row.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isSelected(int row) const;
    void setRowColor(int row, const QColor& color);
    // Exchanges the captions and box states of two rows and moves the marker from `from` to `to`.
    void moveSelection(int from, int to);

    frmMain& main_;
};
