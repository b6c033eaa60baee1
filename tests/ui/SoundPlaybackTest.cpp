// A real sound reaches a real audio server: a private PulseAudio with a null sink is started,
// its monitor is recorded while Find succeeds in the real window, and the recording must not be
// silent.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <cstring>

#include "controls/OvalButton.h"
#include "ui/WindowDialogs.h"
#include "ui/words.h"

namespace glimmerset::ui {
namespace {

// Messages are collected instead of shown.
class CollectedMessages : public QtWindowDialogs {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages << text; }
  QStringList messages;
};

// Waits, letting events run, until the condition holds or the deadline passes.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return true;
}

// The largest absolute 16-bit sample of the WAV file's data.
int LoudestSample(const QString& file) {
  QFile wav(file);
  if (!wav.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = wav.readAll();
  const qsizetype data = bytes.indexOf("data");
  if (data < 0) return -1;
  int loudest = 0;
  for (qsizetype i = data + 8; i + 1 < bytes.size(); i += 2) {
    qint16 sample;
    std::memcpy(&sample, bytes.constData() + i, sizeof sample);
    loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
  }
  return loudest;
}

class SoundPlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString pulse = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString parecord = QStandardPaths::findExecutable(QStringLiteral("parecord"));
    if (pulse.isEmpty() || parecord.isEmpty()) GTEST_SKIP() << "PulseAudio (pulseaudio, parecord) is not installed";
    ASSERT_TRUE(runtime.isValid());
    socket = runtime.filePath(QStringLiteral("native"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("HOME"), runtime.path());
    server.setProcessEnvironment(environment);
    server.start(pulse, {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--system=false"),
                         QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
                         QStringLiteral("--load=module-null-sink sink_name=glimmer"),
                         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    if (!server.waitForStarted() || !WaitFor([&] { return QFile::exists(socket) || server.state() == QProcess::NotRunning; }, 10000) ||
        server.state() == QProcess::NotRunning)
      GTEST_SKIP() << "PulseAudio could not be started here";
    // The window's player and the recorder both talk to this server only.
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }

  void TearDown() override {
    for (QProcess* process : {&recorder, &server}) {
      if (process->state() == QProcess::NotRunning) continue;
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
    }
  }

  QTemporaryDir runtime;
  QString socket;
  QProcess server;
  QProcess recorder;
};

TEST_F(SoundPlaybackTest, FindingAWordPlaysTheWonSoundOnTheAudioServer) {
  auto dialogs = std::make_shared<CollectedMessages>();
  WindowSetup setup;
  setup.ProgramFolder = QStringLiteral(GLIMMERSET_PROGRAM_DIR);
  setup.Dialogs = dialogs;
  const QString settingsFile = runtime.filePath(QStringLiteral("settings.ini"));
  QSettings(settingsFile, QSettings::IniFormat).setValue(QStringLiteral("Load Last"), QStringLiteral("0"));
  setup.SettingsStore = [settingsFile] { return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat); };
  TWordForm form(setup);
  form.FormCreate();
  ASSERT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join('|').toStdString();
  ASSERT_NE(form.Sounds().Won(), nullptr);
  ASSERT_TRUE(form.Sounds().Won()->IsOpen());

  PuzzleModel& model = form.Model();
  model.Grid.SetSize(1, 4);
  const char* letters = "ROME";
  for (int col = 0; col < 4; ++col) model.Grid.SetText(col, 0, std::string(1, letters[col]));
  model.ResetHighlights(true);
  form.session().SetGridPresent(true);
  form.session().SetWordText("ROME");

  const QString recording = runtime.filePath(QStringLiteral("recording.wav"));
  recorder.start(QStandardPaths::findExecutable(QStringLiteral("parecord")),
                 {QStringLiteral("--server=unix:") + socket, QStringLiteral("-d"), QStringLiteral("glimmer.monitor"),
                  QStringLiteral("--file-format=wav"), QStringLiteral("--format=s16le"), recording});
  ASSERT_TRUE(recorder.waitForStarted());
  ASSERT_TRUE(WaitFor([&] { return QFile::exists(recording); }, 10000));

  form.ScanbtnClick();
  EXPECT_EQ(model.Status[MessagePanel], "Found ROME");
  ASSERT_TRUE(WaitFor([&] { return form.Sounds().Won()->IsPlaying(); }, 5000)) << "the won sound never started";
  ASSERT_TRUE(WaitFor([&] { return !form.Sounds().Won()->IsPlaying(); }, 10000)) << "the won sound never ended";
  // Let the last buffers reach the monitor before the recorder stops.
  WaitFor([] { return false; }, 300);
  recorder.terminate();
  ASSERT_TRUE(recorder.waitForFinished(5000));

  EXPECT_GT(LoudestSample(recording), 1000) << "the recording of the sink is silent";
}

}  // namespace
}  // namespace glimmerset::ui
