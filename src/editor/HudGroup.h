#pragma once
// The HUD group: the eight HUD switches, HUD scale and opacity, the three console lists, the crosshair style
// with its preview and the crosshair colour with its sample. Section "Engine.Hud" of the player file.
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "editor/KeyBinding.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
class QWidget;

class HudGroup : public QObject {
    Q_OBJECT
  public:
    // Builds "frameHudSettings" on the "Player Settings" tab, as wide as the page has grown. The player group's
    // switches stand in it too.
    static QGroupBox* buildFrame(QWidget* page, int pageGrowth);
    // Builds the controls inside the frame.
    HudGroup(QGroupBox* frame, editor::GameFiles files);

    // Main window load: fill the style list and the console lists.
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

    // The switches, the style list, the console lists and the five sliders: on after a load, off after a close.
    void setEditing(bool editing);

    // The colour parser: cuts "(B=..,G=..,R=..,A=..)" into its four component texts (blue, green, red, alpha),
    // raising AppError("Invalid procedure call or argument") where a cut cannot be made.
    static std::array<QString, 4> parseCrossHairColor(const QString& value);

  private:
    void build(QGroupBox* frame);
    void bindKeys();
    // The colour as read: the four value labels and sliders, and the sample.
    void showCrossHairColor(const QString& value);

    void LoadCrossHair();
    void SetCrossHairColor(unsigned char red, unsigned char green, unsigned char blue);

    // Handlers. The Click handlers run whenever the control changes, by the user or by code; the Scroll
    // handlers only when the user moves a slider.
    void chkHud_Click(int index);
    void cboCrossSelect_Click();
    void slideHudScale_Scroll();
    void slideHudOpacity_Scroll();
    void slideCrossColor_Scroll(int index);

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

    // The keys, each bound once; the steps name them in the load's and the save's order.
    editor::KeyBinder keys_;
    std::vector<editor::KeyBinding> switches_;
    editor::KeyBinding scale_;
    editor::KeyBinding style_;
    editor::KeyBinding opacity_;
    std::vector<editor::KeyBinding> console_;
    editor::KeyBinding colour_;
};
