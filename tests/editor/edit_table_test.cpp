// What a save writes, byte for byte: every key into empty game files (the golden pair in fixtures/golden/), one
// edit through each control changing exactly its own lines (fixtures/edit_table.txt), and values in unusual forms
// left exactly as they were.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"

namespace {

const QByteArray kUser = fixtureBytes("User.ini"), kEngine = fixtureBytes("UT2003.ini"), kBom = "\xEF\xBB\xBF";

struct Edit {
    QString steps;
    QList<std::array<QByteArray, 3>> lines;  // section, key, value
    std::string where;                       // the table's line of the steps
};

// The edits of a table in the form of fixtures/edit_table.txt. A line of another form fails, naming its place, and
// stands for an edit without steps, which takes the further lines that follow it and is not made.
std::vector<Edit> readEdits(const char* name, const QByteArray& table = {}) {
    static const QRegularExpression form("^(.*?) ?=> \\[([^\\]]+)\\] ([^=]+)=(.*)$");
    std::vector<Edit> edits;
    for (const TableLine& line : tableLines(name, table)) {
        const QRegularExpressionMatch edit = form.match(line.text);
        const QString steps = edit.captured(1);
        if (!edit.hasMatch() || (steps.isEmpty() && edits.empty())) {
            ADD_FAILURE() << line.unreadable();
            edits.push_back({{}, {}, line.where});
        } else {
            if (!steps.isEmpty()) edits.push_back({steps, {}, line.where});
            edits.back().lines.push_back(
                {edit.captured(2).toUtf8(), edit.captured(3).toUtf8(), edit.captured(4).toUtf8()});
        }
    }
    return edits;
}

bool inUserFile(const QByteArray& section) {
    return !sectionText(kUser, section).isEmpty();
}

using Files = std::pair<QByteArray, QByteArray>;  // the player file and the engine file

// The files with the lines of the edit, each in the file that holds its section; a byte-order mark in front stays
// in front.
Files edited(Files files, const Edit& edit) {
    for (const auto& [section, key, value] : edit.lines) {
        QByteArray& file = inUserFile(section) ? files.first : files.second;
        const bool marked = file.startsWith(kBom);
        if (marked) file.remove(0, kBom.size());
        EXPECT_TRUE(replaceIniValue(file, section, key, value)) << key.toStdString();
        if (marked) file.prepend(kBom);
    }
    return files;
}

// The fixture pair with "[section] key=value".
Files unusual(const QByteArray& line) {
    return edited({kUser, kEngine}, readEdits("case", "open => " + line).at(0));
}

// The fixture pair with a byte-order mark before the section, which then comes first in its file (the fixtures open
// with comments).
Files markedWithFirst(const QByteArray& section) {
    Files files = {kUser, kEngine};
    QByteArray& file = inUserFile(section) ? files.first : files.second;
    const QByteArray text = sectionText(file, section);
    file.remove(file.indexOf(text), text.size());
    file = kBom + text + file.mid(file.indexOf('['));
    return files;
}

}  // namespace

using SavedBytesTest = GuiTest;

// Every write adds its key at the end of its section and every new section at the end of its file, so the golden
// pair shows each key the save writes, its section, its value as written and the order of the writes. A load of
// empty files stops at the weapon check, so the values come from the full pair, emptied under the loaded window.
TEST_F(SavedBytesTest, SaveIntoEmptyFilesWritesEveryKeyInItsSectionInOrder) {
    openEditorWithFixtures();
    writeFile(userIni(), QByteArray());
    writeFile(engineIni(), QByteArray());
    act("trigger mnuFileSave");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixtureBytes("golden/User.ini")));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixtureBytes("golden/UT2003.ini")));
}

// After each edit and save, File > Close and File > Open bring the fixture pair back, so that what a close leaves
// in the controls never reaches the files either.
TEST_F(SavedBytesTest, EachEditChangesExactlyItsLinesInItsFile) {
    openEditorWithFixtures();
    QSet<QByteArray> keys;
    for (const Edit& edit : readEdits("edit_table.txt")) {
        SCOPED_TRACE(edit.where + ": " + edit.steps.toStdString());
        if (edit.steps.isEmpty()) continue;
        for (const auto& [section, key, value] : edit.lines) keys << (section + "/" + key).toLower();
        const Files expected = edited({kUser, kEngine}, edit);
        EXPECT_FALSE(expected == Files(kUser, kEngine)) << "no change";
        if (act(edit.steps + "; trigger mnuFileSave")) {
            EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()), expected.first + expected.second));
        }
        writeFile(userIni(), kUser);
        writeFile(engineIni(), kEngine);
        act("trigger mnuFileClose; answer {dir}/User.ini; trigger mnuFileOpen");
    }
    EXPECT_TRUE(messages.empty());
    for (const char* golden : {"golden/User.ini", "golden/UT2003.ini"}) {
        QByteArray section;
        for (const QByteArray& line : fixtureBytes(golden).trimmed().split('\n')) {
            if (line.startsWith('[')) section = line.trimmed().mid(1).chopped(1);
            EXPECT_TRUE(line.startsWith('[') || keys.contains((section + "/" + line.left(line.indexOf('='))).toLower()))
                << line.toStdString() << " has no edit";
        }
    }
}

// Loaded and saved with no edit, each file stays as it was; an edit of a neighbouring key changes its line alone.
TEST_F(SavedBytesTest, UnusualValuesSurviveASaveAndANeighbouringEdit) {
    const char* red = "click optRed => [DefaultPlayer] team=0";
    const char* windowed = "click chkFullScreen => [WinDrv.WindowsClient] StartupFullscreen=False";
    // The unusual form, then an edit of a neighbouring key in the same file.
    const std::pair<Files, const char*> cases[] = {
        {unusual("[DefaultPlayer] Name=Corvo" + QByteArray(3000, 'o')), red},
        {unusual("[DefaultPlayer] Name=\"Corvo\""), red},
        {unusual("[DefaultPlayer] Name= \tCorvo  "), red},
        {unusual("[DefaultPlayer] Name=" + QByteArray("Cor\0vo", 6)), red},
        {unusual("[Engine.Input] F=\" FeignDeath \""), "text txtKeyLetters(6) \"Say hi\" => [Engine.Input] G=Say hi"},
        {markedWithFirst("DefaultPlayer"), red},
        {unusual("[WinDrv.WindowsClient] Gamma=0.8" + QByteArray(3000, '0')), windowed},
        {unusual("[WinDrv.WindowsClient] StartupFullscreen=\"True\""),
         "text txtMinRefRate \"40\" => [WinDrv.WindowsClient] MinDesiredFrameRate=40"},
        {unusual("[WinDrv.WindowsClient] MinDesiredFrameRate=  35.000000 "), windowed},
        {markedWithFirst("WinDrv.WindowsClient"), windowed}};
    for (const auto& [files, neighbour] : cases) {
        SCOPED_TRACE(neighbour);
        const Edit edit = readEdits("case", neighbour).at(0);
        for (const bool editing : {false, true}) {
            openEditor(files.first, files.second);
            act(editing ? edit.steps + "; trigger mnuFileSave" : "trigger mnuFileSave");
            const Files expected = editing ? edited(files, edit) : files;
            EXPECT_TRUE(sameBytes(readFile(userIni()) + readFile(engineIni()), expected.first + expected.second));
            unloadAll();
        }
    }
    EXPECT_TRUE(messages.empty());
}
