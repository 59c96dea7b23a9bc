#pragma once
#include <string>

namespace zerdo {

// A plain name of a file of the game's own (no folder in it): not "", "." or
// "..", and no slash or NUL, so that nothing is ever read or written outside
// the place the game keeps its files. The desktop's folder and the web page's
// storage both hold to it.
inline bool plain_file_name(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

}  // namespace zerdo
