#pragma once
// PairWriter: writes a puzzle pair (NAME.glm and NAME.ans) with the program's own writers so that
// both files are made in full before either takes the place of an existing one; a failure leaves
// no new file and every old file as it was.

#include <QString>
#include <string>
#include <vector>

#include "core/LetterGrid.h"

namespace glimmerset::cli {

void WritePair(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& stem);

}  // namespace glimmerset::cli
