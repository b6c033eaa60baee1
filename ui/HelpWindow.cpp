#include "HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace glimmerset::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), Browser(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Glimmerset Help"));
  setModal(false);
  resize(560, 600);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser);
  Browser->setOpenExternalLinks(true);
}

bool HelpWindow::ShowContents(const QString& file) {
  const QFileInfo help(file);
  if (!help.isFile() || !help.isReadable()) return false;
  Browser->setSource(QUrl::fromLocalFile(help.absoluteFilePath()));
  Browser->scrollToAnchor(QStringLiteral("contents"));
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace glimmerset::ui
