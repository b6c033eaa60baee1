#pragma once
// Conversions between the program's colour numbers (0x00BBGGRR, red in the low byte) and the
// screen colours that widgets paint with.

#include <QColor>

#include "core/Colour.h"

namespace glimmerset::ui {

inline QColor toQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

inline Colour fromQColor(const QColor& colour) {
  return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8) |
         (static_cast<Colour>(colour.blue()) << 16);
}

}  // namespace glimmerset::ui
