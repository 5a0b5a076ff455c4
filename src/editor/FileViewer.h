#pragma once
// The raw file viewer on the "File Viewer" tab.
#include <QObject>
#include <array>
#include <memory>

#include "editor/KeyBinding.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;
namespace platform {
class ReadOnlyFile;
}

class FileViewer : public QObject {
    Q_OBJECT
  public:
    // Builds the viewer on its page; the text box takes the width that the pages have grown. While a file is open
    // the viewer shows the game files of the last load.
    FileViewer(QWidget* page, int pageGrowth, editor::GameFiles files);
    ~FileViewer() override;

    // Releases the held file; nothing held is no error.
    void closeViewFile();
    // The close's reset: text and length "NO File Open".
    void resetTexts();

  private:
    void cmdOpenRefresh_Click();
    void cmdCloseFile_Click();

    std::array<QRadioButton*, 2> optINIFile{};
    QPushButton* cmdOpenRefresh = nullptr;
    QPushButton* cmdCloseFile = nullptr;
    QLabel* lblTxtLOF = nullptr;
    QLabel* lblLOF = nullptr;
    QPlainTextEdit* txtFileView = nullptr;

    editor::GameFiles files_;
    std::unique_ptr<platform::ReadOnlyFile> file_;
};
