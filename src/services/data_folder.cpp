#include "services/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "services/plain_name.h"

namespace zerdo {

namespace {

bool refuse(FileFailure* failure, int code) {
  if (failure) *failure = file_failure(code);
  return false;
}

std::string with_slash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string user_data_folder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
    return with_slash(data) + "Zerdo/";
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') {
    const passwd* pw = ::getpwuid(::getuid());
    home = pw ? pw->pw_dir : "";
  }
  return with_slash(home) + ".local/share/Zerdo/";
}

DataFolder::DataFolder() : folder_(user_data_folder()) {}

DataFolder::DataFolder(std::string folder) : folder_(with_slash(std::move(folder))) {}

std::string DataFolder::file(const std::string& name, FileFailure* failure) const {
  if (!plain_file_name(name)) {
    refuse(failure, EINVAL);
    return {};
  }
  return folder_ + name;
}

std::optional<std::string> DataFolder::read(const std::string& name, std::size_t limit,
                                            FileFailure* failure) const {
  const std::string path = file(name, failure);
  if (path.empty()) return std::nullopt;
  return read_file_bytes(path, limit, failure);
}

bool DataFolder::write(const std::string& name, const std::string& bytes, FileFailure* failure) {
  const std::string path = file(name, failure);
  return !path.empty() && make_folders(folder_, failure) &&
         write_file_atomically(path, bytes, failure);
}

bool DataFolder::append(const std::string& name, const std::string& bytes, FileFailure* failure) {
  const std::string path = file(name, failure);
  return !path.empty() && make_folders(folder_, failure) &&
         append_file_atomically(path, bytes, failure);
}

bool DataFolder::remove(const std::string& name, FileFailure* failure) {
  const std::string path = file(name, failure);
  if (path.empty()) return false;
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  return refuse(failure, errno);
}

}  // namespace zerdo
