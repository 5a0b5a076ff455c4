// The two reference text windows: what they show, the message when their file is missing, the file they hold
// while loaded, and their layout.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "info/frmTextInfo.h"
#include "platform/qt/msgbox.h"

namespace {

// The windows through the runtime, so one table row drives either of them.
struct Window {
    const char* formName;
    const char* caption;
    const char* textBoxName;
    const char* fileName;
    const char* loadTail;
    frmTextInfo* (*show)();
    bool (*loaded)();
};

const Window kWindows[] = {
    {"frmAliasNFO", "///Quarl Aliases Setup Information", "txtAliasNFO", "UT2003_Aliases.txt",
     " While Loading Alias Information Form!\rMake Sure UT2003_ALIases.txt File has not been Deleted,Renamed, or "
     "Reloacated!",
     [] { return static_cast<frmTextInfo*>(Show<frmAliasNFO>()); }, [] { return isLoaded<frmAliasNFO>(); }},
    {"frmSpeechNFO", "///Quarl Speech + Taunt List", "txtSpeechNFO", "Taunt.txt",
     " While Loading Speech Informaition Form!\rPlease Make Sure Taunt.txt has not been Deleted, Renamed, or "
     "Relocated!",
     [] { return static_cast<frmTextInfo*>(Show<frmSpeechNFO>()); }, [] { return isLoaded<frmSpeechNFO>(); }},
};

// Descriptors of this process, and how many of them refer to the file at path.
int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

int descriptorsOn(const QString& path) {
    const std::filesystem::path target = std::filesystem::weakly_canonical(path.toStdString());
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const auto link = std::filesystem::read_symlink(entry.path(), error);
        if (!error && link == target) ++count;
    }
    return count;
}

class TextInfoTest : public GuiTest {
  protected:
    QString fileOf(const Window& w) const { return path(QLatin1String(w.fileName)); }
    // Closes the window by its close box, as the user does.
    void closeByUser(frmTextInfo* window) {
        window->close();
        flushDeletes();
    }
};

TEST_F(TextInfoTest, ShowsItsFileInTheCodePage) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.formName);
        // Bytes of the 8-bit code page: an accented letter and the euro sign.
        writeFile(fileOf(w), "First line\r\nCaf\xE9 costs 5 \x80\r\n\tindented and quite long " + QByteArray(300, 'x'));
        frmTextInfo* window = w.show();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(window->objectName(), QLatin1String(w.formName));
        EXPECT_EQ(window->windowTitle(), QLatin1String(w.caption));
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->parentWidget(), nullptr);
        EXPECT_FALSE(window->isModal());
        auto* box = find<QPlainTextEdit>(QLatin1String(w.textBoxName));
        ASSERT_EQ(box, window->textBox);
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[0].trimmed(), QStringLiteral("First line"));
        EXPECT_EQ(lines[1].trimmed(), QStringLiteral("Caf\u00E9 costs 5 \u20AC"));
        EXPECT_EQ(lines[2], QStringLiteral("\tindented and quite long ") + QString(300, QLatin1Char('x')));
        EXPECT_TRUE(window->holdsFile());
        EXPECT_EQ(descriptorsOn(fileOf(w)), 1);
        closeByUser(window);
    }
}

TEST_F(TextInfoTest, TheShippedTextsLoad) {
    const QString markers[] = {QStringLiteral("Aliases[N]=(Command="), QStringLiteral("speech taunt")};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(kWindows[i].formName);
        frmTextInfo* window = kWindows[i].show();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(window->textBox->toPlainText().contains(markers[i]));
        closeByUser(window);
    }
}

TEST_F(TextInfoTest, AMissingFileIsReportedAndTheWindowOpensEmpty) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.formName);
        const struct {
            const char* description;
            bool asFolder;
        } cases[] = {{"File not found", false}, {"Path/File access error", true}};
        for (const auto& c : cases) {
            QFile::remove(fileOf(w));
            QDir(fileOf(w)).removeRecursively();
            if (c.asFolder) QDir().mkpath(fileOf(w));
            messages.clear();
            frmTextInfo* window = w.show();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, QStringLiteral("Error ") + QLatin1String(c.description) +
                                              QStringLiteral(" - Corvane") + QLatin1String(w.loadTail));
            EXPECT_EQ(messages[0].style, vbInformation);
            EXPECT_TRUE(w.loaded());
            EXPECT_TRUE(window->isVisible());
            EXPECT_TRUE(window->textBox->toPlainText().isEmpty());
            EXPECT_FALSE(window->holdsFile());
            closeByUser(window);
            EXPECT_EQ(messages.size(), 1u);
        }
    }
    // The speech window's message, word for word.
    EXPECT_EQ(QLatin1String(kWindows[1].loadTail),
              QStringLiteral(" While Loading Speech Informaition Form!\rPlease Make Sure Taunt.txt has not been "
                             "Deleted, Renamed, or Relocated!"));
}

TEST_F(TextInfoTest, OpeningAndClosingManyTimesLeavesNoFileOpen) {
    // One round first, so that whatever the toolkit opens once for good is already open.
    closeByUser(kWindows[0].show());
    closeByUser(kWindows[1].show());
    const int before = openDescriptors();
    for (int round = 0; round < 50; ++round) {
        const Window& w = kWindows[round % 2];
        frmTextInfo* window = w.show();
        ASSERT_TRUE(window->holdsFile()) << round;
        ASSERT_EQ(descriptorsOn(fileOf(w)), 1) << round;
        window->close();
        ASSERT_FALSE(w.loaded()) << round;
        ASSERT_FALSE(window->holdsFile()) << round;
        ASSERT_EQ(descriptorsOn(fileOf(w)), 0) << round;
        flushDeletes();
    }
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(TextInfoTest, ASecondViewOnlyBringsTheWindowForward) {
    const Window& w = kWindows[0];
    writeFile(fileOf(w), "before\r\n");
    frmTextInfo* first = w.show();
    writeFile(fileOf(w), "after\r\n");
    first->showMinimized();
    frmTextInfo* second = w.show();
    EXPECT_EQ(first, second);
    EXPECT_FALSE(second->isMinimized());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->textBox->toPlainText().trimmed(), QStringLiteral("before"));
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(w.formName)) ++windows;
    EXPECT_EQ(windows, 1);
    // Closed and opened again, it reads the file afresh.
    closeByUser(second);
    EXPECT_EQ(w.show()->textBox->toPlainText().trimmed(), QStringLiteral("after"));
}

TEST_F(TextInfoTest, TypedTextIsNeverSaved) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.formName);
        const QByteArray original = readFile(fileOf(w));
        frmTextInfo* window = w.show();
        window->textBox->moveCursor(QTextCursor::Start);
        QTest::keyClicks(window->textBox, QStringLiteral("typed by the user "));
        EXPECT_TRUE(window->textBox->toPlainText().startsWith(QStringLiteral("typed by the user ")));
        closeByUser(window);
        EXPECT_EQ(readFile(fileOf(w)), original);
        frmTextInfo* again = w.show();
        EXPECT_FALSE(again->textBox->toPlainText().contains(QStringLiteral("typed by the user")));
        closeByUser(again);
    }
}

TEST_F(TextInfoTest, TheTextBoxFollowsTheWindowAndNeverGoesNegative) {
    frmTextInfo* window = kWindows[1].show();
    // Outer size less 125 twips across (8 pixels) and 500 twips down (33 pixels).
    EXPECT_EQ(window->textBox->pos(), QPoint(0, 0));
    const QSize sizes[] = {{792, 566}, {1000, 700}, {300, 200}, {40, 34}, {20, 20}, {8, 33}, {1, 1}};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width() * 10000 + size.height());
        window->resize(size);
        const QSize outer = window->frameGeometry().size();
        const QSize expected(std::max(0, outer.width() - 8), std::max(0, outer.height() - 33));
        EXPECT_EQ(window->textBox->size(), expected);
        EXPECT_GE(window->textBox->width(), 0);
        EXPECT_GE(window->textBox->height(), 0);
    }
    window->resize(20, 20);
    EXPECT_EQ(window->textBox->height(), 0);
    // The design size of the window.
    closeByUser(window);
    window = kWindows[1].show();
    EXPECT_EQ(window->size(), QSize(792, 566));
}

TEST_F(TextInfoTest, ClosingTheMainWindowClosesBoth) {
    frmMain* main = openEditor("[DefaultPlayer]\r\nName=Tester\r\n", "[Engine.Engine]\r\n");
    ASSERT_NE(main, nullptr);
    messages.clear();
    main->mnuAliasLNCH_Click();
    main->mnuSpeechLNCH_Click();
    main->mnuAliasLNCH_Click();
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(isLoaded<frmAliasNFO>());
    ASSERT_TRUE(isLoaded<frmSpeechNFO>());
    EXPECT_EQ(descriptorsOn(fileOf(kWindows[0])), 1);
    EXPECT_EQ(descriptorsOn(fileOf(kWindows[1])), 1);

    // Closing one of them gives the focus back to the editor.
    Show<frmSpeechNFO>()->close();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), main);
    main->mnuSpeechLNCH_Click();

    main->close();
    EXPECT_FALSE(isLoaded<frmMain>());
    EXPECT_FALSE(isLoaded<frmAliasNFO>());
    EXPECT_FALSE(isLoaded<frmSpeechNFO>());
    EXPECT_EQ(descriptorsOn(fileOf(kWindows[0])), 0);
    EXPECT_EQ(descriptorsOn(fileOf(kWindows[1])), 0);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
