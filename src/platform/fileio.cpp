#include "platform/fileio.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace platform::fileio {

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

int FileDescriptor::close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
}

int FileDescriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void throwSystemError(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void requireWritable(const std::string& path, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) throwSystemError(EACCES, path);
    if (::access(path.c_str(), W_OK) != 0) throwSystemError(errno, path);
}

int readWholeFile(const std::string& path, std::string& text, struct stat& info) {
    // O_NONBLOCK: a FIFO at the path must not hang the caller; it is refused below as not a regular file.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) return errno;
    if (::fstat(fd.get(), &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return EISDIR;
    // One read gets the whole file. The buffer has a spare byte, so a file that grew since fstat fills it and
    // the loop reads on; a read that stops at the size fstat gave is the end.
    const std::size_t expected = static_cast<std::size_t>(info.st_size);
    std::size_t length = 0;
    text.resize(expected + 1);
    for (;;) {
        if (length == text.size()) text.resize(text.size() * 2);
        const ssize_t got = ::read(fd.get(), text.data() + length, text.size() - length);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
        if (length == expected) break;
    }
    text.resize(length);
    return 0;
}

}  // namespace platform::fileio
