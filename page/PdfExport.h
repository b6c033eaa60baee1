#pragma once
// PdfExport: writes printed pages into a PDF file safely: the whole document is made first, every
// write and the final flush are checked, and only then does the new file take the old one's place.
// Any failure leaves an existing file as it was and raises "Cannot create file %s".

#include <QString>
#include <vector>

#include "AnswerKeyPage.h"
#include "PuzzlePage.h"

namespace glimmerset::page {

void WritePdf(const QString& fileName, const std::vector<PagePainting>& pages);

// The puzzle page of the puzzle, as Print makes it, followed by its answer key.
std::vector<PagePainting> PuzzleAndKeyPages(const PrintPageText& puzzle, const AnswerKeyText& key, const QString& dateText);

}  // namespace glimmerset::page
