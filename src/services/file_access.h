#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace zerdo {

// Puzzle files on disk. Reads take the whole file at once; writes replace a
// file whole or not at all.

// The bytes of the file at path, at most limit of them; nullopt when it cannot
// be opened or read.
std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit);

// Puts bytes in place of the file at path. Written beside it first and put in
// its place only when complete, so a failed write leaves the old file as it
// was. False when anything failed.
bool write_file_atomically(const std::string& path, const std::string& bytes);

}  // namespace zerdo
