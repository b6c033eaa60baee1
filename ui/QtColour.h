#pragma once
// Conversions between the program's 0x00BBGGRR colour numbers and Qt colours, for painting and
// for the colour and font dialogs.

#include <QColor>

#include "core/Colour.h"

namespace glimmerset::ui {

inline QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

inline Colour FromQColor(const QColor& colour) {
  return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8) |
         (static_cast<Colour>(colour.blue()) << 16);
}

}  // namespace glimmerset::ui
