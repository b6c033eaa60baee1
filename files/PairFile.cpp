#include "PairFile.h"

#include <optional>

#include "GridText.h"
#include "SafeFile.h"
#include "TextLines.h"

namespace glimmerset {

void WritePuzzlePair(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& gridFile,
                     const QString& answerFile) {
  std::optional<PendingFile> gridPending;
  if (grid.RowCount() >= 2) gridPending.emplace(gridFile, JoinTextLines(GridFileLines(grid)));
  PendingFile answersPending(answerFile, JoinTextLines(answers));
  std::vector<PendingFile*> pending;
  if (gridPending) pending.push_back(&*gridPending);
  pending.push_back(&answersPending);
  ReplaceFilesTogether(pending.data(), pending.size());
}

void WritePuzzlePairQuickly(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& gridFile,
                            const QString& answerFile) {
  std::vector<std::pair<QString, std::string>> files;
  if (grid.RowCount() >= 2) files.emplace_back(gridFile, JoinTextLines(GridFileLines(grid)));
  files.emplace_back(answerFile, JoinTextLines(answers));
  PlaceFilesQuickly(files);
}

}  // namespace glimmerset
