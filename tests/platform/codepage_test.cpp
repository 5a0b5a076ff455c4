// Windows-1252: every byte round-trips, the special characters of 0x80..0x9F, and characters it cannot hold.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"

namespace {

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    const std::u16string text = platform::fromCp1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_TRUE(platform::fitsCp1252(text));
    EXPECT_EQ(platform::toCp1252(text), all);
    EXPECT_EQ(platform::toCp1252Replacing(text), all);
}

TEST(CodePage, KnownCharacters) {
    const std::pair<unsigned char, char16_t> cases[] = {
        {0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F},
        {0x90, 0x0090}, {0x9D, 0x009D}, {0x8A, 0x0160}, {0x92, 0x2019}, {0x99, 0x2122},
        {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x00, 0x0000},
    };
    for (const auto& [byte, character] : cases) {
        SCOPED_TRACE(static_cast<int>(byte));
        EXPECT_EQ(platform::fromCp1252(std::string(1, static_cast<char>(byte))), std::u16string(1, character));
        EXPECT_EQ(platform::toCp1252(std::u16string(1, character)), std::string(1, static_cast<char>(byte)));
    }
}

TEST(CodePage, UnrepresentableCharacters) {
    // A CJK character, a lone surrogate, a surrogate pair, and C1 controls that the code page gives other bytes.
    const std::u16string cases[] = {u"\u4E2D", std::u16string(1, char16_t(0xD800)), u"\U0001F600", u"\u0080", u"\u009F",
                                    u"\u0100"};
    for (const auto& text : cases) {
        SCOPED_TRACE(static_cast<int>(text[0]));
        EXPECT_FALSE(platform::fitsCp1252(u"ok" + text));
        try {
            platform::toCp1252(u"ok" + text);
            ADD_FAILURE() << "no error";
        } catch (const platform::AppError& error) {
            EXPECT_EQ(error.description(), "Invalid procedure call or argument");
        }
    }
    EXPECT_EQ(platform::toCp1252Replacing(u"a\u4E2D\U0001F600\u20ACb"),
              "a??\x80"
              "b");
}

}  // namespace
