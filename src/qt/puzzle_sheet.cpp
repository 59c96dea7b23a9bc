#include "qt/puzzle_sheet.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <map>

#include "qt/control_painter.h"
#include "qt/piece_painter.h"
#include "services/file_access.h"

namespace zerdo {

namespace {

// Countries that print on Letter paper.
constexpr QLocale::Territory kLetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
    QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico};

constexpr qreal kMarginMm = 15;
constexpr qreal kRowGap = 10;    // between rows of cards, points
constexpr qreal kBoardGap = 24;  // between the cards and the board, points
// A board field on the screen, logical pixels (960 twips).
constexpr qreal kFieldPixels = 64;

const QColor kInk(28, 28, 30);
const QColor kFaint(120, 116, 110);

// What a card paints reaches past its frame: the number tab above, the
// sheet's shadow right and below (logical pixels).
QRectF card_source(const Control& card) { return control_pixel_rect(card).adjusted(-2, -4, 3, 3); }

bool inside(const QRectF& outer, const QRectF& inner) {
  return inner.left() >= outer.left() - 0.5 && inner.top() >= outer.top() - 0.5 &&
         inner.right() <= outer.right() + 0.5 && inner.bottom() <= outer.bottom() + 0.5;
}

const Control* card_control(const PrintJob& job, int i) {
  return job.controls->find(Role::Card, i);
}

QFont sheet_font(qreal points, bool bold = false) {
  QFont f;
  f.setPixelSize(qMax(1, qRound(points)));  // painter units are points
  f.setBold(bold);
  return f;
}

void paint_head(QPainter& p, qreal width, const QString& title, const QString& details) {
  p.setPen(kInk);
  p.setFont(sheet_font(20, true));
  p.drawText(QRectF(0, 0, width, 26), Qt::AlignLeft | Qt::AlignVCenter, title);
  p.setFont(sheet_font(11));
  p.drawText(QRectF(0, 28, width, 16), Qt::AlignLeft | Qt::AlignVCenter, details);
  p.fillRect(QRectF(0, kSheetHeadHeight - 6, width, 0.75), kFaint);
}

// A card exactly as the main window paints it: the card's frame and every
// control lying on it, scaled into at.
void paint_card(QPainter& p, const PrintJob& job, const SheetPlan::Card& card, qreal scale) {
  const Control* frame = card_control(job, card.index);
  if (!frame) return;
  const QRectF on_card = control_rect(*frame).adjusted(-1, -1, 1, 1);
  p.save();
  p.translate(card.at.topLeft());
  p.scale(scale, scale);
  p.translate(-card.source.topLeft());
  paint_controls(
      p, *job.controls, [&on_card](const Control& c) { return !inside(on_card, control_rect(c)); },
      PaintStyle{job.colour_marks, false});
  p.restore();
}

// The board: side x side fields with their numbers, empty or with the
// solution's pieces.
void paint_board(QPainter& p, const QRectF& board, int side, const std::array<Int, 17>* solution,
                 bool colour_marks) {
  const qreal f = board.width() / side;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(sheet_font(qMax<qreal>(6, f / 7)));
  for (int r = 0; r < side; ++r)
    for (int c = 0; c < side; ++c) {
      const int field = r * side + c + 1;
      const QRectF cell(board.left() + c * f, board.top() + r * f, f, f);
      p.setPen(QPen(kFaint, 0.6));
      p.setBrush(Qt::NoBrush);
      p.drawRect(cell);
      p.setPen(kFaint);
      p.drawText(cell.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, QString::number(field));
      if (solution) {
        const Int id = (*solution)[static_cast<std::size_t>(field)];
        if (id >= 1)
          paint_picture(p, cell.adjusted(f * 0.14, f * 0.14, -f * 0.14, -f * 0.14), id,
                        colour_marks);
      }
    }
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(board);
  p.restore();
}

}  // namespace

QPageSize::PageSizeId paper_for_locale(const QLocale& locale) {
  const QLocale::Territory t = locale.territory();
  for (QLocale::Territory letter : kLetterTerritories)
    if (t == letter) return QPageSize::Letter;
  return QPageSize::A4;
}

void set_up_paper(QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(paper_for_locale(QLocale::system())));
  device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                        QPageLayout::Millimeter);
}

SheetPlan plan_sheet(const PrintJob& job, const QSizeF& page) {
  SheetPlan plan;
  // The cards by row, as the window shows them (keyed by their top).
  std::map<qreal, std::vector<SheetPlan::Card>> rows;
  qreal grid_left = 1e9, grid_right = -1e9;
  for (int i = 0; i < job.cards; ++i) {
    const Control* c = card_control(job, i);
    if (!c) continue;
    SheetPlan::Card card;
    card.index = i;
    card.source = card_source(*c);
    grid_left = std::min(grid_left, card.source.left());
    grid_right = std::max(grid_right, card.source.right());
    rows[card.source.top()].push_back(card);
  }
  const qreal grid_width = std::max<qreal>(1, grid_right - grid_left);
  // As large as on a screen of 96 dots per inch, smaller when the page is narrow.
  plan.scale = std::min<qreal>(0.75, page.width() / grid_width);
  const qreal x0 = (page.width() - grid_width * plan.scale) / 2;

  int pg = 0;
  qreal y = kSheetHeadHeight;
  const auto fits = [&](qreal height) { return y + height <= page.height() || y <= 0; };
  for (auto& [top, row] : rows) {
    qreal height = 0;
    for (const auto& card : row) height = std::max(height, card.source.height() * plan.scale);
    if (!fits(height)) {
      ++pg;
      y = 0;
    }
    for (auto& card : row) {
      card.page = pg;
      card.at = QRectF(x0 + (card.source.left() - grid_left) * plan.scale, y,
                       card.source.width() * plan.scale, card.source.height() * plan.scale);
      plan.cards.push_back(card);
    }
    y += height + kRowGap;
  }
  const qreal side = job.side * kFieldPixels * plan.scale;
  y += kBoardGap - kRowGap;
  if (!fits(side)) {
    ++pg;
    y = 0;
  }
  plan.board_page = pg;
  plan.board = QRectF((page.width() - side) / 2, y, side, side);
  plan.pages = pg + 1;
  return plan;
}

bool paint_puzzle_sheet(QPagedPaintDevice& device, const PrintJob& job, bool with_solution) {
  if (!job.controls) return false;
  const QRectF printable = device.pageLayout().paintRectPoints();
  const SheetPlan plan = plan_sheet(job, printable.size());
  QPainter p;
  if (!p.begin(&device)) return false;
  // Painter units are points from the printable area's top-left corner.
  const qreal dots_per_point = device.logicalDpiX() / 72.0;
  p.scale(dots_per_point, dots_per_point);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QString title = QString::fromStdString(job.title);
  const QString details = QString::fromStdString(job.details);
  for (int pg = 0; pg < plan.pages; ++pg) {
    if (pg > 0 && !device.newPage()) return false;
    if (pg == 0) paint_head(p, printable.width(), title, details);
    for (const auto& card : plan.cards)
      if (card.page == pg) paint_card(p, job, card, plan.scale);
    if (plan.board_page == pg) paint_board(p, plan.board, job.side, nullptr, false);
  }
  if (with_solution) {
    if (!device.newPage()) return false;
    paint_head(p, printable.width(),
               title + QStringLiteral(" \u2013 ") + QString::fromStdString(job.solution_title),
               details);
    const QRectF board(plan.board.left(), kSheetHeadHeight, plan.board.width(),
                       plan.board.height());
    paint_board(p, board, job.side, &job.solution, job.colour_marks);
  }
  return p.end();
}

bool write_puzzle_pdf(const PrintJob& job, const QString& path, bool with_solution) {
  // Made in memory, then written as a puzzle file is: beside the target,
  // every write checked and synced, put in place only when whole; a FIFO or
  // a device in its place is refused and left as it is.
  QByteArray bytes;
  bool painted = false;
  {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QString::fromStdString(job.title));
    pdf.setCreator(QStringLiteral("Zerdo"));
    set_up_paper(pdf);
    painted = paint_puzzle_sheet(pdf, job, with_solution);
  }
  return painted && !bytes.isEmpty() &&
         write_file_atomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
}

}  // namespace zerdo
