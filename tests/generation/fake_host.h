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

// A main window stand-in: hands out the scripted uniforms first, then a fixed
// fill value or (without one) numbers of the game's own source; records calls.
class FakeHost : public GeneratorHost {
 public:
  struct StufeCall {
    Int level;
    std::string id;
    bool enable_again, regenerate_on_change, force_3x3;
  };

  std::vector<float> script;
  std::size_t next = 0;
  bool use_fill = false;
  float fill = 0.0f;
  RandomSource source;

  int draws = 0;
  std::vector<StufeCall> stufe_calls;
  int x_resets = 0;
  int redraws = 0;
  std::vector<bool> anchor_checks;
  std::vector<std::string> alerts;

  float draw_uniform() override {
    ++draws;
    if (next < script.size()) return script[next++];
    return use_fill ? fill : source.next();
  }
  void StufeXunchecked(Int level, const std::string& id, bool enable_again,
                       bool regenerate_on_change, bool force_3x3) override {
    stufe_calls.push_back({level, id, enable_again, regenerate_on_change, force_3x3});
  }
  void reset_all_x_zerdos() override { ++x_resets; }
  void set_all_nummer() override { ++redraws; }
  void set_anchor_check(bool checked) override { anchor_checks.push_back(checked); }
  void alert(Int a, Int b) override { alerts.push_back(internal_error_text(a, b)); }

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
