// The input group: 199 boxes bound to the keys of section "Engine.Input" of the player file.
#include <QGroupBox>
#include <QLineEdit>

#include "GuiTest.h"
#include "IniText.h"
#include "editor/frmMain.h"

namespace {

// The 199 keys in the order that the save writes them, spelled as the game spells them ("home" in lower case);
// written out rather than taken from the start-up's tables, so that a changed table shows up as a failure.
QList<QByteArray> keysInSaveOrder() {
    QList<QByteArray> keys;
    for (int i = 0; i < 40; ++i) keys << "Aliases[" + QByteArray::number(i) + "]";
    for (int i = 0; i < 10; ++i) keys << QByteArray::number(i);
    for (int i = 1; i <= 24; ++i) keys << "F" + QByteArray::number(i);
    for (char letter = 'A'; letter <= 'Z'; ++letter) keys << QByteArray(1, letter);
    keys +=
        QByteArray(
            "Alt Attn Backslash Backspace Cancel CapsLock Comma CrSel Ctrl Delete Down End Enter Equals Escape "
            "ErEof Execute ExSel GreySlash GreyStar Help home Insert LControl Left LeftBracket LShift Minus NoName "
            "None OemClear PA1 PageDown PageUp Pause Period Play Print PrintScrn RControl Right RightBracket RShift "
            "ScrollLock Select Semicolon Separator Shift SingleQuote Slash Space Tab Tilde Up Zoom LeftMouse "
            "MiddleMouse RightMouse MouseWheelDown MouseWheelUp MouseX MouseY MouseZ NumLock NumPad0 NumPad1 "
            "NumPad2 NumPad3 NumPad4 NumPad5 NumPad6 NumPad7 NumPad8 NumPad9 NumPadPeriod")
            .split(' ');
    for (int i = 1; i <= 16; ++i) keys << "Joy" + QByteArray::number(i);
    return keys + QByteArray("JoyX JoyY JoyZ JoyR JoyU JoyV JoySlider1 JoySlider2").split(' ');
}

// A value of its own for every key but two left empty.
QByteArray valueOf(const QByteArray& key) {
    return key == "F5" || key == "Aliases[3]" ? "" : "value of " + key;
}

}  // namespace

class InputTest : public GuiTest {
  protected:
    // The boxes, in the save's order of their keys.
    static std::vector<QLineEdit*> boxesInSaveOrder() {
        const std::pair<const char*, int> arrays[] = {
            {"txtAlias", 40},       {"txtNumbers", 10},     {"txtFunctionKeys", 24}, {"txtKeyLetters", 26},
            {"txtKeyboardOth", 55}, {"txtMouseButtons", 8}, {"txtNumPad", 12},       {"txtJoyStick", 24}};
        std::vector<QLineEdit*> boxes;
        for (const auto& [name, count] : arrays)
            for (int i = 0; i < count; ++i) boxes.push_back(find<QLineEdit>(QStringLiteral("%1(%2)").arg(name).arg(i)));
        return boxes;
    }
    QByteArray savedSection(frmMain* main) {
        main->mnuFileSave_Click();
        return sectionText(readFile(userIni()), "Engine.Input");
    }
};

// A file without "Engine.Input" (its boxes show "No Data Found!!"): the save writes that text into every key, the
// section added at the end of the file with its keys in the save's order.
TEST_F(InputTest, FileWithoutTheSectionGetsItAtItsEndInSaveOrder) {
    frmMain* main = openEditor(quietPlayerFile(), quietEngineFile());
    QByteArray expected = "[Engine.Input]\r\n";
    for (const QByteArray& key : keysInSaveOrder()) expected += key + "=No Data Found!!\r\n";
    main->mnuFileSave_Click();
    EXPECT_TRUE(readFile(userIni()).endsWith("\r\n" + expected));
    EXPECT_TRUE(messages.empty());
}

// Keys listed backwards, "home" spelled "HOME", two values empty: every box shows its own key's value, an
// untouched save keeps every byte, and an edit changes exactly its line. A character outside the game files'
// code page fails the save with its message, is never written as "?", and the key keeps its value.
TEST_F(InputTest, EveryBoxShowsItsKeyAndAnEditChangesExactlyItsLine) {
    QByteArray section = "[Engine.Input]\r\n";
    const QList<QByteArray> keys = keysInSaveOrder();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        section += (*key == "home" ? "HOME" : *key) + "=" + valueOf(*key) + "\r\n";
    frmMain* main = openEditor(quietPlayerFile(section), quietEngineFile());
    const std::vector<QLineEdit*> boxes = boxesInSaveOrder();
    ASSERT_EQ(boxes.size(), static_cast<std::size_t>(keys.size()));
    for (qsizetype i = 0; i < keys.size(); ++i)
        EXPECT_EQ(boxes[static_cast<std::size_t>(i)]->text(), QString::fromLatin1(valueOf(keys[i])));
    EXPECT_TRUE(sameBytes(savedSection(main), section + "\r\n"));

    find<QLineEdit>(QStringLiteral("txtKeyboardOth(21)"))->setText(QStringLiteral("Duck"));
    section.replace("\nHOME=value of home\r\n", "\nHOME=Duck\r\n");
    EXPECT_TRUE(sameBytes(savedSection(main), section + "\r\n"));

    find<QLineEdit>(QStringLiteral("txtAlias(7)"))->setText(QStringLiteral("say \u4f60\u597d"));
    EXPECT_TRUE(sameBytes(savedSection(main), section + "\r\n"));
    EXPECT_FALSE(readFile(userIni()).contains('?'));
    EXPECT_EQ(messages.size(), 1u);
}
