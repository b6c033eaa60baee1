#pragma once
// PairFile: writes a puzzle pair, the grid file and the answer file of one name, as Save
// Glimmerset does: both new files are written in full before either replaces an old one, and
// when the second cannot be put in place the first gets its old content back.

#include <QString>
#include <string>
#include <vector>

#include "core/LetterGrid.h"

namespace glimmerset {

// A grid of fewer than two rows is not written, as Save Glimmerset leaves it out. Throws
// CommandError "Cannot create file %s" naming the file that failed.
void WritePuzzlePair(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& gridFile,
                     const QString& answerFile);
// The same pair for a batch: both files in full before either is put in place, without waiting
// for the disk after each pair (the batch calls SyncFolder at its end).
void WritePuzzlePairQuickly(const LetterGrid& grid, const std::vector<std::string>& answers, const QString& gridFile,
                            const QString& answerFile);

}  // namespace glimmerset
