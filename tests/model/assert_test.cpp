#include "model/assert.h"

#include <gtest/gtest.h>

#include "model/card_table.h"

namespace zerdo {
namespace {

// The invariants hold in every build the tests run in, the optimised one
// (NDEBUG) included: a broken one names where it broke and stops the program.
TEST(AssertDeathTest, ABrokenInvariantStopsTheProgram) {
  EXPECT_DEATH(ZERDO_ASSERT(1 + 1 == 3), "assert_test\\.cpp:[0-9]+: internal error: 1 \\+ 1 == 3");
  CardTable sn;
  EXPECT_DEATH(sn(kRecords + 1, sn_field) = 1, "internal error");
  EXPECT_DEATH(static_cast<void>(sn(1, kColumns)), "internal error");
}

}  // namespace
}  // namespace zerdo
