#pragma once
// HelpWindow: shows the program's help file (HTML), opened at its contents. One window serves
// the whole run; asking for help again brings it to the front at the contents.

#include <QDialog>

class QTextBrowser;

namespace glimmerset::ui {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Loads the file and shows it at its contents; false when the file cannot be read.
  bool ShowContents(const QString& file);

  QTextBrowser* Browser = nullptr;
};

}  // namespace glimmerset::ui
