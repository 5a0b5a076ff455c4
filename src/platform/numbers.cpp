#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/error.h"

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// True when s (already trimmed, sign removed) is digits, an optional "." with digits, and an optional exponent.
// Either side of the point may be empty, not both. The grammar is checked here rather than left to the library
// so that nothing else ("inf", "nan", hexadecimal, a comma) ever passes.
bool isPlainNumber(std::string_view s) {
    std::size_t i = skipDigits(s, 0);
    std::size_t digits = i;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = skipDigits(s, i + 1);
        digits += fraction - i - 1;
        i = fraction;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t exponent = skipDigits(s, i);
        if (exponent == i) return false;
        i = exponent;
    }
    return i == s.size();
}

// The unsigned part of a number and whether it was negative, or false when the text is not a number.
bool splitNumber(std::string_view text, std::string_view& magnitude, bool& negative) {
    magnitude = trimBlanks(text);
    negative = false;
    if (!magnitude.empty() && (magnitude.front() == '+' || magnitude.front() == '-')) {
        negative = magnitude.front() == '-';
        magnitude.remove_prefix(1);
    }
    return isPlainNumber(magnitude);
}

// A magnitude too large or too small for a double. Too small reads as zero; too large is infinite.
bool exponentIsLarge(std::string_view magnitude) {
    // The value is out of range; its sign of scale decides which end. Count the integer digits and the exponent.
    std::size_t i = skipDigits(magnitude, 0);
    long long scale = 0;
    std::size_t lead = 0;
    while (lead < i && magnitude[lead] == '0') ++lead;
    if (lead < i) {
        scale = static_cast<long long>(i - lead);
    } else if (i < magnitude.size() && magnitude[i] == '.') {
        std::size_t j = i + 1;
        while (j < magnitude.size() && magnitude[j] == '0') ++j;
        scale = -static_cast<long long>(j - i - 1);
    }
    const std::size_t e = magnitude.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view exponent = magnitude.substr(e + 1);
        bool negativeExponent = false;
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
            negativeExponent = exponent.front() == '-';
            exponent.remove_prefix(1);
        }
        long long value = 0;
        for (char c : exponent) {
            value = value * 10 + (c - '0');
            if (value > 100000) break;
        }
        scale += negativeExponent ? -value : value;
    }
    return scale > 0;
}

// What a text gives as a number: Ok with its value, or why it gives none. Throws nothing, so that a test
// whether a text is a number costs no exception.
enum class Parsed { Ok, TypeMismatch, Overflow };

Parsed parseNumber(std::string_view text, double& value) noexcept {
    std::string_view magnitude;
    bool negative = false;
    if (!splitNumber(text, magnitude, negative)) return Parsed::TypeMismatch;
    value = 0.0;
    const auto [end, error] = std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (exponentIsLarge(magnitude)) return Parsed::Overflow;
        value = 0.0;
    } else if (error != std::errc() || end != magnitude.data() + magnitude.size()) {
        return Parsed::TypeMismatch;
    }
    if (std::isinf(value)) return Parsed::Overflow;
    if (negative) value = -value;
    return Parsed::Ok;
}

}  // namespace

double toNumber(std::string_view text) {
    double value = 0.0;
    switch (parseNumber(text, value)) {
        case Parsed::Ok:
            return value;
        case Parsed::Overflow:
            throw AppError(kOverflow);
        case Parsed::TypeMismatch:
            break;
    }
    throw AppError(kTypeMismatch);
}

bool isNumeric(std::string_view text) {
    double value = 0.0;
    return parseNumber(text, value) == Parsed::Ok;
}

std::int32_t roundToInt(double value) {
    // The range is checked on the rounded double before any conversion, so NaN, infinities and huge values
    // never reach the (undefined) cast.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw AppError(kOverflow);
    return static_cast<std::int32_t>(rounded);
}

std::int32_t toInt(std::string_view text) {
    return roundToInt(toNumber(text));
}

std::uint8_t toByte(std::string_view text) {
    const std::int32_t value = toInt(text);
    if (value < 0 || value > 255) throw AppError(kOverflow);
    return static_cast<std::uint8_t>(value);
}

bool toBoolean(std::string_view text) {
    const std::string_view word = trimBlanks(text);
    auto sameWord = [word](std::string_view expected) {
        if (word.size() != expected.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = (word[i] >= 'A' && word[i] <= 'Z') ? static_cast<char>(word[i] - 'A' + 'a') : word[i];
            if (c != expected[i]) return false;
        }
        return true;
    };
    if (sameWord("true")) return true;
    if (sameWord("false")) return false;
    return toNumber(text) != 0.0;
}

std::string decimalText(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string shortestText(double value) {
    if (value == 0.0) return "0";  // also -0, which reads as 0 anyway
    // Fixed notation with the fewest digits that read back as the same double: never an exponent.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) {
        const auto general = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, general.ptr);
    }
    return std::string(buffer, result.ptr);
}

}  // namespace platform
