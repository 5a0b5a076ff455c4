#include "editor/FileViewer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "config/Startup.h"
#include "editor/GroupControls.h"
#include "editor/Pictures.h"
#include "platform/files.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

// Any non-zero number marks the viewer's file as held.
constexpr int kViewFile = 1;

}  // namespace

FileViewer::FileViewer(QWidget* page, int pageGrowth, editor::GameFiles files) : files_(std::move(files)) {
    editor::makeDecorativePicture(page, arrayName("picKey", 4), QStringLiteral("document.png"), 4, 4);

    const char* optionCaptions[] = {"Open User.ini File", "Open UT2003.ini File"};
    const char* optionTips[] = {"Select to put User.ini File in Que.", "Select to put UT2003.ini File in Que."};
    for (std::size_t i = 0; i < optINIFile.size(); ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(optionCaptions[i]), page);
        option->setObjectName(arrayName("optINIFile", static_cast<int>(i)));
        option->setToolTip(QString::fromLatin1(optionTips[i]));
        option->setGeometry(64, 6 + 24 * static_cast<int>(i), 160, 22);
        optINIFile[i] = option;
    }
    editor::makeOptionGroup(this, {optINIFile[0], optINIFile[1]});
    optINIFile[0]->setChecked(true);

    cmdOpenRefresh = new QPushButton(QStringLiteral("Open/Refresh File"), page);
    cmdOpenRefresh->setObjectName(QStringLiteral("cmdOpenRefresh"));
    cmdOpenRefresh->setToolTip(QStringLiteral("Open or Refresh Current Selected File."));
    cmdOpenRefresh->setGeometry(232, 14, 124, 30);
    cmdCloseFile = new QPushButton(QStringLiteral("Close File"), page);
    cmdCloseFile->setObjectName(QStringLiteral("cmdCloseFile"));
    cmdCloseFile->setToolTip(QStringLiteral("Close Currently Open File."));
    cmdCloseFile->setGeometry(362, 14, 100, 30);

    lblTxtLOF = new QLabel(QStringLiteral("File Length ::"), page);
    lblTxtLOF->setObjectName(QStringLiteral("lblTxtLOF"));
    QFont bold = lblTxtLOF->font();
    bold.setBold(true);
    lblTxtLOF->setFont(bold);
    lblTxtLOF->setGeometry(478, 19, 96, 20);
    lblLOF = new QLabel(QStringLiteral("NO File Open"), page);
    lblLOF->setObjectName(QStringLiteral("lblLOF"));
    lblLOF->setToolTip(QStringLiteral("Lenght Of Current Open File"));
    lblLOF->setFrameShape(QFrame::Box);
    lblLOF->setGeometry(578, 19, 130, 20);

    txtFileView = new QPlainTextEdit(QStringLiteral("No File Open"), page);
    txtFileView->setObjectName(QStringLiteral("txtFileView"));
    txtFileView->setToolTip(QStringLiteral(".INI File Contents"));
    txtFileView->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtFileView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFileView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFileView->setGeometry(4, 62, 781 + pageGrowth, 397);

    connect(cmdOpenRefresh, &QPushButton::clicked, this, [this] { cmdOpenRefresh_Click(); });
    connect(cmdCloseFile, &QPushButton::clicked, this, [this] { cmdCloseFile_Click(); });
}

FileViewer::~FileViewer() {
    closeViewFile();
}

void FileViewer::closeViewFile() {
    // The handle is only for reading: holding it never stops a save from replacing the file.
    file_.reset();
    ViewFileNum = 0;
}

void FileViewer::resetTexts() {
    txtFileView->setPlainText(QStringLiteral("NO File Open"));
    lblLOF->setText(QStringLiteral("NO File Open"));
}

void FileViewer::cmdOpenRefresh_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" while tyring to open / refresh file!"), vbExclamation}, [&] {
        closeViewFile();
        // While a file is open, the files that were loaded (the player file follows Save As), whatever the options
        // window resolved since; with none open, the paths as they stand now.
        const bool player = optINIFile[0]->isChecked();
        const QString path =
            FileIsOpen ? (player ? files_.player() : files_.engine()) : (player ? UseriniPath : UT2003iniPath);
        // Only a regular file is opened, so a pipe or a device never blocks the window.
        auto file = std::make_unique<platform::ReadOnlyFile>(toNativePath(path));
        const std::string bytes = file->readAll();
        file_ = std::move(file);
        ViewFileNum = kViewFile;
        // Byte for byte: every byte is one character of the game files' code page.
        txtFileView->setPlainText(fromAnsi(bytes));
        lblLOF->setText(QString::number(bytes.size()));
        cmdCloseFile->setEnabled(true);
    });
}

void FileViewer::cmdCloseFile_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" while closing open file!"), vbExclamation}, [&] {
        closeViewFile();
        txtFileView->setPlainText(QStringLiteral("NO File Open!!"));
        lblLOF->setText(QStringLiteral("NFO"));
        cmdCloseFile->setEnabled(false);
    });
}
