// Glimmerset: the application object, the font stand-ins, the main window and the event loop.
#include <QApplication>
#include <QFont>

#include "ui/words.h"

namespace {

// The faces the program names, mapped to installed faces that look the part.
void InstallFontSubstitutes() {
  const std::pair<const char*, const char*> substitutes[] = {
      {"MS Sans Serif", "Liberation Sans"},       {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},    {"Times new roman", "Liberation Serif"},
      {"Times new Roman", "Liberation Serif"},    {"Courier New", "Liberation Mono"},
      {"Mural Script", "Dancing Script"},         {"Book Antiqua", "TeX Gyre Pagella"},
  };
  for (const auto& [face, standIn] : substitutes) QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(standIn));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Glimmerset"));
  QApplication::setOrganizationName(QStringLiteral("Marlock"));
  InstallFontSubstitutes();

  TWordForm window;
  window.show();
  window.activateWindow();
  return app.exec();
}
