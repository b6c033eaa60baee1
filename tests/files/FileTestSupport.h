#pragma once
// Helpers for the file tests: a session with a recording port, a temporary folder with files of
// given bytes, and a file chooser that answers from a queue and keeps every request.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "RecordingPort.h"
#include "core/CommandError.h"
#include "core/Session.h"
#include "files/FileChooser.h"
#include "files/ProgramSettings.h"

namespace glimmerset::testing {

class QueuedChooser : public FileChooser {
 public:
  std::deque<QString> answers;  // a null QString, or none left: cancelled
  std::vector<FileDialogRequest> opened;
  std::vector<FileDialogRequest> saved;

  std::optional<QString> OpenFile(const FileDialogRequest& request) override {
    opened.push_back(request);
    return Next();
  }
  std::optional<QString> SaveFile(const FileDialogRequest& request) override {
    saved.push_back(request);
    return Next();
  }

 private:
  std::optional<QString> Next() {
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
  }
};

class FileTest : public ::testing::Test {
 protected:
  RecordingPort port;
  Session session{port};
  ProgramSettings settings;
  QTemporaryDir dir;

  QString Path(const QString& name) const { return dir.filePath(name); }

  QString WriteBytes(const QString& name, const std::string& bytes) const {
    const QString path = Path(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }

  static std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
  }

  // Sets a grid of the given rows (all of one width) with records, shown, as a load leaves it.
  void SetGrid(const std::vector<std::string>& rows) {
    PuzzleModel& model = session.Model;
    model.Grid = LetterGrid(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        model.Grid.SetText(static_cast<int>(c), static_cast<int>(r), std::string(1, rows[r][c]));
    model.ResetHighlights(true);
    model.GridPresent = true;
  }

  std::vector<std::string> GridRows() const {
    std::vector<std::string> rows;
    for (int r = 0; r < session.Model.Grid.RowCount(); ++r) rows.push_back(session.Model.Grid.RowText(r));
    return rows;
  }

  bool EveryCellHasRecord() const {
    const LetterGrid& grid = session.Model.Grid;
    for (int r = 0; r < grid.RowCount(); ++r)
      for (int c = 0; c < grid.ColCount(); ++c)
        if (!grid.Record(c, r)) return false;
    return true;
  }

  template <typename F>
  static std::string ErrorOf(F&& action) {
    try {
      action();
    } catch (const CommandError& e) {
      return e.what();
    }
    return "<no error>";
  }
};

}  // namespace glimmerset::testing
