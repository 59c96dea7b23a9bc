#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "script_platform.h"

namespace zerdo {

class FrmMain;

// Carries out the driver's commands, one script line at a time, on a main
// window controller over the scripted platform.
class Interpreter {
 public:
  explicit Interpreter(std::ostream& out);
  ~Interpreter();

  // Runs one line; blank lines and "#" lines are skipped.
  void run_line(std::string_view line);
  // Whether any command printed "error:".
  bool had_error() const { return had_error_; }
  ScriptPlatform& platform() { return platform_; }

 private:
  using Args = std::vector<std::string_view>;

  void dispatch(std::string_view cmd, std::string_view rest, const Args& args);
  void error(const std::string& reason);
  // The running main window, or nullptr after printing an error.
  FrmMain* main_window(std::string_view cmd);
  // Picture id 1..16 of a draggable piece's control name, 0 if none.
  static int picture_id(std::string_view name);

  void cmd_start();
  void cmd_close();
  void cmd_menu(const Args& a);
  void cmd_key(const Args& a);
  void cmd_mouse(std::string_view cmd, const Args& a);
  void cmd_click(const Args& a);
  void cmd_tick(const Args& a);
  void cmd_wait(const Args& a);
  void cmd_random(const Args& a);
  void cmd_answer(const Args& a);
  void cmd_window_state(const Args& a);
  void cmd_window_geometry(const Args& a);
  void cmd_screen(const Args& a);
  void cmd_get(const Args& a);
  void cmd_table(const Args& a);
  void cmd_control(const Args& a);
  void cmd_menuitem(const Args& a);
  void cmd_status(const Args& a);
  void cmd_caption(const Args& a);
  void cmd_geometry(const Args& a);
  void cmd_pointer(const Args& a);
  void cmd_messages(const Args& a);
  void cmd_window(const Args& a);
  void cmd_help(const Args& a);
  void cmd_store(const Args& a);
  void cmd_mark(const Args& a);
  void cmd_marks(const Args& a);
  void cmd_hint(const Args& a);
  void cmd_solutions(const Args& a);
  void cmd_history(const Args& a);

  std::ostream& out_;
  ScriptPlatform platform_;
  std::unique_ptr<FrmMain> main_;
  bool had_error_ = false;
};

}  // namespace zerdo
