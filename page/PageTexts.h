#pragma once
// PageTexts: the fixed texts of the printed puzzle page and of its answer key.

namespace glimmerset::page {

inline constexpr const char* kPageTitle = "Glimmerset by Marlock-Solutions";
inline constexpr const char* kCreatedLabel = "Glimmerset Created ";
inline constexpr const char* kFooterNote = "Find every word hidden in the grid";

// The answer key page.
inline constexpr const char* kKeyTitle = "Answer Key";
inline constexpr const char* kKeyNote = "Every answer ringed in its colour";
inline constexpr const char* kMissingMark = " (missing)";

}  // namespace glimmerset::page
