#pragma once
// The weapon priority list: twelve rows in frame " Weapon Setup", the Ball Launcher and Redeemer checks,
// and the "XWeapons.*" sections of the player file.
#include <QColor>
#include <QObject>
#include <array>
#include <exception>
#include <functional>

#include "editor/KeyBinding.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

class WeaponGroup : public QObject {
    Q_OBJECT
  public:
    // How the load reports an error that it can go on after: in the words of the load's own failure.
    using FailureReport = std::function<void(const std::exception& error)>;

    // Builds "framePlayerSetup" on the "Player Settings" tab, at the right edge of the grown page. The player
    // group's "Never Switch On Pickup" stands in it too, below the list.
    static QGroupBox* buildFrame(QWidget* page, int pageGrowth);
    // Builds the rows and buttons inside the frame, and moves everything the frame holds by then inside its lines.
    WeaponGroup(QGroupBox* frame, editor::GameFiles files, FailureReport reportLoadFailure);

    void load();       // rows on, Ball Launcher check, Redeemer, the other eleven weapons
    void save();       // rows 1 to 12, bottom first
    void resetRows();  // captions, colours, boxes

    // The rows: on from the load's own step, off after a close, which also turns the Move buttons off (only a
    // selected row turns them on).
    void setEditing(bool editing);

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
    // The Ball Launcher is never listed, but the game needs it above all twelve.
    void checkBallLauncher();

    // Handlers.
    void lblWeaponName_Click(int Index);
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();

    // Index 1 to 12 (element 0 is unused); lblPriNum 0 to 11.
    std::array<QLabel*, 13> lblWeaponName{};
    std::array<QCheckBox*, 13> chkWeapMode{};
    std::array<QLabel*, 12> lblPriNum{};
    QPushButton* cmdMoveUp = nullptr;
    QPushButton* cmdMoveDown = nullptr;

    editor::GameFiles files_;
    FailureReport reportLoadFailure_;
};
