#include "editor/HudGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "config/Startup.h"
#include "editor/GroupControls.h"
#include "editor/Pictures.h"
#include "platform/error.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"

using namespace editor;

namespace {

const QString kSection = QStringLiteral("Engine.Hud");

// Where each HUD switch stands: caption, tooltip, column, row, enabled at design.
struct HudSwitchPlace {
    const char* caption;
    const char* tooltip;
    int column;
    int row;
    bool enabled;
};
const std::array<HudSwitchPlace, 8> kSwitchPlaces = {{
    {"Hide Hud", "Click to Hide Hud Completely", 0, 0, false},
    {"Beep On Message", "Click to Beep On Message", 0, 1, false},
    {"Show Weapon Info", "Shows Weapon Info (Exp:: Ammo Left)", 0, 2, false},
    {"Show Personal Info", "Shows Life and Armor Value", 0, 3, false},
    {"Show Points", "Shows Your Current Score In Game", 1, 0, false},
    {"Show CrossHair", "Show or Hide CrossHair", 3, 0, true},  // placed under the style list
    {"Show Weapon Bar", "Click to Show Weapon Type & Status", 1, 1, false},
    {"Show Portrait", "Shows Pic of Current Player in Hud", 1, 2, false},
}};

// The crosshair styles: list text and picture file; the list index is the stored "CrosshairStyle".
struct CrosshairPicture {
    const char* text;
    const char* picture;
};
const std::array<CrosshairPicture, 14> kStyles = {{
    {"Cross (1)", "cross_1.jpg"},
    {"Cross (2)", "cross_2.jpg"},
    {"Cross (3)", "cross_3.jpg"},
    {"Cross (4)", "cross_4.jpg"},
    {"Cross (5)", "cross_5.jpg"},
    {"Dot", "dot.jpg"},
    {"Pointer", "pointer.jpg"},
    {"Triad (1)", "triad_1.jpg"},
    {"Triad (2)", "triad_2.jpg"},
    {"Triad (3)", "triad_3.jpg"},
    {"Bracket (1)", "bracket_1.jpg"},
    {"Bracket (2)", "bracket_2.jpg"},
    {"Circle (1)", "circle_1.jpg"},
    {"Circle (2)", "circle_2.jpg"},
}};
const QString kHiddenPicture = QStringLiteral("hidden.jpg");
constexpr int kLastStyle = 13;
constexpr int kLastConsoleIndex = 8;
// The list positions of the game's own console settings, for a key the file lacks: 2 messages, font size 6 (the
// second list counts down), offset 0.
constexpr std::array<int, 3> kConsoleDefaults = {2, 6, 0};

// The console lists: caption beside the list and tooltip.
const std::array<std::pair<const char*, const char*>, 3> kConsoleCaptions = {{
    {"Console Message Count", "Console Message Count Value"},
    {"Console Font Size", "Console Font Size Value"},
    {"Message Font Offset", "Message Font Offset Value"},
}};

// Colour sliders (top to bottom: red, green, blue, alpha): tooltip, letter label element and its letter, and
// the value label that shows the slider's value. The value labels run blue, green, red, alpha.
struct ColourRow {
    const char* tooltip;
    int letterLabel;
    const char* letter;
    int valueLabel;
    const char* valueTooltip;
};
const std::array<ColourRow, 4> kColours = {{
    {"Sets Red Value Of CrossHair", 5, "R", 2, "Red Byte Value"},
    {"Sets Green Value Of CrossHair", 4, "G", 1, "Green Byte Value"},
    {"Sets Blue Value Of CrossHair", 3, "B", 0, "Blue Byte Value"},
    {"Sets CrossHair Opacity  (Alpha Channel)", 6, "A", 3, "Alpha Byte Value"},
}};

// Geometry inside frameHudSettings (pixels); the columns are the frame's (hudColumnLeft).
constexpr int kColourColumnWidth = 128;
constexpr int kRowTop = 18;
constexpr int kRowHeight = 18;
constexpr int kCheckWidth = 150;
constexpr int kShowCrossHairTop = 134;  // "Show CrossHair", under the style list

std::string ascii(const QString& text) {
    return text.toStdString();
}

[[noreturn]] void invalidCall() {
    throw platform::AppError(platform::kInvalidCall);
}
[[noreturn]] void invalidProperty() {
    throw platform::AppError(platform::kInvalidPropertyValue);
}

// The last count characters of text; a negative count is an invalid call.
QString lastChars(const QString& text, qsizetype count) {
    if (count < 0 || count > text.size()) invalidCall();
    return text.right(count);
}

// One component of the colour text, read from the front of rest: a window of up to three characters; the
// first is always taken, the next ones until a comma. Nothing past the window is looked at.
QString readComponent(const QString& rest) {
    const QString window = rest.left(3);
    if (window.isEmpty()) invalidCall();
    QString component = window.left(1);
    const QChar next = window.right(2).at(0);
    if (next == QLatin1Char(',')) return component;
    component += next;
    const QChar last = window.back();
    if (last == QLatin1Char(',')) return component;
    component += last;
    return component;
}

// A position that the file gives to a slider: outside the slider's range it is refused.
void setSliderFromFile(QSlider* slider, int position) {
    if (position < slider->minimum() || position > slider->maximum()) invalidProperty();
    slider->setValue(position);
}

// A slider with its read-out, which shows the file's text; a missing key (the short sentinel) shows the game's
// default. A value that the slider cannot hold stops the load.
Accessor defaultedSlider(QSlider* slider, QLabel* readOut, const QString& missingText, int missingPosition,
                         std::function<int(const QString&)> position) {
    return {[=](const QString& value) {
                if (value == NDF) {
                    readOut->setText(missingText);
                    slider->setValue(missingPosition);
                } else {
                    readOut->setText(value);
                    setSliderFromFile(slider, position(value));
                }
            },
            [readOut] { return std::optional(readOut->text()); }};
}

// A list position from the file: -1 (no entry) up to last; anything else is refused.
void setListIndexFromFile(QComboBox* list, int index, int last) {
    if (index < -1 || index > last) invalidProperty();
    list->setCurrentIndex(index);
}

QSlider* makeSlider(QWidget* parent, const QString& name, int maximum, int tick, const QString& tooltip,
                    const QRect& rect) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setTickInterval(tick);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(0);
    slider->setToolTip(tooltip);
    slider->setGeometry(rect);
    // Off until a file is loaded.
    slider->setEnabled(false);
    return slider;
}

// A text wider than the list box shows its beginning, as a list box does before it is edited.
void showTextStart(QComboBox* list) {
    if (QLineEdit* edit = list->lineEdit()) edit->setCursorPosition(0);
}

// The colour sample: its caption stands out on any colour, black on light ones and white on dark ones.
void setBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, contrastingText(colour));
    label->setPalette(palette);
}

}  // namespace

QGroupBox* HudGroup::buildFrame(QWidget* page, int pageGrowth) {
    return makeFrame(page, QStringLiteral("frameHudSettings"), QStringLiteral("Hud Settings"),
                     QRect(8, 284, 773 + pageGrowth, 175), QStringLiteral("Setup User Hud"));
}

HudGroup::HudGroup(QGroupBox* frame, GameFiles files) : keys_(std::move(files)) {
    build(frame);
    bindKeys();
}

void HudGroup::build(QGroupBox* frame) {
    auto column = [frame](int i) { return hudColumnLeft(frame, i); };

    // HUD switches: columns 1 and 2 by rows; "Show CrossHair" under the style list in column 4.
    for (int i = 0; i < 8; ++i) {
        const HudSwitchPlace& entry = kSwitchPlaces[static_cast<std::size_t>(i)];
        auto* box = new QCheckBox(QString::fromLatin1(entry.caption), frame);
        box->setObjectName(arrayName("chkHud", i));
        box->setToolTip(QString::fromLatin1(entry.tooltip));
        const int y = entry.column == 3 ? kShowCrossHairTop : kRowTop + kRowHeight * entry.row;
        box->setGeometry(column(entry.column), y, entry.column == 3 ? 144 : kCheckWidth, kRowHeight);
        box->setEnabled(entry.enabled);
        chkHud[static_cast<std::size_t>(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this, i] { chkHud_Click(i); });
    }

    // HUD scale (column 1) and opacity (column 2): caption, slider, "Value:" and the value label.
    const int x1 = column(0);
    const int x2 = column(1);
    makeLabel(frame, QStringLiteral("lblTxtHudScale"), QStringLiteral("Hud Scale (0 - 1.000)"), {x1, 94, 150, 16});
    slideHudScale = makeSlider(frame, QStringLiteral("slideHudScale"), 1000, 100, QStringLiteral("Sets Hud Scale"),
                               {x1, 111, 150, 22});
    makeLabel(frame, QStringLiteral("lblTxtHudOpacity"), QStringLiteral("Hud Opacity (0 - 255)"), {x2, 94, 150, 16});
    slideHudOpacity = makeSlider(frame, QStringLiteral("slideHudOpacity"), 255, 15,
                                 QStringLiteral("Sets Hud Opacity (Alpha Channel)"), {x2, 111, 150, 22});
    for (int i = 0; i < 2; ++i)
        makeLabel(frame, arrayName("lblTxtValueHUD", i), QStringLiteral("Value:"), {column(i), 140, 40, 18});
    lblHudScale = makeValueLabel(frame, QStringLiteral("lblHudScale"), kNFO, {x1 + 42, 140, 96, 18},
                                 QStringLiteral("Hud Scale Value"));
    lblHudOpacity = makeValueLabel(frame, QStringLiteral("lblHudOpacity"), kNFO, {x2 + 42, 140, 96, 18},
                                   QStringLiteral("Hud Opacity Value"));

    // Column 3: the player group's four boxes above; the crosshair preview below them, with its built-in
    // picture (an empty dark panel).
    picCrossHair = makeLabel(frame, QStringLiteral("picCrossHair"), QString(), {column(2) + 38, 96, 74, 68},
                             QStringLiteral("Cross Hair Image"));
    picCrossHair->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPixmap design(74, 68);
    design.fill(QColor(48, 48, 48));
    picCrossHair->setPixmap(design);

    // Column 4: the console lists with their captions to the right, the style list, "Show CrossHair".
    const int x4 = column(3);
    for (int i = 0; i < 3; ++i) {
        const auto& [caption, tooltip] = kConsoleCaptions[static_cast<std::size_t>(i)];
        const int top = kRowTop + 28 * i;
        cboMssgSetup[static_cast<std::size_t>(i)] = makeList(frame, arrayName("cboMssgSetup", i), QString(),
                                                             {x4, top + 3, 40, 22}, QString::fromLatin1(tooltip));
        settleTypedTextOnLeave(cboMssgSetup[static_cast<std::size_t>(i)]);
        makeLabel(frame, arrayName("lblTxtHud", i), QString::fromLatin1(caption), {x4 + 44, top, 100, 28})
            ->setWordWrap(true);
    }
    cboCrossSelect = makeList(frame, QStringLiteral("cboCrossSelect"), QStringLiteral("Selcet Reticle"),
                              {x4, 105, 89, 22}, QStringLiteral("Select The Desired Cross Hair Style"));
    showTextStart(cboCrossSelect);
    settleTypedTextOnLeave(cboCrossSelect);
    // The list shows its texts whole (the design's text and the closed state's are its longest); its caption
    // takes the room left before the colour column.
    fitCaption(cboCrossSelect, {kNoFileOpen});
    const int captionLeft = x4 + cboCrossSelect->width() + 3;
    makeLabel(frame, arrayName("lblTxtHud", 8), QStringLiteral("Select CrossHair"),
              {captionLeft, 102, column(4) - 2 - captionLeft, 28})
        ->setWordWrap(true);
    connect(cboCrossSelect, &QComboBox::currentIndexChanged, this, [this] {
        showTextStart(cboCrossSelect);
        cboCrossSelect_Click();
    });

    // Column 5: the colour rows (letter, slider, value label) under their caption, then the colour sample.
    const int x5 = column(4);
    // The caption's two lines stand below the frame's top line.
    makeLabel(frame, arrayName("lblTxtHud", 7), QStringLiteral("CrossHair Color Settings"),
              {x5, frameInside(frame).top(), 128, 27})
        ->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        const ColourRow& entry = kColours[static_cast<std::size_t>(i)];
        const int top = 46 + 20 * i;
        makeLabel(frame, arrayName("lblTxtHud", entry.letterLabel), QString::fromLatin1(entry.letter),
                  {x5, top + 1, 12, 18});
        QLabel* value = makeValueLabel(frame, arrayName("lblCrossColor", entry.valueLabel), kNFO,
                                       {x5 + 96, top + 1, 32, 18}, QString::fromLatin1(entry.valueTooltip));
        // The value label is as wide as "NFO" needs, at the column's right edge; the slider takes the rest.
        const int valueWidth = std::max(value->width(), value->sizeHint().width());
        value->setGeometry(x5 + kColourColumnWidth - valueWidth, top + 1, valueWidth, 18);
        lblCrossColor[static_cast<std::size_t>(entry.valueLabel)] = value;
        slideCrossColor[static_cast<std::size_t>(i)] =
            makeSlider(frame, arrayName("slideCrossColor", i), 255, 15, QString::fromLatin1(entry.tooltip),
                       {x5 + 14, top, value->x() - 2 - (x5 + 14), 20});
    }
    lblCHcolor = makeValueLabel(frame, QStringLiteral("lblCHcolor"), QStringLiteral("Cross Hair Color"),
                                {x5, 130, 128, 34}, QStringLiteral("In Game Cross Hair Color"));
    lblCHcolor->setAlignment(Qt::AlignCenter);
    lblCHcolor->setAutoFillBackground(true);
    setBackground(lblCHcolor, QApplication::palette().color(QPalette::Button));

    // The Scroll handlers answer the user's moves only: a position set by code raises no action.
    connect(slideHudScale, &QSlider::actionTriggered, this, [this] { slideHudScale_Scroll(); });
    connect(slideHudOpacity, &QSlider::actionTriggered, this, [this] { slideHudOpacity_Scroll(); });
    for (int i = 0; i < 4; ++i)
        connect(slideCrossColor[static_cast<std::size_t>(i)], &QSlider::actionTriggered, this,
                [this, i] { slideCrossColor_Scroll(i); });
}

// ---- Main window load ----

void HudGroup::fillLists() {
    // Adding entries selects nothing and raises no Click; the lists keep their own text.
    auto fill = [](QComboBox* list, const QStringList& entries) {
        fillList(list, entries);
        showTextStart(list);
    };
    QStringList styles;
    for (const CrosshairPicture& style : kStyles) styles << QString::fromLatin1(style.text);
    fill(cboCrossSelect, styles);
    QStringList up;
    QStringList down;
    for (int k = 0; k <= kLastConsoleIndex; ++k) {
        up << decimal(k);
        down << decimal(kLastConsoleIndex - k);
    }
    fill(cboMssgSetup[0], up);
    fill(cboMssgSetup[1], down);
    fill(cboMssgSetup[2], up);
}

// ---- Keys ----

void HudGroup::bindKeys() {
    const GameFile file = GameFile::Player;
    switches_ = checkBoxRows(file, kSection, HudKeys, chkHud, NoDataFound, TrueText::OrLower);
    scale_ = {file, kSection, QStringLiteral("HudScale"), NDF,
              defaultedSlider(slideHudScale, lblHudScale, QStringLiteral("1"), 1000, [](const QString& value) {
                  return platform::roundToInt(platform::toNumber(ascii(value)) * 1000.0);
              })};
    // The list index is the stored style; the preview follows it. A save settles typed text first, and writes a
    // position past the list's end as 0.
    style_ = {file,
              kSection,
              QStringLiteral("CrosshairStyle"),
              NoDataFound,
              {[this](const QString& value) {
                   if (value == NoDataFound)
                       cboCrossSelect->setCurrentIndex(0);
                   else
                       setListIndexFromFile(cboCrossSelect, platform::toInt(ascii(value)), kLastStyle);
                   LoadCrossHair();
               },
               [this] {
                   settleTypedText(cboCrossSelect);
                   const int index = listPosition(cboCrossSelect);
                   return std::optional(index <= kLastStyle ? decimal(index) : QStringLiteral("0"));
               }}};
    opacity_ = {file, kSection, QStringLiteral("HudOpacity"), NDF,
                defaultedSlider(slideHudOpacity, lblHudOpacity, QStringLiteral("255"), 255,
                                [](const QString& value) { return platform::toInt(ascii(value)); })};
    // A missing console key puts its own list at the game's default; the other two keep the file's values. The
    // lists are saved by their positions: text typed over one is settled first, so it never writes -1.
    console_.clear();
    for (std::size_t i = 0; i < ConsoleKeys.size(); ++i) {
        QComboBox* list = cboMssgSetup[i];
        console_.push_back({file,
                            kSection,
                            ConsoleKeys[i],
                            NDF,
                            {[list, i](const QString& value) {
                                 if (value == NDF)
                                     list->setCurrentIndex(kConsoleDefaults[i]);
                                 else
                                     setListIndexFromFile(list, platform::toInt(ascii(value)), kLastConsoleIndex);
                             },
                             [list] {
                                 settleTypedText(list);
                                 return std::optional(decimal(listPosition(list)));
                             }}});
    }
    colour_ = {file,
               kSection,
               QStringLiteral("CrossHairColor"),
               NDF,
               {[this](const QString& value) { showCrossHairColor(value); },
                [this] {
                    return std::optional(QStringLiteral("(B=") + lblCrossColor[0]->text() + QStringLiteral(",G=") +
                                         lblCrossColor[1]->text() + QStringLiteral(",R=") + lblCrossColor[2]->text() +
                                         QStringLiteral(",A=") + lblCrossColor[3]->text() + QStringLiteral(")"));
                }}};
}

// ---- Load ----

void HudGroup::loadHud() {
    keys_.load(switches_, scale_, style_, opacity_, console_);
}

void HudGroup::loadCrossHairColor() {
    keys_.load(colour_);
}

void HudGroup::showCrossHairColor(const QString& value) {
    if (value == NDF) {
        for (std::size_t i = 0; i < 4; ++i) {
            lblCrossColor[i]->setText(QStringLiteral("255"));
            slideCrossColor[i]->setValue(255);
        }
        SetCrossHairColor(255, 255, 255);
        return;
    }
    const std::array<QString, 4> parts = parseCrossHairColor(value);  // blue, green, red, alpha
    for (std::size_t i = 0; i < 4; ++i) lblCrossColor[i]->setText(parts[i]);
    // Sliders run red, green, blue, alpha: each takes the text of its value label.
    for (std::size_t i = 0; i < 4; ++i)
        setSliderFromFile(slideCrossColor[i],
                          platform::toInt(ascii(parts[static_cast<std::size_t>(kColours[i].valueLabel)])));
    SetCrossHairColor(platform::toByte(ascii(parts[2])), platform::toByte(ascii(parts[1])),
                      platform::toByte(ascii(parts[0])));
}

// ---- Colour parser ----

// The stored form is "(B=" blue ",G=" green ",R=" red ",A=" alpha ")". The text is cut at fixed distances
// from its end: the three characters before each component are skipped unseen, a component is one to three
// characters ended by a comma, and alpha is whatever lies between the last cut and the final character.
// Every cut that the text is too short for raises "Invalid procedure call or argument".
std::array<QString, 4> HudGroup::parseCrossHairColor(const QString& value) {
    const qsizetype n = value.size();
    const QString blue = readComponent(lastChars(value, n - 3));
    const QString green = readComponent(lastChars(value, n - 6 - blue.size()));
    const QString red = readComponent(lastChars(value, n - 9 - blue.size() - green.size()));
    const QString rest = lastChars(value, n - 12 - blue.size() - green.size() - red.size());
    if (rest.isEmpty()) invalidCall();
    return {blue, green, red, rest.left(rest.size() - 1)};
}

// ---- Save ----

void HudGroup::saveHudKeys() {
    keys_.save(switches_);
}

void HudGroup::saveScaleOpacityConsole() {
    keys_.save(scale_, opacity_, console_);
}

void HudGroup::saveCrossHairColor() {
    keys_.save(colour_);
}

void HudGroup::saveCrosshairStyle() {
    keys_.save(style_);
}

// ---- Reset ----

void HudGroup::resetChecksScaleOpacityStyleText() {
    for (QCheckBox* box : chkHud) box->setChecked(false);
    slideHudScale->setValue(0);
    slideHudOpacity->setValue(0);
    lblHudScale->setText(kNoFileOpen);
    lblHudOpacity->setText(kNoFileOpen);
    // A text that is no entry of the list leaves no entry selected; it raises no Click.
    {
        const QSignalBlocker blocker(cboCrossSelect);
        cboCrossSelect->setCurrentIndex(-1);
    }
    cboCrossSelect->setEditText(kNoFileOpen);
    showTextStart(cboCrossSelect);
}

void HudGroup::resetConsoleAndColour() {
    for (QComboBox* list : cboMssgSetup) list->setCurrentIndex(0);
    for (std::size_t i = 0; i < 4; ++i) {
        slideCrossColor[i]->setValue(0);
        lblCrossColor[i]->setText(kNFO);
    }
}

void HudGroup::resetPreviewAndSample() {
    LoadPicture(picCrossHair, PlayerPicPath + kHiddenPicture);
    setBackground(lblCHcolor, QApplication::palette().color(QPalette::Button));
}

// ---- Editing ----

void HudGroup::setEditing(bool editing) {
    setEnabledAll(chkHud, editing);
    setEnabledAll(std::initializer_list<QWidget*>{cboCrossSelect, slideHudScale, slideHudOpacity}, editing);
    setEnabledAll(slideCrossColor, editing);
    setEnabledAll(cboMssgSetup, editing);
}

// ---- Preview and sample ----

void HudGroup::LoadCrossHair() {
    try {
        const int index = listPosition(cboCrossSelect);
        QString file = kHiddenPicture;
        if (index >= 0 && index <= kLastStyle && chkHud[5]->isChecked())
            file = QString::fromLatin1(kStyles[static_cast<std::size_t>(index)].picture);
        LoadPicture(picCrossHair, PlayerPicPath + file);
    } catch (const std::exception&) {
        MsgBox(QStringLiteral("Error, your Crosshair may be out of range.Please Check your User.ini File and make sure "
                              "that 'CrossHairValue' <= 13"),
               vbCritical);
    }
}

void HudGroup::SetCrossHairColor(unsigned char red, unsigned char green, unsigned char blue) {
    try {
        setBackground(lblCHcolor, QColor(red, green, blue));
    } catch (const std::exception&) {
        MsgBox(QStringLiteral("Error Setting Cross Hair Color Value, Make Sure All values are 0 - 255 for Red, Green, "
                              "Blue & Alpha Layer!"),
               vbCritical);
    }
}

// ---- Handlers ----

void HudGroup::chkHud_Click(int index) {
    (void)index;  // every box refreshes the preview
    LoadCrossHair();
}

void HudGroup::cboCrossSelect_Click() {
    LoadCrossHair();
}

void HudGroup::slideHudScale_Scroll() {
    lblHudScale->setText(QString::fromStdString(platform::shortestText(slideHudScale->sliderPosition() / 1000.0)));
}

void HudGroup::slideHudOpacity_Scroll() {
    lblHudOpacity->setText(decimal(slideHudOpacity->sliderPosition()));
}

void HudGroup::slideCrossColor_Scroll(int index) {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Loading Scrolling Cross Hair Colors!"), vbInformation},
               [&] {
                   const auto slider = static_cast<std::size_t>(index);
                   lblCrossColor[static_cast<std::size_t>(kColours[slider].valueLabel)]->setText(
                       decimal(slideCrossColor[slider]->sliderPosition()));
                   // The sample follows the three colour sliders, whichever slider moved.
                   auto byte = [this](std::size_t i) {
                       return static_cast<unsigned char>(slideCrossColor[i]->sliderPosition());
                   };
                   SetCrossHairColor(byte(0), byte(1), byte(2));
               });
}
