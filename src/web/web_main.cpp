// The game as a web page: the controller FrmMain on WebPlatform, driven by
// the page's script (web/shell/zerdo.js) through the functions below. Each
// answers the page's questions as JSON, or runs one event of the player.
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/looks.h"
#include "play/frm_main.h"
#include "view/board_reader.h"
#include "view/help_index.h"
#include "web/board_drawing.h"
#include "web/web_platform.h"

namespace zerdo {
namespace {

WebPlatform* platform = nullptr;
FrmMain* game = nullptr;
std::string answer;  // the last JSON handed to the page

EM_JS(void, js_refresh, (), { Zerdo.refresh(); });

const char* hand(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

void append_bool(std::string& out, const char* name, bool v) {
  out += std::string(",\"") + name + "\":" + (v ? "true" : "false");
}

}  // namespace
}  // namespace zerdo

using namespace zerdo;

extern "C" {

EMSCRIPTEN_KEEPALIVE void zw_start() {
  platform = new WebPlatform;
  game = new FrmMain(*platform);
  platform->set_before_modal([] { js_refresh(); });
  game->start_up();
}

// The board as a drawing, the controls (for the pointer, the screen reader
// and the tests), the status panels and the window's caption.
EMSCRIPTEN_KEEPALIVE const char* zw_view() {
  std::string out = "{\"caption\":";
  append_json_string(out, game->window().caption);
  append_bool(out, "loaded", game->is_loaded());
  out += ",\"language\":" + std::to_string(game->state().language_code);
  out += ",\"status\":[";
  for (std::size_t i = 1; i < game->panels().size(); ++i) {
    if (i > 1) out += ',';
    out += "{\"text\":";
    append_json_string(out, game->panels()[i].text);
    out += ",\"tip\":";
    append_json_string(out, game->panels()[i].tooltip);
    out += '}';
  }
  out += "],\"controls\":[";
  bool first = true;
  for (const Control& c : game->controls().all()) {
    if (!c.visible || c.width <= 0 || c.height <= 0) continue;
    if (!first) out += ',';
    first = false;
    out += "{\"kind\":" + std::to_string(static_cast<int>(c.kind)) + ",\"role\":\"" +
           role_name(c.role) + "\",\"name\":";
    append_json_string(out, c.name);
    out += ",\"index\":" + std::to_string(c.index);
    out += ",\"x\":" + std::to_string(c.left / kTwipsPerPixel);
    out += ",\"y\":" + std::to_string(c.top / kTwipsPerPixel);
    out += ",\"w\":" + std::to_string(c.width / kTwipsPerPixel);
    out += ",\"h\":" + std::to_string(c.height / kTwipsPerPixel);
    out += ",\"left\":" + std::to_string(c.left) + ",\"top\":" + std::to_string(c.top);
    out += ",\"picture\":" + std::to_string(c.picture);
    out += ",\"caption\":";
    append_json_string(out, c.caption.value_or(""));
    out += ",\"tip\":";
    append_json_string(out, c.tooltip);
    out += '}';
  }
  out += "],\"reader\":[";
  const MainState& s = game->state();
  BoardReading reading{game->controls(), s.sn,   s.shape.field_count, {}, 0,
                       s.language_code,  nullptr};
  for (int k = 1; k <= 16; ++k) {
    const Int p = s.tables.piece_of_picture[static_cast<std::size_t>(s.shape.range_code)]
                                           [static_cast<std::size_t>(k)];
    if (p > 0)
      reading.field_of[static_cast<std::size_t>(k)] = s.placement[static_cast<std::size_t>(p)];
    if (s.dragging[static_cast<std::size_t>(k)]) reading.carried = k;
  }
  first = true;
  for (const ReaderItem& item : read_board(reading)) {
    if (!first) out += ',';
    first = false;
    static constexpr const char* kKinds[] = {"piece", "field", "card", "place"};
    out += std::string("{\"kind\":\"") + kKinds[static_cast<int>(item.kind)] + "\"";
    out += ",\"index\":" + std::to_string(item.index) + ",\"name\":";
    append_json_string(out, item.name);
    out += ",\"description\":";
    append_json_string(out, item.description);
    out += '}';
  }
  out += "]}";
  return hand(std::move(out));
}

// The board as a drawing in two layers: "base" everything but a piece the
// mouse holds, "top" that piece; while a piece is dragged only the top
// changes, and the page keeps the base as it drew it.
EMSCRIPTEN_KEEPALIVE const char* zw_drawing() {
  const BoardDrawing d = draw_board(game->controls(), game->state().colour_marks);
  std::string out = "{\"base\":" + drawing_json(d.base) + ",\"top\":" + drawing_json(d.top) + "}";
  return hand(std::move(out));
}

EMSCRIPTEN_KEEPALIVE const char* zw_menus() {
  std::string out = "[";
  bool first = true;
  for (const MenuItem& m : game->menus().items()) {
    if (!first) out += ',';
    first = false;
    out += "{\"name\":";
    append_json_string(out, m.name);
    out += ",\"caption\":";
    append_json_string(out, m.caption);
    out += ",\"shortcut\":";
    append_json_string(out, m.shortcut);
    out += ",\"second_shortcut\":";
    append_json_string(out, m.second_shortcut);
    out += ",\"parent\":" + std::to_string(m.parent);
    append_bool(out, "checked", m.checked);
    append_bool(out, "enabled", m.enabled);
    append_bool(out, "visible", m.visible);
    append_bool(out, "separator", m.separator_before);
    out += '}';
  }
  out += ']';
  return hand(std::move(out));
}

EMSCRIPTEN_KEEPALIVE int zw_menu(const char* name) { return game->choose_menu(name) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int zw_key(const char* key) { return game->press_key(key) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void zw_down(int k) { game->picture_mouse_down(k); }
EMSCRIPTEN_KEEPALIVE void zw_move(int k, int x, int y) { game->picture_mouse_move(k, x, y); }
EMSCRIPTEN_KEEPALIVE void zw_up(int k) { game->picture_mouse_up(k); }
EMSCRIPTEN_KEEPALIVE int zw_card(int nr) { return game->card_click(nr) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void zw_tip() { game->show_statistics(); }
EMSCRIPTEN_KEEPALIVE void zw_timer() { game->tick(); }
EMSCRIPTEN_KEEPALIVE void zw_load(const char* name) { game->load_puzzle_file(name); }
EMSCRIPTEN_KEEPALIVE void zw_unload() { game->shut_down(); }
// While a piece is dragged only it moves: its layer of the drawing, and
// where it lies now ([x, y] pixels, [left, top] twips), are all the page
// needs for the next frame.
EMSCRIPTEN_KEEPALIVE const char* zw_top() {
  const BoardDrawing d = draw_board(game->controls(), game->state().colour_marks, true);
  return hand(drawing_json(d.top));
}

EMSCRIPTEN_KEEPALIVE const char* zw_piece(int k) {
  for (const Control& c : game->controls().all())
    if (c.role == Role::Piece && c.picture == k)
      return hand("[" + std::to_string(c.left / kTwipsPerPixel) + "," +
                  std::to_string(c.top / kTwipsPerPixel) + "," + std::to_string(c.left) + "," +
                  std::to_string(c.top) + "]");
  return hand("null");
}

// The line the help's keyword search shows when nothing holds text, in
// the language of folder ("de", "en", "nl"): the window's own words.
EMSCRIPTEN_KEEPALIVE const char* zw_help_nothing(const char* text, const char* folder) {
  int code = 0;
  for (int c = 0; c < kLanguages; ++c)
    if (help_folder(c) == std::string_view(folder)) code = c;
  return hand(search_help({}, text, code).nothing_found);
}

// A picture of the help pages, named as the pages name it: "zerdo-picture:7",
// "zerdo-marked:7" (with its colour's pattern) or "zerdo-card:SKETCH" (a
// clue card, see parse_card_sketch): {"w", "h", "drawing"}, or null.
EMSCRIPTEN_KEEPALIVE const char* zw_help_image(const char* name) {
  const std::string_view text(name);
  drawing::Drawing d;
  drawing::Rect size{0, 0, drawing::kHelpPicturePixels, drawing::kHelpPicturePixels};
  const auto after = [&](std::string_view prefix) -> std::optional<std::string_view> {
    if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
    return text.substr(prefix.size());
  };
  if (const auto id = after("zerdo-picture:")) {
    drawing::picture(d, size, std::atoi(std::string(*id).c_str()));
  } else if (const auto marked = after("zerdo-marked:")) {
    drawing::picture(d, size, std::atoi(std::string(*marked).c_str()), true);
  } else if (const auto sketch = after("zerdo-card:")) {
    const auto card = parse_card_sketch(*sketch);
    if (!card) return hand("null");
    std::vector<drawing::SketchCell> cells;
    for (const auto& c : card->cells) cells.push_back({c.border, c.grey, c.cross, c.picture});
    size = drawing::card_sketch_size(card->side);
    drawing::card_sketch(d, card->side, card->picture, cells);
  } else {
    return hand("null");
  }
  return hand("{\"w\":" + std::to_string(size.w) + ",\"h\":" + std::to_string(size.h) +
              ",\"drawing\":" + drawing_json(d) + "}");
}

// The program's icon at size pixels, drawn as the window draws it.
EMSCRIPTEN_KEEPALIVE const char* zw_icon(int size) {
  drawing::Drawing d;
  drawing::program_icon(d, {0, 0, static_cast<double>(size), static_cast<double>(size)});
  return hand(drawing_json(d));
}

// The solution of the puzzle on the board: picture id per field 1..16 (entry
// 0 unused), for the tests.
EMSCRIPTEN_KEEPALIVE const char* zw_solution() {
  std::string out = "[";
  for (std::size_t f = 0; f < game->state().solution.size(); ++f) {
    if (f > 0) out += ',';
    out += std::to_string(game->state().solution[f]);
  }
  out += ']';
  return hand(std::move(out));
}

}  // extern "C"
