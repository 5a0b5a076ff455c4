#pragma once
// The HUD group: the eight HUD switches, HUD scale and opacity, the three console lists, the crosshair style
// with its preview and the crosshair colour with its sample. Section "Engine.Hud" of the player file.
#include <QObject>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QWidget;
class frmMain;

class HudGroup : public QObject {
    Q_OBJECT
  public:
    // Builds the controls inside frameHudSettings.
    explicit HudGroup(frmMain& main);
    // The left edge of column 0 to 4 of the frame: the design's columns, spread evenly over the width that the
    // frame has gained over its design width. The player group's switches stand in columns 1 and 2.
    static int columnLeft(const QWidget* frame, int column);

    // Main window load: disable the style list, the sliders and the console lists; later fill the lists.
    void disableAtLoad();
    void fillLists();

    // Load steps.
    void loadHud();             // HudKeys; "HudScale"; "CrosshairStyle" with the preview; "HudOpacity"; ConsoleKeys
    void loadCrossHairColor();  // "CrossHairColor" through the colour parser

    // Save steps.
    void saveHudKeys();              // HudKeys
    void saveScaleOpacityConsole();  // "HudScale", "HudOpacity", ConsoleKeys
    void saveCrossHairColor();       // "CrossHairColor"
    void saveCrosshairStyle();       // "CrosshairStyle"

    // Reset steps, in the order the close runs them.
    void resetChecksScaleOpacityStyleText();  // checks cleared, sliders 0, labels, style list text
    void resetConsoleAndColour();             // console lists to index 0, colour sliders 0 and labels "NFO"
    void resetPreviewAndSample();             // "hidden.jpg", sample in the button-face colour

    // The colour parser: cuts "(B=..,G=..,R=..,A=..)" into its four component texts (blue, green, red, alpha),
    // raising AppError("Invalid procedure call or argument") where a cut cannot be made.
    // Enabled states, set by the load (on) and the close (off).
    void setChecksEnabled(bool enabled);           // chkHud 0 to 7
    void setStyleAndSlidersEnabled(bool enabled);  // style list, scale and opacity sliders
    void setColourSlidersEnabled(bool enabled);    // the four colour sliders
    void setConsoleListsEnabled(bool enabled);     // the three console lists

    static std::array<QString, 4> parseCrossHairColor(const QString& value);

    void LoadCrossHair();
    void SetCrossHairColor(unsigned char red, unsigned char green, unsigned char blue);

    // Handlers. The Click handlers run whenever the control changes, by the user or by code; the Scroll
    // handlers only when the user moves a slider.
    void chkHud_Click(int index);
    void cboCrossSelect_Click();
    void slideHudScale_Scroll();
    void slideHudOpacity_Scroll();
    void slideCrossColor_Scroll(int index);

    // Controls.
    std::array<QCheckBox*, 8> chkHud{};
    QSlider* slideHudScale = nullptr;
    QLabel* lblHudScale = nullptr;
    QSlider* slideHudOpacity = nullptr;
    QLabel* lblHudOpacity = nullptr;
    std::array<QComboBox*, 3> cboMssgSetup{};
    QComboBox* cboCrossSelect = nullptr;
    QLabel* picCrossHair = nullptr;
    std::array<QSlider*, 4> slideCrossColor{};
    std::array<QLabel*, 4> lblCrossColor{};
    QLabel* lblCHcolor = nullptr;
    // Captions.
    QLabel* lblTxtHudScale = nullptr;
    QLabel* lblTxtHudOpacity = nullptr;
    std::array<QLabel*, 2> lblTxtValueHUD{};
    std::array<QLabel*, 9> lblTxtHud{};

  private:
    void build();
    frmMain& main_;
};
