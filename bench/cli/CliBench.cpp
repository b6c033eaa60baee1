// glimmerset-cli timed as a user runs it: make --count 1000 from the twenty capitals, and print
// of 100 pairs with their keys (200 pages) into one PDF file. Wall time of the whole process.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char* const kCapitals =
    "PARIS\nLONDON\nROME\nMADRID\nBERLIN\nVIENNA\nLISBON\nATHENS\nOSLO\nCAIRO\n"
    "TOKYO\nOTTAWA\nDUBLIN\nWARSAW\nPRAGUE\nLIMA\nQUITO\nNAIROBI\nCANBERRA\nMOSCOW\n";

bool Run(const QStringList& arguments, const QString& folder) {
  QProcess cli;
  cli.setWorkingDirectory(folder);
  cli.start(QStringLiteral(GLIMMERSET_CLI), arguments);
  return cli.waitForFinished(600000) && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() <= 1;
}

// A folder holding capitals.txt.
void WriteCapitals(const QTemporaryDir& dir) {
  QFile list(dir.filePath(QStringLiteral("capitals.txt")));
  list.open(QIODevice::WriteOnly);
  list.write(kCapitals);
}

void MakeAThousand(benchmark::State& state) {
  QTemporaryDir dir;
  WriteCapitals(dir);
  for (auto _ : state)
    if (!Run({"make", "capitals.txt", "--count", "1000", "--seed", "1", "--out", "capitals"}, dir.path())) state.SkipWithError("make failed");
}
BENCHMARK(MakeAThousand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void PrintAHundredWithKeys(benchmark::State& state) {
  QTemporaryDir dir;
  WriteCapitals(dir);
  if (!Run({"make", "capitals.txt", "--count", "100", "--seed", "1", "--out", "p"}, dir.path())) state.SkipWithError("make failed");
  QStringList arguments = {"print"};
  for (const QString& grid : QDir(dir.path()).entryList({QStringLiteral("p-*.glm")})) arguments << grid;
  arguments << "--key" << "--pdf" << "booklet.pdf";
  for (auto _ : state)
    if (!Run(arguments, dir.path())) state.SkipWithError("print failed");
}
BENCHMARK(PrintAHundredWithKeys)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
