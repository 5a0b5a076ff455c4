#pragma once
// Small POSIX file helpers shared by the platform layer (internal: not part of its interface).
#include <sys/stat.h>

#include <string>

namespace platform::fileio {

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

  private:
    int fd_;
};

// Reads the whole regular file at path into text and its status into info. Returns 0, or the errno of the
// failure (EISDIR for a folder or anything else that is not a regular file). Never blocks on a FIFO.
int readWholeFile(const std::string& path, std::string& text, struct stat& info);

}  // namespace platform::fileio
