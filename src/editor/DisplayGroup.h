#pragma once
// The display and render group: render device, resolution, full screen, colour depth, refresh rates, gamma,
// brightness, contrast and the switches of the three render devices. Engine file.
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;
class frmMain;

class DisplayGroup : public QObject {
    Q_OBJECT
  public:
    // Builds the controls inside frameEngineSettings, frameRenderEngine, frameRenderVariablesD3D,
    // frameOpenGlVars and frameNullDevice.
    explicit DisplayGroup(frmMain& main);

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

    void resetSliders();  // gamma 50, brightness and contrast 0

    // Enabled states, set by the load (on) and the close (off).
    void setListsAndSlidersEnabled(bool enabled);  // resolution and colour depth lists, gamma, contrast, brightness
    void setFullScreenEnabled(bool enabled);
    void setRenderChecksEnabled(bool enabled);  // render options, Direct3D, OpenGL and null device boxes

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

    // Captions of the other controls of the group.
    QLabel* lblTxtSetRes = nullptr;
    QLabel* lblTxtColorDepth = nullptr;
    QLabel* lblMinDesireRefRate = nullptr;
    QLabel* lblTxtGamma = nullptr;
    QLabel* lblTxtBrightness = nullptr;
    QLabel* lblTxtContrast = nullptr;
    QLabel* lblTxtDRefRate = nullptr;

  private:
    void buildEngineSettings();
    void buildRenderFrames();
    // The numeric check of the two refresh-rate boxes; tail is the box's own failure text.
    void checkNumeric(QLineEdit* box, const QString& tail);

    frmMain& main_;
};
