#include "AnswerText.h"

#include "stringutils.h"

namespace glimmerset {

namespace {
constexpr std::size_t kLookAhead = 20;  // characters after a blank that are looked at

void KeepWord(std::string_view piece, std::vector<std::string>& words) {
  std::string word = LettersOnly(piece);
  if (word.size() >= 2) words.push_back(std::move(word));
}
}  // namespace

void CutAnswerLine(std::string_view line, std::vector<std::string>& words, const std::function<void()>& pump) {
  const std::string upper = UpperAscii(TrimControl(line));
  std::string_view rest = upper;
  for (;;) {
    if (pump) pump();
    if (rest.empty()) return;
    const std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) {
      KeepWord(rest, words);
      return;
    }
    KeepWord(rest.substr(0, blank), words);
    rest = TrimControl(rest.substr(blank + 1, kLookAhead));
    if (rest.size() <= 2) return;
  }
}

std::vector<std::string> AnswerWords(const std::vector<std::string>& lines, const std::function<void()>& pump) {
  std::vector<std::string> words;
  for (const auto& line : lines) CutAnswerLine(line, words, pump);
  return words;
}

}  // namespace glimmerset
