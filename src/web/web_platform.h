#pragma once
#include <functional>
#include <map>
#include <string>

#include "play/platform.h"
#include "services/random_source.h"

namespace zerdo {

// The platform of the web page: boxes and secondary windows as the page's
// dialogs, the settings store in the browser's local storage (one entry per
// "Section/Key", values as the desktop keeps them), the game's own files (a
// game to continue, the history of games) as entries of that storage too, one
// per file under "Zerdo/data/", puzzle files loaded with the page's file
// picker and saved as downloads, the page's clock, and the program's own
// random source.
class WebPlatform : public Platform,
                    public Dialogs,
                    public Printing,
                    public Settings,
                    public Clock,
                    public Random,
                    public Files,
                    public Help,
                    public Screen {
 public:
  Clock& clock() override { return *this; }

  // Called before a box or a window opens, so that the page shows the board
  // as it is.
  void set_before_modal(std::function<void()> f) { before_modal_ = std::move(f); }

  Dialogs& dialogs() override { return *this; }
  Printing& printing() override { return *this; }
  Help& help() override { return *this; }
  Screen& screen() override { return *this; }

  Answer message_box(const MessageBox& box) override;
  void show_modal(Form& form, FormHandler& handler) override;
  std::string file_dialog(FileDialogKind kind, const std::string& title,
                          const std::string& filter) override;
  PrintResult print_puzzle(const PrintJob& job, PrintChoices* chosen) override;

  Settings& settings() override { return *this; }
  std::string get_setting(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& def) override;
  void save_setting(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) override;
  std::optional<std::string> stored_setting(const std::string& app, const std::string& section,
                                            const std::string& key) override;
  std::optional<StoreFailure> flush_settings() override;

  std::int64_t now_ms() override;
  std::int64_t time_of_day_ms() override;
  std::string time_of_day_text() override;
  std::string local_date_time() override;
  Random& random() override { return *this; }
  void seed_random(std::uint64_t seed) override { random_.seed(seed); }
  float draw_uniform() override { return random_.next(); }
  void draw_uniforms(float* out, int count) override { random_.fill(out, count); }

  Files& files() override { return *this; }
  std::optional<std::string> read_file(const std::string& path, std::size_t limit) override;
  bool write_file(const std::string& path, const std::string& bytes) override;
  std::string data_folder() override;
  std::optional<std::string> read_data_file(const std::string& name, std::size_t limit) override;
  std::optional<WriteFailure> write_data_file(const std::string& name,
                                              const std::string& bytes) override;
  std::optional<WriteFailure> append_data_file(const std::string& name,
                                               const std::string& bytes) override;
  std::optional<WriteFailure> remove_data_file(const std::string& name) override;

  void help_open(const std::string& file, int context) override;
  void help_search(const std::string& file, const std::string& keyword) override;
  void help_close() override;

  Int screen_width() override;
  Int screen_height() override;
  bool zooms_window() override { return false; }

 private:
  RandomSource random_;
  std::map<std::string, std::string> pending_;  // saved since the last flush
  std::function<void()> before_modal_;

  // Replaces the entry of name by bytes, or adds them at its end.
  std::optional<WriteFailure> put_data_file(const std::string& name, const std::string& bytes,
                                            bool append);
};

}  // namespace zerdo
