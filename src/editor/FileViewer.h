#pragma once
// The raw file viewer on the "File Viewer" tab, and the game launcher of the toolbar.
#include <QObject>
#include <array>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class frmMain;
namespace platform {
class ReadOnlyFile;
}

class FileViewer : public QObject {
    Q_OBJECT
  public:
    explicit FileViewer(frmMain& main);
    ~FileViewer() override;

    // Releases the held file; nothing held is no error.
    void closeViewFile();
    // The close's reset: text and length "NO File Open".
    void resetTexts();

    void cmdOpenRefresh_Click();
    void cmdCloseFile_Click();
    void cmdLaunch_Click();

    std::array<QRadioButton*, 2> optINIFile{};
    QPushButton* cmdOpenRefresh = nullptr;
    QPushButton* cmdCloseFile = nullptr;
    QLabel* lblTxtLOF = nullptr;
    QLabel* lblLOF = nullptr;
    QPlainTextEdit* txtFileView = nullptr;
    QLabel* picKey4 = nullptr;  // the decorative picture "picKey(4)"

  private:
    frmMain& main_;
    std::unique_ptr<platform::ReadOnlyFile> file_;
};
