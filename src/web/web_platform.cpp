#include "web/web_platform.h"

#include <emscripten.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <utility>

#include "drawing/chart.h"
#include "drawing/looks.h"
#include "services/plain_name.h"
#include "web/board_drawing.h"

namespace zerdo {

namespace {

// The page's side of the platform (web/shell/zerdo.js, Zerdo.host). Strings
// that come back are allocated with malloc; owned() frees them.

EM_ASYNC_JS(int, js_message_box, (const char* json),
            { return await Zerdo.host.messageBox(JSON.parse(UTF8ToString(json))); });

EM_ASYNC_JS(char*, js_form, (const char* json), {
  return Zerdo.host.newString(await Zerdo.host.form(JSON.parse(UTF8ToString(json))));
});

EM_ASYNC_JS(char*, js_file_dialog, (int save, const char* title, const char* filter), {
  return Zerdo.host.newString(
      await Zerdo.host.fileDialog(save != 0, UTF8ToString(title), UTF8ToString(filter)));
});

// The file's bytes as they are (a Uint8Array the page keeps by name), with
// their count in *size; 0 when the page has no such file.
// 0 when the player cancelled, 1 when the page went to the printer (or to
// the browser's PDF), 2 when it could not.
EM_ASYNC_JS(int, js_print, (const char* json),
            { return await Zerdo.host.print(JSON.parse(UTF8ToString(json))); });

EM_JS(char*, js_read_file, (const char* path, int* size), {
  const bytes = Zerdo.host.readFile(UTF8ToString(path));
  if (bytes == null) return 0;
  const p = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, p);
  HEAP32[size >> 2] = bytes.length;
  return p;
});

EM_JS(int, js_write_file, (const char* path, const char* bytes, int size), {
  return Zerdo.host.writeFile(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size)) ? 1 : 0;
});

EM_JS(char*, js_store_get, (const char* key), {
  const v = Zerdo.host.storeGet(UTF8ToString(key));
  return v == null ? 0 : Zerdo.host.newString(v);
});

EM_JS(char*, js_store_put, (const char* json),
      { return Zerdo.host.newString(Zerdo.host.storePut(JSON.parse(UTF8ToString(json)))); });

// The game's own files, each one entry of the local storage (Zerdo.host's
// data functions): its bytes as they are, with their count in *size, at most
// limit of them; 0 when there is no such entry.
EM_JS(char*, js_data_get, (const char* name, int limit, int* size), {
  const bytes = Zerdo.host.dataGet(UTF8ToString(name), limit);
  if (bytes == null) return 0;
  const p = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, p);
  HEAP32[size >> 2] = bytes.length;
  return p;
});

// Replaces the entry whole (append 0) or adds the bytes at its end (append
// 1), all or nothing; answers as js_store_put does.
EM_JS(char*, js_data_put, (const char* name, const char* bytes, int size, int append), {
  return Zerdo.host.newString(
      Zerdo.host.dataPut(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size), append != 0));
});

EM_JS(char*, js_data_remove, (const char* name),
      { return Zerdo.host.newString(Zerdo.host.dataRemove(UTF8ToString(name))); });

// Where an entry lies, in the words of the page's language ("" for the
// settings store itself), for the message of a write that failed.
EM_JS(char*, js_storage_place, (const char* name),
      { return Zerdo.host.newString(Zerdo.host.storagePlace(UTF8ToString(name))); });

EM_JS(double, js_now_ms, (), { return performance.now(); });
EM_JS(double, js_time_of_day_ms, (), {
  const d = new Date();
  return ((d.getHours() * 60 + d.getMinutes()) * 60 + d.getSeconds()) * 1000 + d.getMilliseconds();
});
// The local date and time, YYYY-MM-DDTHH:MM:SS, as the history notes a game.
EM_JS(char*, js_local_date_time, (), {
  const d = new Date();
  function two(n) { return String(n).padStart(2, '0'); }
  return Zerdo.host.newString(d.getFullYear() + '-' + two(d.getMonth() + 1) + '-' +
                              two(d.getDate()) + 'T' + two(d.getHours()) + ':' +
                              two(d.getMinutes()) + ':' + two(d.getSeconds()));
});
EM_JS(int, js_screen, (int height), { return height ? screen.height : screen.width; });
EM_JS(void, js_help, (int search, const char* file, int context, const char* keyword),
      { Zerdo.host.help(search != 0, UTF8ToString(file), context, UTF8ToString(keyword)); });
EM_JS(void, js_help_close, (), { Zerdo.host.helpClose(); });

struct FreeString {
  void operator()(char* p) const { std::free(p); }
};
std::optional<std::string> owned(char* p) {
  if (!p) return std::nullopt;
  std::unique_ptr<char, FreeString> hold(p);
  return std::string(p);
}

std::string store_key(const std::string& section, const std::string& key) {
  return section + "/" + key;
}

// The failure of a write the page refused, where: the page answers a word
// for a usual cause (told to the player in the game's words) or the
// browser's reason.
WriteFailure storage_failure(const std::string& where, const std::string& reason) {
  static constexpr std::pair<std::string_view, int> kCauses[] = {{"quota", EDQUOT},
                                                                 {"denied", EACCES}};
  int code = 0;
  for (const auto& [word, number] : kCauses)
    if (reason == word) code = number;
  return WriteFailure{owned(js_storage_place(where.c_str())).value_or(where), reason, code};
}

std::string form_json(const Form& form) {
  std::string out = "{\"name\":";
  append_json_string(out, form.name);
  out += ",\"caption\":";
  append_json_string(out, form.caption);
  out += ",\"width\":" + std::to_string(form.width / kTwipsPerPixel);
  out += ",\"height\":" + std::to_string(form.height / kTwipsPerPixel);
  out += ",\"controls\":[";
  bool first = true;
  for (const Control& c : form.controls.all()) {
    if (!first) out += ',';
    first = false;
    out += "{\"kind\":" + std::to_string(static_cast<int>(c.kind)) + ",\"role\":\"" +
           role_name(c.role) + "\",\"name\":";
    append_json_string(out, c.full_name());
    out += ",\"x\":" + std::to_string(c.left / kTwipsPerPixel);
    out += ",\"y\":" + std::to_string(c.top / kTwipsPerPixel);
    out += ",\"w\":" + std::to_string(c.width / kTwipsPerPixel);
    out += ",\"h\":" + std::to_string(c.height / kTwipsPerPixel);
    out += std::string(",\"visible\":") + (c.visible ? "true" : "false");
    out += std::string(",\"enabled\":") + (c.enabled ? "true" : "false");
    out += ",\"caption\":";
    append_json_string(out, c.caption.value_or(""));
    out += ",\"tip\":";
    append_json_string(out, c.tooltip);
    // A chart is drawn by the game at the size of its place, for a canvas of
    // its own.
    if (c.role == Role::Chart && c.index >= 0 &&
        static_cast<std::size_t>(c.index) < form.charts.size()) {
      const drawing::Rect area{0, 0, c.width / kTwipsPerPixel, c.height / kTwipsPerPixel};
      out += ",\"drawing\":" + drawing_json(drawing::draw_chart(
                                   form.charts[static_cast<std::size_t>(c.index)], area));
    }
    out += "}";
  }
  // The table is an element of the page, read by a screen reader cell by
  // cell with its column heads.
  out += "],\"table\":{\"heads\":[";
  for (std::size_t k = 0; k < form.table.heads.size(); ++k) {
    if (k > 0) out += ',';
    append_json_string(out, form.table.heads[k]);
  }
  out += "],\"rows\":[";
  for (std::size_t r = 0; r < form.table.rows.size(); ++r) {
    out += r > 0 ? ",[" : "[";
    for (std::size_t k = 0; k < form.table.rows[r].size(); ++k) {
      if (k > 0) out += ',';
      append_json_string(out, form.table.rows[r][k]);
    }
    out += ']';
  }
  // The table and the charts are elements of their own, above the drawing
  // of the rest.
  ControlSet painted = form.controls;
  for (ControlSet::Id id = 0; id < painted.size(); ++id)
    if (painted[id].role == Role::Table || painted[id].role == Role::Chart)
      painted[id].visible = false;
  out += "]},\"drawing\":";
  out += drawing_json(draw_controls(painted, form.colour_marks));
  out += "}";
  return out;
}

}  // namespace

Answer WebPlatform::message_box(const MessageBox& box) {
  if (before_modal_) before_modal_();
  std::string json = "{\"title\":";
  append_json_string(json, box.title);
  json += ",\"text\":";
  append_json_string(json, box.text);
  json += ",\"buttons\":" + std::to_string(box.buttons == Buttons::Ok ? 0 : 1);
  json += ",\"icon\":" + std::to_string(static_cast<int>(box.icon)) + "}";
  switch (js_message_box(json.c_str())) {
    case 1:
      return Answer::Yes;
    case 2:
      return Answer::No;
    case 3:
      return Answer::Cancel;
    default:
      return box.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

void WebPlatform::show_modal(Form& form, FormHandler& handler) {
  if (before_modal_) before_modal_();
  for (;;) {
    // The page answers "control" or "control\nname=value\n..." with the text
    // boxes' contents as the player left them ("" when closed).
    const std::string answer = owned(js_form(form_json(form).c_str())).value_or("");
    std::size_t at = answer.find('\n');
    const std::string pressed = answer.substr(0, at);
    while (at != std::string::npos) {
      const std::size_t next = answer.find('\n', at + 1);
      const std::string line =
          answer.substr(at + 1, next == std::string::npos ? next : next - at - 1);
      const std::size_t eq = line.find('=');
      if (eq != std::string::npos)
        if (Control* c = form.controls.find(line.substr(0, eq))) c->caption = line.substr(eq + 1);
      at = next;
    }
    if (handler.click(form, pressed) || pressed.empty()) return;
  }
}

std::string WebPlatform::file_dialog(FileDialogKind kind, const std::string& title,
                                     const std::string& filter) {
  if (before_modal_) before_modal_();
  return owned(js_file_dialog(kind == FileDialogKind::Save ? 1 : 0, title.c_str(), filter.c_str()))
      .value_or("");
}

PrintResult WebPlatform::print_puzzle(const PrintJob& job, PrintChoices* chosen) {
  if (!job.controls) return PrintResult::Failed;
  // The page's print has the solution option only: the patterns stay as the
  // player last chose them.
  if (chosen) chosen->colour_marks = job.colour_marks;
  if (before_modal_) before_modal_();
  // The board as the window draws it, without the pieces and the player's
  // marks: the cards come from it, and the empty board.
  ControlSet board = *job.controls;
  for (ControlSet::Id id = 0; id < board.size(); ++id) {
    if (board[id].role == Role::Piece) board[id].visible = false;
    board[id].marked = false;
  }
  const auto rect_json = [](const Control* c) {
    if (!c) return std::string("null");
    return "[" + std::to_string(c->left / kTwipsPerPixel) + "," +
           std::to_string(c->top / kTwipsPerPixel) + "," +
           std::to_string(c->width / kTwipsPerPixel) + "," +
           std::to_string(c->height / kTwipsPerPixel) + "]";
  };
  std::string out = "{\"pdf\":";
  out += job.target == PrintTarget::Pdf ? "true" : "false";
  for (const auto& [key, value] :
       {std::pair{"dialog", &job.dialog_title}, std::pair{"option", &job.option_caption},
        std::pair{"title", &job.title}, std::pair{"details", &job.details},
        std::pair{"solutionTitle", &job.solution_title}}) {
    out += std::string(",\"") + key + "\":";
    append_json_string(out, *value);
  }
  out += ",\"cards\":[";
  for (int i = 0; i < job.cards; ++i) {
    if (i > 0) out += ',';
    out += rect_json(board.find(Role::Card, i));
  }
  out += "],\"board\":" + rect_json(board.find(Role::BoardFrame, 0));
  out += ",\"drawing\":" + drawing_json(draw_controls(board, job.colour_marks));
  // The solution: every piece on its field.
  drawing::Drawing solved;
  for (int f = 1; f <= job.side * job.side; ++f) {
    const Control* field = board.find(Role::BoardField, f);
    if (!field) continue;
    const double x = field->left / kTwipsPerPixel, y = field->top / kTwipsPerPixel;
    const double w = field->width / kTwipsPerPixel, h = field->height / kTwipsPerPixel;
    const double side = std::min(w, h) - 12;
    drawing::picture(solved, {x + (w - side) / 2, y + (h - side) / 2 + 3, side, side},
                     static_cast<int>(job.solution[static_cast<std::size_t>(f)]), job.colour_marks);
  }
  out += ",\"solution\":" + drawing_json(solved) + "}";
  switch (js_print(out.c_str())) {
    case 0:
      return PrintResult::Cancelled;
    case 1:
      return PrintResult::Done;
    default:
      return PrintResult::Failed;
  }
}

std::string WebPlatform::get_setting(const std::string&, const std::string& section,
                                     const std::string& key, const std::string& def) {
  const std::string k = store_key(section, key);
  if (const auto it = pending_.find(k); it != pending_.end()) return it->second;
  return owned(js_store_get(k.c_str())).value_or(def);
}

void WebPlatform::save_setting(const std::string&, const std::string& section,
                               const std::string& key, const std::string& value) {
  pending_[store_key(section, key)] = value;
}

std::optional<std::string> WebPlatform::stored_setting(const std::string&,
                                                       const std::string& section,
                                                       const std::string& key) {
  return owned(js_store_get(store_key(section, key).c_str()));
}

std::optional<StoreFailure> WebPlatform::flush_settings() {
  if (pending_.empty()) return std::nullopt;
  std::string json = "{";
  bool first = true;
  for (const auto& [k, v] : pending_) {
    if (!first) json += ',';
    first = false;
    append_json_string(json, k);
    json += ':';
    append_json_string(json, v);
  }
  json += '}';
  // The page writes every value or none; its answer is "" when it did.
  const std::string reason = owned(js_store_put(json.c_str())).value_or("");
  if (!reason.empty()) return storage_failure("", reason);
  pending_.clear();
  return std::nullopt;
}

std::int64_t WebPlatform::now_ms() { return static_cast<std::int64_t>(js_now_ms()) + 1; }
std::int64_t WebPlatform::time_of_day_ms() {
  return static_cast<std::int64_t>(js_time_of_day_ms());
}

std::string WebPlatform::time_of_day_text() { return clock_text(time_of_day_ms()); }

// The page's milliseconds count from the page's load, not from 1970: the
// date comes from the browser's calendar.
std::string WebPlatform::local_date_time() { return owned(js_local_date_time()).value_or(""); }

std::optional<std::string> WebPlatform::read_file(const std::string& path, std::size_t limit) {
  int size = 0;
  char* bytes = js_read_file(path.c_str(), &size);
  if (!bytes) return std::nullopt;
  std::unique_ptr<char, FreeString> hold(bytes);
  return std::string(bytes, std::min(static_cast<std::size_t>(size), limit));
}

bool WebPlatform::write_file(const std::string& path, const std::string& bytes) {
  return js_write_file(path.c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

std::string WebPlatform::data_folder() { return "Zerdo/data/"; }

std::optional<std::string> WebPlatform::read_data_file(const std::string& name, std::size_t limit) {
  if (!plain_file_name(name)) return std::nullopt;
  int size = 0;
  char* bytes =
      js_data_get(name.c_str(), static_cast<int>(std::min<std::size_t>(limit, INT_MAX)), &size);
  if (!bytes) return std::nullopt;
  std::unique_ptr<char, FreeString> hold(bytes);
  return std::string(bytes, static_cast<std::size_t>(size));
}

std::optional<WriteFailure> WebPlatform::put_data_file(const std::string& name,
                                                       const std::string& bytes, bool append) {
  if (!plain_file_name(name)) return WriteFailure{name, {}, EINVAL};
  const std::string reason =
      owned(js_data_put(name.c_str(), bytes.data(), static_cast<int>(bytes.size()), append ? 1 : 0))
          .value_or("");
  if (reason.empty()) return std::nullopt;
  return storage_failure(name, reason);
}

std::optional<WriteFailure> WebPlatform::write_data_file(const std::string& name,
                                                         const std::string& bytes) {
  return put_data_file(name, bytes, false);
}

std::optional<WriteFailure> WebPlatform::append_data_file(const std::string& name,
                                                          const std::string& bytes) {
  return put_data_file(name, bytes, true);
}

std::optional<WriteFailure> WebPlatform::remove_data_file(const std::string& name) {
  if (!plain_file_name(name)) return WriteFailure{name, {}, EINVAL};
  const std::string reason = owned(js_data_remove(name.c_str())).value_or("");
  if (reason.empty()) return std::nullopt;
  return storage_failure(name, reason);
}

void WebPlatform::help_open(const std::string& file, int context) {
  js_help(0, file.c_str(), context, "");
}
void WebPlatform::help_search(const std::string& file, const std::string& keyword) {
  js_help(1, file.c_str(), 0, keyword.c_str());
}
void WebPlatform::help_close() { js_help_close(); }

Int WebPlatform::screen_width() { return static_cast<Int>(js_screen(0) * kTwipsPerPixel); }
Int WebPlatform::screen_height() { return static_cast<Int>(js_screen(1) * kTwipsPerPixel); }

}  // namespace zerdo
