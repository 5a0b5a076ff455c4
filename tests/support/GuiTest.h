#pragma once
// Support for tests that drive the real windows on the offscreen platform: a temporary program folder, the
// seams answered in advance (message boxes, file dialogs, program start, registry hive), and helpers to find
// controls by name and compare files byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>

#include "platform/qt/filedialog.h"

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
    // Writes a "Quarl.ini" in the program folder with the given key=value lines of section Quarl_UT2003.Settings.
    void writeSettings(const QList<QPair<QString, QString>>& keys) const;

    // Message boxes: every prompt shown is recorded; answers are taken from the queue (default vbOK / vbNo
    // for questions... see answerFor).
    std::vector<ShownMessage> messages;
    std::deque<int> msgBoxAnswers;
    // File dialogs: requests recorded; answers taken from the queue ("" = Cancel when the queue is empty).
    std::vector<FileDialogRequest> dialogRequests;
    std::deque<QString> dialogAnswers;
    // Program starts recorded.
    std::vector<QPair<QString, int>> startedPrograms;
    // A registry hive for the test (empty hive by default: no game installed).
    QString hivePath() const { return path(QStringLiteral("system.reg")); }
    void writeHive(const QByteArray& body) const;

    // Runs the start-up in-process (after setProgramFolder).
    void runMain();
    // Puts the two game files (bytes) into the program folder as "User.ini" and "UT2003.ini", writes a
    // "Quarl.ini" that points at them, runs the start-up, sets the game paths, loads both files into the main
    // window through OpenINIFiles and returns the main window.
    class frmMain* openEditor(const QByteArray& userIni, const QByteArray& engineIni);
    // The same with fixture files of tests/fixtures.
    class frmMain* openEditorWithFixtures(const QString& userFixture, const QString& engineFixture);
    QString userIni() const { return path(QStringLiteral("User.ini")); }
    QString engineIni() const { return path(QStringLiteral("UT2003.ini")); }
    // Unloads every loaded window and deletes them (as closing the program would).
    static void unloadAll();
    static void flushDeletes();

    template <class T>
    static T* find(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name) {
                if (auto* t = qobject_cast<T*>(top)) return t;
            }
            if (auto* child = top->findChild<T*>(name)) return child;
        }
        return nullptr;
    }
    static QWidget* window(const QString& name);
    // How many times prompt was shown.
    int shownCount(const QString& prompt) const;

  private:
    QTemporaryDir dir_;
};
