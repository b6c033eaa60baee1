// The text rules under every reader: line cutting, the letters-only filter, whole numbers, the
// cutting of answer lines into words, the scanned-line cleaner and the grid file's content.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandError.h"
#include "files/AnswerText.h"
#include "files/GridText.h"
#include "files/ScanText.h"
#include "files/TextLines.h"
#include "files/stringutils.h"

namespace glimmerset {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLinesTest, LineEndsNulAndFinalLineEnd) {
  struct Case {
    std::string text;
    Lines lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB\r", {"A", "B"}},
      {"A\r\n\r\nB", {"A", "", "B"}},
      {"A\n\rB", {"A", "", "B"}},  // LF then a lone CR: two line ends
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {std::string("AB\0CD\nEF", 8), {"AB"}},
      {std::string("\0X", 2), {}},
      {"\xC9t\xE9\r\n", {"\xC9t\xE9"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

TEST(TextLinesTest, JoinEndsEveryLineWithCrLfAndSplitsBack) {
  const Lines lines = {"2", "", "x y", "\xFF"};
  const std::string text = JoinTextLines(lines);
  EXPECT_EQ(text, "2\r\n\r\nx y\r\n\xFF\r\n");
  EXPECT_EQ(SplitTextLines(text), lines);
  EXPECT_EQ(JoinTextLines({}), "");
}

TEST(StringUtilsTest, LettersOnlyKeepsAsciiLettersInOrderAndCase) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"ICE-CREAM", "ICECREAM"}, {"O'Neill", "ONeill"}, {"A----B", "AB"},     {"1.", ""},
      {"", ""},                  {"caf\xE9", "caf"},    {"Z z@[`{", "Zz"},  {std::string("a\0b", 3), "ab"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(LettersOnly(in), out) << in;
}

TEST(StringUtilsTest, UpperAndTrimTouchOnlyWhatTheyShould) {
  EXPECT_EQ(UpperAscii("az AZ \xE9\xFF{`"), "AZ AZ \xE9\xFF{`");
  EXPECT_EQ(TrimControl("\t \x01 ab c\r\x1F "), "ab c");
  EXPECT_EQ(TrimControl("\x21x\x7F"), "\x21x\x7F");
  EXPECT_EQ(TrimControl("\xA0x\xA0"), "\xA0x\xA0");  // bytes above 127 are not blanks
  EXPECT_EQ(TrimControl(" \t "), "");
}

TEST(StringUtilsTest, WholeNumbers) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases = {
      {"0", 0},          {"12", 12},          {"-3", -3},           {"+7", 7},
      {"  5", 5},        {"5 ", std::nullopt}, {"", std::nullopt},   {"-", std::nullopt},
      {"+-5", std::nullopt}, {"--5", std::nullopt}, {"1e3", std::nullopt}, {"abc", std::nullopt},
      {"2147483647", 2147483647}, {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1},
      {"99999999999999999999", std::nullopt}, {"0x10", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseWholeNumber(text), value) << text;
}

TEST(StringUtilsTest, CleanScanLineRemovesDotsAndBlanksAndReadsDigitsAsLetters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0I68", "OIGB"}, {"D.E F", "DEF"}, {"abc", "abc"}, {"2345 79", "234579"},
      {"1.0", "IO"},    {"", ""},         {"\tA\t", "\tA\t"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CleanScanLine(in), out) << in;
}

TEST(StringUtilsTest, CleanScanLinePumpsForEveryRemovedOrReplacedCharacter) {
  int pumps = 0;
  CleanScanLine("A. 0B8", [&] { ++pumps; });
  EXPECT_EQ(pumps, 4);
}

TEST(AnswerTextTest, CuttingRules) {
  struct Case {
    std::string line;
    Lines words;
  };
  const std::vector<Case> cases = {
      {"APPLE BANANA CHERRY DATE ELDERBERRY FIG", {"APPLE", "BANANA", "CHERRY", "DATE"}},
      {"   rock    and   roll   ", {"ROCK", "AND", "ROLL"}},
      {"NEW YORK CITY", {"NEW", "YORK", "CITY"}},
      {"CAT OX", {"CAT"}},
      {"OX", {"OX"}},
      {"A", {}},
      {"10 OX", {}},
      {"A----B", {"AB"}},
      {"ICE-CREAM", {"ICECREAM"}},
      {"1. APPLE", {"APPLE"}},
      {"O'NEILL", {"ONEILL"}},
      {"", {}},
      {"      ", {}},
      {"\tcat\t", {"CAT"}},
      // The first word is taken whole, whatever its length.
      {"SUPERCALIFRAGILISTICEXPIALIDOCIOUS YES", {"SUPERCALIFRAGILISTICEXPIALIDOCIOUS", "YES"}},
      // Only 20 characters after a blank are looked at: the word the 20th cuts gives its first part.
      {"X ABCDEFGHIJKLMNOPQRSTUVWXYZ", {"ABCDEFGHIJKLMNOPQRST"}},
      {"X ABCDEFGHIJKLMNO PQRSTUVW", {"ABCDEFGHIJKLMNO", "PQRS"}},
      {"X ABCDEFGHIJKLMNOPQ RSTUV", {"ABCDEFGHIJKLMNOPQ"}},  // "RS" is a last short piece
      {"caf\xE9 ol\xE9", {"CAF", "OL"}},
      {"a-b c", {"AB"}},
      {"TEA TEA", {"TEA", "TEA"}},
  };
  for (const auto& c : cases) {
    Lines words;
    CutAnswerLine(c.line, words);
    EXPECT_EQ(words, c.words) << c.line;
  }
}

TEST(AnswerTextTest, PumpsForEveryPieceOfEveryLine) {
  int pumps = 0;
  const Lines words = AnswerWords({"ONE TWO THREE", "", "FOUR"}, [&] { ++pumps; });
  EXPECT_EQ(words, (Lines{"ONE", "TWO", "THREE", "FOUR"}));
  EXPECT_EQ(pumps, 3 + 1 + 1);
}

TEST(GridTextTest, ReadsCellsAndSkipsOutsidePositions) {
  const GridText grid = ParseGridLines({"2", "3", "A", "B", "C", "x", "D", "E", "F", "y", "p", "q", "r", "s", "extra"});
  EXPECT_EQ(grid.Rows, 2);
  EXPECT_EQ(grid.Cols, 3);
  EXPECT_EQ(grid.Cells, (Lines{"A", "B", "C", "D", "E", "F"}));
}

TEST(GridTextTest, CountsBelowOneReadAsOneAndCellTextsStayAsTheyAre) {
  const GridText zero = ParseGridLines({"0", "-4", "ab ", "", "", ""});
  EXPECT_EQ(zero.Rows, 1);
  EXPECT_EQ(zero.Cols, 1);
  EXPECT_EQ(zero.Cells, (Lines{"ab "}));
  const GridText mixed = ParseGridLines({"1", "3", "a", "7", "", "", "", "", "", ""});
  EXPECT_EQ(mixed.Cells, (Lines{"a", "7", ""}));
}

TEST(GridTextTest, FaultyTextsGiveTheExactError) {
  struct Case {
    Lines lines;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{}, "List index out of bounds (0)"},
      {{"2"}, "List index out of bounds (1)"},
      {{"two", "3"}, "'two' is not a valid integer value"},
      {{"2", "3 "}, "'3 ' is not a valid integer value"},
      {{"", "3"}, "'' is not a valid integer value"},
      {{"1", "1", "A", "", ""}, "List index out of bounds (5)"},  // one line too few
      {{"2", "3", "A", "B", "C"}, "List index out of bounds (5)"},
      {{"100000", "100000", "A", "B", "C", "D", "E", "F", "G", "H"}, "List index out of bounds (10)"},
      {{"2147483647", "2147483647", "A"}, "List index out of bounds (3)"},
  };
  for (const auto& c : cases) {
    try {
      ParseGridLines(c.lines);
      ADD_FAILURE() << "accepted: " << c.error;
    } catch (const CommandError& e) {
      EXPECT_EQ(std::string(e.what()), c.error);
    }
  }
}

TEST(GridTextTest, FileLinesOfAGridIncludeEmptyOutsidePositions) {
  LetterGrid grid(2, 3);
  const std::string letters = "ABCDEF";
  for (int i = 0; i < 6; ++i) grid.SetText(i % 3, i / 3, std::string(1, letters[static_cast<std::size_t>(i)]));
  const Lines lines = GridFileLines(grid);
  EXPECT_EQ(lines, (Lines{"2", "3", "A", "B", "C", "", "D", "E", "F", "", "", "", "", ""}));
  EXPECT_EQ(ParseGridLines(lines).Cells, (Lines{"A", "B", "C", "D", "E", "F"}));
}

TEST(ScanTextTest, RowsFromEveryLineButTheLast) {
  int asked = 0;
  const auto grid = ParseScannedLines({"ABC", "D.E F", ""}, [&](char) { return ++asked, true; });
  ASSERT_TRUE(grid);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(grid->Rows, 2);
  EXPECT_EQ(grid->Cols, 3);
  EXPECT_EQ(grid->RowTexts, (Lines{"ABC", "DEF"}));
}

TEST(ScanTextTest, WidthFromTheFirstLineLongerRowsCutShorterKept) {
  const auto grid = ParseScannedLines({"AB", "CDEFG", "H", "0I68 abc", "last"}, [](char) { return true; });
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->Rows, 4);
  EXPECT_EQ(grid->Cols, 2);
  EXPECT_EQ(grid->RowTexts, (Lines{"AB", "CD", "H", "OI"}));
  const auto empty = ParseScannedLines({"", "x"}, [](char) { return true; });
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Cols, 1);
  EXPECT_EQ(empty->RowTexts, (Lines{""}));
}

TEST(ScanTextTest, DigitQuestionsOncePerDigitPerLineIncludingTheLastLine) {
  std::string asked;
  const auto grid = ParseScannedLines({"A7B77", "C9D", "23 7"}, [&](char d) { return asked += d, true; });
  ASSERT_TRUE(grid);
  EXPECT_EQ(asked, "79" "237");
  EXPECT_EQ(grid->RowTexts, (Lines{"A7B77", "C9D"}));

  asked.clear();
  const auto aborted = ParseScannedLines({"A7B9", "C"}, [&](char d) { return asked += d, false; });
  EXPECT_FALSE(aborted);
  EXPECT_EQ(asked, "7");
}

TEST(ScanTextTest, TooFewLinesAndTooLargeGridsAreRefused) {
  const std::vector<std::pair<Lines, std::string>> cases = {
      {{}, "List index out of bounds (0)"},
      {{"ABC"}, "List index out of bounds (1)"},
      {Lines(3001, std::string(2000, 'A')), "The scanned grid is too large: 3000 rows by 2000 columns"},
  };
  for (const auto& [lines, error] : cases) {
    try {
      ParseScannedLines(lines, [](char) { return true; });
      ADD_FAILURE() << "accepted: " << error;
    } catch (const CommandError& e) {
      EXPECT_EQ(std::string(e.what()), error);
    }
  }
}

}  // namespace
}  // namespace glimmerset
