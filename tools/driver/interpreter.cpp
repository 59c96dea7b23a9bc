#include "interpreter.h"

#include <cstdlib>
#include <functional>
#include <map>

#include "model/pictures.h"
#include "output.h"
#include "play/frm_main.h"
#include "solving/solver.h"

namespace zerdo {

using driver::boolean;
using driver::quote;

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
  const auto b = s.find_first_not_of(kBlanks);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(kBlanks) - b + 1);
}

std::vector<std::string_view> split(std::string_view s) {
  std::vector<std::string_view> out;
  while (true) {
    const auto b = s.find_first_not_of(kBlanks);
    if (b == std::string_view::npos) return out;
    s.remove_prefix(b);
    const auto e = s.find_first_of(kBlanks);
    out.push_back(s.substr(0, e));
    if (e == std::string_view::npos) return out;
    s.remove_prefix(e);
  }
}

template <typename T>
std::string join(const T& values, std::size_t from, std::size_t to) {
  std::string s;
  for (std::size_t i = from; i <= to; ++i) {
    if (i > from) s += ' ';
    s += std::to_string(values[i]);
  }
  return s;
}

// The secondary windows the driver records.
constexpr std::string_view kWindows[] = {"frmLoesung", "frmAbout", "DialogUser", "frmHistory"};

}  // namespace

Interpreter::Interpreter(std::ostream& out) : out_(out) {}
Interpreter::~Interpreter() = default;

void Interpreter::error(const std::string& reason) {
  out_ << "error: " << reason << '\n';
  had_error_ = true;
}

FrmMain* Interpreter::main_window(std::string_view cmd) {
  if (!main_) error(std::string(cmd) + ": the main window is not open (use start)");
  return main_.get();
}

int Interpreter::picture_id(std::string_view name) {
  constexpr std::string_view prefix = "Picture_";
  if (name.substr(0, prefix.size()) != prefix) return 0;
  for (int k = 1; k <= kPieceIds; ++k)
    if (name.substr(prefix.size()) == picture_name(k)) return k;
  return 0;
}

void Interpreter::run_line(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view t = trim(line);
  if (t.empty() || t.front() == '#') return;
  const auto e = t.find_first_of(kBlanks);
  const std::string_view cmd = t.substr(0, e);
  // The rest of the line after the command and one blank, as it stands.
  std::string_view rest;
  const std::string_view from_cmd = line.substr(line.find(cmd));
  if (from_cmd.size() > cmd.size()) rest = from_cmd.substr(cmd.size() + 1);
  Args args = split(t);
  args.erase(args.begin());
  dispatch(cmd, rest, args);
}

void Interpreter::dispatch(std::string_view cmd, std::string_view rest, const Args& args) {
  using Handler = std::function<void(const Args&)>;
  struct Entry {
    std::size_t min_args, max_args;  // SIZE_MAX for any number
    Handler run;
  };
  const std::size_t any = static_cast<std::size_t>(-1);
  const std::map<std::string_view, Entry> commands = {
      {"start", {0, 0, [this](const Args&) { cmd_start(); }}},
      {"close", {0, 0, [this](const Args&) { cmd_close(); }}},
      {"menu", {1, 1, [this](const Args& a) { cmd_menu(a); }}},
      {"key", {1, 1, [this](const Args& a) { cmd_key(a); }}},
      {"press", {1, 1, [this](const Args& a) { cmd_mouse("press", a); }}},
      {"move", {3, 3, [this](const Args& a) { cmd_mouse("move", a); }}},
      {"release", {1, 1, [this](const Args& a) { cmd_mouse("release", a); }}},
      {"drag", {3, 3, [this](const Args& a) { cmd_mouse("drag", a); }}},
      {"click", {1, 1, [this](const Args& a) { cmd_click(a); }}},
      {"tick", {0, 0, [this](const Args& a) { cmd_tick(a); }}},
      {"echo", {0, any, [this, rest](const Args&) { out_ << rest << '\n'; }}},
      {"wait", {1, 1, [this](const Args& a) { cmd_wait(a); }}},
      {"random", {1, any, [this](const Args& a) { cmd_random(a); }}},
      {"answer", {1, 1, [this](const Args& a) { cmd_answer(a); }}},
      {"file",
       {0, any,
        [this, rest](const Args& a) {
          platform_.queue_file(a.empty() ? std::string() : std::string(rest));
        }}},
      {"user", {0, any, [this, rest](const Args&) { platform_.queue_user(std::string(rest)); }}},
      {"user-cancel", {0, 0, [this](const Args&) { platform_.queue_user(std::nullopt); }}},
      {"window-state", {1, 1, [this](const Args& a) { cmd_window_state(a); }}},
      {"window-geometry", {4, 4, [this](const Args& a) { cmd_window_geometry(a); }}},
      {"screen", {2, 2, [this](const Args& a) { cmd_screen(a); }}},
      {"get", {1, 1, [this](const Args& a) { cmd_get(a); }}},
      {"table", {1, 1, [this](const Args& a) { cmd_table(a); }}},
      {"control", {1, 1, [this](const Args& a) { cmd_control(a); }}},
      {"menuitem", {1, 1, [this](const Args& a) { cmd_menuitem(a); }}},
      {"status", {0, 0, [this](const Args& a) { cmd_status(a); }}},
      {"caption", {0, 0, [this](const Args& a) { cmd_caption(a); }}},
      {"geometry", {0, 0, [this](const Args& a) { cmd_geometry(a); }}},
      {"pointer", {0, 0, [this](const Args& a) { cmd_pointer(a); }}},
      {"messages", {0, 0, [this](const Args& a) { cmd_messages(a); }}},
      {"window", {1, 1, [this](const Args& a) { cmd_window(a); }}},
      {"help", {0, 0, [this](const Args& a) { cmd_help(a); }}},
      {"store", {0, 0, [this](const Args& a) { cmd_store(a); }}},
      {"mark", {1, 1, [this](const Args& a) { cmd_mark(a); }}},
      {"marks", {0, 0, [this](const Args& a) { cmd_marks(a); }}},
      {"hint", {0, 0, [this](const Args& a) { cmd_hint(a); }}},
      {"solutions", {0, 0, [this](const Args& a) { cmd_solutions(a); }}},
      {"history", {0, 0, [this](const Args& a) { cmd_history(a); }}},
  };
  auto it = commands.find(cmd);
  if (it == commands.end()) return error("unknown command " + std::string(cmd));
  const Entry& e = it->second;
  if (args.size() < e.min_args || args.size() > e.max_args) {
    std::string want = std::to_string(e.min_args);
    if (e.max_args == any)
      want += " or more";
    else if (e.max_args != e.min_args)
      want += " to " + std::to_string(e.max_args);
    return error(std::string(cmd) + ": expects " + want + " argument(s), got " +
                 std::to_string(args.size()));
  }
  e.run(args);
  // The game menu's Exit closes the main window like `close` does.
  if (main_ && !main_->is_loaded()) main_.reset();
}

void Interpreter::cmd_start() {
  if (main_) return error("start: the main window is already open");
  main_ = std::make_unique<FrmMain>(platform_);
  main_->start_up();
}

void Interpreter::cmd_close() {
  if (!main_window("close")) return;
  main_->shut_down();
  main_.reset();
}

void Interpreter::cmd_menu(const Args& a) {
  FrmMain* m = main_window("menu");
  if (!m) return;
  if (!m->menus().find(a[0])) return error("menu: unknown menu item " + std::string(a[0]));
  if (!m->choose_menu(a[0])) out_ << "refused: " << a[0] << '\n';
}

void Interpreter::cmd_key(const Args& a) {
  FrmMain* m = main_window("key");
  if (!m) return;
  // The keys are those of the menu's items.
  if (!m->menus().by_shortcut(a[0])) return error("key: unknown key " + std::string(a[0]));
  // A shortcut whose item is disabled does nothing, like a refused menu item.
  if (!m->press_key(a[0])) out_ << "refused: " << a[0] << '\n';
}

void Interpreter::cmd_mouse(std::string_view cmd, const Args& a) {
  FrmMain* m = main_window(cmd);
  if (!m) return;
  const int k = picture_id(a[0]);
  if (k == 0) return error(std::string(cmd) + ": unknown picture " + std::string(a[0]));
  if (cmd == "press") return m->picture_mouse_down(k);
  if (cmd == "release") return m->picture_mouse_up(k);
  const auto x = driver::parse_long(a[1]), y = driver::parse_long(a[2]);
  if (!x || !y) return error(std::string(cmd) + ": coordinates must be whole numbers of twips");
  if (cmd == "move") return m->picture_mouse_move(k, *x, *y);
  const Control* c = m->controls().find(a[0]);
  if (!c) return error("drag: the main window has no control " + std::string(a[0]));
  // The pointer is taken from the top-left corner straight to (LEFT, TOP).
  const long dx = *x - c->left, dy = *y - c->top;
  m->picture_mouse_down(k);
  m->picture_mouse_move(k, dx, dy);
  m->picture_mouse_up(k);
}

void Interpreter::cmd_click(const Args& a) {
  FrmMain* m = main_window("click");
  if (!m) return;
  if (a[0] != "FrameTip")
    return error("click: only FrameTip can be clicked, not " + std::string(a[0]));
  m->show_statistics();
}

void Interpreter::cmd_tick(const Args&) {
  if (FrmMain* m = main_window("tick")) m->tick();
}

void Interpreter::cmd_wait(const Args& a) {
  const auto ms = driver::parse_seconds_ms(a[0]);
  if (!ms)
    return error("wait: expects seconds with at most three decimals, not " + std::string(a[0]));
  platform_.wait_ms(*ms);
}

void Interpreter::cmd_random(const Args& a) {
  std::vector<float> values;
  for (std::string_view s : a) {
    const std::string text(s);
    char* end = nullptr;
    const float u = std::strtof(text.c_str(), &end);  // nearest single-precision value
    if (end != text.c_str() + text.size() || !(u >= 0.0f && u < 1.0f))
      return error("random: " + text + " is not a number in [0, 1)");
    values.push_back(u);
  }
  for (float u : values) platform_.queue_random(u);
}

void Interpreter::cmd_answer(const Args& a) {
  static const std::map<std::string_view, Answer> answers = {
      {"ok", Answer::Ok}, {"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}};
  if (a[0] == "sysinfo") return platform_.queue_sysinfo();
  if (a[0] == "export") return platform_.queue_export();
  auto it = answers.find(a[0]);
  if (it == answers.end())
    return error("answer: expects ok, yes, no, cancel or sysinfo, not " + std::string(a[0]));
  platform_.queue_answer(it->second);
}

void Interpreter::cmd_window_state(const Args& a) {
  static const std::map<std::string_view, WindowState> states = {
      {"normal", WindowState::Normal},
      {"minimized", WindowState::Minimized},
      {"maximized", WindowState::Maximized}};
  auto it = states.find(a[0]);
  if (it == states.end())
    return error("window-state: expects normal, minimized or maximized, not " + std::string(a[0]));
  platform_.set_window_state(it->second);
}

void Interpreter::cmd_window_geometry(const Args& a) {
  FrmMain* m = main_window("window-geometry");
  if (!m) return;
  long v[4];
  for (int i = 0; i < 4; ++i) {
    const auto n = driver::parse_long(a[static_cast<std::size_t>(i)]);
    if (!n || *n < -32768 || *n > 32767)
      return error("window-geometry: " + std::string(a[static_cast<std::size_t>(i)]) +
                   " is not a 16-bit number of twips");
    v[i] = *n;
  }
  m->window_moved(v[0], v[1], v[2], v[3]);
}

void Interpreter::cmd_screen(const Args& a) {
  const auto w = driver::parse_long(a[0]), h = driver::parse_long(a[1]);
  if (!w || !h || *w < 1 || *h < 1 || *w > 32767 || *h > 32767)
    return error("screen: width and height must be numbers of twips from 1 to 32767");
  platform_.set_screen(static_cast<Int>(*w), static_cast<Int>(*h));
}

void Interpreter::cmd_get(const Args& a) {
  const std::string_view name = a[0];
  if (name == "draws") {
    out_ << platform_.draws() << '\n';
    return;
  }
  if (name == "zoom") {
    if (FrmMain* m = main_window("get")) out_ << m->window().zoom << '\n';
    return;
  }
  using Getter = std::function<std::string(const MainState&)>;
  auto num = [](auto f) {
    return Getter([f](const MainState& s) { return std::to_string(f(s)); });
  };
  auto str = [](auto f) { return Getter([f](const MainState& s) { return quote(f(s)); }); };
  static const std::map<std::string_view, Getter> getters = {
      {"puzzle_id", str([](const MainState& s) { return s.puzzle_id; })},
      {"level", num([](const MainState& s) { return s.level; })},
      {"moves", num([](const MainState& s) { return s.moves; })},
      {"play_mode", num([](const MainState& s) { return s.play_mode; })},
      {"mode_text", str([](const MainState& s) { return s.mode_text; })},
      {"range_code", num([](const MainState& s) { return s.shape.range_code; })},
      {"range_name", str([](const MainState& s) { return s.range_name; })},
      {"field_count", num([](const MainState& s) { return s.shape.field_count; })},
      {"side", num([](const MainState& s) { return s.shape.side; })},
      {"language_code", num([](const MainState& s) { return s.language_code; })},
      {"language_name", str([](const MainState& s) { return s.language_name; })},
      {"user_name", str([](const MainState& s) { return s.user_name; })},
      {"version_text", str([](const MainState& s) { return s.version_text; })},
      {"anker_option",
       Getter([](const MainState& s) { return std::string(boolean(s.anker_option)); })},
      {"check_value", num([](const MainState& s) { return s.check_value; })},
  };
  auto it = getters.find(name);
  if (it == getters.end()) return error("get: unknown state variable " + std::string(name));
  if (FrmMain* m = main_window("get")) out_ << it->second(m->state()) << '\n';
}

void Interpreter::cmd_table(const Args& a) {
  static const std::string_view names[] = {"sn",
                                           "solution",
                                           "placement",
                                           "field_bit",
                                           "pict_used",
                                           "range_stats",
                                           "record_holder",
                                           "picture_of_piece",
                                           "piece_of_picture",
                                           "anchor_sperre_3x3",
                                           "anchor_sperre_4x4"};
  const std::string_view name = a[0];
  bool known = false;
  for (std::string_view n : names) known = known || n == name;
  if (!known) return error("table: unknown table " + std::string(name));
  FrmMain* m = main_window("table");
  if (!m) return;
  const MainState& s = m->state();
  auto rows = [this](int first, int last, auto row) {
    for (int r = first; r <= last; ++r) out_ << r << ": " << row(r) << '\n';
  };
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  if (name == "sn") {
    rows(1, kRecords, [&](int r) {
      std::string line;
      for (int c = 0; c < kColumns; ++c) line += (c ? " " : "") + std::to_string(s.sn(r, c));
      return line;
    });
  } else if (name == "solution") {
    out_ << join(s.solution, 1, s.solution.size() - 1) << '\n';
  } else if (name == "placement") {
    out_ << join(s.placement, 1, s.placement.size() - 1) << '\n';
  } else if (name == "field_bit") {
    out_ << join(s.tables.field_bit, 1, s.tables.field_bit.size() - 1) << '\n';
  } else if (name == "pict_used") {
    out_ << join(m->pict_used(), 1, m->pict_used().size() - 1) << '\n';
  } else if (name == "range_stats") {
    rows(1, 2, [&](int r) { return join(s.range_stats[at(r)], 0, 20); });
  } else if (name == "record_holder") {
    rows(1, 2, [&](int r) {
      std::string line;
      for (int l = 1; l <= 9; ++l)
        line += (l > 1 ? " " : "") + quote(s.record_holder[at(r)][at(l)]);
      return line;
    });
  } else if (name == "picture_of_piece") {
    rows(1, 2, [&](int r) { return join(s.tables.picture_of_piece[at(r)], 1, 16); });
  } else if (name == "piece_of_picture") {
    rows(1, 2, [&](int r) { return join(s.tables.piece_of_picture[at(r)], 1, 16); });
  } else if (name == "anchor_sperre_3x3") {
    rows(1, 9, [&](int r) { return join(s.anchors.sperre_3x3[at(r)], 1, 9); });
  } else {
    rows(1, 16, [&](int r) { return join(s.anchors.sperre_4x4[at(r)], 1, 16); });
  }
}

void Interpreter::cmd_control(const Args& a) {
  FrmMain* m = main_window("control");
  if (!m) return;
  const Control* c = m->controls().find(a[0]);
  if (!c) return error("control: the main window has no control " + std::string(a[0]));
  out_ << driver::control_fields(*c) << '\n';
}

void Interpreter::cmd_menuitem(const Args& a) {
  FrmMain* m = main_window("menuitem");
  if (!m) return;
  const MenuItem* i = m->menus().find(a[0]);
  if (!i) return error("menuitem: unknown menu item " + std::string(a[0]));
  out_ << "caption=" << quote(i->caption) << " checked=" << boolean(i->checked)
       << " enabled=" << boolean(i->enabled) << " visible=" << boolean(i->visible)
       << " shortcut=" << (i->shortcut.empty() ? std::string("-") : i->shortcut) << '\n';
}

void Interpreter::cmd_status(const Args&) {
  FrmMain* m = main_window("status");
  if (!m) return;
  for (int n = 1; n <= 4; ++n) {
    const StatusPanel& p = m->panels()[static_cast<std::size_t>(n)];
    out_ << "panel " << n << " width=" << p.width << " text=" << quote(p.text)
         << " tooltip=" << quote(p.tooltip) << '\n';
  }
}

void Interpreter::cmd_caption(const Args&) {
  if (FrmMain* m = main_window("caption")) out_ << quote(m->window().caption) << '\n';
}

void Interpreter::cmd_geometry(const Args&) {
  FrmMain* m = main_window("geometry");
  if (!m) return;
  const WindowModel& w = m->window();
  out_ << "left=" << w.left << " top=" << w.top << " width=" << w.width << " height=" << w.height
       << " state=" << driver::state_name(platform_.screen().window_state()) << '\n';
}

void Interpreter::cmd_pointer(const Args&) {
  if (FrmMain* m = main_window("pointer"))
    out_ << (m->window().hourglass ? "hourglass" : "default") << '\n';
}

void Interpreter::cmd_messages(const Args&) {
  for (const std::string& line : platform_.take_messages()) out_ << line << '\n';
}

void Interpreter::cmd_window(const Args& a) {
  bool known = false;
  for (std::string_view w : kWindows) known = known || w == a[0];
  if (!known) return error("window: unknown window " + std::string(a[0]));
  const Form* f = platform_.shown_form(std::string(a[0]));
  if (!f) return error("window: " + std::string(a[0]) + " has not been shown");
  out_ << "caption=" << quote(f->caption) << '\n';
  for (const Control& c : f->controls.all())
    out_ << c.full_name() << ": " << driver::control_fields(c) << '\n';
  // A window with a table or charts (frmHistory): what they show, after the controls.
  for (const Control& c : f->controls.all()) {
    if (c.role == Role::Table) {
      out_ << "table " << c.full_name() << ":" << driver::quoted_list(f->table.heads) << '\n';
      for (std::size_t r = 0; r < f->table.rows.size(); ++r)
        out_ << "row " << r + 1 << ":" << driver::quoted_list(f->table.rows[r]) << '\n';
    } else if (c.role == Role::Chart && c.index >= 0 &&
               static_cast<std::size_t>(c.index) < f->charts.size()) {
      for (const std::string& line :
           driver::chart_lines(f->charts[static_cast<std::size_t>(c.index)]))
        out_ << "chart " << c.full_name() << " " << line << '\n';
    }
  }
}

void Interpreter::cmd_help(const Args&) {
  for (const std::string& line : platform_.take_help()) out_ << line << '\n';
}

void Interpreter::cmd_store(const Args&) {
  for (const auto& [key, value] : platform_.stored_settings())
    out_ << key << " = " << quote(value) << '\n';
}

void Interpreter::cmd_mark(const Args& a) {
  FrmMain* m = main_window("mark");
  if (!m) return;
  const int cards = m->state().shape.field_count;
  const auto nr = driver::parse_long(a[0]);
  if (!nr || *nr < 1 || *nr > cards)
    return error("mark: expects a card number from 1 to " + std::to_string(cards) + ", not " +
                 std::string(a[0]));
  if (!m->card_click(static_cast<int>(*nr))) out_ << "refused: " << a[0] << '\n';
}

void Interpreter::cmd_marks(const Args&) {
  FrmMain* m = main_window("marks");
  if (!m) return;
  std::string line;
  for (int nr = 1; nr <= m->state().shape.field_count; ++nr)
    if (m->state().marks[static_cast<std::size_t>(nr)])
      line += (line.empty() ? "" : " ") + std::to_string(nr);
  out_ << (line.empty() ? "none" : line) << '\n';
}

// Chooses the hint of the Info menu and prints what it shows.
void Interpreter::cmd_hint(const Args&) {
  FrmMain* m = main_window("hint");
  if (!m) return;
  m->choose_menu("mnuHelpHint");
  const std::optional<Hint>& h = m->state().hint;
  if (!h || h->kind == Hint::Kind::None) {
    out_ << "hint none\n";
    return;
  }
  const std::string piece = "Picture_" + std::string(picture_name(h->picture));
  if (h->kind == Hint::Kind::Wrong) {
    out_ << "hint wrong piece=" << piece << " field=" << h->field << '\n';
    return;
  }
  std::string cards;
  for (const Int c : h->cards) cards += (cards.empty() ? "" : ",") + std::to_string(c);
  out_ << "hint piece=" << piece << " field=" << h->field
       << " cards=" << (cards.empty() ? "-" : cards) << '\n';
}

// The number of boards that fit every card of the puzzle in play.
void Interpreter::cmd_solutions(const Args&) {
  FrmMain* m = main_window("solutions");
  if (!m) return;
  const int count = Solver(m->state().sn, m->state().shape).count();
  out_ << "solutions "
       << (count >= kCountLimit ? std::to_string(kCountLimit) + "+" : std::to_string(count))
       << '\n';
}

// The history of games, oldest first, each as the file keeps it; then a note
// for each damaged line that was skipped.
void Interpreter::cmd_history(const Args&) {
  const auto bytes = platform_.files().read_data_file(std::string(kHistoryFile), kMaxHistoryBytes);
  const History h = read_history(bytes ? *bytes : std::string());
  for (const PlayedGame& g : h.games) out_ << history_line(g);
  for (const int line : h.damaged)
    out_ << "note: history line " << line << " is damaged and skipped\n";
}

}  // namespace zerdo
