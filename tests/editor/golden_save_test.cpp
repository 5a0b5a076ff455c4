// A save into empty game files, compared byte for byte with the expected pair in fixtures/golden/. Every write
// adds its key at the end of its section and every new section at the end of its file, so the two files show
// each key the save writes, its section, its value as written and the order of the writes.
#include <QAction>

#include "GuiTest.h"
#include "IniText.h"

using GoldenSaveTest = GuiTest;

TEST_F(GoldenSaveTest, SaveIntoEmptyFilesWritesEveryKeyInItsSectionInOrder) {
    // A load of empty files stops at the weapon check, so the values come from the full pair; the files are
    // emptied under the loaded window.
    openEditorWithFixtures("User.ini", "UT2003.ini");
    ASSERT_TRUE(messages.empty());
    writeFile(userIni(), QByteArray());
    writeFile(engineIni(), QByteArray());
    find<QAction>("mnuFileSave")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(sameBytes(readFile(userIni()), fixtureBytes("golden/User.ini")));
    EXPECT_TRUE(sameBytes(readFile(engineIni()), fixtureBytes("golden/UT2003.ini")));
}
