#pragma once

// ZERDO_ASSERT(condition) checks an internal invariant of the game (an index
// within its table, a permutation that really is one) in every build, the
// optimised ones with NDEBUG included: when it does not hold, the program
// names the file, the line and the condition on standard error and aborts.
// It is never the handling of bad input (a stored value, a puzzle file, a
// player's action): that is handled where it comes in.
#define ZERDO_ASSERT(condition) \
  ((condition) ? static_cast<void>(0) : ::zerdo::assertion_failed(#condition, __FILE__, __LINE__))

namespace zerdo {

[[noreturn]] void assertion_failed(const char* condition, const char* file, int line);

}  // namespace zerdo
