#pragma once
// PrivateCups: a print system of the test's own. It starts a cupsd with its configuration,
// spool and socket in a temporary folder, adds a queue whose jobs are kept as files there, makes
// it the default printer, points this process's CUPS client at it, and stops that cupsd by its
// process id at the end. The machine's own printers are never touched.

#include <cups/cups.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace glimmerset::ui::testing {

class PrivateCups {
 public:
  static constexpr const char* kQueue = "GlimmersetTestQueue";

  PrivateCups() = default;
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;
  ~PrivateCups() { Stop(); }

  // Starts cupsd and adds the queue; false with the reason in Error() when it cannot.
  bool Start() {
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFileInfo(cupsd).isExecutable()) return Fail(QStringLiteral("cupsd is not installed (Debian package cups-daemon)"));
    if (QStandardPaths::findExecutable(QStringLiteral("lpadmin")).isEmpty())
      return Fail(QStringLiteral("lpadmin is not installed (Debian package cups-client)"));
    if (!dir_.isValid()) return Fail(QStringLiteral("no temporary folder"));
    root_ = dir_.path();
    for (const char* sub : {"spool", "tmp", "cache", "state", "ppd", "jobs", "bin/backend"}) QDir(root_).mkpath(QString::fromLatin1(sub));
    for (const char* link : {"filter", "daemon", "notifier"})
      QFile::link(QStringLiteral("/usr/lib/cups/") + QString::fromLatin1(link), Path(QStringLiteral("bin/") + QString::fromLatin1(link)));
    WriteBackend();
    WriteConfiguration();
    // cupsd runs its backend as the lp user, which must reach the job folder.
    for (const QString& folder : {root_, Path(QStringLiteral("bin")), Path(QStringLiteral("bin/backend"))})
      QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(Path(QStringLiteral("jobs")), QFileDevice::Permissions(0x7777));

    pid_ = fork();
    if (pid_ < 0) return Fail(QStringLiteral("fork failed"));
    if (pid_ == 0) {
      const QByteArray conf = Path(QStringLiteral("cupsd.conf")).toLocal8Bit();
      const QByteArray files = Path(QStringLiteral("cups-files.conf")).toLocal8Bit();
      execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.constData(), "-s", files.constData(), static_cast<char*>(nullptr));
      _exit(127);
    }
    if (!WaitForSocket()) return Fail(QStringLiteral("cupsd did not start: ") + ErrorLog());
    UseThisServer();
    if (!Admin({QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("keep:") + Path(QStringLiteral("jobs"))}) ||
        !Admin({QStringLiteral("-d"), QString::fromLatin1(kQueue)}))
      return Fail(QStringLiteral("lpadmin could not add the queue: ") + error_ + QStringLiteral(" ") + ErrorLog());
    return true;
  }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      waitpid(pid_, &status, 0);
      pid_ = -1;
    }
  }

  // Takes the queue away again, as when a printer is uninstalled.
  bool RemoveQueue() { return Admin({QStringLiteral("-x"), QString::fromLatin1(kQueue)}); }

  const QString& Error() const { return error_; }
  QString Socket() const { return Path(QStringLiteral("cups.sock")); }

  // Waits until the queue has taken every job and returns the files it kept, oldest first.
  QStringList WaitForJobs(int count) const {
    for (int tries = 0; tries < 600; ++tries) {
      const QStringList jobs = QDir(Path(QStringLiteral("jobs"))).entryList({QStringLiteral("*.prn")}, QDir::Files, QDir::Name);
      if (jobs.size() >= count) {
        QStringList paths;
        for (const QString& job : jobs) paths << Path(QStringLiteral("jobs/") + job);
        return paths;
      }
      QThread::msleep(50);
    }
    return {};
  }
  QStringList KeptJobs() const { return QDir(Path(QStringLiteral("jobs"))).entryList({QStringLiteral("*.prn")}, QDir::Files); }

  // Points this process's CUPS client (and so Qt's printing) at a server socket.
  static void PointClientAt(const QString& socket) {
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    cupsSetServer(nullptr);  // forget a server the client library already looked up
  }

 private:
  QString Path(const QString& relative) const { return root_ + QLatin1Char('/') + relative; }
  bool Fail(const QString& why) {
    error_ = why;
    Stop();
    return false;
  }
  void UseThisServer() const { PointClientAt(Socket()); }

  void WriteBackend() const {
    QFile backend(Path(QStringLiteral("bin/backend/keep")));
    backend.open(QIODevice::WriteOnly);
    backend.write(
        "#!/bin/sh\n"
        "# keep:/FOLDER - keeps every job as a file in FOLDER.\n"
        "if [ $# -eq 0 ]; then echo 'file keep \"Unknown\" \"Keep jobs as files\"'; exit 0; fi\n"
        "out=\"${DEVICE_URI#keep:}/job-$(printf %06d \"$1\")\"\n"
        "if [ $# -ge 6 ]; then cat \"$6\" > \"$out.part\"; else cat > \"$out.part\"; fi\n"
        "mv \"$out.part\" \"$out.prn\"\n");
    backend.close();
    backend.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                           QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
  }

  void WriteConfiguration() const {
    QFile conf(Path(QStringLiteral("cupsd.conf")));
    conf.open(QIODevice::WriteOnly);
    conf.write(QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\nBrowseLocalProtocols none\n"
                              "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n")
                   .arg(Socket())
                   .toLocal8Bit());
    conf.close();
    QFile files(Path(QStringLiteral("cups-files.conf")));
    files.open(QIODevice::WriteOnly);
    files.write(QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\nStateDir %1/state\n"
                               "ServerBin %1/bin\nDataDir /usr/share/cups\nAccessLog %1/access_log\nErrorLog %1/error_log\n"
                               "PageLog %1/page_log\n")
                    .arg(root_)
                    .toLocal8Bit());
  }

  bool WaitForSocket() const {
    for (int tries = 0; tries < 200; ++tries) {
      if (QFileInfo::exists(Socket())) return true;
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) return false;
      QThread::msleep(50);
    }
    return false;
  }

  bool Admin(QStringList arguments) {
    arguments.prepend(Socket());
    arguments.prepend(QStringLiteral("-h"));
    QProcess lpadmin;
    lpadmin.start(QStringLiteral("lpadmin"), arguments);
    lpadmin.waitForFinished(30000);
    error_ = QString::fromLocal8Bit(lpadmin.readAllStandardError()).trimmed();
    return lpadmin.exitStatus() == QProcess::NormalExit && lpadmin.exitCode() == 0;
  }

  QString ErrorLog() const {
    QFile log(Path(QStringLiteral("error_log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(800)) : QString();
  }

  QTemporaryDir dir_;
  QString root_;
  pid_t pid_ = -1;
  QString error_;
};

}  // namespace glimmerset::ui::testing
