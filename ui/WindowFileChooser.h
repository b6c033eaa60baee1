#pragma once
// WindowFileChooser: the file commands' open and save dialogs, shown through the main window's
// dialogs so that tests can answer them.

#include <memory>

#include "WindowDialogs.h"
#include "files/FileChooser.h"

class QWidget;

namespace glimmerset::ui {

// The file commands' request as the window's dialogs take it.
FileRequest ToFileRequest(const FileDialogRequest& request);

class WindowFileChooser : public FileChooser {
 public:
  WindowFileChooser(QWidget* parent, std::shared_ptr<WindowDialogs> dialogs) : parent_(parent), dialogs_(std::move(dialogs)) {}
  std::optional<QString> OpenFile(const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
  std::shared_ptr<WindowDialogs> dialogs_;
};

}  // namespace glimmerset::ui
