#pragma once
// DirectionNames: the names that --directions takes: the eight directions and three presets.

#include <QString>
#include <vector>

namespace glimmerset::cli {

// The direction indexes of a comma-separated list of names and presets ("easy", "medium",
// "hard", "right", "down-left", ...), each once, in the construction's order; throws UsageError
// for a name it does not know.
std::vector<int> ParseDirections(const QString& list);

}  // namespace glimmerset::cli
