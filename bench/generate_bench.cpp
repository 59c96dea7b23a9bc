#include <benchmark/benchmark.h>

#include <string>

#include "generation/anchor_tables.h"
#include "generation/generator.h"
#include "model/card_table.h"
#include "model/tables.h"
#include "services/random_source.h"

namespace {

using namespace zerdo;

// The game's own random source, as the generator draws from it.
class QuietHost : public UniformSource {
 public:
  float draw_uniform() override { return source.next(); }
  void draw_uniforms(float* out, int count) override { source.fill(out, count); }

  RandomSource source;
};

void generate(benchmark::State& state, Int level, BoardShape shape) {
  FixedTables tables;
  tables.fill();
  AnchorTables anchors;
  anchors.build();
  QuietHost host;
  host.source.seed(12345);
  Generator gen{shape, tables, anchors, host};
  for (auto _ : state) {
    benchmark::DoNotOptimize(gen.generate(level));
  }
}

const int registered = [] {
  const BoardShape boards[] = {{1, 9, 3}, {2, 16, 4}};
  for (Int level = 1; level <= 9; ++level)
    for (const BoardShape& board : boards) {
      const std::string name = std::string("generate/") + static_cast<char>('A' + level - 1) +
                               (board.range_code == 1 ? "/3x3" : "/4x4");
      benchmark::RegisterBenchmark(name.c_str(), generate, level, board);
    }
  return 0;
}();

}  // namespace
