// Counting the answers of a puzzle and finding a hint, on the 4x4 level-I
// puzzles that take the solver longest: a hint has to feel instant.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "generation/anchor_tables.h"
#include "generation/generator.h"
#include "model/card_table.h"
#include "model/tables.h"
#include "services/random_source.h"
#include "solving/solver.h"

namespace {

using namespace zerdo;

constexpr BoardShape k4x4{kRange4x4, 16, 4};

class Source : public UniformSource {
 public:
  float draw_uniform() override { return random.next(); }
  RandomSource random;
};

struct Case {
  CardTable sn;
  Arrangement solution{};
  double seconds = 0;  // counting the answers and a hint on the empty board, once
};

// The hardest of 400 generated 4x4 level-I puzzles: the five on which
// counting the answers and a first hint took longest.
const std::vector<Case>& hardest() {
  static const std::vector<Case> cases = [] {
    FixedTables tables;
    tables.fill();
    AnchorTables anchors;
    anchors.build();
    std::vector<Case> all;
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
      Case c;
      Source source;
      source.random.seed(seed);
      Generator gen{c.sn, k4x4, tables, anchors, source};
      gen.generate(9);
      for (int r = 1; r <= 16; ++r)
        c.solution[static_cast<std::size_t>(c.sn(r, sn_field))] =
            static_cast<Int>(c.sn(r, sn_Loesung));
      const auto start = std::chrono::steady_clock::now();
      const Solver solver(c.sn, k4x4);
      benchmark::DoNotOptimize(solver.count());
      benchmark::DoNotOptimize(solver.hint(Arrangement{}, c.solution));
      c.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      all.push_back(c);
    }
    std::sort(all.begin(), all.end(),
              [](const Case& a, const Case& b) { return a.seconds > b.seconds; });
    all.resize(5);
    return all;
  }();
  return cases;
}

void count_answers(benchmark::State& state) {
  const Case& c = hardest()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(Solver(c.sn, k4x4).count());
}

// A hint on an empty board, and with the first half of the fields right.
void find_hint(benchmark::State& state) {
  const Case& c = hardest()[static_cast<std::size_t>(state.range(0))];
  Arrangement placed{};
  if (state.range(1) != 0)
    for (std::size_t f = 1; f <= 8; ++f) placed[f] = c.solution[f];
  for (auto _ : state) benchmark::DoNotOptimize(Solver(c.sn, k4x4).hint(placed, c.solution));
}

BENCHMARK(count_answers)
    ->Name("solve/count/4x4-I-hardest")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(find_hint)
    ->Name("solve/hint/4x4-I-hardest")
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
