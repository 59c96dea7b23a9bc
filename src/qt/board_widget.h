#pragma once
#include <QTransform>
#include <QWidget>
#include <array>
#include <functional>
#include <future>
#include <optional>
#include <utility>
#include <vector>

#include "qt/board_cursor.h"
#include "qt/control_painter.h"
#include "view/board_reader.h"
#include "view/controls.h"

namespace zerdo {

class FrmMain;

// The client area of the main window: paints the controls of the board
// model and turns mouse events into the controller's piece and tip events.
// It also takes the keyboard: the arrows move a cursor over the places of the
// stock, the board and the cards on a fixed grid (view/key_grid.h), Space or Enter picks a piece up
// and puts it down, Escape puts it back; each is the same press, moves and release the mouse gives.
// Every call into the controller goes through dispatch, which runs it as one window event and
// refreshes the window afterwards.
class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  using Dispatch = std::function<void(const std::function<void()>&)>;
  BoardWidget(FrmMain& frm, Dispatch dispatch, QWidget* parent = nullptr);

  // The board's size (logical pixels) at 100 %: the board is painted at the
  // one factor that fits it into the widget, centred; at the factor the
  // window was made for (zoom) when that fits within a pixel.
  void set_natural_size(const QSizeF& size, qreal zoom = 1.0);
  // The factor the board is painted at.
  qreal factor() const { return factor_; }
  // A point of the widget in board coordinates (logical pixels of the
  // unscaled board, 15 twips each), and a board rectangle in the widget.
  QPointF to_board(const QPointF& point) const { return to_board_.map(point); }
  QRectF to_widget(const QRectF& rect) const { return to_widget_.mapRect(rect); }

  // The picture id (1..16) of the draggable piece at point (widget pixels),
  // 0 for none.
  int piece_at(const QPointF& point) const;
  // Schedules a repaint of what changed in the controller's controls since
  // the last call: only the places of the controls that look different, and
  // nothing when none does (the clock's tick changes no control).
  void sync();
  // The keyboard cursor's stop, nullopt before the first arrow key.
  const std::optional<KeyStop>& cursor() const { return cursor_; }
  // The block Left from the cards' first column leads back to.
  KeyPlace::Block beside() const { return beside_; }
  // The stops the cursor can go to as the board now stands.
  std::vector<KeyStop> stops() const;
  // What a screen reader tells of the board (board_reader.h), as it stands.
  const std::vector<ReaderItem>& reader_items() const;
  // The reader item (kind, index) the keyboard cursor stands on.
  std::optional<std::pair<int, int>> cursor_item() const;
  // The picture id of the piece carried by the keyboard, 0 when none.
  int carried_piece() const { return carried_; }
  // The picture id of the piece the player holds (keyboard or mouse), 0
  // when none.
  int held_piece() const;
  // Starts drawing the looks of the current controls (pieces, cards, fields)
  // on a worker thread, so that they are ready by the first paint.
  void prepare_looks();

 signals:
  // The keyboard cursor moved to another stop, or picked up or put down.
  void cursor_moved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const Control* piece_control(int k) const;
  // Works out factor and place of the board for the widget's size.
  void fit_board();
  // The widget area a board rectangle covers, with room for antialiasing.
  QRect widget_area(const QRectF& board_rect) const;
  // The keyboard: moves the cursor one place on the grid, picks up or puts
  // down, puts a carried piece back.
  void step_cursor(Arrow arrow);
  void pick_or_put();
  void put_back();
  // Places the cursor on stop and, while a piece is carried, carries it there.
  void move_cursor(const KeyStop& stop);
  // The cursor's stop as the board now stands (it may have gone: a piece
  // placed, a new puzzle); the first stop when it has.
  std::optional<KeyStop> current_stop() const;
  // Whether the focus frame is shown: the keyboard was used and the board
  // has the focus.
  bool focus_shown() const;
  // The area the focus frame around stop covers, in widget pixels; empty
  // when there is none or it is not shown.
  QRect focus_area(const std::optional<KeyStop>& stop) const;
  void paint_focus(QPainter& p, const KeyStop& stop);
  // Tells screen readers what changed on the board since they were last
  // told: the names and descriptions of its items, and a piece picked up or
  // put down (the board's description says it).
  void tell_reader();

  FrmMain& frm_;
  QSizeF natural_;  // the board at 100 %; empty: not scaled
  qreal factor_ = 1.0;
  qreal zoom_ = 1.0;
  QTransform to_widget_, to_board_;
  Dispatch dispatch_;
  int drag_ = 0;                      // picture id held by the mouse
  bool tip_pressed_ = false;          // the press went down on the tip frame
  std::vector<Control> shown_;        // the controls as sync last saw them
  bool marks_shown_ = false;          // the colour patterns as sync last saw them
  std::future<RenderedLooks> looks_;  // looks begun by prepare_looks
  bool looks_stale_ = true;           // the looks changed since the last paint prepared them
  qreal looks_dpr_ = 0;               // the pixel ratio they were prepared at
  std::optional<KeyStop> cursor_;     // the keyboard cursor
  KeyPlace::Block beside_ = KeyPlace::Block::Board;  // where Left from the cards goes back to
  bool show_focus_ = false;                          // the keyboard was used since the last click
  int carried_ = 0;                                  // picture id carried by the keyboard
  QPointF carried_from_;                             // its corner (twips) where it was picked up
  std::optional<KeyStop> carried_stop_;              // the stop it was picked up at
  QRect focus_painted_;
  mutable std::vector<ReaderItem> reader_items_;
  mutable bool reader_dirty_ = true;
  mutable int reader_language_ = -1;
  std::vector<ReaderItem> told_;  // the items as screen readers were last told
  int told_held_ = 0;             // the piece held when they were last told
  int card_pressed_ = 0;          // the clue card (1..16) the press went down on
};

}  // namespace zerdo
