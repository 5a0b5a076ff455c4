// A write of the value a key already reads back as leaves the key in the form the file gives it; any other value,
// and a missing key, is written as given.
#include <system_error>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

const std::string kLong = std::string(3000, 'x');
const std::string kBom = "\xEF\xBB\xBF";

TEST(ProfileUntouched, ValueThatReadsBackAsWrittenKeepsItsForm) {
    // file before, value written (buffer size 2048 unless a fourth field is given), file after
    const std::tuple<std::string, std::string, std::string, std::size_t> cases[] = {
        {"[S]\r\nk=\"q\"\r\n", "q", "[S]\r\nk=\"q\"\r\n", 2048},
        {"[S]\r\nk=' q '\r\n", " q ", "[S]\r\nk=' q '\r\n", 2048},
        {"[S]\r\nk \t= \tv \v\r\n", "v", "[S]\r\nk \t= \tv \v\r\n", 2048},
        {"[S]\r\nk=" + kLong + "\r\n", kLong.substr(0, 2047), "[S]\r\nk=" + kLong + "\r\n", 2048},
        {"[S]\r\nk=valid\r\n", "val", "[S]\r\nk=valid\r\n", 4},
        {"[S]\r\nk=a\0b\r\n"s, "a\0b"s, "[S]\r\nk=a\0b\r\n"s, 2048},
        {kBom + "[S]\r\nk=v", "v", kBom + "[S]\r\nk=v", 2048},
        {"[S]\r\nk=\r\n", "", "[S]\r\nk=\r\n", 2048},
        // Any other value is written as given.
        {"[S]\r\nk=\"q\"\r\n", "r", "[S]\r\nk=r\r\n", 2048},
        {"[S]\r\nk=true\r\n", "True", "[S]\r\nk=True\r\n", 2048},
        {"[S]\r\nk=" + kLong + "\r\n", kLong.substr(0, 2048), "[S]\r\nk=" + kLong.substr(0, 2048) + "\r\n", 2048},
        {"[S]\r\nk=v", "\"v\"", "[S]\r\nk=\"v\"\r\n", 2048},
        // A missing key is written even when the value is what a read of it would give.
        {"[S]\r\nj=1\r\n", "", "[S]\r\nj=1\r\nk=\r\n", 2048},
        {kBom, "v", kBom + "[S]\r\nk=v\r\n", 2048},
    };
    TempDir dir;
    const std::string path = dir.file("t.ini");
    for (const auto& [before, value, after, bufferSize] : cases) {
        SCOPED_TRACE(testing::PrintToString(before) + " <- " + testing::PrintToString(value));
        writeFile(path, before);
        writeProfileStringIfChanged("S", "k", value, path, bufferSize);
        EXPECT_EQ(readFile(path), after);
    }
}

// A key left as it is needs no write, so a read-only file accepts it; a NUL byte the file holds is no argument
// error when it is not written. A changed value is refused as writeProfileString refuses it.
TEST(ProfileUntouched, NothingToWriteSucceedsWhereAWriteWouldBeRefused) {
    TempDir dir;
    const std::string path = dir.file("t.ini");
    const std::string before = "[S]\r\nk = \"a\0b\"\r\n"s;
    writeFile(path, before);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_NO_THROW(writeProfileStringIfChanged("S", "k", "a\0b"s, path));
    EXPECT_THROW(writeProfileStringIfChanged("S", "k", "ab", path), std::system_error);
    EXPECT_THROW(writeProfileStringIfChanged("S", "k", "a\0c"s, path), std::invalid_argument);
    EXPECT_THROW(writeProfileStringIfChanged("S", "k=", "a\0b"s, path), std::invalid_argument);
    EXPECT_EQ(readFile(path), before);
}

}  // namespace
