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

// Control helpers shared by the display and the client groups.
namespace groupcontrols {
// An option group that can show no selected button: selecting one clears the others, and clicking the
// selected one keeps it selected.
void makeOptionGroup(QObject* owner, const std::vector<QRadioButton*>& buttons);
// The list position of an editable combo box: its current item, or -1 when none is chosen or the text shown
// is not that item's (text typed by the user).
int listPosition(const QComboBox* combo);
// Chooses list position p, as a selection from the list does (its text replaces any typed text).
void selectListPosition(QComboBox* combo, int p);
// Shows text with no list position.
void showUnlistedText(QComboBox* combo, const QString& text);
// Fills a pick list without choosing an item: the combo keeps the text it showed and has no list position.
void fillList(QComboBox* combo, const QStringList& items);
// One slider row: its caption, the slider and its read-out (a label with a single border, "NFO" at design).
struct SliderRow {
    QLabel*& caption;
    QSlider*& slider;
    QLabel*& readOut;
    const char* captionName;
    const char* captionText;
    const char* sliderName;
    const char* readOutName;
    int minimum;
    int maximum;
    int tick;
    int smallStep;
    int largeStep;
    int position;
    const char* sliderTip;
    const char* readOutTip;
};
void makeSliderRow(QWidget* frame, const SliderRow& row, const QRect& caption, const QRect& slider,
                   const QRect& readOut);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height = 18);
// A column of check boxes, one row of 18 pixels each from top, named name(i).
void makeCheckColumn(QWidget* parent, std::span<QCheckBox*> boxes, const char* name, const char* const* captions,
                     const char* const* tooltips, int left, int top, int width);
// Gives the captions of a frame (its labels and buttons) one font: the frame's plain font, narrowed and made
// smaller only as far as the widest caption needs to fit its fixed width.
void fitCaptions(QWidget* frame);
// Position / 100 as the shortest decimal text (123 gives "1.23", 100 gives "1").
QString hundredths(int position);
// A file value on a slider with a read-out: the read-out shows the text as read, the slider the text as a
// number times 100, rounded halves to even. Text that is no number raises "Type mismatch" (the read-out
// already shows it).
void showScaledValue(QSlider* slider, QLabel* readOut, const QString& value);
}  // namespace groupcontrols

class DisplayGroup : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside frameEngineSettings, frameRenderEngine, frameRenderVariablesD3D,
    // frameOpenGlVars and frameNullDevice.
    explicit DisplayGroup(frmMain& main);

    void fillLists();  // cboResolution, cboColorDepth

    // Load steps.
    void loadRenderDevice();    // "RenderDevice" of "Engine.Engine"
    void loadWindowsClient();   // "FullscreenViewportX", "MinDesiredFrameRate", "StartupFullscreen", "Gamma", "Contrast", "Brightness"
    void loadD3D();             // "Use16bit", D3DKeys, "DesiredRefreshRate"
    void loadOpenGLAndNull();   // OpenGLKeys, NullDeviceKeys
    void enableControls();

    // Save steps.
    void saveResolution();      // "FullscreenViewportX", "FullscreenViewportY"
    void saveWindowsClient();   // "StartupFullscreen", "MinDesiredFrameRate", "Gamma", "Brightness", "Contrast"
    void saveRenderDevice();    // "RenderDevice"
    void saveOpenGL();          // OpenGLKeys
    void saveD3DAndNull();      // D3DKeys, "DesiredRefreshRate", NullDeviceKeys

    // Reset steps, in the order the close runs them.
    void resetListsRefreshAndLabels();  // list texts, txtDesiredRefRate, gamma/brightness/contrast labels
    void resetMinRefresh();             // txtMinRefRate
    void resetRenderType();             // the three render options cleared
    void resetAndDisableControls();     // lists disabled, sliders reset and disabled, full-screen box disabled
    void disableRenderChecks();         // render options and the device check boxes disabled

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
