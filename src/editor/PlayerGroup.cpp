#include "editor/PlayerGroup.h"

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
#include "editor/GroupControls.h"
#include "editor/Pictures.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

using namespace editor;

namespace {

const QString kDefaultPlayer = QStringLiteral("DefaultPlayer");
const QString kPlayerController = QStringLiteral("Engine.PlayerController");
const QString kPawn = QStringLiteral("Engine.Pawn");
const QString kSelectCharacter = QStringLiteral("Select Desired Character");
const QString kNoImage = QStringLiteral("no_image.jpg");

}  // namespace

QGroupBox* PlayerGroup::buildFrame(QWidget* page, int pageGrowth) {
    return makeFrame(page, QStringLiteral("framePlayer"), QStringLiteral("Player Information"),
                     QRect(144, 4, 290 + pageGrowth, 226));
}

PlayerGroup::PlayerGroup(QWidget* page, const Frames& frames, GameFiles files) : keys_(std::move(files)) {
    buildControls(page, frames);
    bindKeys();
    connect(cboCharSelect, &QComboBox::currentIndexChanged, this, [this] { cboCharSelect_Click(); });
    connect(cmdAdd5, &QPushButton::clicked, this, [this] { cmdAdd5_Click(); });
    connect(cmdSub5, &QPushButton::clicked, this, [this] { cmdSub5_Click(); });
}

void PlayerGroup::buildControls(QWidget* page, const Frames& frames) {
    pctPlayer =
        place(new QLabel(page), QStringLiteral("pctPlayer"), QRect(8, 8, 128, 160), QStringLiteral("Player Image"));
    const QString placeholder = joinPath(programFolder(), QStringLiteral("players/placeholder.jpg"));
    if (QFileInfo(placeholder).isFile()) {
        try {
            showPortrait(placeholder);
        } catch (const std::exception&) {
            // A damaged placeholder leaves the box empty; the window opens all the same.
        }
    }

    // Player Information: one row per setting, the captions on the left and their controls on the right.
    QGroupBox* frame = frames.player;
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
    lblCharacterName =
        makeValueLabel(frame, QStringLiteral("lblCharacterName"), kNoFileOpen, QRect(left, rowTop[1], width, 22),
                       QStringLiteral("Current Or Selected Character"));
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
    lblFOV = makeValueLabel(frame, QStringLiteral("lblFOV"), kNFO, QRect(left, rowTop[5], 76, 22),
                            QStringLiteral("Field of View Value"));
    lblFOV->setAlignment(Qt::AlignCenter);
    cmdAdd5 = place(new QPushButton(QStringLiteral("+"), frame), QStringLiteral("cmdAdd5"),
                    QRect(left + 82, rowTop[5], 26, 22), QStringLiteral("Click to Increase FOV >"));
    cmdSub5 = place(new QPushButton(QStringLiteral("-"), frame), QStringLiteral("cmdSub5"),
                    QRect(left + 112, rowTop[5], 26, 22), QStringLiteral("Click to Decrease FOV >"));
    for (QWidget* control : std::initializer_list<QWidget*>{optRed, optBlue, cmdAdd5, cmdSub5})
        control->setEnabled(false);

    // The two team options may both be clear (before the first load).
    makeOptionGroup(this, {optRed, optBlue});

    // "Never Switch On Pickup" stands under the weapon list and is on before any file is loaded; the other five
    // stand in the HUD frame's columns 1 and 2.
    const char* switchCaptions[] = {"Never Switch On Pickup", "No Voice Messages", "No Voice Taunts",
                                    "No Auto Taunts",         "Auto Taunt",        "No Mature Language"};
    const char* switchTips[] = {"Click To Not Switch to Higer Priority Items On Pickup",
                                "Click to Cut out Voice Messages (IE. Team Comms & Voice)",
                                "Click to Turn off Voice Taunts",
                                "Click to Mute out Auto Taunt Servers & Players",
                                "Click to Automaticly Taunt When You Kill Your Opponents",
                                "Click to Filter out Mature Language During Game Play"};
    for (int i = 0; i < 6; ++i) {
        QGroupBox* parent = i == 0 ? frames.weaponSetup : frames.hud;
        QRect rect(tw(120), tw(3165), tw(2295), tw(255));
        if (i == 1) rect = QRect(hudColumnLeft(parent, 1), 72, 150, 18);
        if (i >= 2) rect = QRect(hudColumnLeft(parent, 2), 18 + 18 * (i - 2), 150, 18);
        auto* box = place(new QCheckBox(QString::fromLatin1(switchCaptions[i]), parent),
                          arrayName("chkPlayerControls", i), rect, QString::fromLatin1(switchTips[i]));
        box->setEnabled(i == 0);
        fitCaption(box);
        chkPlayerControls[static_cast<std::size_t>(i)] = box;
    }
    chkWeaponBob =
        place(new QCheckBox(QStringLiteral("Weapon Bob ON"), frames.clientSetup), QStringLiteral("chkWeaponBob"),
              QRect(8, 144, 165, 18), QStringLiteral("Click to Bob while running in the game."));
    chkWeaponBob->setEnabled(false);
}

void PlayerGroup::bindKeys() {
    name_ = {GameFile::Player, kDefaultPlayer, QStringLiteral("Name"), QStringLiteral("Player"), text(txtPlayerName)};
    // Only an exact match of a list entry has a portrait; anything else, even in another letter case, is shown
    // as read with the picture of an unknown character.
    character_ = {GameFile::Player,
                  kDefaultPlayer,
                  QStringLiteral("Character"),
                  QStringLiteral("Gorge"),
                  {[this](const QString& value) {
                       lblCharacterName->setText(value);
                       const auto& names = characterNames();
                       const auto match = std::find(names.begin(), names.end(), value);
                       showPortrait(PlayerPicPath + (match == names.end() ? kNoImage : portraitFile(*match)));
                   },
                   [this] { return std::optional(lblCharacterName->text()); }}};
    // "0" is the red team; any other value shows blue, and a save writes blue as "255".
    team_ = {GameFile::Player,
             kDefaultPlayer,
             QStringLiteral("team"),
             QStringLiteral("0"),
             {[this](const QString& value) { (value == QLatin1String("0") ? optRed : optBlue)->setChecked(true); },
              [this] { return std::optional(optRed->isChecked() ? QStringLiteral("0") : QStringLiteral("255")); }}};
    switches_ = checkBoxRows(GameFile::Player, kPlayerController, PlayerControlKeys, chkPlayerControls,
                             QStringLiteral("0"), TrueText::OrLower);
    // A missing field of view shows the game's 85; a missing login shows empty boxes.
    fov_ = {GameFile::Player, kPlayerController, QStringLiteral("DefaultFOV"), NDF,
            text(lblFOV, NDF, QStringLiteral("85"))};
    statsName_ = {GameFile::Player, kPlayerController, QStringLiteral("StatsUsername"), NoDataFound,
                  text(txtStatsName, NoDataFound, QString())};
    statsPassword_ = {GameFile::Player, kPlayerController, QStringLiteral("StatsPassword"), NDF,
                      text(txtStatsPW, NDF, QString())};
    weaponBob_ = {GameFile::Player, kPawn, QStringLiteral("bWeaponBob"), QStringLiteral("0"), checkBox(chkWeaponBob)};
}

void PlayerGroup::showPortrait(const QString& file) {
    LoadPicture(pctPlayer, file);
    pctPlayer->adjustSize();
}

void PlayerGroup::fillLists() {
    fillList(cboCharSelect, {characterNames().begin(), characterNames().end()});
}

// ---- Load ----

void PlayerGroup::loadNameAndCharacter() {
    keys_.load(name_, character_);
    cboCharSelect->setEnabled(true);
}

void PlayerGroup::loadTeam() {
    keys_.load(team_);
}

void PlayerGroup::loadPlayerController() {
    keys_.load(switches_, fov_, statsName_, statsPassword_);
}

void PlayerGroup::loadWeaponBob() {
    keys_.load(weaponBob_);
}

// ---- Save ----

void PlayerGroup::saveDefaultPlayer() {
    keys_.save(name_, character_, team_);
}

void PlayerGroup::saveStatsUsername() {
    keys_.save(statsName_);
}

void PlayerGroup::savePasswordFovAndSwitches() {
    keys_.save(statsPassword_, fov_, switches_);
}

void PlayerGroup::saveWeaponBob() {
    keys_.save(weaponBob_);
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
    lblFOV->setText(kNFO);
}

void PlayerGroup::resetSwitches() {
    for (QCheckBox* box : chkPlayerControls) box->setChecked(false);
}

// ---- Editing ----

void PlayerGroup::setEditing(bool editing) {
    setEnabledAll(std::initializer_list<QWidget*>{optRed, optBlue, cmdAdd5, cmdSub5, chkWeaponBob}, editing);
    setEnabledAll(chkPlayerControls, editing);
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
