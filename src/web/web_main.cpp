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
#include "play/key_stops.h"
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

// The keyboard's stops by the page's names: "stock", "field", "card".
constexpr const char* kStopKinds[] = {"stock", "field", "card"};

std::optional<KeyStop::Kind> stop_kind(std::string_view name) {
  for (int i = 0; i < 3; ++i)
    if (name == kStopKinds[i]) return static_cast<KeyStop::Kind>(i);
  return std::nullopt;
}

std::string pixels(Int twips) { return std::to_string(twips / kTwipsPerPixel); }

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
  // The picture id the player holds (by pointer or keyboard), 0 for none.
  int held = 0;
  for (int k = 1; k <= 16; ++k)
    if (game->state().dragging[static_cast<std::size_t>(k)]) held = k;
  out += ",\"held\":" + std::to_string(held);
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
  // The stock's places, so that the keyboard cursor on an empty one has words.
  const BoardReading::Homes homes = stock_homes(*game);
  BoardReading reading{game->controls(), s.sn, s.shape.field_count, {}, 0, s.language_code, &homes};
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
// The keyboard's stops as the board stands (carried: the picture id the
// keyboard carries, 0 for none), in reading order: [{"kind", "index", "x",
// "y", "w", "h" (pixels), "piece" (the picture id picked up there, 0 for
// none), and while a piece is carried "drop": [left, top] (twips), where its
// corner goes to lie on the stop}].
EMSCRIPTEN_KEEPALIVE const char* zw_key_stops(int carried) {
  std::string out = "[";
  for (const KeyStop& stop : key_stops(*game, carried)) {
    if (out.size() > 1) out += ',';
    out += std::string("{\"kind\":\"") + kStopKinds[static_cast<int>(stop.kind)] + "\"";
    out += ",\"index\":" + std::to_string(stop.index);
    out += ",\"x\":" + pixels(stop.left) + ",\"y\":" + pixels(stop.top);
    out += ",\"w\":" + pixels(stop.width) + ",\"h\":" + pixels(stop.height);
    out += ",\"piece\":" + std::to_string(piece_at_stop(*game, stop));
    if (carried != 0) {
      const Spot corner = drop_corner(*game, carried, stop);
      out += ",\"drop\":[" + std::to_string(corner.left) + "," + std::to_string(corner.top) + "]";
    }
    out += '}';
  }
  return hand(out + "]");
}

// Where an arrow ("ArrowLeft" ...) leads the keyboard cursor from the stop
// (kind, index), beside ("stock" or "board") the block it last left for the
// cards: {"kind", "index", "beside"}; null for a stop the board has not.
EMSCRIPTEN_KEEPALIVE const char* zw_key_step(const char* kind, int n, const char* beside,
                                             const char* arrow, int held) {
  const std::optional<KeyStop::Kind> k = stop_kind(kind);
  const std::string_view a(arrow);
  const std::optional<Arrow> way = a == "ArrowLeft"    ? std::optional(Arrow::Left)
                                   : a == "ArrowRight" ? std::optional(Arrow::Right)
                                   : a == "ArrowUp"    ? std::optional(Arrow::Up)
                                   : a == "ArrowDown"  ? std::optional(Arrow::Down)
                                                       : std::nullopt;
  if (!k || !way) return hand("null");
  const std::vector<KeyStop> stops = key_stops(*game, held);
  const KeyStop here{*k, n};
  bool known = false;
  for (const KeyStop& s : stops) known = known || s.same_place(here);
  if (!known) return hand("null");
  const KeyPlace::Block side =
      std::string_view(beside) == "stock" ? KeyPlace::Block::Stock : KeyPlace::Block::Board;
  const KeyStep to = step_from(*game, here, side, *way, held);
  const KeyStop& next = to.stop;
  return hand(std::string("{\"kind\":\"") + kStopKinds[static_cast<int>(next.kind)] +
              "\",\"index\":" + std::to_string(next.index) + ",\"beside\":\"" +
              (to.beside == KeyPlace::Block::Stock ? "stock" : "board") + "\"}");
}

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
