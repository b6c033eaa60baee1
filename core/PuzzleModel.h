#pragma once
// PuzzleModel: the one puzzle the program holds, with everything the window shows of it. The grid
// and its cell records, the answer list with its line colours, the found-answer paths, the game
// cursor, the appearance settings, the word box text, the status panels and which commands are
// available all live here; the window only mirrors this state and forwards input.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Colour.h"
#include "LetterGrid.h"
#include "PathTable.h"
#include "CellRecord.h"

namespace glimmerset {

// The five appearance settings that cell records take their look from.
struct Appearance {
  std::string GFont = "Times new Roman";
  Colour FCol = colours::Black;
  Colour BCol = colours::Blue;
  std::string AFont = "Times new Roman";
  Colour AFCol = colours::Black;
};

// One line of the answer list; without a colour it is drawn in the list's own text colour.
struct AnswerLine {
  std::string Text;
  std::optional<Colour> LineColour;
  bool operator==(const AnswerLine&) const = default;
};

// Pixel geometry of the grid view and its panel, and of the word box and answer list.
struct ViewLayout {
  int GridWidth = 44;
  int GridHeight = 44;
  int PanelLeft = 0;
  int PanelTop = 100;
  int WordBoxLeft = 528;
  int WordBoxWidth = 220;
  int AnswerListLeft = 528;
  int AnswerListWidth = 233;
  int WindowWidth = 1024;  // the main window's client width, kept up to date by the window
  int WindowHeight = 768;  // the main window's client height, kept up to date by the window
  // Pixels from one cell to the next: 22, or less for a grid too large for the 22-pixel layout,
  // which is then laid out at the largest pitch that fits the free area of the window (Fitted).
  int CellPitch = 22;
  bool Fitted = false;
};

// Which of the window's commands are available.
struct CommandState {
  bool PlayEnabled = true;      // GameBtn
  bool FindEnabled = true;      // ScanBtn
  bool SolveEnabled = true;     // ScanAll
  bool EditGridEnabled = false;  // the EDIT button
  bool EditMenuEnabled = true;  // Glimmerset > Edit
  bool WordBoxEnabled = false;
  bool AnswerListVisible = false;
};

enum StatusPanel { MessagePanel = 0, SizePanel = 1, SoundPanel = 2, CellPanel = 3, WordsPanel = 4, ScorePanel = 5 };

struct PuzzleModel {
  // The letter grid: 2 by 2 and empty at start, no grid present.
  LetterGrid Grid;
  bool CellsReady = false;
  bool GridPresent = false;

  // The answer list: answer n is line n - 1.
  std::vector<AnswerLine> Answers;
  int AnswerCount = 0;
  AnswerColourTable AnswerColours;
  PathTable Paths;
  // The answer entry dialog's own copy of the list, which the answer file writers save.
  std::vector<std::string> AnswersList;

  // The game.
  int CurrentAnswer = 1;
  int CurrentLetter = 1;
  bool GameRunning = false;
  int FoundCount = 0;
  int ErrorCount = 0;
  int ToFindCount = 0;
  bool Tracking = false;
  int AllowedErrors = 10;
  // Which answers the running game's check found in the grid (entry n - 1 for answer n): only
  // these can be traced. Emptied whenever the marks are cleared.
  std::vector<bool> PresentInGame;

  Appearance Look;

  // What the window shows around the grid.
  std::string WordText;
  std::array<std::string, 6> Status = {"Message", "Rows 0  Cols 0:", "Sound Enabled", "", "0 Words", "Score"};
  CommandState Commands;
  ViewLayout Layout;
  // The tick of the Sound menu item: sounds play only while it is set.
  bool SoundSwitch = true;
  bool SoundMenuEnabled = true;
  // A search, a long file read or a construction is running: commands that change the model wait.
  bool Busy = false;

  // Gives every cell the grid's default look; with create, every cell gets a fresh record first.
  // Without create it does nothing unless CellsReady; a cell that lacks a record gets one.
  void ResetHighlights(bool create);
  // Releases the record of every cell and clears CellsReady.
  void FreeCellRecords();
  // Unsets the paths of the first 20 answers, forgets which answers the game found present,
  // resets the highlights and the game counts. The caller asks for the redraw.
  void ClearAnswerMarks();
  // True when the running game's check found answer n in the grid.
  bool IsPresentInGame(int n) const {
    return n >= 1 && static_cast<std::size_t>(n) <= PresentInGame.size() && PresentInGame[static_cast<std::size_t>(n) - 1];
  }
  // Length of the longest line of the answer list; 0 for an empty list.
  int LongestAnswer() const;
  // Gives the cell the found-answer look of answer n (giving it a record first if it has none).
  void MarkFound(int col, int row, int n);
  // The grid default look.
  Tspec DefaultLook() const;
};

}  // namespace glimmerset
