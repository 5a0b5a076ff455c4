#include "platform/registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <optional>
#include <string_view>

#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/paths.h"

namespace platform {
namespace {

// Rights that change the registry: set value, create sub key, create link, delete, write DAC, write owner.
constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000;
constexpr RegKey kFirstHandle = 0x1000;

using KeyPath = std::vector<std::u16string>;

struct Value {
    std::u16string name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

struct OpenKey {
    KeyPath path;
    std::vector<Value> values;
};

struct State {
    std::mutex mutex;
    std::string hiveOverride;
    std::vector<std::optional<OpenKey>> keys;  // handle kFirstHandle + 4 * index
};

State& state() {
    static State instance;
    return instance;
}

std::string hivePath() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.hiveOverride.empty() ? winePrefix() + "/system.reg" : s.hiveOverride;
}

char16_t foldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

bool samePath(const KeyPath& a, const KeyPath& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!equalsNoCase(a[i], b[i])) return false;
    }
    return true;
}

// Splits a key path at its backslashes; empty names (doubled or outer backslashes) are dropped.
KeyPath splitPath(std::u16string_view path) {
    KeyPath parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

void appendCodePoint(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

// One UTF-8 character of the hive at s[i]; a byte that starts no valid sequence stands for itself.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07;
    }
    if (length == 0 || i + length > s.size()) return byte(i++);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return byte(i++);
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return byte(i++);
    i += length;
    return c;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads up to maxDigits digits of the given base at s[i]; returns the number and how many digits were read.
std::size_t readDigits(std::string_view s, std::size_t& i, int base, std::size_t maxDigits, std::uint32_t& number) {
    std::size_t count = 0;
    number = 0;
    while (count < maxDigits && i < s.size()) {
        const int digit = hexDigit(s[i]);
        if (digit < 0 || digit >= base) break;
        number = number * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        ++i, ++count;
    }
    return count;
}

// Reads Wine's escaped text from s[i] up to the unescaped terminator, leaving i after it. Escapes: \\ \" \n \r
// \t \a \b \e \f \v, \x with up to four hex digits (one UTF-16 unit), \ with up to three octal digits; any other
// escaped character stands for itself. Returns nothing when the terminator is missing.
std::optional<std::u16string> readEscaped(std::string_view s, std::size_t& i, char terminator) {
    std::u16string text;
    while (i < s.size()) {
        const char c = s[i];
        if (c == terminator) {
            ++i;
            return text;
        }
        if (c != '\\' || i + 1 >= s.size()) {
            appendCodePoint(text, decodeUtf8(s, i));
            continue;
        }
        const char e = s[++i];
        std::uint32_t number = 0;
        switch (e) {
            case 'n':
                text.push_back(u'\n'), ++i;
                break;
            case 'r':
                text.push_back(u'\r'), ++i;
                break;
            case 't':
                text.push_back(u'\t'), ++i;
                break;
            case 'a':
                text.push_back(u'\a'), ++i;
                break;
            case 'b':
                text.push_back(u'\b'), ++i;
                break;
            case 'e':
                text.push_back(0x1B), ++i;
                break;
            case 'f':
                text.push_back(u'\f'), ++i;
                break;
            case 'v':
                text.push_back(u'\v'), ++i;
                break;
            case 'x':
                ++i;
                if (readDigits(s, i, 16, 4, number) == 0) {
                    text.push_back(u'x');
                } else {
                    text.push_back(static_cast<char16_t>(number));
                }
                break;
            default:
                if (e >= '0' && e <= '7') {
                    readDigits(s, i, 8, 3, number);
                    text.push_back(static_cast<char16_t>(number));
                } else {
                    appendCodePoint(text, decodeUtf8(s, i));
                }
        }
    }
    return std::nullopt;
}

// Comma-separated hex bytes ("01,02,ff"), blanks allowed.
std::optional<std::vector<unsigned char>> readHexBytes(std::string_view s) {
    std::vector<unsigned char> bytes;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    };
    skipBlanks();
    while (i < s.size()) {
        std::uint32_t number = 0;
        if (readDigits(s, i, 16, 2, number) == 0) return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(number));
        skipBlanks();
        if (i < s.size() && s[i] == ',') ++i;
        skipBlanks();
    }
    return bytes;
}

std::vector<unsigned char> ansiText(const std::u16string& text) {
    const std::string bytes = toCp1252Replacing(text);
    std::vector<unsigned char> data(bytes.begin(), bytes.end());
    data.push_back(0);
    return data;
}

// A type number in parentheses ("(2):"), hex as Wine writes it; i is left after the colon.
bool readTypeNumber(std::string_view s, std::size_t& i, std::uint32_t& type) {
    if (i >= s.size() || s[i] != '(') return false;
    ++i;
    if (readDigits(s, i, 16, 8, type) == 0) return false;
    if (s.substr(i, 2) != "):") return false;
    i += 2;
    return true;
}

// The data of a value line after "=": "text", str(n):"text", dword:xxxxxxxx, hex:.., hex(n):..
std::optional<Value> readData(std::string_view s, Value value) {
    std::size_t i = 0;
    if (s.substr(0, 1) == "\"") {
        ++i;
        const auto text = readEscaped(s, i, '"');
        if (!text) return std::nullopt;
        value.type = kRegSz;
        value.data = ansiText(*text);
        return value;
    }
    if (s.substr(0, 3) == "str") {
        i = 3;
        if (!readTypeNumber(s, i, value.type) || s.substr(i, 1) != "\"") return std::nullopt;
        ++i;
        const auto text = readEscaped(s, i, '"');
        if (!text) return std::nullopt;
        value.data = ansiText(*text);
        return value;
    }
    if (s.substr(0, 6) == "dword:") {
        i = 6;
        std::uint32_t number = 0;
        if (readDigits(s, i, 16, 8, number) == 0) return std::nullopt;
        value.type = kRegDword;
        value.data = {static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
                      static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
        return value;
    }
    if (s.substr(0, 3) == "hex") {
        i = 3;
        if (s.substr(i, 1) == ":") {
            value.type = kRegBinary;
            ++i;
        } else if (!readTypeNumber(s, i, value.type)) {
            return std::nullopt;
        }
        auto bytes = readHexBytes(s.substr(i));
        if (!bytes) return std::nullopt;
        value.data = std::move(*bytes);
        return value;
    }
    return std::nullopt;
}

// A value line: "name"=data or @=data (the key's default value).
std::optional<Value> readValueLine(std::string_view line) {
    Value value;
    std::size_t i = 0;
    if (line.substr(0, 1) == "@") {
        i = 1;
    } else if (line.substr(0, 1) == "\"") {
        i = 1;
        auto name = readEscaped(line, i, '"');
        if (!name) return std::nullopt;
        value.name = std::move(*name);
    } else {
        return std::nullopt;
    }
    if (line.substr(i, 1) != "=") return std::nullopt;
    return readData(line.substr(i + 1), std::move(value));
}

// The hive's lines, without their LF (or CR LF) endings.
class HiveLines {
  public:
    explicit HiveLines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool endsWithContinuation(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return !line.empty() && line.back() == '\\';
}

// The values of a key, from the lines after its header up to the next header. Hex data may run over several
// lines, each but the last ending with a backslash.
std::vector<Value> readValues(HiveLines& lines) {
    std::vector<Value> values;
    std::string_view line;
    while (lines.next(line)) {
        if (line.substr(0, 1) == "[") break;
        std::string joined(line);
        while (endsWithContinuation(joined) && lines.next(line)) {
            joined.erase(joined.find_last_of('\\'));
            const std::size_t first = line.find_first_not_of(" \t");
            if (first != std::string_view::npos) joined.append(line.substr(first));
        }
        if (auto value = readValueLine(joined)) values.push_back(std::move(*value));
    }
    return values;
}

bool isBelow(const KeyPath& descendant, const KeyPath& path) {
    if (descendant.size() <= path.size()) return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!equalsNoCase(descendant[i], path[i])) return false;
    }
    return true;
}

// The values of the key at path, or nothing when the hive has no such key. Wine writes a key's path in the
// header with doubled backslashes and a time stamp after the bracket: [Software\\Maker\\App] 1234567890
// A key without a header of its own still exists when a key below it does (it has no values then).
std::optional<std::vector<Value>> findKey(std::string_view hive, const KeyPath& path) {
    if (path.empty()) return std::vector<Value>{};  // the root itself
    HiveLines lines(hive);
    std::string_view line;
    bool hasDescendant = false;
    while (lines.next(line)) {
        if (line.substr(0, 1) != "[") continue;
        std::size_t i = 1;
        const auto name = readEscaped(line, i, ']');
        if (!name) continue;
        const KeyPath header = splitPath(*name);
        if (samePath(header, path)) return readValues(lines);
        hasDescendant = hasDescendant || isBelow(header, path);
    }
    if (hasDescendant) return std::vector<Value>{};
    return std::nullopt;
}

// A 32-bit program on 64-bit Windows sees Software\Wow6432Node as Software; a Wine prefix keeps such a
// program's keys there, so that is where a key missing from Software is looked for next.
std::optional<std::vector<Value>> findKeyOrRedirected(std::string_view hive, const KeyPath& path) {
    auto values = findKey(hive, path);
    if (values || path.size() < 2 || !equalsNoCase(path[0], u"Software") || equalsNoCase(path[1], u"Wow6432Node")) {
        return values;
    }
    KeyPath redirected = path;
    redirected.insert(redirected.begin() + 1, u"Wow6432Node");
    return findKey(hive, redirected);
}

bool hiveIsWritable(const std::string& hive, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(hive.c_str(), W_OK) == 0;
}

OpenKey* openedKey(State& s, RegKey key) {
    if (key < kFirstHandle || (key - kFirstHandle) % 4 != 0) return nullptr;
    const std::size_t index = (key - kFirstHandle) / 4;
    if (index >= s.keys.size() || !s.keys[index]) return nullptr;
    return &*s.keys[index];
}

RegKey storeKey(State& s, OpenKey key) {
    std::size_t index = 0;
    while (index < s.keys.size() && s.keys[index]) ++index;
    if (index == s.keys.size()) s.keys.emplace_back();
    s.keys[index] = std::move(key);
    return kFirstHandle + static_cast<RegKey>(index * 4);
}

}  // namespace

void setLocalMachineHive(const std::string& path) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.hiveOverride = path;
}

long regOpenKeyEx(RegKey root, const std::string& keyName, std::uint32_t access, RegKey& result) {
    result = 0;
    OpenKey key;
    if (root != kHKeyLocalMachine) {
        State& s = state();
        std::lock_guard lock(s.mutex);
        const OpenKey* parent = openedKey(s, root);
        if (!parent) return kErrorInvalidHandle;
        key.path = parent->path;
    }
    for (auto& part : splitPath(fromCp1252(keyName))) key.path.push_back(std::move(part));

    const std::string hive = hivePath();
    std::string text;
    struct stat info;
    if (fileio::readWholeFile(hive, text, info) != 0) return kErrorFileNotFound;
    auto values = findKeyOrRedirected(text, key.path);
    if (!values) return kErrorFileNotFound;
    if ((access & kWriteRights) != 0 && !hiveIsWritable(hive, info)) return kErrorAccessDenied;
    key.values = std::move(*values);

    State& s = state();
    std::lock_guard lock(s.mutex);
    result = storeKey(s, std::move(key));
    return kErrorSuccess;
}

long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type, std::vector<unsigned char>& data,
                     std::size_t bufferSize) {
    data.clear();
    if (key == kHKeyLocalMachine) return kErrorFileNotFound;
    State& s = state();
    std::lock_guard lock(s.mutex);
    const OpenKey* opened = openedKey(s, key);
    if (!opened) return kErrorInvalidHandle;
    const std::u16string name = fromCp1252(valueName);
    for (const Value& value : opened->values) {
        if (!equalsNoCase(value.name, name)) continue;
        type = value.type;
        if (value.data.size() > bufferSize) return kErrorMoreData;
        data = value.data;
        return kErrorSuccess;
    }
    return kErrorFileNotFound;
}

long regCloseKey(RegKey key) {
    if (key == kHKeyLocalMachine) return kErrorSuccess;
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (!openedKey(s, key)) return kErrorInvalidHandle;
    s.keys[(key - kFirstHandle) / 4].reset();
    return kErrorSuccess;
}

}  // namespace platform
