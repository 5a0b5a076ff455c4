#pragma once
// The client, texture, controller and sound group: client switches, texture detail, mouse or joystick,
// sound switches and the music, effects and announcer volumes.
#include <QObject>
#include <array>
#include <vector>

#include "editor/KeyBinding.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QWidget;

class ClientGroup : public QObject {
    Q_OBJECT
  public:
    // The group's frames: one on the "Player Settings" tab, three on the "UT2003 Settings" tab.
    struct Frames {
        QGroupBox* controller;   // "Controller Setup", below the player's frame
        QGroupBox* textures;     // "Texture Setup"
        QGroupBox* clientSetup;  // "Client Setup": the player group's "Weapon Bob ON" stands in it too
        QGroupBox* sound;        // "Sound Setup"
    };
    // Builds the frames at their design places, the controller frame as wide as the player page has grown; the
    // main window then arranges the columns of the settings tab.
    static Frames buildFrames(QWidget* playerPage, QWidget* settingsPage, int pageGrowth);
    // Builds the controls inside the frames and fits the frames to their captions.
    ClientGroup(const Frames& frames, editor::GameFiles files);

    void fillLists();  // the seven texture lists

    // Load steps.
    void loadControllerAndClient();  // ControllerKeys, ClientKeys
    void loadTextureDetail();        // TextureDetailKeys
    void loadSound();                // SoundKeys, "MusicVolume", "SoundVolume"
    void loadAnnouncer();            // "AnnouncerVolume" of the player file

    // Save steps.
    void saveController();        // ControllerKeys
    void saveClientAndTexture();  // ClientKeys, TextureDetailKeys
    void saveSoundAndMusic();     // SoundKeys, "MusicVolume"
    void saveAnnouncer();         // "AnnouncerVolume" into the player file
    void saveSoundVolume();       // "SoundVolume"

    // Reset steps, in the order the close runs them.
    void resetVolumeLabels();   // the three read-outs "NFO"
    void resetVolumeSliders();  // the three sliders to 0

    // The controller options, the three volume sliders, the sound and client boxes and the texture lists: on
    // after a load, off after a close.
    void setEditing(bool editing);

  private:
    void buildClientAndTextures(const Frames& frames);
    void buildController(QGroupBox* frame);
    void buildSound(QGroupBox* frame);
    void bindKeys();

    // Handlers.
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

    // The keys, each bound once; the steps name them in the load's and the save's order.
    editor::KeyBinder keys_;
    std::vector<editor::KeyBinding> controller_;
    std::vector<editor::KeyBinding> client_;
    std::vector<editor::KeyBinding> textures_;
    std::vector<editor::KeyBinding> sound_;
    editor::KeyBinding music_;
    editor::KeyBinding effects_;
    editor::KeyBinding announcer_;
};
