// Fuzz target: the version-information block reader on any bytes. Whatever it reads must be a
// prefix of the eight entry names in order (names with empty values left out), each value at
// most 256 characters without a NUL, and each listed name must be found again by its path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "controls/VersionBlock.h"

using namespace glimmerset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteSpan block(data, size);
  const VersionEntries entries = ReadVersionEntries(block);
  if (entries.Categories.size() != entries.Values.size()) std::abort();
  const std::vector<std::string>& names = VersionEntryNames();
  std::size_t next = 0;
  for (std::size_t i = 0; i < entries.Categories.size(); ++i) {
    while (next < names.size() && names[next] != entries.Categories[i]) ++next;
    if (next == names.size()) std::abort();  // out of order or unknown
    ++next;
    const std::u16string& value = entries.Values[i];
    if (value.size() > MaxVersionValueLength || value.find(u'\0') != std::u16string::npos) std::abort();
  }
  // Any path, taken from the bytes themselves, stays inside the block.
  const std::string_view path(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64));
  if (const std::optional<VersionValue> value = QueryVersionValue(block, path)) {
    if (value->Bytes.data() < data || value->Bytes.data() + value->Bytes.size() > data + size) std::abort();
    if (value->Length > (value->Text ? value->Bytes.size() / 2 : value->Bytes.size())) std::abort();
  }
  return 0;
}
