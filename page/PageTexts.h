#pragma once
// PageTexts: the fixed texts of the printed puzzle page.

namespace glimmerset::page {

inline constexpr const char* kPageTitle = "Glimmerset by Marlock-Solutions";
inline constexpr const char* kCreatedLabel = "Glimmerset Created ";
inline constexpr const char* kFooterNote = "Find every word hidden in the grid";

}  // namespace glimmerset::page
