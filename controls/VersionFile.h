#pragma once
// Finding the version-information block inside a program file without reading the file whole:
// in an ELF file it is the section VersionSectionName, in a Windows program (PE) the first
// version resource of the resource section. Every offset and size the file states is checked
// against the file before it is used. Standard C++ only.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace glimmerset {

// The name of the ELF section that holds a program's version-information block.
inline constexpr std::string_view VersionSectionName = ".versioninfo";

// Random access to a file's bytes.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads count bytes at offset into out; false when they are not all there.
  virtual bool Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const = 0;
};

// Bytes held in memory as a ByteSource.
class MemoryBytes : public ByteSource {
 public:
  MemoryBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const override;

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// The largest block read: its length field is 16 bits.
inline constexpr std::size_t MaxVersionBlockSize = 0xFFFF;

// The block of an ELF or PE file, at most MaxVersionBlockSize bytes; nothing when the file is
// neither, or has no block.
std::optional<std::vector<std::uint8_t>> FindVersionBlock(const ByteSource& file);

}  // namespace glimmerset
