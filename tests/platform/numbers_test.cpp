// Text-to-number and number-to-text conversions: the accepted grammar, rounding halves to even, range limits.
#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/error.h"

namespace {

using platform::AppError;

// The error description a call raises, or nullopt when it raises none.
template <typename F>
std::optional<std::string> errorOf(F&& call) {
    try {
        call();
    } catch (const AppError& error) {
        EXPECT_EQ(error.source(), "Corvane");
        return error.description();
    }
    return std::nullopt;
}

struct NumberCase {
    const char* text;
    double value;       // when error is empty
    const char* error;  // "" for none
};

TEST(Numbers, TextToNumber) {
    const NumberCase cases[] = {
        {"0", 0, ""},
        {"12", 12, ""},
        {"  12\t", 12, ""},
        {"+3", 3, ""},
        {"-3.25", -3.25, ""},
        {".5", 0.5, ""},
        {"5.", 5, ""},
        {"0.851", 0.851, ""},
        {"1e3", 1000, ""},
        {"1.5E-2", 0.015, ""},
        {"-2e+2", -200, ""},
        {"1e-400", 0, ""},
        {"1e400", 0, "Overflow"},
        {"-1e400", 0, "Overflow"},
        {"", 0, "Type mismatch"},
        {"   ", 0, "Type mismatch"},
        {"NDF", 0, "Type mismatch"},
        {"No Data Found!!", 0, "Type mismatch"},
        {"0x10", 0, "Type mismatch"},
        {"1,5", 0, "Type mismatch"},
        {"1 5", 0, "Type mismatch"},
        {".", 0, "Type mismatch"},
        {"-", 0, "Type mismatch"},
        {"+-1", 0, "Type mismatch"},
        {"1e", 0, "Type mismatch"},
        {"1e+", 0, "Type mismatch"},
        {"e5", 0, "Type mismatch"},
        {"inf", 0, "Type mismatch"},
        {"nan", 0, "Type mismatch"},
        {"1.5.2", 0, "Type mismatch"},
        {"\v1", 0, "Type mismatch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        double value = -1;
        const auto error = errorOf([&] { value = platform::toNumber(c.text); });
        if (*c.error) {
            EXPECT_EQ(error.value_or("none"), c.error);
            EXPECT_FALSE(platform::isNumeric(c.text));
        } else {
            EXPECT_EQ(error.value_or("none"), "none");
            EXPECT_EQ(value, c.value);
            EXPECT_TRUE(platform::isNumeric(c.text));
        }
    }
}

TEST(Numbers, RoundsHalvesToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},
                                            {1.5, 2},
                                            {2.5, 2},
                                            {-0.5, 0},
                                            {-1.5, -2},
                                            {62.5, 62},
                                            {63.5, 64},
                                            {0.49, 0},
                                            {0.51, 1},
                                            {-2.5, -2},
                                            {1e-300, 0},
                                            {2147483647.4, 2147483647},
                                            {-2147483648.4, -2147483647 - 1}};
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(platform::roundToInt(value), expected);
    }
}

TEST(Numbers, RangeLimits) {
    struct Case {
        const char* text;
        std::optional<int> asInt;   // nullopt: Overflow
        std::optional<int> asByte;  // nullopt: Overflow
    };
    const Case cases[] = {
        {"2147483647", 2147483647, std::nullopt},
        {"2147483647.5", std::nullopt, std::nullopt},
        {"2147483648", std::nullopt, std::nullopt},
        {"-2147483648", -2147483647 - 1, std::nullopt},
        {"-2147483649", std::nullopt, std::nullopt},
        {"1e300", std::nullopt, std::nullopt},
        {"255", 255, 255},
        {"255.5", 256, std::nullopt},
        {"255.4", 255, 255},
        {"256", 256, std::nullopt},
        {"0", 0, 0},
        {"-0.5", 0, 0},
        {"-1", -1, std::nullopt},
        {"62.5", 62, 62},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int asInt = 0, asByte = 0;
        const auto intError = errorOf([&] { asInt = platform::toInt(c.text); });
        const auto byteError = errorOf([&] { asByte = platform::toByte(c.text); });
        if (c.asInt) {
            EXPECT_FALSE(intError);
            EXPECT_EQ(asInt, *c.asInt);
        } else {
            EXPECT_EQ(intError.value_or("none"), "Overflow");
        }
        if (c.asByte) {
            EXPECT_FALSE(byteError);
            EXPECT_EQ(asByte, *c.asByte);
        } else {
            EXPECT_EQ(byteError.value_or("none"), "Overflow");
        }
    }
    EXPECT_EQ(errorOf([] { platform::toInt("abc"); }).value_or("none"), "Type mismatch");
    EXPECT_EQ(errorOf([] { platform::toByte(""); }).value_or("none"), "Type mismatch");
}

TEST(Numbers, NoUndefinedBehaviourOnSpecialDoubles) {
    const double specials[] = {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               1e300,
                               -1e300,
                               2147483647.5,
                               -2147483648.5001};
    for (double value : specials) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorOf([&] { platform::roundToInt(value); }).value_or("none"), "Overflow");
    }
}

TEST(Numbers, TextToBoolean) {
    struct Case {
        const char* text;
        std::optional<bool> value;  // nullopt: Type mismatch
    };
    const Case cases[] = {
        {"True", true},        {"false", false},   {"TRUE", true},      {"fAlSe", false},        {"0", false},
        {"-1", true},          {"2.5", true},      {" 1 ", true},       {"0.0", false},          {" true ", true},
        {"yes", std::nullopt}, {"", std::nullopt}, {"T", std::nullopt}, {"truex", std::nullopt}, {"NDF", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        bool value = false;
        const auto error = errorOf([&] { value = platform::toBoolean(c.text); });
        if (c.value) {
            EXPECT_FALSE(error);
            EXPECT_EQ(value, *c.value);
        } else {
            EXPECT_EQ(error.value_or("none"), "Type mismatch");
        }
    }
}

TEST(Numbers, NumberToText) {
    const std::pair<double, const char*> cases[] = {
        {0.851, "0.851"},
        {1.5, "1.5"},
        {1, "1"},
        {0, "0"},
        {-0.0, "0"},
        {0.005, "0.005"},
        {1.35, "1.35"},
        {0.64, "0.64"},
        {0.0005, "0.0005"},
        {-2.75, "-2.75"},
        {255, "255"},
        {1e21, "1000000000000000000000"},
        {851.0 / 1000, "0.851"},
        {135.0 / 100, "1.35"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(platform::shortestText(value), text);
        EXPECT_EQ(platform::toNumber(platform::shortestText(value)), value);
    }
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(platform::toNumber(platform::shortestText(tiny)), tiny);
    EXPECT_EQ(platform::decimalText(-5), "-5");
    EXPECT_EQ(platform::decimalText(0), "0");
    EXPECT_EQ(platform::decimalText(255), "255");
    EXPECT_EQ(platform::decimalText(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

}  // namespace
