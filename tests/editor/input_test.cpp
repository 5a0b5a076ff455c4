// The input group: 199 boxes bound to the keys of section "Engine.Input" of the player file.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <vector>

#include "GuiTest.h"
#include "editor/InputGroup.h"
#include "editor/frmMain.h"

namespace {

const QByteArray kSentinel = "No Data Found!!";

// The player file's other sections, with values that every other group loads without a question.
QByteArray userFile(const QByteArray& inputSection) {
    QByteArray bytes = "[DefaultPlayer]\r\nName=Tester\r\nCharacter=Gorge\r\nteam=0\r\n";
    bytes += "[XWeapons.BallLauncher]\r\nPriority=13\r\n";
    const char* weapons[] = {"Redeemer", "Painter",  "TransLauncher", "ShieldGun",  "AssaultRifle",   "ShockRifle",
                             "LinkGun",  "BioRifle", "Minigun",       "FlakCannon", "RocketLauncher", "SniperRifle"};
    int priority = 1;
    for (const char* weapon : weapons)
        bytes += QByteArray("[XWeapons.") + weapon + "]\r\nPriority=" + QByteArray::number(priority++) +
                 "\r\nExchangeFireModes=0\r\n";
    return bytes + inputSection;
}

// The 199 keys in the order that the save writes them, spelled as the game spells them ("home" in lower case).
// Written out here rather than taken from the start-up's tables, so that a test can build a file before the
// start-up ran and a changed table shows up as a failure.
std::vector<QString> keysInSaveOrder() {
    std::vector<QString> keys;
    for (int i = 0; i < 40; ++i) keys.push_back(QStringLiteral("Aliases[%1]").arg(i));
    for (int i = 0; i < 10; ++i) keys.push_back(QString::number(i));
    for (int i = 1; i <= 24; ++i) keys.push_back(QStringLiteral("F%1").arg(i));
    for (char letter = 'A'; letter <= 'Z'; ++letter) keys.push_back(QString(QChar(letter)));
    const char* named =
        "Alt Attn Backslash Backspace Cancel CapsLock Comma CrSel Ctrl Delete Down End Enter Equals Escape ErEof "
        "Execute ExSel GreySlash GreyStar Help home Insert LControl Left LeftBracket LShift Minus NoName None "
        "OemClear PA1 PageDown PageUp Pause Period Play Print PrintScrn RControl Right RightBracket RShift "
        "ScrollLock Select Semicolon Separator Shift SingleQuote Slash Space Tab Tilde Up Zoom "
        "LeftMouse MiddleMouse RightMouse MouseWheelDown MouseWheelUp MouseX MouseY MouseZ "
        "NumLock NumPad0 NumPad1 NumPad2 NumPad3 NumPad4 NumPad5 NumPad6 NumPad7 NumPad8 NumPad9 NumPadPeriod";
    for (const QString& key : QString::fromLatin1(named).split(QChar(' '))) keys.push_back(key);
    for (int i = 1; i <= 16; ++i) keys.push_back(QStringLiteral("Joy%1").arg(i));
    for (const char* axis : {"JoyX", "JoyY", "JoyZ", "JoyR", "JoyU", "JoyV", "JoySlider1", "JoySlider2"})
        keys.push_back(QLatin1String(axis));
    return keys;
}

// The lines of one section, its header included, up to the next header.
QByteArray sectionText(const QByteArray& file, const QByteArray& name) {
    const QByteArray header = "[" + name + "]";
    const qsizetype start = file.indexOf(header);
    if (start < 0) return QByteArray();
    qsizetype end = file.indexOf("\n[", start);
    return file.mid(start, end < 0 ? -1 : end + 1 - start);
}

// A section holding every key with a value of its own, listed backwards and with some names in another case.
QByteArray fullSection() {
    QByteArray bytes = "[Engine.Input]\r\n";
    const std::vector<QString> keys = keysInSaveOrder();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        QByteArray name = key->toLatin1();
        if (name == "home" || name == "Aliases[7]" || name == "NumPad0") name = name.toUpper();
        bytes += name + "=value of " + key->toLatin1() + "\r\n";
    }
    return bytes;
}

class InputTest : public GuiTest {
  protected:
    // The boxes by name, in the same order.
    static std::vector<QLineEdit*> boxesInSaveOrder() {
        const std::pair<const char*, int> arrays[] = {
            {"txtAlias", 40},       {"txtNumbers", 10},     {"txtFunctionKeys", 24}, {"txtKeyLetters", 26},
            {"txtKeyboardOth", 55}, {"txtMouseButtons", 8}, {"txtNumPad", 12},       {"txtJoyStick", 24}};
        std::vector<QLineEdit*> boxes;
        for (const auto& [name, count] : arrays)
            for (int i = 0; i < count; ++i) boxes.push_back(find<QLineEdit>(QStringLiteral("%1(%2)").arg(name).arg(i)));
        return boxes;
    }
};

TEST_F(InputTest, MissingSectionShowsTheSentinelAndTheSaveAppendsItInSaveOrder) {
    frmMain* main = openEditor(userFile(""), "");
    ASSERT_NE(main, nullptr);
    const std::vector<QLineEdit*> boxes = boxesInSaveOrder();
    ASSERT_EQ(boxes.size(), 199u);
    for (QLineEdit* box : boxes) {
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromLatin1(kSentinel)) << box->objectName().toStdString();
    }

    main->mnuFileSave_Click();
    QByteArray appended = "\r\n[Engine.Input]\r\n";
    for (const QString& key : keysInSaveOrder()) appended += key.toLatin1() + "=" + kSentinel + "\r\n";
    const QByteArray saved = readFile(userIni());
    EXPECT_TRUE(saved.endsWith(appended)) << saved.right(400).toStdString();
    EXPECT_EQ(saved.count("[Engine.Input]"), 1);
}

TEST_F(InputTest, EveryBoxShowsItsOwnKeyAndAnEditChangesOnlyItsLine) {
    const QByteArray section = fullSection();
    frmMain* main = openEditor(userFile(section) + "[Engine.Hud]\r\nbHideHud=False\r\n", "");
    ASSERT_NE(main, nullptr);
    const std::vector<QString> keys = keysInSaveOrder();
    const std::vector<QLineEdit*> boxes = boxesInSaveOrder();
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(boxes[i]->text(), QStringLiteral("value of ") + keys[i]) << boxes[i]->objectName().toStdString();

    // Saved untouched, the section keeps every byte: names in the file's own case, the file's order.
    main->mnuFileSave_Click();
    EXPECT_EQ(sectionText(readFile(userIni()), "Engine.Input"), section);

    struct Edit {
        const char* box;
        QString text;
        QByteArray oldLine;
        QByteArray newLine;
    };
    const Edit edits[] = {
        {"txtAlias(7)", QStringLiteral("Say hi | Jump"), "ALIASES[7]=value of Aliases[7]", "ALIASES[7]=Say hi | Jump"},
        {"txtNumbers(0)", QString(), "0=value of 0", "0="},
        {"txtKeyboardOth(21)", QStringLiteral("Duck"), "HOME=value of home", "HOME=Duck"},
        {"txtNumPad(1)", QStringLiteral("  padded  "), "NUMPAD0=value of NumPad0", "NUMPAD0=  padded  "},
        {"txtJoyStick(23)", QStringLiteral("Say caf\u00e9 \u20ac5"), "JoySlider2=value of JoySlider2",
         "JoySlider2=Say caf\xe9 \x80"
         "5"},
    };
    QByteArray expected = section;
    for (const Edit& edit : edits) {
        find<QLineEdit>(QLatin1String(edit.box))->setText(edit.text);
        expected.replace("\r\n" + edit.oldLine + "\r\n", "\r\n" + edit.newLine + "\r\n");
    }
    main->mnuFileSave_Click();
    EXPECT_EQ(sectionText(readFile(userIni()), "Engine.Input"), expected);
    EXPECT_EQ(readFile(userIni()).count("[Engine.Input]"), 1);
}

TEST_F(InputTest, HomeIsMatchedInAnyCaseAndKeepsTheFilesSpelling) {
    frmMain* main = openEditor(userFile("[Engine.Input]\r\nHome=Jump\r\nEnd=Crouch\r\n"), "");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblTxtKeyOth(21)"))->text(), QStringLiteral("home"));
    QLineEdit* home = find<QLineEdit>(QStringLiteral("txtKeyboardOth(21)"));
    EXPECT_EQ(home->text(), QStringLiteral("Jump"));
    home->setText(QStringLiteral("Duck"));
    main->mnuFileSave_Click();
    const QByteArray section = sectionText(readFile(userIni()), "Engine.Input");
    EXPECT_TRUE(section.startsWith("[Engine.Input]\r\nHome=Duck\r\nEnd=Crouch\r\nAliases[0]=No Data Found!!\r\n"))
        << section.left(200).toStdString();
    EXPECT_FALSE(section.contains("\nhome="));
}

TEST_F(InputTest, EmptyValuesStayEmptyAcrossSaveAndReload) {
    frmMain* main = openEditor(userFile("[Engine.Input]\r\nAliases[3]=\r\nF5=\r\nJoyX=\r\n"), "");
    ASSERT_NE(main, nullptr);
    const char* emptyBoxes[] = {"txtAlias(3)", "txtFunctionKeys(4)", "txtJoyStick(16)"};
    for (const char* name : emptyBoxes) EXPECT_EQ(find<QLineEdit>(QLatin1String(name))->text(), QString()) << name;
    // A key that was missing, emptied by the user, is added with an empty value.
    find<QLineEdit>(QStringLiteral("txtNumbers(4)"))->setText(QString());
    main->mnuFileSave_Click();
    const QByteArray section = sectionText(readFile(userIni()), "Engine.Input");
    EXPECT_TRUE(section.startsWith("[Engine.Input]\r\nAliases[3]=\r\nF5=\r\nJoyX=\r\nAliases[0]=No Data Found!!\r\n"))
        << section.left(200).toStdString();
    EXPECT_TRUE(section.contains("\r\n4=\r\n"));

    main->CloseINIFiles();
    main->OpenINIFiles();
    for (const char* name : {"txtAlias(3)", "txtFunctionKeys(4)", "txtJoyStick(16)", "txtNumbers(4)"})
        EXPECT_EQ(find<QLineEdit>(QLatin1String(name))->text(), QString()) << name;
}

// A character that the game files' code page cannot hold fails the save with its message; it is never
// written as "?", and the key keeps its old value.
TEST_F(InputTest, ACharacterOutsideTheCodePageFailsTheSave) {
    const QByteArray section = fullSection();
    const std::pair<const char*, QString> cases[] = {
        {"txtAlias(3)", QStringLiteral("say \u4f60\u597d")},
        {"txtJoyStick(5)", QStringLiteral("Fire \U0001F600")},
    };
    for (const auto& [box, text] : cases) {
        messages.clear();
        frmMain* main = openEditor(userFile(section), "");
        ASSERT_NE(main, nullptr);
        find<QLineEdit>(QLatin1String(box))->setText(text);
        messages.clear();
        main->mnuFileSave_Click();
        ASSERT_EQ(messages.size(), 1u) << box;
        EXPECT_EQ(messages[0].prompt,
                  QStringLiteral("Error Invalid procedure call or argument - Corvane While Trying To Save File!\r Make "
                                 "Sure File is a Valid User.ini or User.ini Type File!"));
        EXPECT_EQ(messages[0].style, 64);
        const QByteArray saved = readFile(userIni());
        EXPECT_EQ(sectionText(saved, "Engine.Input"), section) << box;
        EXPECT_FALSE(saved.contains('?')) << box;
        unloadAll();
    }
}

TEST_F(InputTest, BoxesShowNoFileOpenBeforeALoadAndAfterTheCloseAndStayEnabled) {
    runMain();
    std::vector<QLineEdit*> boxes = boxesInSaveOrder();
    for (QLineEdit* box : boxes) {
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("NO File Open"));
        EXPECT_TRUE(box->isEnabled());
    }
    unloadAll();

    frmMain* main = openEditor(userFile(fullSection()), "");
    ASSERT_NE(main, nullptr);
    main->CloseINIFiles();
    for (QLineEdit* box : boxesInSaveOrder()) {
        EXPECT_EQ(box->text(), QStringLiteral("NO File Open")) << box->objectName().toStdString();
        EXPECT_TRUE(box->isEnabled());
    }
}

// Frames on their tabs, every label beside its box on one row, nothing overlapping or cut off.
TEST_F(InputTest, LayoutPlacesEveryRowInsideItsFrameWithoutOverlap) {
    runMain();
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    ASSERT_NE(main, nullptr);
    main->show();  // lays the tabs out at their real size

    struct FrameCase {
        const char* name;
        int tab;
        const char* caption;
        const char* tooltip;
    };
    const FrameCase frames[] = {
        {"frameNumbers", 1, "Number Keys", "Number Key Binds"},
        {"frameFunctionKeys", 1, "Function Keys", "Function Key Binds"},
        {"frameNumPad", 1, "NumPad Keys", "NumPad Key Binds"},
        {"framKeyboard1", 1, "Keyboard Letters", "Keyboard Letter Binds"},
        {"frameKeyboardOthers", 2, "Keyboard Keys (Non-Letters)", "Non-Letter Keyboard Binds"},
        {"frameJoyStick", 3, "Joy Stick", "Joystick Binds"},
        {"frameMouse", 3, "Mouse Buttons", "Mouse Binds"},
        {"frameAlias", 4, "Alias Setup 1", "Alias 0 - 19 Setup / Bind Commands"},
        {"frameAlias2", 5, "Alias Setup 2", "Alias 20 - 39 Setup / Bind Commands"},
    };
    for (const FrameCase& c : frames) {
        auto* frame = find<QGroupBox>(QLatin1String(c.name));
        ASSERT_NE(frame, nullptr) << c.name;
        EXPECT_EQ(frame->parentWidget(), main->tabPages[static_cast<std::size_t>(c.tab)]) << c.name;
        EXPECT_EQ(frame->title(), QLatin1String(c.caption));
        EXPECT_EQ(frame->toolTip(), QLatin1String(c.tooltip));
        EXPECT_TRUE(frame->font().bold()) << c.name;
        const QList<QWidget*> children = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            EXPECT_TRUE(QRect(2, 16, frame->width() - 4, frame->height() - 18).contains(child->geometry()))
                << child->objectName().toStdString();
            child->ensurePolished();
            EXPECT_FALSE(child->font().bold()) << child->objectName().toStdString();
            for (QWidget* other : children)
                EXPECT_TRUE(child == other || !child->geometry().intersects(other->geometry()))
                    << child->objectName().toStdString() << " / " << other->objectName().toStdString();
        }
    }
    // Frames and pictures of one tab keep apart, inside the page.
    for (std::size_t tab = 1; tab <= 5; ++tab) {
        main->SSTab1->setCurrentIndex(static_cast<int>(tab));
        QWidget* page = main->tabPages[tab];
        EXPECT_GE(page->width(), 785);
        EXPECT_GE(page->height(), 459);
        const QList<QWidget*> items = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        EXPECT_GE(items.size(), 2);
        for (QWidget* item : items) {
            EXPECT_TRUE(QRect(QPoint(0, 0), page->size()).contains(item->geometry()))
                << item->objectName().toStdString();
            for (QWidget* other : items)
                EXPECT_TRUE(item == other || !item->geometry().intersects(other->geometry()))
                    << item->objectName().toStdString() << " / " << other->objectName().toStdString();
        }
    }
    const std::pair<const char*, int> pictures[] = {{"picKey(0)", 1}, {"picKey(1)", 2}, {"picJoy", 3},
                                                    {"Picture2", 3},  {"picKey(2)", 4}, {"picKey(3)", 5}};
    for (const auto& [name, tab] : pictures) {
        auto* picture = find<QLabel>(QLatin1String(name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->parentWidget(), main->tabPages[static_cast<std::size_t>(tab)]) << name;
        EXPECT_EQ(picture->size(), QSize(52, 52)) << name;
    }
    EXPECT_EQ(find<QLabel>(QStringLiteral("Picture2"))->x(), 528);

    // Every label sits on its box's row, to its left; the captions are the key names.
    const std::pair<const char*, const char*> arrays[] = {
        {"txtAlias", "lblTxtAlias"},       {"txtNumbers", "lblTxtNumbers"},    {"txtFunctionKeys", "lblTxtFunc"},
        {"txtKeyLetters", "lblTxtLetter"}, {"txtKeyboardOth", "lblTxtKeyOth"}, {"txtMouseButtons", "lblTxtMouse"},
        {"txtNumPad", "lblTxtNumPad"},     {"txtJoyStick", "lblJoyStick"}};
    const std::vector<QString> keys = keysInSaveOrder();
    std::size_t k = 0;
    for (const auto& [boxName, labelName] : arrays) {
        for (int i = 0; find<QLineEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(boxName)).arg(i)); ++i, ++k) {
            auto* box = find<QLineEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(boxName)).arg(i));
            auto* label = find<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(labelName)).arg(i));
            ASSERT_NE(label, nullptr) << labelName << i;
            EXPECT_EQ(label->parentWidget(), box->parentWidget());
            EXPECT_EQ(label->y(), box->y());
            EXPECT_LT(label->geometry().right(), box->x());
            EXPECT_GE(box->width(), 80) << box->objectName().toStdString();
            if (QLatin1String(boxName) != QLatin1String("txtAlias")) {
                EXPECT_EQ(label->text(), keys[k]);
            }
        }
    }
    EXPECT_EQ(k, 199u);
    const std::pair<const char*, const char*> captions[] = {
        {"lblTxtAlias(0)", "Aliases[0]="}, {"lblTxtAlias(1)", "Aliases[1] ="}, {"lblTxtAlias(39)", "Aliases[39] ="}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(find<QLabel>(QLatin1String(name))->text(), QLatin1String(caption));
        EXPECT_EQ(find<QLabel>(QLatin1String(name))->frameShape(), QFrame::Box);
    }

    // The columns: where a column ends, the next begins at the top.
    struct Column {
        const char* last;
        const char* next;
    };
    const Column columns[] = {
        {"txtFunctionKeys(11)", "txtFunctionKeys(12)"}, {"txtKeyLetters(5)", "txtKeyLetters(6)"},
        {"txtKeyLetters(23)", "txtKeyLetters(24)"},     {"txtKeyboardOth(17)", "txtKeyboardOth(18)"},
        {"txtKeyboardOth(35)", "txtKeyboardOth(36)"},   {"txtJoyStick(11)", "txtJoyStick(12)"}};
    for (const Column& c : columns) {
        auto* last = find<QLineEdit>(QLatin1String(c.last));
        auto* next = find<QLineEdit>(QLatin1String(c.next));
        EXPECT_GT(next->x(), last->x()) << c.next;
        EXPECT_LT(next->y(), last->y()) << c.next;
    }
    // The third column of the other keys holds entries 36 to 54.
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtKeyboardOth(54)"))->x(),
              find<QLineEdit>(QStringLiteral("txtKeyboardOth(36)"))->x());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtAlias(20)"))->parentWidget()->objectName(),
              QStringLiteral("frameAlias2"));
}

}  // namespace
