// The display and render group: the engine file's values on screen after a load, what the save writes back,
// what a bad or missing value does, the user's changes, and the layout of its frames.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

const QByteArray kEngine = "Engine.Engine", kClient = "WinDrv.WindowsClient", kD3D = "D3DDrv.D3DRenderDevice";
const QString kNumeric = QStringLiteral("Please Enter Only Numeric Values!!");
const QString kFullScreen = QStringLiteral(
    "A value of 'True' or 'False' needs to be present in the UT2003.ini File ,Please Check [WinDrv.WindowsClient] "
    "KeyValue 'StartupFullScreen'");

// The quiet engine file with key set to value in section, or dropped without a value.
QByteArray engineWith(const QByteArray& section, const QByteArray& key, const std::optional<QByteArray>& value) {
    QByteArray file = quietEngineFile();
    if (const auto old = iniValue(file, section, key)) file.replace("\n" + key + "=" + *old + "\r\n", "\n");
    if (value) file.replace("[" + section + "]\r\n", "[" + section + "]\r\n" + key + "=" + *value + "\r\n");
    return file;
}

}  // namespace

class DisplayTest : public GuiTest {
  protected:
    void open(const QByteArray& engine) { main = openEditor(quietPlayerFile(), engine); }
    QByteArray save() {
        main->mnuFileSave_Click();
        return readFile(engineIni());
    }
    // A list's, label's or box's text, a slider's position, a button's state; for "optRenderType" the index of
    // the selected button (-1 for none).
    static QString shown(const QString& name) {
        for (int i = 0; name == QLatin1String("optRenderType") && i < 3; ++i)
            if (find<QAbstractButton>(QStringLiteral("optRenderType(%1)").arg(i))->isChecked())
                return QString::number(i);
        QWidget* w = find<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
        if (auto* slider = qobject_cast<QSlider*>(w)) return QString::number(slider->value());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return QLatin1String(button->isChecked() ? "True" : "False");
        return QStringLiteral("-1");
    }
    frmMain* main = nullptr;
};

// One key of the file changed: what the group shows, the load's message, and the key after an untouched save.
// Nothing here ends the load.
TEST_F(DisplayTest, LoadShowsTheFilesValueAndTheSaveWritesItBack) {
    struct Case {
        QByteArray section, key;
        std::optional<QByteArray> value;
        QString control, shown;
        std::optional<QByteArray> saved = std::nullopt;  // none: the value as it was read
        QString message = QString();
        int style = 0;
    };
    const Case cases[] = {
        // No button for an unknown device: the file keeps it.
        {kEngine, "RenderDevice", "SoftDrv.SoftwareRenderDevice", "optRenderType", "-1"},
        // A width the list does not offer: no position, and neither key is written (the height stays 768).
        {kClient, "FullscreenViewportX", "1152", "cboResolution", "Resolution"},
        {kClient, "Gamma", "1.2", "slideGamma", "120"},
        {kClient, "Gamma", "0.800000", "lblGamma", "0.800000"},
        // Out of the slider's range: held at its end, the file's text kept.
        {kClient, "Gamma", "3", "slideGamma", "250"},
        {kClient, "MinDesiredFrameRate", std::nullopt, "txtMinRefRate", "", "", kNumeric, 64},
        {kClient, "StartupFullscreen", "true", "chkFullScreen", "False", "False", kFullScreen},
        {kD3D, "Use16bit", "maybe", "cboColorDepth", "Error !!", "False"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString() + "=" + c.value.value_or("(missing)").toStdString());
        open(engineWith(c.section, c.key, c.value));
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(shown(c.control), c.shown);
        EXPECT_EQ(messages.size(), c.message.isEmpty() ? 0u : 1u);
        for (const ShownMessage& m : messages) EXPECT_EQ(std::pair(m.prompt, m.style), std::pair(c.message, c.style));
        const QByteArray saved = save();
        EXPECT_EQ(iniValue(saved, c.section, c.key), c.saved ? c.saved : c.value);
        EXPECT_EQ(iniValue(saved, kClient, "FullscreenViewportY"), "768");
        unloadAll();
        messages.clear();
    }
}

// Refresh-rate boxes take only numbers and are saved as typed; a user's move shows and saves the position in
// hundredths; the colour depth and "Use 16 Bit" follow each other.
TEST_F(DisplayTest, UserChangesAreWritten) {
    const std::tuple<const char*, QByteArray, QByteArray, QString, QString> boxes[] = {
        {"txtMinRefRate", kClient, "MinDesiredFrameRate", "60Hz", ""},
        {"txtDesiredRefRate", kD3D, "DesiredRefreshRate", "-5", "-5"},
        {"txtMinRefRate", kClient, "MinDesiredFrameRate", "72.5", "72.5"}};
    open(quietEngineFile());
    for (const auto& [box, section, key, typed, kept] : boxes) {
        find<QLineEdit>(QLatin1String(box))->setText(typed);
        EXPECT_EQ(shown(QLatin1String(box)), kept);
        EXPECT_EQ(iniValue(save(), section, key), kept.toLatin1()) << typed.toStdString();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kNumeric);
    EXPECT_EQ(messages[0].style, 64);

    auto* gamma = find<QSlider>(QStringLiteral("slideGamma"));
    gamma->setSliderPosition(135);
    gamma->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(shown(QStringLiteral("lblGamma")), QStringLiteral("1.35"));
    EXPECT_EQ(iniValue(save(), kClient, "Gamma"), "1.35");

    find<QComboBox>(QStringLiteral("cboColorDepth"))->setCurrentIndex(0);
    EXPECT_EQ(shown(QStringLiteral("chkDefaultVars(10)")), QStringLiteral("True"));
    EXPECT_EQ(iniValue(save(), kD3D, "Use16bit"), "True");
    find<QAbstractButton>(QStringLiteral("chkDefaultVars(10)"))->click();
    EXPECT_EQ(shown(QStringLiteral("cboColorDepth")), QStringLiteral("32-Bit Color"));
    EXPECT_EQ(iniValue(save(), kD3D, "Use16bit"), "False");
    // A "Use16bit" that is no Boolean, loaded over a checked box: clearing the box runs the mirror over "Error !!".
    find<QAbstractButton>(QStringLiteral("chkDefaultVars(10)"))->click();
    writeFile(engineIni(), engineWith(kD3D, "Use16bit", "maybe"));
    main->OpenINIFiles();
    EXPECT_EQ(shown(QStringLiteral("cboColorDepth")), QStringLiteral("32-Bit Color"));
    EXPECT_EQ(messages.size(), 1u);
}

// Only "True" checks a box; every Boolean key of the three device sections is written True or False.
TEST_F(DisplayTest, EveryDeviceSwitchIsWrittenTrueOrFalse) {
    QByteArray engine = quietEngineFile();
    engine.replace("[D3DDrv.D3DRenderDevice]\r\n",
                   "[D3DDrv.D3DRenderDevice]\r\nDetailTextures=true\r\nUseStencil=1\r\nUseXBoxFSAA=True\r\n");
    open(engine);
    QByteArray expected =
        "[D3DDrv.D3DRenderDevice]\r\nDetailTextures=False\r\nUseStencil=False\r\nUseXBoxFSAA=True\r\n"
        "Use16bit=False\r\nDesiredRefreshRate=60\r\n";
    for (const QString& key : D3DKeys)
        if (!expected.contains("\n" + key.toLatin1() + "=")) expected += key.toLatin1() + "=False\r\n";
    const QByteArray saved = save();
    EXPECT_TRUE(sameBytes(sectionText(saved, kD3D), expected + "\r\n"));
    EXPECT_EQ(sectionText(saved, "OpenGLDrv.OpenGLRenderDevice").count("=False\r\n"), 8);
    EXPECT_EQ(sectionText(saved, "Engine.NullRenderDevice").count("=False\r\n"), 6);
}
