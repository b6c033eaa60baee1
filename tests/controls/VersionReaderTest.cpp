// TGetVersionInfoFromFile on real files: blocks in ELF files and in a Windows program, files
// without one, paths it refuses, very large and lying files, and the program's own file, whose
// version section a copy can be given anew.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ProgramFileBuilder.h"
#include "controls/MarlockAboutBox.h"
#include "controls/VersionBlockWriter.h"
#include "controls/VersionFile.h"
#include "controls/getver.h"

namespace glimmerset {
namespace {

using testing::Bytes;

const QStringList EightNames = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

Bytes ProgramBlock(const std::string& version, const std::string& title) {
  ProgramVersion program;
  program.Numbers = VersionNumbers(version);
  program.Entries = {{"CompanyName", "Marlock"},  {"FileDescription", "Puzzles"},  {"FileVersion", version},
                     {"InternalName", title},     {"LegalCopyright", "\xC2\xA9 M"}, {"OriginalFilename", "g"},
                     {"ProductName", "Glimmerset"}, {"ProductVersion", version}};
  return *WriteVersionNode(ProgramVersionNode(program));
}

class VersionReaderTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const Bytes& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
  }

  QTemporaryDir dir;
  TGetVersionInfoFromFile reader;
};

TEST_F(VersionReaderTest, FindsTheBlockInElfAndWindowsProgramFiles) {
  const Bytes block = ProgramBlock("3.1.4", "Glimmerset");
  const std::vector<std::pair<QString, Bytes>> files = {
      {"elf64", testing::ElfWithSection(VersionSectionName, block)},
      {"elf32-big-endian", testing::ElfWithSection(VersionSectionName, block, false, true)},
      {"windows.exe", testing::PeWithVersionResource(block)},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name.toStdString());
    const QString path = Write(name, bytes);
    reader.setFileName(path);
    EXPECT_EQ(reader.fileName(), path);
    EXPECT_EQ(reader.VersionCategories(), EightNames);
    EXPECT_EQ(reader.VersionStrings(),
              QStringList({"Marlock", "Puzzles", "3.1.4", "Glimmerset", QStringLiteral("\u00A9 M"), "g", "Glimmerset", "3.1.4"}));
  }
  // Writing the lists as a whole does nothing.
  reader.setProperty("VersionStrings", QStringList{"x"});
  reader.setProperty("VersionCategories", QStringList{"y"});
  EXPECT_EQ(reader.VersionCategories(), EightNames);
  EXPECT_EQ(reader.VersionStrings().size(), 8);
}

TEST_F(VersionReaderTest, FilesWithoutABlockAndRefusedPathsGiveEmptyLists) {
  const QString withBlock = Write("with", testing::ElfWithSection(VersionSectionName, ProgramBlock("1.0", "T")));
  const QString longName = dir.filePath(QString(260 - dir.path().size(), QLatin1Char('n')));
  Write(QFileInfo(longName).fileName(), testing::ElfWithSection(VersionSectionName, ProgramBlock("1.0", "T")));
  ASSERT_GT(longName.size(), TGetVersionInfoFromFile::MaxPathLength);
  const std::vector<std::tuple<const char*, QString, bool>> cases = {
      // what, path, whether fileName keeps it
      {"a path that does not exist", dir.filePath("missing"), false},
      {"an empty path", QString(), false},
      {"a path longer than 256 characters", longName, false},
      {"a folder", dir.path(), true},
      {"a text file", Write("notes.txt", {'h', 'i'}), true},
      {"an ELF file with another section", Write("other", testing::ElfWithSection(".data", ProgramBlock("1.0", "T"))), true},
      {"an ELF file whose section holds no block", Write("junk", testing::ElfWithSection(VersionSectionName, {1, 2, 3})), true},
  };
  for (const auto& [what, path, kept] : cases) {
    SCOPED_TRACE(what);
    reader.setFileName(withBlock);
    ASSERT_EQ(reader.VersionCategories().size(), 8);
    reader.setFileName(path);
    EXPECT_EQ(reader.fileName(), kept ? path : QString());
    EXPECT_TRUE(reader.VersionCategories().isEmpty());
    EXPECT_TRUE(reader.VersionStrings().isEmpty());
  }
}

TEST_F(VersionReaderTest, LargeAndLyingFilesAreReadOnlyWhereTheyPoint) {
  // A sparse file of 1 GB: an ELF header whose section table lies at the very end, claiming a
  // version section of 2^62 bytes at 512 MB. Only the header, the table and 64 KiB are read.
  constexpr qint64 size = qint64{1} << 30;
  Bytes elf = testing::ElfWithSection(VersionSectionName, ProgramBlock("9.9", "Big"));
  const std::size_t table = elf.size() - 3 * 64;
  Bytes tail(elf.begin() + static_cast<std::ptrdiff_t>(table), elf.end());
  testing::PutAt(tail, 2 * 64 + 0x18, std::uint64_t{1} << 29, 8);  // the section's offset
  testing::PutAt(tail, 2 * 64 + 0x20, std::uint64_t{1} << 62, 8);  // and its size
  Bytes head(elf.begin(), elf.begin() + static_cast<std::ptrdiff_t>(table));
  testing::PutAt(head, 0x28, static_cast<std::uint64_t>(size - static_cast<qint64>(tail.size())), 8);
  const QString path = dir.filePath("huge");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
    file.write(reinterpret_cast<const char*>(head.data()), static_cast<qint64>(head.size()));
    ASSERT_TRUE(file.seek(size - static_cast<qint64>(tail.size())));
    file.write(reinterpret_cast<const char*>(tail.data()), static_cast<qint64>(tail.size()));
    // The block itself at 512 MB.
    const Bytes block = ProgramBlock("9.9", "Big");
    ASSERT_TRUE(file.seek(qint64{1} << 29));
    file.write(reinterpret_cast<const char*>(block.data()), static_cast<qint64>(block.size()));
  }
  reader.setFileName(path);
  EXPECT_EQ(reader.VersionStrings().value(2), "9.9");

  // The same table pointing its section past the end of the file gives nothing.
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(size - static_cast<qint64>(tail.size()) + 2 * 64 + 0x18));
  const char past[8] = {0, 0, 0, 0, 0, 0, 0, 0x40};
  file.write(past, 8);
  file.close();
  reader.setFileName(path);
  EXPECT_TRUE(reader.VersionStrings().isEmpty());
}

TEST_F(VersionReaderTest, TheBuiltProgramCarriesTheEightEntries) {
  reader.setFileName(QStringLiteral(GLIMMERSET_PROGRAM_FILE));
  EXPECT_EQ(reader.VersionCategories(), EightNames);
  EXPECT_EQ(reader.VersionStrings().value(2), QStringLiteral(GLIMMERSET_PROJECT_VERSION));
  EXPECT_EQ(reader.VersionStrings().value(3), QStringLiteral("Glimmerset"));
  EXPECT_EQ(reader.VersionStrings().value(7), QStringLiteral(GLIMMERSET_PROJECT_VERSION));
  // This test program carries the same block, and the about box reads the running program's file.
  TMarlockAboutBox box;
  box.Version = QStringLiteral("fallback");
  EXPECT_EQ(box.GetVersionText(), QStringLiteral(GLIMMERSET_PROJECT_VERSION));
  EXPECT_EQ(box.GetTitleText(), QStringLiteral("Glimmerset"));
}

TEST_F(VersionReaderTest, ACopyOfTheProgramWithANewSectionReadsTheNewTexts) {
  const QString objcopy = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
  if (objcopy.isEmpty()) GTEST_SKIP() << "objcopy (binutils) is not installed";
  const QString copy = dir.filePath("glimmerset-copy");
  ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMMERSET_PROGRAM_FILE), copy));
  const QString section = Write("section.bin", ProgramBlock("7.8.9", "Renamed Program With A Longer Title"));
  QProcess tool;
  tool.start(objcopy, {QStringLiteral("--update-section"),
                       QString::fromLatin1(VersionSectionName.data(), VersionSectionName.size()) + "=" + section, copy});
  ASSERT_TRUE(tool.waitForFinished(60000));
  ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  reader.setFileName(copy);
  EXPECT_EQ(reader.VersionStrings().value(2), QStringLiteral("7.8.9"));
  EXPECT_EQ(reader.VersionStrings().value(3), QStringLiteral("Renamed Program With A Longer Title"));
  // And the original is untouched.
  reader.setFileName(QStringLiteral(GLIMMERSET_PROGRAM_FILE));
  EXPECT_EQ(reader.VersionStrings().value(2), QStringLiteral(GLIMMERSET_PROJECT_VERSION));
}

}  // namespace
}  // namespace glimmerset
