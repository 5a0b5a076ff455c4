// The two reference text windows: a missing file, the file they hold while loaded, closing with the main
// window, and the text box's size and font.
#include <QPlainTextEdit>
#include <filesystem>

#include "GuiTest.h"
#include "editor/frmMain.h"
#include "info/frmTextInfo.h"

namespace {

// How many descriptors of this process refer to the file at path.
int descriptorsOn(const QString& path) {
    const std::filesystem::path target = std::filesystem::weakly_canonical(path.toStdString());
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == target && !error) ++count;
    }
    return count;
}

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
        ASSERT_EQ(descriptorsOn(files[speech]), 1) << round;
        window->close();
        flushDeletes();
        ASSERT_EQ(descriptorsOn(files[speech]), 0) << round;
    }
    EXPECT_TRUE(messages.empty());
    frmMain* main = openEditor("[DefaultPlayer]\r\nName=Tester\r\n", "[Engine.Engine]\r\n");
    ASSERT_NE(main, nullptr);
    main->mnuAliasLNCH_Click();
    main->mnuSpeechLNCH_Click();
    ASSERT_TRUE(isLoaded<frmAliasNFO>() && isLoaded<frmSpeechNFO>());
    main->close();
    EXPECT_FALSE(isLoaded<frmMain>() || isLoaded<frmAliasNFO>() || isLoaded<frmSpeechNFO>());
    EXPECT_EQ(descriptorsOn(files[0]) + descriptorsOn(files[1]), 0);
}

// The text box fills the window's client area at any size, down to a single pixel; its font is of fixed pitch,
// every character as wide as any other.
TEST_F(TextInfoTest, TextBoxFollowsTheWindowAndNeverGoesNegative) {
    frmTextInfo* window = Show<frmSpeechNFO>();
    for (const QSize size : {QSize(792, 566), QSize(40, 34), QSize(20, 20), QSize(1, 1)}) {
        window->resize(size);
        EXPECT_EQ(window->textBox->geometry(), QRect(QPoint(0, 0), size)) << size.width() << " x " << size.height();
    }
    const QFontMetrics metrics = window->textBox->fontMetrics();
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
}

}  // namespace
