// Filling and painting the printed page of a 40 by 40 grid with 41 answers into a PDF file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "page/PageFrame.h"
#include "page/PrintDate.h"
#include "page/PuzzlePage.h"

using namespace glimmerset;

namespace {

PuzzleModel LargePuzzle() {
  PuzzleModel model;
  model.Grid.SetSize(40, 40);
  for (int r = 0; r < 40; ++r)
    for (int c = 0; c < 40; ++c) model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + (r * 7 + c) % 26)));
  model.GridPresent = true;
  for (int i = 1; i <= 41; ++i) model.Answers.push_back({"ANSWER" + std::to_string(i), std::nullopt});
  model.AnswerCount = 41;
  return model;
}

void FillAndPaintPdf(benchmark::State& state) {
  const PuzzleModel model = LargePuzzle();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  for (auto _ : state) {
    const page::PrintPageText text = page::FillPrintPage(model);
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    page::SetUpA4Page(pdf);
    benchmark::DoNotOptimize(page::PaintPuzzlePages(pdf, {text}, page::PrintDateText(QDateTime::currentDateTime())));
  }
}
BENCHMARK(FillAndPaintPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
