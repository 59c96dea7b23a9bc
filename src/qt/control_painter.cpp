#include "qt/control_painter.h"

#include <QHash>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QSet>
#include <QThreadPool>
#include <QTransform>
#include <QtMath>
#include <charconv>
#include <cmath>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "drawing/looks.h"
#include "model/main_window.h"
#include "model/pictures.h"
#include "qt/drawing_replay.h"
#include "qt/piece_painter.h"
#include "view/board_view.h"

namespace zerdo {

namespace {

// Frames draw their etched line this far below their top, leaving room for
// the caption that sits in the line.
constexpr qreal kFrameLineOffset = drawing::kFrameLineOffset;

const QColor kEtchDark(drawing::kEtchDark.r, drawing::kEtchDark.g, drawing::kEtchDark.b);
const QColor kText(drawing::kText.r, drawing::kText.g, drawing::kText.b);
const QColor kCellColour(drawing::kCellColour.r, drawing::kCellColour.g, drawing::kCellColour.b);

QColor from_bgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QString caption_of(const Control& c) {
  return c.caption ? QString::fromStdString(*c.caption) : QString();
}

drawing::Rect rect_of(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }
drawing::Colour colour_of(const QColor& c) { return {c.red(), c.green(), c.blue(), c.alpha()}; }

// Replays one look of src/drawing, drawn by look into a fresh drawing.
template <typename Look>
void draw_look(QPainter& p, Look look) {
  drawing::Drawing d;
  look(d);
  replay(p, d);
}

// An etched rectangle: a dark line with a light line just inside and below.
void etched_rect(QPainter& p, const QRectF& r) {
  draw_look(p, [&](drawing::Drawing& d) { drawing::etched(d, rect_of(r)); });
}

// A rectangle that is 1 px darker on the top/left than on the bottom/right.
void sunken_rect(QPainter& p, const QRectF& r, const QColor& fill) {
  draw_look(p, [&](drawing::Drawing& d) { drawing::sunken(d, rect_of(r), colour_of(fill)); });
}

bool is_board_field(const Control& c) { return c.role == Role::BoardField; }
bool is_card(const Control& c) { return c.role == Role::Card; }
bool is_card_cell(const Control& c) { return c.role == Role::CardCell; }

void draw_card_sheet(QPainter& q, const QRectF& at) {
  draw_look(q, [&](drawing::Drawing& d) { drawing::card_sheet(d, rect_of(at)); });
}

void draw_field(QPainter& q, const QRectF& at, const QColor& back) {
  draw_look(q, [&](drawing::Drawing& d) { drawing::board_field(d, rect_of(at), colour_of(back)); });
}

// The frame's body: below the line its caption sits in.
QRectF frame_body(const Control& c) {
  return control_pixel_rect(c).adjusted(0, kFrameLineOffset, 0, 0);
}

bool has_border(const Control& c) { return c.border.value_or(1) != 0; }

// A picture with a border is held: the mouse drags it or the keyboard carries it.
bool is_carried(const Control& c) {
  return c.kind == ControlKind::Picture && c.border.value_or(0) != 0;
}

// The look of a held piece at size: its shadow and highlight under the
// picture. The shadow reaches past the piece to the right and below.
Look carried_look(const QSizeF& size, int picture_id, bool colour_marks) {
  const Look piece = picture_look(size, picture_id, colour_marks);
  return Look{QStringLiteral("carried_") + piece.name, size + QSizeF(4, 5),
              [size, draw = piece.draw](QPainter& q, const QRectF& at) {
                const QRectF r(at.topLeft(), size);
                draw_look(q, [&](drawing::Drawing& d) { drawing::piece_highlight(d, rect_of(r)); });
                draw(q, r);
              }};
}

// A look placed on the board: the look and its top-left corner.
struct PlacedLook {
  Look look;
  QPointF at;
};

// The look a control is drawn from, if any: pieces and pictures, card
// sheets, the cells of a card's small board and the fields of the board.
std::optional<PlacedLook> control_look(const Control& c, bool colour_marks) {
  switch (c.kind) {
    case ControlKind::Picture: {
      if (c.picture <= 0) return std::nullopt;
      const QRectF r = control_rect(c);
      // A piece held by the mouse or the keyboard (it has a border then)
      // carries its shadow and highlight: one look with the piece, so that
      // each move of it copies one picture.
      if (is_carried(c))
        return PlacedLook{carried_look(r.size(), c.picture, colour_marks), r.topLeft()};
      return PlacedLook{picture_look(r.size(), c.picture, colour_marks), r.topLeft()};
    }
    case ControlKind::TextBox: {
      if (c.picture <= 0) return std::nullopt;
      const QRectF r = control_pixel_rect(c);
      return PlacedLook{picture_look(r.size(), c.picture, colour_marks), r.topLeft()};
    }
    case ControlKind::Frame: {
      const QRectF r = control_pixel_rect(c);
      // The sheet's shadow reaches 2 px below and 1.5 px right of the frame.
      if (is_card(c))
        return PlacedLook{Look{QStringLiteral("card"), r.size() + QSizeF(2, 2), draw_card_sheet},
                          r.topLeft()};
      // A cell without border holds no piece and is only the card's paper.
      if (!has_border(c)) return std::nullopt;
      const QRectF body = frame_body(c);
      if (is_card_cell(c)) {
        const QRectF cell = body.adjusted(1, 0, -1, -1);
        return PlacedLook{
            Look{QStringLiteral("cell"), cell.size(),
                 [](QPainter& q, const QRectF& at) { sunken_rect(q, at, kCellColour); }},
            cell.topLeft()};
      }
      if (is_board_field(c)) {
        const QColor back = control_back_colour(c);
        return PlacedLook{Look{QStringLiteral("field") + QString::number(back.rgb()), body.size(),
                               [back](QPainter& q, const QRectF& at) { draw_field(q, at, back); }},
                          body.topLeft()};
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

// Copies a look from the cache (drawing it there first when missing) onto
// whole device pixels at its place. Under a uniform scale (the board shown
// larger or smaller) the look is drawn at its scaled size, so it stays as
// crisp as at 100 %.
void paint_look(QPainter& p, const PlacedLook& placed) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  const QTransform t = p.transform();
  const qreal scale = uniform_scale(t);
  // On paper (PDF or printer) a look is drawn as shapes, crisp at the
  // printer's resolution, never copied as a picture.
  const bool paper = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Pdf;
  if (scale <= 0 || paper) {
    placed.look.draw(p, QRectF(placed.at, placed.look.size));
    return;
  }
  const Look look = scaled_look(placed.look, scale);
  const QString key = look_key(look, dpr);
  QPixmap pm;
  if (!QPixmapCache::find(key, &pm)) {
    const QImage image = render_look(look, dpr);
    if (image.isNull()) return;
    pm = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pm);
  }
  const QPointF at = t.map(placed.at) * dpr;
  const QPointF snapped(std::round(at.x()) / dpr, std::round(at.y()) / dpr);
  if (scale == 1.0) {
    p.drawPixmap(t.inverted().map(snapped), pm);
    return;
  }
  p.save();
  p.setTransform(QTransform());
  p.drawPixmap(snapped, pm);
  p.restore();
}

// The number tab of a clue card, in the caption font, white on the dark tab
// (a bold face would be one more font to load before the first paint). A
// look of its own: it sits on the card's top line, from the card's left
// edge, reaching above the card by half its height.
std::optional<PlacedLook> card_tab_look(const QRectF& card, const QString& caption) {
  if (caption.isEmpty()) return std::nullopt;
  // The caption's width and the tab's height, measured once per caption:
  // the look's size is asked for on every paint of its card.
  static std::mutex mutex;
  static QHash<QString, QSizeF> measured;
  QSizeF text_size;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    auto it = measured.find(caption);
    if (it == measured.end()) {
      const QFontMetricsF fm(caption_font());
      it = measured.insert(caption, QSizeF(fm.horizontalAdvance(caption), fm.height() + 2));
    }
    text_size = *it;
  }
  const qreal text_width = text_size.width(), height = text_size.height();
  // Whole pixels above the card, so the look's corner is as crisp as the card's.
  const qreal above = std::ceil(height / 2 - kFrameLineOffset) + 1;
  const QSizeF size(8 + qMax(height, text_width + 10) + 1,
                    above + kFrameLineOffset + height / 2 + 1);
  const std::string text = caption.toStdString();
  return PlacedLook{Look{QStringLiteral("tab_") + caption, size,
                         [card_size = card.size(), above, text, text_width, height](
                             QPainter& q, const QRectF& at) {
                           const QRectF frame(at.topLeft() + QPointF(0, above), card_size);
                           draw_look(q, [&](drawing::Drawing& d) {
                             drawing::card_tab(d, rect_of(frame), text, text_width, height);
                           });
                         }},
                    card.topLeft() - QPointF(0, above)};
}

// The tip frame: a small clickable plate with its caption.
PlacedLook tip_look(const QRectF& r, const std::string& caption) {
  return PlacedLook{Look{QStringLiteral("tip_") + QString::fromStdString(caption), r.size(),
                         [caption](QPainter& q, const QRectF& at) {
                           draw_look(q, [&](drawing::Drawing& d) {
                             drawing::tip_plate(d, rect_of(at), caption);
                           });
                         }},
                    r.topLeft()};
}

// The look of a frame's caption, if it has one of its own: a card's number
// tab, the tip's plate.
std::optional<PlacedLook> caption_look(const Control& c) {
  if (c.kind != ControlKind::Frame) return std::nullopt;
  if (c.role == Role::Tip) return tip_look(control_pixel_rect(c), c.caption.value_or(""));
  if (is_card(c)) return card_tab_look(control_pixel_rect(c), caption_of(c));
  return std::nullopt;
}

void paint_frame(QPainter& p, const Control& c) {
  const QRectF r = control_pixel_rect(c);
  const QColor back = control_back_colour(c);
  if (!is_card_cell(c) && !is_card(c)) {
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRect(r);
  }
  const bool border = has_border(c);
  const QRectF body = frame_body(c);

  if (c.role == Role::Tip) {
    if (const auto plate = caption_look(c)) paint_look(p, *plate);
    return;
  }
  if (is_card_cell(c) || is_card(c) || is_board_field(c)) {
    if (const auto look = control_look(c, false)) paint_look(p, *look);
    if (const auto tab = caption_look(c)) paint_look(p, *tab);
    if (!is_board_field(c)) return;
  } else if (border) {
    etched_rect(p, body);
  }
  // A field of the solution window whose piece on the board was wrong.
  const bool wrong = c.wrong;
  if (wrong) {
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(QColor(220, 60, 60, 28));
    p.drawRect(body.adjusted(0.75, 0.75, -0.75, -0.75));
  }
  const QString caption = caption_of(c);
  if (caption.isEmpty()) return;
  p.setFont(caption_font());
  const QFontMetricsF fm(p.font());
  const qreal text_w = fm.horizontalAdvance(caption);
  const QRectF text_r(r.left() + 8, r.top() + kFrameLineOffset - fm.height() / 2, text_w + 6,
                      fm.height());
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRect(text_r);
  p.setPen(wrong ? QColor(180, 20, 20) : kText);
  p.drawText(text_r, Qt::AlignCenter, caption);
}

void paint_piece_highlight(QPainter& p, const QRectF& r) {
  draw_look(p, [&](drawing::Drawing& d) { drawing::piece_highlight(d, rect_of(r)); });
}

void paint_text_box(QPainter& p, const Control& c, bool colour_marks) {
  const QRectF r = control_pixel_rect(c);
  if (const auto look = control_look(c, colour_marks)) {
    paint_look(p, *look);
  } else if (c.role == Role::MustField) {
    // The must-field box: a grey plate sunk into the cell.
    sunken_rect(p, r, QColor(168, 166, 162));
  } else {
    sunken_rect(p, r, Qt::white);
    p.setPen(kText);
    p.setFont(caption_font());
    p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_of(c));
  }
}

void paint_label(QPainter& p, const Control& c) {
  const QRectF r = control_rect(c);
  QFont f = caption_font();
  if (c.role == Role::Title) {
    f.setPixelSize(22);
    f.setBold(true);
  }
  p.setFont(f);
  p.setPen(kText);
  p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption_of(c));
}

}  // namespace

Look picture_look(const QSizeF& size, int picture_id, bool colour_marks) {
  // Only pieces and blots have a colour, so only they have a second look.
  const bool marked = colour_marks && picture_id >= 1 && picture_id <= kPictureIds &&
                      kPictures[static_cast<std::size_t>(picture_id)].colour != 0;
  return Look{QStringLiteral("picture") + QString::number(picture_id) +
                  (marked ? QStringLiteral("marked") : QString()),
              size, [picture_id, marked](QPainter& q, const QRectF& at) {
                paint_picture(q, at, picture_id, marked);
              }};
}

qreal uniform_scale(const QTransform& t) {
  if (t.type() <= QTransform::TxTranslate) return 1.0;
  if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) return 0;
  return t.m11();
}

Look scaled_look(const Look& look, qreal scale) {
  if (scale == 1.0) return look;
  // The scale is part of the name: a look drawn larger is not the same
  // drawing as one made for that size (line widths, corners, shadows).
  return Look{look.name + QLatin1Char('*') + QString::number(qRound(scale * 1000)),
              look.size * scale, [draw = look.draw, scale](QPainter& q, const QRectF& at) {
                q.save();
                q.translate(at.topLeft());
                q.scale(scale, scale);
                draw(q, QRectF(QPointF(0, 0), at.size() / scale));
                q.restore();
              }};
}

QString look_key(const Look& look, qreal dpr) {
  // The name, the size (in 1/64 px) and the pixel ratio; built for every
  // look on every paint, so built without QString::number's locale work.
  char buf[64];
  char* end = buf;
  for (const qreal v : {look.size.width(), look.size.height(), dpr}) {
    *end++ = '_';
    end = std::to_chars(end, buf + sizeof buf, qRound64(v * 64)).ptr;
  }
  QString key;
  key.reserve(look.name.size() + static_cast<qsizetype>(end - buf));
  key += look.name;
  key += QLatin1String(buf, end);
  return key;
}

QImage render_look(const Look& look, qreal dpr) {
  const QSize device_size(qCeil(look.size.width() * dpr), qCeil(look.size.height() * dpr));
  if (device_size.isEmpty()) return QImage();
  QImage image(device_size, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  QPainter q(&image);
  q.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  look.draw(q, QRectF(QPointF(0, 0), look.size));
  return image;
}

std::future<RenderedLooks> prepare_looks(const ControlSet& set, qreal dpr,
                                         const std::function<bool(const Control&)>& skip,
                                         bool colour_marks, qreal scale) {
  std::vector<std::pair<QString, Look>> missing;
  QSet<QString> seen;
  for (const Control& c : set.all()) {
    if (!c.visible || c.width <= 0 || c.height <= 0 || (skip && skip(c))) continue;
    for (const auto& placed : {control_look(c, colour_marks), caption_look(c)}) {
      if (!placed) continue;
      Look look = scaled_look(placed->look, scale);
      QString key = look_key(look, dpr);
      QPixmap cached;
      if (seen.contains(key) || QPixmapCache::find(key, &cached)) continue;
      seen.insert(key);
      missing.emplace_back(std::move(key), std::move(look));
    }
  }
  auto task =
      std::make_shared<std::packaged_task<RenderedLooks()>>([missing = std::move(missing), dpr] {
        RenderedLooks out;
        out.reserve(missing.size());
        for (const auto& [key, look] : missing) out.emplace_back(key, render_look(look, dpr));
        return out;
      });
  std::future<RenderedLooks> rendered = task->get_future();
  if (seen.isEmpty())
    (*task)();  // nothing to draw: no worker needed
  else
    QThreadPool::globalInstance()->start([task] { (*task)(); });
  return rendered;
}

void cache_looks(const RenderedLooks& looks) {
  for (const auto& [key, image] : looks)
    if (!image.isNull()) QPixmapCache::insert(key, QPixmap::fromImage(image));
}

QRectF control_rect(const Control& c) {
  return QRectF(c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
                c.height / kTwipsPerPixel);
}

QRectF control_pixel_rect(const Control& c) {
  const qreal left = qRound(c.left / kTwipsPerPixel), top = qRound(c.top / kTwipsPerPixel);
  const qreal right = qRound((c.left + c.width) / kTwipsPerPixel);
  const qreal bottom = qRound((c.top + c.height) / kTwipsPerPixel);
  return QRectF(left, top, right - left, bottom - top);
}

QColor control_back_colour(const Control& c) {
  return from_bgr(c.back_colour != 0 ? c.back_colour : kWindowColour);
}

QPalette game_palette(QPalette base) {
  const QColor window = control_back_colour(Control{});
  // Greyed text of disabled items: lighter than kText, yet on the window colour.
  const QColor disabled(120, 116, 108);
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor text = group == QPalette::Disabled ? disabled : kText;
    base.setColor(group, QPalette::Window, window);
    base.setColor(group, QPalette::Button, window);
    base.setColor(group, QPalette::Base, QColor(255, 255, 255));
    base.setColor(group, QPalette::AlternateBase, window.lighter(106));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::PlaceholderText})
      base.setColor(group, role, role == QPalette::PlaceholderText ? disabled : text);
    base.setColor(group, QPalette::Light, QColor(255, 255, 255));
    base.setColor(group, QPalette::Midlight, window.lighter(110));
    base.setColor(group, QPalette::Mid, window.darker(130));
    base.setColor(group, QPalette::Dark, kEtchDark);
    base.setColor(group, QPalette::Shadow, QColor(80, 78, 74));
  }
  return base;
}

QFont caption_font(qreal scale) {
  QFont f;
  f.setPixelSize(qMax(1, qRound(kCaptionPixels * scale)));
  return f;
}

void paint_controls(QPainter& p, const ControlSet& set,
                    const std::function<bool(const Control&)>& skip, PaintStyle style) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const auto shown = [&skip](const Control& c) {
    return c.visible && c.width > 0 && c.height > 0 && !(skip && skip(c));
  };
  const auto paint = [&p, &style](const Control& c) {
    switch (c.kind) {
      case ControlKind::Frame:
        paint_frame(p, c);
        break;
      case ControlKind::Picture:
        if (c.role == Role::ProgramIcon) {
          if (is_carried(c)) paint_piece_highlight(p, control_rect(c));
          paint_program_icon(p, control_rect(c));
        } else if (const auto look = control_look(c, style.colour_marks)) {
          paint_look(p, *look);  // a held piece's look has its highlight
        } else if (is_carried(c)) {
          paint_piece_highlight(p, control_rect(c));
        }
        break;
      case ControlKind::TextBox:
        paint_text_box(p, c, style.colour_marks);
        break;
      case ControlKind::Label:
        paint_label(p, c);
        break;
      case ControlKind::Button:
        break;  // buttons are real widgets
    }
  };
  // The ring of a lit control (the hint's piece, field and cards): round a
  // board field's square below its frame's line, round any other control's
  // rectangle.
  const auto ring = [&p](const Control& c) {
    const QRectF r = is_board_field(c) ? frame_body(c) : control_pixel_rect(c);
    draw_look(p, [&](drawing::Drawing& d) { drawing::pointed_out(d, rect_of(r)); });
  };
  // A piece held by the mouse (it has a border while dragged) floats above
  // everything else, so it comes last; the pieces lie above the card marks,
  // which lie above everything on the cards. The rings lie above all that
  // lies still, so that no neighbour covers them; a held piece keeps its own.
  const auto held = is_carried;
  for (const Control& c : set.all())
    if (!held(c) && c.role != Role::Piece && shown(c)) paint(c);
  if (style.card_marks)
    for (const Control& c : set.all())
      if (c.role == Role::Card && c.marked && shown(c)) paint_card_mark(p, c);
  for (const Control& c : set.all())
    if (!held(c) && c.role == Role::Piece && shown(c)) paint(c);
  for (const Control& c : set.all())
    if (!held(c) && c.highlighted && shown(c)) ring(c);
  for (const Control& c : set.all())
    if (held(c) && shown(c)) {
      paint(c);
      if (c.highlighted) ring(c);
    }
  p.restore();
}

void paint_card_mark(QPainter& p, const Control& card) {
  draw_look(p,
            [&](drawing::Drawing& d) { drawing::card_mark(d, rect_of(control_pixel_rect(card))); });
}

QRectF card_tick_rect(const Control& card) {
  const drawing::Rect r = drawing::card_tick(rect_of(control_pixel_rect(card)));
  return QRectF(r.x, r.y, r.w, r.h);
}

const Control* control_at(const ControlSet& set, const QPointF& point,
                          const std::function<bool(const Control&)>& accepts) {
  const auto& all = set.all();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (!it->visible || it->width <= 0 || it->height <= 0) continue;
    if (!control_rect(*it).contains(point)) continue;
    if (!accepts || accepts(*it)) return &*it;
  }
  return nullptr;
}

}  // namespace zerdo
