// Fuzz target: finding the version-information block in any bytes taken as a program file (ELF
// or PE). A block found must lie inside the file and be at most 64 KiB; it is then read as the
// about box reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "controls/VersionBlock.h"
#include "controls/VersionFile.h"

using namespace glimmerset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MemoryBytes file(data, size);
  const std::optional<std::vector<std::uint8_t>> block = FindVersionBlock(file);
  if (!block) return 0;
  if (block->size() > MaxVersionBlockSize || block->size() > size) std::abort();
  const VersionEntries entries = ReadVersionEntries(*block);
  if (entries.Categories.size() != entries.Values.size() || entries.Categories.size() > VersionEntryNames().size())
    std::abort();
  return 0;
}
