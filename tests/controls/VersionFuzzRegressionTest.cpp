// Inputs that the fuzzers of the version reader produced, kept as fixtures and read through the
// real reader from files: blocks (put into an ELF section first) and whole program files. Each
// must give at most the eight names, in order, with values of at most 256 characters.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ProgramFileBuilder.h"
#include "controls/VersionFile.h"
#include "controls/getver.h"

namespace {

const QStringList EightNames = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

QStringList Fixtures(const QString& folder) {
  QDir dir(QStringLiteral(GLIMMERSET_TEST_DATA) + "/fuzz/" + folder);
  QStringList paths;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) paths << dir.filePath(name);
  return paths;
}

// The names read must be the eight in order with some left out.
void ExpectSoundLists(const TGetVersionInfoFromFile& reader, const QString& file) {
  SCOPED_TRACE(file.toStdString());
  const QStringList names = reader.VersionCategories();
  ASSERT_EQ(names.size(), reader.VersionStrings().size());
  qsizetype next = 0;
  for (const QString& name : names) {
    next = EightNames.indexOf(name, next);
    ASSERT_GE(next, 0) << name.toStdString();
    ++next;
  }
  for (const QString& value : reader.VersionStrings()) EXPECT_LE(value.size(), 256);
}

TEST(VersionFuzzRegressionTest, Blocks) {
  const QStringList files = Fixtures("version_block");
  ASSERT_GE(files.size(), 3);
  QTemporaryDir dir;
  int read = 0;
  for (const QString& path : files) {
    QFile fixture(path);
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixture.readAll();
    const glimmerset::testing::Bytes block(bytes.begin(), bytes.end());
    const QString program = dir.filePath(QFileInfo(path).fileName());
    QFile out(program);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const auto elf = glimmerset::testing::ElfWithSection(glimmerset::VersionSectionName, block);
    out.write(reinterpret_cast<const char*>(elf.data()), static_cast<qint64>(elf.size()));
    out.close();
    TGetVersionInfoFromFile reader;
    reader.setFileName(program);
    ExpectSoundLists(reader, path);
    read += reader.VersionCategories().isEmpty() ? 0 : 1;
  }
  EXPECT_GT(read, 0);
}

TEST(VersionFuzzRegressionTest, ProgramFiles) {
  const QStringList files = Fixtures("version_file");
  ASSERT_GE(files.size(), 3);
  for (const QString& path : files) {
    TGetVersionInfoFromFile reader;
    reader.setFileName(path);
    EXPECT_EQ(reader.fileName(), path);
    ExpectSoundLists(reader, path);
  }
}

}  // namespace
