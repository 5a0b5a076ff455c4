#pragma once
// INI key access, one key per call, in the manner of the Windows profile functions: every call reads the
// file afresh and a write is in the file before the call returns. Bytes in, bytes out: no code page here.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// A UTF-8 byte-order mark at the start of a file is not part of its first line; a write keeps it as it is.

// Value of key in section of the INI file at path, cut to bufferSize - 1 bytes, or defaultValue (less its
// trailing spaces) when the file, the section or the key is missing. An unreadable file counts as missing.
std::string getProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                             const std::string& path, std::size_t bufferSize = 2048);

// Sets key in section to value, in place, keeping every other byte of the file. The file is replaced
// atomically (temporary file in the same folder, flushed, renamed over the original). Throws
// std::system_error when the file cannot be read, written or replaced (read-only file, missing folder,
// full disk), and std::invalid_argument for names or values that would break the file (CR, LF, NUL,
// a key with "=" or starting with ";" or "[", a section with "]"); the file is then exactly as it was.
void writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);

// As writeProfileString, but a key that is present and already reads back (as getProfileString with bufferSize
// would return it) exactly as value is left as the file holds it: a value in quotes, with blanks around it, longer
// than the buffer or holding a NUL byte keeps its form, and nothing is written. A missing key is always written.
void writeProfileStringIfChanged(const std::string& section, const std::string& key, const std::string& value,
                                 const std::string& path, std::size_t bufferSize = 2048);

// One write of a run of writes to the same file.
struct ProfileWrite {
    std::string section;
    std::string key;
    std::string value;
};

// Whether the writes, made one after another through writeProfileStringIfChanged with bufferSize, would change the
// bytes of the file at path; nothing is written. Throws what those writes would throw before their first change:
// std::invalid_argument for a name or value they refuse, std::system_error for a path that names no regular file
// or a file that exists but cannot be read. Whether the file may be written is not looked at.
bool profileWritesChangeFile(const std::string& path, const std::vector<ProfileWrite>& writes,
                             std::size_t bufferSize = 2048);

}  // namespace platform
