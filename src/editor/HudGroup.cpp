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
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "config/Startup.h"
#include "editor/Controls.h"
#include "editor/Pictures.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/numbers.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

const QString kSection = QStringLiteral("Engine.Hud");

// Check boxes: caption, tooltip, column, row, enabled at design.
struct CheckSpec {
    const char* caption;
    const char* tooltip;
    int column;
    int row;
    bool enabled;
};
const std::array<CheckSpec, 8> kChecks = {{
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
struct StyleSpec {
    const char* text;
    const char* picture;
};
const std::array<StyleSpec, 14> kStyles = {{
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
struct ColourSpec {
    const char* tooltip;
    int letterLabel;
    const char* letter;
    int valueLabel;
    const char* valueTooltip;
};
const std::array<ColourSpec, 4> kColours = {{
    {"Sets Red Value Of CrossHair", 5, "R", 2, "Red Byte Value"},
    {"Sets Green Value Of CrossHair", 4, "G", 1, "Green Byte Value"},
    {"Sets Blue Value Of CrossHair", 3, "B", 0, "Blue Byte Value"},
    {"Sets CrossHair Opacity  (Alpha Channel)", 6, "A", 3, "Alpha Byte Value"},
}};

// Geometry inside frameHudSettings (pixels), at the frame's design width. Column 4 stands close to column 3, so
// that the crosshair list has room for its texts and its caption beside it.
constexpr int kFrameWidth = 773;
constexpr std::array<int, 5> kColumnX = {8, 166, 324, 476, 640};
constexpr int kColourColumnWidth = 128;
constexpr int kRowTop = 18;
constexpr int kRowHeight = 18;
constexpr int kCheckWidth = 150;
constexpr int kShowCrossHairTop = 134;  // "Show CrossHair", under the style list

QString placeholderNFO() {
    return QStringLiteral("NFO");
}
QString noFileOpen() {
    return QStringLiteral("NO File Open");
}

std::string ascii(const QString& text) {
    return text.toStdString();
}
QString decimal(long long value) {
    return QString::fromStdString(platform::decimalText(value));
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
    return slider;
}

// A label with a single border: the value read-outs and the colour sample.
QLabel* boxed(QLabel* label) {
    label->setFrameShape(QFrame::Box);
    return label;
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

HudGroup::HudGroup(frmMain& main) : main_(main) {
    build();
}

int HudGroup::columnLeft(const QWidget* frame, int column) {
    const int gained = std::max(frame->width() - kFrameWidth, 0);
    return kColumnX[static_cast<std::size_t>(column)] + gained * column / 4;
}

void HudGroup::build() {
    QWidget* frame = main_.frameHudSettings;
    auto column = [frame](int i) { return columnLeft(frame, i); };

    // HUD switches: columns 1 and 2 by rows; "Show CrossHair" under the style list in column 4.
    for (int i = 0; i < 8; ++i) {
        const CheckSpec& entry = kChecks[static_cast<std::size_t>(i)];
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
    lblTxtHudScale =
        makeLabel(frame, QStringLiteral("lblTxtHudScale"), QStringLiteral("Hud Scale (0 - 1.000)"), {x1, 94, 150, 16});
    slideHudScale = makeSlider(frame, QStringLiteral("slideHudScale"), 1000, 100, QStringLiteral("Sets Hud Scale"),
                               {x1, 111, 150, 22});
    lblTxtHudOpacity = makeLabel(frame, QStringLiteral("lblTxtHudOpacity"), QStringLiteral("Hud Opacity (0 - 255)"),
                                 {x2, 94, 150, 16});
    slideHudOpacity = makeSlider(frame, QStringLiteral("slideHudOpacity"), 255, 15,
                                 QStringLiteral("Sets Hud Opacity (Alpha Channel)"), {x2, 111, 150, 22});
    for (int i = 0; i < 2; ++i) {
        const int x = column(i);
        lblTxtValueHUD[static_cast<std::size_t>(i)] =
            makeLabel(frame, arrayName("lblTxtValueHUD", i), QStringLiteral("Value:"), {x, 140, 40, 18});
    }
    lblHudScale = boxed(makeLabel(frame, QStringLiteral("lblHudScale"), placeholderNFO(), {x1 + 42, 140, 96, 18},
                                  QStringLiteral("Hud Scale Value")));
    lblHudOpacity = boxed(makeLabel(frame, QStringLiteral("lblHudOpacity"), placeholderNFO(), {x2 + 42, 140, 96, 18},
                                    QStringLiteral("Hud Opacity Value")));

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
        groupcontrols::settleTypedTextOnLeave(cboMssgSetup[static_cast<std::size_t>(i)]);
        QLabel* label =
            makeLabel(frame, arrayName("lblTxtHud", i), QString::fromLatin1(caption), {x4 + 44, top, 100, 28});
        label->setWordWrap(true);
        lblTxtHud[static_cast<std::size_t>(i)] = label;
    }
    cboCrossSelect = makeList(frame, QStringLiteral("cboCrossSelect"), QStringLiteral("Selcet Reticle"),
                              {x4, 105, 89, 22}, QStringLiteral("Select The Desired Cross Hair Style"));
    showTextStart(cboCrossSelect);
    groupcontrols::settleTypedTextOnLeave(cboCrossSelect);
    // The list shows its texts whole (the design's text and the closed state's are its longest); its caption
    // takes the room left before the colour column.
    fitCaption(cboCrossSelect, {noFileOpen()});
    const int captionLeft = x4 + cboCrossSelect->width() + 3;
    lblTxtHud[8] = makeLabel(frame, arrayName("lblTxtHud", 8), QStringLiteral("Select CrossHair"),
                             {captionLeft, 102, column(4) - 2 - captionLeft, 28});
    lblTxtHud[8]->setWordWrap(true);
    connect(cboCrossSelect, &QComboBox::currentIndexChanged, this, [this] {
        showTextStart(cboCrossSelect);
        cboCrossSelect_Click();
    });

    // Column 5: the colour rows (letter, slider, value label) under their caption, then the colour sample.
    const int x5 = column(4);
    // The caption's two lines stand below the frame's top line.
    lblTxtHud[7] = makeLabel(frame, arrayName("lblTxtHud", 7), QStringLiteral("CrossHair Color Settings"),
                             {x5, frameInside(main_.frameHudSettings).top(), 128, 27});
    lblTxtHud[7]->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        const ColourSpec& entry = kColours[static_cast<std::size_t>(i)];
        const int top = 46 + 20 * i;
        lblTxtHud[static_cast<std::size_t>(entry.letterLabel)] = makeLabel(
            frame, arrayName("lblTxtHud", entry.letterLabel), QString::fromLatin1(entry.letter), {x5, top + 1, 12, 18});
        QLabel* value = boxed(makeLabel(frame, arrayName("lblCrossColor", entry.valueLabel), placeholderNFO(),
                                        {x5 + 96, top + 1, 32, 18}, QString::fromLatin1(entry.valueTooltip)));
        // The value label is as wide as "NFO" needs, at the column's right edge; the slider takes the rest.
        const int valueWidth = std::max(value->width(), value->sizeHint().width());
        value->setGeometry(x5 + kColourColumnWidth - valueWidth, top + 1, valueWidth, 18);
        lblCrossColor[static_cast<std::size_t>(entry.valueLabel)] = value;
        slideCrossColor[static_cast<std::size_t>(i)] =
            makeSlider(frame, arrayName("slideCrossColor", i), 255, 15, QString::fromLatin1(entry.tooltip),
                       {x5 + 14, top, value->x() - 2 - (x5 + 14), 20});
    }
    lblCHcolor = boxed(makeLabel(frame, QStringLiteral("lblCHcolor"), QStringLiteral("Cross Hair Color"),
                                 {x5, 130, 128, 34}, QStringLiteral("In Game Cross Hair Color")));
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

void HudGroup::disableAtLoad() {
    setStyleAndSlidersEnabled(false);
    setColourSlidersEnabled(false);
    setConsoleListsEnabled(false);
}

void HudGroup::fillLists() {
    // Adding entries selects nothing and raises no Click; the lists keep their own text.
    auto fill = [](QComboBox* list, const QStringList& entries) {
        const QSignalBlocker blocker(list);
        const QString text = list->currentText();
        list->addItems(entries);
        list->setCurrentIndex(-1);
        list->setEditText(text);
        showTextStart(list);
    };
    QStringList styles;
    for (const StyleSpec& style : kStyles) styles << QString::fromLatin1(style.text);
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

// ---- Load ----

void HudGroup::loadHud() {
    loadChecks(chkHud, HudKeys, kSection, NoDataFound, main_.playerFile(), true);

    const QString scale = ReadINI(kSection, QStringLiteral("HudScale"), NDF, main_.playerFile());
    if (scale == NDF) {
        lblHudScale->setText(QStringLiteral("1"));
        slideHudScale->setValue(1000);
    } else {
        lblHudScale->setText(scale);
        setSliderFromFile(slideHudScale, platform::roundToInt(platform::toNumber(ascii(scale)) * 1000.0));
    }

    const QString style = ReadINI(kSection, QStringLiteral("CrosshairStyle"), NoDataFound, main_.playerFile());
    if (style == NoDataFound)
        cboCrossSelect->setCurrentIndex(0);
    else
        setListIndexFromFile(cboCrossSelect, platform::toInt(ascii(style)), kLastStyle);
    LoadCrossHair();

    const QString opacity = ReadINI(kSection, QStringLiteral("HudOpacity"), NDF, main_.playerFile());
    if (opacity == NDF) {
        lblHudOpacity->setText(QStringLiteral("255"));
        slideHudOpacity->setValue(255);
    } else {
        lblHudOpacity->setText(opacity);
        setSliderFromFile(slideHudOpacity, platform::toInt(ascii(opacity)));
    }

    // A missing console key puts its own list at the game's default; the other two keep the file's values.
    for (std::size_t i = 0; i < ConsoleKeys.size(); ++i) {
        const QString value = ReadINI(kSection, ConsoleKeys[i], NDF, main_.playerFile());
        if (value == NDF)
            cboMssgSetup[i]->setCurrentIndex(kConsoleDefaults[i]);
        else
            setListIndexFromFile(cboMssgSetup[i], platform::toInt(ascii(value)), kLastConsoleIndex);
    }
}

void HudGroup::loadCrossHairColor() {
    const QString value = ReadINI(kSection, QStringLiteral("CrossHairColor"), NDF, main_.playerFile());
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
    saveChecks(chkHud, HudKeys, kSection, main_.playerFile());
}

void HudGroup::saveScaleOpacityConsole() {
    WriteINI(kSection, QStringLiteral("HudScale"), lblHudScale->text(), main_.playerFile());
    WriteINI(kSection, QStringLiteral("HudOpacity"), lblHudOpacity->text(), main_.playerFile());
    // The lists are saved by their positions: text typed over one is settled first, so it never writes -1.
    for (std::size_t i = 0; i < ConsoleKeys.size(); ++i) {
        groupcontrols::settleTypedText(cboMssgSetup[i]);
        WriteINI(kSection, ConsoleKeys[i], decimal(groupcontrols::listPosition(cboMssgSetup[i])), main_.playerFile());
    }
}

void HudGroup::saveCrossHairColor() {
    const QString value = QStringLiteral("(B=") + lblCrossColor[0]->text() + QStringLiteral(",G=") +
                          lblCrossColor[1]->text() + QStringLiteral(",R=") + lblCrossColor[2]->text() +
                          QStringLiteral(",A=") + lblCrossColor[3]->text() + QStringLiteral(")");
    WriteINI(kSection, QStringLiteral("CrossHairColor"), value, main_.playerFile());
}

void HudGroup::saveCrosshairStyle() {
    groupcontrols::settleTypedText(cboCrossSelect);
    const int index = groupcontrols::listPosition(cboCrossSelect);
    WriteINI(kSection, QStringLiteral("CrosshairStyle"), index <= kLastStyle ? decimal(index) : QStringLiteral("0"),
             main_.playerFile());
}

// ---- Reset ----

void HudGroup::resetChecksScaleOpacityStyleText() {
    for (QCheckBox* box : chkHud) box->setChecked(false);
    slideHudScale->setValue(0);
    slideHudOpacity->setValue(0);
    lblHudScale->setText(noFileOpen());
    lblHudOpacity->setText(noFileOpen());
    // A text that is no entry of the list leaves no entry selected; it raises no Click.
    {
        const QSignalBlocker blocker(cboCrossSelect);
        cboCrossSelect->setCurrentIndex(-1);
    }
    cboCrossSelect->setEditText(noFileOpen());
    showTextStart(cboCrossSelect);
}

void HudGroup::resetConsoleAndColour() {
    for (QComboBox* list : cboMssgSetup) list->setCurrentIndex(0);
    for (std::size_t i = 0; i < 4; ++i) {
        slideCrossColor[i]->setValue(0);
        lblCrossColor[i]->setText(placeholderNFO());
    }
}

void HudGroup::resetPreviewAndSample() {
    LoadPicture(picCrossHair, PlayerPicPath + kHiddenPicture);
    setBackground(lblCHcolor, QApplication::palette().color(QPalette::Button));
}

// ---- Enabled states ----

void HudGroup::setChecksEnabled(bool enabled) {
    setEnabledAll(chkHud, enabled);
}

void HudGroup::setStyleAndSlidersEnabled(bool enabled) {
    setEnabledAll(std::initializer_list<QWidget*>{cboCrossSelect, slideHudScale, slideHudOpacity}, enabled);
}

void HudGroup::setColourSlidersEnabled(bool enabled) {
    setEnabledAll(slideCrossColor, enabled);
}

void HudGroup::setConsoleListsEnabled(bool enabled) {
    setEnabledAll(cboMssgSetup, enabled);
}

// ---- Preview and sample ----

void HudGroup::LoadCrossHair() {
    try {
        const int index = groupcontrols::listPosition(cboCrossSelect);
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

// No input can make this handler fail today; its message stays for an error a later change may bring.
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

// No input can make this handler fail today; its message stays for an error a later change may bring.
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
