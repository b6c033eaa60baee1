// The five demonstration puzzles that come with the program: each loads from the program folder
// and every one of its answers lies in its grid; together they use all eight directions.
#include <QFileInfo>
#include <set>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"
#include "files/Demos.h"
#include "files/GridFile.h"
#include "files/ProgramFolder.h"

namespace glimmerset {
namespace {

using testing::FileTest;

struct Step {
  int dc, dr;
  bool operator<(const Step& o) const { return std::tie(dc, dr) < std::tie(o.dc, o.dr); }
};

// Every direction in which the word lies in the grid (a plain search, independent of the program's).
std::vector<Step> Placements(const LetterGrid& grid, const std::string& word) {
  std::vector<Step> found;
  for (int dr = -1; dr <= 1; ++dr)
    for (int dc = -1; dc <= 1; ++dc) {
      if (!dr && !dc) continue;
      for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c) {
          std::size_t k = 0;
          while (k < word.size() && grid.Text(c + dc * static_cast<int>(k), r + dr * static_cast<int>(k)) ==
                                        std::string(1, word[k]))
            ++k;
          if (k == word.size()) found.push_back({dc, dr});
        }
    }
  return found;
}

class DemoPuzzlesTest : public FileTest {
 protected:
  void SetUp() override { SetProgramFolder(QStringLiteral(GLIMMERSET_PROGRAM_DIR)); }
  void TearDown() override { SetProgramFolder(QString()); }
};

TEST_F(DemoPuzzlesTest, EveryDemoIsARealPuzzleWhoseAnswersAllLieInTheGrid) {
  std::set<Step> directions;
  for (const DemoPair& pair : DemoPairs()) {
    SCOPED_TRACE(pair.Caption);
    port.Forget();
    LoadDemoPair(session, settings, pair.Tag);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(QFileInfo(settings.GridFileName).fileName(), pair.GridFile);
    EXPECT_EQ(QFileInfo(settings.AnswerFileName).fileName(), pair.AnswerFile);

    const LetterGrid& grid = session.Model.Grid;
    EXPECT_GE(grid.RowCount(), 12);
    EXPECT_LE(grid.RowCount(), 20);
    EXPECT_GE(grid.ColCount(), 12);
    EXPECT_LE(grid.ColCount(), 20);
    EXPECT_GE(session.Model.AnswerCount, 10);
    EXPECT_LE(session.Model.AnswerCount, 30);
    for (int r = 0; r < grid.RowCount(); ++r) {
      const std::string row = grid.RowText(r);
      EXPECT_EQ(row.size(), static_cast<std::size_t>(grid.ColCount()));
      EXPECT_EQ(row.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << row;
    }
    for (const auto& answer : session.Model.Answers) {
      const auto found = Placements(grid, answer.Text);
      EXPECT_FALSE(found.empty()) << answer.Text;
      directions.insert(found.begin(), found.end());
    }
  }
  EXPECT_EQ(directions.size(), 8u);
}

TEST_F(DemoPuzzlesTest, TheCitiesReachTheirFilesUnderBothSpellings) {
  for (const QString name : {"cityans.ans", "CityAns.ans", "citys.glm", "Citys.glm"})
    EXPECT_TRUE(QFileInfo(DemoFile(name)).isFile()) << name.toStdString();
  settings.AnswerFileName = "mine.ans";
  LoadCityDemo(session, settings);
  EXPECT_TRUE(port.messages.empty());
  EXPECT_TRUE(session.Model.GridPresent);
  EXPECT_GE(session.Model.AnswerCount, 10);
  EXPECT_EQ(settings.AnswerFileName, "mine.ans");
}

TEST_F(DemoPuzzlesTest, ChooserTableHasFiveTaggedPairsWithTopics) {
  const std::vector<std::string> captions = {"Citys", "Actress", "Family", "Simple", "Movies"};
  ASSERT_EQ(DemoPairs().size(), captions.size());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    EXPECT_EQ(DemoPairs()[i].Tag, static_cast<int>(i + 1));
    EXPECT_EQ(DemoPairs()[i].Caption, captions[i]);
    EXPECT_NE(std::string(DemoPairs()[i].Topic), "");
  }
  EXPECT_EQ(std::string(FindDemoPair(1)->Topic), "Find capital citys across theworld");
  EXPECT_EQ(FindDemoPair(6), nullptr);
}

}  // namespace
}  // namespace glimmerset
