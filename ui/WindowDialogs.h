#pragma once
// WindowDialogs: the modal boxes the main window opens (messages, the OK/Abort box, file, font
// and colour choices) behind one small interface, so tests can answer them without a dialog.
// QtWindowDialogs is the real one.

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace glimmerset::ui {

// What a file dialog shows: its title, starting folder, type filters and default extension.
struct FileRequest {
  QString Title;
  QString Folder;
  QString Filter;         // "Grid files (*.glm);;All files (*)"; empty for no filter
  QString DefaultSuffix;   // without the dot; empty for none
  QString FileName;        // the name proposed in the dialog
  QString SelectedFilter;  // the filter chosen first; empty for the first
  bool ConfirmOverwrite = false;
};

// A font as the font command takes it: the face name and the letter colour.
struct ChosenFont {
  QString Face;
  QColor Colour;
};

class WindowDialogs {
 public:
  virtual ~WindowDialogs() = default;
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // True for OK, false for Abort.
  virtual bool AskOkAbort(QWidget* parent, const QString& text) = 0;
  virtual std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) = 0;
  virtual std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) = 0;
  // Opens showing the given font; nothing when the user cancels.
  virtual std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& shown) = 0;
  // The basic colours only; opens showing the given colour.
  virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& shown) = 0;
  // Shows one of the program's own dialogs modally and returns its result.
  virtual int RunDialog(QDialog& dialog);
};

class QtWindowDialogs : public WindowDialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  bool AskOkAbort(QWidget* parent, const QString& text) override;
  std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) override;
  std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& shown) override;
  std::optional<QColor> ChooseColour(QWidget* parent, const QColor& shown) override;
};

}  // namespace glimmerset::ui
