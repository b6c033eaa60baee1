// LaunchFile with real programs: what the started program is given (its parameters and its
// working folder), long paths, files that are not programs, and what cannot be started.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "controls/FmxUtils.h"

namespace {

class LaunchFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // A shell script that writes its working folder and its argument count and arguments to
  // report.txt beside it.
  QString Script(const QString& folder) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("record.sh"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\n{ pwd; echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > '%1.tmp'\n"
                              "mv '%1.tmp' '%1'\n")
                   .arg(Report())
                   .toUtf8());
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
  }

  QString Report() const { return dir.filePath(QStringLiteral("report.txt")); }

  // What the script wrote, once it has written it.
  QStringList WaitForReport() {
    for (int i = 0; i < 400 && !QFile::exists(Report()); ++i) QTest::qWait(25);
    QFile file(Report());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  QTemporaryDir dir;
};

TEST_F(LaunchFileTest, AProgramStartsInTheStartingFolderWithItsParameters) {
  const QString program = Script(dir.filePath("bin"));
  const QString work = dir.filePath("work");
  QDir().mkpath(work);
  EXPECT_GT(LaunchFile(program, QStringLiteral("one \"two words\""), work, 5), 32);
  EXPECT_EQ(WaitForReport(), QStringList({QFileInfo(work).canonicalFilePath(), "2", "[one]", "[two words]"}));
}

TEST_F(LaunchFileTest, EmptyParametersGiveTheProgramNoArguments) {
  const QString program = Script(dir.filePath("bin"));
  EXPECT_GT(LaunchFile(program, QString(), dir.path(), 5), 32);
  const QStringList report = WaitForReport();
  ASSERT_EQ(report.size(), 2);
  EXPECT_EQ(report[1], "0");
}

TEST_F(LaunchFileTest, PathsLongerThanSeventyNineCharactersWork) {
  const QString deep = dir.filePath(QString(90, QLatin1Char('d')) + "/" + QString(90, QLatin1Char('e')));
  const QString program = Script(deep);
  ASSERT_GT(program.size(), 180);
  const QString longParameter(120, QLatin1Char('p'));
  EXPECT_GT(LaunchFile(program, longParameter, deep, 5), 32);
  EXPECT_EQ(WaitForReport(), QStringList({QFileInfo(deep).canonicalFilePath(), "1", "[" + longParameter + "]"}));
}

TEST_F(LaunchFileTest, AFileThatIsNoProgramGoesToTheDesktop) {
  const QString text = dir.filePath("notes.txt");
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  std::vector<QUrl> opened;
  const auto desktop = [&opened](bool answer) {
    return [&opened, answer](const QUrl& url) {
      opened.push_back(url);
      return answer;
    };
  };
  EXPECT_GT(LaunchFile(text, QString(), QString(), 5, desktop(true)), 32);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl::fromLocalFile(text));
  EXPECT_LE(LaunchFile(text, QString(), QString(), 5, desktop(false)), 32);  // nothing to open it with
}

TEST_F(LaunchFileTest, WhatCannotBeStartedGivesThirtyTwoOrLess) {
  const QString program = Script(dir.filePath("bin"));
  const QString plain = dir.filePath("plain.sh");
  QFile::copy(program, plain);
  QFile(plain).setPermissions(QFileDevice::ReadOwner);
  std::vector<QUrl> opened;
  const auto refuse = [&opened](const QUrl& url) {
    opened.push_back(url);
    return false;
  };
  const std::vector<std::tuple<const char*, QString, QString, int>> cases = {
      {"missing program", dir.filePath("no-such-program"), dir.path(), LaunchFileNotFound},
      {"empty name", QString(), dir.path(), LaunchFileNotFound},
      {"missing starting folder", program, dir.filePath("no-such-folder"), LaunchPathNotFound},
      {"no program and nothing to open it", plain, dir.path(), LaunchNoAssociation},
  };
  for (const auto& [what, file, folder, result] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(LaunchFile(file, QString(), folder, 5, refuse), result);
  }
  EXPECT_FALSE(QFile::exists(Report()));
}

}  // namespace
