#pragma once
// Whole-file replacement that a crash at any moment leaves as the old file or the new one, shared by the profile
// writer and the Save As copy. The new content goes into a hidden temporary file beside the target
// (".<name>.corvane-<pid>-<n>-<r>", the name cut short where the whole would be too long), which is flushed and renamed
// over the target. Its writer holds an advisory lock (flock) on the temporary file from just after creating it until it
// is renamed or removed, so a later save can tell the leftovers of a killed writer, which nobody holds, from a file
// that another running save still writes, and remove only those.
#include <sys/types.h>

#include <string>
#include <string_view>

struct stat;

namespace platform {

// The file a path ends at after its symbolic links, so that a replacement goes to that file and the links stay
// links. A link to a missing file resolves to where that file would be. Throws std::system_error (ELOOP) for a
// loop of links.
std::string resolveLinks(const std::string& path);

// Throws std::system_error, as a replacement of the file would, unless the file at path (after its links) could be
// replaced now: an existing regular file that this process may read and write (see fileio::requireWritable), or a
// missing file, in an existing folder where a new file may be made. ENOENT or ENOTDIR: the folder is missing;
// EACCES: the file or its folder may not be written; EISDIR: the path names no regular file.
void checkReplaceable(const std::string& path);

// Removes the temporary files that killed writers left in the folder of the file at path (after its links). Only
// files of the temporary files' name pattern that no running writer holds locked are removed. Best effort: nothing
// is reported, and what cannot be removed stays for a later save.
void removeLeftovers(const std::string& path);

// A new content for the file at target, a path whose links are already followed. Writes go to the locked temporary
// file; commit() flushes it, renames it over the target and flushes the folder. Dropped without a commit, the
// temporary file is removed and the target stays exactly as it was. Failures throw std::system_error.
class Replacement {
  public:
    // Creates and locks the temporary file, with the permissions createMode less the umask: the default keeps it
    // private until its permissions are set.
    explicit Replacement(std::string target, mode_t createMode = 0600);
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // The new file takes the permission bits of original and, where this process may hand it over, its owner.
    void takeAttributesOf(const struct stat& original);
    // The new file takes these permission bits.
    void setPermissions(mode_t mode);
    // Appends bytes. Under a file-size limit (RLIMIT_FSIZE) a write past it fails with EFBIG instead of the
    // signal (SIGXFSZ) that would end the process.
    void write(std::string_view bytes);
    void commit();

  private:
    [[noreturn]] void fail(int error) const;

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

// Replaces the file at target (a path whose links are already followed) with bytes, so that a crash at any moment
// leaves the old file or the new one; on failure the original is untouched. A replacement takes the permissions (and,
// where allowed, the owner) of original, the status of the file it replaces; a new file (original null) gets the
// permissions the umask gives.
void replaceFile(const std::string& target, std::string_view bytes, const struct stat* original);

}  // namespace platform
