// Fuzz target of the profile functions: the input is an INI file. Names found in it are read, one key is written
// with a value from the input, and the invariants are checked: no crash, a value is cut to its buffer, a key written
// with the value it reads back as is left untouched, a written key reads back as written, writing the same value
// again changes nothing, a refused write leaves the file as it was, and the check of a run of writes foretells
// whether they change the file.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) std::fprintf(stderr, "invariant failed: %s\n", what), std::abort();
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\v')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\v')) s.remove_suffix(1);
    return s;
}

// The text without the bytes a name may not hold, and without the outer blanks the file would not keep.
std::string usable(std::string_view s, std::string_view forbidden) {
    std::string out;
    for (char c : s) {
        if (c != '\r' && c != '\n' && c != '\0' && forbidden.find(c) == forbidden.npos) out += c;
    }
    return std::string(trim(out));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // tmpfs where there is one: every write flushes to disk, which a disk would make slow.
    static const std::string path = [] {
        std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-XXXXXX" : "/tmp/fuzz-XXXXXX";
        if (!::mkdtemp(folder.data())) std::abort();
        return folder + "/f.ini";
    }();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;

    // Section and key names as the input's first lines give them.
    std::vector<std::string> sections = {"S"}, keys = {"k"};
    for (std::size_t start = 0; start < size && sections.size() + keys.size() < 8;) {
        const std::size_t end = std::min(input.find_first_of("\r\n", start), size);
        const std::string_view line = trim(std::string_view(input).substr(start, end - start));
        if (line.starts_with('[')) sections.push_back(usable(line.substr(1, line.find(']') - 1), "]"));
        if (!line.starts_with('[') && line.find('=') != line.npos) {
            // A name as the file gives it, less the ";" and "[" a key may not start with.
            const std::string key = usable(line.substr(0, line.find('=')), "=");
            keys.emplace_back(trim(std::string_view(key).substr(std::min(key.find_first_not_of(";["), key.size()))));
        }
        start = end + 1;
    }
    // A buffer of the usual 2048 bytes, or of a few.
    const std::size_t bufferSize = size > 0 && data[0] % 2 == 1 ? data[0] % 8 : 2048;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            const std::string read = platform::getProfileString(section, key, "default", path, bufferSize);
            check(read.size() + 1 <= std::max<std::size_t>(bufferSize, 1), "value cut to the buffer");
        }
    }

    const std::string &section = sections.back(), &key = keys.back();
    const std::string current = platform::getProfileString(section, key, "<none>", path);
    if (current != "<none>") {
        platform::writeProfileStringIfChanged(section, key, current, path);
        check(readBytes(path) == input, "a value written as it reads back leaves the file untouched");
    }
    const std::string value = usable(std::string_view(input).substr(size / 2, 100), "");
    // The check of a run of writes tells, without writing, whether the writes change the file.
    const std::vector<platform::ProfileWrite> run = {{section, key, value}, {sections.front(), keys.front(), current}};
    bool predicted = false;
    try {
        predicted = platform::profileWritesChangeFile(path, run);
        check(readBytes(path) == input, "the check writes nothing");
        for (const platform::ProfileWrite& write : run)
            platform::writeProfileStringIfChanged(write.section, write.key, write.value, path);
        check((readBytes(path) != input) == predicted, "the check foretells whether the writes change the file");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    } catch (const std::invalid_argument&) {
        check(readBytes(path) == input, "a run the check refuses is refused by the writes too");
    }
    try {
        platform::writeProfileString(section, key, value, path);
    } catch (const std::invalid_argument&) {
        check(readBytes(path) == input, "refused write left the file as it was");
        return 0;
    }
    std::string expected(trim(value));
    if (expected.size() >= 2 && (expected[0] == '"' || expected[0] == '\'') && expected.back() == expected[0]) {
        expected = expected.substr(1, expected.size() - 2);
    }
    check(platform::getProfileString(section, key, "<none>", path, 4096) == expected, "written key reads back");
    const std::string after = readBytes(path);
    platform::writeProfileString(section, key, value, path);
    check(readBytes(path) == after, "writing the same value again changes nothing");
    try {
        platform::writeProfileString(section, key + "=x", value, path);
        check(false, "a key with \"=\" is refused");
    } catch (const std::invalid_argument&) {
        check(readBytes(path) == after, "a refused key with \"=\" leaves the file as it was");
    }
    return 0;
}
