// The two reference text windows: a missing file, the file they hold while loaded, closing with the main
// window, and the text box's size.
#include <QPlainTextEdit>

#include "GuiTest.h"
#include "editor/frmMain.h"
#include "info/frmTextInfo.h"

namespace {

using TextInfoTest = GuiTest;

// A missing file is reported (the message is in the failure-message table) and the window opens empty.
TEST_F(TextInfoTest, MissingTauntTxtIsReportedAndTheWindowOpensEmpty) {
    QFile::remove(path("Taunt.txt"));
    frmSpeechNFO* window = Show<frmSpeechNFO>();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(window->isVisible() && window->textBox->toPlainText().isEmpty() && !window->holdsFile());
}

// Each window holds its file while loaded and lets it go when closed, however often; closing the main window
// closes both.
TEST_F(TextInfoTest, OpenCloseCyclesLeaveNoFileHeld) {
    const QString files[] = {path("UT2003_Aliases.txt"), path("Taunt.txt")};
    for (int round = 0; round < 40; ++round) {
        const int speech = round % 2;
        frmTextInfo* window = speech ? static_cast<frmTextInfo*>(Show<frmSpeechNFO>()) : Show<frmAliasNFO>();
        ASSERT_EQ(openFilesUnder(files[speech]), 1) << round;
        window->close();
        flushDeletes();
        ASSERT_EQ(openFilesUnder(files[speech]), 0) << round;
    }
    EXPECT_TRUE(messages.empty());
    frmMain* main = openEditor("[DefaultPlayer]\r\nName=Tester\r\n", "[Engine.Engine]\r\n");
    ASSERT_NE(main, nullptr);
    main->mnuAliasLNCH_Click();
    main->mnuSpeechLNCH_Click();
    ASSERT_TRUE(isLoaded<frmAliasNFO>() && isLoaded<frmSpeechNFO>());
    main->close();
    EXPECT_FALSE(isLoaded<frmMain>() || isLoaded<frmAliasNFO>() || isLoaded<frmSpeechNFO>());
    EXPECT_EQ(openFilesUnder(files[0]) + openFilesUnder(files[1]), 0);
}

// The text box fills the window's client area at any size, down to a single pixel.
TEST_F(TextInfoTest, TextBoxFollowsTheWindowAndNeverGoesNegative) {
    frmTextInfo* window = Show<frmSpeechNFO>();
    for (const QSize size : {QSize(792, 566), QSize(40, 34), QSize(20, 20), QSize(1, 1)}) {
        window->resize(size);
        EXPECT_EQ(window->textBox->geometry(), QRect(QPoint(0, 0), size)) << size.width() << " x " << size.height();
    }
}

}  // namespace
