// What the user types or the file holds stays as it is: text typed into the editable pick lists is neither
// completed nor matched to an item, and slider values far outside a slider's range load and are saved back.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/Controls.h"
#include "editor/frmMain.h"

namespace {

const QByteArray kClient = "WinDrv.WindowsClient", kSound = "ALAudio.ALAudioSubsystem";

}  // namespace

class TypingTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = openEditor(quietPlayerFile(), quietEngineFile());
        ASSERT_TRUE(main && FileIsOpen);
        QApplication::setActiveWindow(main);
    }
    QByteArray save() {
        main->mnuFileSave_Click();
        return readFile(engineIni());
    }
    frmMain* main = nullptr;
};

// Each list's text is replaced by typing, and the edit is finished by Tab (the focus leaves), by Enter or not at
// all. The text stays as typed, no list position is chosen (so "Use 16 Bit" keeps its state: the colour-depth
// list's click did not run), and the save writes what the group writes for typed text.
TEST_F(TypingTest, TypedTextStaysAsTyped) {
    struct Case {
        const char* list;
        const char* typed;
        Qt::Key finish;
        QByteArray key;
        std::optional<QByteArray> saved;  // none: the key is not written
    };
    const Case cases[] = {
        // A texture detail list writes its text, whatever it is.
        {"cboTexDetail(4)", "Hi", Qt::Key_Tab, "TextureDetailWorld", "Hi"},
        {"cboTexDetail(3)", "normal", Qt::Key_Return, "TextureDetailPlayerSkin", "normal"},
        {"cboTexDetail(0)", "High", Qt::Key_Tab, "TextureDetailInterface", "High"},
        // The resolution list writes only a list position: typed text leaves the file's 1024 x 768.
        {"cboResolution", "8", Qt::Key_Tab, "FullscreenViewportX", "1024"},
        {"cboResolution", "800 x 600", Qt::Key_Return, "FullscreenViewportY", "768"},
        {"cboResolution", "640 x 480", Qt::Key_unknown, "FullscreenViewportX", "1024"},
        // The colour depth is written from "Use 16 Bit", which typing does not touch.
        {"cboColorDepth", "16-Bit Color", Qt::Key_Tab, "Use16bit", "False"},
        {"cboColorDepth", "16", Qt::Key_Return, "Use16bit", "False"},
    };
    auto* use16 = find<QCheckBox>("chkDefaultVars(10)");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        auto* list = find<QComboBox>(c.list);
        const int position = list->currentIndex();
        list->setFocus();
        QLineEdit* edit = list->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, c.typed);
        if (c.finish != Qt::Key_unknown) QTest::keyClick(edit, c.finish);
        EXPECT_EQ(list->currentText().toStdString(), c.typed);
        EXPECT_EQ(list->currentIndex(), position);
        EXPECT_EQ(groupcontrols::listPosition(list), -1);
        EXPECT_FALSE(use16->isChecked());
        const QByteArray section = c.key == "Use16bit" ? "D3DDrv.D3DRenderDevice" : kClient;
        EXPECT_EQ(iniValue(save(), section, c.key), c.saved);
    }
    EXPECT_TRUE(messages.empty());
}

// A value far outside its slider's range loads: the slider stands at its nearer end, the read-out keeps the
// file's text, and an untouched save writes the text back unchanged.
TEST_F(TypingTest, SliderValuesOfAnySizeLoadAndStay) {
    struct Case {
        QByteArray section, key, value;
        const char* slider;
        const char* readOut;
        int position;
        bool playerFile = false;
    };
    const Case cases[] = {
        {kClient, "Gamma", "30000000", "slideGamma", "lblGamma", 250},
        {kClient, "Contrast", "-1e15", "slideContrast", "lblContrast", 0},
        {kClient, "Brightness", "1e300", "slideBrightness", "lblBrightness", 100},
        {kSound, "MusicVolume", "1e9", "slideMusic", "lblMusic", 100},
        {kSound, "SoundVolume", "21474836.48", "slideEffects", "lblEffects", 100},
        {"Engine.PlayerController", "AnnouncerVolume", "1e10", "slideAnnouncer", "lblAnnouncer", 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        unloadAll();
        messages.clear();
        QByteArray engine = quietEngineFile(), player = quietPlayerFile();
        if (c.playerFile)
            player = quietPlayerFile("[" + c.section + "]\r\n" + c.key + "=" + c.value + "\r\n");
        else
            ASSERT_TRUE(replaceIniValue(engine, c.section, c.key, c.value));
        main = openEditor(player, engine);
        EXPECT_TRUE(FileIsOpen && messages.empty());
        EXPECT_EQ(find<QSlider>(c.slider)->value(), c.position);
        EXPECT_EQ(find<QLabel>(c.readOut)->text(), QString(c.value));
        main->mnuFileSave_Click();
        EXPECT_EQ(iniValue(readFile(c.playerFile ? userIni() : engineIni()), c.section, c.key), c.value);
    }
}
