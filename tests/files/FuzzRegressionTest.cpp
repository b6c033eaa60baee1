// Inputs that the fuzzers of the three text readers produced, kept as fixtures: each is read
// through the real reader and must either be refused with an error text, leaving the puzzle as it
// was, or give a consistent puzzle.
#include <QDir>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"
#include "files/GridFile.h"
#include "files/ScanImport.h"

namespace glimmerset {
namespace {

using testing::FileTest;

QStringList Fixtures(const QString& folder) {
  QDir dir(QStringLiteral(GLIMMERSET_TEST_DATA) + "/fuzz/" + folder);
  QStringList paths;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) paths << dir.filePath(name);
  return paths;
}

class FuzzRegressionTest : public FileTest {
 protected:
  void ExpectUnchangedGrid() {
    EXPECT_EQ(GridRows(), (std::vector<std::string>{"AB", "CD"}));
    EXPECT_TRUE(EveryCellHasRecord());
    EXPECT_TRUE(session.Model.GridPresent);
  }
};

TEST_F(FuzzRegressionTest, GridFiles) {
  const QStringList files = Fixtures("grid");
  ASSERT_GE(files.size(), 3);
  int refused = 0;
  for (const QString& file : files) {
    SetGrid({"AB", "CD"});
    settings.GridFileName = "before";
    try {
      ReadGridFile(session, settings, file);
      EXPECT_TRUE(EveryCellHasRecord()) << file.toStdString();
      EXPECT_EQ(settings.GridFileName, file);
      EXPECT_EQ(session.Model.Status[SizePanel], GridSizeText(session.Model.Grid.RowCount(), session.Model.Grid.ColCount()));
    } catch (const CommandError&) {
      ++refused;
      ExpectUnchangedGrid();
      EXPECT_EQ(settings.GridFileName, "before");
    }
  }
  EXPECT_GT(refused, 0);
  EXPECT_LT(refused, files.size());
}

TEST_F(FuzzRegressionTest, AnswerFiles) {
  const QStringList files = Fixtures("answer");
  ASSERT_GE(files.size(), 3);
  for (const QString& file : files) {
    ReadAnswerFile(session, settings, file);
    EXPECT_EQ(session.Model.AnswerCount, static_cast<int>(session.Model.Answers.size()));
    for (const auto& line : session.Model.Answers) {
      EXPECT_GE(line.Text.size(), 2u);
      EXPECT_EQ(line.Text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << line.Text;
    }
  }
}

TEST_F(FuzzRegressionTest, ScannedGrids) {
  const QStringList files = Fixtures("scan");
  ASSERT_GE(files.size(), 3);
  for (const QString& file : files) {
    for (bool ok : {false, true}) {
      SetGrid({"AB", "CD"});
      port.okAbortAnswers.assign(1000, ok);
      try {
        if (ImportScannedGrid(session, file)) {
          EXPECT_TRUE(EveryCellHasRecord()) << file.toStdString();
          EXPECT_TRUE(session.Model.GridPresent);
        } else {
          ExpectUnchangedGrid();
        }
      } catch (const CommandError&) {
        ExpectUnchangedGrid();
      }
    }
  }
}

}  // namespace
}  // namespace glimmerset
