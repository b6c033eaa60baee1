// Reading a 100000-line word list into the answer list through ReadAnswerFile, with a port whose
// pending-event hook does nothing.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "bench/NoOpPort.h"
#include "core/Session.h"
#include "files/AnswerFile.h"

namespace glimmerset {
namespace {

using bench::NoOpPort;

// A word list like /usr/share/dict/words: one word a line, some with capitals or an apostrophe.
QString WriteWordList(const QTemporaryDir& dir, int lines) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> length(3, 12), letter(0, 25), kind(0, 9);
  std::string text;
  for (int i = 0; i < lines; ++i) {
    std::string word;
    for (int n = length(random); n > 0; --n) word += static_cast<char>('a' + letter(random));
    if (kind(random) == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    if (kind(random) == 1) word += "'s";
    text += word + "\n";
  }
  const QString path = dir.filePath("words.txt");
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text.data(), static_cast<qint64>(text.size()));
  return path;
}

// Reads the list once per iteration into a fresh session with a port that does nothing.
void ReadRepeatedly(benchmark::State& state, const QString& path) {
  NoOpPort port;
  Session session(port);
  ProgramSettings settings;
  for (auto _ : state) {
    ReadAnswerFile(session, settings, path);
    benchmark::DoNotOptimize(session.Model.AnswerCount);
  }
  state.counters["answers"] = session.Model.AnswerCount;
}

void BM_ReadAnswerFile100k(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteWordList(dir, 100000);
  ReadRepeatedly(state, path);
}
BENCHMARK(BM_ReadAnswerFile100k)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Debian's wamerican list (about 100000 lines), when it is installed.
void BM_ReadDictionaryWords(benchmark::State& state) {
  const QString path = QStringLiteral("/usr/share/dict/words");
  if (!QFile::exists(path)) {
    state.SkipWithError("/usr/share/dict/words is not installed (package wamerican)");
    return;
  }
  ReadRepeatedly(state, path);
}
BENCHMARK(BM_ReadDictionaryWords)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace glimmerset

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
