// The raw file viewer of the "File Viewer" tab and the toolbar's game launcher.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "GuiTest.h"
#include "config/Startup.h"
#include "editor/FileViewer.h"
#include "editor/frmMain.h"
#include "platform/qt/startprogram.h"
#include "platform/qt/text.h"

namespace {

const QByteArray kUser = "[DefaultPlayer]\r\nName=Tester\r\nteam=0\r\n[Engine.Input]\r\nAliases[0]=Jump\r\n";
const QByteArray kEngine = "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n";

// What the text box shows for a file: each byte one Windows-1252 character; the text box keeps a line
// break as one "\n".
QString shown(const QByteArray& bytes) {
    QString text = fromAnsi(bytes.toStdString());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

class ViewerTest : public GuiTest {
  protected:
    frmMain* open() {
        main = openEditor(kUser, kEngine);
        viewer = main ? main->viewer.get() : nullptr;
        messages.clear();
        return main;
    }
    void refresh() { QTest::mouseClick(viewer->cmdOpenRefresh, Qt::LeftButton); }
    void closeFile() { QTest::mouseClick(viewer->cmdCloseFile, Qt::LeftButton); }
    QString text() const { return viewer->txtFileView->toPlainText(); }
    QString length() const { return viewer->lblLOF->text(); }

    frmMain* main = nullptr;
    FileViewer* viewer = nullptr;
};

TEST_F(ViewerTest, DesignState) {
    runMain();
    struct Control {
        const char* name;
        const char* text;
        const char* tooltip;
    };
    const Control controls[] = {
        {"optINIFile(0)", "Open User.ini File", "Select to put User.ini File in Que."},
        {"optINIFile(1)", "Open UT2003.ini File", "Select to put UT2003.ini File in Que."},
        {"cmdOpenRefresh", "Open/Refresh File", "Open or Refresh Current Selected File."},
        {"cmdCloseFile", "Close File", "Close Currently Open File."},
        {"lblTxtLOF", "File Length ::", ""},
        {"lblLOF", "NO File Open", "Lenght Of Current Open File"},
        {"txtFileView", "No File Open", ".INI File Contents"},
    };
    for (const Control& c : controls) {
        QWidget* widget = find<QWidget>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->toolTip(), QLatin1String(c.tooltip)) << c.name;
        EXPECT_TRUE(widget->isEnabled()) << c.name;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) text = edit->toPlainText();
        EXPECT_EQ(text, QLatin1String(c.text)) << c.name;
    }
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optINIFile(0)"))->isChecked());
    EXPECT_FALSE(find<QRadioButton>(QStringLiteral("optINIFile(1)"))->isChecked());
    EXPECT_TRUE(find<QLabel>(QStringLiteral("lblTxtLOF"))->font().bold());
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblLOF"))->frameShape(), QFrame::Box);
    auto* view = find<QPlainTextEdit>(QStringLiteral("txtFileView"));
    EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(find<QLabel>(QStringLiteral("picKey(4)"))->size(), QSize(52, 52));
    EXPECT_EQ(ViewFileNum, 0);
}

// Each file shown byte for byte with its length, whatever it holds.
TEST_F(ViewerTest, OpenRefreshShowsTheChosenFileAndItsLength) {
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(ViewFileNum, 0);
    refresh();
    EXPECT_EQ(text(), shown(kUser));
    EXPECT_EQ(length(), QString::number(kUser.size()));
    EXPECT_NE(ViewFileNum, 0);
    EXPECT_TRUE(viewer->cmdCloseFile->isEnabled());

    // The other option switches the file; the options exclude each other.
    QTest::mouseClick(viewer->optINIFile[1], Qt::LeftButton);
    EXPECT_FALSE(viewer->optINIFile[0]->isChecked());
    refresh();
    EXPECT_EQ(text(), shown(kEngine));
    EXPECT_EQ(length(), QString::number(kEngine.size()));
    viewer->optINIFile[0]->setChecked(true);
    EXPECT_FALSE(viewer->optINIFile[1]->isChecked());

    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"empty", QByteArray(), QString()},
        {"code page", QByteArray("; caf\xe9 \x80 \x81 \x9f\r\n[S]\r\nk=\xff"),
         QStringLiteral("; caf\u00e9 \u20ac \u0081 \u0178\n[S]\nk=\u00ff")},
        {"lone line breaks", QByteArray("a\nb\rc"), QStringLiteral("a\nb\nc")},
    };
    for (const Case& c : cases) {
        UseriniPath = path(QStringLiteral("view-") + QLatin1String(c.name) + QStringLiteral(".ini"));
        writeFile(UseriniPath, c.bytes);
        refresh();
        EXPECT_EQ(text(), c.text) << c.name;
        EXPECT_EQ(length(), QString::number(c.bytes.size())) << c.name;
    }
    EXPECT_TRUE(messages.empty());
}

// The shown text is a snapshot; the held file never stops a save, and a refresh shows the new bytes.
TEST_F(ViewerTest, RefreshAfterASaveShowsTheNewBytes) {
    ASSERT_NE(open(), nullptr);
    refresh();
    find<QLineEdit>(QStringLiteral("txtAlias(0)"))->setText(QStringLiteral("Crouch"));
    main->mnuFileSave_Click();
    const QByteArray saved = readFile(userIni());
    ASSERT_TRUE(saved.contains("\r\nAliases[0]=Crouch\r\n"));
    EXPECT_EQ(text(), shown(kUser));
    refresh();
    EXPECT_EQ(text(), shown(saved));
    EXPECT_EQ(length(), QString::number(saved.size()));
}

TEST_F(ViewerTest, CloseFileTwiceShowsItsPlaceholdersWithoutAnError) {
    ASSERT_NE(open(), nullptr);
    refresh();
    for (int i = 0; i < 2; ++i) {
        closeFile();
        EXPECT_EQ(text(), QStringLiteral("NO File Open!!"));
        EXPECT_EQ(length(), QStringLiteral("NFO"));
        EXPECT_FALSE(viewer->cmdCloseFile->isEnabled());
        EXPECT_EQ(ViewFileNum, 0);
        viewer->cmdCloseFile_Click();  // a disabled button takes no click: call its handler too
    }
    EXPECT_TRUE(messages.empty());
    refresh();
    EXPECT_TRUE(viewer->cmdCloseFile->isEnabled());
    EXPECT_EQ(text(), shown(kUser));
}

// A failed open has already let go of the held file; the controls keep what they showed.
TEST_F(ViewerTest, AFailedOpenKeepsWhatWasShown) {
    ASSERT_NE(open(), nullptr);
    QDir().mkpath(path(QStringLiteral("folder.ini")));
    const std::pair<QString, const char*> cases[] = {
        {path(QStringLiteral("missing.ini")), "File not found"},
        {path(QStringLiteral("nowhere/User.ini")), "Path not found"},
        {QString(), "File not found"},
        {path(QStringLiteral("folder.ini")), "Path/File access error"},
    };
    for (const auto& [file, description] : cases) {
        UseriniPath = userIni();
        refresh();
        ASSERT_NE(ViewFileNum, 0);
        messages.clear();
        UseriniPath = file;
        refresh();
        ASSERT_EQ(messages.size(), 1u) << description;
        EXPECT_EQ(messages[0].prompt, QStringLiteral("Error ") + QLatin1String(description) +
                                          QStringLiteral(" - Corvane while tyring to open / refresh file!"));
        EXPECT_EQ(messages[0].style, 48);
        EXPECT_EQ(ViewFileNum, 0);
        EXPECT_EQ(text(), shown(kUser));
        EXPECT_EQ(length(), QString::number(kUser.size()));
        EXPECT_TRUE(viewer->cmdCloseFile->isEnabled());
    }
    // After Close File the button stays disabled through a failed open.
    closeFile();
    refresh();
    EXPECT_FALSE(viewer->cmdCloseFile->isEnabled());
    EXPECT_EQ(text(), QStringLiteral("NO File Open!!"));
}

TEST_F(ViewerTest, TheEditorsCloseReleasesTheFileAndLeavesCloseFileAsItWas) {
    ASSERT_NE(open(), nullptr);
    refresh();
    closeFile();
    main->CloseINIFiles();
    EXPECT_EQ(text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(length(), QStringLiteral("NO File Open"));
    EXPECT_FALSE(viewer->cmdCloseFile->isEnabled());
    refresh();
    main->CloseINIFiles();
    EXPECT_EQ(ViewFileNum, 0);
    EXPECT_TRUE(viewer->cmdCloseFile->isEnabled());
}

TEST_F(ViewerTest, LaunchDropsUnsavedEditsResetsTheEditorAndStartsTheGame) {
    ASSERT_NE(open(), nullptr);
    refresh();
    find<QLineEdit>(QStringLiteral("txtAlias(0)"))->setText(QStringLiteral("unsaved"));
    QTest::mouseClick(main->cmdLaunch, Qt::LeftButton);

    ASSERT_EQ(startedPrograms.size(), 1u);
    EXPECT_EQ(startedPrograms[0].first, UT2003exePath);
    EXPECT_EQ(startedPrograms[0].second, 2);
    EXPECT_EQ(readFile(userIni()), kUser);
    EXPECT_EQ(text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(length(), QStringLiteral("NO File Open"));
    EXPECT_EQ(main->lblOFile->text(), QStringLiteral("NO File Open"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtAlias(0)"))->text(), QStringLiteral("NO File Open"));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(ViewFileNum, 0);
    for (const ShownMessage& message : messages)
        EXPECT_FALSE(message.prompt.contains(QStringLiteral("Launch"))) << message.prompt.toStdString();
}

TEST_F(ViewerTest, LaunchOfAMissingExecutableShowsItsMessageAfterTheReset) {
    ASSERT_NE(open(), nullptr);
    setStartProgramHandler({});
    ASSERT_FALSE(QFileInfo::exists(UT2003exePath));
    main->viewer->cmdLaunch_Click();
    ASSERT_FALSE(messages.empty());
    const ShownMessage& message = messages.back();
    EXPECT_TRUE(message.prompt.startsWith(QStringLiteral("Error File not found"))) << message.prompt.toStdString();
    EXPECT_TRUE(message.prompt.endsWith(QStringLiteral(" - Corvane While Trying To Launch UT2003!")))
        << message.prompt.toStdString();
    EXPECT_EQ(message.style, 64);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(main->lblOFile->text(), QStringLiteral("NO File Open"));
}

}  // namespace
