#include "services/random_source.h"

namespace zerdo {

void RandomSource::seed(std::uint64_t s) { state_ = s ^ 0x9E3779B97F4A7C15ULL; }

}  // namespace zerdo
