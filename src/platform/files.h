#pragma once
// Whole files for the windows: the Save As copy of the player file, the rewrite of a file in place, and a file held
// open for reading while a window shows it. Every failure raises AppError with its standard description.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// What a copy reports while it runs.
struct CopyProgress {
    // Once every check has passed, before the first byte moves: the length of the source in bytes.
    std::function<void(std::uint64_t length)> started;
    // After each block: the bytes copied so far. The caller may handle its window's events here, between blocks.
    std::function<void(std::uint64_t copied)> copied;
};

// Copies the file at source to target, byte for byte. The bytes go into a locked temporary file beside the target
// (see Replacement), renamed over it only once the whole source is in, so a copy that fails part-way leaves an
// existing target exactly as it was and never a half-written file; the leftovers of a copy that was killed are
// removed first, as a save removes its own. Copying a file onto itself leaves its content as it is. A new copy gets
// the source's permission bits (the player file holds the statistics password); a file it replaces keeps its own.
// The source is opened without blocking and refused unless it is a regular file: a FIFO would hang the copy and a
// device would fill the disk. Both files are released when this returns, on every path. Raises AppError:
// kFileNotFound for a missing source, kPathFileAccessError for a source that is no regular file, else the
// description of the system's error.
void copyFile(const std::string& source, const std::string& target, const CopyProgress& progress);

// Puts bytes in place of the content of the existing regular file at path (after its links), atomically, as a
// profile write replaces a file: the file keeps its permissions, and one that is read-only (no write permission bit,
// whoever runs this) or that this process may not write is refused with kPermissionDenied. Raises AppError.
void rewriteFile(const std::string& path, std::string_view bytes);

// A regular file opened for reading and held open while this lives, as a window that shows a file holds it. Only a
// regular file is opened: a folder, a FIFO or a device is refused without being opened, so nothing blocks the window.
class ReadOnlyFile {
  public:
    // Raises AppError: kFileNotFound when nothing is at path (or path is empty) in an existing folder, kPathNotFound
    // when the folder is missing too, kPathFileAccessError when path names no regular file, and kPermissionDenied
    // when the file is there but cannot be opened.
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // The file's bytes from its start to its end. Raises AppError with the description of the system's error when
    // they cannot be read.
    std::string readAll() const;

  private:
    int fd_ = -1;
};

}  // namespace platform
