#pragma once
// Conversions between the model's 8-bit texts and the window's texts: every byte is shown as
// its Latin-1 character, and typed characters outside Latin-1 become '?'.

#include <QString>
#include <string>

namespace glimmerset::ui {

inline QString fromModelText(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toModelText(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace glimmerset::ui
