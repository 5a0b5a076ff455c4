// Reading and writing keys of INI files: byte-exact results, a value left in the form the file gives it, the
// refusals that leave the file as it was, links and permissions.
#include "platform/profile.h"

#include <optional>

#include "platform_test_util.h"

using namespace platform;

namespace {

const std::string kF1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";
const std::string kBom = "\xEF\xBB\xBF", kLong = std::string(3000, 'x');

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
        {"[S]\r\nk=\"v'\r\n", "S", "k", "d", 2048, "\"v'"},  // only a matching pair of quotes goes
        // A byte-order mark at the start is not part of the first line; anywhere else it is an ordinary byte.
        {kBom + "[S]\r\nk=v\r\n", "S", "k", "d", 2048, "v"},
        {kBom + "k=v\r\n[S]\r\n", "S", "k", "d", 2048, "d"},
        {"[T]\r\n" + kBom + "[S]\r\nk=v\r\n", "S", "k", "d", 2048, "d"},
        {"[S]\r\n;k=v\r\n", "S", ";k", "d", 2048, "d"},
        {"[S]\r\nk=a=b\r\nj=\r\n", "S", "k", "d", 2048, "a=b"},
        {"[S]\r\nk=a=b\r\nj=\r\n", "S", "j", "d", 2048, ""},
        {"[S]\r\nk=a\0b\xE9\xFF\r\n"s, "S", "k", "d", 2048, "a\0b\xE9\xFF"s},
        {"[S]\r\nk=" + kLong, "S", "k", "d", 2048, kLong.substr(0, 2047)},
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
        {kBom + "[A]\r\nx=1\r\n", {"a", "x", "2", "B", "y", "3"}, kBom + "[A]\r\nx=2\r\n[B]\r\ny=3\r\n"},
        {kBom, {"A", "x", "1"}, kBom + "[A]\r\nx=1\r\n"},
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
        EXPECT_EQ(namesIn(dir.path).size(), 1u) << "no temporary file left behind";
    }
}

// A write of the value a key already reads back as (with the buffer size given) leaves the key in the form the file
// gives it; any other value, and a missing key, is written as given.
TEST(Profile, ValueThatReadsBackAsWrittenKeepsItsForm) {
    // file before, value written to S/k, buffer size, file after ("": as before)
    const std::tuple<std::string, std::string, std::size_t, std::string> cases[] = {
        {"[S]\r\nk=\"q\"\r\n", "q", 2048, ""},
        {"[S]\r\nk=' q '\r\n", " q ", 2048, ""},
        {"[S]\r\nk \t= \tv \v\r\n", "v", 2048, ""},
        {"[S]\r\nk=" + kLong + "\r\n", kLong.substr(0, 2047), 2048, ""},
        {"[S]\r\nk=valid\r\n", "val", 4, ""},
        {"[S]\r\nk=a\0b\r\n"s, "a\0b"s, 2048, ""},
        {kBom + "[S]\r\nk=v", "v", 2048, ""},
        {"[S]\r\nk=\r\n", "", 2048, ""},
        {"[S]\r\nk=\"q\"\r\n", "r", 2048, "[S]\r\nk=r\r\n"},
        {"[S]\r\nk=true\r\n", "True", 2048, "[S]\r\nk=True\r\n"},
        {"[S]\r\nk=" + kLong + "\r\n", kLong.substr(0, 2048), 2048, "[S]\r\nk=" + kLong.substr(0, 2048) + "\r\n"},
        {"[S]\r\nk=v", "\"v\"", 2048, "[S]\r\nk=\"v\"\r\n"},
        {"[S]\r\nj=1\r\n", "", 2048, "[S]\r\nj=1\r\nk=\r\n"},
        {kBom, "v", 2048, kBom + "[S]\r\nk=v\r\n"},
    };
    TempDir dir;
    for (const auto& [before, value, bufferSize, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(before) + " <- " + testing::PrintToString(value));
        writeFile(dir.file("t.ini"), before);
        writeProfileStringIfChanged("S", "k", value, dir.file("t.ini"), bufferSize);
        EXPECT_EQ(readFile(dir.file("t.ini")), after.empty() ? before : after);
    }
}

// A read-only file (judged by its mode, so even for root) refuses every change but accepts a write that changes no
// byte; arguments that would break the file are refused before anything else is looked at.
TEST(Profile, RefusedWritesLeaveTheFileAsItWas) {
    const std::string denied = "Permission denied", before = "[S]\r\nk = 1\r\nn = \"a\0b\"\r\n"s;
    // writeProfileStringIfChanged (else writeProfileString), section, key, value, error
    const std::tuple<bool, std::string, std::string, std::string, std::string> cases[] = {
        {false, "S", "k", " 1", ""},           {false, "S", "k", "2", denied},
        {false, "S", "j", "2", denied},        {true, "S", "n", "a\0b"s, ""},
        {true, "S", "n", "ab", denied},        {true, "S", "n", "a\0c"s, "refused"},
        {true, "S", "n=", "a\0b"s, "refused"}, {false, "A", "x", "a\rb", "refused"},
        {false, "A", "x", "a\nb", "refused"},  {false, "A", "x", "a\0b"s, "refused"},
        {false, "A", "x\r", "1", "refused"},   {false, "A\n", "x", "1", "refused"},
        {false, "A\0"s, "x", "1", "refused"},  {false, "A", "x=y", "1", "refused"},
        {false, "A", ";x", "1", "refused"},    {false, "A", " \t;x", "1", "refused"},
        {false, "A", "\v[x", "1", "refused"},  {false, "A]B", "x", "1", "refused"},
    };
    TempDir dir;
    writeFile(dir.file("t.ini"), before);
    ASSERT_EQ(::chmod(dir.file("t.ini").c_str(), 0444), 0);
    for (const auto& [ifChanged, section, key, value, error] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::vector{section, key, value}));
        for (const std::string& path : {dir.file("t.ini"), dir.file(error == "refused" ? "new.ini" : "t.ini")}) {
            EXPECT_EQ(outcome([&, ifChanged = ifChanged, s = section, k = key, v = value] {
                          ifChanged ? writeProfileStringIfChanged(s, k, v, path) : writeProfileString(s, k, v, path);
                      }),
                      error);
        }
    }
    EXPECT_EQ(readFile(dir.file("t.ini")), before);
    EXPECT_EQ(namesIn(dir.path).size(), 1u);
}

// A write through a link replaces the link's target and keeps its permissions; a new file gets 0666 less the umask.
TEST(Profile, WriteThroughLinkReplacesTheTargetKeepingItsPermissions) {
    TempDir dir;
    const std::string target = dir.file("real/t.ini");
    std::filesystem::create_directory(dir.file("real"));
    writeFile(target, "[A]\r\nx=1\r\n");
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
    ASSERT_EQ(::symlink("real/t.ini", dir.file("link.ini").c_str()), 0);
    ASSERT_EQ(::link(target.c_str(), dir.file("old.ini").c_str()), 0);
    writeProfileString("A", "x", "2", dir.file("link.ini"));
    const mode_t umask = ::umask(027);
    writeProfileString("A", "x", "1", dir.file("new.ini"));
    ::umask(umask);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(readFile(target), "[A]\r\nx=2\r\n");
    EXPECT_EQ(readFile(dir.file("old.ini")), "[A]\r\nx=1\r\n") << "replaced, not rewritten in place";
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0604));
    EXPECT_EQ(std::filesystem::status(dir.file("new.ini")).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(namesIn(dir.file("real")).size(), 1u);
}

}  // namespace
