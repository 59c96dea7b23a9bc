#include "host/disk_files.h"

#include "services/file_access.h"

namespace zerdo {

std::optional<std::string> DiskFiles::read_file(const std::string& path, std::size_t limit) {
  return read_file_bytes(path, limit);
}

bool DiskFiles::write_file(const std::string& path, const std::string& bytes) {
  return write_file_atomically(path, bytes);
}

std::optional<std::string> DiskFiles::read_data_file(const std::string& name, std::size_t limit) {
  return data_.read(name, limit);
}

std::optional<WriteFailure> DiskFiles::write_data_file(const std::string& name,
                                                       const std::string& bytes) {
  FileFailure failure;
  if (data_.write(name, bytes, &failure)) return std::nullopt;
  return WriteFailure{data_.path() + name, failure.reason, failure.code};
}

std::optional<WriteFailure> DiskFiles::append_data_file(const std::string& name,
                                                        const std::string& bytes) {
  FileFailure failure;
  if (data_.append(name, bytes, &failure)) return std::nullopt;
  return WriteFailure{data_.path() + name, failure.reason, failure.code};
}

std::optional<WriteFailure> DiskFiles::remove_data_file(const std::string& name) {
  FileFailure failure;
  if (data_.remove(name, &failure)) return std::nullopt;
  return WriteFailure{data_.path() + name, failure.reason, failure.code};
}

}  // namespace zerdo
