#pragma once
// Text helpers of the typing dialogs: a typed text is cut into its characters (one grid cell or
// one counted character each, whole UTF-8 sequences kept together) and upper-cased by the plain
// ASCII rule.

#include <string>
#include <vector>

namespace glimmerset {

// The characters of a UTF-8 text, in order; a stray byte counts as one character.
std::vector<std::string> Characters(const std::string& text);
// The number of characters of a text, as Characters counts them.
int CharacterCount(const std::string& text);
// The first count characters of a text.
std::string FirstCharacters(const std::string& text, int count);
// a to z become A to Z; every other character is left unchanged.
std::string UpperAscii(std::string text);

}  // namespace glimmerset
