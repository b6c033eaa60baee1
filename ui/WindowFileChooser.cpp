#include "WindowFileChooser.h"

namespace glimmerset::ui {

FileRequest ToFileRequest(const FileDialogRequest& request) {
  FileRequest shown;
  shown.Title = request.Title;
  shown.Folder = request.StartFolder;
  shown.Filter = request.QtFilter();
  shown.SelectedFilter = request.SelectedFilterText();
  shown.DefaultSuffix = request.DefaultSuffix;
  shown.FileName = request.FileName;
  shown.ConfirmOverwrite = request.ConfirmOverwrite;
  return shown;
}

std::optional<QString> WindowFileChooser::OpenFile(const FileDialogRequest& request) {
  return dialogs_->OpenFile(parent_, ToFileRequest(request));
}

std::optional<QString> WindowFileChooser::SaveFile(const FileDialogRequest& request) {
  return dialogs_->SaveFile(parent_, ToFileRequest(request));
}

}  // namespace glimmerset::ui
