// The profile writer under stress: random files and writes checked against a plain line-list model of what a
// write must do, and a writer killed at random moments, which must leave the old file or the new one, and whose
// leftovers the next save clears.
#include <strings.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/profile.h"
#include "platform/replacement.h"
#include "platform_test_util.h"

namespace {

// --- The model: a file is a list of lines, each with its own ending. ---
struct Line {
    std::string text, ending;
};

std::vector<Line> splitLines(const std::string& bytes) {
    std::vector<Line> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        const std::size_t next = std::min(end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1), bytes.size());
        lines.push_back({bytes.substr(at, end - at), bytes.substr(end, next - end)});
        at = next;
    }
    return lines;
}

std::string trim(const std::string& s, const char* blanks = " \t\v") {
    const std::size_t first = s.find_first_not_of(blanks);
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// 'h' header, 'c' comment, 'k' key line, 'o' other; name gets the name of a header or key.
char kindOf(const std::string& text, std::string& name) {
    const std::string bare = trim(text);
    if (bare[0] == '[') name = trim(bare.substr(1, bare.find(']') - 1));
    if (bare[0] == '[' || bare[0] == ';') return bare[0] == '[' ? 'h' : 'c';
    if (text.find('=') == std::string::npos) return 'o';
    name = trim(text.substr(0, text.find('=')));
    return 'k';
}

std::string modelWrite(const std::string& before, const std::string& sectionArg, const std::string& keyArg,
                       const std::string& value) {
    // A byte-order mark at the start stays in front of the lines and is none of them.
    const std::string mark = before.starts_with("\xEF\xBB\xBF") ? before.substr(0, 3) : "";
    const std::string section = trim(sectionArg, " "), key = trim(keyArg, " ");
    std::vector<Line> lines = splitLines(before.substr(mark.size()));
    const std::string eol = !lines.empty() && !lines[0].ending.empty() ? lines[0].ending : "\r\n";
    std::string name;
    std::size_t at = 0;  // the section's header, then the key line to rewrite or to insert after
    while (at < lines.size() &&
           !(kindOf(lines[at].text, name) == 'h' && ::strcasecmp(name.c_str(), section.c_str()) == 0))
        ++at;
    if (at == lines.size() && at > 0 && lines.back().ending.empty()) lines.back().ending = eol;
    if (at == lines.size()) lines.push_back({"[" + section + "]", eol});
    bool found = false;
    for (std::size_t i = at + 1; i < lines.size() && !found; ++i) {
        const char kind = kindOf(lines[i].text, name);
        if (kind == 'h') break;
        found = kind == 'k' && ::strcasecmp(name.c_str(), key.c_str()) == 0;
        if (kind == 'k') at = i;
    }
    if (found) lines[at].text.replace(lines[at].text.find('=') + 1, std::string::npos, value);
    if (lines[at].ending.empty()) lines[at].ending = eol;
    if (!found) lines.insert(lines.begin() + static_cast<long>(at) + 1, {key + "=" + value, eol});
    std::string after = mark;
    for (const Line& line : lines) after += line.text + line.ending;
    return after;
}

std::string modelRead(const std::string& written) {
    const std::string v = trim(written);
    const bool quoted = v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0];
    return quoted ? v.substr(1, v.size() - 2) : v;
}

TEST(ProfileProperty, RandomWritesChangeOnlyTheirLine) {
    std::mt19937 random(7919);  // a fixed seed: every run checks the same files
    auto pick = [&](const std::vector<std::string>& choices) { return choices[random() % choices.size()]; };
    const std::vector<std::string> blanks = {"", "", "", " ", "\t", "  ", " \v", "\t "};
    const std::vector<std::string> names = {"A", "a", "Sec", "SEC", "s p", "", "x;y", "k", "K", "#h"};
    const std::vector<std::string> values = {"1", "v", "", "a=b", "\"q\"", "'q'", "\xE9\xFF", " x ; y ", "\"\"", "'"};
    const std::vector<std::string> others = {";", ";k=v", "; [A]", "", " ", "odd", "\xEF\xBB\xBF[A]", "k=a\0b"s};
    TempDir dir;
    const std::string path = dir.file("t.ini");
    for (int round = 0; round < 300; ++round) {
        std::string expected;
        for (std::size_t line = 0, count = random() % 26; line < count; ++line) {
            const std::string name = pick(blanks) + pick(names) + pick(blanks);
            const unsigned kind = random() % 5;
            if (kind == 0) expected += pick(blanks) + "[" + name + pick({"]", "]", "] x", "", "]]"});
            if (kind == 1) expected += pick(blanks) + pick(others);
            if (kind >= 2) expected += name + "=" + pick(blanks) + pick(values) + pick(blanks);
            if (line + 1 < count || random() % 4 != 0) expected += pick({"\r\n", "\r\n", "\n", "\r"});
        }
        writeFile(path, expected);
        for (int write = 0; write < 4; ++write) {
            const std::string section = pick({"", " "}) + pick(names) + pick({"", "  "});
            const std::string key = pick({"", "  "}) + pick(names), value = pick(values), before = expected;
            expected = modelWrite(before, section, key, value);
            platform::writeProfileString(section, key, value, path);
            ASSERT_EQ(readFile(path), expected)
                << "[" << section << "] " << key << "=" << value << "\nbefore: " << testing::PrintToString(before);
            ASSERT_EQ(platform::getProfileString(section, key, "<default>", path), modelRead(value));
        }
    }
}

TEST(ProfileCrashSafety, KilledWriterLeavesOldOrNewFile) {
    std::mt19937 random(20240611);
    const std::string values[] = {"short", "a much longer value " + std::string(300, 'v')};
    // A file of about 40 KB with the key in the middle; everything but the key's value is fixed.
    auto gameFile = [filler = std::string(20000, ';')](const std::string& value) {
        return "[Head]\r\n" + filler + "\r\n[Game]\r\nTarget=" + value + "\r\n[Tail]\r\n" + filler + "\r\n";
    };
    TempDir dir;
    const std::string path = dir.file("game.ini");
    writeFile(path, gameFile(values[0]));
    std::size_t leftovers = 0;
    for (int round = 0; round < 200; ++round) {
        // The child writes the key over and over and says "R" after its first write; it is killed at a random
        // moment after that.
        {
            Child writer([&] {
                for (int i = 0;; ++i) {
                    platform::writeProfileString("Game", "Target", values[i % 2], path);
                    if (i == 0 && ::write(STDOUT_FILENO, "R", 1) != 1) return 1;
                }
            });
            ASSERT_EQ(writer.next(), "R") << "the writer did not start (round " << round << ")";
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        }
        const std::string now = readFile(path);
        ASSERT_TRUE(now == gameFile(values[0]) || now == gameFile(values[1])) << "torn file in round " << round;
        // A kill between creating the replacement and renaming it leaves that one temporary file; the writer
        // leaves no others.
        ASSERT_LE(namesIn(dir.path).size(), leftovers + 2) << "round " << round;
        leftovers = namesIn(dir.path).size() - 1;
    }
    EXPECT_GT(leftovers, 0u) << "no kill came in the middle of a write";
    // The next save clears what the killed writers left, and leaves nothing of its own.
    platform::removeLeftovers(path);
    platform::writeProfileString("Game", "Target", "after the kills", path);
    EXPECT_EQ(namesIn(dir.path).size(), 1u);
    EXPECT_EQ(platform::getProfileString("Game", "Target", "", path), "after the kills");
}

}  // namespace
