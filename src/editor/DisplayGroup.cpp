#include "editor/DisplayGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QString>
#include <algorithm>

#include "config/Startup.h"
#include "editor/Controls.h"
#include "editor/frmMain.h"
#include "platform/numbers.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

using namespace groupcontrols;

// ---- The display and render group ----

namespace {

const QString kEngineSection = QStringLiteral("Engine.Engine");
const QString kClientSection = QStringLiteral("WinDrv.WindowsClient");
const QString kD3DSection = QStringLiteral("D3DDrv.D3DRenderDevice");
const QString kOpenGLSection = QStringLiteral("OpenGLDrv.OpenGLRenderDevice");
const QString kNullSection = QStringLiteral("Engine.NullRenderDevice");

// Option button i of the render type stands for render device class i.
const std::array<QString, 3> kRenderDevices = {kOpenGLSection, kD3DSection, kNullSection};

// List position p of the resolution list stands for width p by height p.
const std::array<QString, 5> kWidths = {QStringLiteral("640"), QStringLiteral("800"), QStringLiteral("1024"),
                                        QStringLiteral("1280"), QStringLiteral("1600")};
const std::array<QString, 5> kHeights = {QStringLiteral("480"), QStringLiteral("600"), QStringLiteral("768"),
                                         QStringLiteral("1024"), QStringLiteral("1200")};

constexpr int kUse16Bit = 10;  // the box of chkDefaultVars (and entry of D3DKeys) that mirrors the colour depth

const char* const kD3DCaptions[19] = {"Detail Textures",
                                      "High Detail Actors",
                                      "Super High Detail Actors",
                                      "Use Precaching",
                                      "Use Trilinear",
                                      "Reduce Mouse Lag",
                                      "Use Triple Buffering",
                                      "Use Cube Maps",
                                      "Use Compressed Light Maps",
                                      "Use Stencil",
                                      "Use 16 Bit",
                                      "Use 16 Bit Textures",
                                      "Use Vsync",
                                      "Use N Patches",
                                      "Check For Overflow",
                                      "Avoid Hitches",
                                      "Decompress Textures",
                                      "Use X-Box FSAA",
                                      "Overide Destop Refresh Rate"};
const char* const kD3DTooltips[19] = {"Display detail textures.",
                                      "Display High Detail Actors.",
                                      "Display Super High Detail Actors.",
                                      "Click To Use Precaching (Improves GamePlay After Map is Loaded)",
                                      "Click to use Trilinear Filtering.",
                                      "Click To Reduce Mouse Lag.",
                                      "Click to use Triple Buffering.",
                                      "Click to use Cube Maps.",
                                      "Click to Use Compressed Light Maps.",
                                      "Click to Use Stencil Buffers.",
                                      "Click to Use 16Bit Color Depth.",
                                      "Click to Use 16Bit Textures.",
                                      "Click to Dynamically Sync to Monitro Refresh Rate.",
                                      "Click to use N Patches.",
                                      "Click to enable Overflow Checking.",
                                      "Click to Avoid Hitches.",
                                      "Click to Use Decompressed Textures.",
                                      "Click to use X-Box FS Anti-Aliasing.",
                                      "Click to use refresh rate below instead of desktop refresh rate."};

// The OpenGL and null device boxes are a choice of the Direct3D boxes: same captions, same tool tips.
constexpr std::array<int, 8> kOpenGLFromD3D = {0, 1, 2, 3, 8, 4, 9, 5};
constexpr std::array<int, 6> kNullFromD3D = {0, 1, 2, 3, 8, 9};

template <std::size_t N>
void makeD3DChoice(QWidget* frame, std::array<QCheckBox*, N>& boxes, const char* name,
                   const std::array<int, N>& fromD3D) {
    std::array<const char*, N> captions{};
    std::array<const char*, N> tooltips{};
    for (std::size_t i = 0; i < N; ++i) {
        captions[i] = kD3DCaptions[fromD3D[i]];
        tooltips[i] = kD3DTooltips[fromD3D[i]];
    }
    makeCheckColumn(frame, boxes, name, captions.data(), tooltips.data(), 6, 18, 157);
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, const QRect& rect, const QString& tooltip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setToolTip(tooltip);
    return box;
}

}  // namespace

DisplayGroup::DisplayGroup(frmMain& main) : main_(main) {
    buildEngineSettings();
    buildRenderFrames();
    for (QWidget* frame :
         std::initializer_list<QWidget*>{main_.frameEngineSettings, main_.frameRenderEngine,
                                         main_.frameRenderVariablesD3D, main_.frameOpenGlVars, main_.frameNullDevice})
        fitCaptionsIn(frame);
}

void DisplayGroup::buildEngineSettings() {
    QGroupBox* frame = main_.frameEngineSettings;
    cboResolution = makeList(frame, "cboResolution", QStringLiteral("Resolution"), QRect(8, 20, 110, 22),
                             QStringLiteral("Select Desired Resolution"));
    lblTxtSetRes =
        makeLabel(frame, QStringLiteral("lblTxtSetRes"), QStringLiteral(":: Desired Resolution"), {124, 22, 118, 18});
    cboColorDepth = makeList(frame, "cboColorDepth", QStringLiteral("Color Depth"), QRect(8, 46, 110, 22),
                             QStringLiteral("Select Either 16 or 32 Bit Color Depth"));
    lblTxtColorDepth = makeLabel(frame, QStringLiteral("lblTxtColorDepth"), QStringLiteral(":: Desired Color Depth"),
                                 {124, 48, 118, 18});
    chkFullScreen = new QCheckBox(QStringLiteral("  :: Start Up Full Screen"), frame);
    chkFullScreen->setObjectName(QStringLiteral("chkFullScreen"));
    chkFullScreen->setGeometry(8, 72, 234, 20);
    chkFullScreen->setToolTip(QStringLiteral("Click to start up game in Full Screen Mode"));
    chkFullScreen->setEnabled(false);
    txtMinRefRate =
        makeTextBox(frame, "txtMinRefRate", QRect(8, 96, 72, 22), QStringLiteral("Minimum In Game Refresh Rate"));
    lblMinDesireRefRate = makeLabel(frame, QStringLiteral("lblMinDesireRefRate"),
                                    QStringLiteral(":: Minimum Refresh Rate"), {86, 98, 156, 18});

    const SliderRow rows[] = {
        {lblTxtGamma, slideGamma, lblGamma, "lblTxtGamma", "Gamma", "slideGamma", "lblGamma", 50, 250, 10, 1, 5, 50,
         "Set Desired Gamma Amount", "Gamma Value"},
        {lblTxtBrightness, slideBrightness, lblBrightness, "lblTxtBrightness", "Brightness", "slideBrightness",
         "lblBrightness", 0, 100, 5, 1, 5, 0, "Set Desired Brightness Amount", "Brightness Value"},
        {lblTxtContrast, slideContrast, lblContrast, "lblTxtContrast", "Contrast", "slideContrast", "lblContrast", 0,
         100, 5, 1, 5, 0, "Set Desired Contrast Amount", "Contrast Value"},
    };
    int top = 128;
    for (const SliderRow& row : rows) {
        makeSliderRow(frame, row, QRect(8, top + 4, 62, 18), QRect(70, top, 104, 26), QRect(178, top + 3, 64, 20));
        top += 34;
    }

    connect(cboColorDepth, &QComboBox::currentIndexChanged, this, [this] { cboColorDepth_Click(); });
    connect(txtMinRefRate, &QLineEdit::textChanged, this, [this] { txtMinRefRate_Change(); });
    connect(slideGamma, &QSlider::actionTriggered, this, [this] { slideGamma_Scroll(); });
    connect(slideBrightness, &QSlider::actionTriggered, this, [this] { slideBrightness_Scroll(); });
    connect(slideContrast, &QSlider::actionTriggered, this, [this] { slideContrast_Scroll(); });
}

void DisplayGroup::buildRenderFrames() {
    const char* const captions[3] = {"OpenGL", "Direct3D", "Null Device"};
    const char* const tooltips[3] = {"Render in OpenGL", "Render With Direct3D", "Use System Render Device"};
    const int lefts[3] = {8, 84, 164};
    const int widths[3] = {72, 76, 80};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), main_.frameRenderEngine);
        option->setObjectName(arrayName("optRenderType", i));
        option->setGeometry(lefts[i], 22, widths[i], 20);
        option->setToolTip(QString::fromLatin1(tooltips[i]));
        option->setEnabled(false);
        optRenderType[static_cast<std::size_t>(i)] = option;
    }
    makeOptionGroup(this, {optRenderType.begin(), optRenderType.end()});

    QGroupBox* d3d = main_.frameRenderVariablesD3D;
    makeCheckColumn(d3d, chkDefaultVars, "chkDefaultVars", kD3DCaptions, kD3DTooltips, 6, 18, 158);
    lblTxtDRefRate =
        makeLabel(d3d, QStringLiteral("lblTxtDRefRate"), QStringLiteral("Desired Refresh Rate"), {8, 366, 108, 18});
    txtDesiredRefRate = makeTextBox(d3d, "txtDesiredRefRate", QRect(118, 364, 44, 22),
                                    QStringLiteral("Desired Refresh Rate (Overide Only)"));
    makeD3DChoice(main_.frameOpenGlVars, chkOpenGL, "chkOpenGL", kOpenGLFromD3D);
    makeD3DChoice(main_.frameNullDevice, chkNullDevice, "chkNullDevice", kNullFromD3D);

    for (int i = 0; i < static_cast<int>(chkDefaultVars.size()); ++i)
        connect(chkDefaultVars[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i] { chkDefaultVars_Click(i); });
    connect(txtDesiredRefRate, &QLineEdit::textChanged, this, [this] { txtDesiredRefRate_Change(); });
}

void DisplayGroup::fillLists() {
    fillList(cboResolution, {QStringLiteral("640 x 480"), QStringLiteral("800 x 600"), QStringLiteral("1024 x 768"),
                             QStringLiteral("1280 x 1024"), QStringLiteral("1600 x 1200")});
    fillList(cboColorDepth, {QStringLiteral("16-Bit Color"), QStringLiteral("32-Bit Color")});
}

// ---- Load ----

void DisplayGroup::loadRenderDevice() {
    const QString device =
        ReadINI(kEngineSection, QStringLiteral("RenderDevice"), QStringLiteral("0"), main_.engineFile());
    // A device the list does not know selects no button, whatever an earlier file selected, so the save keeps
    // this file's device.
    for (std::size_t i = 0; i < kRenderDevices.size(); ++i) optRenderType[i]->setChecked(device == kRenderDevices[i]);
}

void DisplayGroup::loadWindowsClient() {
    const QString width =
        ReadINI(kClientSection, QStringLiteral("FullscreenViewportX"), QStringLiteral("0"), main_.engineFile());
    // A width the list does not offer leaves no list position (an earlier file's is dropped), so the save keeps
    // this file's resolution.
    const auto p = std::find(kWidths.begin(), kWidths.end(), width);
    if (p != kWidths.end())
        selectListPosition(cboResolution, static_cast<int>(p - kWidths.begin()));
    else
        dropListPosition(cboResolution, QStringLiteral("Resolution"));

    txtMinRefRate->setText(ReadINI(kClientSection, QStringLiteral("MinDesiredFrameRate"), NDF, main_.engineFile()));

    const QString fullScreen =
        ReadINI(kClientSection, QStringLiteral("StartupFullscreen"), QStringLiteral("0"), main_.engineFile());
    if (fullScreen == QLatin1String("True")) {
        chkFullScreen->setChecked(true);
    } else if (fullScreen == QLatin1String("False")) {
        chkFullScreen->setChecked(false);
    } else {
        // The box shows what a window that never held a file shows, not an earlier file's value.
        chkFullScreen->setChecked(false);
        MsgBox(
            QStringLiteral("A value of 'True' or 'False' needs to be present in the UT2003.ini File ,Please Check "
                           "[WinDrv.WindowsClient] KeyValue 'StartupFullScreen'"));
    }

    showScaledValue(slideGamma, lblGamma,
                    ReadINI(kClientSection, QStringLiteral("Gamma"), QStringLiteral("0"), main_.engineFile()));
    showScaledValue(slideContrast, lblContrast,
                    ReadINI(kClientSection, QStringLiteral("Contrast"), QStringLiteral("0"), main_.engineFile()));
    showScaledValue(slideBrightness, lblBrightness,
                    ReadINI(kClientSection, QStringLiteral("Brightness"), QStringLiteral("0"), main_.engineFile()));
}

void DisplayGroup::loadD3D() {
    // The colour depth list follows "Use16bit"; its click handler checks or clears "Use 16 Bit", and the
    // D3DKeys loop then reads the same key into that box again. The pair starts as in a window that never held a
    // file, so an earlier file's depth cannot turn this file's "Error !!" into a depth.
    {
        const QSignalBlocker listBlocker(cboColorDepth), boxBlocker(chkDefaultVars[kUse16Bit]);
        dropListPosition(cboColorDepth, QStringLiteral("Color Depth"));
        chkDefaultVars[kUse16Bit]->setChecked(false);
    }
    const QString use16 = ReadINI(kD3DSection, QStringLiteral("Use16bit"), QStringLiteral("0"), main_.engineFile());
    if (use16 == QLatin1String("True"))
        selectListPosition(cboColorDepth, 0);
    else if (use16 == QLatin1String("False"))
        selectListPosition(cboColorDepth, 1);
    else
        showUnlistedText(cboColorDepth, QStringLiteral("Error !!"));
    loadChecks(chkDefaultVars, D3DKeys, kD3DSection, QStringLiteral("0"), main_.engineFile());
    txtDesiredRefRate->setText(
        ReadINI(kD3DSection, QStringLiteral("DesiredRefreshRate"), QStringLiteral("0"), main_.engineFile()));
}

void DisplayGroup::loadOpenGLAndNull() {
    loadChecks(chkOpenGL, OpenGLKeys, kOpenGLSection, QStringLiteral("0"), main_.engineFile());
    loadChecks(chkNullDevice, NullDeviceKeys, kNullSection, QStringLiteral("0"), main_.engineFile());
}

// ---- Save ----

void DisplayGroup::saveResolution() {
    // Without a list position neither key is written, so the file keeps a resolution the list does not offer.
    const int p = listPosition(cboResolution);
    if (p < 0 || p >= static_cast<int>(kWidths.size())) return;
    WriteINI(kClientSection, QStringLiteral("FullscreenViewportX"), kWidths[static_cast<std::size_t>(p)],
             main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("FullscreenViewportY"), kHeights[static_cast<std::size_t>(p)],
             main_.engineFile());
}

void DisplayGroup::saveWindowsClient() {
    WriteINI(kClientSection, QStringLiteral("StartupFullscreen"), boolText(chkFullScreen->isChecked()),
             main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("MinDesiredFrameRate"), txtMinRefRate->text(), main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("Gamma"), lblGamma->text(), main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("Brightness"), lblBrightness->text(), main_.engineFile());
    WriteINI(kClientSection, QStringLiteral("Contrast"), lblContrast->text(), main_.engineFile());
}

void DisplayGroup::saveRenderDevice() {
    // With no button selected the file keeps its render device.
    for (std::size_t i = 0; i < optRenderType.size(); ++i)
        if (optRenderType[i]->isChecked())
            WriteINI(kEngineSection, QStringLiteral("RenderDevice"), kRenderDevices[i], main_.engineFile());
}

void DisplayGroup::saveOpenGL() {
    saveChecks(chkOpenGL, OpenGLKeys, kOpenGLSection, main_.engineFile());
}

void DisplayGroup::saveD3DAndNull() {
    // "Use16bit" is written here, from "Use 16 Bit", and nowhere from the colour depth list.
    saveChecks(chkDefaultVars, D3DKeys, kD3DSection, main_.engineFile());
    WriteINI(kD3DSection, QStringLiteral("DesiredRefreshRate"), txtDesiredRefRate->text(), main_.engineFile());
    saveChecks(chkNullDevice, NullDeviceKeys, kNullSection, main_.engineFile());
}

// ---- Reset ----

void DisplayGroup::resetListsRefreshAndLabels() {
    showUnlistedText(cboResolution, QStringLiteral("NO File Open"));
    showUnlistedText(cboColorDepth, QStringLiteral("NO File Open"));
    txtDesiredRefRate->setText(QString());
    for (QLabel* label : {lblGamma, lblBrightness, lblContrast}) label->setText(QStringLiteral("NFO"));
}

void DisplayGroup::resetMinRefresh() {
    txtMinRefRate->setText(QString());
}

void DisplayGroup::resetRenderType() {
    for (QRadioButton* option : optRenderType) option->setChecked(false);
}

void DisplayGroup::resetSliders() {
    slideGamma->setValue(50);
    slideBrightness->setValue(0);
    slideContrast->setValue(0);
}

// ---- Enabled states ----

void DisplayGroup::setListsAndSlidersEnabled(bool enabled) {
    setEnabledAll(
        std::initializer_list<QWidget*>{cboResolution, cboColorDepth, slideGamma, slideContrast, slideBrightness},
        enabled);
}

void DisplayGroup::setFullScreenEnabled(bool enabled) {
    chkFullScreen->setEnabled(enabled);
}

void DisplayGroup::setRenderChecksEnabled(bool enabled) {
    setEnabledAll(optRenderType, enabled);
    setEnabledAll(chkDefaultVars, enabled);
    setEnabledAll(chkOpenGL, enabled);
    setEnabledAll(chkNullDevice, enabled);
}

// ---- Handlers ----

// No input can make this handler fail today; its message stays for an error a later change may bring.
void DisplayGroup::cboColorDepth_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Selecting Color Depth!"), vbInformation}, [&] {
        const int p = cboColorDepth->currentIndex();
        if (p == 0)
            chkDefaultVars[kUse16Bit]->setChecked(true);
        else if (p == 1)
            chkDefaultVars[kUse16Bit]->setChecked(false);
    });
}

// No input can make this handler fail today; its message stays for an error a later change may bring.
void DisplayGroup::chkDefaultVars_Click(int Index) {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Setting Color Depth!"), vbInformation}, [&] {
        if (Index != kUse16Bit) return;
        selectListPosition(cboColorDepth, chkDefaultVars[kUse16Bit]->isChecked() ? 0 : 1);
    });
}

void DisplayGroup::checkNumeric(QLineEdit* box, const QString& tail) {
    try {
        const QString text = box->text();
        if (text.isEmpty() || platform::isNumeric(text.toStdString())) return;
        // Emptying the box runs this check again, which accepts the empty text.
        box->setText(QString());
        MsgBox(QStringLiteral("Please Enter Only Numeric Values!!"), vbInformation);
    } catch (const std::exception& error) {
        MsgBox(QStringLiteral("Error ") + errorDescription(error) + tail, vbInformation);
    }
}

void DisplayGroup::txtMinRefRate_Change() {
    checkNumeric(txtMinRefRate, QStringLiteral(" Please Enter Only Numeric Values!"));
}

void DisplayGroup::txtDesiredRefRate_Change() {
    checkNumeric(txtDesiredRefRate, QStringLiteral(" Please Enter Only Numeric values!"));
}

void DisplayGroup::slideGamma_Scroll() {
    lblGamma->setText(hundredths(slideGamma->sliderPosition()));
}

void DisplayGroup::slideBrightness_Scroll() {
    lblBrightness->setText(hundredths(slideBrightness->sliderPosition()));
}

void DisplayGroup::slideContrast_Scroll() {
    lblContrast->setText(hundredths(slideContrast->sliderPosition()));
}
