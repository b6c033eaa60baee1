#include "GridEntryText.h"

#include <cstddef>

namespace glimmerset {

namespace {
// The length of the UTF-8 sequence that starts at text[i], or 1 for a byte that starts none.
std::size_t SequenceLength(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead < 0xF8) length = 4;
  else if (lead >= 0xE0) length = lead < 0xF0 ? 3 : 1;
  else if (lead >= 0xC0) length = 2;
  if (i + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  return length;
}
}  // namespace

std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(text, i);
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

int CharacterCount(const std::string& text) { return static_cast<int>(Characters(text).size()); }

std::string FirstCharacters(const std::string& text, int count) {
  std::string kept;
  for (const auto& character : Characters(text)) {
    if (count-- <= 0) break;
    kept += character;
  }
  return kept;
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace glimmerset
