// Values in unusual forms, loaded into the real window and saved with no edit, leave both game files exactly as
// they were; an edit of a neighbouring key then changes that key's line alone.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "editor/frmMain.h"

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

// A file with a byte-order mark before the given section, which then comes first (the fixtures open with comments).
QByteArray markedWithSectionFirst(const QByteArray& file, const QByteArray& section) {
    const QByteArray text = sectionText(file, section);
    QByteArray rest = file;
    rest.remove(rest.indexOf(text), text.size());
    return kBom + text + rest.mid(rest.indexOf('['));
}

// The file with key in section set to value; a byte-order mark in front stays in front.
QByteArray withValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value) {
    const bool marked = file.startsWith(kBom);
    QByteArray text = marked ? file.mid(kBom.size()) : file;
    EXPECT_TRUE(replaceIniValue(text, section, key, value)) << section.toStdString() << " " << key.toStdString();
    return marked ? kBom + text : text;
}

using Act = std::function<void()>;

struct Case {
    const char* name;
    bool inPlayerFile;                           // else the engine file
    std::function<QByteArray(QByteArray)> form;  // the fixture with the unusual value
    Act edit;                                    // an edit of a neighbouring key in the same file
    std::array<QByteArray, 3> edited;            // the section, key and value that edit writes
};

}  // namespace

class UntouchedTest : public GuiTest {};

TEST_F(UntouchedTest, UnusualValuesSurviveASaveAndANeighbouringEdit) {
    const QByteArray longName = "Corvo" + QByteArray(3000, 'o');
    const Act red = [] { find<QRadioButton>("optRed")->click(); };
    const Act fullScreen = [] { find<QCheckBox>("chkFullScreen")->click(); };
    const std::array<QByteArray, 3> team = {"DefaultPlayer", "team", "0"};
    const std::array<QByteArray, 3> windowed = {"WinDrv.WindowsClient", "StartupFullscreen", "False"};
    auto set = [](QByteArray section, QByteArray key, QByteArray value) {
        return [=](QByteArray file) { return withValue(file, section, key, value); };
    };
    const Case cases[] = {
        {"long name", true, set("DefaultPlayer", "Name", longName), red, team},
        {"quoted name", true, set("DefaultPlayer", "Name", "\"Corvo\""), red, team},
        {"name with blanks", true, set("DefaultPlayer", "Name", " \tCorvo  "), red, team},
        {"name with NUL", true, set("DefaultPlayer", "Name", QByteArray("Cor\0vo", 6)), red, team},
        {"quoted binding with inner blanks",
         true,
         set("Engine.Input", "F", "\" FeignDeath \""),
         [] { find<QLineEdit>("txtKeyLetters(6)")->setText("Say hi"); },
         {"Engine.Input", "G", "Say hi"}},
        {"player file with byte-order mark", true,
         [](QByteArray f) { return markedWithSectionFirst(f, "DefaultPlayer"); }, red, team},
        {"long gamma", false, set("WinDrv.WindowsClient", "Gamma", "0.8" + QByteArray(3000, '0')), fullScreen,
         windowed},
        {"quoted switch",
         false,
         set("WinDrv.WindowsClient", "StartupFullscreen", "\"True\""),
         [] { find<QLineEdit>("txtMinRefRate")->setText("40"); },
         {"WinDrv.WindowsClient", "MinDesiredFrameRate", "40"}},
        {"frame rate with blanks", false, set("WinDrv.WindowsClient", "MinDesiredFrameRate", "  35.000000 "),
         fullScreen, windowed},
        {"engine file with byte-order mark", false,
         [](QByteArray f) { return markedWithSectionFirst(f, "WinDrv.WindowsClient"); }, fullScreen, windowed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray user = fixtureBytes("User.ini"), engine = fixtureBytes("UT2003.ini");
        QByteArray& changed = c.inPlayerFile ? user : engine;
        changed = c.form(changed);
        const auto& [section, key, value] = c.edited;
        const QByteArray afterEdit = withValue(changed, section, key, value);
        ASSERT_NE(afterEdit, changed) << "the edit is a change";
        for (const bool edit : {false, true}) {
            frmMain* main = openEditor(user, engine);
            if (edit) c.edit();
            main->mnuFileSave_Click();
            EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].prompt.toStdString());
            const QByteArray expected =
                c.inPlayerFile ? (edit ? afterEdit : user) + engine : user + (edit ? afterEdit : engine);
            EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()), expected)) << "edit " << edit;
            unloadAll();
            messages.clear();
        }
    }
}
