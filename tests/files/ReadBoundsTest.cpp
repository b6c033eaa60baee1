// The readers take regular files only, of a size a real puzzle or word list can have: a pipe, a
// device or a file past the limit is refused by name, quickly, and the puzzle is left alone.
#include <QDir>
#include <QFile>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"
#include "files/GridFile.h"
#include "files/ScanImport.h"
#include "files/TextFile.h"

namespace glimmerset {
namespace {

using testing::FileTest;

class ReadBoundsTest : public FileTest {
 protected:
  void SetUp() override {
    SetGrid({"AB", "CD"});
    session.Model.Answers = {AnswerLine{"KEEP", std::nullopt}};
    settings.GridFileName = "remembered.glm";
    settings.AnswerFileName = "remembered.ans";
  }

  // A file of the given size that takes no room: it reads as NUL bytes.
  QString Sparse(const QString& name, qint64 size) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(file.resize(size));
    return file.fileName();
  }

  struct Reader {
    const char* name;
    FileLimit limit;
    std::function<void(const QString&)> read;
  };
  std::vector<Reader> Readers() {
    return {
        {"grid file", kGridFileLimit, [this](const QString& f) { ReadGridFile(session, settings, f); }},
        {"answer file", kWordListLimit, [this](const QString& f) { ReadAnswerFile(session, settings, f); }},
        {"scanned grid", kScanTextLimit, [this](const QString& f) { ImportScannedGrid(session, f); }},
    };
  }

  void ExpectUntouched(const std::string& what) const {
    EXPECT_EQ(GridRows(), (std::vector<std::string>{"AB", "CD"})) << what;
    EXPECT_TRUE(EveryCellHasRecord()) << what;
    EXPECT_EQ(session.Model.Answers, (std::vector<AnswerLine>{{"KEEP", std::nullopt}})) << what;
    EXPECT_EQ(settings.GridFileName, "remembered.glm") << what;
    EXPECT_EQ(settings.AnswerFileName, "remembered.ans") << what;
  }
};

TEST_F(ReadBoundsTest, PipesDevicesAndFoldersAreNotRead) {
  const QString pipe = Path("pipe");
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  for (const QString& file : {pipe, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), dir.path()}) {
    for (const Reader& reader : Readers()) {
      const std::string what = std::string(reader.name) + " " + file.toStdString();
      EXPECT_EQ(ErrorOf([&] { reader.read(file); }), "Cannot open file " + file.toStdString()) << what;
      ExpectUntouched(what);
    }
  }
}

TEST_F(ReadBoundsTest, FilesPastTheLimitAreRefusedByName) {
  for (const Reader& reader : Readers()) {
    const QString big = Sparse("big", reader.limit.MaxBytes + 1);
    EXPECT_EQ(ErrorOf([&] { reader.read(big); }), SizeRefusal(big, reader.limit)) << reader.name;
    ExpectUntouched(reader.name);
    // A file of exactly the limit is read (its NUL bytes make it an empty text).
    const QString full = Sparse("full", reader.limit.MaxBytes);
    EXPECT_EQ(ReadFileBytes(full, reader.limit).size(), static_cast<std::size_t>(reader.limit.MaxBytes));
  }
  EXPECT_EQ(SizeRefusal("/p/x.glm", kGridFileLimit), "File /p/x.glm is too large for a grid file: Glimmerset reads at most 1 MB");
  EXPECT_EQ(SizeRefusal("/p/x.txt", kWordListLimit), "File /p/x.txt is too large for a word list: Glimmerset reads at most 32 MB");
}

TEST_F(ReadBoundsTest, AGridFileClaimingMillionsOfBlankCellsIsRefused) {
  std::string text = "3000\r\n3000\r\n";
  text.append(3001u * 3001u, '\n');
  const QString file = WriteBytes("huge.glm", text);
  EXPECT_EQ(ErrorOf([&] { ReadGridFile(session, settings, file); }), SizeRefusal(file, kGridFileLimit));
  ExpectUntouched("huge.glm");
}

}  // namespace
}  // namespace glimmerset
