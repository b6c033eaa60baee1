// Fuzz target: the answer file reader's cutting of lines into answers. Every answer must be two or
// more capital letters A to Z, and writing the answers out one a line must read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/AnswerText.h"
#include "files/TextLines.h"

using namespace glimmerset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto words = AnswerWords(SplitTextLines(text));
  for (const auto& word : words) {
    if (word.size() < 2) std::abort();
    for (char c : word)
      if (c < 'A' || c > 'Z') std::abort();
  }
  if (AnswerWords(SplitTextLines(JoinTextLines(words))) != words) std::abort();
  return 0;
}
