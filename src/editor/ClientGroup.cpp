#include "editor/ClientGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QString>

#include "config/Startup.h"
#include "editor/Controls.h"
#include "editor/DisplayGroup.h"
#include "editor/frmMain.h"
#include "platform/numbers.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

using namespace groupcontrols;

namespace {

const QString kClientSection = QStringLiteral("WinDrv.WindowsClient");
const QString kSoundSection = QStringLiteral("ALAudio.ALAudioSubsystem");
const QString kPlayerControllerSection = QStringLiteral("Engine.PlayerController");

// List position p of every texture list stands for detail word p.
const QStringList kDetailWords = {QStringLiteral("UltraLow"), QStringLiteral("Lower"), QStringLiteral("Low"),
                                  QStringLiteral("Normal"),   QStringLiteral("High"),  QStringLiteral("Higher"),
                                  QStringLiteral("UltraHigh")};
// The text an unrecognised detail word shows; the save never writes it.
const QString kDetailError = QStringLiteral("Error");

// "Use Dynamic Lighting" and "Use Normal Lighting" stay opposite.
constexpr int kDynamicLighting = 1;
constexpr int kNormalLighting = 6;

const char* const kClientCaptions[7] = {"Screen Flashes", "Use Dynamic Lighting", "Decals", "Coronas", "Foilage",
                                        "Projectors",     "Use Normal Lighting"};
const char* const kClientTooltips[7] = {"Click to Allow Screen Flashes when being attacked.",
                                        "Click to Use Dynamic Lighting",
                                        "Click to See Player Decals (Team Mode)",
                                        "Enables Viewing of Coronas",
                                        "Enables Grass & Bush Like 3d Textures",
                                        "Click to Enable Projectors ",
                                        "Use if Dynamic Ligting is too much for Video Card"};
const char* const kSoundCaptions[8] = {"Use EAX",      "Use 3D Sound",   "Use Default Driver", "Compatibility Mode",
                                       "Use Precache", "Reverse Stereo", "Disable Pitch",      "Use Low Quality Sound"};
const char* const kSoundTooltips[8] = {"Click to Use EAX (EAX Card Required)",
                                       "Click to Use 3D Sounds",
                                       "Click to Use Defaul System Sound Driver",
                                       "Click If you have problems with your sound",
                                       "This will store sounds in cache to help run game faster!",
                                       "Reverse R/L Speaker Sounds",
                                       "Click To Disable Dopler Effect ",
                                       "Click if you have a poor quality sound card"};
const char* const kDetailCaptions[7] = {"Interface Detail", "Terrain Detail", "Weapon Detail",    "Player Detail",
                                        "World Detail",     "Render Detail",  "  LightMap Detail"};

}  // namespace

ClientGroup::ClientGroup(frmMain& main) : main_(main) {
    buildClientAndTextures();
    buildController();
    buildSound();
    for (QWidget* frame : std::initializer_list<QWidget*>{main_.frameClientSetup, main_.frameTextures0,
                                                          main_.frameController, main_.frameSound})
        fitCaptionsIn(frame);
}

void ClientGroup::buildClientAndTextures() {
    // Row 7 of the client frame (top 144) holds the player group's "Weapon Bob ON".
    makeCheckColumn(main_.frameClientSetup, chkClientSU, "chkClientSU", kClientCaptions, kClientTooltips, 8, 18, 165);
    for (int i = 0; i < static_cast<int>(chkClientSU.size()); ++i)
        connect(chkClientSU[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i] { chkClientSU_Click(i); });

    // Two columns: lists 0 to 3 on the left, 4 to 6 on the right, each with its caption to its right.
    QGroupBox* frame = main_.frameTextures0;
    for (int i = 0; i < static_cast<int>(cboTexDetail.size()); ++i) {
        const int left = i < 4 ? 8 : 212;
        const int top = 22 + 32 * (i % 4);
        cboTexDetail[static_cast<std::size_t>(i)] =
            makeList(frame, arrayName("cboTexDetail", i), QStringLiteral("NFO"), {left, top, 96, 22});
        lbTxtDetail[static_cast<std::size_t>(i)] =
            makeLabel(frame, arrayName("lbTxtDetail", i), QString::fromLatin1(kDetailCaptions[i]),
                      {left + 100, top + 2, 100, 18});
    }
}

void ClientGroup::buildController() {
    QGroupBox* frame = main_.frameController;
    lblTxtControllerSU =
        makeLabel(frame, QStringLiteral("lblTxtControllerSU"), QStringLiteral("Controller S/U ::"), {8, 21, 96, 18});
    const char* const captions[2] = {"Use Mouse", "Use Joystick"};
    const char* const tooltips[2] = {"Click to use Mouse as main control.", "Click to use Joystick as main control."};
    const int lefts[2] = {106, 192};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        option->setObjectName(arrayName("optController", i));
        option->setGeometry(lefts[i], 20, i == 0 ? 84 : 92, 20);
        option->setToolTip(QString::fromLatin1(tooltips[i]));
        option->setEnabled(false);
        optController[static_cast<std::size_t>(i)] = option;
    }
    makeOptionGroup(this, {optController.begin(), optController.end()});
}

void ClientGroup::buildSound() {
    QGroupBox* frame = main_.frameSound;
    makeCheckColumn(frame, chkSoundSetup, "chkSoundSetup", kSoundCaptions, kSoundTooltips, 8, 18, 165);
    const SliderRow rows[] = {
        {lblTxtMusic, slideMusic, lblMusic, "lblTxtMusic", "Music ", "slideMusic", "lblMusic", 0, 100, 5, 1, 5, 0,
         "Set Music Voulume", "Music Voulume"},
        {lblTxtAnnouncer, slideAnnouncer, lblAnnouncer, "lblTxtAnnouncer", "Announcer", "slideAnnouncer",
         "lblAnnouncer", 0, 4, 1, 0, 0, 0, "Set Announcer Level", "Announcer Level"},
        {lblTxtEffects, slideEffects, lblEffects, "lblTxtEffects", "Effects", "slideEffects", "lblEffects", 0, 100, 5,
         1, 5, 0, "Set Sound Effect Level", "Sound Effect Level"},
    };
    // The frame is narrow: each caption stands on its own line above its slider and read-out.
    int top = 163;
    for (const SliderRow& row : rows) {
        makeSliderRow(frame, row, QRect(8, top, 100, 15), QRect(8, top + 15, 98, 22), QRect(108, top + 16, 64, 20));
        top += 37;
    }
    connect(slideMusic, &QSlider::actionTriggered, this, [this] { slideMusic_Scroll(); });
    connect(slideAnnouncer, &QSlider::actionTriggered, this, [this] { slideAnnouncer_Scroll(); });
    connect(slideEffects, &QSlider::actionTriggered, this, [this] { slideEffects_Scroll(); });
}

void ClientGroup::fillLists() {
    for (QComboBox* combo : cboTexDetail) fillList(combo, kDetailWords);
}

// ---- Load ----

void ClientGroup::loadControllerAndClient() {
    // Button 1 is set after button 0, so with both keys true "Use Joystick" ends selected; with both false
    // neither is. A value that is no Boolean ends the load.
    for (std::size_t i = 0; i < optController.size(); ++i) {
        const QString value = ReadINI(kClientSection, ControllerKeys[i], QStringLiteral("0"), main_.engineFile());
        optController[i]->setChecked(platform::toBoolean(value.toStdString()));
    }
    // Each box set runs the lighting rule, so "Use Normal Lighting" has the last word. The pair starts cleared, as
    // in a window that never held a file, so that an earlier file's lighting cannot decide this file's.
    for (int box : {kDynamicLighting, kNormalLighting}) {
        const QSignalBlocker blocker(chkClientSU[static_cast<std::size_t>(box)]);
        chkClientSU[static_cast<std::size_t>(box)]->setChecked(false);
    }
    loadChecks(chkClientSU, ClientKeys, kClientSection, QStringLiteral("0"), main_.engineFile());
}

void ClientGroup::loadTextureDetail() {
    for (std::size_t i = 0; i < cboTexDetail.size(); ++i) {
        const QString word = ReadINI(kClientSection, TextureDetailKeys[i], NDF, main_.engineFile());
        const int p = kDetailWords.indexOf(word);
        if (p >= 0)
            selectListPosition(cboTexDetail[i], p);
        else
            showUnlistedText(cboTexDetail[i], kDetailError);
    }
}

void ClientGroup::loadSound() {
    loadChecks(chkSoundSetup, SoundKeys, kSoundSection, QStringLiteral("0"), main_.engineFile());
    showScaledValue(slideMusic, lblMusic,
                    ReadINI(kSoundSection, QStringLiteral("MusicVolume"), QStringLiteral("0"), main_.engineFile()));
    showScaledValue(slideEffects, lblEffects,
                    ReadINI(kSoundSection, QStringLiteral("SoundVolume"), QStringLiteral("0"), main_.engineFile()));
}

void ClientGroup::loadAnnouncer() {
    // The level is a whole number, unscaled: a decimal level takes the nearest, halves to the even neighbour
    // (2.5 gives 2); a level above 4, however large, is held at 4. The read-out keeps the file's text.
    const QString level =
        ReadINI(kPlayerControllerSection, QStringLiteral("AnnouncerVolume"), QStringLiteral("0"), main_.playerFile());
    slideAnnouncer->setValue(positionWithin(slideAnnouncer, platform::toNumber(level.toStdString())));
    lblAnnouncer->setText(level);
}

// ---- Save ----

void ClientGroup::saveController() {
    // With neither button selected (both keys false or missing in the file) the file keeps what it has: writing the
    // pair would turn the joystick on.
    if (!optController[0]->isChecked() && !optController[1]->isChecked()) return;
    const bool mouse = optController[0]->isChecked();
    WriteINI(kClientSection, QStringLiteral("CaptureMouse"), boolText(mouse), main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("UseJoystick"), boolText(!mouse), main_.engineFile());
}

void ClientGroup::saveClientAndTexture() {
    saveChecks(chkClientSU, ClientKeys, kClientSection, main_.engineFile());
    // An unrecognised word shows "Error" and is not written, so the file keeps its own (or stays without it).
    for (std::size_t i = 0; i < cboTexDetail.size(); ++i) {
        const QString text = cboTexDetail[i]->currentText();
        if (text != kDetailError) WriteINI(kClientSection, TextureDetailKeys[i], text, main_.engineFile());
    }
}

void ClientGroup::saveSoundAndMusic() {
    saveChecks(chkSoundSetup, SoundKeys, kSoundSection, main_.engineFile());
    WriteINI(kSoundSection, QStringLiteral("MusicVolume"), lblMusic->text(), main_.engineFile());
}

void ClientGroup::saveAnnouncer() {
    WriteINI(kPlayerControllerSection, QStringLiteral("AnnouncerVolume"), lblAnnouncer->text(), main_.playerFile());
}

void ClientGroup::saveSoundVolume() {
    WriteINI(kSoundSection, QStringLiteral("SoundVolume"), lblEffects->text(), main_.engineFile());
}

// ---- Reset ----

void ClientGroup::resetVolumeLabels() {
    for (QLabel* label : {lblMusic, lblAnnouncer, lblEffects}) label->setText(QStringLiteral("NFO"));
}

void ClientGroup::resetVolumeSliders() {
    for (QSlider* slider : {slideMusic, slideAnnouncer, slideEffects}) slider->setValue(0);
}

// ---- Enabled states ----

void ClientGroup::setControllerEnabled(bool enabled) {
    setEnabledAll(optController, enabled);
}

void ClientGroup::setVolumeSlidersEnabled(bool enabled) {
    setEnabledAll(std::initializer_list<QWidget*>{slideMusic, slideAnnouncer, slideEffects}, enabled);
}

void ClientGroup::setChecksEnabled(bool enabled) {
    setEnabledAll(chkSoundSetup, enabled);
    setEnabledAll(chkClientSU, enabled);
}

void ClientGroup::setTextureListsEnabled(bool enabled) {
    setEnabledAll(cboTexDetail, enabled);
}

// ---- Handlers ----

// No input can make this handler fail today; its message stays for an error a later change may bring.
void ClientGroup::chkClientSU_Click(int Index) {
    runHandler(
        {QStringLiteral(" - "), QStringLiteral(" While Setting Up Lighting in the UT2003.ini File!"), vbInformation},
        [&] {
            // Each change sets the other box to the opposite; the other box's own change then finds this one
            // already opposite, so the pair settles at once.
            const std::size_t changed = static_cast<std::size_t>(Index);
            if (Index == kDynamicLighting)
                chkClientSU[kNormalLighting]->setChecked(!chkClientSU[changed]->isChecked());
            else if (Index == kNormalLighting)
                chkClientSU[kDynamicLighting]->setChecked(!chkClientSU[changed]->isChecked());
        });
}

void ClientGroup::slideMusic_Scroll() {
    lblMusic->setText(hundredths(slideMusic->sliderPosition()));
}

void ClientGroup::slideEffects_Scroll() {
    lblEffects->setText(hundredths(slideEffects->sliderPosition()));
}

void ClientGroup::slideAnnouncer_Scroll() {
    lblAnnouncer->setText(QString::fromStdString(platform::decimalText(slideAnnouncer->sliderPosition())));
}
