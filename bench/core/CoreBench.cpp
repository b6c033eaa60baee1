// Speed of the two long operations of the core: solving a list that is absent from a full-size
// grid, and constructing a puzzle at its suggested size (twenty capitals; twenty three-letter
// animal names, whose short answers most often read a second time and need new letters).

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/NoOpPort.h"
#include "core/PuzzleCore.h"

namespace glimmerset {
namespace {

using bench::NoOpPort;

void LoadAnswers(PuzzleModel& model, const std::vector<std::string>& words) {
  model.Answers.clear();
  for (const auto& w : words) model.Answers.push_back(AnswerLine{w, std::nullopt});
  model.AnswerCount = static_cast<int>(words.size());
}

// 40 by 40 random letters from A to Y, and 50 answers that each hold a Z, so none is present
// and every answer costs two full scans; their other letters start many walks.
void BM_SolveListAbsentAnswers(benchmark::State& state) {
  NoOpPort port;
  PuzzleCore core(port);
  PuzzleModel& model = core.session.Model;
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> letter(0, 24);
  model.Grid.SetSize(40, 40);
  for (int r = 0; r < 40; ++r)
    for (int c = 0; c < 40; ++c) model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + letter(random))));
  model.ResetHighlights(true);
  model.GridPresent = true;
  std::vector<std::string> answers;
  std::uniform_int_distribution<int> length(3, 9);
  for (int i = 0; i < 50; ++i) {
    std::string word;
    const int n = length(random);
    for (int k = 0; k < n; ++k) word += static_cast<char>('A' + letter(random));
    word.insert(word.begin() + (i % 2 ? 1 : static_cast<long>(word.size()) - 1), 'Z');
    answers.push_back(word);
  }
  LoadAnswers(model, answers);
  for (auto _ : state) benchmark::DoNotOptimize(core.commands.SolveList(false));
}
BENCHMARK(BM_SolveListAbsentAnswers)->Unit(benchmark::kMillisecond);

void ConstructRepeatedly(benchmark::State& state, const std::vector<std::string>& answers) {
  NoOpPort port;
  PuzzleCore core(port);
  LoadAnswers(core.session.Model, answers);
  std::uint32_t seed = 0;
  for (auto _ : state) {
    core.construction.SetSeed(++seed);
    core.construction.ConstructPuzzle();
    benchmark::DoNotOptimize(core.construction.Completed());
  }
}

void BM_ConstructCapitals(benchmark::State& state) {
  ConstructRepeatedly(state, {"CAPITAL", "LONDON", "PARIS", "BERLIN", "MADRID", "ROME", "VIENNA",
                              "PRAGUE", "WARSAW", "LISBON", "DUBLIN", "OSLO", "HELSINKI", "ATHENS",
                              "BUDAPEST", "BRUSSELS", "AMSTERDAM", "STOCKHOLM", "COPENHAGEN", "BERN"});
}
BENCHMARK(BM_ConstructCapitals)->Unit(benchmark::kMillisecond);

void BM_ConstructAnimals(benchmark::State& state) {
  ConstructRepeatedly(state, {"ANT", "BEE", "COW", "DOE", "EEL", "FOX", "GNU", "HEN", "JAY", "KOI",
                              "OWL", "PIG", "RAM", "YAK", "ELK", "EMU", "APE", "BAT", "CAT", "DOG"});
}
BENCHMARK(BM_ConstructAnimals)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmerset
