// Speed of the three file procedures and of Save As, through the real main window on the offscreen platform,
// with the full pair of fixture game files: a whole load, a save that changes nothing, a save that changes every
// key, and a Save As that copies a player file of a megabyte.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "config/Startup.h"
#include "editor/MainWindowHooks.h"
#include "editor/frmMain.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/forms.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"
#include "platform/registry.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray fixture(const char* name) {
    return readBytes(QStringLiteral(CORVANE_FIXTURES "/") + QLatin1String(name));
}

// The same file with every key's value changed, so that a save of the loaded values rewrites every key it writes.
QByteArray withEveryValueChanged(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith(';') && !line.startsWith('[')) line.insert(equals + 1, '~');
    }
    return lines.join('\n');
}

// A program folder of its own with the seams answered, the start-up run and the fixture pair in place.
class Session {
  public:
    Session() {
        if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
        QDirIterator it(QStringLiteral(CORVANE_DATA), QDir::Files, QDirIterator::Subdirectories);
        const QDir data(QStringLiteral(CORVANE_DATA));
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = path(data.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
        }
        setProgramFolder(dir_.path());
        installMainWindowHooks();
        writeBytes(path(QStringLiteral("system.reg")), "WINE REGISTRY Version 2\n");
        platform::setLocalMachineHive(path(QStringLiteral("system.reg")).toStdString());
        setMsgBoxHandler([this](const QString&, int style) {
            ++messages;
            return (style & 7) == vbYesNo ? vbNo : vbOK;
        });
        setFileDialogHandler([this](const FileDialogRequest&) { return dialogAnswer; });
        setStartProgramHandler([](const QString&, int) {});
        writeBytes(userIni(), fixture("User.ini"));
        writeBytes(engineIni(), fixture("UT2003.ini"));
        writeBytes(path(QStringLiteral("Quarl.ini")),
                   "[Quarl_UT2003.Settings]\r\nUT2003UserINIPath=" + userIni().toUtf8() + "\r\n");
        Main();
        UseriniPath = OpenedUseriniPath = userIni();
        UT2003iniPath = engineIni();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<frmMain*>(top)) main = found;
        if (!main) throw std::runtime_error("the main window did not load");
    }
    ~Session() {
        for (QList<Form*> loaded = forms::loadedForms(); !loaded.isEmpty(); loaded = forms::loadedForms())
            forms::unload(loaded.last());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setMsgBoxHandler({});
        setFileDialogHandler({});
        setStartProgramHandler({});
        platform::setLocalMachineHive("");
        setProgramFolder(QString());
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    QString path(const QString& name) const { return dir_.path() + QStringLiteral("/") + name; }
    QString userIni() const { return path(QStringLiteral("User.ini")); }
    QString engineIni() const { return path(QStringLiteral("UT2003.ini")); }

    frmMain* main = nullptr;
    int messages = 0;
    QString dialogAnswer;

  private:
    QTemporaryDir dir_;
};

// Any message box means a procedure failed: the figures would not measure the real work.
void checkQuiet(benchmark::State& state, const Session& session) {
    if (session.messages != 0) state.SkipWithError("a message box was shown");
}

void BM_Load(benchmark::State& state) {
    Session session;
    for (auto _ : state) session.main->OpenINIFiles();
    checkQuiet(state, session);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_SaveUnchanged(benchmark::State& state) {
    Session session;
    session.main->OpenINIFiles();
    for (auto _ : state) session.main->mnuFileSave_Click();
    checkQuiet(state, session);
}
BENCHMARK(BM_SaveUnchanged)->Unit(benchmark::kMillisecond);

void BM_SaveChangingEveryKey(benchmark::State& state) {
    Session session;
    session.main->OpenINIFiles();
    const QByteArray user = withEveryValueChanged(fixture("User.ini"));
    const QByteArray engine = withEveryValueChanged(fixture("UT2003.ini"));
    for (auto _ : state) {
        state.PauseTiming();
        writeBytes(session.userIni(), user);
        writeBytes(session.engineIni(), engine);
        state.ResumeTiming();
        session.main->mnuFileSave_Click();
    }
    checkQuiet(state, session);
    // The save must have written the loaded values back over every changed one.
    if (readBytes(session.userIni()).contains("\r\nName=~")) state.SkipWithError("the save did not rewrite the keys");
}
BENCHMARK(BM_SaveChangingEveryKey)->Unit(benchmark::kMillisecond);

void BM_SaveAsOneMegabyte(benchmark::State& state) {
    Session session;
    session.main->OpenINIFiles();
    QByteArray big = fixture("User.ini");
    while (big.size() < 1024 * 1024) big += "; a comment line that pads the player file to a megabyte\r\n";
    const QString source = session.path(QStringLiteral("Big/User.ini"));
    writeBytes(source, big);
    session.dialogAnswer = session.path(QStringLiteral("Copy.ini"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(session.dialogAnswer);
        OpenedUseriniPath = source;
        state.ResumeTiming();
        session.main->mnuSaveAs_Click();
    }
    checkQuiet(state, session);
    if (readBytes(session.dialogAnswer) != big) state.SkipWithError("the copy differs from its source");
    state.SetBytesProcessed(state.iterations() * big.size());
}
BENCHMARK(BM_SaveAsOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The offscreen platform says that it cannot raise a window each time one is shown; in the middle of the table
// that says nothing about speed. Every other message goes on as before.
QtMessageHandler qtMessages = nullptr;
void dropRaiseNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()")) return;
    qtMessages(type, context, message);
}

}  // namespace

// Our own entry point: the window needs a QApplication on the offscreen platform before any benchmark runs.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(dropRaiseNotices);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
