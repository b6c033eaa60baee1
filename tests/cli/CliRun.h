#pragma once
// CliRun: runs glimmerset-cli as a separate process and keeps what it wrote and how it ended.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace glimmerset::testing {

struct CliResult {
  int Status = -1;
  QString Out;
  QString Err;
};

inline CliResult RunCli(const QStringList& arguments, const QString& folder = {}) {
  QProcess cli;
  if (!folder.isEmpty()) cli.setWorkingDirectory(folder);
  cli.start(QStringLiteral(GLIMMERSET_CLI), arguments);
  cli.closeWriteChannel();
  if (!cli.waitForFinished(120000)) return {};
  return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, QString::fromLocal8Bit(cli.readAllStandardOutput()),
          QString::fromLocal8Bit(cli.readAllStandardError())};
}

}  // namespace glimmerset::testing
