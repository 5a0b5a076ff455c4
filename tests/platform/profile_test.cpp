// Reading and writing keys of INI files: byte-exact results, the refusals that leave the file as it was, read-only
// files, links, permissions and a failed write.
#include "platform/profile.h"

#include <sys/resource.h>

#include <system_error>

#include "platform_test_util.h"

using namespace platform;

namespace {

long entries(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

const std::string kF1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";

TEST(Profile, ReadGivesValueOrDefault) {
    // file (nullopt: none), section, key, default, buffer size, result
    const std::tuple<std::optional<std::string>, std::string, std::string, std::string, int, std::string> cases[] = {
        {kF1, "section1", "name1", "default", 2048, "val1"},
        {kF1, "section1", "NaMe1", "default", 2048, "val1"},
        {kF1, "section1", "name2", "default", 2048, "val2"},
        {kF1, "section1", "name3", "def", 2048, "def"},
        {kF1, "section1", "notakey", "default", 2048, "default"},
        {kF1, "notasection", "name1", "default", 2048, "default"},
        {kF1, "section2", "DoesntExist", "", 2048, ""},
        {kF1, "section1", "name1", "default", 4, "val"},
        {kF1, "section1", "nokey", "   default   ", 2048, "   default"},
        {std::nullopt, "S", "k", "dflt \t ", 2048, "dflt \t"},
        {"[section1]\rname1=val1\r", "section1", "name1", "default", 2048, "val1"},
        {"[S]\ra=1\nk=2\r\nc=3", "S", "k", "d", 2048, "2"},
        {"[S]\r\nk=v1\r\nk=v2", "S", "k", "d", 2048, "v1"},
        {"[S]\r\n[S]\r\nk=v", "S", "k", "d", 2048, "d"},
        {"[S]\r\n\tk\t=\tv\t\r\n", "S", "k", "d", 2048, "v"},
        {" [ x ]\r\nk=v\r\n", "x", "k", "d", 2048, "v"},
        {"[S]\r\nk=v\r\n", "  S  ", "k", "d", 2048, "v"},
        {"[S]\r\nk=v\r\n", "\tS", "k", "d", 2048, "d"},
        // A byte-order mark at the start is not part of the first line; anywhere else it is an ordinary byte.
        {"\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "d", 2048, "v"},
        {"\xEF\xBB\xBFk=v\r\n[S]\r\n", "S", "k", "d", 2048, "d"},
        {"[T]\r\n\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "d", 2048, "d"},
        {"[S]\r\n;k=v\r\n", "S", ";k", "d", 2048, "d"},
        {"[S]\r\nk=a=b\r\nj=\r\n", "S", "k", "d", 2048, "a=b"},
        {"[S]\r\nk=a=b\r\nj=\r\n", "S", "j", "d", 2048, ""},
        {"[S]\r\nk=a\0b\xE9\xFF\r\n"s, "S", "k", "d", 2048, "a\0b\xE9\xFF"s},
        {"[S]\r\nk=" + std::string(3000, 'x'), "S", "k", "d", 2048, std::string(2047, 'x')},
    };
    TempDir dir;
    for (const auto& [file, section, key, defaultValue, size, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(file.value_or("<no file>")) + " [" + section + "] " + key);
        std::filesystem::remove(dir.file("t.ini"));
        if (file) writeFile(dir.file("t.ini"), *file);
        EXPECT_EQ(getProfileString(section, key, defaultValue, dir.file("t.ini"), size), expected);
    }
}

TEST(Profile, WriteGivesExactBytes) {
    // file before (nullopt: none), the writes as section, key, value, ..., file after
    const std::tuple<std::optional<std::string>, std::vector<std::string>, std::string> cases[] = {
        {std::nullopt, {"App", "key", ""}, "[App]\r\nkey=\r\n"},
        {std::nullopt, {"  S  ", "  k  ", " v "}, "[S]\r\nk= v \r\n"},
        {"",
         {"App1", "key1", "string1", "App1", "key2", "string2", "App1", "key3", "string3", "App2", "key4", "string4",
          "App3", "key5", "string5"},
         "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\nkey5="
         "string5\r\n"},
        {"[SectionName]\r\nTestKey=TestValue",
         {"SECTIONNAME", "TESTKEY", "TestValue2"},
         "[SectionName]\r\nTestKey=TestValue2\r\n"},
        {"[A]\r\nx=1", {"A", "x", "1"}, "[A]\r\nx=1\r\n"},
        {"[A]\nx=1\n\n[B]\ny=2\n", {"A", "z", "3"}, "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
        {"[A]\r\nx=1\r\n;c\r\nodd\r\n\r\n[B]\r\n", {"A", "y", "2"}, "[A]\r\nx=1\r\ny=2\r\n;c\r\nodd\r\n\r\n[B]\r\n"},
        {"[A]\r\n;x=1\r\n\r\n", {"A", "x", "2"}, "[A]\r\nx=2\r\n;x=1\r\n\r\n"},
        {"[A]\r\n  \tX  =  1  \r\n", {"a", "x", "2"}, "[A]\r\n  \tX  =2\r\n"},
        {"[A]\rx=1\r[B]\r", {"A", "y", "2"}, "[A]\rx=1\ry=2\r[B]\r"},
        {"[A]\nx=1\r\n", {"A", "y", "2"}, "[A]\nx=1\r\ny=2\n"},
        {"[A]\r\nx=1", {"A", "y", "2"}, "[A]\r\nx=1\r\ny=2\r\n"},
        {"[A]\nx=1", {"B", "y", "2"}, "[A]\nx=1\n[B]\ny=2\n"},
        {"[A]\r\nx=1\ry=1\r\n", {"A", "y", "\"2\" ;"}, "[A]\r\nx=1\ry=\"2\" ;\r\n"},
        {"[A]\r\nx=1\r\n[A]\r\ny=1\r\n", {"A", "y", "2"}, "[A]\r\nx=1\r\ny=2\r\n[A]\r\ny=1\r\n"},
        // The byte-order mark stays where it is: before the first line, and alone in a file of nothing else.
        {"\xEF\xBB\xBF[A]\r\nx=1\r\n", {"a", "x", "2", "B", "y", "3"}, "\xEF\xBB\xBF[A]\r\nx=2\r\n[B]\r\ny=3\r\n"},
        {"\xEF\xBB\xBF", {"A", "x", "1"}, "\xEF\xBB\xBF[A]\r\nx=1\r\n"},
        {"[A]  \r\nx=\xE9\0\xFF\r\n;\x80\0\r\n[B]\r\nz=\0 \r\n"s,
         {"A", "x", "\xE9\x80"},
         "[A]  \r\nx=\xE9\x80\r\n;\x80\0\r\n[B]\r\nz=\0 \r\n"s},
    };
    for (const auto& [before, writes, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(before.value_or("<no file>")) + " " + writes[1]);
        TempDir dir;
        if (before) writeFile(dir.file("t.ini"), *before);
        for (std::size_t i = 0; i < writes.size(); i += 3) {
            writeProfileString(writes[i], writes[i + 1], writes[i + 2], dir.file("t.ini"));
        }
        EXPECT_EQ(readFile(dir.file("t.ini")), after);
        EXPECT_EQ(entries(dir.path), 1) << "no temporary file left behind";
    }
}

TEST(Profile, WriteRefusesArgumentsThatWouldBreakTheFileAndAMissingFolder) {
    const std::vector<std::vector<std::string>> cases = {
        {"A", "x", "a\rb"},  {"A", "x", "a\nb"}, {"A", "x", "a\0b"s}, {"A", "x\r", "1"},
        {"A\n", "x", "1"},   {"A\0"s, "x", "1"}, {"A", "x=y", "1"},   {"A", ";x", "1"},
        {"A", " \t;x", "1"}, {"A", "\v[x", "1"}, {"A]B", "x", "1"},
    };
    TempDir dir;
    writeFile(dir.file("t.ini"), "[A]\r\nx=1\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c));
        EXPECT_THROW(writeProfileString(c[0], c[1], c[2], dir.file("t.ini")), std::invalid_argument);
        EXPECT_THROW(writeProfileString(c[0], c[1], c[2], dir.file("new.ini")), std::invalid_argument);
    }
    EXPECT_THROW(writeProfileString("A", "x", "1", dir.file("missing/t.ini")), std::system_error);
    EXPECT_EQ(readFile(dir.file("t.ini")), "[A]\r\nx=1\r\n");
    EXPECT_EQ(entries(dir.path), 1);
}

// A read-only file (judged by its mode, so even for root) refuses a change; the same value leaves it untouched.
TEST(Profile, ReadOnlyFileRefusesChangeButAcceptsItsOwnValue) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    writeFile(path, "[A]\r\nx = 1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const struct stat before = statOf(path);
    EXPECT_NO_THROW(writeProfileString("A", "x", " 1", path));
    EXPECT_THROW(writeProfileString("A", "x", "2", path), std::system_error);
    EXPECT_THROW(writeProfileString("A", "y", "2", path), std::system_error);
    const struct stat after = statOf(path);
    EXPECT_EQ(std::tie(after.st_ino, after.st_mtim.tv_nsec), std::tie(before.st_ino, before.st_mtim.tv_nsec));
    EXPECT_EQ(readFile(path), "[A]\r\nx = 1\r\n");
    EXPECT_EQ(entries(dir.path), 1);
}

TEST(Profile, WriteThroughLinkReplacesTheTargetKeepingItsPermissions) {
    TempDir dir;
    const std::string target = dir.file("real/t.ini");
    std::filesystem::create_directory(dir.file("real"));
    writeFile(target, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
    ASSERT_EQ(::symlink("real/t.ini", dir.file("link.ini").c_str()), 0);
    const ino_t oldInode = statOf(target).st_ino;
    writeProfileString("A", "x", "2", dir.file("link.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(readFile(target), "[A]\r\nx=2\r\n");
    EXPECT_NE(statOf(target).st_ino, oldInode) << "replaced, not rewritten in place";
    EXPECT_EQ(statOf(target).st_mode & 07777, 0604u);
    EXPECT_EQ(entries(dir.file("real")), 1);
}

// A full disk: the file-size limit makes the write of the replacement fail part way, as ENOSPC would.
TEST(Profile, FailedWriteIsReportedAndLeavesFileAsItWas) {
    TempDir dir;
    const std::string before = "[A]\r\nx=1\r\n" + std::string(20000, ';') + "\r\n";
    writeFile(dir.file("t.ini"), before);
    rlimit oldLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    const rlimit small{4096, oldLimit.rlim_max};
    ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(writeProfileString("A", "x", "2", dir.file("t.ini")), std::system_error);
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    EXPECT_EQ(readFile(dir.file("t.ini")), before);
    EXPECT_EQ(entries(dir.path), 1);
}

}  // namespace
