#pragma once
// Colours as the program keeps them: 32-bit numbers laid out 0x00BBGGRR (red in the low byte).
// They are converted to screen colours only where painting.

#include <array>
#include <cstdint>

namespace glimmerset {

using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Green = 0x008000;
}  // namespace colours

// The background colours of found answers: answer n is marked with entry n mod 20.
inline constexpr std::array<Colour, 20> HighlightPalette = {
    0xFFEEEE, 0xFFFF00, 0xFF00FF, 0x00FF00, 0x008080, 0x800080, 0x00FFFF,
    0x808000, 0x0000FF, 0x808080, 0xAA33AA, 0x1122EE, 0x123456, 0xAA0022,
    0x00ABAB, 0x800000, 0x000080, 0x808080, 0x008000, 0xC0C0C0};

inline constexpr Colour HighlightFor(int answerNumber) {
  return HighlightPalette[static_cast<std::size_t>(((answerNumber % 20) + 20) % 20)];
}

}  // namespace glimmerset
