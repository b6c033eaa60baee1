#pragma once
// AnswerText: how any line of an answer file or word list becomes answers. The first word of the
// line is taken whole; of the rest only the 20 characters after the first blank are looked at,
// again and again, until two characters or fewer are left. Words are upper-cased, keep only their
// letters and need two letters at least.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace glimmerset {

// Appends the answers of one line to words; the pump runs once for each piece looked at.
void CutAnswerLine(std::string_view line, std::vector<std::string>& words, const std::function<void()>& pump = {});

// The answers of every line, in file order.
std::vector<std::string> AnswerWords(const std::vector<std::string>& lines, const std::function<void()>& pump = {});

}  // namespace glimmerset
