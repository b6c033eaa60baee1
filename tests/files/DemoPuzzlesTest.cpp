// The five demonstration puzzles that come with the program: each loads from the program folder
// and the solver finds every one of its answers; together they use all eight directions.
#include <QFileInfo>
#include <cstdlib>
#include <set>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"
#include "files/Demos.h"
#include "files/GridFile.h"
#include "files/ProgramFolder.h"
#include "core/SolveCommands.h"
#include "files/FileCommands.h"

namespace glimmerset {
namespace {

using testing::FileTest;

struct Step {
  int dc, dr;
  bool operator<(const Step& o) const { return std::tie(dc, dr) < std::tie(o.dc, o.dr); }
};

// The direction of a found answer from the positions the finder recorded, after checking that
// they lie on one straight line and hold the answer's letters.
std::optional<Step> RecordedDirection(const PuzzleModel& model, const std::string& word, int n) {
  const GridPos first = model.Paths.Get(n, 1);
  const GridPos second = model.Paths.Get(n, 2);
  const Step step{second.Col - first.Col, second.Row - first.Row};
  if (std::abs(step.dc) > 1 || std::abs(step.dr) > 1 || (step.dc == 0 && step.dr == 0)) return std::nullopt;
  for (std::size_t k = 0; k < word.size(); ++k) {
    const GridPos pos = model.Paths.Get(n, static_cast<int>(k) + 1);
    const int i = static_cast<int>(k);
    if (pos.Col != first.Col + step.dc * i || pos.Row != first.Row + step.dr * i) return std::nullopt;
    if (model.Grid.Text(pos.Col, pos.Row) != std::string(1, word[k])) return std::nullopt;
  }
  return step;
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
    SolveCommands solver(session);
    EXPECT_EQ(solver.SolveList(true), session.Model.AnswerCount);
    for (std::size_t i = 0; i < session.Model.Answers.size(); ++i) {
      const std::string& word = session.Model.Answers[i].Text;
      const int n = static_cast<int>(i) + 1;
      EXPECT_EQ(session.Model.AnswerColours.Get(n), colours::Blue) << word;
      const auto direction = RecordedDirection(session.Model, word, n);
      ASSERT_TRUE(direction.has_value()) << word;
      directions.insert(*direction);
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

TEST_F(DemoPuzzlesTest, DemoEntrySolvesTheCitiesCompletely) {
  testing::QueuedChooser chooser;
  FileCommands commands(session, settings, chooser);
  SolveCommands solver(session);
  commands.Demo1Click([&] { solver.Solve(); });
  EXPECT_GE(session.Model.AnswerCount, 10);
  EXPECT_EQ(session.Model.Status[MessagePanel], "Found All " + std::to_string(session.Model.AnswerCount) + " words");
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages.back(), "Now you can Clear the answers and try to solve it yourself !");
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
