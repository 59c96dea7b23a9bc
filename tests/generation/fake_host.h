#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/anchor_tables.h"
#include "generation/generator.h"
#include "model/card_table.h"
#include "model/tables.h"
#include "services/random_source.h"
#include "texts/messages.h"

namespace zerdo::gentest {

// A random source for the generator: hands out the scripted uniforms first,
// then a fixed fill value or (without one) numbers of the game's own source;
// counts the draws.
class FakeHost : public UniformSource {
 public:
  std::vector<float> script;
  std::size_t next = 0;
  bool use_fill = false;
  float fill = 0.0f;
  RandomSource source;

  int draws = 0;

  float draw_uniform() override {
    ++draws;
    if (next < script.size()) return script[next++];
    return use_fill ? fill : source.next();
  }

  void play(std::vector<float> s) {
    script = std::move(s);
    next = 0;
    draws = 0;
  }
  bool script_used_up() const { return next == script.size(); }
};

// The generator on a fresh card table, with the fixed tables and the anchor
// tables built as after start-up; 3x3 unless use_4x4() is called.
class GeneratorTest : public ::testing::Test {
 protected:
  GeneratorTest() {
    tables.fill();
    anchors.build();
  }
  void use_4x4() { shape = BoardShape{2, 16, 4}; }
  Int N() const { return shape.field_count; }
  // The internal errors found so far, as the player reads them.
  std::vector<std::string> alerts() const {
    std::vector<std::string> texts;
    for (const InternalAlert& a : gen.alerts()) texts.push_back(internal_error_text(a.a, a.b));
    return texts;
  }

  CardTable sn;
  BoardShape shape;
  FixedTables tables;
  AnchorTables anchors;
  FakeHost host;
  Generator gen{sn, shape, tables, anchors, host};
};

// The float just below 1, the largest number the source may hand out.
constexpr float kAlmostOne = 0.99999994f;

// A scripted arrangement worked by hand for N = 9: record 1 takes 5; later
// records take the first free value from (r mod 9) + 1 on.
inline const std::vector<float> kRowScript{0.5f, 0.0f,  0.4f,  kAlmostOne, 0.1f,
                                           0.3f, 0.45f, 0.85f, 0.2f};
inline const std::vector<Long> kRowResult{5, 2, 6, 1, 3, 4, 7, 9, 8};

}  // namespace zerdo::gentest
