#pragma once
// Every text-to-number and number-to-text conversion of the program. The game files always use "." as
// the decimal separator, so conversions work in the C locale whatever the user's locale is. Failures
// raise AppError with "Type mismatch" (not a number) or "Overflow" (out of the target's range).
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Text to number: surrounding blanks (space, tab) allowed, an optional sign, digits, an optional decimal
// point with digits, an optional exponent. Anything else, the empty text included, is "Type mismatch".
// Infinite results are "Overflow".
double toNumber(std::string_view text);

// True when toNumber would accept the text.
bool isNumeric(std::string_view text);

// Round to the nearest whole number, halves to the even neighbour; outside the range of int32 (or NaN)
// is "Overflow".
std::int32_t roundToInt(double value);
// Text to whole number: toNumber then roundToInt.
std::int32_t toInt(std::string_view text);
// Text to a byte 0..255: toInt, then "Overflow" outside 0..255.
std::uint8_t toByte(std::string_view text);

// Text to Boolean: "True"/"False" in any letter case, or a number (0 false, anything else true).
// Anything else is "Type mismatch".
bool toBoolean(std::string_view text);

// Plain decimal text of a whole number, without blanks ("-5", "0", "255").
std::string decimalText(long long value);
// Shortest text that reads back as the same double, plain decimal without exponent where possible
// ("0.851", "1.5", "1", "0", "0.005").
std::string shortestText(double value);

}  // namespace platform
