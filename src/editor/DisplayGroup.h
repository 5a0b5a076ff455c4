#pragma once
// The display and render group: render device, resolution, full screen, colour depth, refresh rates, gamma,
// brightness, contrast and the switches of the three render devices. Engine file.
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "editor/KeyBinding.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;

class DisplayGroup : public QObject {
    Q_OBJECT
  public:
    // The group's frames on the "UT2003 Settings" tab.
    struct Frames {
        QGroupBox* engineSettings;  // "Render Engine Settings": resolution, colour depth, refresh, the three sliders
        QGroupBox* renderEngine;    // "Render Method": the three render devices
        QGroupBox* openGl;          // "OpenGL Render Values"
        QGroupBox* nullDevice;      // "Null Device Render Values"
        QGroupBox* direct3D;        // "Direct3D Render Values"
    };
    // Builds the frames at their design places; the main window then arranges the tab's columns.
    static Frames buildFrames(QWidget* page);
    // Builds the controls inside the frames and fits the frames to their captions.
    DisplayGroup(const Frames& frames, editor::GameFiles files);

    void fillLists();  // cboResolution, cboColorDepth

    // Load steps.
    void loadRenderDevice();   // "RenderDevice" of "Engine.Engine"
    void loadWindowsClient();  // "FullscreenViewportX", "MinDesiredFrameRate", "StartupFullscreen", "Gamma",
                               // "Contrast", "Brightness"
    void loadD3D();            // "Use16bit", D3DKeys, "DesiredRefreshRate"
    void loadOpenGLAndNull();  // OpenGLKeys, NullDeviceKeys

    // Save steps.
    void saveResolution();     // "FullscreenViewportX", "FullscreenViewportY"
    void saveWindowsClient();  // "StartupFullscreen", "MinDesiredFrameRate", "Gamma", "Brightness", "Contrast"
    void saveRenderDevice();   // "RenderDevice"
    void saveOpenGL();         // OpenGLKeys
    void saveD3DAndNull();     // D3DKeys, "DesiredRefreshRate", NullDeviceKeys

    // Reset steps, in the order the close runs them.
    void resetListsRefreshAndLabels();  // list texts, txtDesiredRefRate, gamma/brightness/contrast labels
    void resetMinRefresh();             // txtMinRefRate
    void resetRenderType();             // the three render options cleared
    void resetSliders();                // gamma 50, brightness and contrast 0

    // The two lists, full screen, the three sliders, the render options and every render device box: on after a
    // load, off after a close.
    void setEditing(bool editing);

  private:
    void buildEngineSettings(QGroupBox* frame);
    void buildRenderFrames(const Frames& frames);
    void bindKeys();
    // The numeric check of the two refresh-rate boxes; tail is the box's own failure text.
    void checkNumeric(QLineEdit* box, const QString& tail);

    // Handlers.
    void cboColorDepth_Click();
    void chkDefaultVars_Click(int Index);
    void txtMinRefRate_Change();
    void txtDesiredRefRate_Change();
    // The user moved a slider: its read-out shows the position / 100.
    void slideGamma_Scroll();
    void slideBrightness_Scroll();
    void slideContrast_Scroll();

    QComboBox* cboResolution = nullptr;
    QComboBox* cboColorDepth = nullptr;
    QCheckBox* chkFullScreen = nullptr;
    QLineEdit* txtMinRefRate = nullptr;
    QSlider* slideGamma = nullptr;
    QLabel* lblGamma = nullptr;
    QSlider* slideBrightness = nullptr;
    QLabel* lblBrightness = nullptr;
    QSlider* slideContrast = nullptr;
    QLabel* lblContrast = nullptr;
    std::array<QRadioButton*, 3> optRenderType{};
    std::array<QCheckBox*, 19> chkDefaultVars{};
    QLineEdit* txtDesiredRefRate = nullptr;
    std::array<QCheckBox*, 8> chkOpenGL{};
    std::array<QCheckBox*, 6> chkNullDevice{};

    // The keys, each bound once; the steps name them in the load's and the save's order.
    editor::KeyBinder keys_;
    editor::KeyBinding renderDevice_;
    editor::KeyBinding resolutionX_;
    editor::KeyBinding resolutionY_;
    editor::KeyBinding minRefresh_;
    editor::KeyBinding fullScreen_;
    editor::KeyBinding gamma_;
    editor::KeyBinding contrast_;
    editor::KeyBinding brightness_;
    editor::KeyBinding colourDepth_;
    std::vector<editor::KeyBinding> direct3D_;
    editor::KeyBinding desiredRefresh_;
    std::vector<editor::KeyBinding> openGl_;
    std::vector<editor::KeyBinding> nullDevice_;
};
