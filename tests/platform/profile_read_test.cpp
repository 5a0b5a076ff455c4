// Reading keys: line endings, headers, comments, trimming, quotes, first match wins, defaults and the buffer cut.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/profile.h"
#include "platform_test_util.h"

using namespace std::string_literals;
using platform::getProfileString;
using platform_test::TempDir;
using platform_test::writeFile;

namespace {

const std::string kF1 = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::size_t size;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesValueOrDefault) {
    const ReadCase& c = GetParam();
    TempDir dir;
    writeFile(dir.file("t.ini"), c.file);
    EXPECT_EQ(getProfileString(c.section, c.key, c.defaultValue, dir.file("t.ini"), c.size), c.expected);
}

const std::string kLong(3000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    testing::Values(ReadCase{"F1_value", kF1, "section1", "name1", "default", 2048, "val1"},
                    ReadCase{"F1_keyCase", kF1, "section1", "NaMe1", "default", 2048, "val1"},
                    ReadCase{"F1_quotesStripped", kF1, "section1", "name2", "default", 2048, "val2"},
                    ReadCase{"F1_lineWithoutEquals", kF1, "section1", "name3", "def", 2048, "def"},
                    ReadCase{"F1_missingKey", kF1, "section1", "notakey", "default", 2048, "default"},
                    ReadCase{"F1_missingSection", kF1, "notasection", "name1", "default", 2048, "default"},
                    ReadCase{"F1_emptySectionMissingKey", kF1, "section2", "DoesntExist", "", 2048, ""},
                    ReadCase{"F1_crOnly", replaceAll(kF1, "\r\n", "\r"), "section1", "name1", "default", 2048, "val1"},
                    ReadCase{"F1_lfOnly", replaceAll(kF1, "\r\n", "\n"), "section1", "name4", "default", 2048, "a"},
                    ReadCase{"F1_size4", kF1, "section1", "name1", "default", 4, "val"},
                    ReadCase{"defaultTrailingSpaces", kF1, "section1", "nokey", "default  ", 2048, "default"},
                    ReadCase{"defaultLeadingSpacesKept", kF1, "section1", "nokey", "   default   ", 2048, "   default"},
                    ReadCase{"defaultTrailingTabKept", kF1, "section1", "nokey", "d\t ", 2048, "d\t"},
                    ReadCase{"defaultCut", kF1, "section1", "nokey", "abcdef", 4, "abc"},
                    ReadCase{"firstKeyWins", "[S]\r\nk=v1\r\nk=v2", "S", "k", "d", 2048, "v1"},
                    ReadCase{"firstSectionOnly", "[S]\r\n[S]\r\nk=v", "S", "k", "d", 2048, "d"},
                    ReadCase{"laterDuplicateSectionIgnored", "[S]\r\na=1\r\n[T]\r\n[s]\r\nk=v\r\n", "S", "k", "d", 2048,
                             "d"},
                    ReadCase{"tabsAroundNameAndValue", "[S]\r\n\tk\t=\tv\t\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"verticalTabsTrimmed", "[S]\r\n\vk\v=\vv\v\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"blanksInHeader", " [ x ]\r\nk=v\r\n", "x", "k", "d", 2048, "v"},
                    ReadCase{"sectionArgSpacesTrimmed", "[S]\r\nk=v\r\n", "  S  ", "k", "d", 2048, "v"},
                    ReadCase{"sectionArgTabNotTrimmed", "[S]\r\nk=v\r\n", "\tS", "k", "d", 2048, "d"},
                    ReadCase{"keyArgSpacesTrimmed", "[S]\r\nk=v\r\n", "S", "  k  ", "d", 2048, "v"},
                    ReadCase{"keyArgTabNotTrimmed", "[S]\r\nk=v\r\n", "S", "\tk", "d", 2048, "d"},
                    ReadCase{"headerWithoutBracket", "[S   \r\nk=v\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"textAfterBracketIgnored", "[S] junk ] more\r\nk=v\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"emptySectionName", "[]\r\nk=v\r\n", "", "k", "d", 2048, "v"},
                    ReadCase{"quoteAndSemicolonInHeader", "[a;\"b]\r\nk=v\r\n", "a;\"b", "k", "d", 2048, "v"},
                    ReadCase{"sectionCaseBlind", "[SeCtIoN]\r\nk=v\r\n", "section", "k", "d", 2048, "v"},
                    ReadCase{"nonAsciiNotCaseFolded", "[\xC9]\r\nk=v\r\n", "\xE9", "k", "d", 2048, "d"},
                    ReadCase{"commentNotAKey", "[S]\r\n;k=v\r\n", "S", "k", "d", 2048, "d"},
                    ReadCase{"commentNotFoundBySemicolonKey", "[S]\r\n;k=v\r\n", "S", ";k", "d", 2048, "d"},
                    ReadCase{"indentedComment", "[S]\r\n \t;k=v\r\nk=w\r\n", "S", "k", "d", 2048, "w"},
                    ReadCase{"hashIsOrdinary", "[S]\r\n#k=v\r\n", "S", "#k", "d", 2048, "v"},
                    ReadCase{"valueWithEquals", "[S]\r\nk=a=b\r\n", "S", "k", "d", 2048, "a=b"},
                    ReadCase{"emptyKeyName", "[S]\r\n=v\r\n", "S", "", "d", 2048, "v"},
                    ReadCase{"emptyValueIsNotDefault", "[S]\r\nk=\r\n", "S", "k", "d", 2048, ""},
                    ReadCase{"blankValueIsEmpty", "[S]\r\nk= \t \r\n", "S", "k", "d", 2048, ""},
                    ReadCase{"singleQuotes", "[S]\r\nk='v'\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"quoteInsideKeptExactly", "[S]\r\nk=\" a \" \r\n", "S", "k", "d", 2048, " a "},
                    ReadCase{"onlyOuterPairRemoved", "[S]\r\nk=\"\"v\"\"\r\n", "S", "k", "d", 2048, "\"v\""},
                    ReadCase{"mismatchedQuotesKept", "[S]\r\nk=\"v'\r\n", "S", "k", "d", 2048, "\"v'"},
                    ReadCase{"loneQuoteKept", "[S]\r\nk=\"\r\n", "S", "k", "d", 2048, "\""},
                    ReadCase{"twoQuotesEmpty", "[S]\r\nk=\"\"\r\n", "S", "k", "d", 2048, ""},
                    ReadCase{"keysBeforeFirstHeaderIgnored", "k=v\r\n[S]\r\n", "S", "k", "d", 2048, "d"},
                    ReadCase{"lastLineWithoutEnding", "[S]\r\nk=v", "S", "k", "d", 2048, "v"},
                    ReadCase{"mixedEndings", "[S]\ra=1\nb=2\r\nc=3", "S", "b", "d", 2048, "2"},
                    ReadCase{"crCrLfIsTwoBreaks", "[S]\r\r\nk=v\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"loneCrAtEndOfFile", "[S]\r\nk=v\r", "S", "k", "d", 2048, "v"},
                    ReadCase{"loneCrEndsLine", "[S]\r\nk=v\rj=w\r\n", "S", "k", "d", 2048, "v"},
                    ReadCase{"bytesKept", "[S]\r\nk=a\0b\xE9\xFF\r\n"s, "S", "k", "d", 2048, "a\0b\xE9\xFF"s},
                    ReadCase{"bomIsPartOfFirstLine", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "d", 2048, "d"},
                    ReadCase{"bomLaterSectionFound", "\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nk=w", "T", "k", "d", 2048, "w"},
                    ReadCase{"longValueCut", "[S]\r\nk=" + kLong + "\r\n", "S", "k", "d", 2048, kLong.substr(0, 2047)},
                    ReadCase{"cutAfterQuoteRemoval", "[S]\r\nk=\"abcdef\"\r\n", "S", "k", "d", 4, "abc"},
                    ReadCase{"sizeZero", "[S]\r\nk=v\r\n", "S", "k", "d", 0, ""},
                    ReadCase{"sizeOne", "[S]\r\nk=v\r\n", "S", "k", "d", 1, ""},
                    ReadCase{"emptyFile", "", "S", "k", "d ", 2048, "d"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ProfileReadFile, MissingFileGivesDefault) {
    TempDir dir;
    EXPECT_EQ(getProfileString("S", "k", "dflt  ", dir.file("none.ini")), "dflt");
    EXPECT_EQ(getProfileString("S", "k", "dflt", dir.file("missing/none.ini")), "dflt");
}

TEST(ProfileReadFile, FolderAtPathGivesDefault) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("sub.ini").c_str(), 0755), 0);
    EXPECT_EQ(getProfileString("S", "k", "dflt", dir.file("sub.ini")), "dflt");
}

TEST(ProfileReadFile, FifoAtPathGivesDefaultWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.ini").c_str(), 0644), 0);
    EXPECT_EQ(getProfileString("S", "k", "dflt", dir.file("pipe.ini")), "dflt");
}

TEST(ProfileReadFile, EveryCallReadsTheFileAfresh) {
    TempDir dir;
    writeFile(dir.file("t.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(getProfileString("S", "k", "", dir.file("t.ini")), "1");
    writeFile(dir.file("t.ini"), "[S]\r\nk=2\r\n");
    EXPECT_EQ(getProfileString("S", "k", "", dir.file("t.ini")), "2");
}

}  // namespace
