// The About window's keys: Enter presses the button that has the focus, so that "System Info..." starts the
// system information tool and the window stays; elsewhere Enter presses OK, and Esc closes the window.
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "info/frmAbout.h"

namespace {

using AboutKeysTest = GuiTest;

TEST_F(AboutKeysTest, EnterPressesTheFocusedButton) {
    const QString tool = path("msinfo32.exe");
    writeHive("WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Shared Tools\\\\MSINFO] 1\n\"PATH\"=\"" +
              tool.toLocal8Bit() + "\"\n");
    const struct {
        const char* name;
        const char* focus;  // the button that has the focus when the key is pressed
        Qt::Key key;
        bool started, closed;
    } cases[] = {
        {"Enter on System Info", "cmdSysInfo", Qt::Key_Return, true, false},
        {"keypad Enter on System Info", "cmdSysInfo", Qt::Key_Enter, true, false},
        {"Enter on OK", "cmdOK", Qt::Key_Return, false, true},
        {"Esc on System Info", "cmdSysInfo", Qt::Key_Escape, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startedPrograms.clear();
        frmAbout* about = Show<frmAbout>();
        QApplication::setActiveWindow(about);
        auto* button = about->findChild<QPushButton*>(c.focus);
        button->setFocus();
        QTest::keyClick(button, c.key);
        EXPECT_EQ(startedPrograms.size(), c.started ? 1u : 0u);
        EXPECT_EQ(!isLoaded<frmAbout>(), c.closed);
        EXPECT_TRUE(messages.empty());
        unloadAll();
    }
    // Back on OK after System Info had the focus, Enter closes the window again.
    frmAbout* about = Show<frmAbout>();
    QApplication::setActiveWindow(about);
    about->cmdSysInfo->setFocus();
    about->cmdOK->setFocus();
    QTest::keyClick(about->cmdOK, Qt::Key_Return);
    EXPECT_TRUE(!isLoaded<frmAbout>() && startedPrograms.empty());
}

}  // namespace
