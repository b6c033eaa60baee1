#pragma once
// TextLines: the program's 8-bit text files cut into lines. A line ends at CR LF, a lone CR or a
// lone LF; a NUL byte ends the text; a line end at the very end adds no empty last line. Writers
// end every line, the last one included, with CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace glimmerset {

std::vector<std::string> SplitTextLines(std::string_view text);

// The lines joined, each followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

}  // namespace glimmerset
