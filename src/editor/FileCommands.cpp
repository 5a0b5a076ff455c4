// The File menu's and the toolbar's commands that choose, close and save the player file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>

#include "config/Registry.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

QString failure(const std::exception& error, const QString& separator, const QString& tail) {
    return QStringLiteral("Error ") + errorDescription(error) + separator + errorSource(error) + tail;
}

// The folder the dialogs start in: the path less its last 8 characters (the length of "User.ini").
QString folderOf(const QString& path) { return path.left(path.size() - 8); }

}  // namespace

void frmMain::mnuFileOpen_Click() {
    if (copying_) return;
    try {
        if (FileIsOpen) {
            const int answer =
                MsgBox(QStringLiteral("A File Is Currently Open, Would you like to close that file before\ropening a "
                                      "new one? (Note, no data will be saved in current file!)"),
                       vbYesNo + vbInformation);
            if (answer == vbYes) CloseINIFiles();
        }
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Open;
        request.title = QStringLiteral("Open");
        request.filter = QStringLiteral("User.ini (User.ini)|User.ini|All INI Files (*.ini)|*.ini");
        if (UseriniPath.size() >= 8) request.initialFolder = folderOf(UseriniPath);
        const QString name = ShowFileDialog(request);
        if (name.isEmpty()) return;
        UseriniPath = name;
        OpenedUseriniPath = name;
        OpenINIFiles();
    } catch (const std::exception& error) {
        MsgBox(failure(error, QStringLiteral("-"), QStringLiteral(" while opening the File Open Dialog!")), vbCritical);
    }
}

void frmMain::cmdOpen_Click() { mnuFileOpen_Click(); }

void frmMain::mnuFileClose_Click() {
    if (!copying_) CloseINIFiles();
}

void frmMain::cmdCloseUser_Click() {
    if (!copying_) CloseINIFiles();
}

void frmMain::cmdSave_Click() {
    if (copying_) return;
    try {
        if (FileIsOpen)
            mnuFileSave_Click();
        else
            MsgBox(QStringLiteral("A file has to open before you can save. Please Open a File."), vbInformation);
    } catch (const std::exception& error) {
        MsgBox(failure(error, QStringLiteral(" - "), QStringLiteral(" While Trying to Save File!")), vbInformation);
    }
}

// Copies source to target through a temporary file beside the target, renamed into place at the end, so a copy
// that fails part-way leaves the target as it was. The window stays live: the progress bar follows the bytes
// copied and pending events are handled between blocks. Raises AppError when the copy fails.
bool frmMain::copyFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.exists()) throw platform::AppError(platform::kFileNotFound);
    if (!in.open(QIODevice::ReadOnly)) throw platform::AppError(platform::kPermissionDenied);
    const qint64 length = in.size();
    // Copying a file onto itself leaves it as it is.
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        setProgress(0);
        return true;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) throw platform::AppError(platform::kPermissionDenied);
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(static_cast<int>(std::min<qint64>(length, std::numeric_limits<int>::max())));
    setProgress(0);
    setStatus(QStringLiteral("Copying Original File!"));
    constexpr qint64 kBlock = 4096;
    qint64 copied = 0;
    while (copied < length) {
        const QByteArray block = in.read(std::min(kBlock, length - copied));
        if (block.isEmpty() || out.write(block) != block.size()) {
            out.cancelWriting();
            throw platform::AppError(out.errorString().isEmpty() ? std::string(platform::kPermissionDenied)
                                                                 : out.errorString().toStdString());
        }
        copied += block.size();
        setProgress(static_cast<int>(std::min<qint64>(copied, std::numeric_limits<int>::max())));
        QCoreApplication::processEvents();
    }
    if (!out.commit()) throw platform::AppError(out.errorString().toStdString());
    return true;
}

void frmMain::mnuSaveAs_Click() {
    if (copying_) return;
    try {
        const QString gameFolder = GetGameFolder();
        if (!FileIsOpen) {
            MsgBox(QStringLiteral("Cannot Save A file until one is open!!"), vbInformation);
            return;
        }
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Save;
        request.title = QStringLiteral("Save As...");
        request.flags = 2;
        request.defaultExtension = QStringLiteral(".ini");
        request.filter = QStringLiteral("All INI Files (*.ini)|*.ini");
        request.initialFolder =
            UseriniPath.size() >= 8 ? folderOf(UseriniPath) : joinPath(gameFolder, QStringLiteral("System/"));
        const QString name = ShowFileDialog(request);
        if (name.isEmpty()) return;
        UseriniPath = name;
        copying_ = true;
        try {
            copyFile(OpenedUseriniPath, name);
        } catch (...) {
            copying_ = false;
            throw;
        }
        copying_ = false;
        setStatus(QStringLiteral("Closing Files!"));
        setProgress(0);
        setStatus(QStringLiteral("Files Closed"));
        lblOFile->setText(UseriniPath);
        mnuFileSave_Click();
    } catch (const std::exception& error) {
        MsgBox(failure(error, QStringLiteral("-"), QStringLiteral(" while trying to Save File as \r") + UseriniPath +
                                                       QStringLiteral(" !")),
               vbExclamation);
    }
}
