#pragma once
// ReadingBoard: construction's working copy of the grid (the letters, and the answer number of
// each cell of the current pass) together with where each answer of the pass lies. It keeps every
// answer readable in one place only: a placement that would let an answer be read a second time
// through placed letters is refused, and once the answers are placed, the other letters that
// spell a second reading are drawn again.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "LetterGrid.h"
#include "PuzzleModel.h"

namespace glimmerset {

// A straight run of cells: the first cell, the step to each next cell and the number of cells.
struct Segment {
  int Col = 0;
  int Row = 0;
  int ColStep = 0;
  int RowStep = 0;
  int Length = 0;
};

// Whether every cell of inner lies on outer, along the same line.
bool SegmentContains(const Segment& outer, const Segment& inner);

class ReadingBoard {
 public:
  // Takes the letters and answer numbers of the grid and the answers to keep single, and
  // forgets every placement.
  void Load(const LetterGrid& grid, const std::vector<AnswerLine>& answers);
  // True while the grid has not changed since it was loaded or last written through this board.
  bool InStep(const LetterGrid& grid) const { return loaded_ && revision_ == grid.Revision(); }
  void FollowWrites(const LetterGrid& grid) { revision_ = grid.Revision(); }

  char Letter(int col, int row) const { return letters_[Index(col, row)]; }
  int Owner(int col, int row) const { return owners_[Index(col, row)]; }
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

  // Writes word as answer n along cells if that leaves every placed answer, and word itself,
  // readable only once through placed letters; otherwise changes nothing and returns false.
  // The caller has already checked that the cells lie in the grid and that the word crosses
  // placed answers only where the letters agree.
  bool Place(const std::string& word, const Segment& cells, int n);

  // Draws new letters (from newLetter) for every cell that is not a placed answer letter and
  // lies on a second reading of a placed answer, until no placed answer reads twice. After
  // maxRounds rounds of random letters, the cells still on a second reading are settled one by
  // one with the first letter from A to Z that leaves no second reading through them. Returns
  // the number of cells that are still on a second reading (0 unless a list leaves some cell no
  // letter that reads no answer a second time).
  int RedrawSecondReadings(const std::function<char()>& newLetter, int maxRounds);

 private:
  struct Answer {
    std::string Text;
    bool Palindrome;
  };
  struct Entry {  // letter K of answer Answer
    int Answer;
    int K;
  };
  struct Reading {
    int Answer;  // index in the answer list
    Segment Cells;
  };

  std::size_t Index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
  }
  bool Inside(int col, int row) const {
    return static_cast<unsigned>(col) < static_cast<unsigned>(cols_) &&
           static_cast<unsigned>(row) < static_cast<unsigned>(rows_);
  }
  bool Placed(int col, int row) const { return Inside(col, row) && owners_[Index(col, row)] != 0; }
  bool ReadsAt(const std::string& text, const Segment& cells) const;
  // ReadsAt for cells known to lie in the grid.
  bool ReadsWithin(const std::string& text, const Segment& cells) const {
    const std::ptrdiff_t first = static_cast<std::ptrdiff_t>(Index(cells.Col, cells.Row));
    const std::ptrdiff_t step = static_cast<std::ptrdiff_t>(cells.RowStep) * cols_ + cells.ColStep;
    for (std::size_t k = 0; k < text.size(); ++k)
      if (letters_[static_cast<std::size_t>(first + static_cast<std::ptrdiff_t>(k) * step)] != text[k]) return false;
    return true;
  }
  // Whether a reading lies within an answer placed in this pass (its own place, or a part of a
  // longer answer that holds it), or within the extra segment.
  bool Allowed(const Segment& reading, const Segment* extra) const;
  const Segment* PlacementOf(int answer) const;

  // Checks of Place, with the word already written: the readings through placed letters that
  // run through the newly written letter k of the word. backOfWord and aheadOfWord count the
  // placed letters that continue the word's line before and after it.
  bool NewCellKeepsSingle(int col, int row, int k, const std::string& word, const Segment& cells, int self,
                          bool listed, int backOfWord, int aheadOfWord);
  // The readings of text that hold its letter at in the cell, along the line (dc, dr) one way or
  // the other, within back and ahead placed letters of the cell. False when one of them is a
  // second reading of an answer that must stay single; other second readings are noted in found_.
  bool ReadingsKeepSingle(int col, int row, int dc, int dr, int back, int ahead, int answer, const std::string& text,
                          bool palindrome, int at, bool mustBeSingle, const Segment& cells);
  // Calls found for every reading of a placed answer through the cell that is not allowed.
  void ForEachSecondReadingThrough(int col, int row, const std::function<void(const Segment&)>& found) const;
  bool SecondReadingThrough(int col, int row) const;

  bool loaded_ = false;
  std::uint64_t revision_ = 0;
  int rows_ = 0;
  int cols_ = 0;
  std::vector<char> letters_;
  std::vector<int> owners_;
  std::vector<Answer> answers_;
  int shortest_ = 0;                 // the length of the shortest answer that is not empty
  std::vector<Entry> entries_;       // every letter of every answer, by letter
  std::array<int, 257> entryStart_{};  // where the entries of a letter begin in entries_
  // Where each answer of the list was placed in this pass, by index.
  std::vector<std::optional<Segment>> placements_;
  // Readings through placed letters of answers not yet placed, found as their letters were placed.
  std::vector<Reading> early_;
  std::vector<Reading> found_;  // scratch of Place
  struct Saved {
    char Letter;
    int Owner;
    bool Free;
  };
  std::vector<Saved> saved_;  // scratch of Place
};

}  // namespace glimmerset
