#pragma once
// The two reference text windows (aliases; speech and taunts): one window class in two configurations, each
// showing a text file from the program's folder, held open while the window is loaded.
#include <QWidget>
#include <memory>

#include "platform/qt/forms.h"

class QPlainTextEdit;
namespace platform {
class ReadOnlyFile;
}

struct TextInfoConfig {
    const char* formName;  // "frmAliasNFO"
    const char* caption;
    const char* textBoxName;  // "txtAliasNFO"
    const char* fileName;     // "UT2003_Aliases.txt"
    const char* loadTail;     // tail of the load's failure message
    const char* unloadTail;   // tail of the unload's failure message
};

class frmTextInfo : public QWidget, public Form {
    Q_OBJECT
  public:
    explicit frmTextInfo(const TextInfoConfig& config);
    ~frmTextInfo() override;
    QWidget* widget() override { return this; }
    void Form_Load() override;
    void Form_Unload() override;
    // Places the text box over the window's whole client area, on the load and on every resize.
    void ResizeTextBox();
    // True while the window holds its text file open.
    bool holdsFile() const;

    QPlainTextEdit* textBox = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    TextInfoConfig config_;
    std::unique_ptr<platform::ReadOnlyFile> file_;
};

class frmAliasNFO : public frmTextInfo {
    Q_OBJECT
  public:
    frmAliasNFO();
};

class frmSpeechNFO : public frmTextInfo {
    Q_OBJECT
  public:
    frmSpeechNFO();
};
