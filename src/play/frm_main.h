#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/types.h"
#include "play/platform.h"
#include "play/read_model.h"
#include "texts/texts.h"
#include "view/board_view.h"
#include "view/controls.h"
#include "view/menus.h"

namespace zerdo {

struct StagedPuzzle;
class GameStore;
enum class Setting;                 // records/settings_table.h
enum class Command : std::uint8_t;  // view/commands.h

// The controller of the main window: its whole state and every operation,
// free of any window toolkit. Platform services come through Platform.
class FrmMain : private FormHandler {
 public:
  explicit FrmMain(Platform& platform);
  ~FrmMain() override;
  FrmMain(const FrmMain&) = delete;
  FrmMain& operator=(const FrmMain&) = delete;

  // Program entry (the whole start-up) and closing of the main window.
  void start_up();
  void shut_down();
  // Whether the main window is up (between start_up and shut_down); the
  // Exit command unloads it, and the binding then closes its window.
  bool is_loaded() const { return loaded_; }

  // A menu item chosen by the player; false when it is disabled or hidden.
  bool choose_menu(std::string_view name);
  // A shortcut key ("F2", "Shift+F4", "Ctrl+N", ...); false when none fits.
  bool press_key(std::string_view key);
  // How many handlers the controller has for command: one for each command
  // that runs something (a plain item or a family's items), none for a menu.
  static int handler_count(Command command);
  // Mouse events on the draggable piece of picture id k (1..16); x and y in
  // twips from the picture's top-left corner.
  void picture_mouse_down(int k);
  void picture_mouse_move(int k, long x, long y);
  void picture_mouse_up(int k);
  void show_statistics();
  // A click on clue card nr (1..field_count): marks it as used, or clears
  // its mark. False when there is no such card on the board.
  bool card_click(int nr);
  void tick();
  // Loads the puzzle file at path as the Load menu does once its dialog
  // named it: the same checks, messages and status line. The game's command
  // line (`zerdo FILE`) comes this way.
  void load_puzzle_file(const std::string& path);
  // The player moved or resized the main window (twips).
  void window_moved(long left, long top, long width, long height);
  // The window shows the board at another factor (percent, kept within
  // kZoomMin..kZoomMax).
  void window_zoomed(long percent);
  // The factors Zoom in and Zoom out reach: the least legible one, and the
  // largest step (or less) at which the range's window fits the screen.
  Int least_zoom() const;
  Int largest_zoom() const;

  // The model the toolkit paints and the driver observes.
  const ControlSet& controls() const { return view_.controls(); }
  const MenuModel& menus() const { return menus_; }
  const std::array<StatusPanel, 5>& panels() const { return panels_; }  // 1..4
  const WindowModel& window() const { return window_; }
  // The layout of the range in force (twips), with the window size it was made for.
  const Layout& layout() const { return view_.layout(); }
  const MainState& state() const { return s_; }
  // The game in play alone.
  const Game& game() const { return s_; }
  const std::array<Int, 26>& pict_used() const { return view_.pict_used(); }
  // The secondary window name as it was last shown, nullptr if never.
  const Form* last_form(std::string_view name) const;

  // Operations the tests and the window benchmarks call directly.
  // Puts the status line for label and moves (status_text) in its panel.
  void show_status(const std::string& label, Int moves, const std::string& info = "");
  // The game clock from zero: the first move of a game starts it.
  void start_game_clock();
  // A won game's play time put against the hall of fame of its range and
  // level: a new best time is written at once; a game held on the way is
  // told it cannot enter.
  void enter_hall_of_fame();
  // How start_level treats the Again item and the range.
  enum LevelStart : unsigned {
    kAgainAsGenerated = 0,  // Again stays usable only when a new puzzle is drawn here
    kEnableAgain = 1,       // Again usable in any case
    kForce3x3 = 2,          // a 4x4 board goes back to 3x3 with a new puzzle first
  };
  // Puts level and puzzle id in force: ticks the level's item, returns every
  // piece to the stock and restarts the status line. A level beyond the last
  // is told in a box; a level outside them all gives level A with id "A-".
  void start_level(Int level, const std::string& id, unsigned how);
  void generate_puzzle();
  // The field under a piece dropped with its corner at (x, y), 0 off the board.
  Int field_at(Int x, Int y) const;

 private:
  // Writes card nr's record into the card table, then shows it.
  void install_card(int nr, const CardRecord& c);
  // Installs the puzzle the puzzle id names: a built-in one, a new one of a
  // level ("C-", or "Cx" for one drawn again each time), else level A.
  void open_puzzle_id();
  // Moves the puzzle id to the next or previous built-in puzzle (A1 from
  // any other id); installs nothing.
  void step_builtin_id(bool forward);
  void set_range_3x3_and_generate();
  void set_range_4x4_and_generate();
  // Shows every card of the board from the card table.
  void show_all_cards();
  // FormHandler
  bool click(Form& form, const std::string& control) override;

  // The menu's commands (commands.cpp).
  struct CommandHandler;
  static const CommandHandler kCommandHandlers[];
  void build_menus();
  // Runs the handler of the item called name; a submenu only opens.
  void run_menu(std::string_view name);
  // The item of a command in the menu, or of a member of its family ("C" of
  // the levels).
  MenuItem& menu_item(Command command, std::string_view member = {});
  void choose_builtin(std::string_view id);
  void choose_level(std::string_view letter);
  // Shows a secondary window modally and keeps it as it was shown.
  void show_form(Form& form);
  Answer box(std::string title, std::string text, Buttons buttons = Buttons::Ok,
             Icon icon = Icon::None);

  // Session
  void work_start();
  void work_stop();
  void set_run_mode(bool running);
  void restart_puzzle();
  // The menu's commands, each bound to its item in kCommandHandlers.
  void new_game();
  void play_again();
  void hold_game();
  void go_on();
  void next_puzzle();
  void previous_puzzle();
  void show_most_pieces();
  void exit_game();
  // The level's item: level in force with id "<letter>-", and a new puzzle
  // when the level changed.
  void switch_to_level(Int level);
  void toggle_show_result();

  // Placing pieces
  Int piece_of(int k) const { return s_.piece_of(k); }  // of picture id k
  bool piece_live(int k);
  void release(int k);
  // Puts the piece of picture id k on field f (0: the stock) as one move,
  // and shows it and the move count.
  void move_piece(int k, Int f);
  // The game kept between runs (kept.cpp): written after every move and at
  // close while it is in progress, removed when it is won or left; Continue
  // brings it back.
  void continue_game();
  void keep_game(bool closing = false);
  void leave_game();
  void show_continue_state();
  // The View menu's items, enabled where they would change the factor.
  void show_zoom_state();
  void zoom_in();
  void zoom_out();
  void zoom_reset();
  // Play time of the game so far (ms), 0 before the first move.
  std::int64_t play_ms();
  bool kept_exists_ = false;      // a kept game lies in the game's folder
  bool keeping_current_ = false;  // ... and it is the game on the board
  bool keep_failure_told_ = false;
  // Adds the game on the board to the history of games.
  void add_to_history(GameResult result);
  // The history window (history_window.cpp): the games it shows while it is
  // open, which its export writes.
  void show_history();
  void export_history();
  std::vector<PlayedGame> shown_history_;
  bool history_failure_told_ = false;  // a failed append was told this run
  // Undo and Redo: one release taken back or done again (placing.cpp).
  void undo();
  void redo();
  void undo_or_redo(bool undo);
  // Undo and Redo enabled while the game runs and has a step to take.
  void show_undo_state();
  // Every piece back in the stock and the field captions cleared.
  void return_all_pieces();
  // The piece control of picture id k moved to where the game has the piece.
  void show_piece(int k);

  // Judging
  // Judges a full board: the praise, or the question whether to see the
  // solution; a board not yet full says nothing.
  void judge_board();
  void show_solution_window(const std::vector<Int>& wrong_fields);

  // The hint (hints.cpp): shown on the board (piece, field and deciding
  // cards highlighted), in the status line and to the screen reader until
  // the next move or new cards.
  void show_hint();
  Hint find_hint() const;
  std::string hint_words(const Hint& h) const;
  void clear_hint();
  // The status line for label and moves as it reads now, the game clock
  // left as it is.
  std::string status_text(const std::string& label, Int moves, const std::string& info) const;

  // Built-in puzzles and the range
  void install_builtin(int index);
  void set_range(Int code);
  void set_range_3x3();
  void set_range_4x4();
  void choose_range_3x3();
  void choose_range_4x4();
  void toggle_anchors();
  void toggle_colour_marks();
  void lay_out_board();
  void set_form_caption();

  // Cards
  // Shows card nr from its record, takes the card's solution field into the
  // solution and clears the card marks.
  void show_card(int nr, const CardRecord& c);
  // The one place a change of the card marks goes through; each ends in
  // show_marks, which puts the game's marks on the card controls.
  void toggle_mark(int nr);
  void clear_marks();
  void show_marks();

  // The puzzle on paper (paper.cpp)
  void print();
  void export_pdf();
  void print_puzzle(PrintTarget target);

  // What the game keeps between runs
  void load_settings();
  void save_settings();
  void write_store(bool everything);
  // Why a file could not be written, in the player's words; words a
  // platform gives without a number (the browser's storage) are quoted.
  std::string failure_cause(const WriteFailure& failure) const;
  void save_store_values(bool everything);

  // Settings store, player dialog and puzzle files (settings.cpp, puzzle_files.cpp)
  // The values of kSettings; range and level pick a hall-of-fame key.
  GameStore store();
  std::string get_setting(Setting id, int range = 0, int level = 0);
  long long get_number(Setting id, int range = 0, int level = 0);
  void save_setting(Setting id, const std::string& value, int range = 0, int level = 0);
  void ask_player_name();
  bool player_dialog_click(Form& form, const std::string& control);
  void save_puzzle();
  void load_puzzle();
  void install_puzzle(const StagedPuzzle& p);
  // The file dialog of kind with title, in the folder of the last puzzle file.
  std::string file_dialog(FileDialogKind kind, const Texts& title);
  // Keeps the folder of a file written or read for the next dialog.
  void remember_folder(const std::string& name);
  std::string file_name_;    // the last name chosen in the load or save dialog
  std::string file_folder_;  // the folder of the last file saved or loaded, kept
                             // between runs ("" the home folder)

  Platform& platform_;
  MainState s_;
  BoardView view_;
  MenuModel menus_;
  std::array<StatusPanel, 5> panels_{};
  WindowModel window_;
  std::vector<std::unique_ptr<Form>> forms_;  // secondary windows as last shown
  bool loaded_ = false;

  // ---- Languages, tip of the day, help and About (language.cpp, help_about.cpp)
 public:
  // The help file name the help menu passes to the viewer ("zerdo.hlp");
  // with an empty name the help menu shows its no-help messages.
  void set_help_file(std::string name) { help_file_ = std::move(name); }

 private:
  // Start-up: applies the stored "Language" ("Deutsch", "English", "Vlaams";
  // anything else German).
  void apply_language_name(const std::string& name);
  // The language of code (0 German, 1 English, 2 Flemish; German for any
  // other) in force: menu captions, panel and board tool tips.
  void set_language(Int code);
  void help_contents();
  void search_help();
  void show_about();
  void show_system_info();

  std::string help_file_{"zerdo.hlp"};
};

}  // namespace zerdo
