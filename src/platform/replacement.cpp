#include "platform/replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <random>
#include <system_error>

#include "platform/fileio.h"

namespace platform {
namespace {

using fileio::FileDescriptor;
using fileio::folderOf;
using fileio::nameOf;
using fileio::throwSystemError;

// What sets the name of a temporary file apart: "." + the target's name + kMark + "<pid>-<n>-<r>".
constexpr std::string_view kMark = ".corvane-";

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == s.npos;
}

bool isTemporaryName(std::string_view name) {
    const std::size_t mark = name.rfind(kMark);
    if (name.size() < 2 || name.front() != '.' || mark == name.npos || mark < 2) return false;
    std::string_view numbers = name.substr(mark + kMark.size());
    for (int part = 0; part < 2; ++part) {
        const std::size_t dash = numbers.find('-');
        if (dash == numbers.npos || !isDigits(numbers.substr(0, dash))) return false;
        numbers.remove_prefix(dash + 1);
    }
    return isDigits(numbers);
}

// The part of the target's name that a temporary file's name repeats: all of it where the whole temporary name
// fits the folder's longest name, else as much of its start as fits (at least one byte), so that a target whose
// name is near the longest legal one can still be replaced. The clean-up knows a temporary file by its mark and
// numbers, whatever stands before them.
std::string temporaryStem(const std::string& folder, const std::string& name, std::size_t numbersLength) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t longest = limit > 0 ? static_cast<std::size_t>(limit) : 255;
    const std::size_t fixed = 1 + kMark.size() + numbersLength;
    if (fixed + name.size() <= longest) return name;
    return name.substr(0, longest > fixed ? longest - fixed : 1);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A cleanup may take a new temporary file for a leftover between its creation and its lock: the cleanup then holds
// the lock, or has already removed the file's name. Either way the file is not its creator's to use. A file system
// without locks leaves the file unlocked, and a cleanup never removes what it cannot lock.
bool lockAsOwn(int fd, const std::string& path) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) return false;
    struct stat held, named;
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 && sameFile(held, named);
}

// Removes one leftover of the folder open at folderFd, unless a running writer holds it. The name must still lead to
// the file that was locked when it is removed.
void removeIfUnheld(int folderFd, const char* name) {
    FileDescriptor file(::openat(folderFd, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    struct stat held, named;
    if (file.get() < 0 || ::fstat(file.get(), &held) != 0 || !S_ISREG(held.st_mode)) return;
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) return;
    if (::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !sameFile(held, named)) return;
    ::unlinkat(folderFd, name, 0);
}

// A file-size limit sends SIGXFSZ, which ends the process, on the write that would pass it. Held back for the length
// of a write, the signal leaves the write to fail with EFBIG; the signal the write raised is then taken off again,
// so it never arrives.
class FileSizeSignalHeld {
  public:
    FileSizeSignalHeld() {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        ::pthread_sigmask(SIG_BLOCK, &signal_, &before_);
    }
    ~FileSizeSignalHeld() {
        // Where the caller held the signal back already, it stays the caller's.
        if (sigismember(&before_, SIGXFSZ) == 1) return;
        sigset_t pending;
        if (::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1) {
            const timespec now{0, 0};
            ::sigtimedwait(&signal_, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
    FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
    FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

  private:
    sigset_t signal_;
    sigset_t before_;
};

}  // namespace

std::string resolveLinks(const std::string& start) {
    std::string path = start;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return path;
        if (static_cast<std::size_t>(length) >= target.size()) {
            target.resize(4096);
            const ssize_t again = ::readlink(path.c_str(), target.data(), target.size());
            if (again < 0 || static_cast<std::size_t>(again) >= target.size()) return path;
            target.resize(static_cast<std::size_t>(again));
        } else {
            target.resize(static_cast<std::size_t>(length));
        }
        path = (!target.empty() && target.front() == '/') ? target : folderOf(path) + "/" + target;
    }
    throwSystemError(ELOOP, path);
}

void checkReplaceable(const std::string& path) {
    const std::string target = resolveLinks(path);
    if (nameOf(target).empty()) throwSystemError(EISDIR, path);
    // Opened without blocking, so that a FIFO at the path cannot hang the check.
    FileDescriptor file(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() >= 0) {
        struct stat info;
        if (::fstat(file.get(), &info) != 0) throwSystemError(errno, "Cannot read " + path);
        if (!S_ISREG(info.st_mode)) throwSystemError(EISDIR, path);
        fileio::requireWritable(target, info);
    } else if (errno != ENOENT) {
        throwSystemError(errno, "Cannot read " + path);
    }
    const std::string folder = folderOf(target);
    struct stat info;
    if (::stat(folder.c_str(), &info) != 0) throwSystemError(errno, folder);
    if (!S_ISDIR(info.st_mode)) throwSystemError(ENOTDIR, folder);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) throwSystemError(errno, "Cannot create a file in " + folder);
}

void removeLeftovers(const std::string& path) {
    std::string folder;
    try {
        folder = folderOf(resolveLinks(path));
    } catch (const std::system_error&) {
        return;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (isTemporaryName(entry->d_name)) removeIfUnheld(::dirfd(dir.get()), entry->d_name);
    }
}

Replacement::Replacement(std::string target, mode_t createMode) : target_(std::move(target)) {
    static std::atomic<unsigned> counter{0};
    thread_local std::minstd_rand random(std::random_device{}());
    const std::string folder = folderOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string numbers =
            std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
        std::string candidate =
            folder + "/." + temporaryStem(folder, nameOf(target_), numbers.size()) + std::string(kMark) + numbers;
        FileDescriptor file(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, createMode));
        if (file.get() < 0) {
            if (errno == EEXIST) continue;
            throwSystemError(errno, "Cannot create a file in " + folder);
        }
        if (!lockAsOwn(file.get(), candidate)) continue;
        fd_ = file.release();
        temporary_ = std::move(candidate);
        return;
    }
    throwSystemError(EEXIST, "Cannot create a file in " + folder);
}

Replacement::~Replacement() {
    // The lock is still held here, so the name is still this file's.
    if (!committed_) ::unlink(temporary_.c_str());
    if (fd_ >= 0) ::close(fd_);
}

void Replacement::fail(int error) const {
    throwSystemError(error, "Cannot write " + target_);
}

void Replacement::takeAttributesOf(const struct stat& original) {
    setPermissions(original.st_mode & 07777);
    struct stat mine;
    if (::fstat(fd_, &mine) == 0 && (mine.st_uid != original.st_uid || mine.st_gid != original.st_gid)) {
        // Only the owner or root may hand a file over; otherwise the new file stays ours. A change of owner clears
        // the set-user and set-group bits, so the permissions are set again.
        if (::fchown(fd_, original.st_uid, original.st_gid) == 0) (void)::fchmod(fd_, original.st_mode & 07777);
    }
}

void Replacement::setPermissions(mode_t mode) {
    if (::fchmod(fd_, mode) != 0) fail(errno);
}

void Replacement::write(std::string_view bytes) {
    const FileSizeSignalHeld held;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Replacement::commit() {
    if (::fsync(fd_) != 0) fail(errno);
    // The close is checked before the rename, since a failed close can mean the data never reached the disk; a
    // duplicate descriptor keeps the lock meanwhile, so no cleanup takes the file while it still has its name.
    FileDescriptor lock(::dup(fd_));
    if (lock.get() < 0) fail(errno);
    const int closed = ::close(fd_);
    const int closeError = errno;
    fd_ = lock.release();
    if (closed != 0) fail(closeError);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) fail(errno);
    committed_ = true;
    ::close(fd_);
    fd_ = -1;
    // The rename is only durable once the folder is flushed. Some file systems cannot flush a folder (EINVAL); the
    // new file is in place either way.
    const std::string folder = folderOf(target_);
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0 && ::fsync(dir.get()) != 0 && errno != EINVAL) throwSystemError(errno, "Cannot flush " + folder);
}

void replaceFile(const std::string& target, std::string_view bytes, const struct stat* original) {
    Replacement replacement(target, original ? 0600 : 0666);
    if (original) replacement.takeAttributesOf(*original);
    replacement.write(bytes);
    replacement.commit();
}

}  // namespace platform
