// The registry reader and the game-folder lookup, over a hive file of the test's own.
#include "config/Registry.h"

#include <QDir>

#include "GuiTest.h"
#include "wine_prefix.h"

namespace {

const QByteArray kGameKey = "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2003] 1700000000\n";
const QString kGameKeyName = QStringLiteral("SOFTWARE\\Unreal Technology\\Installed Apps\\UT2003");

class RegistryTest : public GuiTest {};

TEST_F(RegistryTest, QueryRegValueByType) {
    writeHive("WINE REGISTRY Version 2\n\n" + kGameKey +
              "\"Folder\"=\"C:\\\\Games\\\\UT2003\"\n"
              "\"Count\"=dword:0000002a\n"
              "\"Big\"=dword:ffffffff\n"
              "\"Blob\"=hex:01,02,03\n"
              "\"Expand\"=str(2):\"%SystemRoot%\\\\x\"\n"
              "\"Empty\"=\"\"\n");
    struct Case {
        const char* value;
        bool found;
        const char* text;  // KeyVal after the call, which starts as "unchanged"
    };
    const Case cases[] = {
        {"Folder", true, "C:\\Games\\UT2003"},  // a string value, unchanged
        {"folder", true, "C:\\Games\\UT2003"},  // value names match without regard to case
        {"Count", true, "42"},                  // a REG_DWORD as its decimal text
        {"Big", true, "4294967295"},
        {"Blob", true, "unchanged"},    // other types leave the text alone
        {"Expand", true, "unchanged"},  // an expandable string is not expanded: another type
        {"Empty", true, ""},
        {"Missing", false, ""},  // a missing value empties the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        QString text = QStringLiteral("unchanged");
        EXPECT_EQ(QueryRegValue(HKEY_LOCAL_MACHINE, kGameKeyName, QLatin1String(c.value), text), c.found);
        EXPECT_EQ(text, QLatin1String(c.text));
    }
    QString text = QStringLiteral("unchanged");
    EXPECT_FALSE(QueryRegValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Nobody"), QStringLiteral("Folder"), text));
    EXPECT_EQ(text, QString());
    EXPECT_TRUE(messages.empty());
}

TEST_F(RegistryTest, ValueLongerThanTheBufferIsNotRead) {
    writeHive("WINE REGISTRY Version 2\n\n" + kGameKey + "\"Long\"=\"" + QByteArray(1023, 'x') + "\"\n" +
              "\"TooLong\"=\"" + QByteArray(1024, 'x') + "\"\n");
    QString text;
    EXPECT_TRUE(QueryRegValue(HKEY_LOCAL_MACHINE, kGameKeyName, QStringLiteral("Long"), text));
    EXPECT_EQ(text, QString(1023, QChar('x')));
    text = QStringLiteral("unchanged");
    EXPECT_FALSE(QueryRegValue(HKEY_LOCAL_MACHINE, kGameKeyName, QStringLiteral("TooLong"), text));
    EXPECT_EQ(text, QString());
}

TEST_F(RegistryTest, GetGameFolderMapsTheDriveThroughTheWinePrefix) {
    WinePrefix prefix;
    QDir(prefix.driveC()).mkpath(QStringLiteral("Games/UT2003/System"));
    writeHive("WINE REGISTRY Version 2\n\n" + kGameKey + "\"Folder\"=\"C:\\\\Games\\\\UT2003\"\n");
    EXPECT_EQ(GetGameFolder(), prefix.driveC() + QStringLiteral("/Games/UT2003"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RegistryTest, GameNotInstalledGivesNoFolderAndNoMessage) {
    for (const QByteArray& hive :
         {QByteArray("WINE REGISTRY Version 2\n"), "WINE REGISTRY Version 2\n\n" + kGameKey + "\"Other\"=\"x\"\n",
          "WINE REGISTRY Version 2\n\n" + kGameKey + "\"Folder\"=\"\"\n"}) {
        writeHive(hive);
        EXPECT_EQ(GetGameFolder(), QString());
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
