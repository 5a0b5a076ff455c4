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
#include "editor/GroupControls.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

using namespace editor;

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

ClientGroup::Frames ClientGroup::buildFrames(QWidget* playerPage, QWidget* settingsPage, int pageGrowth) {
    Frames frames{};
    frames.controller = makeFrame(playerPage, QStringLiteral("frameController"), QStringLiteral("Controller Setup"),
                                  QRect(144, 234, 290 + pageGrowth, 46));
    frames.textures = makeFrame(settingsPage, QStringLiteral("frameTextures(0)"), QStringLiteral("Texture Setup"),
                                QRect(4, 304, 426, 155));
    frames.clientSetup = makeFrame(settingsPage, QStringLiteral("frameClientSetup"), QStringLiteral("Client Setup"),
                                   QRect(606, 4, 179, 170), QStringLiteral("Client Screen Setup"));
    frames.sound =
        makeFrame(settingsPage, QStringLiteral("frameSound"), QStringLiteral("Sound Setup"), QRect(606, 178, 179, 281));
    return frames;
}

ClientGroup::ClientGroup(const Frames& frames, GameFiles files) : keys_(std::move(files)) {
    buildClientAndTextures(frames);
    buildController(frames.controller);
    buildSound(frames.sound);
    for (QWidget* frame :
         std::initializer_list<QWidget*>{frames.clientSetup, frames.textures, frames.controller, frames.sound})
        fitCaptionsIn(frame);
    bindKeys();
}

void ClientGroup::buildClientAndTextures(const Frames& frames) {
    // Row 7 of the client frame (top 144) holds the player group's "Weapon Bob ON".
    makeCheckColumn(frames.clientSetup, chkClientSU, "chkClientSU", kClientCaptions, kClientTooltips, 8, 18, 165);
    for (int i = 0; i < static_cast<int>(chkClientSU.size()); ++i)
        connect(chkClientSU[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i] { chkClientSU_Click(i); });

    // Two columns: lists 0 to 3 on the left, 4 to 6 on the right, each with its caption to its right.
    QGroupBox* frame = frames.textures;
    for (int i = 0; i < static_cast<int>(cboTexDetail.size()); ++i) {
        const int left = i < 4 ? 8 : 212;
        const int top = 22 + 32 * (i % 4);
        cboTexDetail[static_cast<std::size_t>(i)] =
            makeList(frame, arrayName("cboTexDetail", i), kNFO, {left, top, 96, 22});
        makeLabel(frame, arrayName("lbTxtDetail", i), QString::fromLatin1(kDetailCaptions[i]),
                  {left + 100, top + 2, 100, 18});
    }
}

void ClientGroup::buildController(QGroupBox* frame) {
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

void ClientGroup::buildSound(QGroupBox* frame) {
    makeCheckColumn(frame, chkSoundSetup, "chkSoundSetup", kSoundCaptions, kSoundTooltips, 8, 18, 165);
    QLabel* lblTxtMusic = nullptr;
    QLabel* lblTxtAnnouncer = nullptr;
    QLabel* lblTxtEffects = nullptr;
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

// ---- Keys ----

void ClientGroup::bindKeys() {
    const GameFile file = GameFile::Engine;
    // Button 1 is set after button 0, so with both keys true "Use Joystick" ends selected; with both false
    // neither is. A value that is no Boolean ends the load. With neither button selected the save leaves both
    // keys as the file has them: writing the pair would turn the joystick on.
    controller_.clear();
    for (std::size_t i = 0; i < optController.size(); ++i) {
        QRadioButton* option = optController[i];
        const bool mouse = i == 0;
        controller_.push_back(
            {file,
             kClientSection,
             ControllerKeys[i],
             QStringLiteral("0"),
             {[option](const QString& value) { option->setChecked(platform::toBoolean(value.toStdString())); },
              [this, mouse]() -> std::optional<QString> {
                  if (!optController[0]->isChecked() && !optController[1]->isChecked()) return std::nullopt;
                  return boolText(optController[0]->isChecked() == mouse);
              }}});
    }
    client_ = checkBoxRows(file, kClientSection, ClientKeys, chkClientSU, QStringLiteral("0"));
    // An unrecognised word shows "Error" and is not written, so the file keeps its own (or stays without it).
    textures_.clear();
    for (std::size_t i = 0; i < cboTexDetail.size(); ++i) {
        QComboBox* list = cboTexDetail[i];
        textures_.push_back({file,
                             kClientSection,
                             TextureDetailKeys[i],
                             NDF,
                             {[list](const QString& word) {
                                  const int p = kDetailWords.indexOf(word);
                                  if (p >= 0)
                                      selectListPosition(list, p);
                                  else
                                      showUnlistedText(list, kDetailError);
                              },
                              [list]() -> std::optional<QString> {
                                  const QString text = list->currentText();
                                  if (text == kDetailError) return std::nullopt;
                                  return text;
                              }}});
    }
    sound_ = checkBoxRows(file, kSoundSection, SoundKeys, chkSoundSetup, QStringLiteral("0"));
    music_ = {file, kSoundSection, QStringLiteral("MusicVolume"), QStringLiteral("0"),
              scaledSlider(slideMusic, lblMusic)};
    effects_ = {file, kSoundSection, QStringLiteral("SoundVolume"), QStringLiteral("0"),
                scaledSlider(slideEffects, lblEffects)};
    // The level is a whole number, unscaled: a decimal level takes the nearest, halves to the even neighbour
    // (2.5 gives 2); a level above 4, however large, is held at 4. The read-out keeps the file's text.
    announcer_ = {
        GameFile::Player,
        kPlayerControllerSection,
        QStringLiteral("AnnouncerVolume"),
        QStringLiteral("0"),
        {[this](const QString& level) {
             slideAnnouncer->setValue(positionWithin(slideAnnouncer, platform::toNumber(level.toStdString())));
             lblAnnouncer->setText(level);
         },
         [this] { return std::optional(lblAnnouncer->text()); }}};
}

// ---- Load ----

void ClientGroup::loadControllerAndClient() {
    keys_.load(controller_);
    // Each box set runs the lighting rule, so "Use Normal Lighting" has the last word. The pair starts cleared, as
    // in a window that never held a file, so that an earlier file's lighting cannot decide this file's.
    for (int box : {kDynamicLighting, kNormalLighting}) {
        const QSignalBlocker blocker(chkClientSU[static_cast<std::size_t>(box)]);
        chkClientSU[static_cast<std::size_t>(box)]->setChecked(false);
    }
    keys_.load(client_);
}

void ClientGroup::loadTextureDetail() {
    keys_.load(textures_);
}

void ClientGroup::loadSound() {
    keys_.load(sound_, music_, effects_);
}

void ClientGroup::loadAnnouncer() {
    keys_.load(announcer_);
}

// ---- Save ----

void ClientGroup::saveController() {
    keys_.save(controller_);
}

void ClientGroup::saveClientAndTexture() {
    keys_.save(client_, textures_);
}

void ClientGroup::saveSoundAndMusic() {
    keys_.save(sound_, music_);
}

void ClientGroup::saveAnnouncer() {
    keys_.save(announcer_);
}

void ClientGroup::saveSoundVolume() {
    keys_.save(effects_);
}

// ---- Reset ----

void ClientGroup::resetVolumeLabels() {
    for (QLabel* label : {lblMusic, lblAnnouncer, lblEffects}) label->setText(kNFO);
}

void ClientGroup::resetVolumeSliders() {
    for (QSlider* slider : {slideMusic, slideAnnouncer, slideEffects}) slider->setValue(0);
}

// ---- Editing ----

void ClientGroup::setEditing(bool editing) {
    setEnabledAll(optController, editing);
    setEnabledAll(std::initializer_list<QWidget*>{slideMusic, slideAnnouncer, slideEffects}, editing);
    setEnabledAll(chkSoundSetup, editing);
    setEnabledAll(chkClientSU, editing);
    setEnabledAll(cboTexDetail, editing);
}

// ---- Handlers ----

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
    lblAnnouncer->setText(decimal(slideAnnouncer->sliderPosition()));
}
