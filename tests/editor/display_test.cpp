// The display and render group of the main window: render device, resolution, full screen, colour depth,
// refresh rates, gamma, brightness, contrast and the switches of the three render devices.
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <optional>
#include <tuple>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"

namespace {

// A player file that every group loads without a question or a failure.
const QByteArray kUserIni =
    "[DefaultPlayer]\r\nName=Tester\r\nCharacter=Gorge\r\nteam=0\r\n"
    "[Engine.PlayerController]\r\nDefaultFOV=90\r\nAnnouncerVolume=3\r\n"
    "[XWeapons.BallLauncher]\r\nPriority=13\r\n"
    "[XWeapons.Redeemer]\r\nPriority=1\r\nExchangeFireModes=0\r\n"
    "[XWeapons.Painter]\r\nPriority=2\r\nExchangeFireModes=0\r\n"
    "[XWeapons.TransLauncher]\r\nPriority=3\r\nExchangeFireModes=0\r\n"
    "[XWeapons.ShieldGun]\r\nPriority=4\r\nExchangeFireModes=0\r\n"
    "[XWeapons.AssaultRifle]\r\nPriority=5\r\nExchangeFireModes=0\r\n"
    "[XWeapons.ShockRifle]\r\nPriority=6\r\nExchangeFireModes=0\r\n"
    "[XWeapons.LinkGun]\r\nPriority=7\r\nExchangeFireModes=0\r\n"
    "[XWeapons.BioRifle]\r\nPriority=8\r\nExchangeFireModes=0\r\n"
    "[XWeapons.Minigun]\r\nPriority=9\r\nExchangeFireModes=0\r\n"
    "[XWeapons.FlakCannon]\r\nPriority=10\r\nExchangeFireModes=0\r\n"
    "[XWeapons.RocketLauncher]\r\nPriority=11\r\nExchangeFireModes=0\r\n"
    "[XWeapons.SniperRifle]\r\nPriority=12\r\nExchangeFireModes=0\r\n";

using Keys = std::vector<std::pair<QByteArray, QByteArray>>;
using Sections = std::vector<std::pair<QByteArray, Keys>>;

Sections baseEngine() {
    return {
        {"Engine.Engine", {{"RenderDevice", "D3DDrv.D3DRenderDevice"}}},
        {"WinDrv.WindowsClient",
         {{"FullscreenViewportX", "1024"},
          {"FullscreenViewportY", "768"},
          {"MinDesiredFrameRate", "35.000000"},
          {"StartupFullscreen", "True"},
          {"Gamma", "0.800000"},
          {"Brightness", "0.500000"},
          {"Contrast", "0.700000"},
          {"CaptureMouse", "True"},
          {"UseJoystick", "False"}}},
        {"D3DDrv.D3DRenderDevice",
         {{"DetailTextures", "True"},
          {"HighDetailActors", "True"},
          {"SuperHighDetailActors", "False"},
          {"UsePrecaching", "True"},
          {"UseTrilinear", "True"},
          {"ReduceMouseLag", "True"},
          {"UseTripleBuffering", "False"},
          {"UseCubemaps", "True"},
          {"UseCompressedLightmaps", "True"},
          {"UseStencil", "False"},
          {"Use16bit", "False"},
          {"Use16bitTextures", "False"},
          {"UseVSync", "False"},
          {"UseNPatches", "False"},
          {"CheckForOverflow", "False"},
          {"AvoidHitches", "False"},
          {"DecompressTextures", "False"},
          {"UseXBoxFSAA", "False"},
          {"OverrideDesktopRefreshRate", "False"},
          {"DesiredRefreshRate", "60"}}},
        {"OpenGLDrv.OpenGLRenderDevice",
         {{"DetailTextures", "True"},
          {"HighDetailActors", "True"},
          {"SuperHighDetailActors", "False"},
          {"UsePrecaching", "True"},
          {"UseCompressedLightmaps", "True"},
          {"UseTrilinear", "True"},
          {"UseStencil", "False"},
          {"ReduceMouseLag", "False"}}},
        {"Engine.NullRenderDevice",
         {{"DetailTextures", "False"},
          {"HighDetailActors", "False"},
          {"SuperHighDetailActors", "False"},
          {"UsePrecaching", "False"},
          {"UseCompressedLightmaps", "False"},
          {"UseStencil", "False"}}},
    };
}

// A change to the base engine file: a value for a key (added at the end of its section when the base lacks
// it), or no value to drop the key.
struct Change {
    QByteArray section;
    QByteArray key;
    std::optional<QByteArray> value;
};

QByteArray render(const Sections& sections) {
    QByteArray bytes;
    for (const auto& [name, keys] : sections) {
        bytes += "[" + name + "]\r\n";
        for (const auto& [key, value] : keys) bytes += key + "=" + value + "\r\n";
    }
    return bytes;
}

QByteArray engineWith(const std::vector<Change>& changes) {
    Sections sections = baseEngine();
    for (const Change& change : changes) {
        for (auto& [name, keys] : sections) {
            if (name != change.section) continue;
            auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& kv) { return kv.first == change.key; });
            if (!change.value)
                keys.erase(it);
            else if (it != keys.end())
                it->second = *change.value;
            else
                keys.emplace_back(change.key, *change.value);
        }
    }
    return render(sections);
}

// The lines of one section, header included, up to the next section.
QByteArray sectionOf(const QByteArray& file, const QByteArray& name) {
    const QByteArray header = "[" + name + "]\r\n";
    const qsizetype start = file.indexOf(header);
    if (start < 0) return QByteArray();
    qsizetype end = file.indexOf("\r\n[", start + header.size() - 2);
    end = end < 0 ? file.size() : end + 2;
    return file.mid(start, end - start);
}

// The raw value of a key in a section, or nothing when the key is not there.
std::optional<QByteArray> valueOf(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    for (const QByteArray& line : sectionOf(file, section).split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(key + "=")) return trimmed.mid(key.size() + 1);
    }
    return std::nullopt;
}

const QString kNumericMessage = QStringLiteral("Please Enter Only Numeric Values!!");
const QString kFullScreenMessage = QStringLiteral(
    "A value of 'True' or 'False' needs to be present in the UT2003.ini File ,Please Check [WinDrv.WindowsClient] "
    "KeyValue 'StartupFullScreen'");

}  // namespace

class DisplayTest : public GuiTest {
  protected:
    frmMain* open(const std::vector<Change>& changes = {}) {
        main = openEditor(kUserIni, engineWith(changes));
        return main;
    }
    // Loads the engine file again over what the window shows (no close in between).
    void reopen(const std::vector<Change>& changes) {
        writeFile(engineIni(), engineWith(changes));
        main->OpenINIFiles();
    }
    QByteArray save() {
        main->mnuFileSave_Click();
        return readFile(engineIni());
    }
    int shown(const QString& prompt, int style) const {
        return static_cast<int>(std::count_if(messages.begin(), messages.end(), [&](const ShownMessage& m) {
            return m.prompt == prompt && m.style == style;
        }));
    }
    static QCheckBox* check(const char* name, int i) { return find<QCheckBox>(arrayName(name, i)); }
    static QRadioButton* renderOption(int i) { return find<QRadioButton>(arrayName("optRenderType", i)); }
    static int selectedRenderOption() {
        int selected = -1;
        for (int i = 0; i < 3; ++i)
            if (renderOption(i)->isChecked()) selected = selected < 0 ? i : 99;
        return selected;
    }
    static QString arrayName(const char* name, int i) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
    }

    frmMain* main = nullptr;
};

TEST_F(DisplayTest, DesignStateBeforeAnyLoad) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    ASSERT_NE(window(QStringLiteral("frmMain")), nullptr);

    auto* resolution = find<QComboBox>(QStringLiteral("cboResolution"));
    auto* depth = find<QComboBox>(QStringLiteral("cboColorDepth"));
    EXPECT_EQ(resolution->currentText(), QStringLiteral("Resolution"));
    EXPECT_EQ(resolution->currentIndex(), -1);
    EXPECT_EQ(resolution->count(), 5);
    EXPECT_EQ(resolution->itemText(3), QStringLiteral("1280 x 1024"));
    EXPECT_EQ(depth->currentText(), QStringLiteral("Color Depth"));
    EXPECT_EQ(depth->currentIndex(), -1);
    EXPECT_EQ(depth->itemText(0), QStringLiteral("16-Bit Color"));
    EXPECT_EQ(depth->itemText(1), QStringLiteral("32-Bit Color"));

    struct SliderCase {
        const char* slider;
        const char* readOut;
        int minimum, maximum, tick, position;
    };
    for (const SliderCase& c : {SliderCase{"slideGamma", "lblGamma", 50, 250, 10, 50},
                                SliderCase{"slideBrightness", "lblBrightness", 0, 100, 5, 0},
                                SliderCase{"slideContrast", "lblContrast", 0, 100, 5, 0}}) {
        SCOPED_TRACE(c.slider);
        auto* slider = find<QSlider>(QLatin1String(c.slider));
        EXPECT_EQ(slider->minimum(), c.minimum);
        EXPECT_EQ(slider->maximum(), c.maximum);
        EXPECT_EQ(slider->tickInterval(), c.tick);
        EXPECT_EQ(slider->singleStep(), 1);
        EXPECT_EQ(slider->pageStep(), 5);
        EXPECT_EQ(slider->value(), c.position);
        EXPECT_FALSE(slider->isEnabled());
        auto* readOut = find<QLabel>(QLatin1String(c.readOut));
        EXPECT_EQ(readOut->text(), QStringLiteral("NFO"));
        EXPECT_EQ(readOut->frameShape(), QFrame::Box);
    }

    // Every control of the group is disabled but the two refresh-rate boxes.
    for (const char* name : {"txtMinRefRate", "txtDesiredRefRate"}) {
        auto* box = find<QLineEdit>(QLatin1String(name));
        EXPECT_TRUE(box->isEnabled()) << name;
        EXPECT_TRUE(box->text().isEmpty()) << name;
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{resolution, depth, find<QCheckBox>(QStringLiteral("chkFullScreen"))})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(renderOption(i)->isEnabled());
        EXPECT_FALSE(renderOption(i)->isChecked());
    }
    for (const auto& [name, count] : {std::pair{"chkDefaultVars", 19}, {"chkOpenGL", 8}, {"chkNullDevice", 6}})
        for (int i = 0; i < count; ++i) {
            ASSERT_NE(check(name, i), nullptr) << name << i;
            EXPECT_FALSE(check(name, i)->isEnabled()) << name << i;
            EXPECT_FALSE(check(name, i)->isChecked()) << name << i;
        }

    // Captions and tool tips; the OpenGL and null device boxes share those of the Direct3D box of the same caption.
    struct TextCase {
        QString name;
        QString caption;
        QString tooltip;
    };
    for (const TextCase& c : {
             TextCase{"chkDefaultVars(12)", "Use Vsync", "Click to Dynamically Sync to Monitro Refresh Rate."},
             TextCase{"chkDefaultVars(18)", "Overide Destop Refresh Rate",
                      "Click to use refresh rate below instead of desktop refresh rate."},
             TextCase{"chkOpenGL(4)", "Use Compressed Light Maps", "Click to Use Compressed Light Maps."},
             TextCase{"chkOpenGL(7)", "Reduce Mouse Lag", "Click To Reduce Mouse Lag."},
             TextCase{"chkNullDevice(5)", "Use Stencil", "Click to Use Stencil Buffers."},
             TextCase{"chkFullScreen", "  :: Start Up Full Screen", "Click to start up game in Full Screen Mode"},
         }) {
        auto* box = find<QCheckBox>(c.name);
        ASSERT_NE(box, nullptr) << c.name.toStdString();
        EXPECT_EQ(box->text(), c.caption);
        EXPECT_EQ(box->toolTip(), c.tooltip);
    }
    EXPECT_EQ(renderOption(2)->text(), QStringLiteral("Null Device"));
    EXPECT_EQ(renderOption(2)->toolTip(), QStringLiteral("Use System Render Device"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblTxtDRefRate"))->text(), QStringLiteral("Desired Refresh Rate"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtDesiredRefRate"))->toolTip(),
              QStringLiteral("Desired Refresh Rate (Overide Only)"));
}

// Every control of the group lies inside its frame, overlaps no other control there, and shows its whole text.
TEST_F(DisplayTest, LayoutFitsItsFrames) {
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    auto* mainWindow = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(mainWindow, nullptr);
    for (const char* frameName : {"frameEngineSettings", "frameRenderEngine", "frameRenderVariablesD3D",
                                  "frameOpenGlVars", "frameNullDevice"}) {
        auto* frame = find<QGroupBox>(QLatin1String(frameName));
        ASSERT_NE(frame, nullptr);
        const QRect inside = frame->rect().adjusted(2, 14, -2, -2);
        const QList<QWidget*> children = frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(children.isEmpty()) << frameName;
        for (QWidget* child : children) {
            const std::string name = child->objectName().toStdString();
            EXPECT_TRUE(inside.contains(child->geometry())) << frameName << " " << name;
            for (QWidget* other : children) {
                if (other == child) continue;
                EXPECT_FALSE(child->geometry().intersects(other->geometry())) << name;
            }
            if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
                EXPECT_LE(child->sizeHint().width(), child->width()) << name;
            }
        }
    }
    const QString snapshots = qEnvironmentVariable("CORVANE_SNAPSHOT_DIR");
    if (!snapshots.isEmpty()) {
        mainWindow->SSTab1->setCurrentIndex(6);
        mainWindow->SSTab1->grab().save(snapshots + QStringLiteral("/tab6.png"));
        for (QWidget* w : mainWindow->findChildren<QWidget*>()) w->setEnabled(true);
        mainWindow->SSTab1->grab().save(snapshots + QStringLiteral("/tab6-enabled.png"));
    }
}

TEST_F(DisplayTest, RenderDeviceSelectsOneButtonAndSavesItsClass) {
    struct Case {
        QByteArray file;
        int selected;
        QByteArray saved;  // what the save leaves in the file
    };
    for (const Case& c : {Case{"OpenGLDrv.OpenGLRenderDevice", 0, "OpenGLDrv.OpenGLRenderDevice"},
                          Case{"D3DDrv.D3DRenderDevice", 1, "D3DDrv.D3DRenderDevice"},
                          Case{"Engine.NullRenderDevice", 2, "Engine.NullRenderDevice"},
                          Case{"d3ddrv.d3drenderdevice", -1, "d3ddrv.d3drenderdevice"},
                          Case{"SoftDrv.SoftwareRenderDevice", -1, "SoftDrv.SoftwareRenderDevice"}}) {
        SCOPED_TRACE(c.file.toStdString());
        open({{"Engine.Engine", "RenderDevice", c.file}});
        EXPECT_EQ(selectedRenderOption(), c.selected);
        EXPECT_EQ(valueOf(save(), "Engine.Engine", "RenderDevice"), c.saved);
        unloadAll();
    }
}

TEST_F(DisplayTest, UnrecognisedRenderDeviceKeepsThePreviousChoiceOrNoneAfterAClose) {
    open({{"Engine.Engine", "RenderDevice", "Engine.NullRenderDevice"}});
    renderOption(0)->click();
    EXPECT_EQ(selectedRenderOption(), 0);
    renderOption(0)->click();  // clicking the selected button keeps it selected
    EXPECT_EQ(selectedRenderOption(), 0);

    reopen({{"Engine.Engine", "RenderDevice", "d3ddrv.d3drenderdevice"}});
    EXPECT_EQ(selectedRenderOption(), 0);
    EXPECT_EQ(valueOf(save(), "Engine.Engine", "RenderDevice"), "OpenGLDrv.OpenGLRenderDevice");

    main->CloseINIFiles();
    EXPECT_EQ(selectedRenderOption(), -1);
    reopen({{"Engine.Engine", "RenderDevice", "d3ddrv.d3drenderdevice"}});
    EXPECT_EQ(selectedRenderOption(), -1);
    EXPECT_EQ(valueOf(save(), "Engine.Engine", "RenderDevice"), "d3ddrv.d3drenderdevice");
}

TEST_F(DisplayTest, ResolutionWritesWidthAndHeightOnlyForAListPosition) {
    struct Case {
        QByteArray width;
        int position;
        QString text;
        QByteArray savedX, savedY;
    };
    for (const Case& c :
         {Case{"640", 0, "640 x 480", "640", "480"}, Case{"800", 1, "800 x 600", "800", "600"},
          Case{"1024", 2, "1024 x 768", "1024", "768"}, Case{"1280", 3, "1280 x 1024", "1280", "1024"},
          Case{"1600", 4, "1600 x 1200", "1600", "1200"}, Case{"1152", -1, "Resolution", "1152", "768"}}) {
        SCOPED_TRACE(c.width.toStdString());
        open({{"WinDrv.WindowsClient", "FullscreenViewportX", c.width}});
        auto* combo = find<QComboBox>(QStringLiteral("cboResolution"));
        EXPECT_EQ(combo->currentIndex(), c.position);
        EXPECT_EQ(combo->currentText(), c.text);
        const QByteArray saved = save();
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportX"), c.savedX);
        EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportY"), c.savedY);
        unloadAll();
    }
}

TEST_F(DisplayTest, ResolutionChosenOrTypedByTheUser) {
    open({{"WinDrv.WindowsClient", "FullscreenViewportX", "1152"},
          {"WinDrv.WindowsClient", "FullscreenViewportY", "864"}});
    auto* combo = find<QComboBox>(QStringLiteral("cboResolution"));
    combo->setCurrentIndex(1);
    QByteArray saved = save();
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportX"), "800");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportY"), "600");

    // Text typed over the chosen item is no list position: the file keeps its resolution.
    writeFile(engineIni(), engineWith({{"WinDrv.WindowsClient", "FullscreenViewportX", "1152"},
                                       {"WinDrv.WindowsClient", "FullscreenViewportY", "864"}}));
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("1152 x 864"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("1152 x 864"));
    EXPECT_EQ(combo->count(), 5);
    saved = save();
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportX"), "1152");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "FullscreenViewportY"), "864");
}

TEST_F(DisplayTest, RefreshRateBoxesAcceptOnlyNumbers) {
    struct Case {
        const char* box;
        QByteArray section, key;
        QString typed;
        QString kept;
    };
    const std::vector<Case> cases = {
        {"txtMinRefRate", "WinDrv.WindowsClient", "MinDesiredFrameRate", "60Hz", ""},
        {"txtMinRefRate", "WinDrv.WindowsClient", "MinDesiredFrameRate", "-5", "-5"},
        {"txtMinRefRate", "WinDrv.WindowsClient", "MinDesiredFrameRate", "72.5", "72.5"},
        {"txtMinRefRate", "WinDrv.WindowsClient", "MinDesiredFrameRate", "1e2", "1e2"},
        {"txtMinRefRate", "WinDrv.WindowsClient", "MinDesiredFrameRate", "", ""},
        {"txtDesiredRefRate", "D3DDrv.D3DRenderDevice", "DesiredRefreshRate", "60Hz", ""},
        {"txtDesiredRefRate", "D3DDrv.D3DRenderDevice", "DesiredRefreshRate", "-5", "-5"},
        {"txtDesiredRefRate", "D3DDrv.D3DRenderDevice", "DesiredRefreshRate", "72.5", "72.5"},
        {"txtDesiredRefRate", "D3DDrv.D3DRenderDevice", "DesiredRefreshRate", "1,5", ""},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed.toStdString());
        messages.clear();
        auto* box = find<QLineEdit>(QLatin1String(c.box));
        box->setText(c.typed);
        EXPECT_EQ(box->text(), c.kept);
        EXPECT_EQ(shown(kNumericMessage, 64), c.kept == c.typed ? 0 : 1);
        EXPECT_EQ(messages.size(), c.kept == c.typed ? 0u : 1u);
        EXPECT_EQ(valueOf(save(), c.section, c.key), c.kept.toLatin1());
    }
}

TEST_F(DisplayTest, TypingALetterAfterDigitsEmptiesTheBoxAtOnce) {
    open();
    auto* box = find<QLineEdit>(QStringLiteral("txtDesiredRefRate"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("60H"));
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(shown(kNumericMessage, 64), 1);
    QTest::keyClicks(box, QStringLiteral("75"));
    EXPECT_EQ(box->text(), QStringLiteral("75"));
    EXPECT_EQ(shown(kNumericMessage, 64), 1);
}

TEST_F(DisplayTest, MissingRefreshRates) {
    open({{"WinDrv.WindowsClient", "MinDesiredFrameRate", std::nullopt},
          {"D3DDrv.D3DRenderDevice", "DesiredRefreshRate", std::nullopt}});
    // "NDF" fails the numeric check during the load; the load goes on.
    EXPECT_EQ(shown(kNumericMessage, 64), 1);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtMinRefRate"))->text(), QString());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtDesiredRefRate"))->text(), QStringLiteral("0"));
    const QByteArray saved = save();
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "MinDesiredFrameRate"), QByteArray(""));
    EXPECT_TRUE(sectionOf(saved, "WinDrv.WindowsClient").contains("\r\nMinDesiredFrameRate=\r\n"));
    EXPECT_EQ(valueOf(saved, "D3DDrv.D3DRenderDevice", "DesiredRefreshRate"), "0");
}

TEST_F(DisplayTest, SliderPositionsAndReadOutsFromTheFile) {
    struct Case {
        QByteArray key;
        std::optional<QByteArray> value;
        const char* slider;
        const char* readOut;
        int position;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"Gamma", "1.2", "slideGamma", "lblGamma", 120, "1.2"},
        {"Gamma", "0.625", "slideGamma", "lblGamma", 62, "0.625"},  // halves to the even neighbour
        {"Gamma", "0.875", "slideGamma", "lblGamma", 88, "0.875"},
        {"Gamma", "3", "slideGamma", "lblGamma", 250, "3"},          // above the range: held at the end
        {"Gamma", std::nullopt, "slideGamma", "lblGamma", 50, "0"},  // default below the range
        {"Brightness", "0.800000", "slideBrightness", "lblBrightness", 80, "0.800000"},
        {"Contrast", " 0.45 ", "slideContrast", "lblContrast", 45, "0.45"},
        {"Contrast", "-1", "slideContrast", "lblContrast", 0, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString() + " " + c.value.value_or("(missing)").toStdString());
        open({{"WinDrv.WindowsClient", c.key, c.value}});
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(find<QSlider>(QLatin1String(c.slider))->value(), c.position);
        EXPECT_EQ(find<QLabel>(QLatin1String(c.readOut))->text(), c.shown);
        // Untouched, the file's own text is written back.
        EXPECT_EQ(valueOf(save(), "WinDrv.WindowsClient", c.key), c.shown.toLatin1());
        unloadAll();
    }
}

TEST_F(DisplayTest, MovingASliderShowsAndSavesPositionInHundredths) {
    open({{"WinDrv.WindowsClient", "Gamma", "1.2"}});
    auto* gamma = find<QSlider>(QStringLiteral("slideGamma"));
    gamma->setSliderPosition(135);
    gamma->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblGamma"))->text(), QStringLiteral("1.35"));

    auto* brightness = find<QSlider>(QStringLiteral("slideBrightness"));
    QTest::keyClick(brightness, Qt::Key_Right);  // 50 + 1
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblBrightness"))->text(), QStringLiteral("0.51"));

    auto* contrast = find<QSlider>(QStringLiteral("slideContrast"));
    contrast->setSliderPosition(100);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblContrast"))->text(), QStringLiteral("1"));

    const QByteArray saved = save();
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "Gamma"), "1.35");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "Brightness"), "0.51");
    EXPECT_EQ(valueOf(saved, "WinDrv.WindowsClient", "Contrast"), "1");

    // A position set by the program leaves the read-out as it is.
    contrast->setValue(0);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblContrast"))->text(), QStringLiteral("1"));
}

TEST_F(DisplayTest, GammaThatIsNoNumberEndsTheLoad) {
    open({{"WinDrv.WindowsClient", "Gamma", "abc"}});
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(shown(QStringLiteral("Error Type mismatch At Corvane While Opening File, Your User.ini File May be "
                                   "corrupt or wrong type!!"),
                    16),
              1);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblGamma"))->text(), QStringLiteral("abc"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblContrast"))->text(), QStringLiteral("NFO"));
}

TEST_F(DisplayTest, StartupFullscreen) {
    struct Case {
        std::optional<QByteArray> first;   // a file loaded first, when set
        std::optional<QByteArray> second;  // then this one over it
        bool checked;
        int notices;
        QByteArray saved;
    };
    for (const Case& c :
         {Case{std::nullopt, "True", true, 0, "True"}, Case{std::nullopt, "False", false, 0, "False"},
          Case{std::nullopt, "true", false, 1, "False"}, Case{std::nullopt, std::nullopt, false, 1, "False"},
          Case{"True", "yes", true, 1, "True"}, Case{"True", "False", false, 0, "False"}}) {
        SCOPED_TRACE(c.second.value_or("(missing)").toStdString());
        if (c.first) {
            open({{"WinDrv.WindowsClient", "StartupFullscreen", c.first}});
            reopen({{"WinDrv.WindowsClient", "StartupFullscreen", c.second}});
        } else {
            open({{"WinDrv.WindowsClient", "StartupFullscreen", c.second}});
        }
        EXPECT_TRUE(FileIsOpen);
        EXPECT_EQ(find<QCheckBox>(QStringLiteral("chkFullScreen"))->isChecked(), c.checked);
        EXPECT_EQ(shown(kFullScreenMessage, 0), c.notices);
        EXPECT_EQ(valueOf(save(), "WinDrv.WindowsClient", "StartupFullscreen"), c.saved);
        unloadAll();
        messages.clear();
    }
}

TEST_F(DisplayTest, ColourDepthFollowsUse16bit) {
    struct Case {
        std::optional<QByteArray> first;
        QByteArray use16;
        QString text;
        bool box10;
        QByteArray saved;
    };
    for (const Case& c :
         {Case{std::nullopt, "True", "16-Bit Color", true, "True"},
          Case{std::nullopt, "False", "32-Bit Color", false, "False"},
          Case{std::nullopt, "maybe", "Error !!", false, "False"}, Case{"False", "maybe", "Error !!", false, "False"},
          // The loop clears "Use 16 Bit", and the mirror replaces the error text.
          Case{"True", "maybe", "32-Bit Color", false, "False"}}) {
        SCOPED_TRACE(c.use16.toStdString());
        if (c.first) {
            open({{"D3DDrv.D3DRenderDevice", "Use16bit", c.first}});
            reopen({{"D3DDrv.D3DRenderDevice", "Use16bit", c.use16}});
        } else {
            open({{"D3DDrv.D3DRenderDevice", "Use16bit", c.use16}});
        }
        EXPECT_EQ(find<QComboBox>(QStringLiteral("cboColorDepth"))->currentText(), c.text);
        EXPECT_EQ(check("chkDefaultVars", 10)->isChecked(), c.box10);
        EXPECT_EQ(valueOf(save(), "D3DDrv.D3DRenderDevice", "Use16bit"), c.saved);
        unloadAll();
    }
}

TEST_F(DisplayTest, ColourDepthAndUse16BitMirrorEachOther) {
    open({{"D3DDrv.D3DRenderDevice", "Use16bit", "True"}});
    auto* depth = find<QComboBox>(QStringLiteral("cboColorDepth"));
    QCheckBox* use16 = check("chkDefaultVars", 10);
    use16->click();
    EXPECT_EQ(depth->currentIndex(), 1);
    EXPECT_EQ(depth->currentText(), QStringLiteral("32-Bit Color"));
    EXPECT_EQ(valueOf(save(), "D3DDrv.D3DRenderDevice", "Use16bit"), "False");
    depth->setCurrentIndex(0);
    EXPECT_TRUE(use16->isChecked());
    EXPECT_EQ(valueOf(save(), "D3DDrv.D3DRenderDevice", "Use16bit"), "True");
    // Other boxes leave the list alone.
    check("chkDefaultVars", 11)->click();
    EXPECT_EQ(depth->currentIndex(), 0);
    EXPECT_TRUE(messages.empty());
}

// Every Boolean key of the three device sections is written on every save; only "True" checks a box.
TEST_F(DisplayTest, DeviceSwitchesAreWrittenTrueOrFalseOnEverySave) {
    open({{"D3DDrv.D3DRenderDevice", "DetailTextures", "true"},
          {"D3DDrv.D3DRenderDevice", "UseStencil", "1"},
          {"D3DDrv.D3DRenderDevice", "UseXBoxFSAA", "True"},
          {"D3DDrv.D3DRenderDevice", "UseVSync", std::nullopt},
          {"OpenGLDrv.OpenGLRenderDevice", "ReduceMouseLag", "TRUE"},
          {"Engine.NullRenderDevice", "UseStencil", "True"}});
    EXPECT_FALSE(check("chkDefaultVars", 0)->isChecked());
    EXPECT_TRUE(check("chkDefaultVars", 17)->isChecked());
    check("chkOpenGL", 6)->click();
    check("chkNullDevice", 0)->click();
    const QByteArray saved = save();
    EXPECT_EQ(sectionOf(saved, "D3DDrv.D3DRenderDevice"),
              "[D3DDrv.D3DRenderDevice]\r\nDetailTextures=False\r\nHighDetailActors=True\r\n"
              "SuperHighDetailActors=False\r\nUsePrecaching=True\r\nUseTrilinear=True\r\nReduceMouseLag=True\r\n"
              "UseTripleBuffering=False\r\nUseCubemaps=True\r\nUseCompressedLightmaps=True\r\nUseStencil=False\r\n"
              "Use16bit=False\r\nUse16bitTextures=False\r\nUseNPatches=False\r\nCheckForOverflow=False\r\n"
              "AvoidHitches=False\r\nDecompressTextures=False\r\nUseXBoxFSAA=True\r\n"
              "OverrideDesktopRefreshRate=False\r\nDesiredRefreshRate=60\r\nUseVSync=False\r\n");
    EXPECT_EQ(sectionOf(saved, "OpenGLDrv.OpenGLRenderDevice"),
              "[OpenGLDrv.OpenGLRenderDevice]\r\nDetailTextures=True\r\nHighDetailActors=True\r\n"
              "SuperHighDetailActors=False\r\nUsePrecaching=True\r\nUseCompressedLightmaps=True\r\n"
              "UseTrilinear=True\r\nUseStencil=True\r\nReduceMouseLag=False\r\n");
    EXPECT_EQ(sectionOf(saved, "Engine.NullRenderDevice"),
              "[Engine.NullRenderDevice]\r\nDetailTextures=True\r\nHighDetailActors=False\r\n"
              "SuperHighDetailActors=False\r\nUsePrecaching=False\r\nUseCompressedLightmaps=False\r\n"
              "UseStencil=True\r\n");
    EXPECT_EQ(sectionOf(saved, "Engine.Engine"), "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n");
}

TEST_F(DisplayTest, CloseResetsTheGroupToTheNoFileState) {
    open({{"D3DDrv.D3DRenderDevice", "UseCubemaps", "True"}});
    find<QCheckBox>(QStringLiteral("chkFullScreen"))->setChecked(true);
    main->CloseINIFiles();
    for (const char* name : {"cboResolution", "cboColorDepth"}) {
        auto* combo = find<QComboBox>(QLatin1String(name));
        EXPECT_EQ(combo->currentText(), QStringLiteral("NO File Open")) << name;
        EXPECT_EQ(combo->currentIndex(), -1) << name;
        EXPECT_FALSE(combo->isEnabled()) << name;
    }
    for (const auto& [slider, label, position] :
         {std::tuple{"slideGamma", "lblGamma", 50}, std::tuple{"slideBrightness", "lblBrightness", 0},
          std::tuple{"slideContrast", "lblContrast", 0}}) {
        EXPECT_EQ(find<QSlider>(QLatin1String(slider))->value(), position) << slider;
        EXPECT_FALSE(find<QSlider>(QLatin1String(slider))->isEnabled()) << slider;
        EXPECT_EQ(find<QLabel>(QLatin1String(label))->text(), QStringLiteral("NFO")) << label;
    }
    for (const char* name : {"txtMinRefRate", "txtDesiredRefRate"}) {
        EXPECT_TRUE(find<QLineEdit>(QLatin1String(name))->text().isEmpty()) << name;
        EXPECT_TRUE(find<QLineEdit>(QLatin1String(name))->isEnabled()) << name;
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(selectedRenderOption(), -1);
    // Check boxes keep their values, disabled.
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkFullScreen"))->isChecked());
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chkFullScreen"))->isEnabled());
    EXPECT_TRUE(check("chkDefaultVars", 7)->isChecked());
    EXPECT_FALSE(check("chkDefaultVars", 7)->isEnabled());
    EXPECT_FALSE(check("chkOpenGL", 0)->isEnabled());
    EXPECT_FALSE(renderOption(1)->isEnabled());

    // A width the list does not offer, loaded after the close, leaves the placeholder and the file's keys.
    reopen({{"WinDrv.WindowsClient", "FullscreenViewportX", "1152"}});
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cboResolution"))->currentText(), QStringLiteral("NO File Open"));
    EXPECT_TRUE(find<QComboBox>(QStringLiteral("cboResolution"))->isEnabled());
    EXPECT_EQ(valueOf(save(), "WinDrv.WindowsClient", "FullscreenViewportX"), "1152");
}

// An engine file without any of the group's sections: the save adds them in its own order.
TEST_F(DisplayTest, SaveIntoAnEmptyEngineFileWritesTheKeysInOrder) {
    main = openEditor(kUserIni, QByteArray());
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(shown(kFullScreenMessage, 0), 1);
    EXPECT_EQ(shown(kNumericMessage, 64), 1);
    QByteArray expected =
        "[WinDrv.WindowsClient]\r\nCaptureMouse=False\r\nUseJoystick=True\r\n"
        "StartupFullscreen=False\r\nMinDesiredFrameRate=\r\nGamma=0\r\nBrightness=0\r\nContrast=0\r\n"
        "ScreenFlashes=False\r\nNoLighting=False\r\nDecals=False\r\nCoronas=False\r\n"
        "DecoLayers=False\r\nProjectors=False\r\nNoDynamicLights=False\r\n"
        "[OpenGLDrv.OpenGLRenderDevice]\r\n";
    for (const QString& key : OpenGLKeys) expected += key.toLatin1() + "=False\r\n";
    expected += "[D3DDrv.D3DRenderDevice]\r\n";
    for (const QString& key : D3DKeys) expected += key.toLatin1() + "=False\r\n";
    expected += "DesiredRefreshRate=0\r\n[Engine.NullRenderDevice]\r\n";
    for (const QString& key : NullDeviceKeys) expected += key.toLatin1() + "=False\r\n";
    expected += "[ALAudio.ALAudioSubsystem]\r\n";
    for (const QString& key : SoundKeys) expected += key.toLatin1() + "=False\r\n";
    expected += "MusicVolume=0\r\nSoundVolume=0\r\n";
    EXPECT_EQ(save(), expected);
}
