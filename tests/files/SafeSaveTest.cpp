// Saves that fail half-way: every write is checked, the old file stays byte for byte as it was,
// a pair save replaces neither file unless both are written, and the settings follow the same
// rule. The full disk is a real one: a small tmpfs, mounted where the test may (as root).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include "FileTestSupport.h"
#include "files/FileCommands.h"
#include "files/ProgramFolder.h"
#include "files/PairFile.h"
#include "files/SafeFile.h"
#include "files/SettingsStore.h"

namespace glimmerset {
namespace {

using testing::FileTest;
using testing::QueuedChooser;

// A device that takes at most chunk bytes a call and fails once capacity bytes are in.
class LimitedDevice : public QIODevice {
 public:
  LimitedDevice(qint64 capacity, qint64 chunk) : capacity_(capacity), chunk_(chunk) { open(QIODevice::WriteOnly); }
  QByteArray taken;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    const qint64 room = capacity_ - taken.size();
    if (room <= 0) return -1;
    const qint64 n = std::min({size, chunk_, room});
    taken.append(data, n);
    return n;
  }

 private:
  qint64 capacity_;
  qint64 chunk_;
};

TEST(WriteAllBytesTest, EveryWriteIsCheckedAndShortWritesGoOn) {
  const std::string bytes(1000, 'x');
  struct Case {
    qint64 capacity, chunk;
    bool written;
  };
  for (const Case& c : {Case{1000, 1000, true}, Case{5000, 7, true}, Case{999, 1000, false}, Case{999, 10, false},
                        Case{0, 1000, false}, Case{1000, 0, false}}) {
    LimitedDevice device(c.capacity, c.chunk);
    EXPECT_EQ(WriteAllBytes(device, bytes), c.written) << c.capacity << " " << c.chunk;
    if (c.written) {
      EXPECT_EQ(device.taken.toStdString(), bytes);
    }
  }
}

class SafeSaveTest : public FileTest {
 protected:
  QueuedChooser chooser;
  FileCommands commands{session, settings, chooser};

  void SetUp() override {
    QDir(dir.path()).mkpath("program/Demo");
    SetProgramFolder(Path("program"));
    SetGrid({"AB", "CD"});
    session.Model.AnswersList = {"NEW", "WORDS"};
  }
  void TearDown() override { SetProgramFolder(QString()); }
};

TEST_F(SafeSaveTest, PairSaveReplacesNeitherFileWhenTheSecondCannotBeWritten) {
  settings.GridFileName = WriteBytes("zoo.glm", "old grid");
  settings.AnswerFileName = WriteBytes("old.ans", "old answers");
  QDir(dir.path()).mkdir("zoo.ans");  // the answer file's place is taken by a folder
  chooser.answers = {Path("zoo")};
  EXPECT_EQ(ErrorOf([&] { commands.SaveGlimmersetClick(); }), "Cannot create file " + Path("zoo.ans").toStdString());
  EXPECT_EQ(ReadBytes(Path("zoo.glm")), "old grid");
  EXPECT_EQ(settings.GridFileName, Path("zoo.glm"));
  EXPECT_EQ(settings.AnswerFileName, Path("old.ans"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"old.ans", "zoo.glm"}));  // no leftovers
}

TEST_F(SafeSaveTest, APendingFileCanBeUndoneAfterItsCommit) {
  const QString old = WriteBytes("kept.glm", "old grid");
  PendingFile replaced(old, "new grid");
  PendingFile added(Path("added.ans"), "new answers");
  replaced.KeepOldContent();
  added.KeepOldContent();
  replaced.Commit();
  added.Commit();
  EXPECT_EQ(ReadBytes(old), "new grid");
  EXPECT_TRUE(replaced.Restore());
  EXPECT_TRUE(added.Restore());
  EXPECT_EQ(ReadBytes(old), "old grid");
  EXPECT_FALSE(QFileInfo::exists(Path("added.ans")));
}

// When the second file cannot be put in place after the first was, the first gets its old
// content back.
TEST_F(SafeSaveTest, FilesReplacedTogetherAreUndoneWhenALaterOneFails) {
  const QString grid = WriteBytes("pair.glm", "old grid");
  PendingFile first(grid, "new grid");
  PendingFile second(Path("pair.ans"), "new answers");
  // The second file's place is taken after it was written: it cannot replace what is there.
  QDir(dir.path()).mkpath("pair.ans/taken");
  PendingFile* both[] = {&first, &second};
  EXPECT_EQ(ErrorOf([&] { ReplaceFilesTogether(both, 2); }), "Cannot create file " + Path("pair.ans").toStdString());
  EXPECT_EQ(ReadBytes(grid), "old grid");
}

// A 16 KB tmpfs mounted in the test's folder and filled to the last byte.
class FullDiskTest : public SafeSaveTest {
 protected:
  QString disk;

  void SetUp() override {
    SafeSaveTest::SetUp();
    disk = Path("disk");
    QDir(dir.path()).mkdir("disk");
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk}) != 0) {
      disk.clear();
      GTEST_SKIP() << "cannot mount a tmpfs here (the full-disk tests need root): skipped";
    }
  }
  void TearDown() override {
    if (!disk.isEmpty()) QProcess::execute("umount", {disk});
    SafeSaveTest::TearDown();
  }

  QString OnDisk(const QString& name) const { return disk + "/" + name; }

  QString Put(const QString& name, const std::string& bytes) const {
    QFile file(OnDisk(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    return file.fileName();
  }

  void Fill() const {
    QFile fill(OnDisk("fill"));
    ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'f');
    while (fill.write(block) == block.size()) {
    }
    fill.close();
    QFile probe(OnDisk("probe"));
    ASSERT_TRUE(probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    ASSERT_EQ(probe.write("x", 1), -1) << "the tmpfs still has room";
    probe.remove();
  }
};

TEST_F(FullDiskTest, SavesOntoAFullDiskFailAndKeepTheOldFiles) {
  const QString grid = Put("grid.glm", "2\r\n2\r\nO\r\nL\r\n\r\nD\r\n!\r\n\r\n\r\n\r\n\r\n");
  const QString answers = Put("list.ans", "OLD\r\nLIST\r\n");
  const QString pairGrid = Put("pair.glm", "old pair grid");
  const QString pairAnswers = Put("pair.ans", "old pair answers");
  const std::map<QString, std::string> before = {{grid, ReadBytes(grid)},
                                                 {answers, ReadBytes(answers)},
                                                 {pairGrid, ReadBytes(pairGrid)},
                                                 {pairAnswers, ReadBytes(pairAnswers)}};
  Fill();
  settings.GridFileName = Path("remembered.glm");
  settings.AnswerFileName = Path("remembered.ans");

  struct Case {
    const char* command;
    std::function<void()> run;
    QString failing;
  };
  const std::vector<Case> cases = {
      {"Save Word Grid", [&] { commands.SaveGridClick(); }, grid},
      {"Save Answer List", [&] { commands.SaveAnswersClick(); }, answers},
      {"Save Glimmerset", [&] { commands.SaveGlimmersetClick(); }, pairGrid},
  };
  for (const Case& c : cases) {
    chooser.answers = {c.command == std::string("Save Glimmerset") ? OnDisk("pair") : c.failing};
    EXPECT_EQ(ErrorOf(c.run), "Cannot create file " + c.failing.toStdString()) << c.command;
    for (const auto& [file, bytes] : before) EXPECT_EQ(ReadBytes(file), bytes) << c.command << ": " << file.toStdString();
    EXPECT_EQ(settings.GridFileName, Path("remembered.glm")) << c.command;
    EXPECT_EQ(settings.AnswerFileName, Path("remembered.ans")) << c.command;
  }
  EXPECT_EQ(QDir(disk).entryList(QDir::Files).size(), 5);  // the four files and the filler, no leftovers
}

TEST_F(FullDiskTest, ABatchPairOntoAFullDiskFailsAndLeavesNoPartOfIt) {
  const QString pairGrid = Put("pair.glm", "old pair grid");
  const QString pairAnswers = Put("pair.ans", "old pair answers");
  Fill();
  EXPECT_EQ(ErrorOf([&] { WritePuzzlePairQuickly(session.Model.Grid, {"NEW", "WORDS"}, pairGrid, pairAnswers); }),
            "Cannot create file " + pairGrid.toStdString());
  EXPECT_EQ(ReadBytes(pairGrid), "old pair grid");
  EXPECT_EQ(ReadBytes(pairAnswers), "old pair answers");
  EXPECT_EQ(QDir(disk).entryList(QDir::Files).size(), 3);  // the two files and the filler, no part files
  EXPECT_TRUE(SyncFolder(disk));
}

TEST_F(SafeSaveTest, ABatchPairIsWrittenWholeAndAFolderInTheWayStopsItBeforeAnyFileIsPlaced) {
  WritePuzzlePairQuickly(session.Model.Grid, {"NEW", "WORDS"}, Path("p.glm"), Path("p.ans"));
  EXPECT_EQ(ReadBytes(Path("p.ans")), "NEW\r\nWORDS\r\n");
  EXPECT_EQ(ReadBytes(Path("p.glm")).substr(0, 6), "2\r\n2\r\n");
  QDir(dir.path()).mkdir("q.ans");
  EXPECT_EQ(ErrorOf([&] { WritePuzzlePairQuickly(session.Model.Grid, {"X"}, Path("q.glm"), Path("q.ans")); }),
            "Cannot create file " + Path("q.ans").toStdString());
  EXPECT_FALSE(QFile::exists(Path("q.glm")));
  EXPECT_FALSE(QFile::exists(Path("q.glm.part")));
}

TEST_F(FullDiskTest, SettingsSavedOntoAFullDiskKeepTheOldStore) {
  const QString ini = Put("Glimmerset.conf", "[General]\nAllowed=3\ngridfile=/old.glm\n");
  const std::string before = ReadBytes(ini);
  Fill();
  settings.GridFileName = "/new.glm";
  QSettings store(ini, QSettings::IniFormat);
  EXPECT_EQ(ErrorOf([&] { SaveSettings(store, session.Model, settings); }),
            "Failed to create key Software\\Marlock\\Glimmerset");
  EXPECT_EQ(ReadBytes(ini), before);

  // With room again the same save goes through.
  QFile::remove(OnDisk("fill"));
  SaveSettings(store, session.Model, settings);
  EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("gridfile").toString(), "/new.glm");
}

}  // namespace
}  // namespace glimmerset
