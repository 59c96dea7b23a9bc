#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/chart.h"
#include "records/history.h"
#include "texts/messages.h"
#include "view/controls.h"

namespace zerdo {

enum class Buttons { Ok, YesNoCancel };
enum class Icon { None, Information, Exclamation };
enum class Answer { Ok, Yes, No, Cancel };
enum class FileDialogKind { Open, Save };
enum class WindowState { Normal, Minimized, Maximized };

// Why a file could not be written: the file, the system's words for the
// failure ("No space left on device") and its number (errno, or one of the
// game's own refusals; 0 when only the words tell). changed, for the settings store:
// another copy of the game wrote it (or kept it locked) meanwhile, and
// nothing was written; the write begins again on what is there now.
struct WriteFailure {
  std::string path;
  std::string reason;
  int code = 0;
  bool changed = false;
};
// Why the settings store could not be written.
using StoreFailure = WriteFailure;

// Where a file dialog opens: a folder ("" for the player's home folder), and
// the entry of the filter list (from 0) selected first.
struct FileDialogStart {
  std::string folder;
  int filter = 0;
};

struct MessageBox {
  std::string title;
  std::string text;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  // What a screen reader tells of the box line by line, where its text is a
  // table of values (the statistics); empty: its text as it stands.
  std::vector<ReaderLine> reading;
};

// The table of a secondary window: its column heads and its rows of cells,
// shown where the window's control of role Table sits.
struct FormTable {
  std::vector<std::string> heads;
  std::vector<std::vector<std::string>> rows;
};

// A modal secondary window (frmLoesung, frmAbout, DialogUser, frmHistory) as
// data: the platform shows it, and reports each button press to its handler.
struct Form {
  std::string name;
  std::string caption;
  Int width = 0, height = 0;  // twips
  ControlSet controls;
  bool colour_marks = false;    // its pictures carry the patterns of their colours
  Int language_code = 0;        // the language a screen reader speaks its pictures in
  FormTable table{};            // shown by its control of role Table
  std::vector<Chart> charts{};  // chart i shown by the control of role Chart with index i
};

// A puzzle to put on paper: printed, or exported as a PDF file. The page
// holds the head lines, every clue card as the main window draws it, and an
// empty board; an option of the dialog adds a page with the board solved.
enum class PrintTarget { Printer, Pdf };
enum class PrintResult { Done, Cancelled, Failed, Unavailable };

struct PrintJob {
  PrintTarget target = PrintTarget::Pdf;
  std::string dialog_title;              // the print dialog's or the save dialog's title
  std::string pdf_filter;                // the save dialog's filter list (as file_dialog's)
  std::string option_caption;            // the option that adds the solution page
  std::string title;                     // the puzzle's name
  std::string details;                   // its range and level
  std::string solution_title;            // the head of the solution page
  const ControlSet* controls = nullptr;  // the main window's controls, cards among them
  int cards = 9;                         // clue cards Frame_1_0(0 .. cards-1)
  int side = 3;                          // the board is side x side fields
  std::array<Int, 17> solution{};        // picture id per field 1..16
  // Pictures carry the patterns of their colours, so that a black-and-white
  // printer keeps the colours apart; an option of the dialog, checked as this says.
  bool colour_marks = true;
  std::string patterns_caption;  // that option
  std::string folder;            // where the save dialog opens: the last puzzle file's
};

// What the player chose in the print or save dialog: the file a PDF went to
// (an export, or the printer printing into a file; "" otherwise) and the
// patterns option.
struct PrintChoices {
  std::string path;
  bool colour_marks = true;
};

// The clock: milliseconds that never run backwards and are never 0; the time
// of day in milliseconds since midnight (0..86399999), which seeds the random
// source; and the time of day as the status bar shows it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t now_ms() = 0;
  virtual std::int64_t time_of_day_ms() = 0;
  virtual std::string time_of_day_text() = 0;
  // The local date and time, YYYY-MM-DDTHH:MM:SS, as the history notes a
  // game; by default the clock's milliseconds read as time since 1970.
  virtual std::string local_date_time() { return date_time_text(now_ms()); }
};

// A time of day (milliseconds since midnight) as the status bar shows it:
// "hh:mm:ss".
std::string clock_text(std::int64_t time_of_day_ms);

// A clock that stands at 12:00:00.0, for a platform that needs no time.
Clock& still_clock();

// The uniform random source: seeded once from the clock at start-up.
class Random {
 public:
  virtual ~Random() = default;
  virtual void seed_random(std::uint64_t seed) = 0;
  // One number in [0, 1), single precision.
  virtual float draw_uniform() = 0;
  // The next count numbers in the order count calls of draw_uniform give them.
  virtual void draw_uniforms(float* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = draw_uniform();
  }
};

// The per-user settings store (application, section, key).
class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string get_setting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& def) = 0;
  virtual void save_setting(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& value) = 0;
  // A write of the store runs from begin_settings_write to flush_settings.
  // begin_settings_write reads the store as it is on disk now;
  // stored_setting answers from that reading (nullopt: the key is missing),
  // so that records another copy wrote since start-up can be kept.
  virtual void begin_settings_write() {}
  virtual std::optional<std::string> stored_setting(const std::string& /*app*/,
                                                    const std::string& /*section*/,
                                                    const std::string& /*key*/) {
    return std::nullopt;
  }
  // Puts what was saved since the last flush on disk in one checked, atomic
  // write over what the store holds there. nullopt when it was written; on a
  // failure the store on disk stays as it was and the values are kept for the
  // next flush. When another copy wrote the store after begin_settings_write
  // read it, nothing is written and the failure says changed.
  virtual std::optional<StoreFailure> flush_settings() { return std::nullopt; }
};

// A store in memory alone, for a platform with nothing to keep: what was
// saved is read back until the platform ends.
class MemorySettings : public Settings {
 public:
  std::string get_setting(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& def) override;
  void save_setting(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) override;

 private:
  std::map<std::string, std::string> values_;  // by "section/key"
};

// Files: puzzle files anywhere, and the game's own files beside the store.
class Files {
 public:
  virtual ~Files() = default;
  // Puzzle files. read_file gives at most limit bytes of the file at path, or
  // nullopt when it cannot be read; write_file replaces the file whole or not
  // at all and returns false when it failed.
  virtual std::optional<std::string> read_file(const std::string& path, std::size_t limit) = 0;
  virtual bool write_file(const std::string& path, const std::string& bytes) = 0;

  // The game's own files beside the settings store (a game to continue, the
  // history of games), each by a plain name in one folder: data_folder() is
  // its path, with a slash at the end. Nothing is made at start; the first
  // write makes the folder. A name with a slash, "", "." or ".." is refused.
  // Files that keep none have no folder ("") and refuse each write.
  virtual std::string data_folder() { return {}; }
  // At most limit bytes of the file; nullopt when it is not there or cannot
  // be read.
  virtual std::optional<std::string> read_data_file(const std::string& /*name*/,
                                                    std::size_t /*limit*/) {
    return std::nullopt;
  }
  // Replaces the file whole or not at all; nullopt when it was written.
  virtual std::optional<WriteFailure> write_data_file(const std::string& name,
                                                      const std::string& /*bytes*/) {
    return WriteFailure{name, kNoDataFiles};
  }
  // Adds bytes at the end of the file (made when missing), all or none:
  // one record of a history. nullopt when they were written.
  virtual std::optional<WriteFailure> append_data_file(const std::string& name,
                                                       const std::string& /*bytes*/) {
    return WriteFailure{name, kNoDataFiles};
  }
  // Removes the file; nullopt as well when it was not there.
  virtual std::optional<WriteFailure> remove_data_file(const std::string& name) {
    return WriteFailure{name, kNoDataFiles};
  }
  static constexpr const char* kNoDataFiles = "This system keeps no files of the game";
};

// Files of a platform without any: nothing is read, every write fails.
Files& no_files();

class FormHandler {
 public:
  virtual ~FormHandler() = default;
  // A press on button control (or "" when the player closed the window).
  // Returns true when the window closes.
  virtual bool click(Form& form, const std::string& control) = 0;
};

// Boxes, modal windows and file dialogs. The main window's model is up to
// date whenever one of them opens, so a binding may repaint before it blocks.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer message_box(const MessageBox& box) = 0;
  virtual void show_modal(Form& form, FormHandler& handler) = 0;
  // Returns the chosen path, or "" when the player cancelled. filter is a list
  // "Description|pattern|Description|pattern".
  virtual std::string file_dialog(FileDialogKind kind, const std::string& title,
                                  const std::string& filter) = 0;
  // The same dialog opened at start; a platform without folders or a choice
  // of filter shows the plain one.
  virtual std::string file_dialog_at(FileDialogKind kind, const std::string& title,
                                     const std::string& filter, const FileDialogStart& start) {
    static_cast<void>(start);
    return file_dialog(kind, title, filter);
  }
};

// Putting a puzzle on paper.
class Printing {
 public:
  virtual ~Printing() = default;
  // Shows the print dialog (or, for a PDF, the save dialog) for job and puts
  // the puzzle on paper. What the player chose there goes to *chosen (left
  // as it is when the dialog was cancelled).
  virtual PrintResult print_puzzle(const PrintJob& job, PrintChoices* chosen) = 0;
};

// The help viewer and the system-information launcher.
class Help {
 public:
  virtual ~Help() = default;
  virtual void help_open(const std::string& file, int context) = 0;
  virtual void help_search(const std::string& file, const std::string& keyword) = 0;
  virtual void help_close() = 0;
  // The program that shows system information, when the system has one;
  // launch starts it and says whether it started.
  virtual std::optional<std::string> system_info_program() { return std::nullopt; }
  virtual bool launch(const std::string& /*program*/) { return false; }
};

// The main window's state and the size of the screen it is on (twips).
class Screen {
 public:
  virtual ~Screen() = default;
  virtual WindowState window_state() { return WindowState::Normal; }
  virtual Int screen_width() = 0;
  virtual Int screen_height() = 0;
  // Whether the game scales its own window (the View menu's zoom); a page in
  // a browser leaves that to the browser's own zoom.
  virtual bool zooms_window() { return true; }
};

// The quiet roles of a platform that needs nothing of them: boxes answered at
// once (OK, or No to a question), windows closed at once, file dialogs
// cancelled; no printer; no help and no system-information program; a normal
// window on a screen of 1920 x 1080 pixels.
Dialogs& quiet_dialogs();
Printing& no_printing();
Help& no_help();
Screen& plain_screen();

// Everything the platform gives the game, one small interface per role,
// each reached through its own accessor: the Qt binding, the scripted
// driver, the web page and the test fakes point them at their
// implementations; the service half (clock, random source, store, files) is
// shared through src/host. A role a platform leaves alone is a quiet one
// (a clock standing still, boxes answered at once, no printer); the random
// source and the store have no quiet form.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual Dialogs& dialogs() { return quiet_dialogs(); }
  virtual Settings& settings() = 0;
  virtual Clock& clock() { return still_clock(); }
  // Every platform has its own: there is no quiet random source.
  virtual Random& random() = 0;
  virtual Files& files() { return no_files(); }
  virtual Help& help() { return no_help(); }
  virtual Screen& screen() { return plain_screen(); }
  virtual Printing& printing() { return no_printing(); }

  // The name of the system's locale for messages ("en_GB.UTF-8"), which
  // picks the language of a player with none stored; "" where the system
  // tells none (a new player then starts in German).
  virtual std::string locale_name() { return {}; }
};

}  // namespace zerdo
