#pragma once
// Writing a version-information block (the Windows VS_VERSIONINFO layout): the build uses it to
// make the block stored in the program file, and tests use it to make blocks of their own.
// Standard C++ only.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glimmerset {

// One node of the tree. ValueLength, when given, is written in place of the length the value has
// (characters for text, bytes for binary), so that odd blocks can be made on purpose.
struct VersionNode {
  std::u16string Key;
  bool Text = true;
  std::vector<std::uint8_t> Value;
  std::optional<std::uint16_t> ValueLength;
  std::vector<VersionNode> Children;
};

// The node's bytes, lengths and padding filled in; nothing when a length does not fit 16 bits.
std::optional<std::vector<std::uint8_t>> WriteVersionNode(const VersionNode& node);

// UTF-8 to UTF-16 (the input is trusted: the build's own texts).
std::u16string Utf16(std::string_view utf8);

// A text entry: the value in UTF-16 with its terminating NUL, its length counting the NUL.
VersionNode TextEntry(std::string_view name, std::string_view value);

// The root node with its fixed file information for the given version numbers.
VersionNode VersionRoot(const std::array<std::uint16_t, 4>& fileVersion);

// The whole block of a program: the fixed information, one string table under the language and
// code page, and the translation table naming them.
struct ProgramVersion {
  std::array<std::uint16_t, 4> Numbers{};
  std::uint16_t Language = 0x0409;  // U.S. English
  std::uint16_t CodePage = 0x04B0;  // 1200, UTF-16
  std::vector<std::pair<std::string, std::string>> Entries;  // name, value, in order
};
VersionNode ProgramVersionNode(const ProgramVersion& version);

// The version numbers of a text such as "1.2.3"; missing parts are 0.
std::array<std::uint16_t, 4> VersionNumbers(std::string_view text);

}  // namespace glimmerset
