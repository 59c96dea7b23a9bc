#include "web/board_drawing.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

#include "drawing/looks.h"
#include "model/pictures.h"
#include "view/board_view.h"

namespace zerdo {

namespace {

using drawing::Colour;
using drawing::Drawing;
using drawing::Rect;

Colour from_bgr(std::uint32_t bgr) {
  return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
          static_cast<int>((bgr >> 16) & 0xFF), 255};
}

Colour back_colour(const Control& c) {
  return from_bgr(c.back_colour != 0 ? c.back_colour : kWindowColour);
}

Rect control_rect(const Control& c) {
  return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
          c.height / kTwipsPerPixel};
}

// Snapped to whole pixels, so that lines along the edges stay crisp.
Rect pixel_rect(const Control& c) {
  const Rect r = control_rect(c);
  const double x = std::round(r.x), y = std::round(r.y);
  return {x, y, std::round(r.right()) - x, std::round(r.bottom()) - y};
}

bool is_board_field(const Control& c) { return c.role == Role::BoardField; }
bool is_card(const Control& c) { return c.role == Role::Card; }
bool is_card_cell(const Control& c) { return c.role == Role::CardCell; }
bool has_border(const Control& c) { return c.border.value_or(1) != 0; }
std::string caption_of(const Control& c) { return c.caption.value_or(std::string()); }

// The height of a line of the caption font.
constexpr double kLineHeight = drawing::kCaptionSize * 7 / 6;

// The width of text in the caption font, near enough for the tab around it.
double text_width(const std::string& text) {
  std::size_t chars = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++chars;
  return static_cast<double>(chars) * drawing::kCaptionSize * 0.6;
}

void draw_frame(Drawing& d, const Control& c) {
  const Rect r = pixel_rect(c);
  const Colour back = back_colour(c);
  if (!is_card_cell(c) && !is_card(c)) d.fill_rect(r, back);
  const Rect body = r.adjusted(0, drawing::kFrameLineOffset, 0, 0);
  if (c.role == Role::Tip) {
    drawing::tip_plate(d, r, caption_of(c));
    return;
  }
  if (is_card(c)) {
    // The sheet is drawn in the frame grown by its shadow's 2 px, as the
    // window's look cache holds it.
    drawing::card_sheet(d, r.adjusted(0, 0, 2, 2));
    drawing::card_tab(d, r, caption_of(c), text_width(caption_of(c)), kLineHeight + 2);
    return;
  }
  if (is_card_cell(c)) {
    if (has_border(c)) drawing::sunken(d, body.adjusted(1, 0, -1, -1), drawing::kCellColour);
    return;
  }
  if (is_board_field(c)) {
    if (has_border(c)) drawing::board_field(d, body, back);
  } else if (has_border(c)) {
    drawing::etched(d, body);
  }
  // A field of the solution window whose piece on the board was wrong.
  const bool wrong = c.wrong;
  if (wrong) {
    drawing::Path box;
    box.add_rect(body.adjusted(0.75, 0.75, -0.75, -0.75));
    d.fill(box, drawing::plain({220, 60, 60, 28}));
    d.stroke(box, drawing::Stroke{{200, 40, 40}, 1.5, false});
  }
  const std::string caption = caption_of(c);
  if (caption.empty()) return;
  const double h = kLineHeight;
  const Rect text_r{r.x + 8, r.y + drawing::kFrameLineOffset - h / 2, text_width(caption) + 6, h};
  d.fill_rect(text_r, back);
  d.text({text_r, caption, drawing::kCaptionSize, false,
          wrong ? Colour{180, 20, 20} : drawing::kText, drawing::TextAlign::Centre});
}

void draw_text_box(Drawing& d, const Control& c, bool colour_marks) {
  const Rect r = pixel_rect(c);
  if (c.picture > 0) {
    drawing::picture(d, r, c.picture, colour_marks);
  } else if (c.role == Role::MustField) {
    drawing::sunken(d, r, drawing::kGreyBox);
  } else {
    drawing::sunken(d, r, {255, 255, 255});
    d.text({r.adjusted(4, 0, -4, 0), caption_of(c), drawing::kCaptionSize, false, drawing::kText,
            drawing::TextAlign::Left});
  }
}

void draw_label(Drawing& d, const Control& c) {
  const bool title = c.role == Role::Title;
  d.text({control_rect(c), caption_of(c), title ? 22.0 : drawing::kCaptionSize, title,
          drawing::kText, drawing::TextAlign::Left});
}

void number(std::string& out, double v) {
  char buf[32];
  const double r = std::round(v * 100) / 100;
  std::snprintf(buf, sizeof buf, "%g", r == 0 ? 0.0 : r);
  out += buf;
}

void colour_json(std::string& out, Colour c) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "\"rgba(%d,%d,%d,%.3g)\"", c.r, c.g, c.b, c.a / 255.0);
  out += buf;
}

void path_json(std::string& out, const drawing::Path& p) {
  out += '[';
  bool first = true;
  for (const auto& s : p.segments()) {
    if (!first) out += ',';
    first = false;
    using Verb = drawing::Path::Verb;
    switch (s.verb) {
      case Verb::Move:
      case Verb::Line:
        out += s.verb == Verb::Move ? "\"M\"," : "\"L\",";
        number(out, s.p[0].x), out += ',', number(out, s.p[0].y);
        break;
      case Verb::Cubic:
        out += "\"C\"";
        for (const auto& pt : s.p) out += ',', number(out, pt.x), out += ',', number(out, pt.y);
        break;
      case Verb::Close:
        out += "\"Z\"";
        break;
    }
  }
  out += ']';
}

}  // namespace

const char* role_name(Role role) {
  // In the order of the roles.
  static constexpr const char* kNames[] = {
      "other",         "stockFrame",    "boardFrame",   "boardField", "card",  "cardCell",
      "cluePicture",   "cross",         "mustField",    "tip",        "piece", "solutionFrame",
      "solutionField", "solutionPiece", "programIcon",  "title",      "text",  "nameFrame",
      "nameBox",       "okButton",      "cancelButton", "button",     "table", "chart"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(Role::Chart) + 1,
                "a name for every role");
  return kNames[static_cast<std::size_t>(role)];
}

void append_json_string(std::string& out, const std::string& text) {
  out += '"';
  for (unsigned char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  out += '"';
}

BoardDrawing draw_board(const ControlSet& set, bool colour_marks, bool top_only) {
  BoardDrawing out;
  // A piece held by the mouse (it has a border while dragged) floats above
  // everything else, so it comes last.
  const auto held = [](const Control& c) {
    return c.kind == ControlKind::Picture && c.border.value_or(0) != 0;
  };
  const auto shown = [](const Control& c) { return c.visible && c.width > 0 && c.height > 0; };
  const auto draw = [&](Drawing& d, const Control& c) {
    switch (c.kind) {
      case ControlKind::Frame:
        draw_frame(d, c);
        if (is_card(c) && c.marked) drawing::card_mark(d, pixel_rect(c));
        break;
      case ControlKind::Picture:
        if (held(c)) drawing::piece_highlight(d, control_rect(c));
        if (c.role == Role::ProgramIcon)
          drawing::program_icon(d, control_rect(c));
        else if (c.picture > 0)
          drawing::picture(d, control_rect(c), c.picture, colour_marks);
        break;
      case ControlKind::TextBox:
        draw_text_box(d, c, colour_marks);
        break;
      case ControlKind::Label:
        draw_label(d, c);
        break;
      case ControlKind::Button:
        break;  // buttons are elements of the page
    }
  };
  // The ring of a lit control (the hint's piece, field and cards): round a
  // board field's square below its frame's line, round any other control's
  // rectangle. The rings lie above all that lies still, so that no
  // neighbour covers them; a held piece keeps its own.
  const auto ring = [](Drawing& d, const Control& c) {
    const Rect r = pixel_rect(c);
    drawing::pointed_out(
        d, c.role == Role::BoardField ? r.adjusted(0, drawing::kFrameLineOffset, 0, 0) : r);
  };
  if (!top_only) {
    for (const Control& c : set.all())
      if (!held(c) && shown(c)) draw(out.base, c);
    for (const Control& c : set.all())
      if (!held(c) && shown(c) && c.highlighted) ring(out.base, c);
  }
  for (const Control& c : set.all())
    if (held(c) && shown(c)) {
      draw(out.top, c);
      if (c.highlighted) ring(out.top, c);
    }
  return out;
}

Drawing draw_controls(const ControlSet& set, bool colour_marks) {
  BoardDrawing layers = draw_board(set, colour_marks);
  layers.base.append(layers.top);
  return layers.base;
}

std::string drawing_json(const Drawing& d) {
  std::string out = "[";
  bool first = true;
  for (const drawing::Op& op : d.ops()) {
    if (!first) out += ',';
    first = false;
    using Kind = drawing::Op::Kind;
    switch (op.kind) {
      case Kind::Fill:
        out += "{\"o\":\"f\",\"p\":";
        path_json(out, op.path);
        if (op.fill.gradient) {
          out += ",\"g\":[";
          number(out, op.fill.from.x), out += ',', number(out, op.fill.from.y), out += ',';
          number(out, op.fill.to.x), out += ',', number(out, op.fill.to.y);
          for (const auto& s : op.fill.stops)
            out += ',', number(out, s.at), out += ',', colour_json(out, s.colour);
          out += ']';
        } else {
          out += ",\"c\":";
          colour_json(out, op.fill.colour);
        }
        out += '}';
        break;
      case Kind::Stroke:
        out += "{\"o\":\"s\",\"p\":";
        path_json(out, op.path);
        out += ",\"c\":";
        colour_json(out, op.stroke.colour);
        out += ",\"w\":";
        number(out, op.stroke.width);
        if (op.stroke.round) out += ",\"r\":1";
        out += '}';
        break;
      case Kind::Clip:
        out += "{\"o\":\"k\",\"p\":";
        path_json(out, op.path);
        out += '}';
        break;
      case Kind::Save:
        out += "{\"o\":\"v\"}";
        break;
      case Kind::Restore:
        out += "{\"o\":\"r\"}";
        break;
      case Kind::Text: {
        const drawing::Text& t = op.text;
        out += "{\"o\":\"t\",\"b\":[";
        number(out, t.box.x), out += ',', number(out, t.box.y), out += ',';
        number(out, t.box.w), out += ',', number(out, t.box.h);
        out += "],\"t\":";
        append_json_string(out, t.text);
        out += ",\"z\":";
        number(out, t.size);
        if (t.bold) out += ",\"B\":1";
        if (t.align == drawing::TextAlign::Left) out += ",\"a\":\"l\"";
        out += ",\"c\":";
        colour_json(out, t.colour);
        out += '}';
        break;
      }
    }
  }
  out += ']';
  return out;
}

}  // namespace zerdo
