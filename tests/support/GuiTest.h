#pragma once
// Support for tests that drive the real windows on the offscreen platform: a temporary program folder, the
// seams answered in advance (message boxes, file dialogs, program start, registry hive), and helpers to find
// controls by name, act on them as a user would and compare files byte for byte.
#include <gtest/gtest.h>

#include <QtWidgets>
#include <deque>
#include <functional>

#include "platform/qt/filedialog.h"

void Main();  // the start-up (config/Startup.h)

// Texts print as text in a failure, not as arrays of code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct ShownMessage {
    QString prompt;
    int style = 0;
};

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary program folder (holds "Quarl.ini" and a copy of data/).
    QString programDir() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.path() + QStringLiteral("/") + name; }
    // Copies tests/fixtures/<name> to the program folder under newName (default: same name); returns its path.
    QString copyFixture(const QString& name, const QString& newName = QString()) const;
    void writeFile(const QString& filePath, const QByteArray& bytes) const;
    static QByteArray readFile(const QString& filePath);
    // Writes a "Quarl.ini" in the program folder with the lines "key=value ..." (apart by blanks) of its section.
    void writeSettings(const QString& keys) const;

    // Message boxes: every prompt shown is recorded; answers are taken from the queue (when it is empty: vbNo for
    // a question, vbOK otherwise).
    std::vector<ShownMessage> messages;
    std::deque<int> msgBoxAnswers;
    // File dialogs: requests recorded; answers taken from the queue ("" = Cancel when the queue is empty).
    std::vector<FileDialogRequest> dialogRequests;
    std::deque<QString> dialogAnswers;
    // The next message box fails, after it is recorded; every file dialog fails.
    bool failNextMessageBox = false, failFileDialogs = false;
    // Program starts recorded.
    std::vector<QPair<QString, int>> startedPrograms;
    // A registry hive for the test (empty hive by default: no game installed).
    QString hivePath() const { return path(QStringLiteral("system.reg")); }
    void writeHive(const QByteArray& body) const { writeFile(hivePath(), body); }

    // Runs the start-up in-process (after setProgramFolder).
    void runMain() { Main(); }
    // Puts the two game files (bytes) into the program folder as "User.ini" and "UT2003.ini", writes a
    // "Quarl.ini" that points at them, runs the start-up, sets the game paths, loads both files into the main
    // window through OpenINIFiles and returns the main window.
    class frmMain* openEditor(const QByteArray& userIni, const QByteArray& engineIni);
    // The same with fixture files of tests/fixtures.
    class frmMain* openEditorWithFixtures(const QString& userFixture = QStringLiteral("User.ini"),
                                          const QString& engineFixture = QStringLiteral("UT2003.ini"));
    QString userIni() const { return path(QStringLiteral("User.ini")); }
    QString engineIni() const { return path(QStringLiteral("UT2003.ini")); }
    // Unloads every loaded window and deletes them (as closing the program would).
    static void unloadAll();
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Steps as a user, or the world around the program, takes them, separated by "; ". A step is a verb and its
    // words; a quoted last word keeps its blanks, and {dir} stands for the program folder.
    //   type box "text"           types after the box's text     text box "text"   sets a box's, list's or label's text
    //   click button              trigger action                 press label (a mouse click)
    //   pick list position        slide slider +1, -1 or max
    //   answer Yes|No|path        the next question's answer, or else the next file dialog's
    //   start key=value ...       the start-up with those settings (the player file, unless they name one, is
    //                             User.ini in the program folder); main: the start-up as the folder stands
    //   open                      the editor on the fixture pair; open [section] key=value: with that value in
    //                             the player file
    //   set file [section] key=value, remove file, readonly file   in the program folder
    //   failbox                   the next message box fails     faildialog   every file dialog fails
    //   nolauncher                the real program start         splashtimer  the splash window's timer fires
    //   show frmAbout|frmAliasNFO|frmSpeechNFO
    // A step that cannot be taken (no such verb, no control of that name and kind, a word the verb cannot read)
    // fails the test, naming the step; the steps after it are not taken and the result is false.
    bool act(const QString& steps);

    template <class T>
    static T* find(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* t = qobject_cast<T*>(top); t && top->objectName() == name) return t;
            if (auto* child = top->findChild<T*>(name)) return child;
        }
        return nullptr;
    }
    // The same, failing the test with the name and kind asked for when there is no such control.
    template <class T>
    static T* control(const QString& name) {
        T* found = find<T>(name);
        if (!found) ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << qPrintable(name);
        return found;
    }
    // The messages shown, a line "style | prompt" each, with {dir} for the program folder and \r for a carriage return.
    std::string shownMessages() const;
    static QWidget* window(const QString& name);
    // Every named widget and action of a window (not the parts Qt names inside its own widgets) with its text, value
    // and enabled state: "text" value list-position/items picture background on|off.
    static QMap<QString, QString> describeControls(QWidget* window);
    static class frmMain* mainWindow();
    // How many descriptors of this process are open on files at or below path.
    static long openFilesUnder(const QString& path) {
        const QFileInfoList fds =
            QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
        return std::count_if(fds.begin(), fds.end(), [&](auto& fd) { return fd.symLinkTarget().startsWith(path); });
    }

  private:
    QTemporaryDir dir_;
};
