// glimmerset-cli make and solve, and its answers to bad input: exit statuses, outputs, messages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRun.h"
#include "UniqueReadingsCheck.h"

using namespace glimmerset::testing;

namespace {

class Cli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  void Write(const QString& name, const QByteArray& text) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  CliResult Run(const QStringList& arguments) { return RunCli(arguments, dir.path()); }
  // The grid's rows, read back from a grid file the way it is laid out: counts, then cells.
  std::vector<std::string> GridRows(const QString& name) const {
    const QList<QByteArray> lines = Read(name).split('\n');
    const int rows = lines.value(0).trimmed().toInt(), cols = lines.value(1).trimmed().toInt();
    std::vector<std::string> grid(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) grid[static_cast<std::size_t>(r)] += lines.value(2 + r * (cols + 1) + c).trimmed().toStdString();
    return grid;
  }

  QTemporaryDir dir;
  const QByteArray animals = "Cat, dog; SUN\nhat bed\r\ncup pen box\negg map\n";
};

TEST_F(Cli, UsageHelpAndVersion) {
  struct Case {
    QStringList arguments;
    int status;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{}, 2, "", "Usage: glimmerset-cli"},
      {{"frobnicate"}, 2, "", "Unknown command \"frobnicate\""},
      {{"--help"}, 0, "Usage: glimmerset-cli", ""},
      {{"--version"}, 0, "glimmerset-cli 1.", ""},
      {{"make", "--help"}, 0, "Usage: glimmerset-cli make [options] WORDLIST", ""},
      {{"make", "--help"}, 0, "--directions", ""},
      {{"solve", "--help"}, 0, "--json", ""},
      {{"print", "--help"}, 0, "--key", ""},
      {{"make", "words.txt", "--out", "x", "--bogus"}, 2, "", "Unknown option 'bogus'"},
      {{"make", "words.txt"}, 2, "", "--out NAME"},
      {{"solve", "only-one.glm"}, 2, "", "solve takes a grid file and an answer file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
    const CliResult result = Run(c.arguments);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_TRUE(result.Out.contains(QString::fromLatin1(c.out))) << result.Out.toStdString();
    EXPECT_TRUE(result.Err.contains(QString::fromLatin1(c.err))) << result.Err.toStdString();
  }
}

TEST_F(Cli, MakeThenSolveFindsEveryAnswerAndASeedRepeatsThePuzzle) {
  Write(QStringLiteral("words.txt"), animals);
  const CliResult made = Run({"make", "words.txt", "--seed", "7", "--out", "puzzle"});
  ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
  EXPECT_TRUE(made.Err.isEmpty()) << made.Err.toStdString();
  // The answer file holds the cleaned words, as Save Glimmerset writes them.
  EXPECT_EQ(Read(QStringLiteral("puzzle.ans")), QByteArray("CAT\r\nDOG\r\nSUN\r\nHAT\r\nBED\r\nCUP\r\nPEN\r\nBOX\r\nEGG\r\nMAP\r\n"));

  const CliResult solved = Run({"solve", "puzzle.glm", "puzzle.ans"});
  EXPECT_EQ(solved.Status, 0) << solved.Out.toStdString() << solved.Err.toStdString();
  const QStringList lines = solved.Out.trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("CAT: found at (")));
  for (const QString& line : lines) EXPECT_TRUE(line.contains(QStringLiteral(": found at "))) << line.toStdString();

  const QByteArray first = Read(QStringLiteral("puzzle.glm"));
  ASSERT_EQ(Run({"make", "words.txt", "--seed", "7", "--out", "again"}).Status, 0);
  EXPECT_EQ(Read(QStringLiteral("again.glm")), first);
  ASSERT_EQ(Run({"make", "words.txt", "--seed", "8", "--out", "other"}).Status, 0);
  EXPECT_NE(Read(QStringLiteral("other.glm")), first);
}

TEST_F(Cli, MakeABatchWithASizeAndDirections) {
  Write(QStringLiteral("words.txt"), animals);
  const CliResult made = Run({"make", "words.txt", "--rows", "9", "--cols", "12", "--count", "3", "--seed", "1", "--directions", "easy",
                              "--out", "batch"});
  ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
  for (const char* name : {"batch-001", "batch-002", "batch-003"}) {
    SCOPED_TRACE(name);
    const QString stem = QString::fromLatin1(name);
    const std::vector<std::string> rows = GridRows(stem + QStringLiteral(".glm"));
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0].size(), 12u);
    const CliResult solved = Run({"solve", stem + QStringLiteral(".glm"), stem + QStringLiteral(".ans"), "--json"});
    ASSERT_EQ(solved.Status, 0);
    const QJsonObject report = QJsonDocument::fromJson(solved.Out.toUtf8()).object();
    EXPECT_EQ(report.value(QStringLiteral("missing")).toInt(), 0);
    for (const QJsonValue& answer : report.value(QStringLiteral("answers")).toArray()) {
      const QJsonArray cells = answer.toObject().value(QStringLiteral("cells")).toArray();
      ASSERT_GE(cells.size(), 2);
      const int rowStep = cells[1].toArray()[0].toInt() - cells[0].toArray()[0].toInt();
      const int colStep = cells[1].toArray()[1].toInt() - cells[0].toArray()[1].toInt();
      // Easy: right or down only (the finder may read a word the other way where both fit, but
      // every answer lies along one of the two).
      EXPECT_TRUE((rowStep == 0 && colStep == 1) || (rowStep == 1 && colStep == 0))
          << answer.toObject().value(QStringLiteral("answer")).toString().toStdString() << " runs " << rowStep << "," << colStep;
    }
  }
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("batch-004.glm"))));
}

TEST_F(Cli, MadePuzzlesHoldEveryAnswerInOnePlaceOnly) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> lists = {
      {"ten.txt", {"CAT", "DOG", "SUN", "HAT", "BED", "CUP", "PEN", "BOX", "EGG", "MAP"}},
      {"animals.txt", {"ANT", "BEE", "COW", "DOE", "EEL", "FOX", "GNU", "HEN", "JAY", "KOI",
                       "OWL", "PIG", "RAM", "YAK", "ELK", "EMU", "APE", "BAT", "CAT", "DOG"}},
  };
  for (const auto& [file, words] : lists) {
    SCOPED_TRACE(file);
    QByteArray text;
    for (const std::string& word : words) text += QByteArray::fromStdString(word) + '\n';
    Write(QString::fromLatin1(file), text);
    const CliResult made = Run({QStringLiteral("make"), QString::fromLatin1(file), "--count", "40", "--seed", "11", "--out", "u"});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    for (int i = 1; i <= 40; ++i) {
      const std::vector<std::string> rows = GridRows(QStringLiteral("u-%1.glm").arg(i, 3, 10, QLatin1Char('0')));
      for (const std::string& word : words) EXPECT_EQ(PlacesOf(rows, word), 1) << "puzzle " << i << ": " << word;
    }
  }
}

TEST_F(Cli, AnswersThatCannotBePlacedAreNamedWithStatusOne) {
  Write(QStringLiteral("long.txt"), "CAT\nELEPHANT\nGIRAFFE\n");
  const CliResult made = Run({"make", "long.txt", "--size", "4", "--seed", "3", "--out", "small"});
  EXPECT_EQ(made.Status, 1);
  EXPECT_TRUE(made.Err.contains(QStringLiteral("ELEPHANT"))) << made.Err.toStdString();
  EXPECT_TRUE(made.Err.contains(QStringLiteral("GIRAFFE")));
  EXPECT_FALSE(made.Err.contains(QStringLiteral("CAT")));
  EXPECT_TRUE(QFile::exists(Path(QStringLiteral("small.glm"))));
}

TEST_F(Cli, BadInputGivesTheProgramsMessageStatusTwoAndNoHalfWrittenFile) {
  Write(QStringLiteral("words.txt"), animals);
  Write(QStringLiteral("bad.glm"), "3\nthree\n");
  Write(QStringLiteral("two.txt"), "CAT DOG\n");
  struct Case {
    QStringList arguments;
    QString message;
  };
  const Case cases[] = {
      {{"make", "missing.txt", "--out", "x"}, "Cannot open file missing.txt"},
      {{"make", "words.txt", "--size", "41", "--out", "x"}, "--size takes a whole number from 2 to 40"},
      {{"make", "words.txt", "--size", "1", "--out", "x"}, "--size takes a whole number from 2 to 40"},
      {{"make", "words.txt", "--rows", "5", "--out", "x"}, "--rows and --cols go together"},
      {{"make", "words.txt", "--directions", "sideways", "--out", "x"}, "Unknown direction \"sideways\""},
      {{"make", "two.txt", "--out", "x"}, "at least 3 are needed"},
      {{"make", "words.txt", "--out", "no-such-folder/x"}, "Cannot create file no-such-folder/x."},
      {{"solve", "bad.glm", "words.txt"}, "'three' is not a valid integer value"},
      {{"solve", "missing.glm", "words.txt"}, "Cannot open file missing.glm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
    const CliResult result = Run(c.arguments);
    EXPECT_EQ(result.Status, 2);
    EXPECT_TRUE(result.Err.contains(c.message)) << result.Err.toStdString();
  }
  const QStringList left = QDir(dir.path()).entryList(QDir::Files);
  EXPECT_EQ(left, QStringList({"bad.glm", "two.txt", "words.txt"}));
}

TEST_F(Cli, SolveReportsMissingAnswersWithStatusOneAndInJson) {
  Write(QStringLiteral("p.glm"), "2\r\n3\r\nC\r\nA\r\nT\r\n\r\nX\r\nY\r\nZ\r\n\r\n\r\n\r\n\r\n\r\n");
  Write(QStringLiteral("p.ans"), "CAT\r\nDOG\r\n");
  const CliResult text = Run({"solve", "p.glm", "p.ans"});
  EXPECT_EQ(text.Status, 1) << text.Err.toStdString();
  EXPECT_EQ(text.Out, QStringLiteral("CAT: found at (0,0) (0,1) (0,2)\nDOG: missing\n"));
  const CliResult json = Run({"solve", "p.glm", "p.ans", "--json"});
  EXPECT_EQ(json.Status, 1);
  const QJsonObject report = QJsonDocument::fromJson(json.Out.toUtf8()).object();
  EXPECT_EQ(report.value(QStringLiteral("found")).toInt(), 1);
  EXPECT_EQ(report.value(QStringLiteral("missing")).toInt(), 1);
  const QJsonArray answers = report.value(QStringLiteral("answers")).toArray();
  ASSERT_EQ(answers.size(), 2);
  EXPECT_EQ(answers[0].toObject().value(QStringLiteral("cells")).toArray(), (QJsonArray{QJsonArray{0, 0}, QJsonArray{0, 1}, QJsonArray{0, 2}}));
  EXPECT_FALSE(answers[1].toObject().value(QStringLiteral("found")).toBool());
}

}  // namespace
