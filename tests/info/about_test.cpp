// The About window: Enter presses the button that has the focus, so that "System Info..." starts the system
// information tool and the window stays; elsewhere Enter presses OK, and Esc closes the window.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "info/frmAbout.h"
#include "platform/qt/startprogram.h"

namespace {

using AboutTest = GuiTest;

// The tool is the first registry value as it stands (the start finds out whether it is there), else
// MSINFO32.EXE in the folder of the second value when that file is there, else the message. A tool that
// cannot start gets the message too.
TEST_F(AboutTest, KeysAndSystemInfoRoads) {
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
        const char* focus;  // the buttons that take the focus in turn before the key
        Qt::Key key;
        QString result;  // "show-state program" started, or "style prompt" shown
        bool stays;
    } cases[] = {
        {"Enter on System Info, first value", first + second, true, false, "cmdSysInfo", Qt::Key_Return,
         "1 " + tools + "/first.exe", true},
        {"keypad Enter, second value with the tool", second, true, false, "cmdSysInfo", Qt::Key_Enter,
         "1 " + tools + "/MSINFO32.EXE", true},
        {"second value without the tool", second, false, false, "cmdSysInfo", Qt::Key_Return, unavailable, true},
        {"neither value", "", false, false, "cmdSysInfo", Qt::Key_Return, unavailable, true},
        {"Enter on OK", first, false, false, "cmdOK", Qt::Key_Return, "", false},
        {"Enter on OK after System Info", first, false, false, "cmdSysInfo cmdOK", Qt::Key_Return, "", false},
        {"Esc on System Info", first, false, false, "cmdSysInfo", Qt::Key_Escape, "", false},
        {"first value that cannot start", first, false, true, "cmdSysInfo", Qt::Key_Return, unavailable, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        unloadAll();
        QFile::remove(tools + "/MSINFO32.EXE");
        if (c.toolThere) writeFile(tools + "/MSINFO32.EXE", "MZ");
        if (c.realStart) setStartProgramHandler({});
        writeHive("WINE REGISTRY Version 2\n\n" + c.hive);
        messages.clear();
        startedPrograms.clear();
        frmAbout* about = Show<frmAbout>();
        QApplication::setActiveWindow(about);
        QPushButton* button = nullptr;
        for (const QString& name : QString(c.focus).split(' '))
            if ((button = about->findChild<QPushButton*>(name))) button->setFocus();
        EXPECT_NE(button, nullptr) << "no button of " << c.focus;
        if (!button) continue;
        QTest::keyClick(button, c.key);
        QString result;
        for (const auto& [program, state] : startedPrograms) result += QString::number(state) + " " + program;
        for (const ShownMessage& m : messages) result += QString::number(m.style) + " " + m.prompt;
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(isLoaded<frmAbout>(), c.stays);
    }
}

}  // namespace
