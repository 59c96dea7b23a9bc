#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <functional>
#include <future>
#include <utility>
#include <vector>

#include "view/controls.h"

class QPainter;
class QTransform;

namespace zerdo {

// One logical pixel is 15 twips at scale 1.
constexpr double kTwipsPerPixel = 15.0;

// The control's rectangle in logical pixels (unrounded).
QRectF control_rect(const Control& c);
// The control's rectangle snapped to whole logical pixels, so that lines
// along its edges stay crisp.
QRectF control_pixel_rect(const Control& c);
// The background colour of a control: its own, or the window colour.
QColor control_back_colour(const Control& c);
// base with the game's window colour as background and its dark text colour
// for every text role: the menu bar and the secondary windows have the
// window's light colours under any desktop theme, so their text must not
// take the theme's (light under a dark theme).
QPalette game_palette(QPalette base);

// The font of captions and labels (pixel sized, so it scales with the window);
// at scale, the size the captions of a board painted at that factor have.
QFont caption_font(qreal scale = 1.0);

// A look: a drawing that costs far more than copying it (gradients,
// shadows, glosses), so it is drawn once per size and pixel ratio into the
// look cache and copied from there. Pieces and pictures, card sheets, the
// cells of a card's small board and the fields of the board are looks.
struct Look {
  QString name;  // what is drawn, with what sets it apart ("picture7")
  QSizeF size;   // in logical pixels
  std::function<void(QPainter&, const QRectF&)> draw;
};

// The look of picture id (a piece, blot, cross, ...) at size; with
// colour_marks, pieces and blots carry the pattern of their colour, under a
// name of their own.
Look picture_look(const QSizeF& size, int picture_id, bool colour_marks = false);
// The factor of a transform that only scales (both ways alike) and moves: 1
// for none, 0 for any other transform.
qreal uniform_scale(const QTransform& t);
// look drawn at scale times its size (look itself at scale 1).
Look scaled_look(const Look& look, qreal scale);
// The cache key of look at pixel ratio dpr.
QString look_key(const Look& look, qreal dpr);
// The look drawn into a transparent image of its size at pixel ratio dpr
// (null when empty). Safe on any thread.
QImage render_look(const Look& look, qreal dpr);

// Looks drawn and waiting to go into the look cache, by key.
using RenderedLooks = std::vector<std::pair<QString, QImage>>;

// Starts drawing, on a worker thread, the looks that painting set at pixel
// ratio dpr and board scale needs (except those skip returns true for) and
// the cache lacks.
// On the window's thread the paint engine splits every larger fill across
// threads, which costs more than the fill itself for shapes this small; on a
// worker it does not, and the window's thread can go on meanwhile.
// colour_marks as for picture_look.
std::future<RenderedLooks> prepare_looks(const ControlSet& set, qreal dpr,
                                         const std::function<bool(const Control&)>& skip = {},
                                         bool colour_marks = false, qreal scale = 1.0);
// Puts rendered looks into the look cache (window's thread only).
void cache_looks(const RenderedLooks& looks);

// How controls are painted: pictures with the patterns of their colours
// (colour_marks), and the cards the player ticked off with their marks
// (card_marks; paper shows the cards without them).
struct PaintStyle {
  bool colour_marks = false;
  bool card_marks = true;
};

// Paints every visible control of set in order (later ones on top), except
// those skip returns true for (controls shown by real widgets, or outside
// the area painted). A marked card is shaded, with a tick in its top right
// corner, above everything on the cards and beneath the pieces; a
// highlighted control has a bright ring round it.
void paint_controls(QPainter& p, const ControlSet& set,
                    const std::function<bool(const Control&)>& skip = {}, PaintStyle style = {});

// The mark of a clue card the player ticked off.
void paint_card_mark(QPainter& p, const Control& card);
// Where that mark's tick goes on card (logical pixels).
QRectF card_tick_rect(const Control& card);

// The topmost visible control under point (logical pixels) that accepts
// returns true for; nullptr when there is none.
const Control* control_at(const ControlSet& set, const QPointF& point,
                          const std::function<bool(const Control&)>& accepts = {});

}  // namespace zerdo
