// Text-to-number and number-to-text conversions (grammar, halves to even, range limits, Booleans, shortest text)
// and the Windows-1252 code page.
#include <array>
#include <cmath>
#include <limits>

#include "platform/codepage.h"
#include "platform/numbers.h"
#include "platform_test_util.h"

using namespace platform;

namespace {

TEST(Numbers, TextToNumberWholeNumberByteAndBoolean) {
    // text, toNumber (shown as its shortest text), toInt, toByte, toBoolean
    std::vector<std::array<const char*, 5>> cases = {
        {"0", "0", "0", "0", "False"},
        {"  +12\t", "12", "12", "12", "True"},
        {".5", "0.5", "0", "0", "True"},
        {"2.5", "2.5", "2", "2", "True"},
        {"-2.5", "-2.5", "-2", kOverflow, "True"},
        {"0.851", "0.851", "1", "1", "True"},
        {"1.5E-2", "0.015", "0", "0", "True"},
        {"1e21", "1000000000000000000000", kOverflow, kOverflow, "True"},
        {"1e-400", "0", "0", "0", "False"},
        {"-1e400", kOverflow, kOverflow, kOverflow, kOverflow},
        {"255.4", "255.4", "255", "255", "True"},
        {"255.5", "255.5", "256", kOverflow, "True"},
        {"2147483647.4", "2147483647.4", "2147483647", kOverflow, "True"},
        {"2147483647.5", "2147483647.5", kOverflow, kOverflow, "True"},
        {"-2147483648", "-2147483648", "-2147483648", kOverflow, "True"},
        {"-2147483649", "-2147483649", kOverflow, kOverflow, "True"},
        {"True", kTypeMismatch, kTypeMismatch, kTypeMismatch, "True"},
        {" fAlSe ", kTypeMismatch, kTypeMismatch, kTypeMismatch, "False"},
    };
    for (const char* text : {"yes", "truex", "", "NDF", "0x10", "1,5", "1 5", ".", "+-1", "1e", "inf", "nan", "\v1"}) {
        cases.push_back({text, kTypeMismatch, kTypeMismatch, kTypeMismatch, kTypeMismatch});
    }
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::PrintToString(row[0]));
        EXPECT_EQ(outcome([&] { return shortestText(toNumber(row[0])); }), row[1]);
        EXPECT_EQ(outcome([&] { return std::to_string(toInt(row[0])); }), row[2]);
        EXPECT_EQ(outcome([&] { return std::to_string(toByte(row[0])); }), row[3]);
        EXPECT_EQ(outcome([&] { return toBoolean(row[0]) ? "True" : "False"; }), row[4]);
        EXPECT_EQ(isNumeric(row[0]), row[1][0] != kTypeMismatch[0] && row[1][0] != kOverflow[0]);
    }
}

TEST(Numbers, SpecialValuesNeitherOverflowSilentlyNorLoseDigits) {
    for (double value : {std::nan(""), HUGE_VAL, -HUGE_VAL, 2147483647.5, -2147483648.5001}) {
        EXPECT_EQ(outcome([&] { return std::to_string(roundToInt(value)); }), kOverflow) << value;
    }
    EXPECT_EQ(shortestText(-0.0), "0");
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(toNumber(shortestText(tiny)), tiny);
    EXPECT_EQ(decimalText(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

// Windows-1252: bytes 0x80 to 0x9F differ from Latin-1; the five it leaves unassigned keep their own number.
TEST(CodePage, EveryByteRoundTripsAndForeignCharactersAreRefused) {
    const std::u16string high =
        u"\u20AC\x81\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\x8D\u017D\x8F"
        u"\x90\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\x9D\u017E\u0178";
    std::string all;
    std::u16string text;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        text += byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : static_cast<char16_t>(byte);
    }
    EXPECT_EQ(fromCp1252(all), text);
    EXPECT_EQ(toCp1252(text), all);
    for (const std::u16string bad : {u"\u4E2D", u"\u0080"}) {
        EXPECT_FALSE(fitsCp1252(u"ok" + bad));
        EXPECT_EQ(outcome([&] { return toCp1252(u"ok" + bad); }), "Invalid procedure call or argument");
    }
    EXPECT_EQ(toCp1252Replacing(u"a\u4E2D\U0001F600\u20AC"), "a??\x80");
}

}  // namespace
