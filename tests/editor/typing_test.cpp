// What the user types or the file holds stays as it is: text typed into the nine editable lists is neither
// completed nor matched to an item, and slider values far outside a slider's range load and are saved back.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "editor/GroupControls.h"
#include "editor/frmMain.h"

using TypingTest = GuiTest;

// Each list's text is typed over, the edit finished by Tab (the focus leaves), by Enter or not at all. The text
// stays as typed and no list position is chosen, so the colour depth's click (which sets "Use 16 Bit") does not
// run. The save writes a texture list's text as typed; the resolution and the colour depth need a list position,
// so the file keeps its 1024 x 768 and its "Use16bit".
TEST_F(TypingTest, TypedTextStaysAsTyped) {
    frmMain* main = openEditor(quietPlayerFile(), quietEngineFile());
    QApplication::setActiveWindow(main);
    const std::tuple<const char*, const char*, Qt::Key> lists[] = {
        {"cboTexDetail(0)", "High", Qt::Key_Tab},         {"cboTexDetail(1)", "normal", Qt::Key_Return},
        {"cboTexDetail(2)", "Hi", Qt::Key_Tab},           {"cboTexDetail(3)", "8", Qt::Key_unknown},
        {"cboTexDetail(4)", "Lower", Qt::Key_Return},     {"cboTexDetail(5)", "Ultra", Qt::Key_Return},
        {"cboTexDetail(6)", "UltraLow", Qt::Key_unknown}, {"cboResolution", "800 x 600", Qt::Key_Return},
        {"cboColorDepth", "16-Bit Color", Qt::Key_Tab}};
    for (const auto& [name, typed, finish] : lists) {
        SCOPED_TRACE(name);
        auto* list = control<QComboBox>(name);
        if (!list) continue;
        const int position = list->currentIndex();
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
        if (finish != Qt::Key_unknown) QTest::keyClick(list->lineEdit(), finish);
        EXPECT_EQ(list->currentText(), typed);
        EXPECT_EQ(list->currentIndex(), position);
        EXPECT_EQ(editor::listPosition(list), -1);
        EXPECT_FALSE(find<QCheckBox>("chkDefaultVars(10)")->isChecked());
    }
    main->mnuFileSave_Click();
    const QByteArray engine = readFile(engineIni());
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(iniValue(engine, "WinDrv.WindowsClient", TextureDetailKeys[i].toLatin1()), std::get<1>(lists[i]));
    EXPECT_EQ(sectionLines(engine, "WinDrv.WindowsClient", {"FullscreenViewportX", "FullscreenViewportY"}),
              QList<QByteArray>({"FullscreenViewportX=1024", "FullscreenViewportY=768"}));
    EXPECT_EQ(iniValue(engine, "D3DDrv.D3DRenderDevice", "Use16bit"), "False");
    EXPECT_TRUE(messages.empty());
}

// Values far outside their slider's range load: the slider stands at its nearer end, the read-out keeps the
// file's text, and an untouched save writes the text back unchanged.
TEST_F(TypingTest, SliderValuesOfAnySizeLoadAndStay) {
    const QByteArray client = "WinDrv.WindowsClient", sound = "ALAudio.ALAudioSubsystem";
    // The section, the key, its value, the slider's and the label's name after "slide" and "lbl", the position.
    const std::tuple<QByteArray, QByteArray, QByteArray, QString, int> cases[] = {
        {client, "Gamma", "30000000", "Gamma", 250},
        {client, "Contrast", "-1e15", "Contrast", 0},
        {client, "Brightness", "1e300", "Brightness", 100},
        {sound, "MusicVolume", "1e9", "Music", 100},
        {sound, "SoundVolume", "21474836.48", "Effects", 100}};
    QByteArray engine = quietEngineFile();
    for (const auto& [section, key, value, name, position] : cases)
        ASSERT_TRUE(replaceIniValue(engine, section, key, value));
    frmMain* main = openEditor(quietPlayerFile("[Engine.PlayerController]\r\nAnnouncerVolume=1e10\r\n"), engine);
    EXPECT_TRUE(FileIsOpen && messages.empty());
    main->mnuFileSave_Click();
    for (const auto& [section, key, value, name, position] : cases) {
        if (!control<QSlider>("slide" + name) || !control<QLabel>("lbl" + name)) continue;
        EXPECT_EQ(find<QSlider>("slide" + name)->value(), position) << key.toStdString();
        EXPECT_EQ(find<QLabel>("lbl" + name)->text(), QString(value));
        EXPECT_EQ(iniValue(readFile(engineIni()), section, key), value);
    }
    EXPECT_EQ(find<QSlider>("slideAnnouncer")->value(), 4);
    EXPECT_EQ(find<QLabel>("lblAnnouncer")->text(), "1e10");
    EXPECT_EQ(iniValue(readFile(userIni()), "Engine.PlayerController", "AnnouncerVolume"), "1e10");
}
