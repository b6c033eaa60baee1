#pragma once
// Small program files made by the tests: an ELF file with one named section and a Windows
// program (PE32+) with one version resource, each just complete enough for the version reader.

#include <cstdint>
#include <string_view>
#include <vector>

namespace glimmerset::testing {

using Bytes = std::vector<std::uint8_t>;

inline void PutAt(Bytes& out, std::size_t at, std::uint64_t value, std::size_t width, bool big = false) {
  if (out.size() < at + width) out.resize(at + width, 0);
  for (std::size_t i = 0; i < width; ++i) out[at + (big ? width - 1 - i : i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Header, the section-name table, the contents, then the section headers: null, names, contents.
inline Bytes ElfWithSection(std::string_view name, const Bytes& contents, bool wide = true, bool big = false) {
  const std::size_t headerSize = wide ? 64 : 52, entry = wide ? 64 : 40, word = wide ? 8 : 4;
  Bytes names = {0};
  names.insert(names.end(), {'.', 's', 'h', 's', 't', 'r', 't', 'a', 'b', 0});
  const std::size_t nameAt = names.size();
  names.insert(names.end(), name.begin(), name.end());
  names.push_back(0);

  Bytes out(headerSize, 0);
  out[0] = 0x7F, out[1] = 'E', out[2] = 'L', out[3] = 'F', out[4] = wide ? 2 : 1, out[5] = big ? 2 : 1, out[6] = 1;
  const std::size_t namesAt = out.size();
  out.insert(out.end(), names.begin(), names.end());
  const std::size_t contentsAt = out.size();
  out.insert(out.end(), contents.begin(), contents.end());
  while (out.size() % 8) out.push_back(0);
  const std::size_t table = out.size();
  out.resize(table + 3 * entry, 0);
  const auto section = [&](std::size_t i, std::size_t nameOffset, std::size_t offset, std::size_t size) {
    const std::size_t at = table + i * entry;
    PutAt(out, at, nameOffset, 4, big);
    PutAt(out, at + 4, 1, 4, big);  // program data
    PutAt(out, at + (wide ? 0x18 : 0x10), offset, word, big);
    PutAt(out, at + (wide ? 0x20 : 0x14), size, word, big);
  };
  section(1, 1, namesAt, names.size());
  section(2, nameAt, contentsAt, contents.size());
  PutAt(out, wide ? 0x28 : 0x20, table, word, big);
  PutAt(out, wide ? 0x3A : 0x2E, entry, 2, big);
  PutAt(out, wide ? 0x3C : 0x30, 3, 2, big);
  PutAt(out, wide ? 0x3E : 0x32, 1, 2, big);
  return out;
}

// One .rsrc section at file offset 0x200, virtual address 0x1000, holding the resource tree
// type 16 / id 1 / language 0x409 and the block after it.
inline Bytes PeWithVersionResource(const Bytes& block) {
  constexpr std::size_t pe = 0x40, optional = pe + 24, optionalSize = 240, raw = 0x200, rva = 0x1000;
  Bytes out(raw, 0);
  out[0] = 'M', out[1] = 'Z';
  PutAt(out, 0x3C, pe, 4);
  out[pe] = 'P', out[pe + 1] = 'E';
  PutAt(out, pe + 4 + 2, 1, 2);              // one section
  PutAt(out, pe + 4 + 16, optionalSize, 2);  // optional header size
  PutAt(out, optional, 0x20B, 2);            // PE32+
  PutAt(out, optional + 108, 16, 4);         // data directories
  Bytes resources(0x58, 0);
  PutAt(resources, 0x0E, 1, 2);
  PutAt(resources, 0x10, 16, 4);
  PutAt(resources, 0x14, 0x80000000u | 0x18, 4);
  PutAt(resources, 0x18 + 0x0E, 1, 2);
  PutAt(resources, 0x18 + 0x10, 1, 4);
  PutAt(resources, 0x18 + 0x14, 0x80000000u | 0x30, 4);
  PutAt(resources, 0x30 + 0x0E, 1, 2);
  PutAt(resources, 0x30 + 0x10, 0x409, 4);
  PutAt(resources, 0x30 + 0x14, 0x48, 4);
  PutAt(resources, 0x48, rva + 0x58, 4);
  PutAt(resources, 0x4C, block.size(), 4);
  resources.insert(resources.end(), block.begin(), block.end());
  PutAt(out, optional + 112 + 16, rva, 4);
  PutAt(out, optional + 112 + 20, resources.size(), 4);
  const std::size_t sectionAt = optional + optionalSize;
  const char name[8] = {'.', 'r', 's', 'r', 'c'};
  for (std::size_t i = 0; i < 8; ++i) out[sectionAt + i] = static_cast<std::uint8_t>(name[i]);
  PutAt(out, sectionAt + 8, resources.size(), 4);
  PutAt(out, sectionAt + 12, rva, 4);
  PutAt(out, sectionAt + 16, resources.size(), 4);
  PutAt(out, sectionAt + 20, raw, 4);
  out.insert(out.end(), resources.begin(), resources.end());
  return out;
}

}  // namespace glimmerset::testing
