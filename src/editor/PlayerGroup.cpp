#include "editor/PlayerGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <algorithm>

#include "config/Startup.h"
#include "editor/Characters.h"
#include "editor/Controls.h"
#include "editor/HudGroup.h"
#include "editor/Pictures.h"
#include "editor/frmMain.h"
#include "platform/numbers.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

const QString kDefaultPlayer = QStringLiteral("DefaultPlayer");
const QString kPlayerController = QStringLiteral("Engine.PlayerController");
const QString kPawn = QStringLiteral("Engine.Pawn");
const QString kNoFileOpen = QStringLiteral("NO File Open");
const QString kSelectCharacter = QStringLiteral("Select Desired Character");
const QString kNoImage = QStringLiteral("no_image.jpg");

// A label that shows a file's value: the text exactly as read, never taken for markup.
QLabel* borderedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

}  // namespace

PlayerGroup::PlayerGroup(frmMain& main) : main_(main) {
    QWidget* tab = main.tabPages[0];
    pctPlayer =
        place(new QLabel(tab), QStringLiteral("pctPlayer"), QRect(8, 8, 128, 160), QStringLiteral("Player Image"));
    const QString placeholder = joinPath(programFolder(), QStringLiteral("players/placeholder.jpg"));
    if (QFileInfo(placeholder).isFile()) {
        try {
            showPortrait(placeholder);
        } catch (const std::exception&) {
            // A damaged placeholder leaves the box empty; the window opens all the same.
        }
    }

    // Player Information: one row per setting, the captions on the left and their controls on the right.
    QGroupBox* frame = main.framePlayer;
    const char* captions[] = {"Player Name   ::",  "Character        ::", "Team Color     ::",
                              "Stats Name     ::", "Stats PW        ::",  "Default FOV    ::"};
    const int rowTop[] = {20, 48, 104, 132, 160, 188};
    std::array<QLabel*, 6> captionLabels{};
    int labelWidth = 0;
    for (std::size_t i = 0; i < captionLabels.size(); ++i) {
        captionLabels[i] = new QLabel(QString::fromLatin1(captions[i]), frame);
        captionLabels[i]->setObjectName(arrayName("lblPlayerCaption", static_cast<int>(i)));
        labelWidth = std::max(labelWidth, captionSize(captionLabels[i]).width());
    }
    for (std::size_t i = 0; i < captionLabels.size(); ++i)
        captionLabels[i]->setGeometry(8, rowTop[i] + 2, labelWidth, 18);
    // The controls fill the rest of each row.
    const int left = 8 + labelWidth + 6, width = frame->width() - left - 8;
    txtPlayerName = place(new QLineEdit(kNoFileOpen, frame), QStringLiteral("txtPlayerName"),
                          QRect(left, rowTop[0], width, 22), QStringLiteral("Current Players Name"));
    lblCharacterName = place(borderedLabel(kNoFileOpen, frame), QStringLiteral("lblCharacterName"),
                             QRect(left, rowTop[1], width, 22), QStringLiteral("Current Or Selected Character"));
    // The picker has a row of its own below the character's name and spans the frame.
    cboCharSelect = makeList(frame, QStringLiteral("cboCharSelect"), kSelectCharacter,
                             QRect(8, rowTop[1] + 28, frame->width() - 16, 24), QStringLiteral("Character Selector"));
    optRed = place(new QRadioButton(QStringLiteral("Red"), frame), QStringLiteral("optRed"),
                   QRect(left, rowTop[2], 80, 22), QStringLiteral("Click to Set Red Team As Default"));
    optBlue = place(new QRadioButton(QStringLiteral("Blue"), frame), QStringLiteral("optBlue"),
                    QRect(left + 90, rowTop[2], 80, 22), QStringLiteral("Click to Set Blue Team As Default"));
    txtStatsName = place(new QLineEdit(kNoFileOpen, frame), QStringLiteral("txtStatsName"),
                         QRect(left, rowTop[3], width, 22), QStringLiteral("Stats User Name"));
    // The mask character is set before the box joins the frame: under the frame's style sheet a sheet set
    // later on the box itself no longer changes the character it masks with.
    auto* password = new QLineEdit;
    password->setEchoMode(QLineEdit::Password);
    password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    password->setParent(frame);
    // The style sheet fixed the box's font when it had no parent yet (the application's); it takes the window's.
    password->setFont(frame->font());
    txtStatsPW = place(password, QStringLiteral("txtStatsPW"), QRect(left, rowTop[4], width, 22),
                       QStringLiteral("Online Stats  Password"));
    lblFOV = place(borderedLabel(QStringLiteral("NFO"), frame), QStringLiteral("lblFOV"),
                   QRect(left, rowTop[5], 76, 22), QStringLiteral("Field of View Value"));
    lblFOV->setAlignment(Qt::AlignCenter);
    cmdAdd5 = place(new QPushButton(QStringLiteral("+"), frame), QStringLiteral("cmdAdd5"),
                    QRect(left + 82, rowTop[5], 26, 22), QStringLiteral("Click to Increase FOV >"));
    cmdSub5 = place(new QPushButton(QStringLiteral("-"), frame), QStringLiteral("cmdSub5"),
                    QRect(left + 112, rowTop[5], 26, 22), QStringLiteral("Click to Decrease FOV >"));
    for (QWidget* control : std::initializer_list<QWidget*>{optRed, optBlue, cmdAdd5, cmdSub5})
        control->setEnabled(false);

    // The two team options may both be clear (before the first load).
    groupcontrols::makeOptionGroup(this, {optRed, optBlue});

    const char* switchCaptions[] = {"Never Switch On Pickup", "No Voice Messages", "No Voice Taunts",
                                    "No Auto Taunts",         "Auto Taunt",        "No Mature Language"};
    const char* switchTips[] = {"Click To Not Switch to Higer Priority Items On Pickup",
                                "Click to Cut out Voice Messages (IE. Team Comms & Voice)",
                                "Click to Turn off Voice Taunts",
                                "Click to Mute out Auto Taunt Servers & Players",
                                "Click to Automaticly Taunt When You Kill Your Opponents",
                                "Click to Filter out Mature Language During Game Play"};
    for (int i = 0; i < 6; ++i) {
        QGroupBox* parent = i == 0 ? main.framePlayerSetup : main.frameHudSettings;
        QRect rect(tw(120), tw(3165), tw(2295), tw(255));
        if (i == 1) rect = QRect(HudGroup::columnLeft(parent, 1), 72, 150, 18);
        if (i >= 2) rect = QRect(HudGroup::columnLeft(parent, 2), 18 + 18 * (i - 2), 150, 18);
        auto* box = place(new QCheckBox(QString::fromLatin1(switchCaptions[i]), parent),
                          arrayName("chkPlayerControls", i), rect, QString::fromLatin1(switchTips[i]));
        box->setEnabled(i == 0);
        fitCaption(box);
        chkPlayerControls[static_cast<std::size_t>(i)] = box;
    }
    chkWeaponBob =
        place(new QCheckBox(QStringLiteral("Weapon Bob ON"), main.frameClientSetup), QStringLiteral("chkWeaponBob"),
              QRect(8, 144, 165, 18), QStringLiteral("Click to Bob while running in the game."));
    chkWeaponBob->setEnabled(false);

    connect(cboCharSelect, &QComboBox::currentIndexChanged, this, [this] { cboCharSelect_Click(); });
    connect(cmdAdd5, &QPushButton::clicked, this, [this] { cmdAdd5_Click(); });
    connect(cmdSub5, &QPushButton::clicked, this, [this] { cmdSub5_Click(); });
}

void PlayerGroup::showPortrait(const QString& file) {
    LoadPicture(pctPlayer, file);
    pctPlayer->adjustSize();
}

void PlayerGroup::fillLists() {
    cboCharSelect->setEnabled(false);
    // Filling the list is no pick: Qt would select the first item added to an empty list.
    const QSignalBlocker blocker(cboCharSelect);
    for (const QString& name : characterNames()) cboCharSelect->addItem(name);
    cboCharSelect->setCurrentIndex(-1);
    cboCharSelect->setEditText(kSelectCharacter);
}

// ---- Load ----

void PlayerGroup::loadNameAndCharacter() {
    txtPlayerName->setText(
        ReadINI(kDefaultPlayer, QStringLiteral("Name"), QStringLiteral("Player"), main_.playerFile()));
    lblCharacterName->setText(
        ReadINI(kDefaultPlayer, QStringLiteral("Character"), QStringLiteral("Gorge"), main_.playerFile()));
    // Only an exact match of a list entry has a portrait; anything else, even in another letter case, is shown
    // as read with the picture of an unknown character.
    const auto& names = characterNames();
    const auto match = std::find(names.begin(), names.end(), lblCharacterName->text());
    showPortrait(PlayerPicPath + (match == names.end() ? kNoImage : portraitFile(*match)));
    cboCharSelect->setEnabled(true);
}

void PlayerGroup::loadTeam() {
    const bool red =
        ReadINI(kDefaultPlayer, QStringLiteral("team"), QStringLiteral("0"), main_.playerFile()) == QLatin1String("0");
    (red ? optRed : optBlue)->setChecked(true);
}

void PlayerGroup::loadPlayerController() {
    loadChecks(chkPlayerControls, PlayerControlKeys, kPlayerController, QStringLiteral("0"), main_.playerFile(), true);
    const QString fov = ReadINI(kPlayerController, QStringLiteral("DefaultFOV"), NDF, main_.playerFile());
    lblFOV->setText(fov == NDF ? QStringLiteral("85") : fov);
    const QString name = ReadINI(kPlayerController, QStringLiteral("StatsUsername"), NoDataFound, main_.playerFile());
    txtStatsName->setText(name == NoDataFound ? QString() : name);
    const QString password = ReadINI(kPlayerController, QStringLiteral("StatsPassword"), NDF, main_.playerFile());
    txtStatsPW->setText(password == NDF ? QString() : password);
}

void PlayerGroup::loadWeaponBob() {
    loadChecks(std::array<QCheckBox*, 1>{chkWeaponBob}, std::array<QString, 1>{QStringLiteral("bWeaponBob")}, kPawn,
               QStringLiteral("0"), main_.playerFile());
}

// ---- Save ----

void PlayerGroup::saveDefaultPlayer() {
    WriteINI(kDefaultPlayer, QStringLiteral("Name"), txtPlayerName->text(), main_.playerFile());
    WriteINI(kDefaultPlayer, QStringLiteral("Character"), lblCharacterName->text(), main_.playerFile());
    WriteINI(kDefaultPlayer, QStringLiteral("team"), optRed->isChecked() ? QStringLiteral("0") : QStringLiteral("255"),
             main_.playerFile());
}

void PlayerGroup::saveStatsUsername() {
    WriteINI(kPlayerController, QStringLiteral("StatsUsername"), txtStatsName->text(), main_.playerFile());
}

void PlayerGroup::savePasswordFovAndSwitches() {
    WriteINI(kPlayerController, QStringLiteral("StatsPassword"), txtStatsPW->text(), main_.playerFile());
    WriteINI(kPlayerController, QStringLiteral("DefaultFOV"), lblFOV->text(), main_.playerFile());
    saveChecks(chkPlayerControls, PlayerControlKeys, kPlayerController, main_.playerFile());
}

void PlayerGroup::saveWeaponBob() {
    saveChecks(std::array<QCheckBox*, 1>{chkWeaponBob}, std::array<QString, 1>{QStringLiteral("bWeaponBob")}, kPawn,
               main_.playerFile());
}

// ---- Reset ----

void PlayerGroup::resetCharacterLabel() {
    lblCharacterName->setText(kNoFileOpen);
}

void PlayerGroup::resetTextBoxesAndList() {
    for (QLineEdit* box : {txtPlayerName, txtStatsName, txtStatsPW}) box->setText(kNoFileOpen);
    {
        // Clearing the selection is no pick: the close shows its own portrait later.
        const QSignalBlocker blocker(cboCharSelect);
        cboCharSelect->setCurrentIndex(-1);
        cboCharSelect->setEditText(kSelectCharacter);
    }
    cboCharSelect->setEnabled(false);
}

void PlayerGroup::resetPortrait() {
    showPortrait(PlayerPicPath + kNoImage);
}

void PlayerGroup::resetFov() {
    lblFOV->setText(QStringLiteral("NFO"));
}

void PlayerGroup::resetSwitches() {
    for (QCheckBox* box : chkPlayerControls) box->setChecked(false);
}

// ---- Enabled states ----

void PlayerGroup::setTeamFovAndBobEnabled(bool enabled) {
    setEnabledAll(std::initializer_list<QWidget*>{optRed, optBlue, cmdAdd5, cmdSub5, chkWeaponBob}, enabled);
}

void PlayerGroup::setSwitchesEnabled(bool enabled) {
    setEnabledAll(chkPlayerControls, enabled);
}

// ---- Handlers ----

void PlayerGroup::cboCharSelect_Click() {
    runHandler({QStringLiteral(" - "),
                QStringLiteral(" While Trying To Select Character! If your Trying To Use Malcom, Brock, or "
                               "Lauren \rMake Sure You Have Them Unlocked. Information On how to add them "
                               "is in the 'ReadMe.txt' and 'InstallNotes.txt' Files!"),
                vbInformation},
               [&] {
                   const int index = cboCharSelect->currentIndex();
                   if (index < 0 || index >= static_cast<int>(characterNames().size())) {
                       showPortrait(PlayerPicPath + kNoImage);
                       return;
                   }
                   // The portrait first: a character whose picture cannot be shown is not taken.
                   showPortrait(PlayerPicPath + portraitFile(characterNames()[static_cast<std::size_t>(index)]));
                   lblCharacterName->setText(characterNames()[static_cast<std::size_t>(index)]);
               });
}

void PlayerGroup::stepFov(double delta, const QString& tail) {
    runHandler({QStringLiteral(" - "), tail, vbInformation}, [&] {
        const double value = platform::toNumber(lblFOV->text().toStdString());
        // The test is made on the value before the step; nothing clamps after it.
        const bool allowed = delta > 0 ? value < 100 : value > 75;
        if (allowed) lblFOV->setText(QString::fromStdString(platform::shortestText(value + delta)));
    });
}

void PlayerGroup::cmdAdd5_Click() {
    stepFov(5, QStringLiteral(" While adding 5 To Default FOV!"));
}

void PlayerGroup::cmdSub5_Click() {
    stepFov(-5, QStringLiteral(" While Subtracting 5 From Default FOV!"));
}
