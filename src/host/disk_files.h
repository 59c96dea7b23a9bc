#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "play/platform.h"
#include "services/data_folder.h"

namespace zerdo {

// Files on the disk: puzzle files where the player names them, the game's
// own files in a data folder (the per-user one unless another is given).
class DiskFiles : public Files {
 public:
  DiskFiles() = default;
  explicit DiskFiles(std::string data_folder) : data_(std::move(data_folder)) {}

  std::optional<std::string> read_file(const std::string& path, std::size_t limit) override;
  bool write_file(const std::string& path, const std::string& bytes) override;
  std::string data_folder() override { return data_.path(); }
  std::optional<std::string> read_data_file(const std::string& name, std::size_t limit) override;
  std::optional<WriteFailure> write_data_file(const std::string& name,
                                              const std::string& bytes) override;
  std::optional<WriteFailure> append_data_file(const std::string& name,
                                               const std::string& bytes) override;
  std::optional<WriteFailure> remove_data_file(const std::string& name) override;

 private:
  DataFolder data_;
};

}  // namespace zerdo
