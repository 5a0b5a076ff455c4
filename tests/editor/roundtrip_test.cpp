// End to end: the full pair of game files loaded into the real window and saved again. With no edit both files
// come back byte for byte; one edit changes exactly its own lines and nothing else.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <functional>

#include "GuiTest.h"
#include "editor/WeaponGroup.h"
#include "editor/frmMain.h"
#include "file_compare.h"

namespace {

QByteArray fixture(const char* name) {
    return fixtureBytes(name);
}

enum class GameFile { User, Engine };

struct ChangedLine {
    GameFile file;
    const char* section;
    const char* key;
    const char* value;
};

// The fixture with the value of key in section replaced: the first key of that name (without regard to case)
// in the first section of that name keeps its spelling and place, only the text after its "=" changes.
bool replaceValue(QByteArray& bytes, const QByteArray& section, const QByteArray& key, const QByteArray& value) {
    QList<QByteArray> lines = bytes.split('\n');
    bool inSection = false;
    for (QByteArray& line : lines) {
        const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
        if (text.startsWith('[')) {
            inSection = text.mid(1, text.indexOf(']') - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (!inSection || equals < 0 || text.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0) continue;
        line = text.left(equals + 1) + value + (line.endsWith('\r') ? "\r" : "");
        bytes = lines.join('\n');
        return true;
    }
    return false;
}

struct Edit {
    const char* name;
    std::function<void(frmMain*)> act;
    std::vector<ChangedLine> changes;
};

void PrintTo(const Edit& edit, std::ostream* os) {
    *os << edit.name;
}

template <class T>
T* control(const char* name) {
    T* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if ((found = top->findChild<T*>(QString::fromLatin1(name)))) break;
    }
    if (!found) ADD_FAILURE() << name << " is not built yet";
    return found;
}

// One edit per group, each as the user makes it.
const std::vector<Edit> kEdits = {
    {"BindingBox",
     [](frmMain*) {
         if (auto* box = control<QLineEdit>("txtKeyLetters(5)")) box->setText(QStringLiteral("Say hello there"));
     },
     {{GameFile::User, "Engine.Input", "F", "Say hello there"}}},
    // The file spells the key "Home"; the editor asks for "home" and rewrites the file's line in place.
    {"OtherKeyBox",
     [](frmMain*) {
         if (auto* box = control<QLineEdit>("txtKeyboardOth(21)")) box->setText(QString());
     },
     {{GameFile::User, "Engine.Input", "Home", ""}}},
    {"AliasBox",
     [](frmMain*) {
         if (auto* box = control<QLineEdit>("txtAlias(7)"))
             box->setText(QStringLiteral("(Command=\"Say gg\",Alias=GoodGame)"));
     },
     {{GameFile::User, "Engine.Input", "Aliases[7]", "(Command=\"Say gg\",Alias=GoodGame)"}}},
    {"HudScaleSlider",
     [](frmMain*) {
         if (auto* slider = control<QSlider>("slideHudScale"))
             slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
     },
     {{GameFile::User, "Engine.Hud", "HudScale", "0.851"}}},
    {"TextureWordFromTheList",
     [](frmMain*) {
         if (auto* list = control<QComboBox>("cboTexDetail(3)")) list->setCurrentIndex(6);
     },
     {{GameFile::Engine, "WinDrv.WindowsClient", "TextureDetailPlayerSkin", "UltraHigh"}}},
    {"RenderDeviceOption",
     [](frmMain*) {
         if (auto* option = control<QRadioButton>("optRenderType(0)")) option->click();
     },
     {{GameFile::Engine, "Engine.Engine", "RenderDevice", "OpenGLDrv.OpenGLRenderDevice"}}},
    {"ControllerOption",
     [](frmMain*) {
         if (auto* option = control<QRadioButton>("optController(1)")) option->click();
     },
     {{GameFile::Engine, "WinDrv.WindowsClient", "CaptureMouse", "False"},
      {GameFile::Engine, "WinDrv.WindowsClient", "UseJoystick", "True"}}},
    {"PlayerName",
     [](frmMain*) {
         if (auto* box = control<QLineEdit>("txtPlayerName")) box->setText(QStringLiteral("Quarl Tester"));
     },
     {{GameFile::User, "DefaultPlayer", "Name", "Quarl Tester"}}},
    // The Ion Painter (place 2) moves up over the Redeemer (place 1): the two swap priorities, and each keeps
    // its own fire-mode setting.
    {"WeaponMovedUp",
     [](frmMain* main) {
         main->weapons->lblWeaponName_Click(11);
         main->weapons->cmdMoveUp_Click();
     },
     {{GameFile::User, "XWeapons.Painter", "Priority", "12"}, {GameFile::User, "XWeapons.Redeemer", "Priority", "11"}}},
    {"FireModeBox",
     [](frmMain*) {
         if (auto* box = control<QCheckBox>("chkWeapMode(1)")) box->setChecked(true);
     },
     {{GameFile::User, "XWeapons.TransLauncher", "ExchangeFireModes", "1"}}},
};

}  // namespace

class RoundTripTest : public GuiTest {
  protected:
    frmMain* openFixtures() {
        frmMain* main = openEditorWithFixtures(QStringLiteral("User.ini"), QStringLiteral("UT2003.ini"));
        EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages.front().prompt.toStdString());
        return main;
    }
};

TEST_F(RoundTripTest, LoadAndSaveWithNoEditLeaveBothFilesAsTheyWere) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    main->mnuFileSave_Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixture("User.ini")));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture("UT2003.ini")));

    // Again after a close and a new load into the same window: nothing the reset left behind reaches the file.
    main->CloseINIFiles();
    main->OpenINIFiles();
    main->mnuFileSave_Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixture("User.ini")));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixture("UT2003.ini")));
}

class SingleEdit : public RoundTripTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(SingleEdit, ChangesExactlyItsLines) {
    frmMain* main = openFixtures();
    ASSERT_NE(main, nullptr);
    GetParam().act(main);
    main->mnuFileSave_Click();
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages.front().prompt.toStdString());

    QByteArray user = fixture("User.ini");
    QByteArray engine = fixture("UT2003.ini");
    for (const ChangedLine& change : GetParam().changes) {
        QByteArray& bytes = change.file == GameFile::User ? user : engine;
        ASSERT_TRUE(replaceValue(bytes, change.section, change.key, change.value))
            << change.section << " " << change.key << " is not in the fixture";
    }
    ASSERT_NE(user + engine, fixture("User.ini") + fixture("UT2003.ini"));  // the edit is a change
    EXPECT_TRUE(sameBytes(readFile(userIni()), user));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), engine));
}

INSTANTIATE_TEST_SUITE_P(OnePerGroup, SingleEdit, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });
