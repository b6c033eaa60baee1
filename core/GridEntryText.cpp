#include "GridEntryText.h"

#include <algorithm>

namespace glimmerset {

std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> characters;
  characters.reserve(text.size());
  for (char c : text) characters.emplace_back(1, c);
  return characters;
}

int CharacterCount(const std::string& text) { return static_cast<int>(text.size()); }

std::string FirstCharacters(const std::string& text, int count) {
  return text.substr(0, static_cast<std::size_t>(std::max(count, 0)));
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace glimmerset
