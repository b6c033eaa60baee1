#include "PairWriter.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "core/CommandError.h"
#include "files/AnswerFile.h"
#include "files/GridFile.h"

namespace glimmerset::cli {

void WritePair(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& stem) {
  const QString gridFile = stem + QStringLiteral(".glm"), answerFile = stem + QStringLiteral(".ans");
  const QString gridPart = gridFile + QStringLiteral(".part"), answerPart = answerFile + QStringLiteral(".part");
  const auto removeParts = [&] {
    QFile::remove(gridPart);
    QFile::remove(answerPart);
  };
  try {
    WriteGridFile(grid, gridPart);
    WriteAnswerFile(answers, answerPart);
  } catch (...) {
    removeParts();
    throw;
  }
  std::error_code failed;
  std::filesystem::rename(gridPart.toStdString(), gridFile.toStdString(), failed);
  if (failed) {
    removeParts();
    throw CommandError("Cannot create file " + gridFile.toStdString());
  }
  std::filesystem::rename(answerPart.toStdString(), answerFile.toStdString(), failed);
  if (failed) {
    removeParts();
    throw CommandError("Cannot create file " + answerFile.toStdString());
  }
}

}  // namespace glimmerset::cli
