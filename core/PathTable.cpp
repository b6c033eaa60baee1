#include "PathTable.h"

#include <algorithm>

#include "Colour.h"

namespace glimmerset {

GridPos PathTable::Get(int n, int k) const {
  if (n < 1 || k < 1 || static_cast<std::size_t>(n) > entries_.size()) return {};
  const auto& letters = entries_[static_cast<std::size_t>(n) - 1];
  if (static_cast<std::size_t>(k) > letters.size()) return {};
  return letters[static_cast<std::size_t>(k) - 1];
}

GridPos* PathTable::Letters(int n, int length) {
  if (static_cast<std::size_t>(n) > entries_.size()) entries_.resize(static_cast<std::size_t>(n));
  auto& letters = entries_[static_cast<std::size_t>(n) - 1];
  if (static_cast<std::size_t>(length) > letters.size()) letters.resize(static_cast<std::size_t>(length));
  return letters.data();
}

void PathTable::Grow(int n, int k, GridPos pos) {
  if (n < 1 || k < 1) return;
  Letters(n, k)[k - 1] = pos;
}

void PathTable::ClearAnswers(int lastAnswer) {
  const auto count = std::min<std::size_t>(entries_.size(), static_cast<std::size_t>(std::max(lastAnswer, 0)));
  for (std::size_t i = 0; i < count; ++i) std::fill(entries_[i].begin(), entries_[i].end(), GridPos{});
}

Colour AnswerColourTable::Get(int n) const {
  if (n < 0 || static_cast<std::size_t>(n) >= entries_.size()) return colours::Blue;
  return entries_[static_cast<std::size_t>(n)];
}

void AnswerColourTable::Set(int n, Colour colour) {
  if (n < 0) return;
  if (static_cast<std::size_t>(n) >= entries_.size()) entries_.resize(static_cast<std::size_t>(n) + 1, colours::Blue);
  entries_[static_cast<std::size_t>(n)] = colour;
}

void AnswerColourTable::Reset() { entries_.assign(51, colours::Blue); }

}  // namespace glimmerset
