#include "ReadingBoard.h"

#include <algorithm>
#include <array>

namespace glimmerset {

namespace {

// The eight reading directions, and the four lines through a cell (each taken one way).
constexpr std::array<std::array<int, 2>, 8> kSteps = {
    {{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1}, {0, -1}, {+1, -1}}};
constexpr std::array<std::array<int, 2>, 4> kLines = {{{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}}};

bool OnSegment(const Segment& s, int col, int row) {
  int t = 0;
  if (s.ColStep != 0)
    t = (col - s.Col) * s.ColStep;
  else if (s.RowStep != 0)
    t = (row - s.Row) * s.RowStep;
  return t >= 0 && t < s.Length && col == s.Col + t * s.ColStep && row == s.Row + t * s.RowStep;
}

bool IsPalindrome(const std::string& text) {
  return std::equal(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.size() / 2), text.rbegin());
}

}  // namespace

bool SegmentContains(const Segment& outer, const Segment& inner) {
  if (inner.Length <= 0) return true;
  if (inner.Length > outer.Length) return false;
  if (inner.Length > 1) {
    const bool sameWay = inner.ColStep == outer.ColStep && inner.RowStep == outer.RowStep;
    const bool otherWay = inner.ColStep == -outer.ColStep && inner.RowStep == -outer.RowStep;
    if (!sameWay && !otherWay) return false;
  }
  const int last = inner.Length - 1;
  return OnSegment(outer, inner.Col, inner.Row) &&
         OnSegment(outer, inner.Col + last * inner.ColStep, inner.Row + last * inner.RowStep);
}

void ReadingBoard::Load(const LetterGrid& grid, const std::vector<AnswerLine>& answers) {
  rows_ = grid.RowCount();
  cols_ = grid.ColCount();
  const std::size_t cells = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_);
  letters_.assign(grid.Letters(), grid.Letters() + cells);
  owners_.assign(cells, 0);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c)
      if (const Tspec* record = grid.Record(c, r)) owners_[Index(c, r)] = record->AnswerNo;

  answers_.clear();
  shortest_ = 0;
  std::array<int, 257> counts{};
  for (const AnswerLine& line : answers) {
    answers_.push_back({line.Text, IsPalindrome(line.Text)});
    const int length = static_cast<int>(line.Text.size());
    if (length > 0 && (shortest_ == 0 || length < shortest_)) shortest_ = length;
    for (char letter : line.Text) ++counts[static_cast<unsigned char>(letter) + 1];
  }
  for (std::size_t i = 1; i < counts.size(); ++i) counts[i] += counts[i - 1];
  entryStart_ = counts;
  entries_.assign(static_cast<std::size_t>(counts.back()), {});
  // Letter by letter, and within a letter the first letters of answers first.
  std::size_t longest = 0;
  for (const Answer& answer : answers_) longest = std::max(longest, answer.Text.size());
  for (std::size_t k = 0; k < longest; ++k)
    for (std::size_t a = 0; a < answers_.size(); ++a)
      if (k < answers_[a].Text.size())
        entries_[static_cast<std::size_t>(counts[static_cast<unsigned char>(answers_[a].Text[k])]++)] = {
            static_cast<int>(a), static_cast<int>(k)};
  placements_.assign(answers_.size(), std::nullopt);
  early_.clear();
  revision_ = grid.Revision();
  loaded_ = true;
}

bool ReadingBoard::ReadsAt(const std::string& text, const Segment& cells) const {
  const int last = cells.Length - 1;
  if (!Inside(cells.Col, cells.Row) || !Inside(cells.Col + last * cells.ColStep, cells.Row + last * cells.RowStep))
    return false;
  return ReadsWithin(text, cells);
}

const Segment* ReadingBoard::PlacementOf(int answer) const {
  if (answer < 0 || static_cast<std::size_t>(answer) >= placements_.size() || !placements_[answer]) return nullptr;
  return &*placements_[answer];
}

bool ReadingBoard::Allowed(const Segment& reading, const Segment* extra) const {
  if (extra && SegmentContains(*extra, reading)) return true;
  for (const auto& placement : placements_)
    if (placement && SegmentContains(*placement, reading)) return true;
  return false;
}

bool ReadingBoard::Place(const std::string& word, const Segment& cells, int n) {
  const int self = n - 1;
  const bool listed = self >= 0 && static_cast<std::size_t>(self) < answers_.size() && answers_[self].Text == word;
  // Readings of this answer that other answers' letters spelled before it came to be placed.
  if (listed)
    for (const Reading& early : early_)
      if (early.Answer == self && !Allowed(early.Cells, &cells)) return false;

  saved_.clear();
  for (int k = 0; k < cells.Length; ++k) {
    const std::size_t i = Index(cells.Col + k * cells.ColStep, cells.Row + k * cells.RowStep);
    saved_.push_back({letters_[i], owners_[i], owners_[i] == 0});
    letters_[i] = word[static_cast<std::size_t>(k)];
    owners_[i] = n;
  }

  // The placed letters that continue the word's line before its first and after its last letter.
  const int last = cells.Length - 1;
  int backOfWord = 0;
  while (Placed(cells.Col - (backOfWord + 1) * cells.ColStep, cells.Row - (backOfWord + 1) * cells.RowStep))
    ++backOfWord;
  int aheadOfWord = 0;
  while (Placed(cells.Col + (last + aheadOfWord + 1) * cells.ColStep,
                cells.Row + (last + aheadOfWord + 1) * cells.RowStep))
    ++aheadOfWord;

  found_.clear();
  bool single = true;
  for (int k = 0; k < cells.Length && single; ++k)
    if (saved_[static_cast<std::size_t>(k)].Free)
      single = NewCellKeepsSingle(cells.Col + k * cells.ColStep, cells.Row + k * cells.RowStep, k, word, cells, self,
                                  listed, backOfWord, aheadOfWord);

  if (!single) {
    for (int k = 0; k < cells.Length; ++k) {
      const std::size_t i = Index(cells.Col + k * cells.ColStep, cells.Row + k * cells.RowStep);
      letters_[i] = saved_[static_cast<std::size_t>(k)].Letter;
      owners_[i] = saved_[static_cast<std::size_t>(k)].Owner;
    }
    return false;
  }
  if (self >= 0) {
    if (placements_.size() <= static_cast<std::size_t>(self)) placements_.resize(static_cast<std::size_t>(self) + 1);
    placements_[self] = cells;
  }
  std::erase_if(early_, [self](const Reading& r) { return r.Answer == self; });
  early_.insert(early_.end(), found_.begin(), found_.end());
  return true;
}

bool ReadingBoard::NewCellKeepsSingle(int col, int row, int k, const std::string& word, const Segment& cells,
                                      int self, bool listed, int backOfWord, int aheadOfWord) {
  const char letter = letters_[Index(col, row)];
  const int shortest = listed || shortest_ != 0 ? shortest_ : static_cast<int>(word.size());
  for (const auto& line : kLines) {
    int dc = line[0];
    int dr = line[1];
    int back = 0;
    int ahead = 0;
    const bool ownLine = (dc == cells.ColStep && dr == cells.RowStep) || (dc == -cells.ColStep && dr == -cells.RowStep);
    if (ownLine) {
      // Along its own line only a reading that runs on beyond the word can be a second one.
      if (backOfWord == 0 && aheadOfWord == 0) continue;
      dc = cells.ColStep, dr = cells.RowStep;
      back = backOfWord + k;
      ahead = aheadOfWord + cells.Length - 1 - k;
    } else {
      while (Placed(col - (back + 1) * dc, row - (back + 1) * dr)) ++back;
      while (Placed(col + (ahead + 1) * dc, row + (ahead + 1) * dr)) ++ahead;
    }
    if (back + ahead + 1 < std::max(shortest, 2)) continue;  // one letter alone is a part of the word

    const auto u = static_cast<unsigned char>(letter);
    for (int e = entryStart_[u]; e < entryStart_[u + 1]; ++e) {
      const Entry entry = entries_[static_cast<std::size_t>(e)];
      const Answer& answer = answers_[static_cast<std::size_t>(entry.Answer)];
      const int rest = static_cast<int>(answer.Text.size()) - 1 - entry.K;
      // Skip an answer that would run off the placed letters either way.
      if ((entry.K > back || rest > ahead) && (entry.K > ahead || rest > back)) continue;
      const bool mustBeSingle = entry.Answer == self || PlacementOf(entry.Answer) != nullptr;
      if (!ReadingsKeepSingle(col, row, dc, dr, back, ahead, entry.Answer, answer.Text, answer.Palindrome, entry.K,
                              mustBeSingle, cells))
        return false;
    }
    if (!listed)
      for (std::size_t at = 0; at < word.size(); ++at)
        if (word[at] == letter && !ReadingsKeepSingle(col, row, dc, dr, back, ahead, self, word, IsPalindrome(word),
                                                      static_cast<int>(at), true, cells))
          return false;
  }
  return true;
}

bool ReadingBoard::ReadingsKeepSingle(int col, int row, int dc, int dr, int back, int ahead, int answer,
                                      const std::string& text, bool palindrome, int at, bool mustBeSingle,
                                      const Segment& cells) {
  const int length = static_cast<int>(text.size());
  if (length < 2) return true;
  for (int way = 0; way < (palindrome ? 1 : 2); ++way) {
    const int sc = way == 0 ? dc : -dc;
    const int sr = way == 0 ? dr : -dr;
    if (at > (way == 0 ? back : ahead) || length - 1 - at > (way == 0 ? ahead : back)) continue;
    // A neighbouring letter first: it rules out nearly every answer at once.
    const int next = at + 1 < length ? 1 : -1;
    if (letters_[Index(col + next * sc, row + next * sr)] != text[static_cast<std::size_t>(at + next)]) continue;
    const Segment reading{col - at * sc, row - at * sr, sc, sr, length};
    if (!ReadsWithin(text, reading) || Allowed(reading, &cells)) continue;
    if (mustBeSingle) return false;
    const bool known = std::any_of(found_.begin(), found_.end(), [&](const Reading& r) {
      return r.Answer == answer && r.Cells.Col == reading.Col && r.Cells.Row == reading.Row &&
             r.Cells.ColStep == reading.ColStep && r.Cells.RowStep == reading.RowStep;
    });
    if (!known) found_.push_back({answer, reading});
  }
  return true;
}

void ReadingBoard::ForEachSecondReadingThrough(int col, int row,
                                               const std::function<void(const Segment&)>& found) const {
  const auto u = static_cast<unsigned char>(letters_[Index(col, row)]);
  for (int e = entryStart_[u]; e < entryStart_[u + 1]; ++e) {
    const Entry entry = entries_[static_cast<std::size_t>(e)];
    if (!PlacementOf(entry.Answer)) continue;
    const std::string& text = answers_[static_cast<std::size_t>(entry.Answer)].Text;
    const int length = static_cast<int>(text.size());
    for (const auto& [dc, dr] : kSteps) {
      const Segment reading{col - entry.K * dc, row - entry.K * dr, dc, dr, length};
      if (ReadsAt(text, reading) && !Allowed(reading, nullptr)) found(reading);
    }
  }
}

bool ReadingBoard::SecondReadingThrough(int col, int row) const {
  bool any = false;
  ForEachSecondReadingThrough(col, row, [&any](const Segment&) { any = true; });
  return any;
}

int ReadingBoard::RedrawSecondReadings(const std::function<char()>& newLetter, int maxRounds) {
  std::vector<char> marked(letters_.size(), 0);
  std::vector<std::size_t> redraw;
  const auto collect = [&](const Segment& reading) {
    for (int k = 0; k < reading.Length; ++k) {
      const std::size_t i = Index(reading.Col + k * reading.ColStep, reading.Row + k * reading.RowStep);
      if (owners_[i] == 0 && !marked[i]) {
        marked[i] = 1;
        redraw.push_back(i);
      }
    }
  };

  // Every reading in the grid: each placed answer tried from every cell that holds its first
  // letter, in the eight directions.
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c) {
      const auto u = static_cast<unsigned char>(letters_[Index(c, r)]);
      for (int e = entryStart_[u]; e < entryStart_[u + 1]; ++e) {
        const Entry entry = entries_[static_cast<std::size_t>(e)];
        if (entry.K != 0) break;
        if (!PlacementOf(entry.Answer)) continue;
        const std::string& text = answers_[static_cast<std::size_t>(entry.Answer)].Text;
        const int last = static_cast<int>(text.size()) - 1;
        for (const auto& [dc, dr] : kSteps) {
          if (!Inside(c + last * dc, r + last * dr)) continue;
          if (last > 0 && letters_[Index(c + dc, r + dr)] != text[1]) continue;
          const Segment reading{c, r, dc, dr, last + 1};
          if (ReadsWithin(text, reading) && !Allowed(reading, nullptr)) collect(reading);
        }
      }
    }

  // New letters for those cells; a second reading can now only run through a changed cell.
  std::vector<std::size_t> changed;
  for (int round = 0; round < maxRounds && !redraw.empty(); ++round) {
    changed.swap(redraw);
    redraw.clear();
    for (std::size_t i : changed) {
      marked[i] = 0;
      letters_[i] = newLetter();
    }
    for (std::size_t i : changed)
      ForEachSecondReadingThrough(static_cast<int>(i % cols_), static_cast<int>(i / cols_), collect);
  }
  if (redraw.empty()) return 0;

  // The bound is reached: settle each remaining cell with the first letter that leaves no
  // second reading through it. That never makes a new second reading elsewhere.
  std::sort(redraw.begin(), redraw.end());
  for (std::size_t i : redraw) {
    const int col = static_cast<int>(i % cols_);
    const int row = static_cast<int>(i / cols_);
    if (!SecondReadingThrough(col, row)) continue;
    const char before = letters_[i];
    bool settled = false;
    for (char letter = 'A'; letter <= 'Z' && !settled; ++letter) {
      letters_[i] = letter;
      settled = !SecondReadingThrough(col, row);
    }
    if (!settled) letters_[i] = before;
  }
  int left = 0;
  for (std::size_t i : redraw)
    if (SecondReadingThrough(static_cast<int>(i % cols_), static_cast<int>(i / cols_))) ++left;
  return left;
}

}  // namespace glimmerset
