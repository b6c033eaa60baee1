// make_version_block: writes the C++ source that puts the program's version-information block
// into a section of its own of the program file.
//   make_version_block OUTPUT.cpp VERSION NAME=VALUE...
// VERSION ("1.2.3") gives the numbers of the fixed file information; the NAME=VALUE pairs are the
// string entries, in order, with UTF-8 values.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "controls/VersionBlockWriter.h"
#include "controls/VersionFile.h"

using namespace glimmerset;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_version_block OUTPUT.cpp VERSION NAME=VALUE...\n";
    return 2;
  }
  ProgramVersion version;
  version.Numbers = VersionNumbers(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const std::string entry = argv[i];
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos || equals == 0) {
      std::cerr << "make_version_block: not NAME=VALUE: " << entry << "\n";
      return 2;
    }
    version.Entries.emplace_back(entry.substr(0, equals), entry.substr(equals + 1));
  }
  const std::optional<std::vector<std::uint8_t>> block = WriteVersionNode(ProgramVersionNode(version));
  if (!block) {
    std::cerr << "make_version_block: the entries do not fit one block\n";
    return 1;
  }

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << "// Made by make_version_block: the program's version-information block, in the section "
      << VersionSectionName << ".\n";
  out << "// The section is not loaded at run time; the program reads it from its own file.\n";
  out << "asm(\".pushsection " << VersionSectionName << ",\\\"\\\",@progbits\\n\"\n";
  for (std::size_t i = 0; i < block->size(); i += 16) {
    out << "    \".byte ";
    for (std::size_t k = i; k < block->size() && k < i + 16; ++k) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%s0x%02x", k == i ? "" : ",", (*block)[k]);
      out << hex;
    }
    out << "\\n\"\n";
  }
  out << "    \".popsection\\n\");\n";
  out.close();
  if (!out) {
    std::cerr << "make_version_block: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
