#include "editor/DisplayGroup.h"

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
#include "editor/GroupControls.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

using namespace editor;

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

// The texts the two lists show before any file is loaded.
const QString kResolutionText = QStringLiteral("Resolution");
const QString kColorDepthText = QStringLiteral("Color Depth");

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

DisplayGroup::Frames DisplayGroup::buildFrames(QWidget* page) {
    Frames frames{};
    frames.engineSettings = makeFrame(page, QStringLiteral("frameEngineSettings"),
                                      QStringLiteral("Render Engine Settings"), QRect(4, 4, 250, 242));
    frames.renderEngine = makeFrame(page, QStringLiteral("frameRenderEngine"), QStringLiteral("Render Method"),
                                    QRect(4, 250, 250, 50), QStringLiteral("Render Method Selection"));
    frames.openGl = makeFrame(page, QStringLiteral("frameOpenGlVars"), QStringLiteral("OpenGL Render Values"),
                              QRect(258, 4, 172, 164), QStringLiteral("OpenGL Render Settings."));
    frames.nullDevice = makeFrame(page, QStringLiteral("frameNullDevice"), QStringLiteral("Null Device Render Values"),
                                  QRect(258, 172, 172, 128), QStringLiteral("Null Render Device Settings."));
    frames.direct3D =
        makeFrame(page, QStringLiteral("frameRenderVariablesD3D"), QStringLiteral("Direct3D Render Values"),
                  QRect(434, 4, 168, 410), QStringLiteral("Direct3D Render Values."));
    return frames;
}

DisplayGroup::DisplayGroup(const Frames& frames, GameFiles files) : keys_(std::move(files)) {
    buildEngineSettings(frames.engineSettings);
    buildRenderFrames(frames);
    for (QWidget* frame : std::initializer_list<QWidget*>{frames.engineSettings, frames.renderEngine, frames.direct3D,
                                                          frames.openGl, frames.nullDevice})
        fitCaptionsIn(frame);
    bindKeys();
}

void DisplayGroup::buildEngineSettings(QGroupBox* frame) {
    cboResolution = makeList(frame, "cboResolution", kResolutionText, QRect(8, 20, 110, 22),
                             QStringLiteral("Select Desired Resolution"));
    makeLabel(frame, QStringLiteral("lblTxtSetRes"), QStringLiteral(":: Desired Resolution"), {124, 22, 118, 18});
    cboColorDepth = makeList(frame, "cboColorDepth", kColorDepthText, QRect(8, 46, 110, 22),
                             QStringLiteral("Select Either 16 or 32 Bit Color Depth"));
    makeLabel(frame, QStringLiteral("lblTxtColorDepth"), QStringLiteral(":: Desired Color Depth"), {124, 48, 118, 18});
    chkFullScreen = new QCheckBox(QStringLiteral("  :: Start Up Full Screen"), frame);
    chkFullScreen->setObjectName(QStringLiteral("chkFullScreen"));
    chkFullScreen->setGeometry(8, 72, 234, 20);
    chkFullScreen->setToolTip(QStringLiteral("Click to start up game in Full Screen Mode"));
    chkFullScreen->setEnabled(false);
    txtMinRefRate =
        makeTextBox(frame, "txtMinRefRate", QRect(8, 96, 72, 22), QStringLiteral("Minimum In Game Refresh Rate"));
    makeLabel(frame, QStringLiteral("lblMinDesireRefRate"), QStringLiteral(":: Minimum Refresh Rate"),
              {86, 98, 156, 18});

    QLabel* lblTxtGamma = nullptr;
    QLabel* lblTxtBrightness = nullptr;
    QLabel* lblTxtContrast = nullptr;
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

void DisplayGroup::buildRenderFrames(const Frames& frames) {
    const char* const captions[3] = {"OpenGL", "Direct3D", "Null Device"};
    const char* const tooltips[3] = {"Render in OpenGL", "Render With Direct3D", "Use System Render Device"};
    const int lefts[3] = {8, 84, 164};
    const int widths[3] = {72, 76, 80};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), frames.renderEngine);
        option->setObjectName(arrayName("optRenderType", i));
        option->setGeometry(lefts[i], 22, widths[i], 20);
        option->setToolTip(QString::fromLatin1(tooltips[i]));
        option->setEnabled(false);
        optRenderType[static_cast<std::size_t>(i)] = option;
    }
    makeOptionGroup(this, {optRenderType.begin(), optRenderType.end()});

    QGroupBox* d3d = frames.direct3D;
    makeCheckColumn(d3d, chkDefaultVars, "chkDefaultVars", kD3DCaptions, kD3DTooltips, 6, 18, 158);
    makeLabel(d3d, QStringLiteral("lblTxtDRefRate"), QStringLiteral("Desired Refresh Rate"), {8, 366, 108, 18});
    txtDesiredRefRate = makeTextBox(d3d, "txtDesiredRefRate", QRect(118, 364, 44, 22),
                                    QStringLiteral("Desired Refresh Rate (Overide Only)"));
    makeD3DChoice(frames.openGl, chkOpenGL, "chkOpenGL", kOpenGLFromD3D);
    makeD3DChoice(frames.nullDevice, chkNullDevice, "chkNullDevice", kNullFromD3D);

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

// ---- Keys ----

void DisplayGroup::bindKeys() {
    const GameFile file = GameFile::Engine;
    // A device the list does not know selects no button, whatever an earlier file selected, so the save keeps
    // this file's device; with no button selected the file keeps its render device.
    renderDevice_ = {file,
                     kEngineSection,
                     QStringLiteral("RenderDevice"),
                     QStringLiteral("0"),
                     {[this](const QString& device) {
                          for (std::size_t i = 0; i < kRenderDevices.size(); ++i)
                              optRenderType[i]->setChecked(device == kRenderDevices[i]);
                      },
                      [this]() -> std::optional<QString> {
                          for (std::size_t i = 0; i < optRenderType.size(); ++i)
                              if (optRenderType[i]->isChecked()) return kRenderDevices[i];
                          return std::nullopt;
                      }}};
    // A width the list does not offer leaves no list position (an earlier file's is dropped), so the save keeps
    // this file's resolution: without a list position neither key is written.
    auto listedResolution = [this](const std::array<QString, 5>& values) -> std::optional<QString> {
        const int p = listPosition(cboResolution);
        if (p < 0 || p >= static_cast<int>(values.size())) return std::nullopt;
        return values[static_cast<std::size_t>(p)];
    };
    resolutionX_ = {file,
                    kClientSection,
                    QStringLiteral("FullscreenViewportX"),
                    QStringLiteral("0"),
                    {[this](const QString& width) {
                         const auto p = std::find(kWidths.begin(), kWidths.end(), width);
                         if (p != kWidths.end())
                             selectListPosition(cboResolution, static_cast<int>(p - kWidths.begin()));
                         else
                             dropListPosition(cboResolution, kResolutionText);
                     },
                     [listedResolution] { return listedResolution(kWidths); }}};
    // The height follows the list; the load reads only the width.
    const Accessor listedHeight{{}, [listedResolution] { return listedResolution(kHeights); }};
    resolutionY_ = {file, kClientSection, QStringLiteral("FullscreenViewportY"), QString(), listedHeight};
    minRefresh_ = {file, kClientSection, QStringLiteral("MinDesiredFrameRate"), NDF, text(txtMinRefRate)};
    fullScreen_ = {file,
                   kClientSection,
                   QStringLiteral("StartupFullscreen"),
                   QStringLiteral("0"),
                   {[this](const QString& value) {
                        if (value == QLatin1String("True")) {
                            chkFullScreen->setChecked(true);
                        } else if (value == QLatin1String("False")) {
                            chkFullScreen->setChecked(false);
                        } else {
                            // The box shows what a window that never held a file shows, not an earlier file's value.
                            chkFullScreen->setChecked(false);
                            MsgBox(QStringLiteral(
                                "A value of 'True' or 'False' needs to be present in the UT2003.ini File ,Please "
                                "Check [WinDrv.WindowsClient] KeyValue 'StartupFullScreen'"));
                        }
                    },
                    [this] { return std::optional(boolText(chkFullScreen->isChecked())); }}};
    gamma_ = {file, kClientSection, QStringLiteral("Gamma"), QStringLiteral("0"), scaledSlider(slideGamma, lblGamma)};
    contrast_ = {file, kClientSection, QStringLiteral("Contrast"), QStringLiteral("0"),
                 scaledSlider(slideContrast, lblContrast)};
    brightness_ = {file, kClientSection, QStringLiteral("Brightness"), QStringLiteral("0"),
                   scaledSlider(slideBrightness, lblBrightness)};
    // The colour depth list follows "Use 16 Bit"'s key, which the Direct3D boxes read again right after; the save
    // writes that key from the box alone, never from the list.
    colourDepth_ = {file,
                    kD3DSection,
                    D3DKeys[kUse16Bit],
                    QStringLiteral("0"),
                    {[this](const QString& use16) {
                         if (use16 == QLatin1String("True"))
                             selectListPosition(cboColorDepth, 0);
                         else if (use16 == QLatin1String("False"))
                             selectListPosition(cboColorDepth, 1);
                         else
                             showUnlistedText(cboColorDepth, QStringLiteral("Error !!"));
                     },
                     {}}};
    direct3D_ = checkBoxRows(file, kD3DSection, D3DKeys, chkDefaultVars, QStringLiteral("0"));
    desiredRefresh_ = {file, kD3DSection, QStringLiteral("DesiredRefreshRate"), QStringLiteral("0"),
                       text(txtDesiredRefRate)};
    openGl_ = checkBoxRows(file, kOpenGLSection, OpenGLKeys, chkOpenGL, QStringLiteral("0"));
    nullDevice_ = checkBoxRows(file, kNullSection, NullDeviceKeys, chkNullDevice, QStringLiteral("0"));
}

// ---- Load ----

void DisplayGroup::loadRenderDevice() {
    keys_.load(renderDevice_);
}

void DisplayGroup::loadWindowsClient() {
    keys_.load(resolutionX_, minRefresh_, fullScreen_, gamma_, contrast_, brightness_);
}

void DisplayGroup::loadD3D() {
    // The colour depth list's click handler checks or clears "Use 16 Bit", and the Direct3D boxes then read the
    // same key into that box again. The pair starts as in a window that never held a file, so an earlier file's
    // depth cannot turn this file's "Error !!" into a depth.
    {
        const QSignalBlocker listBlocker(cboColorDepth), boxBlocker(chkDefaultVars[kUse16Bit]);
        dropListPosition(cboColorDepth, kColorDepthText);
        chkDefaultVars[kUse16Bit]->setChecked(false);
    }
    keys_.load(colourDepth_, direct3D_, desiredRefresh_);
}

void DisplayGroup::loadOpenGLAndNull() {
    keys_.load(openGl_, nullDevice_);
}

// ---- Save ----

void DisplayGroup::saveResolution() {
    keys_.save(resolutionX_, resolutionY_);
}

void DisplayGroup::saveWindowsClient() {
    keys_.save(fullScreen_, minRefresh_, gamma_, brightness_, contrast_);
}

void DisplayGroup::saveRenderDevice() {
    keys_.save(renderDevice_);
}

void DisplayGroup::saveOpenGL() {
    keys_.save(openGl_);
}

void DisplayGroup::saveD3DAndNull() {
    keys_.save(direct3D_, desiredRefresh_, nullDevice_);
}

// ---- Reset ----

void DisplayGroup::resetListsRefreshAndLabels() {
    showUnlistedText(cboResolution, kNoFileOpen);
    showUnlistedText(cboColorDepth, kNoFileOpen);
    txtDesiredRefRate->setText(QString());
    for (QLabel* label : {lblGamma, lblBrightness, lblContrast}) label->setText(kNFO);
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

// ---- Editing ----

void DisplayGroup::setEditing(bool editing) {
    setEnabledAll(
        std::initializer_list<QWidget*>{cboResolution, cboColorDepth, slideGamma, slideContrast, slideBrightness},
        editing);
    chkFullScreen->setEnabled(editing);
    setEnabledAll(optRenderType, editing);
    setEnabledAll(chkDefaultVars, editing);
    setEnabledAll(chkOpenGL, editing);
    setEnabledAll(chkNullDevice, editing);
}

// ---- Handlers ----

void DisplayGroup::cboColorDepth_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Selecting Color Depth!"), vbInformation}, [&] {
        const int p = cboColorDepth->currentIndex();
        if (p == 0)
            chkDefaultVars[kUse16Bit]->setChecked(true);
        else if (p == 1)
            chkDefaultVars[kUse16Bit]->setChecked(false);
    });
}

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
