#pragma once
// The client, texture, controller and sound group: client switches, texture detail, mouse or joystick,
// sound switches and the music, effects and announcer volumes.
#include <QObject>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;
class frmMain;

class ClientGroup : public QObject {
    Q_OBJECT
  public:
    // Builds the controls inside frameClientSetup, frameTextures0, frameController and frameSound.
    explicit ClientGroup(frmMain& main);

    void fillLists();  // the seven texture lists

    // Load steps.
    void loadControllerAndClient();  // ControllerKeys, ClientKeys
    void loadTextureDetail();        // TextureDetailKeys
    void loadSound();                // SoundKeys, "MusicVolume", "SoundVolume"
    void loadAnnouncer();            // "AnnouncerVolume" of the player file

    // Save steps.
    void saveController();        // "CaptureMouse", "UseJoystick"
    void saveClientAndTexture();  // ClientKeys, TextureDetailKeys
    void saveSoundAndMusic();     // SoundKeys, "MusicVolume"
    void saveAnnouncer();         // "AnnouncerVolume" into the player file
    void saveSoundVolume();       // "SoundVolume"

    // Reset steps, in the order the close runs them.
    void resetVolumeLabels();  // the three read-outs "NFO"

    void resetVolumeSliders();  // the three sliders to 0

    // Enabled states, set by the load (on) and the close (off).
    void setControllerEnabled(bool enabled);     // the two controller options
    void setVolumeSlidersEnabled(bool enabled);  // music, announcer and effects sliders
    void setChecksEnabled(bool enabled);         // sound and client check boxes
    void setTextureListsEnabled(bool enabled);   // the seven texture lists

    void chkClientSU_Click(int Index);
    // The user moved a volume slider: music and effects show the position / 100, the announcer the position.
    void slideMusic_Scroll();
    void slideEffects_Scroll();
    void slideAnnouncer_Scroll();

    std::array<QCheckBox*, 7> chkClientSU{};
    std::array<QComboBox*, 7> cboTexDetail{};
    std::array<QRadioButton*, 2> optController{};
    std::array<QCheckBox*, 8> chkSoundSetup{};
    QSlider* slideMusic = nullptr;
    QLabel* lblMusic = nullptr;
    QSlider* slideAnnouncer = nullptr;
    QLabel* lblAnnouncer = nullptr;
    QSlider* slideEffects = nullptr;
    QLabel* lblEffects = nullptr;

    // Captions of the other controls of the group.
    std::array<QLabel*, 7> lbTxtDetail{};
    QLabel* lblTxtControllerSU = nullptr;
    QLabel* lblTxtMusic = nullptr;
    QLabel* lblTxtAnnouncer = nullptr;
    QLabel* lblTxtEffects = nullptr;

  private:
    void buildClientAndTextures();
    void buildController();
    void buildSound();

    frmMain& main_;
};
