#pragma once

namespace zerdo {

// The generator's levels 1..kLevels, named by the letters A..I.
constexpr int kLevels = 9;
constexpr char kFirstLevelLetter = 'A';
constexpr char kLastLevelLetter = kFirstLevelLetter + kLevels - 1;  // 'I'

}  // namespace zerdo
