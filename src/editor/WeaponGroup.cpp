#include "editor/WeaponGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <iterator>

#include "config/Startup.h"
#include "editor/GroupControls.h"
#include "platform/error.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

using namespace editor;

namespace {

const QString kPriority = QStringLiteral("Priority");
const QString kFireModes = QStringLiteral("ExchangeFireModes");
const QString kBallLauncher = QStringLiteral("XWeapons.BallLauncher");

// The listed weapons in the order the loader places them. Where two share a Priority the later one takes the
// row. Only the Redeemer and the Shield Gun pass the long sentinel as the fire-mode default; every default is
// text that is no number, so a missing key stops the load either way.
struct Weapon {
    const char* section;
    const char* name;
    bool sentinelFireDefault;
};
constexpr Weapon kWeapons[] = {
    {"XWeapons.Redeemer", "Redeemer", true},
    {"XWeapons.Painter", "Ion Painter", false},
    {"XWeapons.TransLauncher", "TransLocator", false},
    {"XWeapons.ShieldGun", "Shield Gun", true},
    {"XWeapons.AssaultRifle", "Assault Rifle", false},
    {"XWeapons.ShockRifle", "Shock Rifle", false},
    {"XWeapons.LinkGun", "Link Gun", false},
    {"XWeapons.BioRifle", "Bio Rifle", false},
    {"XWeapons.Minigun", "Minigun", false},
    {"XWeapons.FlakCannon", "Flak Cannon", false},
    {"XWeapons.RocketLauncher", "Rocket Launcher", false},
    {"XWeapons.SniperRifle", "Lightning Gun", false},
};

double number(const QString& text) {
    return platform::toNumber(text.toStdString());
}

// The row that a Priority names; a Priority that rounds outside the list stops the load.
int rowOf(double priority) {
    const int row = platform::roundToInt(priority);
    if (row < 1 || row > 12) throw platform::AppError(platform::kSubscriptOutOfRange);
    return row;
}

// A fire-mode value: 0, 1 or 2 after rounding; anything else stops the load.
int fireModeOf(const QString& text) {
    const int mode = platform::toInt(text.toStdString());
    if (mode < 0 || mode > 2) throw platform::AppError(platform::kInvalidPropertyValue);
    return mode;
}

}  // namespace

QColor WeaponGroup::selectedColor() {
    return QColor(0, 255, 0);
}

QColor WeaponGroup::unselectedColor() {
    return QApplication::palette().color(QPalette::Dark);
}

QGroupBox* WeaponGroup::buildFrame(QWidget* page, int pageGrowth) {
    return makeFrame(page, QStringLiteral("framePlayerSetup"), QStringLiteral(" Weapon Setup"),
                     QRect(440 + pageGrowth, 4, tw(5055), tw(4095)));
}

WeaponGroup::WeaponGroup(QGroupBox* frame, GameFiles files, FailureReport reportLoadFailure)
    : files_(std::move(files)), reportLoadFailure_(std::move(reportLoadFailure)) {
    // The place numbers keep their right edge against the weapon names; where two digits are wider in this
    // platform's font than the design's boxes, all twelve grow alike to the left.
    const int placeRight = tw(120) + tw(255);
    int placeLeft = tw(120);
    for (int k = 0; k < 12; ++k) {
        auto* label = new QLabel(QString::number(k + 1), frame);
        label->setObjectName(arrayName("lblPriNum", k));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(tw(120), tw(240 * (k + 1)), tw(255), tw(255));
        placeLeft = std::min(placeLeft, fitCaption(label, {}, Qt::RightEdge).left());
        lblPriNum[static_cast<std::size_t>(k)] = label;
    }
    for (QLabel* label : lblPriNum) label->setGeometry(placeLeft, label->y(), placeRight - placeLeft, tw(255));
    for (int r = 1; r <= 12; ++r) {
        const auto row = static_cast<std::size_t>(r);
        auto* label = new QLabel(kNoFileOpen, frame);
        label->setObjectName(arrayName("lblWeaponName", r));
        label->setGeometry(tw(360), tw(240 * (13 - r)), tw(2415), tw(255));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(QStringLiteral("Click To Select Weapon to Move Up/Down List"));
        label->setAutoFillBackground(true);
        label->setEnabled(false);
        label->installEventFilter(this);
        lblWeaponName[row] = label;
        setRowColor(r, unselectedColor());

        // The box is as tall as the style's box needs (the design's is a pixel short), centred on its row.
        auto* box = new QCheckBox(QStringLiteral("Switch  Fire Mode"), frame);
        box->setObjectName(arrayName("chkWeapMode", r));
        box->setGeometry(tw(2880), tw(240 * (13 - r)), tw(1575), tw(195));
        box->setToolTip(
            QStringLiteral("Clicking Switches The Primary & Secondary Firing Modes Of The Weapon Next To It."));
        connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked) box->setTristate(false);
        });
        fitCaption(box);
        box->move(box->x(), label->y() + (label->height() - box->height()) / 2);
        chkWeapMode[row] = box;
    }
    cmdMoveUp = new QPushButton(QStringLiteral("Move Up List"), frame);
    cmdMoveUp->setObjectName(QStringLiteral("cmdMoveUp"));
    cmdMoveUp->setGeometry(tw(120), tw(3480), tw(1335), tw(495));
    cmdMoveUp->setToolTip(QStringLiteral("Click To Raise Item Priority"));
    cmdMoveDown = new QPushButton(QStringLiteral("Move Down List"), frame);
    cmdMoveDown->setObjectName(QStringLiteral("cmdMoveDown"));
    cmdMoveDown->setGeometry(tw(1560), tw(3480), tw(1335), tw(495));
    cmdMoveDown->setToolTip(QStringLiteral("Click To Lower Item Priority"));
    // Both buttons grow alike as far as the longer caption needs in this platform's font; the gap between them
    // stays.
    const int moveWidth = std::max(fitCaption(cmdMoveUp).width(), fitCaption(cmdMoveDown).width());
    cmdMoveUp->resize(moveWidth, cmdMoveUp->height());
    cmdMoveDown->setGeometry(cmdMoveUp->x() + moveWidth + tw(1560) - tw(120 + 1335), cmdMoveDown->y(), moveWidth,
                             cmdMoveDown->height());
    // The design's first row lies on the frame's top line in this platform's style, and wider place numbers may
    // reach its left line: the whole list, with the player group's "Never Switch On Pickup" and the Move buttons
    // below it, moves inside the frame.
    const QRect inside = frameInside(frame);
    const QPoint into(std::max(inside.left() - placeLeft, 0), std::max(inside.top() - lblWeaponName[12]->y(), 0));
    for (QWidget* control : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->move(control->pos() + into);
    cmdMoveUp->setEnabled(false);
    cmdMoveDown->setEnabled(false);
    connect(cmdMoveUp, &QPushButton::clicked, this, [this] { cmdMoveUp_Click(); });
    connect(cmdMoveDown, &QPushButton::clicked, this, [this] { cmdMoveDown_Click(); });
}

bool WeaponGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int r = 1; r <= 12; ++r) {
            QLabel* label = lblWeaponName[static_cast<std::size_t>(r)];
            if (watched == label && label->isEnabled()) {
                lblWeaponName_Click(r);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool WeaponGroup::isSelected(int row) const {
    return lblWeaponName.at(static_cast<std::size_t>(row))->palette().color(QPalette::Window) == selectedColor();
}

void WeaponGroup::setRowColor(int row, const QColor& color) {
    QLabel* label = lblWeaponName.at(static_cast<std::size_t>(row));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    // A disabled row (no file open) keeps its colour; its name is drawn in the platform's disabled text colour
    // only where that reads on it, and else in one taken as far towards black or white as reading needs.
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     readableOn(color, QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)));
    label->setPalette(palette);
}

// ---- Load, save, reset ----

// The user may let the loader write the fix; the question is asked once, and a file that still does not read 13
// afterwards is left to the user. A fix that cannot be written (a read-only file) is reported in the loader's
// words, and the load goes on: the file can still be viewed and edited.
void WeaponGroup::checkBallLauncher() {
    const QString file = files_.player();
    const QString value = ReadINI(kBallLauncher, kPriority, NoDataFound, file);
    if (number(value) == 13) return;
    const QString question = QStringLiteral(
                                 "Error Detected in INI File while Checking weapon priority,\rYour Ball "
                                 "Launcher Priority is Set to ") +
                             value +
                             QStringLiteral(
                                 ". It should always be to 13!!\rWould You like to fix to fix this "
                                 "problem Automaticly?");
    if (MsgBox(question, vbYesNo) == vbYes) {
        try {
            WriteINI(kBallLauncher, kPriority, QStringLiteral("13"), file);
            const std::string check = ReadINI(kBallLauncher, kPriority, NoDataFound, file).toStdString();
            if (platform::isNumeric(check) && platform::toNumber(check) == 13) return;
        } catch (const std::exception& error) {
            reportLoadFailure_(error);
        }
    }
    MsgBox(QStringLiteral("Please Fix your User.ini File, The Priority of the Ball Launcher\rShould always be 13!! "
                          "You may Still Continue! Data Will not be saved for Priority 13!"),
           vbOKOnly);
}

void WeaponGroup::load() {
    // A row that no weapon of this file claims shows the row's own text, never the weapon an earlier file put
    // there: the save then skips it rather than writing that weapon's place into this file.
    for (int r = 1; r <= 12; ++r) {
        const auto row = static_cast<std::size_t>(r);
        lblWeaponName[row]->setText(kNoFileOpen);
        setCheckValue(chkWeapMode[row], 0);
    }
    setEditing(true);
    checkBallLauncher();
    for (const Weapon& weapon : kWeapons) {
        const QString section = QLatin1String(weapon.section);
        const QString priority = ReadINI(section, kPriority, QString(), files_.player());
        const double value = number(priority);
        // The Redeemer must stay below the Ball Launcher: at 13 or above it is reported and left out.
        if (&weapon == &kWeapons[0] && !(value < 13)) {
            MsgBox(QStringLiteral(" Reedeemer Priority is ") + priority +
                       QStringLiteral(". Redeemer Priority must be less than 13!!\rPlease Correct Your User.ini "
                                      "File!!, You May Still Continue"),
                   vbInformation);
            continue;
        }
        const auto row = static_cast<std::size_t>(rowOf(value));
        lblWeaponName[row]->setText(QLatin1String(weapon.name));
        const QString fireDefault = weapon.sentinelFireDefault ? NoDataFound : QString();
        setCheckValue(chkWeapMode[row], fireModeOf(ReadINI(section, kFireModes, fireDefault, files_.player())));
    }
}

void WeaponGroup::save() {
    for (int r = 1; r <= 12; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const QString caption = lblWeaponName[row]->text();
        const auto weapon = std::find_if(std::begin(kWeapons), std::end(kWeapons),
                                         [&caption](const Weapon& w) { return caption == QLatin1String(w.name); });
        if (weapon == std::end(kWeapons)) {
            const QString place = QString::number(r);
            MsgBox(caption + QStringLiteral(" No weapon is associated to the Current Priority!\rCurrent Priority is ") +
                       place +
                       QStringLiteral(". Please Check Your User.INI file in your System Folder,\rLook for "
                                      "Doubles, A weapon needs to be set to Priority ") +
                       place + QStringLiteral(" !\rThis Item will be skipped during saving!"),
                   vbInformation);
            continue;
        }
        const QString section = QLatin1String(weapon->section);
        WriteINI(section, kPriority, decimal(r), files_.player());
        WriteINI(section, kFireModes, decimal(checkValue(chkWeapMode[row])), files_.player());
    }
}

void WeaponGroup::resetRows() {
    for (int r = 1; r <= 12; ++r) {
        const auto row = static_cast<std::size_t>(r);
        lblWeaponName[row]->setText(kNoFileOpen);
        setRowColor(r, unselectedColor());
        setCheckValue(chkWeapMode[row], 0);
    }
}

void WeaponGroup::setEditing(bool editing) {
    for (int r = 1; r <= 12; ++r) {
        lblWeaponName[static_cast<std::size_t>(r)]->setEnabled(editing);
        chkWeapMode[static_cast<std::size_t>(r)]->setEnabled(editing);
    }
    if (!editing) {
        cmdMoveUp->setEnabled(false);
        cmdMoveDown->setEnabled(false);
    }
}

// ---- Handlers ----

void WeaponGroup::lblWeaponName_Click(int Index) {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Selecting Weapon!"), vbInformation}, [&] {
        if (Index < 1 || Index > 12) throw platform::AppError(platform::kSubscriptOutOfRange);
        for (int r = 1; r <= 12; ++r) setRowColor(r, r == Index ? selectedColor() : unselectedColor());
        cmdMoveUp->setEnabled(Index != 12);
        cmdMoveDown->setEnabled(Index != 1);
    });
}

void WeaponGroup::moveSelection(int from, int to) {
    QLabel* fromLabel = lblWeaponName.at(static_cast<std::size_t>(from));
    QLabel* toLabel = lblWeaponName.at(static_cast<std::size_t>(to));
    QCheckBox* fromBox = chkWeapMode.at(static_cast<std::size_t>(from));
    QCheckBox* toBox = chkWeapMode.at(static_cast<std::size_t>(to));
    const QString caption = toLabel->text();
    toLabel->setText(fromLabel->text());
    fromLabel->setText(caption);
    const int state = checkValue(toBox);
    setCheckValue(toBox, checkValue(fromBox));
    setCheckValue(fromBox, state);
    setRowColor(to, selectedColor());
    setRowColor(from, unselectedColor());
}

void WeaponGroup::cmdMoveUp_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Moving Weapon Priority Up!"), vbInformation}, [&] {
        // Downwards, so that the weapon just raised is not met again: one click, one place.
        for (int r = 11; r >= 1; --r) {
            if (!isSelected(r)) continue;
            if (r == 11)
                cmdMoveUp->setEnabled(false);
            else
                cmdMoveDown->setEnabled(true);
            moveSelection(r, r + 1);
        }
    });
}

void WeaponGroup::cmdMoveDown_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Moving Weapon Priority Down!"), vbInformation}, [&] {
        // Upwards, the mirror of Move Up.
        for (int r = 2; r <= 12; ++r) {
            if (!isSelected(r)) continue;
            if (r == 2)
                cmdMoveDown->setEnabled(false);
            else
                cmdMoveUp->setEnabled(true);
            moveSelection(r, r - 1);
        }
    });
}
