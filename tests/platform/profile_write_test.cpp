// Writing keys: byte-exact results of in-place rewrites, insertions and appends; refusals that leave the file as
// it was; read-only files, links, permissions and failed writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace std::string_literals;
using platform::getProfileString;
using platform::writeProfileString;
using platform_test::exists;
using platform_test::readFile;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file
    std::string section;
    std::string key;
    std::string value;
    std::string after;
    std::string readBack;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, GivesExactBytes) {
    const WriteCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.file("t.ini");
    if (c.before) writeFile(path, *c.before);
    writeProfileString(c.section, c.key, c.value, path);
    EXPECT_EQ(readFile(path), c.after);
    EXPECT_EQ(getProfileString(c.section, c.key, "<default>", path), c.readBack);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"t.ini"}) << "no temporary file left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    testing::Values(
        WriteCase{"newFileEmptyValue", std::nullopt, "App", "key", "", "[App]\r\nkey=\r\n", ""},
        WriteCase{"newFileBlanksKept", std::nullopt, "S", "k", " v ", "[S]\r\nk= v \r\n", "v"},
        WriteCase{"newFileNamesTrimmed", std::nullopt, "  S  ", "  k  ", "v", "[S]\r\nk=v\r\n", "v"},
        WriteCase{"emptyFile", "", "S", "k", "v", "[S]\r\nk=v\r\n", "v"},
        WriteCase{"caseBlindMatchKeepsSpelling", "[SectionName]\r\nTestKey=TestValue", "SECTIONNAME", "TESTKEY",
                  "TestValue2", "[SectionName]\r\nTestKey=TestValue2\r\n", "TestValue2"},
        WriteCase{"insertBeforeBlankLine", "[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2\n", "3"},
        WriteCase{"rewriteLf", "[A]\nx=1\ny=2\n", "A", "x", "9", "[A]\nx=9\ny=2\n", "9"},
        WriteCase{"insertCr", "[A]\rx=1\r[B]\r", "A", "y", "2", "[A]\rx=1\ry=2\r[B]\r", "2"},
        WriteCase{"appendSectionCr", "[A]\rx=1\r", "B", "y", "2", "[A]\rx=1\r[B]\ry=2\r", "2"},
        WriteCase{"endingOfFirstBreak", "[A]\nx=1\r\n", "A", "y", "2", "[A]\nx=1\r\ny=2\n", "2"},
        WriteCase{"indentationAndSpellingKept", "[A]\r\n  \tX  =  1  \r\n", "a", "x", "2", "[A]\r\n  \tX  =2\r\n", "2"},
        WriteCase{"beforeTrailingComments", "[A]\r\nx=1\r\n;c\r\n\r\n[B]\r\n", "A", "y", "2",
                  "[A]\r\nx=1\r\ny=2\r\n;c\r\n\r\n[B]\r\n", "2"},
        WriteCase{"afterHeaderWhenNoKeys", "[A]\r\n;c\r\n\r\n[B]\r\n", "A", "y", "2", "[A]\r\ny=2\r\n;c\r\n\r\n[B]\r\n",
                  "2"},
        WriteCase{"beforeOddLine", "[A]\r\nx=1\r\nodd\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\nodd\r\n", "2"},
        WriteCase{"commentedKeyNotRewritten", "[A]\r\n;x=1\r\n", "A", "x", "2", "[A]\r\nx=2\r\n;x=1\r\n", "2"},
        WriteCase{"lastLineRewriteGainsEnding", "[A]\r\nx=1", "A", "x", "2", "[A]\r\nx=2\r\n", "2"},
        WriteCase{"sameValueOnLastLineGainsEnding", "[A]\r\nx=1", "A", "x", "1", "[A]\r\nx=1\r\n", "1"},
        WriteCase{"insertAfterLastLineWithoutEnding", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n", "2"},
        WriteCase{"insertAfterHeaderWithoutEnding", "[A]", "A", "y", "2", "[A]\r\ny=2\r\n", "2"},
        WriteCase{"appendAfterMissingFinalNewline", "[A]\nx=1", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n", "2"},
        WriteCase{"appendWithoutBlankLine", "[A]\r\nx=1\r\n\r\n", "B", "y", "2", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
                  "2"},
        WriteCase{"appendAfterComment", ";only\r\n", "B", "y", "2", ";only\r\n[B]\r\ny=2\r\n", "2"},
        WriteCase{"rawBytesElsewhereKept", "[A]\r\nx=\xE9\0\xFF\r\n;\x80\0\r\n[B]\r\nz=\0 \r\n"s, "A", "x", "2",
                  "[A]\r\nx=2\r\n;\x80\0\r\n[B]\r\nz=\0 \r\n"s, "2"},
        WriteCase{"rawBytesInValue", "[A]\r\nx=1\r\n", "A", "x", "\xE9\x80\xFF", "[A]\r\nx=\xE9\x80\xFF\r\n",
                  "\xE9\x80\xFF"},
        WriteCase{"firstOfDuplicateSections", "[A]\r\nx=1\r\n[A]\r\ny=1\r\n", "A", "y", "2",
                  "[A]\r\nx=1\r\ny=2\r\n[A]\r\ny=1\r\n", "2"},
        WriteCase{"firstOfDuplicateKeys", "[A]\r\nx=1\r\nx=3\r\n", "A", "x", "2", "[A]\r\nx=2\r\nx=3\r\n", "2"},
        WriteCase{"valueAfterFirstEquals", "[A]\r\nx=a=b\r\n", "A", "x", "c", "[A]\r\nx=c\r\n", "c"},
        WriteCase{"trailingBlanksElsewhereKept", "[A]  \r\nx=1  \r\ny=1 \t\r\n", "A", "x", "2",
                  "[A]  \r\nx=2\r\ny=1 \t\r\n", "2"},
        WriteCase{"valueWrittenAsGiven", "[A]\r\n", "A", "x", "\"q\" ;x", "[A]\r\nx=\"q\" ;x\r\n", "\"q\" ;x"},
        WriteCase{"quotedValueReadsWithoutQuotes", "[A]\r\n", "A", "x", "'q'", "[A]\r\nx='q'\r\n", "q"},
        WriteCase{"keyBeforeFirstHeaderIsNoKey", "x=1\r\n[A]\r\n", "A", "x", "2", "x=1\r\n[A]\r\nx=2\r\n", "2"},
        WriteCase{"bomLineIsNoHeader", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2",
                  "\xEF\xBB\xBF[A]\r\nx=1\r\n[A]\r\nx=2\r\n", "2"},
        WriteCase{"headerWithoutBracketMatches", "[A  \r\nx=1\r\n", "A", "x", "2", "[A  \r\nx=2\r\n", "2"},
        WriteCase{"emptySectionName", "[]\r\nx=1\r\n", "", "x", "2", "[]\r\nx=2\r\n", "2"},
        WriteCase{"loneCrAtEndOfFile", "[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\ry=2\r\n", "2"},
        WriteCase{"loneCrAtEndRewrite", "[A]\r\nx=1\r", "A", "x", "2", "[A]\r\nx=2\r", "2"},
        WriteCase{"loneCrLineKept", "[A]\r\nx=1\ry=1\r\n", "A", "y", "2", "[A]\r\nx=1\ry=2\r\n", "2"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(ProfileWriteSequence, KeysAndSectionsAppearInWriteOrder) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "");
    writeProfileString("App1", "key1", "string1", path);
    writeProfileString("App1", "key2", "string2", path);
    writeProfileString("App1", "key3", "string3", path);
    writeProfileString("App2", "key4", "string4", path);
    writeProfileString("App3", "key5", "string5", path);
    EXPECT_EQ(readFile(path),
              "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\n"
              "key5=string5\r\n");
}

struct RefusedCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileWriteRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(ProfileWriteRefused, ThrowsAndWritesNothing) {
    const RefusedCase& c = GetParam();
    TempDir dir;
    const std::string existing = dir.file("t.ini");
    const std::string before = "[A]\r\nx=1\r\n";
    writeFile(existing, before);
    EXPECT_THROW(writeProfileString(c.section, c.key, c.value, existing), std::invalid_argument);
    EXPECT_EQ(readFile(existing), before);
    EXPECT_THROW(writeProfileString(c.section, c.key, c.value, dir.file("new.ini")), std::invalid_argument);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"t.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteRefused,
    testing::Values(RefusedCase{"crInValue", "A", "x", "a\rb"}, RefusedCase{"lfInValue", "A", "x", "a\nb"},
                    RefusedCase{"nulInValue", "A", "x", "a\0b"s}, RefusedCase{"crInKey", "A", "x\r", "1"},
                    RefusedCase{"lfInSection", "A\n", "x", "1"}, RefusedCase{"nulInSection", "A\0"s, "x", "1"},
                    RefusedCase{"equalsInKey", "A", "x=y", "1"}, RefusedCase{"semicolonKey", "A", ";x", "1"},
                    RefusedCase{"blankSemicolonKey", "A", " \t;x", "1"}, RefusedCase{"bracketKey", "A", "\v[x", "1"},
                    RefusedCase{"bracketInSection", "A]B", "x", "1"}, RefusedCase{"tabBeforeSection", "\tA", "x", "1"},
                    RefusedCase{"tabAfterKey", "A", "x\t", "1"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(ProfileWriteFile, UnchangedValueDoesNotTouchTheFile) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx = 1\r\n");
    const struct stat before = statOf(path);
    writeProfileString("A", "x", " 1", path);
    const struct stat after = statOf(path);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(readFile(path), "[A]\r\nx = 1\r\n");
}

TEST(ProfileWriteFile, ReadOnlyFileIsRefusedEvenForRoot) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(writeProfileString("A", "x", "2", path), std::system_error);
    EXPECT_THROW(writeProfileString("A", "y", "2", path), std::system_error);
    EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
    EXPECT_EQ(statOf(path).st_mode & 07777, 0444u);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"t.ini"});
}

TEST(ProfileWriteFile, UnchangedValueToReadOnlyFileSucceeds) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const struct stat before = statOf(path);
    EXPECT_NO_THROW(writeProfileString("A", "x", "1", path));
    EXPECT_EQ(statOf(path).st_ino, before.st_ino);
    EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
}

TEST(ProfileWriteFile, MissingFolderIsAnError) {
    TempDir dir;
    EXPECT_THROW(writeProfileString("A", "x", "1", dir.file("missing/t.ini")), std::system_error);
    EXPECT_FALSE(exists(dir.file("missing")));
}

TEST(ProfileWriteFile, FolderAtPathIsAnError) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("sub.ini").c_str(), 0755), 0);
    EXPECT_THROW(writeProfileString("A", "x", "1", dir.file("sub.ini")), std::system_error);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"sub.ini"});
}

TEST(ProfileWriteFile, SymbolicLinkTargetIsReplacedAndLinkKept) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("real").c_str(), 0755), 0);
    const std::string target = dir.file("real/t.ini");
    writeFile(target, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::symlink("real/t.ini", dir.file("link.ini").c_str()), 0);
    ASSERT_EQ(::symlink("link.ini", dir.file("link2.ini").c_str()), 0);
    const ino_t oldInode = statOf(target).st_ino;

    writeProfileString("A", "x", "2", dir.file("link2.ini"));

    struct stat link {};
    ASSERT_EQ(::lstat(dir.file("link.ini").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ASSERT_EQ(::lstat(dir.file("link2.ini").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(readFile(target), "[A]\r\nx=2\r\n");
    EXPECT_NE(statOf(target).st_ino, oldInode) << "the target is replaced, not rewritten in place";
    EXPECT_EQ(folderEntries(dir.file("real")), std::vector<std::string>{"t.ini"});
}

TEST(ProfileWriteFile, DanglingLinkCreatesItsTarget) {
    TempDir dir;
    ASSERT_EQ(::symlink("t.ini", dir.file("link.ini").c_str()), 0);
    writeProfileString("A", "x", "1", dir.file("link.ini"));
    EXPECT_EQ(readFile(dir.file("t.ini")), "[A]\r\nx=1\r\n");
    struct stat link {};
    ASSERT_EQ(::lstat(dir.file("link.ini").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
}

TEST(ProfileWriteFile, PermissionsKeptOnRewrite) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    writeProfileString("A", "x", "2", path);
    EXPECT_EQ(statOf(path).st_mode & 07777, 0604u);
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);  // write-only: not read-only, and readable for root
    writeProfileString("A", "x", "3", path);
    EXPECT_EQ(statOf(path).st_mode & 07777, 0200u);
}

TEST(ProfileWriteFile, NewFileGetsUmaskPermissions) {
    TempDir dir;
    const mode_t old = ::umask(027);
    writeProfileString("A", "x", "1", dir.file("t.ini"));
    ::umask(old);
    EXPECT_EQ(statOf(dir.file("t.ini")).st_mode & 07777, 0640u);
}

// A full disk: the file-size limit makes the write of the replacement fail part way, as ENOSPC would.
TEST(ProfileWriteFile, FailedWriteLeavesFileAsItWas) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    const std::string before = "[A]\r\nx=1\r\n" + std::string(20000, ';') + "\r\n";
    writeFile(path, before);

    struct rlimit oldLimit {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        writeProfileString("A", "x", "2", path);
    } catch (const std::system_error&) {
        threw = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"t.ini"});
}

}  // namespace
