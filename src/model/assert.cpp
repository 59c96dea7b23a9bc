#include "model/assert.h"

#include <cstdio>
#include <cstdlib>

namespace zerdo {

void assertion_failed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: internal error: %s does not hold\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

}  // namespace zerdo
