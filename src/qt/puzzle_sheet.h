#pragma once
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "play/platform.h"

class QPagedPaintDevice;

namespace zerdo {

// The paper a locale prints on: Letter where it is the custom, A4 elsewhere.
QPageSize::PageSizeId paper_for_locale(const QLocale& locale);
// Gives device the paper of the system's locale and margins of 15 mm.
void set_up_paper(QPagedPaintDevice& device);

// Where the parts of a puzzle go on paper, in points from the top-left
// corner of the printable area.
struct SheetPlan {
  qreal scale = 0.75;  // points per logical pixel of the main window
  struct Card {
    int index = 0;  // Frame_1_0(index)
    int page = 0;   // 0 = the first page
    QRectF source;  // in logical pixels of the main window: the card and its tab and shadow
    QRectF at;      // on the page, in points
  };
  std::vector<Card> cards;
  int board_page = 0;
  QRectF board;   // the empty board, in points
  int pages = 1;  // without the solution page
};

// The head lines' height, in points.
constexpr qreal kSheetHeadHeight = 52;

// Lays the cards of job out row by row, as the main window shows them, on
// pages of printable size page (points): a row that does not fit goes on the
// next page, so no card is ever cut; then the empty board.
SheetPlan plan_sheet(const PrintJob& job, const QSizeF& page);

// Paints the puzzle of job onto device, pages as planned, and a last page
// with the board solved when with_solution. False when the device cannot be
// painted on.
bool paint_puzzle_sheet(QPagedPaintDevice& device, const PrintJob& job, bool with_solution);

// Writes the puzzle of job as a PDF file at path as a puzzle file is saved
// (replaced whole or not at all; a FIFO, socket or device there refused);
// false when it cannot be written.
bool write_puzzle_pdf(const PrintJob& job, const QString& path, bool with_solution);

}  // namespace zerdo
