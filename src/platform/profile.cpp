#include "platform/profile.h"

#include <sys/stat.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "platform/fileio.h"
#include "platform/replacement.h"

namespace platform {
namespace {

using fileio::equalsNoCase;
using fileio::nameOf;
using fileio::readWholeFile;
using fileio::requireWritable;
using fileio::throwSystemError;

// Blanks around names and values in the file: space, tab and vertical tab.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The caller's section and key names lose their spaces only.
std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// One line of the file as offsets into its bytes: [start, contentEnd) is the text, [contentEnd, end) its ending
// (CR LF, LF, CR, or nothing on a last line).
struct Line {
    std::size_t start = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    bool hasEnding() const { return end != contentEnd; }
};

// The offset of the first CR or LF at or after pos, or n. Eight bytes are tested at a time: a byte of the word
// XOR the character is zero exactly where the character is, and the lowest flagged byte of the zero-byte test
// is exact, so on a little-endian machine its position is the break's.
std::size_t findBreak(const char* data, std::size_t pos, std::size_t n) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    if constexpr (std::endian::native == std::endian::little) {
        for (; pos + 8 <= n; pos += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + pos, 8);
            const std::uint64_t lf = word ^ (kOnes * '\n');
            const std::uint64_t cr = word ^ (kOnes * '\r');
            const std::uint64_t found = (((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighs;
            if (found != 0) return pos + static_cast<std::size_t>(std::countr_zero(found)) / 8;
        }
    }
    while (pos < n && data[pos] != '\n' && data[pos] != '\r') ++pos;
    return pos;
}

// A UTF-8 byte-order mark that an editor put at the start of the file is no part of its first line, so a header
// behind it is found; it stays in the file as it was.
std::size_t byteOrderMarkLength(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

// Splits bytes into lines, from after the byte-order mark. A line ends at CR LF, a lone LF or a lone CR.
class LineWalker {
  public:
    explicit LineWalker(std::string_view text) : text_(text), pos_(byteOrderMarkLength(text)) {}

    bool next(Line& line) {
        const std::size_t n = text_.size();
        if (pos_ >= n) return false;
        line.start = pos_;
        line.contentEnd = findBreak(text_.data(), pos_, n);
        line.end = line.contentEnd;
        if (line.end < n) {
            const bool crLf = text_[line.end] == '\r' && line.end + 1 < n && text_[line.end + 1] == '\n';
            line.end += crLf ? 2 : 1;
        }
        pos_ = line.end;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_;
};

enum class LineKind { Header, Comment, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name of a header, key name of a key line (both trimmed)
    std::size_t equals = 0;  // offset of the first "=" within the line's text (key lines)
};

// What a line is. A header is "[" after leading blanks, its name running to the first "]" or the line's end;
// a comment starts with ";" after leading blanks; a key line is any other line with "=".
// Outside the wanted section only headers matter, so keys are looked at only when wantKeys is set.
ParsedLine parseLine(std::string_view content, bool wantKeys) {
    ParsedLine parsed;
    std::size_t i = 0;
    while (i < content.size() && isBlank(content[i])) ++i;
    if (i < content.size() && content[i] == '[') {
        std::string_view rest = content.substr(i + 1);
        parsed.kind = LineKind::Header;
        parsed.name = trimBlanks(rest.substr(0, rest.find(']')));
        return parsed;
    }
    if (!wantKeys) return parsed;
    if (i < content.size() && content[i] == ';') {
        parsed.kind = LineKind::Comment;
        return parsed;
    }
    const std::size_t eq = content.find('=');
    if (eq == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trimBlanks(content.substr(0, eq));
    parsed.equals = eq;
    return parsed;
}

// Where a section and a key are in a file. Only the first section of the name is searched; within it the first
// key of the name wins. When the key is missing, the section's last key line (or its header) tells where a new
// key goes.
struct Lookup {
    bool sectionFound = false;
    Line header;
    bool keyFound = false;
    Line keyLine;
    std::size_t keyEquals = 0;  // absolute offset of the key line's first "="
    bool hasKeyLine = false;
    Line lastKeyLine;
};

Lookup lookUp(std::string_view text, std::string_view section, std::string_view key) {
    Lookup found;
    LineWalker walker(text);
    Line line;
    bool inSection = false;
    while (walker.next(line)) {
        const ParsedLine parsed = parseLine(text.substr(line.start, line.contentEnd - line.start), inSection);
        if (parsed.kind == LineKind::Header) {
            if (inSection) break;
            if (equalsNoCase(parsed.name, section)) {
                found.sectionFound = true;
                found.header = line;
                inSection = true;
            }
            continue;
        }
        if (!inSection || parsed.kind != LineKind::Key) continue;
        found.hasKeyLine = true;
        found.lastKeyLine = line;
        if (equalsNoCase(parsed.name, key)) {
            found.keyFound = true;
            found.keyLine = line;
            found.keyEquals = line.start + parsed.equals;
            break;
        }
    }
    return found;
}

// The value as the reader sees it: trimmed, and one pair of matching outer quotes removed.
std::string_view readableValue(std::string_view text, const Lookup& found) {
    std::string_view value =
        trimBlanks(text.substr(found.keyEquals + 1, found.keyLine.contentEnd - found.keyEquals - 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// The caller's buffer holds bufferSize - 1 bytes and the closing zero.
std::string cutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize <= 1) return {};
    return std::string(text.substr(0, bufferSize - 1));
}

// The line ending new lines get: the one of the file's first line break, CR LF when there is none.
std::string_view fileLineEnding(std::string_view text) {
    const std::size_t br = text.find_first_of("\r\n");
    if (br == std::string_view::npos) return "\r\n";
    if (text[br] == '\n') return "\n";
    return (br + 1 < text.size() && text[br + 1] == '\n') ? std::string_view("\r\n") : std::string_view("\r");
}

bool hasBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
}

bool hasOuterTabs(std::string_view s) {
    return !s.empty() && (s.front() == '\t' || s.front() == '\v' || s.back() == '\t' || s.back() == '\v');
}

// Names that would break the file, or be written where no read could find them again, are refused.
void checkNames(std::string_view section, std::string_view key) {
    if (hasBreakOrNul(section) || hasBreakOrNul(key)) {
        throw std::invalid_argument("A profile section or key may not contain CR, LF or NUL");
    }
    if (key.find('=') != key.npos) throw std::invalid_argument("A profile key may not contain \"=\"");
    const std::string_view bareKey = trimBlanks(key);
    if (!bareKey.empty() && (bareKey.front() == ';' || bareKey.front() == '[')) {
        throw std::invalid_argument("A profile key may not start with \";\" or \"[\"");
    }
    if (section.find(']') != section.npos) throw std::invalid_argument("A profile section may not contain \"]\"");
    // The file's names are trimmed of tabs too, so a name with outer tabs would never be found again.
    if (hasOuterTabs(section) || hasOuterTabs(key)) {
        throw std::invalid_argument("A profile section or key may not start or end with a tab");
    }
}

// A value with a line break or NUL would break its line.
void checkValue(std::string_view value) {
    if (hasBreakOrNul(value)) throw std::invalid_argument("A profile value may not contain CR, LF or NUL");
}

// A change to the file's bytes: replace [position, position + length) by text.
struct Edit {
    std::size_t position = 0;
    std::size_t length = 0;
    std::string text;
};

Edit planWrite(std::string_view old, const Lookup& found, std::string_view section, std::string_view key,
               std::string_view value) {
    const std::string_view ending = fileLineEnding(old);
    Edit edit;
    if (found.keyFound) {
        // Everything up to and including the first "=" stays: indentation and the key's spelling.
        edit.position = found.keyEquals + 1;
        edit.length = found.keyLine.end - edit.position;
        edit.text.append(value);
        if (found.keyLine.hasEnding()) {
            edit.text.append(old.substr(found.keyLine.contentEnd, found.keyLine.end - found.keyLine.contentEnd));
        } else {
            edit.text.append(ending);
        }
        return edit;
    }
    if (found.sectionFound) {
        // After the section's last key line, so that comments and blank lines before the next section stay below.
        const Line& after = found.hasKeyLine ? found.lastKeyLine : found.header;
        edit.position = after.end;
        if (!after.hasEnding()) edit.text.append(ending);
        edit.text.append(key).append("=").append(value).append(ending);
        return edit;
    }
    edit.position = old.size();
    if (old.size() > byteOrderMarkLength(old) && old.back() != '\r' && old.back() != '\n') edit.text.append(ending);
    edit.text.append("[").append(section).append("]").append(ending);
    edit.text.append(key).append("=").append(value).append(ending);
    return edit;
}

// The bytes of a file as a run of writes sees them: exists is false while there is no file yet.
struct FileBytes {
    std::string text;
    bool exists = false;
};

// Applies one write to the file's bytes; false when they stay exactly as they were. With keepWhenReadAs (a buffer
// size) given, a key that is present and already reads back exactly as value with that buffer is left as it stands.
// Throws std::invalid_argument, before anything changes, for a value that would break its line.
bool applyWrite(FileBytes& file, std::string_view section, std::string_view key, const std::string& value,
                std::optional<std::size_t> keepWhenReadAs) {
    const Lookup found = lookUp(file.text, section, key);
    if (keepWhenReadAs && found.keyFound && cutToBuffer(readableValue(file.text, found), *keepWhenReadAs) == value)
        return false;
    checkValue(value);
    if (!file.exists) {
        file.text.assign("[").append(section).append("]\r\n").append(key).append("=").append(value).append("\r\n");
        file.exists = true;
        return true;
    }
    const Edit edit = planWrite(file.text, found, section, key, value);
    // The file already holds the value: nothing to write, even to a read-only file.
    if (std::string_view(file.text).substr(edit.position, edit.length) == edit.text) return false;
    file.text.replace(edit.position, edit.length, edit.text);
    return true;
}

// The file a write goes to (after its links) and its bytes. Throws std::system_error for a path that names no
// regular file or a file that exists but cannot be read.
FileBytes readForWrite(const std::string& path, std::string& target, struct stat& info) {
    target = resolveLinks(path);
    if (nameOf(target).empty()) throwSystemError(EISDIR, path);
    FileBytes file;
    const int readError = readWholeFile(target, file.text, info);
    if (readError != 0 && readError != ENOENT) throwSystemError(readError, "Cannot read " + path);
    file.exists = readError == 0;
    return file;
}

// Sets key in section to value (see applyWrite for keepWhenReadAs).
void writeKey(const std::string& section, const std::string& key, const std::string& value, const std::string& path,
              std::optional<std::size_t> keepWhenReadAs) {
    const std::string_view sectionName = trimSpaces(section);
    const std::string_view keyName = trimSpaces(key);
    checkNames(sectionName, keyName);
    std::string target;
    struct stat info;
    FileBytes file = readForWrite(path, target, info);
    const bool existed = file.exists;
    if (!applyWrite(file, sectionName, keyName, value, keepWhenReadAs)) return;
    if (existed) requireWritable(target, info);
    replaceFile(target, file.text, existed ? &info : nullptr);
}

}  // namespace

std::string getProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                             const std::string& path, std::size_t bufferSize) {
    std::string text;
    struct stat info;
    if (readWholeFile(path, text, info) == 0) {
        const Lookup found = lookUp(text, trimSpaces(section), trimSpaces(key));
        if (found.keyFound) return cutToBuffer(readableValue(text, found), bufferSize);
    }
    std::string_view fallback = defaultValue;
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    return cutToBuffer(fallback, bufferSize);
}

void writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path) {
    writeKey(section, key, value, path, std::nullopt);
}

void writeProfileStringIfChanged(const std::string& section, const std::string& key, const std::string& value,
                                 const std::string& path, std::size_t bufferSize) {
    writeKey(section, key, value, path, bufferSize);
}

bool profileWritesChangeFile(const std::string& path, const std::vector<ProfileWrite>& writes, std::size_t bufferSize) {
    std::string target;
    struct stat info;
    FileBytes file = readForWrite(path, target, info);
    bool changes = false;
    for (const ProfileWrite& write : writes) {
        const std::string_view sectionName = trimSpaces(write.section);
        const std::string_view keyName = trimSpaces(write.key);
        checkNames(sectionName, keyName);
        changes = applyWrite(file, sectionName, keyName, write.value, bufferSize) || changes;
    }
    return changes;
}

}  // namespace platform
