// The installed program as a user meets it: cmake --install into a temporary DESTDIR gives the
// freedesktop layout, the desktop entry, the AppStream data and the file types pass their
// validators, and the program started from its installed place finds its Demo folder, its
// sounds and the puzzle named on its command line.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <algorithm>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <map>
#include <memory>
#include <optional>

// Paths are shown as text in failure reports.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kAppId = QStringLiteral(GLIMMERSET_APP_ID);

struct Finished {
  int status = -1;
  QString out, err;
};

// Runs a program to its end; nullopt when it cannot be started or does not end in time.
std::optional<Finished> RunToEnd(const QString& program, const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(120000)) return std::nullopt;
  return Finished{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString Tool(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

// One install, shared by the tests of a run: <stage>/usr is the prefix, DESTDIR is <stage>.
class Installed {
 public:
  static Installed& Get() {
    static Installed installed;
    return installed;
  }
  bool ok = false;
  QString log;
  QString Stage() const { return dir.filePath(QStringLiteral("stage")); }
  QString Prefix() const { return Stage() + QStringLiteral("/usr"); }
  QString Path(const QString& relative) const { return Prefix() + '/' + relative; }
  QString Program() const { return Path(QStringLiteral("bin/glimmerset")); }
  QString ProgramFolder() const { return Path(QStringLiteral("share/glimmerset")); }

 private:
  Installed() {
    if (!dir.isValid()) return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), Stage());
    const auto result = RunToEnd(QStringLiteral(GLIMMERSET_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(GLIMMERSET_BUILD_DIR), QStringLiteral("--prefix"),
                             QStringLiteral("/usr")},
                            environment);
    ok = result && result->status == 0;
    if (result) log = result->out + result->err;
  }
  QTemporaryDir dir;
};

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(installed.ok) << "cmake --install failed:\n" << installed.log.toStdString(); }
  Installed& installed = Installed::Get();
};

TEST_F(InstallTest, TheProgramItsFolderAndTheDesktopFilesLieInTheirPlaces) {
  const QStringList files = {
      QStringLiteral("bin/glimmerset"),
      QStringLiteral("bin/glimmerset-cli"),
      QStringLiteral("share/glimmerset/Demo/Citys.glm"),
      QStringLiteral("share/glimmerset/Demo/CityAns.ans"),
      QStringLiteral("share/glimmerset/Program Files/Won.wav"),
      QStringLiteral("share/glimmerset/Program Files/Bad.wav"),
      QStringLiteral("share/glimmerset/Program Files/Glimmerset.html"),
      QStringLiteral("share/applications/%1.desktop").arg(kAppId),
      QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId),
      QStringLiteral("share/mime/packages/%1.xml").arg(kAppId),
      QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId),
      QStringLiteral("share/man/man6/glimmerset.6.gz"),
      QStringLiteral("share/man/man6/glimmerset-cli.6.gz"),
      QStringLiteral("share/doc/glimmerset/copyright"),
      QStringLiteral("share/doc/glimmerset/changelog.gz"),
  };
  for (const QString& file : files) EXPECT_TRUE(QFileInfo(installed.Path(file)).isFile()) << file.toStdString();
  EXPECT_TRUE(QFileInfo(installed.Program()).isExecutable());
  EXPECT_EQ(QDir(installed.ProgramFolder() + QStringLiteral("/Demo")).entryList(QDir::Files).size(), 10);
  for (const char* page : {"share/man/man6/glimmerset.6.gz", "share/man/man6/glimmerset-cli.6.gz", "share/doc/glimmerset/changelog.gz"}) {
    QFile file(installed.Path(QLatin1String(page)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("\x1f\x8b", 2)) << page << " is not gzip-compressed";
  }
}

TEST_F(InstallTest, EveryIconSizeHoldsAPictureOfThatSize) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString file = installed.Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
    const QImage icon(file);
    ASSERT_FALSE(icon.isNull()) << file.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size)) << file.toStdString();
  }
}

TEST_F(InstallTest, NothingIsInstalledOutsideTheUsualPlacesAndEveryModeIsPlain) {
  const QStringList places = {QStringLiteral("bin/"),          QStringLiteral("share/glimmerset/"),
                              QStringLiteral("share/applications/"), QStringLiteral("share/metainfo/"),
                              QStringLiteral("share/mime/packages/"), QStringLiteral("share/icons/hicolor/"),
                              QStringLiteral("share/man/"),    QStringLiteral("share/doc/glimmerset/"),
                              QStringLiteral("share/lintian/overrides/")};
  QDirIterator it(installed.Stage(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  int seen = 0;
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    const QString where = QDir(installed.Prefix()).relativeFilePath(entry.filePath());
    const QFile::Permissions mode = entry.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions runnable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    if (entry.isDir()) {
      EXPECT_EQ(mode, runnable) << where.toStdString() << " is not rwxr-xr-x";
      continue;
    }
    ++seen;
    const bool placed = std::any_of(places.begin(), places.end(), [&](const QString& place) { return where.startsWith(place); });
    EXPECT_TRUE(placed) << where.toStdString() << " lies outside the usual places";
    EXPECT_EQ(mode, where.startsWith(QLatin1String("bin/")) ? runnable : readable) << where.toStdString();
  }
  EXPECT_GT(seen, 20);
}

// The keys of a desktop entry's main group (its values may hold semicolons, which QSettings would cut).
std::map<QString, QString> DesktopEntryKeys(const QString& file) {
  std::map<QString, QString> keys;
  QFile entry(file);
  if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  bool inMain = false;
  for (const QString& line : QString::fromUtf8(entry.readAll()).split('\n')) {
    if (line.startsWith('[')) inMain = line == QLatin1String("[Desktop Entry]");
    const qsizetype equals = line.indexOf('=');
    if (inMain && equals > 0) keys[line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
  }
  return keys;
}

TEST_F(InstallTest, TheDesktopEntryPassesItsValidatorAndOpensGridFiles) {
  const QString validator = Tool("desktop-file-validate");
  if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is not installed";
  const QString entry = installed.Path(QStringLiteral("share/applications/%1.desktop").arg(kAppId));
  const auto result = RunToEnd(validator, {entry});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 0) << (result->out + result->err).toStdString();
  EXPECT_FALSE((result->out + result->err).contains(QLatin1String("error"))) << (result->out + result->err).toStdString();

  const std::map<QString, QString> keys = DesktopEntryKeys(entry);
  EXPECT_EQ(keys.at(QStringLiteral("Exec")), QStringLiteral("glimmerset %f"));
  EXPECT_EQ(keys.at(QStringLiteral("Icon")), kAppId);
  const QStringList categories = keys.at(QStringLiteral("Categories")).split(';');
  for (const char* category : {"Game", "LogicGame", "Education"}) EXPECT_TRUE(categories.contains(QLatin1String(category))) << category;
  EXPECT_TRUE(keys.at(QStringLiteral("MimeType")).split(';').contains(QLatin1String("application/x-glimmerset-grid")));
}

TEST_F(InstallTest, TheAppStreamDataPassesItsValidatorAndNamesThisRelease) {
  const QString validator = Tool("appstreamcli");
  if (validator.isEmpty()) GTEST_SKIP() << "appstreamcli (appstream) is not installed";
  const QString metainfo = installed.Path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId));
  const auto result = RunToEnd(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 0) << (result->out + result->err).toStdString();

  QFile file(metainfo);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("<id>%1</id>").arg(kAppId)));
  EXPECT_TRUE(text.contains(QStringLiteral("<release version=\"%1\" date=\"%2\"/>")
                                .arg(QStringLiteral(GLIMMERSET_VERSION), QStringLiteral(GLIMMERSET_RELEASE_DATE))));
  EXPECT_TRUE(text.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kAppId)));
}

TEST_F(InstallTest, TheFileTypesAreWellFormedAndGiveGridAndAnswerFilesATypeAndAName) {
  const QString xmllint = Tool("xmllint");
  const QString update = Tool("update-mime-database");
  if (xmllint.isEmpty() || update.isEmpty())
    GTEST_SKIP() << "xmllint (libxml2-utils) or update-mime-database (shared-mime-info) is not installed";
  const QString package = installed.Path(QStringLiteral("share/mime/packages/%1.xml").arg(kAppId));
  const auto lint = RunToEnd(xmllint, {QStringLiteral("--noout"), package});
  ASSERT_TRUE(lint);
  EXPECT_EQ(lint->status, 0) << lint->err.toStdString();

  // The database built from this package alone must carry both types with their globs.
  QTemporaryDir data;
  const QDir database(data.filePath(QStringLiteral("mime")));
  ASSERT_TRUE(database.mkpath(QStringLiteral("packages")));
  ASSERT_TRUE(QFile::copy(package, database.filePath(QStringLiteral("packages/glimmerset.xml"))));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
  const auto built = RunToEnd(update, {database.path()}, environment);
  ASSERT_TRUE(built);
  EXPECT_EQ(built->status, 0) << built->err.toStdString();
  EXPECT_TRUE(built->err.isEmpty()) << built->err.toStdString();
  QFile globs(database.filePath(QStringLiteral("globs2")));
  ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
  const QString globText = QString::fromUtf8(globs.readAll());
  EXPECT_TRUE(globText.contains(QLatin1String("application/x-glimmerset-grid:*.glm")));
  EXPECT_TRUE(globText.contains(QLatin1String("application/x-glimmerset-answers:*.ans")));
  const struct {
    const char* type;
    const char* name;
  } types[] = {{"x-glimmerset-grid", "Glimmerset grid"}, {"x-glimmerset-answers", "Glimmerset answer list"}};
  for (const auto& [type, name] : types) {
    QFile described(database.filePath(QStringLiteral("application/%1.xml").arg(QLatin1String(type))));
    ASSERT_TRUE(described.open(QIODevice::ReadOnly)) << type;
    const QString text = QString::fromUtf8(described.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<comment>%1</comment>").arg(QLatin1String(name)))) << type;
    EXPECT_TRUE(text.contains(QLatin1String("<sub-class-of type=\"text/plain\"/>"))) << type;
  }
}

TEST_F(InstallTest, TheManualPageFormatsWithoutWarnings) {
  const QString man = Tool("man");
  if (man.isEmpty()) GTEST_SKIP() << "man (man-db) is not installed";
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  const struct {
    const char* page;
    const char* name;
  } pages[] = {{"share/man/man6/glimmerset.6.gz", "glimmerset - find, play, make and print word search puzzles"},
               {"share/man/man6/glimmerset-cli.6.gz", "glimmerset-cli - make, solve and print word search puzzles from the command line"}};
  for (const auto& page : pages) {
    SCOPED_TRACE(page.page);
    const auto result = RunToEnd(man, {QStringLiteral("--warnings"), QStringLiteral("-l"), installed.Path(QLatin1String(page.page))}, environment);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 0);
    EXPECT_TRUE(result->err.isEmpty()) << result->err.toStdString();
    EXPECT_TRUE(result->out.simplified().contains(QLatin1String(page.name))) << result->out.toStdString();
    EXPECT_TRUE(result->out.contains(QStringLiteral("Glimmerset %1").arg(QStringLiteral(GLIMMERSET_VERSION))));
  }
}

TEST_F(InstallTest, TheInstalledCompanionSolvesTheInstalledDemoWithoutADisplay) {
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) bare.remove(QLatin1String(name));
  const QString demo = installed.ProgramFolder() + QStringLiteral("/Demo/");
  const auto result = RunToEnd(installed.Path(QStringLiteral("bin/glimmerset-cli")),
                               {QStringLiteral("solve"), demo + QStringLiteral("Citys.glm"), demo + QStringLiteral("CityAns.ans")}, bare);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 0) << result->err.toStdString();
  EXPECT_TRUE(result->out.startsWith(QStringLiteral("PARIS: found at ("))) << result->out.toStdString();
  EXPECT_TRUE(result->err.isEmpty()) << result->err.toStdString();
}

TEST_F(InstallTest, TheInstalledProgramAnswersOnTheTerminalWithoutADisplay) {
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) bare.remove(QLatin1String(name));
  const struct {
    QStringList arguments;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {{"--version"}, 0, "Glimmerset " GLIMMERSET_VERSION "\n", ""},
      {{"--help"}, 0, "Usage: glimmerset [FILE.glm]\n", ""},
      {{"--frobnicate"}, 2, "", "Usage: glimmerset"},
      {{"one.glm", "two.glm"}, 2, "", "Usage: glimmerset"},
  };
  for (const auto& c : cases) {
    // The faulty lines need Qt's own options out of the way first, so they run offscreen.
    QProcessEnvironment environment = bare;
    if (c.status != 0) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto result = RunToEnd(installed.Program(), c.arguments, environment);
    const std::string said = c.arguments.join(' ').toStdString();
    ASSERT_TRUE(result) << said;
    EXPECT_EQ(result->status, c.status) << said;
    // Qt may add its own warnings on the error channel; the usage text is in it all the same.
    const QString out = QString::fromLatin1(c.out), err = QString::fromLatin1(c.err);
    EXPECT_TRUE(out.isEmpty() ? result->out.isEmpty() : result->out.startsWith(out)) << said << ": " << result->out.toStdString();
    EXPECT_TRUE(result->err.contains(err)) << said << ": " << result->err.toStdString();
    if (c.status == 0) {
      EXPECT_TRUE(result->err.isEmpty()) << said << ": " << result->err.toStdString();
    }
  }
}

// Whether the process catches the signal yet (the "SigCgt" mask of /proc/PID/status).
bool Catches(qint64 pid, int number) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (number - 1)) & 1;
  return false;
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(20);
  }
  return true;
}

// The installed program run offscreen with fresh settings and a private PulseAudio with a null
// sink, so that its sounds open. It is asked to stop with SIGTERM, which closes the window and
// saves the settings; a message box left open (a file it did not find) keeps it running.
class InstalledProgramTest : public InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    if (HasFatalFailure()) return;
    const QString pulse = Tool("pulseaudio");
    if (pulse.isEmpty()) GTEST_SKIP() << "pulseaudio is not installed";
    ASSERT_TRUE(home.isValid());
    environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "PULSE_SERVER"}) environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString socket = home.filePath(QStringLiteral("pulse-socket"));
    server.setProcessEnvironment(environment);
    server.start(pulse, {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--system=false"),
                         QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
                         QStringLiteral("--load=module-null-sink sink_name=glimmer"),
                         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    if (!server.waitForStarted() || !WaitFor([&] { return QFile::exists(socket) || server.state() == QProcess::NotRunning; }, 10000) ||
        server.state() == QProcess::NotRunning)
      GTEST_SKIP() << "PulseAudio could not be started here";
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
  }

  void TearDown() override {
    for (QProcess* process : {&program, &server}) {
      if (process->state() == QProcess::NotRunning) continue;
      process->kill();
      process->waitForFinished(5000);
    }
  }

  // Starts the installed program with these arguments from another folder, lets it start up,
  // asks it to stop and returns the settings it saved.
  std::unique_ptr<QSettings> RunAndStop(const QStringList& arguments) {
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(installed.Program(), arguments);
    EXPECT_TRUE(program.waitForStarted());
    EXPECT_TRUE(WaitFor([&] { return Catches(program.processId(), SIGTERM) || program.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(30000))
        << "the program did not close: a message box is waiting, so something was not found";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return std::make_unique<QSettings>(home.filePath(QStringLiteral("config/Marlock/Glimmerset.conf")), QSettings::IniFormat);
  }

  QString CopyDemo(const char* from, const QString& to) {
    const QString target = home.filePath(to);
    QDir().mkpath(QFileInfo(target).path());
    EXPECT_TRUE(QFile::copy(installed.ProgramFolder() + QStringLiteral("/Demo/") + QLatin1String(from), target));
    return target;
  }

  QTemporaryDir home;
  QProcessEnvironment environment;
  QProcess server;
  QProcess program;
};

TEST_F(InstalledProgramTest, ANamedGridOpensWithTheAnswersBesideIt) {
  const QString grid = CopyDemo("Simple.glm", QStringLiteral("puzzles/zoo.glm"));
  const QString answers = CopyDemo("Simple.ans", QStringLiteral("puzzles/zoo.ans"));
  const auto saved = RunAndStop({QStringLiteral("puzzles/zoo.glm")});  // relative to the working folder
  if (HasFailure()) return;
  EXPECT_EQ(saved->value(QStringLiteral("gridfile")).toString(), grid);
  EXPECT_EQ(saved->value(QStringLiteral("answerfile")).toString(), answers);
  // Its sounds were found in its own folder beside the installed executable.
  EXPECT_EQ(QDir::cleanPath(saved->value(QStringLiteral("SoundDir")).toString()), installed.ProgramFolder() + QStringLiteral("/Program Files"));
}

TEST_F(InstalledProgramTest, ANamedGridWithoutAnswersLeavesTheDemoAnswersRemembered) {
  const QString grid = CopyDemo("Movies.glm", QStringLiteral("lone.glm"));
  const auto saved = RunAndStop({grid});
  if (HasFailure()) return;
  EXPECT_EQ(saved->value(QStringLiteral("gridfile")).toString(), grid);
  // The first-run answer file is the capital-cities demo, found (in its real letter case) in Demo/.
  EXPECT_EQ(saved->value(QStringLiteral("answerfile")).toString(), installed.ProgramFolder() + QStringLiteral("/Demo/CityAns.ans"));
}

TEST_F(InstalledProgramTest, WithoutArgumentsAFirstStartOpensTheCapitalCitiesDemo) {
  const auto saved = RunAndStop({});
  if (HasFailure()) return;
  EXPECT_EQ(saved->value(QStringLiteral("gridfile")).toString(), installed.ProgramFolder() + QStringLiteral("/Demo/Citys.glm"));
  EXPECT_EQ(saved->value(QStringLiteral("answerfile")).toString(), installed.ProgramFolder() + QStringLiteral("/Demo/CityAns.ans"));
}

}  // namespace
