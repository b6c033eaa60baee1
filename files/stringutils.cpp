#include "stringutils.h"

#include <charconv>

namespace glimmerset {

namespace {
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string LettersOnly(std::string_view text) {
  std::string letters;
  letters.reserve(text.size());
  for (char c : text)
    if (IsAsciiLetter(c)) letters += c;
  return letters;
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string_view TrimControl(std::string_view text) {
  while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  // from_chars takes a leading minus but no plus; after the sign a digit must follow.
  std::size_t digitsAt = 0;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  else if (!text.empty() && text.front() == '-') digitsAt = 1;
  if (text.size() <= digitsAt || text[digitsAt] < '0' || text[digitsAt] > '9') return std::nullopt;
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string CleanScanLine(std::string_view line, const std::function<void()>& pump) {
  std::string cleaned;
  cleaned.reserve(line.size());
  for (char c : line) {
    char replacement = c;
    switch (c) {
      case '.':
      case ' ': replacement = '\0'; break;
      case '0': replacement = 'O'; break;
      case '1': replacement = 'I'; break;
      case '6': replacement = 'G'; break;
      case '8': replacement = 'B'; break;
      default: cleaned += c; continue;
    }
    if (pump) pump();
    if (replacement != '\0') cleaned += replacement;
  }
  return cleaned;
}

}  // namespace glimmerset
