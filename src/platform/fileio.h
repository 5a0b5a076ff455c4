#pragma once
// Small helpers shared by the platform layer (internal: not part of its interface).
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace platform::fileio {

inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names in INI files and folders match without regard to ASCII letter case.
inline bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

// Owns a file descriptor and closes it.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }
    // Closes now and returns close()'s result: a failed close can mean the data never reached the disk.
    int close();
    // Gives the descriptor up without closing it.
    int release();

  private:
    int fd_;
};

[[noreturn]] void throwSystemError(int error, const std::string& what);

// The folder of a path ("." for a bare name) and its last part.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

// Throws EACCES unless the file may be written. A read-only file is one without any write permission bit (judged by
// its mode, so even for root, as the read-only attribute of Windows would be), or one this process may not write.
void requireWritable(const std::string& path, const struct stat& info);

// Reads the whole regular file at path into text and its status into info. Returns 0, or the errno of the
// failure (EISDIR for a folder or anything else that is not a regular file). Never blocks on a FIFO.
int readWholeFile(const std::string& path, std::string& text, struct stat& info);

}  // namespace platform::fileio
