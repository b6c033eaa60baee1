#include "WindowDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>

namespace glimmerset::ui {

namespace {

// Messages carry a bare carriage return as their line break; Qt breaks lines on '\n'.
QString ForDisplay(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n'); }

QFileDialog* MakeFileDialog(QWidget* parent, const FileRequest& request) {
  auto* dialog = new QFileDialog(parent, request.Title, request.Folder);
  if (!request.Filter.isEmpty()) dialog->setNameFilter(request.Filter);
  if (!request.SelectedFilter.isEmpty()) dialog->selectNameFilter(request.SelectedFilter);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
  QString suffix = request.DefaultSuffix;
  suffix.remove(QLatin1Char('*')).remove(QLatin1Char('.'));
  if (!suffix.isEmpty()) dialog->setDefaultSuffix(suffix);
  if (!request.FileName.isEmpty()) dialog->selectFile(request.FileName);
  return dialog;
}

std::optional<QString> RunFileDialog(QFileDialog* dialog) {
  std::optional<QString> chosen;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) chosen = dialog->selectedFiles().first();
  delete dialog;
  return chosen;
}

// Leaves only the basic colours of Qt's own colour dialog: the custom colours, the screen picker
// and the free colour editor cannot be opened.
void HideCustomColourPart(QColorDialog& dialog) {
  bool basicWellSeen = false;
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    const QString kind = QString::fromLatin1(child->metaObject()->className());
    if (kind.contains(QLatin1String("QWellArray"))) {
      if (basicWellSeen) child->hide();
      basicWellSeen = true;
    } else if (kind.contains(QLatin1String("QColorPicker")) || kind.contains(QLatin1String("QColorLuminancePicker")) ||
               kind.contains(QLatin1String("QColorShower"))) {
      child->hide();
    } else if (auto* button = qobject_cast<QAbstractButton*>(child);
               button && (button->text().contains(QLatin1String("Custom")) || button->text().contains(QLatin1String("Screen")))) {
      button->hide();
    } else if (auto* label = qobject_cast<QLabel*>(child); label && label->text().contains(QLatin1String("Custom"))) {
      label->hide();
    }
  }
}

}  // namespace

void QtWindowDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), ForDisplay(text), QMessageBox::Ok);
}

bool QtWindowDialogs::AskOkAbort(QWidget* parent, const QString& text) {
  return QMessageBox::critical(parent, QApplication::applicationName(), ForDisplay(text), QMessageBox::Ok | QMessageBox::Abort) ==
         QMessageBox::Ok;
}

std::optional<QString> QtWindowDialogs::OpenFile(QWidget* parent, const FileRequest& request) {
  QFileDialog* dialog = MakeFileDialog(parent, request);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog);
}

std::optional<QString> QtWindowDialogs::SaveFile(QWidget* parent, const FileRequest& request) {
  QFileDialog* dialog = MakeFileDialog(parent, request);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  return RunFileDialog(dialog);
}

std::optional<ChosenFont> QtWindowDialogs::ChooseFont(QWidget* parent, const ChosenFont& shown) {
  // Qt's font dialog has no colour part, so the letter colour is asked for right after the face.
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, QFont(shown.Face), parent, QObject::tr("Font"));
  if (!ok) return std::nullopt;
  const QColor colour = QColorDialog::getColor(shown.Colour, parent, QObject::tr("Font Colour"));
  if (!colour.isValid()) return std::nullopt;
  return ChosenFont{font.family(), colour};
}

std::optional<QColor> QtWindowDialogs::ChooseColour(QWidget* parent, const QColor& shown) {
  QColorDialog dialog(shown, parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  HideCustomColourPart(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedColor();
}

int WindowDialogs::RunDialog(QDialog& dialog) { return dialog.exec(); }

}  // namespace glimmerset::ui
