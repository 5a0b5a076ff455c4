// The About window: the keys that close it, and the roads to the system information tool.
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "info/frmAbout.h"
#include "platform/qt/startprogram.h"

namespace {

using AboutTest = GuiTest;

TEST_F(AboutTest, EnterAndEscapeCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QTest::keyClick(Show<frmAbout>(), key);
        EXPECT_FALSE(isLoaded<frmAbout>());
        flushDeletes();
    }
}

// The tool is the first registry value as it stands (the start finds out whether it is there), else
// MSINFO32.EXE in the folder of the second value when that file is there, else the message. A tool that
// cannot start gets the message too; the window stays open either way.
TEST_F(AboutTest, SystemInfoRoads) {
    const QString tools = path("msinfo"), unavailable = "0 System Information Is Unavailable At This Time";
    QDir().mkpath(tools);
    const QByteArray first =
        "[Software\\\\Microsoft\\\\Shared Tools\\\\MSINFO] 1\n\"PATH\"=\"" + tools.toLocal8Bit() + "/first.exe\"\n";
    const QByteArray second =
        "[Software\\\\Microsoft\\\\Shared Tools Location] 1\n\"MSINFO\"=\"" + tools.toLocal8Bit() + "\"\n";
    const struct {
        const char* name;
        QByteArray hive;
        bool toolThere, realStart;
        QString result;  // "show-state program" started, or "style prompt" shown
    } cases[] = {
        {"first value", first + second, true, false, "1 " + tools + "/first.exe"},
        {"second value with the tool", second, true, false, "1 " + tools + "/MSINFO32.EXE"},
        {"second value without the tool", second, false, false, unavailable},
        {"neither value", "", false, false, unavailable},
        {"first value that cannot start", first, false, true, unavailable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(tools + "/MSINFO32.EXE");
        if (c.toolThere) writeFile(tools + "/MSINFO32.EXE", "MZ");
        if (c.realStart) setStartProgramHandler({});
        writeHive("WINE REGISTRY Version 2\n\n" + c.hive);
        messages.clear();
        startedPrograms.clear();
        Show<frmAbout>()->cmdSysInfo->click();
        QStringList result;
        for (const auto& [program, state] : startedPrograms) result << QString::number(state) + " " + program;
        for (const ShownMessage& m : messages) result << QString::number(m.style) + " " + m.prompt;
        EXPECT_EQ(result, QStringList{c.result});
        EXPECT_TRUE(isLoaded<frmAbout>());
        unloadAll();
    }
}

}  // namespace
