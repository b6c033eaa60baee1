#include "PrintPageText.h"

#include <algorithm>

namespace glimmerset::page {

std::string PrintedRow(const LetterGrid& grid, int row) {
  std::string line = " ";
  for (int col = 0; col < grid.ColCount(); ++col) {
    line += grid.Text(col, row);
    line += ' ';
  }
  return line;
}

std::array<std::vector<std::string>, 4> SplitAnswers(const std::vector<std::string>& answers) {
  std::array<int, 4> sizes = kColumnCapacity;
  const int count = static_cast<int>(answers.size());
  if (count > kUsualAnswerCapacity) {
    for (int column = 0; column < 4; ++column) sizes[static_cast<std::size_t>(column)] = count / 4 + (column < count % 4 ? 1 : 0);
  }
  std::array<std::vector<std::string>, 4> columns;
  auto next = answers.begin();
  for (std::size_t column = 0; column < 4; ++column) {
    const auto take = std::min<std::ptrdiff_t>(sizes[column], answers.end() - next);
    columns[column].assign(next, next + take);
    next += take;
  }
  return columns;
}

PrintPageText FillPrintPage(const LetterGrid& grid, const std::vector<AnswerLine>& answers) {
  PrintPageText page;
  page.GridLines.reserve(static_cast<std::size_t>(grid.RowCount()));
  for (int row = 0; row < grid.RowCount(); ++row) page.GridLines.push_back(PrintedRow(grid, row));
  page.GridHeightMm = kGridLineHeightMm * static_cast<double>(page.GridLines.size());

  std::vector<std::string> texts;
  texts.reserve(answers.size());
  for (const AnswerLine& line : answers) texts.push_back(line.Text);
  page.AnswerColumns = SplitAnswers(texts);
  return page;
}

}  // namespace glimmerset::page
