// The options window's buttons: what Apply, OK, Cancel and "Set Quarl.ini Path" write where, and what a
// missing path or a read-only settings file does.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "IniText.h"
#include "config/Startup.h"
#include "config/frmOptions.h"
#include "editor/frmMain.h"

namespace {

class OptionsTest : public GuiTest {
  protected:
    QString settings() const { return path("Quarl.ini"); }
    // Starts the program on the options window, with more keys in the settings file.
    frmOptions* start(const QList<QPair<QString, QString>>& keys) {
        writeSettings(QList<QPair<QString, QString>>{{"ShowOptionOnStartup", "1"}} + keys);
        runMain();
        messages.clear();
        return FormSlot<frmOptions>::instance();
    }
    // The messages shown, each as "style prompt".
    QStringList shown() const {
        QStringList list;
        for (const ShownMessage& m : messages) list << QString::number(m.style) + " " + m.prompt;
        return list;
    }
};

// "Set Quarl.ini Path" sends every write to the file picked. A new settings file holds the section and the
// eight keys in the order of the save; an empty timer box is stored as one second.
TEST_F(OptionsTest, SetQuarlIniPathRedirectsTheSaveToANewFile) {
    frmOptions* form = start({{"UT2003UserINIPath", userIni()}});
    const QByteArray before = readFile(settings());
    const QString other = path("elsewhere/Quarl.ini");
    QDir().mkpath(path("elsewhere"));
    dialogAnswers = {other};
    QTest::mouseClick(form->cmdSetPaths[0], Qt::LeftButton);
    form->chkINISettings[1]->setChecked(true);
    form->txtTimerValue->clear();
    QTest::mouseClick(form->cmdApply, Qt::LeftButton);
    EXPECT_TRUE(sameBytes(readFile(other), ("[Quarl_UT2003.Settings]\r\nQuarliniPath=" + other +
                                            "\r\nUT2003UserINIPath=" + userIni() + "\r\nGamePath=" + programDir() +
                                            "/UT2003.exe\r\nReadPathFromRegistry=0\r\nSplashStartup=1\r\n"
                                            "AutoOpenINI=0\r\nShowOptionOnStartup=1\r\nSplashTimeMsec=1000\r\n")
                                               .toLocal8Bit()));
    EXPECT_EQ(readFile(settings()), before);
    EXPECT_TRUE(messages.empty());
}

// OK and Apply without a player file, or with a settings file that cannot be written, write nothing and say
// why; a failed write is reported, not passed over, and OK then still leads on to the main window.
TEST_F(OptionsTest, OkAndApplyReportInsteadOfWriting) {
    const QString noPath = "Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)";
    const QString failure = "48 Error Permission denied, Corvane While Trying to Write to Quarl.ini File!";
    const struct {
        bool readOnly;  // else no player file: the browse is cancelled
        QStringList prompts;
    } cases[] = {{false, {"64 " + noPath, "16 " + noPath}}, {true, {failure, failure}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readOnly);
        frmOptions* form = start(c.readOnly ? QList<QPair<QString, QString>>{{"UT2003UserINIPath", userIni()}}
                                            : QList<QPair<QString, QString>>{});
        const QByteArray before = readFile(settings());
        if (c.readOnly) QFile::setPermissions(settings(), QFile::ReadOwner);
        QTest::mouseClick(form->cmdApply, Qt::LeftButton);
        QTest::mouseClick(form->cmdOK, Qt::LeftButton);
        EXPECT_EQ(shown(), c.prompts);
        EXPECT_EQ(readFile(settings()), before);
        EXPECT_EQ(isLoaded<frmMain>(), c.readOnly);
        unloadAll();
    }
}

// Cancel and Esc leave without a write, keeping the paths the load resolved.
TEST_F(OptionsTest, CancelKeepsTheResolvedPaths) {
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        dialogAnswers = {path("System/User.ini")};
        frmOptions* form = start({});
        const QByteArray before = readFile(settings());
        form->chkINISettings[0]->setChecked(true);
        way ? QTest::keyClick(form, Qt::Key_Escape) : QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
        EXPECT_FALSE(isLoaded<frmOptions>());
        EXPECT_EQ(UseriniPath, path("System/User.ini"));
        EXPECT_EQ(UT2003iniPath, path("System/UT2003.ini"));
        EXPECT_EQ(readFile(settings()), before);
        flushDeletes();
    }
}

}  // namespace
