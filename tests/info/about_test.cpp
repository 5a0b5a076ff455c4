// The About window: what it shows, how it closes, and the roads to the system information tool.
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "GuiTest.h"
#include "config/Startup.h"
#include "info/frmAbout.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A hive value: Wine doubles every backslash.
QByteArray escaped(const QString& text) {
    return text.toUtf8().replace("\\", "\\\\");
}

QByteArray hiveWith(const QString& msinfoPath, const QString& msinfoFolder) {
    QByteArray hive = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
    if (!msinfoPath.isNull())
        hive += "[Software\\\\Microsoft\\\\Shared Tools\\\\MSINFO] 1700000000\n\"PATH\"=\"" + escaped(msinfoPath) +
                "\"\n\n";
    if (!msinfoFolder.isNull())
        hive += "[Software\\\\Microsoft\\\\Shared Tools Location] 1700000000\n\"MSINFO\"=\"" + escaped(msinfoFolder) +
                "\"\n\n";
    return hive;
}

class AboutTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        // The forms runtime ends the application when the last window unloads, as every earlier test's tear-down
        // does; that leaves the application quitting, and a modal window's exec() would return at once. A short
        // run of the application's own loop clears it.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        clearQuit();
    }
    static void clearQuit() {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
    frmAbout* shown() {
        frmAbout* about = Load<frmAbout>();
        about->show();
        return about;
    }
};

TEST_F(AboutTest, ShowsTheNameVersionAndFixedTexts) {
    frmAbout* about = Load<frmAbout>();
    EXPECT_EQ(about->objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About :: ///Quarl's .INI Editor"));
    EXPECT_EQ(about->size(), QSize(391, 235));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Corvane"));
    EXPECT_TRUE(about->lblTitle->font().bold());
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version ") + versionText());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(about->lblVersion->text()).hasMatch());
    EXPECT_EQ(about->lblDisclaimer->text(),
              QStringLiteral("This product was developed for use with Unreal Technologies UNREAL TOURNEMENT 2003.  "
                             "UT2003 Must be installed on your system for this to work correctly."));
    EXPECT_EQ(about->cmdOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(about->cmdOK->isDefault());
    EXPECT_EQ(about->cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_EQ(about->lblNFO->frameShape(), QFrame::Box);
    EXPECT_FALSE(about->lblNFO->text().isEmpty());
    EXPECT_FALSE(about->lblDescription->text().isEmpty());
    // The logo sets the box's size; its background is the grey of the design.
    EXPECT_EQ(about->picIcon->geometry(), QRect(8, 8, 132, 132));
    EXPECT_FALSE(about->picIcon->pixmap().isNull());
    EXPECT_EQ(about->picIcon->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    // The etched separator: grey above, white below.
    EXPECT_EQ(find<QFrame>(QStringLiteral("Line1(1)"))->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(find<QFrame>(QStringLiteral("Line1(0)"))->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(find<QFrame>(QStringLiteral("Line1(0)"))->geometry().top(),
              find<QFrame>(QStringLiteral("Line1(1)"))->geometry().bottom() + 1);
}

TEST_F(AboutTest, OpensWithoutItsLogo) {
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("logo.png"))));
    frmAbout* about = Load<frmAbout>();
    EXPECT_TRUE(about->picIcon->pixmap().isNull());
    EXPECT_EQ(about->picIcon->geometry(), QRect(8, 8, 136, 136));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AboutTest, EnterAndEscapeCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        frmAbout* about = shown();
        QTest::keyClick(about, key);
        EXPECT_FALSE(isLoaded<frmAbout>());
        EXPECT_FALSE(about->isVisible());
        flushDeletes();
    }
    // The OK button and the close box close it too.
    shown()->cmdOK->click();
    EXPECT_FALSE(isLoaded<frmAbout>());
    flushDeletes();
    shown()->close();
    EXPECT_FALSE(isLoaded<frmAbout>());
}

TEST_F(AboutTest, ModalOverItsOwnerUntilClosed) {
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        clearQuit();
        frmAbout* about = Load<frmAbout>();
        bool sawModal = false;
        QPoint centre;
        QTimer::singleShot(0, about, [&] {
            sawModal = about->isModal() && about->isVisible() && about->parentWidget() == &owner && about->isWindow();
            centre = about->frameGeometry().center();
            QTest::keyClick(about, key);
        });
        about->showModalOver(&owner);
        EXPECT_TRUE(sawModal);
        const QPoint offset = centre - owner.frameGeometry().center();
        EXPECT_LE(std::abs(offset.x()), 2);
        EXPECT_LE(std::abs(offset.y()), 2);
        EXPECT_FALSE(isLoaded<frmAbout>());
        flushDeletes();
    }
    // The owner goes at the end of this scope; no window of it may still be loaded then.
    unloadAll();
}

struct SysInfoCase {
    const char* name;
    QString pathValue;    // null: value absent
    QString folderValue;  // null: value absent
    QString toolFile;     // file made in the program folder before the click ("" none)
    bool folderIsTool;    // toolFile is made as a folder
    QString expectStart;  // "" when the message must show instead
};

TEST_F(AboutTest, SystemInfoRoads) {
    const QString tools = path(QStringLiteral("msinfo"));
    QDir().mkpath(tools);
    const std::vector<SysInfoCase> cases = {
        {"first value, file not tested", tools + "/missing.exe", QString(), "", false, tools + "/missing.exe"},
        {"first value wins over the second", tools + "/first.exe", tools, "msinfo/MSINFO32.EXE", false,
         tools + "/first.exe"},
        {"second value with the tool", QString(), tools, "msinfo/MSINFO32.EXE", false, tools + "/MSINFO32.EXE"},
        {"second value, tool in lower case", QString(), tools, "msinfo/msinfo32.exe", false, tools + "/msinfo32.exe"},
        {"second value without the tool", QString(), tools, "", false, ""},
        {"second value names a folder", QString(), tools, "msinfo/MSINFO32.EXE", true, ""},
        {"second value empty", QString(), QStringLiteral(""), "", false, ""},
        {"first value empty", QStringLiteral(""), QString(), "", false, ""},
        {"neither value", QString(), QString(), "", false, ""},
    };
    for (const SysInfoCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(tools).removeRecursively();
        QDir().mkpath(tools);
        if (!c.toolFile.isEmpty()) {
            if (c.folderIsTool)
                QDir().mkpath(path(c.toolFile));
            else
                writeFile(path(c.toolFile), "MZ");
        }
        writeHive(hiveWith(c.pathValue, c.folderValue));
        messages.clear();
        startedPrograms.clear();
        frmAbout* about = shown();
        about->cmdSysInfo->click();
        if (c.expectStart.isEmpty()) {
            EXPECT_TRUE(startedPrograms.empty());
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, kUnavailable);
            EXPECT_EQ(messages[0].style, vbOKOnly);
        } else {
            EXPECT_TRUE(messages.empty());
            ASSERT_EQ(startedPrograms.size(), 1u);
            EXPECT_EQ(startedPrograms[0].first, c.expectStart);
            EXPECT_EQ(startedPrograms[0].second, vbNormalFocus);
        }
        // The window stays open either way.
        EXPECT_TRUE(isLoaded<frmAbout>());
        unloadAll();
    }
}

TEST_F(AboutTest, WindowsPathsOfTheRegistryGoThroughTheWinePrefix) {
    const QString prefix = path(QStringLiteral("prefix"));
    QDir().mkpath(prefix + QStringLiteral("/drive_c/Tools"));
    QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
    const QString tool = prefix + QStringLiteral("/drive_c/Tools/MSINFO32.EXE");
    writeFile(tool, "MZ");
    const QByteArray savedPrefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", prefix.toUtf8());

    // Either value, written the Windows way (and in another letter case), leads to the same file.
    const std::vector<QPair<QString, QString>> cases = {{QStringLiteral("C:\\tools\\msinfo32.exe"), QString()},
                                                        {QString(), QStringLiteral("c:\\TOOLS")}};
    for (const auto& [pathValue, folderValue] : cases) {
        SCOPED_TRACE(pathValue.toStdString() + folderValue.toStdString());
        writeHive(hiveWith(pathValue, folderValue));
        startedPrograms.clear();
        shown()->StartSysInfo();
        ASSERT_EQ(startedPrograms.size(), 1u);
        EXPECT_EQ(QFileInfo(startedPrograms[0].first).canonicalFilePath(), QFileInfo(tool).canonicalFilePath())
            << startedPrograms[0].first.toStdString();
        unloadAll();
    }
    EXPECT_TRUE(messages.empty());
    if (savedPrefix.isNull())
        qunsetenv("WINEPREFIX");
    else
        qputenv("WINEPREFIX", savedPrefix);
}

// Without the recording seam the real start runs: a first value that names no file fails there, and the user
// gets the same message.
TEST_F(AboutTest, AToolThatCannotStartShowsTheMessage) {
    setStartProgramHandler({});
    writeHive(hiveWith(path(QStringLiteral("no/such/msinfo32")), QString()));
    shown()->cmdSysInfo->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, kUnavailable);
    EXPECT_EQ(messages[0].style, vbOKOnly);
    EXPECT_TRUE(isLoaded<frmAbout>());
}

}  // namespace
