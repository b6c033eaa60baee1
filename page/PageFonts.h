#pragma once
// PageFonts: the faces the printed page names, each with the installed face that stands in for it.

#include <QFont>

namespace glimmerset::page {

QFont GridFont();    // Courier New, bold
QFont AnswerFont();  // Arial
QFont TitleFont();   // Mural Script

}  // namespace glimmerset::page
