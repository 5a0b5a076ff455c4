// The File menu's and the toolbar's commands that choose, close and save the player file.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>
#include <algorithm>
#include <limits>

#include "config/Registry.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

// The folder the dialogs start in: the path less its last 8 characters (the length of "User.ini").
QString folderOf(const QString& path) {
    return path.left(path.size() - 8);
}

// The copy moves this many bytes between two looks at the window's pending events.
constexpr qint64 kCopyBlock = 16 * 1024;

// Marks the Save As copy as running for as long as it lives, whatever way the copy ends.
class CopyFlag {
  public:
    explicit CopyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~CopyFlag() { flag_ = false; }
    CopyFlag(const CopyFlag&) = delete;
    CopyFlag& operator=(const CopyFlag&) = delete;

  private:
    bool& flag_;
};

// A file without any write permission bit is read-only, for every user root included, as the read-only
// attribute is on the game's own system; the game-file writer judges files the same way.
bool isReadOnly(const QFileInfo& file) {
    return (file.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)) == 0;
}

// A failed open as a short description: the standard ones where they apply, else the system's text.
[[noreturn]] void raiseOpenFailure(const QFileDevice& file, const QString& path, bool reading) {
    const QFileInfo info(path);
    if (reading && !info.exists()) throw platform::AppError(platform::kFileNotFound);
    if (!reading && !QFileInfo(info.absolutePath()).isDir()) throw platform::AppError(platform::kPathNotFound);
    throw platform::AppError(file.errorString().toStdString());
}

[[noreturn]] void raiseIoFailure(const QFileDevice& file) {
    throw platform::AppError(file.errorString().isEmpty() ? std::string("Device I/O error")
                                                          : file.errorString().toStdString());
}

// Writes count bytes. A write that the disk cuts short is tried again for the rest, so that the failure comes
// with the system's own reason (disk full, file too large).
void writeAll(QFileDevice& out, const char* data, qint64 count) {
    for (qint64 done = 0; done < count;) {
        const qint64 written = out.write(data + done, count - done);
        if (written <= 0) raiseIoFailure(out);
        done += written;
    }
}

// The progress bar counts bytes while the length fits its range; a longer source counts in units of 2^shift
// bytes.
int progressShift(qint64 length) {
    int shift = 0;
    while ((length >> shift) > std::numeric_limits<int>::max()) ++shift;
    return shift;
}

}  // namespace

void frmMain::mnuFileOpen_Click() {
    if (copying_) return;
    runHandler({QStringLiteral("-"), QStringLiteral(" while opening the File Open Dialog!"), vbCritical}, [&] {
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
    });
}

void frmMain::cmdOpen_Click() {
    mnuFileOpen_Click();
}

void frmMain::mnuFileClose_Click() {
    if (!copying_) CloseINIFiles();
}

void frmMain::cmdCloseUser_Click() {
    if (!copying_) CloseINIFiles();
}

void frmMain::cmdSave_Click() {
    if (copying_) return;
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Trying to Save File!"), vbInformation}, [&] {
        if (FileIsOpen)
            mnuFileSave_Click();
        else
            MsgBox(QStringLiteral("A file has to open before you can save. Please Open a File."), vbInformation);
    });
}

// Copies source to target. The bytes go into a temporary file beside the target, renamed over it only once
// the whole source is in, so a copy that fails part-way leaves an existing target exactly as it was and never
// a half-written file. The window stays live: the progress bar follows the bytes copied and the pending
// events are handled between blocks (the other file commands wait for copying_ to clear). Both files are
// released when this returns, on every path. Raises AppError when the copy fails.
void frmMain::copyFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) raiseOpenFailure(in, source, true);
    const qint64 length = in.size();
    const QFileInfo targetInfo(target);
    // Copying a file onto itself leaves its content as it is.
    const bool sameFile =
        targetInfo.exists() && QFileInfo(source).canonicalFilePath() == targetInfo.canonicalFilePath();
    QSaveFile out(target);
    if (!sameFile) {
        if (targetInfo.exists() && isReadOnly(targetInfo)) throw platform::AppError(platform::kPermissionDenied);
        // Unbuffered, so that a write the disk cuts short (full disk, size limit) fails here and is never
        // committed as a shortened file.
        if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) raiseOpenFailure(out, target, false);
    }

    const int shift = progressShift(length);
    ProgressBar1->setMinimum(0);
    // An empty source gets a range of one step, so the bar shows empty rather than Qt's busy indicator.
    const int maximum = static_cast<int>(std::max<qint64>(length >> shift, 1));
    ProgressBar1->setMaximum(maximum);
    setProgress(0);
    setStatus(QStringLiteral("Copying Original File!"));
    if (sameFile) return;

    QByteArray block(static_cast<int>(kCopyBlock), Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 count = in.read(block.data(), kCopyBlock);
        if (count < 0) raiseIoFailure(in);
        if (count == 0) break;
        writeAll(out, block.constData(), count);
        copied += count;
        setProgress(static_cast<int>(std::min<qint64>(copied >> shift, maximum)));
        QCoreApplication::processEvents();
    }
    if (out.size() != copied || !out.commit()) raiseIoFailure(out);
}

void frmMain::mnuSaveAs_Click() {
    if (copying_) return;
    QString name;
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
        name = ShowFileDialog(request);
        if (name.isEmpty()) return;
        {
            const CopyFlag running(copying_);
            copyFile(OpenedUseriniPath, name);
        }
        setStatus(QStringLiteral("Closing Files!"));
        setProgress(0);
        setStatus(QStringLiteral("Files Closed"));
        // Only a whole copy becomes the player file: after a failed copy the save still writes where it did.
        // It is set after the copy, so that the options window, loaded meanwhile, cannot point it elsewhere.
        UseriniPath = name;
        playerFile_ = name;
        lblOFile->setText(name);
        mnuFileSave_Click();
    } catch (const std::exception& error) {
        const QString target = name.isEmpty() ? UseriniPath : name;
        showFailure(
            error, {QStringLiteral("-"),
                    QStringLiteral(" while trying to Save File as \r") + target + QStringLiteral(" !"), vbExclamation});
    }
}
