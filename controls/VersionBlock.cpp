// Looking values up in a version-information block, with every read checked against the bytes
// that are there.
#include "VersionBlock.h"

#include <array>

namespace glimmerset {
namespace {

constexpr std::size_t HeaderSize = 6;  // length, value length, type
constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t FixedInfoSize = 52;

std::uint16_t Word(ByteSpan bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~static_cast<std::size_t>(3); }

// One node of the tree, with its places as offsets into the block.
struct Node {
  std::size_t Begin = 0;
  std::size_t End = 0;  // the node's length, held inside its parent
  std::size_t KeyBegin = 0;
  std::size_t KeyLength = 0;  // characters, without the NUL
  std::size_t ValueBegin = 0;
  std::size_t ValueBytes = 0;  // what the value length says, held inside the node
  std::size_t ValueLength = 0;
  bool Text = false;
  std::size_t ChildrenBegin = 0;
};

// The node at begin inside [begin, limit), or nothing when it cannot be one: too short for its
// header, a length below its header, or a key without its terminator.
std::optional<Node> ReadNode(ByteSpan block, std::size_t begin, std::size_t limit) {
  if (begin > limit || limit - begin < HeaderSize) return std::nullopt;
  const std::size_t length = Word(block, begin);
  if (length < HeaderSize) return std::nullopt;
  Node node;
  node.Begin = begin;
  node.End = begin + std::min(length, limit - begin);
  const std::size_t valueLength = Word(block, begin + 2);
  const std::uint16_t type = Word(block, begin + 4);
  node.Text = type == 1;
  node.KeyBegin = begin + HeaderSize;
  std::size_t at = node.KeyBegin;
  for (;;) {
    if (node.End - at < 2) return std::nullopt;
    if (Word(block, at) == 0) break;
    at += 2;
  }
  node.KeyLength = (at - node.KeyBegin) / 2;
  node.ValueBegin = std::min(Align4(at + 2), node.End);
  const std::size_t room = node.End - node.ValueBegin;
  const std::size_t wanted = node.Text ? valueLength * 2 : valueLength;
  node.ValueBytes = std::min(wanted, room);
  node.ValueLength = node.Text ? node.ValueBytes / 2 : node.ValueBytes;
  node.ChildrenBegin = std::min(Align4(node.ValueBegin + node.ValueBytes), node.End);
  return node;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool KeyIs(ByteSpan block, const Node& node, std::string_view key) {
  if (node.KeyLength != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const std::uint16_t unit = Word(block, node.KeyBegin + 2 * i);
    if (unit > 0x7F || LowerAscii(static_cast<char>(unit)) != LowerAscii(key[i])) return false;
  }
  return true;
}

std::optional<Node> FindChild(ByteSpan block, const Node& parent, std::string_view key) {
  std::size_t at = parent.ChildrenBegin;
  while (at < parent.End) {
    const std::optional<Node> child = ReadNode(block, at, parent.End);
    if (!child) return std::nullopt;
    if (KeyIs(block, *child, key)) return child;
    at = Align4(child->End);  // a child is at least a header long, so this moves on
  }
  return std::nullopt;
}

std::string Hex4(std::uint16_t number) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i, number = static_cast<std::uint16_t>(number >> 4)) text[static_cast<std::size_t>(i)] = digits[number & 0xF];
  return text;
}

}  // namespace

std::optional<VersionValue> QueryVersionValue(ByteSpan block, std::string_view path) {
  std::optional<Node> node = ReadNode(block, 0, block.size());
  if (!node || !KeyIs(block, *node, "VS_VERSION_INFO")) return std::nullopt;
  bool root = true;
  while (!path.empty()) {
    const std::size_t from = path.find_first_not_of('\\');
    if (from == std::string_view::npos) break;
    path.remove_prefix(from);
    const std::string_view key = path.substr(0, path.find('\\'));
    path.remove_prefix(key.size());
    node = FindChild(block, *node, key);
    if (!node) return std::nullopt;
    root = false;
  }
  if (root) {
    const bool fixedInfo = node->ValueBytes >= FixedInfoSize &&
                           (Word(block, node->ValueBegin) | (std::uint32_t{Word(block, node->ValueBegin + 2)} << 16)) ==
                               FixedInfoSignature;
    if (!fixedInfo) return std::nullopt;
  }
  return VersionValue{block.subspan(node->ValueBegin, node->ValueBytes), node->ValueLength, node->Text};
}

const std::vector<std::string>& VersionEntryNames() {
  static const std::vector<std::string> names = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                                 "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};
  return names;
}

std::string StringEntryPath(std::uint16_t language, std::uint16_t codePage, std::string_view name) {
  return "\\StringFileInfo\\" + Hex4(language) + Hex4(codePage) + "\\" + std::string(name);
}

VersionEntries ReadVersionEntries(ByteSpan block) {
  VersionEntries entries;
  if (!QueryVersionValue(block, "\\")) return entries;
  const std::optional<VersionValue> translation = QueryVersionValue(block, "\\VarFileInfo\\Translation");
  if (!translation || translation->Bytes.size() < 4) return entries;
  const std::uint16_t language = Word(translation->Bytes, 0);
  const std::uint16_t codePage = Word(translation->Bytes, 2);
  for (const std::string& name : VersionEntryNames()) {
    const std::optional<VersionValue> value = QueryVersionValue(block, StringEntryPath(language, codePage, name));
    if (!value) break;
    if (value->Length == 0) continue;
    std::u16string text;
    const std::size_t units = value->Bytes.size() / 2;
    for (std::size_t i = 0; i < units && text.size() < MaxVersionValueLength; ++i) {
      const char16_t unit = static_cast<char16_t>(Word(value->Bytes, 2 * i));
      if (unit == 0) break;
      text.push_back(unit);
    }
    // A cut must not leave the first half of a surrogate pair behind.
    if (text.size() == MaxVersionValueLength && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    entries.Categories.push_back(name);
    entries.Values.push_back(std::move(text));
  }
  return entries;
}

}  // namespace glimmerset
