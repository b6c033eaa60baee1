#include "FileChooser.h"

#include <utility>

namespace glimmerset {

QStringList QtFilters(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

FileDialogRequest MakeFileRequest(QString title, const QString& windowsFilter, int selectedFilter,
                                  QString defaultSuffix, QString startFolder, QString fileName,
                                  bool confirmOverwrite) {
  FileDialogRequest request;
  request.Title = std::move(title);
  request.WindowsFilter = windowsFilter;
  request.Filters = QtFilters(windowsFilter);
  request.SelectedFilter = selectedFilter;
  request.DefaultSuffix = std::move(defaultSuffix);
  request.StartFolder = std::move(startFolder);
  request.FileName = std::move(fileName);
  request.ConfirmOverwrite = confirmOverwrite;
  return request;
}

}  // namespace glimmerset
