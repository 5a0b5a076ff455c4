// The File menu's and the toolbar's commands that choose, close and save the player file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "config/Registry.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"
#include "platform/replacement.h"

namespace {

// The folder the dialogs start in: the path less its last 8 characters (the length of "User.ini").
QString folderOf(const QString& path) {
    return path.left(path.size() - 8);
}

// The copy moves this many bytes between two looks at the window's pending events.
constexpr std::size_t kCopyBlock = 16 * 1024;

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

// The copy's source, opened without blocking and refused unless it is a regular file: a FIFO would hang the copy
// and a device would fill the disk. Closed when it goes.
class CopySource {
  public:
    explicit CopySource(const QString& path) : fd_(::open(toNativePath(path).c_str(), kOpenFlags)) {
        if (fd_ < 0 && errno == ENOENT) throw platform::AppError(platform::kFileNotFound);
        if (fd_ < 0) throw std::system_error(errno, std::generic_category());
        if (::fstat(fd_, &info_) != 0 || !S_ISREG(info_.st_mode)) {
            ::close(fd_);
            throw platform::AppError("Path/File access error");
        }
    }
    ~CopySource() {
        if (fd_ >= 0) ::close(fd_);
    }
    CopySource(const CopySource&) = delete;
    CopySource& operator=(const CopySource&) = delete;

    const struct stat& info() const { return info_; }
    // Up to size bytes into data; 0 at the end of the file.
    std::size_t read(char* data, std::size_t size) const {
        for (;;) {
            const ssize_t got = ::read(fd_, data, size);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw std::system_error(errno, std::generic_category());
        }
    }

  private:
    static constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd_;
    struct stat info_ {};
};

// The progress bar counts bytes while the length fits its range; a longer source counts in units of 2^shift
// bytes.
int progressShift(qint64 length) {
    int shift = 0;
    while ((length >> shift) > std::numeric_limits<int>::max()) ++shift;
    return shift;
}

// A copy of the player file never replaces engine settings: neither the engine file that is open (by whatever
// name it is reached) nor any file named as engine files are.
void refuseEngineFileTarget(const QString& target, const QString& engineFile) {
    const QFileInfo chosen(target);
    const QString canonical = chosen.canonicalFilePath();
    if (chosen.fileName().compare(QStringLiteral("UT2003.ini"), Qt::CaseInsensitive) == 0 ||
        (!canonical.isEmpty() && canonical == QFileInfo(engineFile).canonicalFilePath()))
        throw platform::AppError("The engine settings file cannot be replaced by a copy of the player file");
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

// Copies source to target. The bytes go into a locked temporary file beside the target, renamed over it only once
// the whole source is in, so a copy that fails part-way leaves an existing target exactly as it was and never a
// half-written file; the leftovers of a copy that was killed are cleared first, as a save clears its own. A new copy
// gets the source's permission bits (the player file holds the statistics password); a file it replaces keeps its
// own. The window stays live: the progress bar follows the bytes copied and the pending events are handled between
// blocks (the other file commands wait for copying_ to clear). Both files are released when this returns, on every
// path. Raises AppError when the copy fails.
void frmMain::copyFile(const QString& source, const QString& target) try {
    const std::string targetPath = platform::resolveLinks(toNativePath(target));
    platform::removeLeftovers(targetPath);
    const CopySource in(source);
    struct stat existing {};
    const bool exists = ::stat(targetPath.c_str(), &existing) == 0;
    // Copying a file onto itself leaves its content as it is.
    const bool sameFile = exists && existing.st_dev == in.info().st_dev && existing.st_ino == in.info().st_ino;
    std::optional<platform::Replacement> out;
    if (!sameFile) {
        platform::checkReplaceable(targetPath);
        out.emplace(targetPath);
        if (exists)
            out->takeAttributesOf(existing);
        else
            out->setPermissions(in.info().st_mode & 0777);
    }

    const qint64 length = in.info().st_size;
    const int shift = progressShift(length);
    ProgressBar1->setMinimum(0);
    // An empty source gets a range of one step, so the bar shows empty rather than Qt's busy indicator.
    const int maximum = static_cast<int>(std::max<qint64>(length >> shift, 1));
    ProgressBar1->setMaximum(maximum);
    setProgress(0);
    setStatus(QStringLiteral("Copying Original File!"));
    if (sameFile) return;

    std::string block(kCopyBlock, '\0');
    qint64 copied = 0;
    while (const std::size_t count = in.read(block.data(), block.size())) {
        out->write(std::string_view(block.data(), count));
        copied += static_cast<qint64>(count);
        setProgress(static_cast<int>(std::min<qint64>(copied >> shift, maximum)));
        QCoreApplication::processEvents();
    }
    out->commit();
} catch (const std::system_error& error) {
    // The system's failures with their short descriptions, as the profile functions' failures are reported.
    throw platform::AppError(platform::describeSystemError(error.code()));
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
        refuseEngineFileTarget(name, engineFile_);
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
