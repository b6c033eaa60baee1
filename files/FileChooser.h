#pragma once
// FileChooser: the file-open and file-save dialogs that the file commands ask for. The main window
// implements it with QFileDialog; tests answer from a queue. A request carries everything the
// dialog shows: title, filters (the Windows "Name|*.ext|..." text and its Qt form), the filter
// selected first, default suffix, starting folder, file name and whether to confirm overwriting.

#include <QString>
#include <QStringList>
#include <optional>

namespace glimmerset {

struct FileDialogRequest {
  QString Title;            // empty: the platform's default title
  QString WindowsFilter;    // "Glimmerset files|*.glm|All files|*.*"
  QStringList Filters;      // the same in Qt form: "Glimmerset files (*.glm)", "All files (*)"
  int SelectedFilter = 0;   // index into Filters
  QString DefaultSuffix;    // without the dot; empty for none
  QString StartFolder;      // a real folder
  QString FileName;         // the name offered first
  bool ConfirmOverwrite = false;

  // The filters joined for QFileDialog ("a;;b"), and the one selected first.
  QString QtFilter() const { return Filters.join(";;"); }
  QString SelectedFilterText() const { return SelectedFilter >= 0 && SelectedFilter < Filters.size() ? Filters[SelectedFilter] : QString(); }
};

// The Windows filter "Name|pattern|Name|pattern..." as Qt filters "Name (pattern)". Patterns
// separated by ";" become blank-separated, and "*.*" becomes "*" so that it matches every file.
QStringList QtFilters(const QString& windowsFilter);

// A request with the Windows filter converted.
FileDialogRequest MakeFileRequest(QString title, const QString& windowsFilter, int selectedFilter,
                                  QString defaultSuffix, QString startFolder, QString fileName = {},
                                  bool confirmOverwrite = false);

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file name, or nullopt when the user cancelled.
  virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace glimmerset
