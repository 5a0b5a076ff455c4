// Random files and random writes, checked against a plain line-list model of what a write must do: after every
// write the file is exactly the model's bytes (so every line not written is unchanged) and the key reads back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace std::string_literals;
using platform_test::readFile;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

// --- The model: a file is a list of lines, each with its own ending. ---

struct ModelLine {
    std::string text;
    std::string ending;
};

std::vector<ModelLine> splitLines(const std::string& bytes) {
    std::vector<ModelLine> lines;
    ModelLine current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            current.text += c;
            continue;
        }
        current.ending = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? "\r\n" : std::string(1, c);
        if (current.ending == "\r\n") ++i;
        lines.push_back(current);
        current = {};
    }
    if (!current.text.empty()) lines.push_back(current);
    return lines;
}

std::string joinLines(const std::vector<ModelLine>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line.text + line.ending;
    return bytes;
}

std::string strip(const std::string& s, const std::string& blanks) {
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

const std::string kBlanks = " \t\v";

std::string lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

enum class Kind { Header, Comment, Key, Other };

Kind kindOf(const std::string& text, std::string& name) {
    const std::string bare = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
    if (!bare.empty() && bare[0] == '[') {
        name = lower(strip(bare.substr(1, bare.find(']') == std::string::npos ? std::string::npos : bare.find(']') - 1),
                           kBlanks));
        return Kind::Header;
    }
    if (!bare.empty() && bare[0] == ';') return Kind::Comment;
    if (text.find('=') == std::string::npos) return Kind::Other;
    name = lower(strip(text.substr(0, text.find('=')), kBlanks));
    return Kind::Key;
}

std::string modelWrite(const std::string& before, std::string section, std::string key, const std::string& value) {
    section = strip(section, " ");
    key = strip(key, " ");
    std::vector<ModelLine> lines = splitLines(before);
    std::string eol = "\r\n";
    for (const auto& line : lines) {
        if (!line.ending.empty()) {
            eol = line.ending;
            break;
        }
    }
    std::size_t header = lines.size();
    std::string name;
    for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
        if (kindOf(lines[i].text, name) == Kind::Header && name == lower(section)) header = i;
    }
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = eol;
        lines.push_back({"[" + section + "]", eol});
        lines.push_back({key + "=" + value, eol});
        return joinLines(lines);
    }
    std::size_t insertAfter = header;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const Kind kind = kindOf(lines[i].text, name);
        if (kind == Kind::Header) break;
        if (kind != Kind::Key) continue;
        if (name == lower(key)) {
            lines[i].text = lines[i].text.substr(0, lines[i].text.find('=') + 1) + value;
            if (lines[i].ending.empty()) lines[i].ending = eol;
            return joinLines(lines);
        }
        insertAfter = i;
    }
    if (lines[insertAfter].ending.empty()) lines[insertAfter].ending = eol;
    lines.insert(lines.begin() + static_cast<long>(insertAfter) + 1, {key + "=" + value, eol});
    return joinLines(lines);
}

std::string modelRead(const std::string& value) {
    std::string v = strip(value, kBlanks);
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
    return v;
}

// --- Random files ---

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    template <typename T>
    const T& pick(const std::vector<T>& choices) {
        return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
    }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string blanks() { return pick<std::string>({"", "", "", " ", "\t", "  ", " \v", "\t "}); }

    std::string line() {
        switch (number(0, 9)) {
            case 0:
            case 1:
                return blanks() + "[" + blanks() + pick(kSections) + blanks() +
                       pick<std::string>({"]", "]", "] trailing", "", "]]"});
            case 2:
                return blanks() + pick<std::string>({";", ";k=v", "; comment [x]", ";key=1"});
            case 3:
                return pick<std::string>({"", "", " ", "\t"});
            case 4:
                return pick<std::string>({"odd line", "key", "\xEF\xBB\xBFjunk", "\xE9\xFF", "a\0b"s});
            default:
                return blanks() + pick(kKeys) + blanks() + "=" + blanks() + pick(kValues) + blanks();
        }
    }

    std::string file() {
        std::string bytes;
        const int count = number(0, 25);
        for (int i = 0; i < count; ++i) {
            bytes += line();
            if (i + 1 < count || number(0, 3) != 0) bytes += pick<std::string>({"\r\n", "\r\n", "\n", "\r"});
        }
        return bytes;
    }

    const std::vector<std::string> kSections = {"A", "a", "Sec", "SEC", "s p", "B", "", "x;y"};
    const std::vector<std::string> kKeys = {"k", "K", "key", "KEY", "x y", "#h", "", "Key2"};
    const std::vector<std::string> kValues = {"1", "v", "", "a=b", "\"q\"", "'q'", "\xE9\xFF", "a\0b"s, "x ; y"};
    // Values a write may give: no CR, LF or NUL.
    const std::vector<std::string> kWrittenValues = {"1",        "v",     "",         "a=b",  "\"q\"",     "'q'",
                                                     "\xE9\xFF", "x ; y", " padded ", "\"\"", "new value", "'"};

  private:
    std::mt19937 random_;
};

TEST(ProfileProperty, RandomWritesChangeOnlyTheirLine) {
    const unsigned seed = 7919;
    std::cout << "[ seed     ] " << seed << std::endl;
    Generator gen(seed);
    TempDir dir;
    const std::string path = dir.file("t.ini");
    for (int round = 0; round < 300; ++round) {
        std::string expected = gen.file();
        writeFile(path, expected);
        for (int write = 0; write < 4; ++write) {
            const std::string section =
                gen.pick<std::string>({"", " "}) + gen.pick(gen.kSections) + gen.pick<std::string>({"", "  "});
            const std::string key = gen.pick<std::string>({"", "  "}) + gen.pick(gen.kKeys);
            const std::string value = gen.pick(gen.kWrittenValues);
            const std::string before = expected;
            expected = modelWrite(before, section, key, value);
            platform::writeProfileString(section, key, value, path);
            const std::string now = readFile(path);
            ASSERT_EQ(now, expected) << "round " << round << " write " << write << " [" << section << "] " << key << "="
                                     << value << "\nbefore: " << testing::PrintToString(before);
            ASSERT_EQ(platform::getProfileString(section, key, "<default>", path), modelRead(value))
                << "round " << round << " write " << write;
        }
    }
}

}  // namespace
