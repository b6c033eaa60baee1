#pragma once
// Small text helpers shared by the file readers: the letters-only filter, ASCII upper case, the
// trimming of control characters and blanks, whole-number parsing and the scanned-line cleaner.
// Texts are 8-bit bytes; bytes of 128 and above are never letters, blanks or digits.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glimmerset {

// The text with every byte that is not 'A' to 'Z' or 'a' to 'z' removed; order and case kept.
std::string LettersOnly(std::string_view text);

// The text with 'a' to 'z' turned to capitals; every other byte unchanged.
std::string UpperAscii(std::string_view text);

// The text without the bytes of code 0 to 32 at both ends.
std::string_view TrimControl(std::string_view text);

// A whole number as the stored counts and settings hold it: optional blanks before, an optional
// sign, decimal digits, nothing after; nullopt when it is not one or does not fit 32 bits.
std::optional<int> ParseWholeNumber(std::string_view text);

// A line of scanned grid text cleaned: every "." and blank removed, then 0, 1, 6 and 8 read as the
// letters O, I, G and B. The pump runs before each character that is removed or replaced.
std::string CleanScanLine(std::string_view line, const std::function<void()>& pump = {});

}  // namespace glimmerset
