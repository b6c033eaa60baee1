#pragma once
// A puzzle core wired to a recording port, with helpers that load a grid and an answer list the
// way the loaders do.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPort.h"
#include "core/PuzzleCore.h"

namespace glimmerset::testing {

class CoreFixture : public ::testing::Test {
 protected:
  RecordingPort port;
  PuzzleCore core{port};
  PuzzleModel& model = core.session.Model;

  // One cell per character; every cell gets a fresh record and the grid is shown.
  void LoadGrid(const std::vector<std::string>& rows) {
    const int cols = rows.empty() ? 1 : static_cast<int>(rows.front().size());
    model.Grid.SetSize(static_cast<int>(rows.size()), cols);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < cols; ++c) model.Grid.SetText(c, r, std::string(1, rows[r][c]));
    model.ResetHighlights(true);
    model.GridPresent = true;
  }

  void LoadAnswers(const std::vector<std::string>& words) {
    model.Answers.clear();
    for (const auto& w : words) model.Answers.push_back(AnswerLine{w, std::nullopt});
    model.AnswerCount = static_cast<int>(words.size());
  }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int r = 0; r < model.Grid.RowCount(); ++r) rows.push_back(model.Grid.RowText(r));
    return rows;
  }

  Colour CellColour(int col, int row) const {
    const Tspec* record = model.Grid.Record(col, row);
    return record ? record->Colour : 0xDEADBEEF;
  }

  // The cells that carry a look other than the grid default.
  int MarkedCells() const {
    int marked = 0;
    const Tspec look = model.DefaultLook();
    for (int r = 0; r < model.Grid.RowCount(); ++r)
      for (int c = 0; c < model.Grid.ColCount(); ++c) {
        const Tspec* record = model.Grid.Record(c, r);
        if (record && (record->Colour != look.Colour || record->FontName != look.FontName)) ++marked;
      }
    return marked;
  }
};

}  // namespace glimmerset::testing
