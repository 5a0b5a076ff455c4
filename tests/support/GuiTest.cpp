#include "GuiTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <algorithm>

#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/qt/forms.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"
#include "platform/registry.h"

namespace {
void copyTree(const QString& from, const QString& to) {
    QDir source(from);
    if (!source.exists()) return;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QStringLiteral("/") + source.relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}
}  // namespace

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    copyTree(QStringLiteral(CORVANE_DATA), dir_.path());
    setProgramFolder(dir_.path());
    writeHive("WINE REGISTRY Version 2\n");
    platform::setLocalMachineHive(hivePath().toStdString());
    setMsgBoxHandler([this](const QString& prompt, int style) {
        messages.push_back({prompt, style});
        if (!msgBoxAnswers.empty()) {
            const int answer = msgBoxAnswers.front();
            msgBoxAnswers.pop_front();
            return answer;
        }
        return (style & 7) == 4 ? 7 : 1;
    });
    setFileDialogHandler([this](const FileDialogRequest& request) {
        dialogRequests.push_back(request);
        if (dialogAnswers.empty()) return QString();
        const QString answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    });
    setStartProgramHandler([this](const QString& program, int showState) {
        startedPrograms.push_back({program, showState});
    });
}

void GuiTest::TearDown() {
    unloadAll();
    setMsgBoxHandler({});
    setFileDialogHandler({});
    setStartProgramHandler({});
    platform::setLocalMachineHive("");
    setProgramFolder(QString());
}

QString GuiTest::copyFixture(const QString& name, const QString& newName) const {
    const QString target = path(newName.isEmpty() ? name : newName);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(QStringLiteral(CORVANE_FIXTURES "/") + name, target)) << name.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return target;
}

void GuiTest::writeFile(const QString& filePath, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(filePath).path());
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray GuiTest::readFile(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void GuiTest::writeSettings(const QList<QPair<QString, QString>>& keys) const {
    QByteArray bytes = "[Quarl_UT2003.Settings]\r\n";
    for (const auto& [key, value] : keys) bytes += key.toLatin1() + "=" + value.toLatin1() + "\r\n";
    writeFile(path(QStringLiteral("Quarl.ini")), bytes);
}

void GuiTest::writeHive(const QByteArray& body) const {
    writeFile(hivePath(), body);
}

void GuiTest::runMain() {
    Main();
}

void GuiTest::unloadAll() {
    for (;;) {
        const QList<Form*> loaded = forms::loadedForms();
        if (loaded.isEmpty()) break;
        forms::unload(loaded.last());
    }
    flushDeletes();
}

void GuiTest::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* GuiTest::window(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name) return top;
    return nullptr;
}

frmMain* GuiTest::openEditor(const QByteArray& userIniBytes, const QByteArray& engineIniBytes) {
    writeFile(userIni(), userIniBytes);
    writeFile(engineIni(), engineIniBytes);
    writeSettings({{QStringLiteral("UT2003UserINIPath"), userIni()}});
    runMain();
    UseriniPath = userIni();
    OpenedUseriniPath = userIni();
    UT2003iniPath = engineIni();
    UT2003exePath = path(QStringLiteral("UT2003.exe"));
    auto* main = qobject_cast<frmMain*>(window(QStringLiteral("frmMain")));
    EXPECT_NE(main, nullptr);
    if (main) main->OpenINIFiles();
    return main;
}

frmMain* GuiTest::openEditorWithFixtures(const QString& userFixture, const QString& engineFixture) {
    return openEditor(readFile(QStringLiteral(CORVANE_FIXTURES "/") + userFixture),
                      readFile(QStringLiteral(CORVANE_FIXTURES "/") + engineFixture));
}

int GuiTest::shownCount(const QString& prompt) const {
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(), [&](const ShownMessage& m) { return m.prompt == prompt; }));
}
