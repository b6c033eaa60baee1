#pragma once
// The version-information block of a program file (the Windows VS_VERSIONINFO layout): a tree of
// nodes, each a 16-bit length, a 16-bit value length, a 16-bit type (0 binary, 1 text), a UTF-16
// key ending in NUL, padding to 32 bits, the value, padding, and the child nodes. Little-endian
// throughout. The functions here look values up by path as the version functions of Windows do,
// reading only inside the bytes they are given, whatever those bytes hold. Standard C++ only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glimmerset {

using ByteSpan = std::span<const std::uint8_t>;

// A value found by QueryVersionValue. Bytes holds the value as stored (cut where its node ends);
// Length is the value length the node gives: characters for a text value, bytes for a binary one,
// but never more than Bytes holds.
struct VersionValue {
  ByteSpan Bytes;
  std::size_t Length = 0;
  bool Text = false;
};

// The value at a path such as "\\", "\\VarFileInfo\\Translation" or
// "\\StringFileInfo\\040904B0\\CompanyName"; keys compare without regard to ASCII letter case.
// The root path "\\" finds the fixed file information, which must carry its signature. Nothing
// when the path leads nowhere or the block is malformed on the way.
std::optional<VersionValue> QueryVersionValue(ByteSpan block, std::string_view path);

// The eight string entries a program's block is read for, in reading order.
const std::vector<std::string>& VersionEntryNames();

// The longest value kept; longer values are cut.
inline constexpr std::size_t MaxVersionValueLength = 256;

// The string entries of a block, read as the about box needs them: the root must be there, then
// the first language and code page of the translation table; the eight names are looked up under
// that translation in order, the reading stops at the first one missing, and only values longer
// than 0 are listed (each up to its first NUL, at most MaxVersionValueLength characters).
struct VersionEntries {
  std::vector<std::string> Categories;
  std::vector<std::u16string> Values;
};
VersionEntries ReadVersionEntries(ByteSpan block);

// The query path of one string entry: "\\StringFileInfo\\", language and code page as four
// upper-case hexadecimal digits each, "\\" and the name.
std::string StringEntryPath(std::uint16_t language, std::uint16_t codePage, std::string_view name);

}  // namespace glimmerset
