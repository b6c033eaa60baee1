#pragma once
// AnswerFile: loading an answer file (.ans) or any word list (.txt) into the answer list, and
// writing the answer entry dialog's list as an answer file, one word a line.

#include <QString>
#include <string>
#include <vector>

#include "ProgramSettings.h"
#include "core/Session.h"

namespace glimmerset {

// Fills the answer list from the file when it exists (the list and AnswersList replaced, lines
// in the list's own colour, the list shown), lays out the word box and the list, sets AnswerCount
// and status panel 4 ("N Answers") and AnswerFileName, whether the file existed or not. Pending
// window events run for every piece of every line, with the session busy. A file that exists but
// cannot be read throws CommandError "Cannot open file %s" before anything has changed.
void ReadAnswerFile(Session& session, ProgramSettings& settings, const QString& fileName);

// The word box and answer list geometry for the current list.
void LayOutAnswerList(Session& session);

// Writes the list, every line ended by CR LF (an empty list gives an empty file). Throws
// CommandError "Cannot create file %s"; an existing file is replaced only when writing succeeds.
void WriteAnswerFile(const std::vector<std::string>& answers, const QString& fileName);

}  // namespace glimmerset
