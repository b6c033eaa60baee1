// Writing version-information nodes with their lengths and 32-bit padding.
#include "VersionBlockWriter.h"

#include <charconv>

namespace glimmerset {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t word) {
  out.push_back(static_cast<std::uint8_t>(word & 0xFF));
  out.push_back(static_cast<std::uint8_t>((word >> 8) & 0xFF));
}

void PutDword(std::vector<std::uint8_t>& out, std::uint32_t dword) {
  PutWord(out, dword & 0xFFFF);
  PutWord(out, dword >> 16);
}

void Pad4(std::vector<std::uint8_t>& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

std::vector<std::uint8_t> Utf16Bytes(const std::u16string& text, bool terminated) {
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : text) PutWord(bytes, unit);
  if (terminated) PutWord(bytes, 0);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> WriteVersionNode(const VersionNode& node) {
  std::vector<std::uint8_t> out(6, 0);
  for (char16_t unit : node.Key) PutWord(out, unit);
  PutWord(out, 0);
  Pad4(out);
  out.insert(out.end(), node.Value.begin(), node.Value.end());
  for (const VersionNode& child : node.Children) {
    Pad4(out);
    const std::optional<std::vector<std::uint8_t>> bytes = WriteVersionNode(child);
    if (!bytes) return std::nullopt;
    out.insert(out.end(), bytes->begin(), bytes->end());
  }
  const std::size_t valueLength = node.ValueLength ? *node.ValueLength : node.Text ? node.Value.size() / 2 : node.Value.size();
  if (out.size() > 0xFFFF || valueLength > 0xFFFF) return std::nullopt;
  out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
  out[1] = static_cast<std::uint8_t>(out.size() >> 8);
  out[2] = static_cast<std::uint8_t>(valueLength & 0xFF);
  out[3] = static_cast<std::uint8_t>(valueLength >> 8);
  out[4] = node.Text ? 1 : 0;
  return out;
}

std::u16string Utf16(std::string_view utf8) {
  std::u16string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
  }
  return text;
}

VersionNode TextEntry(std::string_view name, std::string_view value) {
  return {Utf16(name), true, Utf16Bytes(Utf16(value), true), std::nullopt, {}};
}

VersionNode VersionRoot(const std::array<std::uint16_t, 4>& v) {
  std::vector<std::uint8_t> fixed;
  PutDword(fixed, 0xFEEF04BD);                   // signature
  PutDword(fixed, 0x00010000);                   // structure version 1.0
  PutDword(fixed, (std::uint32_t{v[0]} << 16) | v[1]);  // file version
  PutDword(fixed, (std::uint32_t{v[2]} << 16) | v[3]);
  PutDword(fixed, (std::uint32_t{v[0]} << 16) | v[1]);  // product version
  PutDword(fixed, (std::uint32_t{v[2]} << 16) | v[3]);
  PutDword(fixed, 0x3F);                         // flags mask
  PutDword(fixed, 0);                            // flags
  PutDword(fixed, 0);                            // operating system: not a Windows one
  PutDword(fixed, 1);                            // file type: application
  PutDword(fixed, 0);                            // subtype
  PutDword(fixed, 0);                            // date
  PutDword(fixed, 0);
  return {u"VS_VERSION_INFO", false, std::move(fixed), std::nullopt, {}};
}

VersionNode ProgramVersionNode(const ProgramVersion& version) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::u16string tableKey;
  for (std::uint16_t part : {version.Language, version.CodePage})
    for (int shift = 12; shift >= 0; shift -= 4) tableKey.push_back(static_cast<char16_t>(digits[(part >> shift) & 0xF]));
  VersionNode table{tableKey, true, {}, std::nullopt, {}};
  for (const auto& [name, value] : version.Entries) table.Children.push_back(TextEntry(name, value));
  VersionNode strings{u"StringFileInfo", true, {}, std::nullopt, {std::move(table)}};

  std::vector<std::uint8_t> pair;
  PutWord(pair, version.Language);
  PutWord(pair, version.CodePage);
  VersionNode translation{u"Translation", false, std::move(pair), std::nullopt, {}};
  VersionNode variables{u"VarFileInfo", true, {}, std::nullopt, {std::move(translation)}};

  VersionNode root = VersionRoot(version.Numbers);
  root.Children.push_back(std::move(strings));
  root.Children.push_back(std::move(variables));
  return root;
}

std::array<std::uint16_t, 4> VersionNumbers(std::string_view text) {
  std::array<std::uint16_t, 4> numbers{};
  for (std::size_t i = 0; i < numbers.size() && !text.empty(); ++i) {
    const std::size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    std::from_chars(part.data(), part.data() + part.size(), numbers[i]);
    text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  }
  return numbers;
}

}  // namespace glimmerset
