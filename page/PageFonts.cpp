#include "PageFonts.h"

#include <QStringList>

namespace glimmerset::page {

namespace {
QFont FontOf(const char* face, const char* standIn) {
  QFont font;
  font.setFamilies({QString::fromLatin1(face), QString::fromLatin1(standIn)});
  return font;
}
}  // namespace

QFont GridFont() {
  QFont font = FontOf("Courier New", "Liberation Mono");
  font.setBold(true);
  return font;
}

QFont AnswerFont() { return FontOf("Arial", "Liberation Sans"); }

QFont TitleFont() { return FontOf("Mural Script", "Dancing Script"); }

}  // namespace glimmerset::page
