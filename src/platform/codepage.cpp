#include "platform/codepage.h"

#include <array>

#include "platform/error.h"

namespace platform {
namespace {

// Bytes 0x80..0x9F, the only part of Windows-1252 that differs from Latin-1. The five bytes the code page leaves
// unassigned keep their own number, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char16_t charOfByte(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
}

// The byte of a character, or -1 when the code page has none.
int byteOfChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
    }
    return -1;
}

}  // namespace

std::u16string fromCp1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) text.push_back(charOfByte(static_cast<unsigned char>(byte)));
    return text;
}

std::string toCp1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text) {
        const int byte = byteOfChar(c);
        if (byte < 0) throw AppError(kInvalidCall);
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

std::string toCp1252Replacing(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = byteOfChar(text[i]);
        bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        if (pair) ++i;
    }
    return bytes;
}

bool fitsCp1252(std::u16string_view text) {
    for (char16_t c : text) {
        if (byteOfChar(c) < 0) return false;
    }
    return true;
}

}  // namespace platform
