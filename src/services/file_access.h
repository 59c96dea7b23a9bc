#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace zerdo {

// Files on disk: puzzle files and the settings store. Reads take the whole
// file at once; writes replace a file whole or not at all. Where a reason is
// asked for, a failure puts the system's words for it there ("No space left
// on device").

// The bytes of the file at path, at most limit of them; nullopt when it cannot
// be opened or read. Only a regular file is read: a FIFO, socket, device or
// folder is refused at once, and opening never waits for a writer.
std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           std::string* reason = nullptr);

// Puts bytes in place of the file at path (of the file a link at path points
// to). Written beside it first, every write checked and the bytes synced to
// the disk, and put in its place only when complete, so a failed write (full
// disk, quota, I/O error) leaves the old file byte for byte as it was and no
// temporary file behind. An existing file keeps its permissions. False when
// anything failed.
bool write_file_atomically(const std::string& path, const std::string& bytes,
                           std::string* reason = nullptr);

}  // namespace zerdo
