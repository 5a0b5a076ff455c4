#include "GuiTest.h"

#include <QtTest>
#include <QtWidgets>
#include <filesystem>

#include "IniText.h"
#include "config/Startup.h"
#include "config/frmSplash.h"
#include "editor/MainWindowHooks.h"
#include "editor/frmMain.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"
#include "platform/error.h"
#include "platform/qt/forms.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"
#include "platform/registry.h"

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    std::filesystem::copy(CORVANE_DATA, dir_.path().toStdString(), std::filesystem::copy_options::recursive);
    setProgramFolder(dir_.path());
    installMainWindowHooks();
    writeHive("WINE REGISTRY Version 2\n");
    platform::setLocalMachineHive(hivePath().toStdString());
    // Answers from the queues; when a queue is empty: vbNo to a question, vbOK to any other message, Cancel to a
    // dialog.
    setMsgBoxHandler([this](const QString& prompt, int style) {
        messages.push_back({prompt, style});
        // A box that fails is recorded, then fails as a box that cannot be shown would.
        if (std::exchange(failNextMessageBox, false)) throw platform::AppError("Out of memory");
        const int answer = msgBoxAnswers.empty() ? ((style & 7) == 4 ? 7 : 1) : msgBoxAnswers.front();
        if (!msgBoxAnswers.empty()) msgBoxAnswers.pop_front();
        return answer;
    });
    setFileDialogHandler([this](const FileDialogRequest& request) {
        dialogRequests.push_back(request);
        if (failFileDialogs) throw platform::AppError("Out of memory");
        const QString answer = dialogAnswers.empty() ? QString() : dialogAnswers.front();
        if (!dialogAnswers.empty()) dialogAnswers.pop_front();
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GuiTest::writeSettings(const QString& keys) const {
    QByteArray bytes = "[Quarl_UT2003.Settings]\r\n";
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) bytes += key.toUtf8() + "\r\n";
    writeFile(path(QStringLiteral("Quarl.ini")), bytes);
}

void GuiTest::unloadAll() {
    while (!forms::loadedForms().isEmpty()) forms::unload(forms::loadedForms().last());
    flushDeletes();
}

QWidget* GuiTest::window(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name) return top;
    return nullptr;
}

std::string GuiTest::shownMessages() const {
    QStringList lines;
    for (const auto& [prompt, style] : messages)
        lines << QString::number(style) + " | " + QString(prompt).replace(programDir(), "{dir}").replace("\r", "\\r");
    return lines.join('\n').toStdString();
}

frmMain* GuiTest::mainWindow() {
    return find<frmMain>(QStringLiteral("frmMain"));
}

frmMain* GuiTest::openEditor(const QByteArray& userIniBytes, const QByteArray& engineIniBytes) {
    writeFile(userIni(), userIniBytes);
    writeFile(engineIni(), engineIniBytes);
    writeSettings("UT2003UserINIPath=" + userIni());
    runMain();
    UseriniPath = userIni();
    OpenedUseriniPath = userIni();
    UT2003iniPath = engineIni();
    UT2003exePath = path(QStringLiteral("UT2003.exe"));
    frmMain* main = mainWindow();
    EXPECT_NE(main, nullptr);
    if (main) main->OpenINIFiles();
    return main;
}

frmMain* GuiTest::openEditorWithFixtures(const QString& userFixture, const QString& engineFixture) {
    return openEditor(readFile(QStringLiteral(CORVANE_FIXTURES "/") + userFixture),
                      readFile(QStringLiteral(CORVANE_FIXTURES "/") + engineFixture));
}

namespace {

// The text, the value and the enabled state of one control, as the state table writes them.
QString describe(QObject* control) {
    QStringList parts;
    auto quoted = [](const QString& text) { return '"' + text + '"'; };
    for (const char* text : {"text", "title", "currentText", "plainText"})
        if (control->property(text).isValid() && !qobject_cast<QProgressBar*>(control)) {
            parts << quoted(control->property(text).toString());
            break;
        }
    if (control->property("echoMode").toInt() == QLineEdit::Password)
        parts << "shown:" + quoted(control->property("displayText").toString());
    if (control->property("checkable").toBool()) parts << QString::number(control->property("checked").toBool());
    if (control->property("value").isValid()) parts << control->property("value").toString();
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int p = list->currentIndex();
        const bool listed = p >= 0 && list->currentText() == list->itemText(p);
        parts << QStringLiteral("%1/%2").arg(listed ? p : -1).arg(list->count());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        const QString picture = label->property("picturePath").toString();
        if (!picture.isEmpty()) parts << "pic:" + QFileInfo(picture).fileName();
        // The system colours of button faces and shadows by name, others as #rrggbb.
        const QColor color = label->palette().color(QPalette::Window);
        const QPalette system = QApplication::palette();
        if (label->autoFillBackground())
            parts << "bg:" + (color == system.color(QPalette::Button) ? "face"
                              : color == system.color(QPalette::Dark) ? "shadow"
                                                                      : color.name());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        parts << quoted(captions.join(';')) << QString::number(tabs->currentIndex());
    }
    return (parts << (control->property("enabled").toBool() ? "on" : "off")).join(' ');
}

}  // namespace

// Every widget and action of the window with a name; the parts that Qt names inside its own widgets (the tab
// bar's scroll buttons, "qt_" names) are not the window's controls.
QMap<QString, QString> GuiTest::describeControls(QWidget* window) {
    QMap<QString, QString> all;
    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || qobject_cast<QTabBar*>(object->parent())) continue;
        if (qobject_cast<QWidget*>(object) || qobject_cast<QAction*>(object)) all.insert(name, describe(object));
    }
    return all;
}

namespace {
// Ends the steps at one that cannot be taken, after the failure that says why.
struct StepFailed {};
[[noreturn]] void cannot(const char* why) {
    ADD_FAILURE() << why;
    throw StepFailed();
}
}  // namespace

bool GuiTest::act(const QString& steps) try {
    for (const QString& step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        SCOPED_TRACE("step \"" + step.toStdString() + '"');
        const QString verb = step.section(' ', 0, 0), words = QString(step).replace("{dir}", programDir());
        const QString name = words.section(' ', 1, 1), rest = words.section(' ', 1);
        QString last = words.section(' ', 2);
        if (last.startsWith('"') && (last.size() < 2 || !last.endsWith('"'))) cannot("an unclosed quote");
        if (last.startsWith('"')) last = last.mid(1).chopped(1);
        // The control a step acts on; the step fails when there is none of that name and kind.
        const auto need = [](auto* found) { return found ? found : throw StepFailed(); };
        const std::map<QString, std::function<void()>> verbs = {
            {"type",
             [&] {
                 need(control<QLineEdit>(name))->end(false);
                 QTest::keyClicks(need(control<QLineEdit>(name)), last);
             }},
            {"text",
             [&] {
                 if (auto* list = find<QComboBox>(name)) return list->setEditText(last);
                 // A control without the property would take it as a new one and show nothing.
                 if (!need(control<QWidget>(name))->setProperty("text", last)) cannot("a control without a text");
             }},
            {"click", [&] { need(control<QAbstractButton>(name))->click(); }},
            {"trigger", [&] { need(control<QAction>(name))->trigger(); }},
            {"press", [&] { QTest::mouseClick(need(control<QWidget>(name)), Qt::LeftButton); }},
            {"pick",
             [&] {
                 bool number = false;
                 const int position = last.toInt(&number);
                 if (!number) cannot("a list position that is no number");
                 need(control<QComboBox>(name))->setCurrentIndex(position);
             }},
            {"slide",
             [&] {
                 if (last != "max" && last != "+1" && last != "-1") cannot("a slider move other than +1, -1 or max");
                 need(control<QSlider>(name))
                     ->triggerAction(last == "max"  ? QSlider::SliderToMaximum
                                     : last == "+1" ? QSlider::SliderSingleStepAdd
                                                    : QSlider::SliderSingleStepSub);
             }},
            {"answer",
             [&] {
                 if (name == "Yes" || name == "No") return msgBoxAnswers.push_back(name == "Yes" ? vbYes : vbNo);
                 dialogAnswers.push_back(rest);
             }},
            {"start",
             [&] {
                 // Of two lines of a key the first counts: a player file given above wins over User.ini.
                 writeSettings(rest + " UT2003UserINIPath=" + userIni());
                 OpenedUseriniPath.clear();  // as in a new process
                 runMain();
             }},
            {"main", [&] { runMain(); }},
            {"open",
             [&] {
                 openEditor(rest.isEmpty() ? fixtureBytes("User.ini") : withSetting(fixtureBytes("User.ini"), rest),
                            fixtureBytes("UT2003.ini"));
             }},
            {"set", [&] { writeFile(path(name), withSetting(readFile(path(name)), words.section(' ', 2))); }},
            {"remove", [&] { QFile::remove(path(name)) ? void() : cannot("no such file"); }},
            {"readonly", [&] { QFile::setPermissions(path(name), QFile::ReadOwner | QFile::ReadGroup); }},
            {"failbox", [&] { failNextMessageBox = true; }},
            {"faildialog", [&] { failFileDialogs = true; }},
            {"nolauncher", [] { setStartProgramHandler(nullptr); }},
            {"show",
             [&] {
                 name == "frmAbout"       ? (void)Show<frmAbout>()
                 : name == "frmAliasNFO"  ? (void)Show<frmAliasNFO>()
                 : name == "frmSpeechNFO" ? (void)Show<frmSpeechNFO>()
                                          : cannot("no such window");
             }},
            {"splashtimer", [&] { need(control<frmSplash>("frmSplash"))->Timer1_Timer(); }},
        };
        if (!verbs.count(verb)) cannot("no such verb");
        verbs.at(verb)();
    }
    return true;
} catch (const StepFailed&) {
    return false;
}
