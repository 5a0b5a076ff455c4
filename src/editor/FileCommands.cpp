// The File menu's and the toolbar's commands that choose, close and save the player file.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "config/Registry.h"
#include "config/Startup.h"
#include "editor/frmMain.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

// The folder the dialogs start in: the path less its last 8 characters (the length of "User.ini").
QString dialogFolder(const QString& path) {
    return path.left(path.size() - 8);
}

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

// The progress bar counts bytes while the length fits its range; a longer source counts in units of 2^shift
// bytes.
int progressShift(std::uint64_t length) {
    int shift = 0;
    while ((length >> shift) > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) ++shift;
    return shift;
}

// A copy of the player file never replaces engine settings: neither the engine file that is open (by whatever
// name it is reached) nor any file named as engine files are.
void refuseEngineFileTarget(const QString& target, const QString& engineFile) {
    const QFileInfo chosen(target);
    const QString canonical = chosen.canonicalFilePath();
    if (chosen.fileName().compare(QStringLiteral("UT2003.ini"), Qt::CaseInsensitive) == 0 ||
        (!canonical.isEmpty() && canonical == QFileInfo(engineFile).canonicalFilePath()))
        throw platform::AppError(platform::kEngineFileNotReplaced);
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
        if (UseriniPath.size() >= 8) request.initialFolder = dialogFolder(UseriniPath);
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

// Copies source to target (see platform::copyFile: atomic, leftovers of killed copies cleared first, a new copy as
// private as its source). The window stays live: the progress bar follows the bytes copied and the pending events
// are handled between blocks (the other file commands wait for copying_ to clear). Raises AppError when the copy
// fails.
void frmMain::copyFile(const QString& source, const QString& target) {
    int shift = 0;
    int maximum = 1;
    platform::CopyProgress progress;
    progress.started = [&](std::uint64_t length) {
        shift = progressShift(length);
        ProgressBar1->setMinimum(0);
        // An empty source gets a range of one step, so the bar shows empty rather than Qt's busy indicator.
        maximum = static_cast<int>(std::max<std::uint64_t>(length >> shift, 1));
        ProgressBar1->setMaximum(maximum);
        setProgress(0);
        setStatus(QStringLiteral("Copying Original File!"));
    };
    progress.copied = [&](std::uint64_t copied) {
        setProgress(static_cast<int>(std::min<std::uint64_t>(copied >> shift, static_cast<std::uint64_t>(maximum))));
        QCoreApplication::processEvents();
    };
    platform::copyFile(toNativePath(source), toNativePath(target), progress);
}

void frmMain::mnuSaveAs_Click() {
    if (copying_) return;
    QString name;
    // The message names the new file once one is chosen, else the player file.
    const auto nameTheTarget = [&](Failure& failure) {
        failure.tail = QStringLiteral(" while trying to Save File as \r") + (name.isEmpty() ? UseriniPath : name) +
                       QStringLiteral(" !");
    };
    runHandler(
        {QStringLiteral("-"), QString(), vbExclamation},
        [&] {
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
                UseriniPath.size() >= 8 ? dialogFolder(UseriniPath) : joinPath(gameFolder, QStringLiteral("System/"));
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
        },
        nameTheTarget);
}
