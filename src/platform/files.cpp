#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

#include "platform/error.h"
#include "platform/fileio.h"
#include "platform/replacement.h"

namespace platform {
namespace {

using fileio::FileDescriptor;
using fileio::throwSystemError;

// The copy moves this many bytes between two reports.
constexpr std::size_t kCopyBlock = 16 * 1024;

// Without blocking on a FIFO, and without taking a terminal as the controlling one.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Up to size bytes of fd into data, from offset, or from where fd stands when offset is empty; 0 at the end of the
// file. Throws std::system_error.
std::size_t readSome(int fd, char* data, std::size_t size, std::optional<off_t> offset = std::nullopt) {
    for (;;) {
        const ssize_t got = offset ? ::pread(fd, data, size, *offset) : ::read(fd, data, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) throwSystemError(errno, "Cannot read");
    }
}

// The copy's source, opened and refused unless it is a regular file.
class CopySource {
  public:
    explicit CopySource(const std::string& path) : fd_(::open(path.c_str(), kReadFlags)) {
        if (fd_.get() < 0 && errno == ENOENT) throw AppError(kFileNotFound);
        if (fd_.get() < 0) throwSystemError(errno, path);
        if (::fstat(fd_.get(), &info_) != 0 || !S_ISREG(info_.st_mode)) throw AppError(kPathFileAccessError);
    }
    const struct stat& info() const { return info_; }
    std::size_t read(char* data, std::size_t size) const { return readSome(fd_.get(), data, size); }

  private:
    FileDescriptor fd_;
    struct stat info_ {};
};

// Why the file at path cannot be opened for reading: what stands at the path now decides.
[[noreturn]] void refuseToOpen(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) == 0)
        throw AppError(S_ISREG(info.st_mode) ? kPermissionDenied : kPathFileAccessError);
    struct stat folder;
    const bool folderExists =
        path.empty() || (::stat(fileio::folderOf(path).c_str(), &folder) == 0 && S_ISDIR(folder.st_mode));
    throw AppError(folderExists ? kFileNotFound : kPathNotFound);
}

}  // namespace

void copyFile(const std::string& source, const std::string& target, const CopyProgress& progress) {
    raisingAppError([&] {
        const std::string targetPath = resolveLinks(target);
        removeLeftovers(targetPath);
        const CopySource in(source);
        struct stat existing {};
        const bool exists = ::stat(targetPath.c_str(), &existing) == 0;
        const bool ontoItself = exists && sameFile(existing, in.info());
        std::optional<Replacement> out;
        if (!ontoItself) {
            checkReplaceable(targetPath);
            out.emplace(targetPath);
            if (exists)
                out->takeAttributesOf(existing);
            else
                out->setPermissions(in.info().st_mode & 0777);
        }
        if (progress.started) progress.started(static_cast<std::uint64_t>(in.info().st_size));
        if (ontoItself) return;

        std::string block(kCopyBlock, '\0');
        std::uint64_t copied = 0;
        while (const std::size_t count = in.read(block.data(), block.size())) {
            out->write(std::string_view(block.data(), count));
            copied += count;
            if (progress.copied) progress.copied(copied);
        }
        out->commit();
    });
}

void rewriteFile(const std::string& path, std::string_view bytes) {
    raisingAppError([&] {
        const std::string target = resolveLinks(path);
        struct stat info;
        if (::stat(target.c_str(), &info) != 0) throwSystemError(errno, path);
        if (!S_ISREG(info.st_mode)) throwSystemError(EISDIR, path);
        fileio::requireWritable(target, info);
        replaceFile(target, bytes, &info);
    });
}

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) refuseToOpen(path);
    FileDescriptor file(::open(path.c_str(), kReadFlags));
    if (file.get() < 0) refuseToOpen(path);
    // The name may have come to stand for something else between the look and the open.
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) throw AppError(kPathFileAccessError);
    fd_ = file.release();
}

ReadOnlyFile::~ReadOnlyFile() {
    ::close(fd_);
}

std::string ReadOnlyFile::readAll() const {
    return raisingAppError([&] {
        struct stat info;
        // The length now is a first guess of the room needed; a file that grew meanwhile is read to its new end.
        const std::size_t expected = ::fstat(fd_, &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
        std::string bytes(expected + 1, '\0');
        std::size_t length = 0;
        while (const std::size_t got =
                   readSome(fd_, bytes.data() + length, bytes.size() - length, static_cast<off_t>(length))) {
            length += got;
            if (length == bytes.size()) bytes.resize(bytes.size() * 2);
        }
        bytes.resize(length);
        return bytes;
    });
}

}  // namespace platform
