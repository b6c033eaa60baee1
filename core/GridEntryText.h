#pragma once
// Text helpers of the typing dialogs. Texts are the program's 8-bit texts (the window shows each
// byte as one Latin-1 character), so every byte is one character: one grid cell or one counted
// character each. Upper-casing follows the plain ASCII rule.

#include <string>
#include <vector>

namespace glimmerset {

// The characters of a text, one per byte, in order.
std::vector<std::string> Characters(const std::string& text);
// The number of characters of a text.
int CharacterCount(const std::string& text);
// The first count characters of a text.
std::string FirstCharacters(const std::string& text, int count);
// a to z become A to Z; every other character is left unchanged.
std::string UpperAscii(std::string text);

}  // namespace glimmerset
