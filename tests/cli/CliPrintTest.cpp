// glimmerset-cli print: puzzle pages into one PDF, answer keys after all the puzzles, a real print
// queue, and bad input that leaves an existing output file whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CliRun.h"
#include "tests/page/PdfProbe.h"
#include "tests/ui/PrivateCups.h"

using namespace glimmerset::testing;
using glimmerset::ui::testing::PrivateCups;

namespace {

class CliPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    // Two demo pairs beside each other.
    for (const char* name : {"Citys.glm", "CityAns.ans", "Simple.glm", "Simple.ans"})
      ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMMERSET_PROGRAM_DIR "/Demo/") + QLatin1String(name), dir.filePath(QLatin1String(name))));
    QFile::rename(dir.filePath(QStringLiteral("CityAns.ans")), dir.filePath(QStringLiteral("Citys.ans")));
  }
  CliResult Run(const QStringList& arguments) { return RunCli(arguments, dir.path()); }
  QTemporaryDir dir;
};

TEST_F(CliPrint, PairsIntoOnePdfWithTheKeysAfterAllThePuzzles) {
  const CliResult plain = Run({"print", "Citys", "Simple.glm", "--pdf", "plain.pdf"});
  ASSERT_EQ(plain.Status, 0) << plain.Err.toStdString();
  EXPECT_EQ(PdfPageCount(dir.filePath(QStringLiteral("plain.pdf"))), 2);

  const CliResult keyed = Run({"print", "Citys", "Simple", "--key", "--pdf", "booklet.pdf"});
  ASSERT_EQ(keyed.Status, 0) << keyed.Err.toStdString();
  const QString booklet = dir.filePath(QStringLiteral("booklet.pdf"));
  ASSERT_EQ(PdfPageCount(booklet), 4);
  for (int page : {1, 2}) EXPECT_TRUE(PdfPageText(booklet, page).contains(QStringLiteral("Glimmerset by Marlock-Solutions"))) << page;
  for (int page : {3, 4}) EXPECT_TRUE(PdfPageText(booklet, page).contains(QStringLiteral("Answer Key"))) << page;
  EXPECT_TRUE(PdfPageText(booklet, 1).contains(QStringLiteral("PARIS")));
  EXPECT_TRUE(PdfPageText(booklet, 3).contains(QStringLiteral("PARIS")));
  // The puzzle pages are the ones Print makes: the same text without the keys.
  EXPECT_EQ(PdfPageText(booklet, 2).section(QStringLiteral("Glimmerset Created"), 0, 0),
            PdfPageText(dir.filePath(QStringLiteral("plain.pdf")), 2).section(QStringLiteral("Glimmerset Created"), 0, 0));
}

TEST_F(CliPrint, BadInputLeavesAnExistingPdfWhole) {
  QFile old(dir.filePath(QStringLiteral("out.pdf")));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old pages");
  old.close();
  struct Case {
    QStringList arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"print", "Citys", "Nowhere", "--pdf", "out.pdf"}, "Cannot open file Nowhere.ans"},
      {{"print", "--pdf", "out.pdf"}, "at least one puzzle pair"},
      {{"print", "Citys"}, "either --pdf OUT.pdf or --printer QUEUE"},
      {{"print", "Citys", "--pdf", "out.pdf", "--printer", "q"}, "either --pdf OUT.pdf or --printer QUEUE"},
      {{"print", "Citys", "--pdf", "no-such-folder/out.pdf"}, "Cannot create file no-such-folder/out.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
    const CliResult result = Run(c.arguments);
    EXPECT_EQ(result.Status, 2);
    EXPECT_TRUE(result.Err.contains(QString::fromLatin1(c.message))) << result.Err.toStdString();
  }
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old pages"));
}

TEST_F(CliPrint, OnAPrintQueueOfTheRealPrintSystem) {
  PrivateCups cups;
  if (!cups.Start()) GTEST_SKIP() << "A private CUPS print system could not be started: " << cups.Error().toStdString();
  const CliResult unknown = RunCli({"print", "Citys", "--printer", "NoSuchQueue"}, dir.path());
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_TRUE(unknown.Err.contains(QStringLiteral("\"NoSuchQueue\" cannot be found"))) << unknown.Err.toStdString();

  const CliResult printed = RunCli({"print", "Citys", "Simple", "--key", "--printer", QString::fromLatin1(PrivateCups::kQueue)}, dir.path());
  ASSERT_EQ(printed.Status, 0) << printed.Err.toStdString();
  const QStringList jobs = cups.WaitForJobs(1);
  ASSERT_EQ(jobs.size(), 1);
  EXPECT_EQ(PdfPageCount(jobs[0]), 4);
  EXPECT_TRUE(PdfPageText(jobs[0], 3).contains(QStringLiteral("Answer Key")));
}

}  // namespace
