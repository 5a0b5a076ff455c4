#pragma once
// Windows-1252, the 8-bit code page of the game files. Every byte value maps to one Unicode code point
// and back again; the five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the control characters of the same number.
#include <string>
#include <string_view>

namespace platform {

std::u16string fromCp1252(std::string_view bytes);
// Throws AppError("Invalid procedure call or argument") for a character the code page cannot hold
// (naming the character in the description is not needed: the caller's message says what it did).
std::string toCp1252(std::u16string_view text);
// As toCp1252, but a character the code page cannot hold becomes "?" (one for a surrogate pair), as the
// Windows ANSI functions give it.
std::string toCp1252Replacing(std::u16string_view text);
// True when every character of text has a Windows-1252 byte.
bool fitsCp1252(std::u16string_view text);

}  // namespace platform
