// Fuzz target of the profile functions: the input is an INI file. Names found in it are read, one key is written
// with a value from the input, and the invariants are checked: no crash, a key written with the value it reads back
// as is left untouched, a written key reads back as written, writing the same value again changes nothing, a refused
// write leaves the file as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/profile.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant failed: %s\n", what);
        std::abort();
    }
}

std::string workFile() {
    // tmpfs where there is one: every write flushes to disk, which a disk would make slow.
    std::string pattern = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/fuzz-profile-XXXXXX");
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/f.ini";
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string_view trim(std::string_view s, std::string_view blanks) {
    while (!s.empty() && blanks.find(s.front()) != blanks.npos) s.remove_prefix(1);
    while (!s.empty() && blanks.find(s.back()) != blanks.npos) s.remove_suffix(1);
    return s;
}

// Drops the bytes a name may not hold, and the outer blanks the file would not keep.
std::string usable(std::string_view s, std::string_view forbidden) {
    std::string out;
    for (char c : s) {
        if (c != '\r' && c != '\n' && c != '\0' && forbidden.find(c) == forbidden.npos) out += c;
    }
    return std::string(trim(out, " \t\v"));
}

// Section and key names as they appear in the input's lines.
void namesOf(std::string_view text, std::vector<std::string>& sections, std::vector<std::string>& keys) {
    std::size_t start = 0;
    while (start < text.size() && sections.size() + keys.size() < 8) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trim(text.substr(start, end - start), " \t\v");
        if (!line.empty() && line.front() == '[') {
            sections.push_back(usable(line.substr(1, line.find(']') - 1), "]"));
        } else if (line.find('=') != std::string_view::npos) {
            std::string key = usable(line.substr(0, line.find('=')), "=");
            while (!key.empty() && (key.front() == ';' || key.front() == '[')) key.erase(0, 1);
            keys.push_back(std::string(trim(key, " \t\v")));
        }
        start = end + 1;
    }
}

std::string readable(std::string_view value) {
    value = trim(value, " \t\v");
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = workFile();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    writeBytes(path, input);

    std::vector<std::string> sections = {"S"};
    std::vector<std::string> keys = {"k"};
    namesOf(input, sections, keys);
    const std::size_t bufferSize = size > 0 ? data[0] % 8 : 2048;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            check(platform::getProfileString(section, key, "d", path).size() <= 2047, "value cut to 2047");
            check(platform::getProfileString(section, key, "default", path, bufferSize).size() + 1 <=
                      std::max<std::size_t>(bufferSize, 1),
                  "value cut to the buffer");
        }
    }

    const std::string& section = sections.back();
    const std::string& key = keys.back();
    const std::string current = platform::getProfileString(section, key, "<none>", path);
    if (current != "<none>") {
        platform::writeProfileStringIfChanged(section, key, current, path);
        check(readBytes(path) == input, "a value written as it reads back leaves the file untouched");
    }
    const std::string value = usable(input.substr(size / 2, 100), "");
    const std::string before = readBytes(path);
    try {
        platform::writeProfileString(section, key, value, path);
    } catch (const std::invalid_argument&) {
        check(readBytes(path) == before, "refused write left the file as it was");
        return 0;
    }
    check(platform::getProfileString(section, key, "<none>", path, 4096) == readable(value), "written key reads back");
    const std::string after = readBytes(path);
    platform::writeProfileString(section, key, value, path);
    check(readBytes(path) == after, "writing the same value again changes nothing");

    bool refused = false;
    try {
        platform::writeProfileString(section, key + "=x", value, path);
    } catch (const std::invalid_argument&) {
        refused = true;
    }
    check(refused && readBytes(path) == after, "a key with \"=\" is refused");
    return 0;
}
