// Locating the version-information block in ELF and PE files.
#include "VersionFile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace glimmerset {
namespace {

// Little- or big-endian numbers from a file, each read checked.
class Reader {
 public:
  Reader(const ByteSource& file, bool bigEndian) : file_(file), big_(bigEndian) {}

  std::optional<std::uint64_t> Number(std::uint64_t offset, std::size_t width) const {
    std::array<std::uint8_t, 8> bytes{};
    if (width > bytes.size() || !file_.Read(offset, width, bytes.data())) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t at = big_ ? i : width - 1 - i;
      value = (value << 8) | bytes[at];
    }
    return value;
  }

  std::optional<std::vector<std::uint8_t>> Bytes(std::uint64_t offset, std::uint64_t count) const {
    if (count > MaxVersionBlockSize) count = MaxVersionBlockSize;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    if (!file_.Read(offset, bytes.size(), bytes.data())) return std::nullopt;
    return bytes;
  }

  const ByteSource& File() const { return file_; }

 private:
  const ByteSource& file_;
  bool big_;
};

bool StartsWith(const ByteSource& file, std::string_view magic) {
  std::array<std::uint8_t, 4> bytes{};
  return magic.size() <= bytes.size() && file.Read(0, magic.size(), bytes.data()) &&
         std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
}

// ---- ELF ----

// The section named VersionSectionName: the section headers are walked one by one, and each name
// is compared in the section-name table.
std::optional<std::vector<std::uint8_t>> FromElf(const ByteSource& file) {
  std::array<std::uint8_t, 2> ident{};
  if (!file.Read(4, 2, ident.data())) return std::nullopt;
  const bool wide = ident[0] == 2;
  if ((ident[0] != 1 && ident[0] != 2) || (ident[1] != 1 && ident[1] != 2)) return std::nullopt;
  const Reader in(file, ident[1] == 2);
  const std::size_t word = wide ? 8 : 4;
  const std::optional<std::uint64_t> tableAt = in.Number(wide ? 0x28 : 0x20, word);
  const std::optional<std::uint64_t> entrySize = in.Number(wide ? 0x3A : 0x2E, 2);
  const std::optional<std::uint64_t> count = in.Number(wide ? 0x3C : 0x30, 2);
  const std::optional<std::uint64_t> namesIndex = in.Number(wide ? 0x3E : 0x32, 2);
  if (!tableAt || !entrySize || !count || !namesIndex) return std::nullopt;
  const std::uint64_t minimumEntry = wide ? 0x40 : 0x28;
  if (*entrySize < minimumEntry || *namesIndex >= *count) return std::nullopt;
  if (*tableAt > file.Size() || (file.Size() - *tableAt) / *entrySize < *count) return std::nullopt;

  // Offset and size of section i.
  const auto section = [&](std::uint64_t i) -> std::optional<std::pair<std::uint64_t, std::uint64_t>> {
    const std::uint64_t header = *tableAt + i * *entrySize;
    const std::optional<std::uint64_t> offset = in.Number(header + (wide ? 0x18 : 0x10), word);
    const std::optional<std::uint64_t> size = in.Number(header + (wide ? 0x20 : 0x14), word);
    if (!offset || !size) return std::nullopt;
    return std::pair{*offset, *size};
  };
  const auto names = section(*namesIndex);
  if (!names) return std::nullopt;
  const std::size_t nameSize = VersionSectionName.size() + 1;
  for (std::uint64_t i = 0; i < *count; ++i) {
    const std::optional<std::uint64_t> nameAt = in.Number(*tableAt + i * *entrySize, 4);
    if (!nameAt || *nameAt > names->second || names->second - *nameAt < nameSize) continue;
    std::array<std::uint8_t, 64> name{};
    if (names->first > file.Size() || *nameAt > file.Size() - names->first) continue;
    if (!file.Read(names->first + *nameAt, nameSize, name.data())) continue;
    if (std::memcmp(name.data(), VersionSectionName.data(), VersionSectionName.size()) != 0 || name[nameSize - 1] != 0)
      continue;
    const auto found = section(i);
    if (!found || found->first > file.Size()) return std::nullopt;
    return in.Bytes(found->first, std::min(found->second, file.Size() - found->first));
  }
  return std::nullopt;
}

// ---- PE ----

struct PeSection {
  std::uint64_t VirtualAddress, VirtualSize, RawSize, RawOffset;
};

constexpr std::uint32_t VersionResourceType = 16;
constexpr std::uint32_t SubdirectoryFlag = 0x80000000u;

// The first version resource: the resource directory's entry of type 16, then the first entry
// of each lower level down to the data entry, whose address is turned into a file offset.
std::optional<std::vector<std::uint8_t>> FromPe(const ByteSource& file) {
  const Reader in(file, false);
  const std::optional<std::uint64_t> peAt = in.Number(0x3C, 4);
  std::array<std::uint8_t, 4> signature{};
  if (!peAt || !file.Read(*peAt, 4, signature.data()) || std::memcmp(signature.data(), "PE\0\0", 4) != 0)
    return std::nullopt;
  const std::uint64_t coff = *peAt + 4;
  const std::optional<std::uint64_t> sectionCount = in.Number(coff + 2, 2);
  const std::optional<std::uint64_t> optionalSize = in.Number(coff + 16, 2);
  const std::uint64_t optional = coff + 20;
  const std::optional<std::uint64_t> magic = in.Number(optional, 2);
  if (!sectionCount || !optionalSize || !magic || (*magic != 0x10B && *magic != 0x20B)) return std::nullopt;
  const bool wide = *magic == 0x20B;
  const std::optional<std::uint64_t> directories = in.Number(optional + (wide ? 108 : 92), 4);
  const std::uint64_t resourceEntry = (wide ? 112 : 96) + 2 * 8;
  if (!directories || *directories < 3 || resourceEntry + 8 > *optionalSize) return std::nullopt;
  const std::optional<std::uint64_t> resourceRva = in.Number(optional + resourceEntry, 4);
  if (!resourceRva || *resourceRva == 0) return std::nullopt;

  std::vector<PeSection> sections;
  const std::uint64_t table = optional + *optionalSize;
  for (std::uint64_t i = 0; i < *sectionCount; ++i) {
    const std::uint64_t at = table + i * 40;
    const auto vsize = in.Number(at + 8, 4), va = in.Number(at + 12, 4), rsize = in.Number(at + 16, 4),
               roff = in.Number(at + 20, 4);
    if (!vsize || !va || !rsize || !roff) return std::nullopt;
    sections.push_back({*va, *vsize, *rsize, *roff});
  }
  // The file offset of a virtual address, with the bytes left in its section from there.
  const auto fileOffset = [&](std::uint64_t rva) -> std::optional<std::pair<std::uint64_t, std::uint64_t>> {
    for (const PeSection& s : sections) {
      if (rva >= s.VirtualAddress && rva - s.VirtualAddress < std::max(s.VirtualSize, s.RawSize)) {
        const std::uint64_t into = rva - s.VirtualAddress;
        if (into >= s.RawSize) return std::nullopt;
        return std::pair{s.RawOffset + into, s.RawSize - into};
      }
    }
    return std::nullopt;
  };
  const auto base = fileOffset(*resourceRva);
  if (!base) return std::nullopt;

  // The entry of a directory at offset dir (from the resource section's start): the one with the
  // given id, or the first when id is empty.
  const auto entry = [&](std::uint64_t dir, std::optional<std::uint32_t> id) -> std::optional<std::uint32_t> {
    const auto named = in.Number(base->first + dir + 12, 2), ids = in.Number(base->first + dir + 14, 2);
    if (!named || !ids) return std::nullopt;
    for (std::uint64_t i = 0; i < *named + *ids; ++i) {
      const std::uint64_t at = base->first + dir + 16 + i * 8;
      const auto name = in.Number(at, 4), target = in.Number(at + 4, 4);
      if (!name || !target) return std::nullopt;
      if (!id || (i >= *named && *name == *id)) return static_cast<std::uint32_t>(*target);
    }
    return std::nullopt;
  };
  std::optional<std::uint32_t> target = entry(0, VersionResourceType);
  for (int level = 0; level < 2 && target; ++level) {
    if (!(*target & SubdirectoryFlag)) return std::nullopt;
    target = entry(*target & ~SubdirectoryFlag, std::nullopt);
  }
  if (!target || (*target & SubdirectoryFlag) || *target >= base->second) return std::nullopt;
  const auto dataRva = in.Number(base->first + *target, 4), dataSize = in.Number(base->first + *target + 4, 4);
  if (!dataRva || !dataSize) return std::nullopt;
  const auto data = fileOffset(*dataRva);
  if (!data) return std::nullopt;
  return in.Bytes(data->first, std::min(*dataSize, data->second));
}

}  // namespace

bool MemoryBytes::Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const {
  if (offset > size_ || size_ - offset < count) return false;
  if (count > 0) std::memcpy(out, data_ + offset, count);
  return true;
}

std::optional<std::vector<std::uint8_t>> FindVersionBlock(const ByteSource& file) {
  if (StartsWith(file, "\x7F" "ELF")) return FromElf(file);
  if (StartsWith(file, "MZ")) return FromPe(file);
  return std::nullopt;
}

}  // namespace glimmerset
