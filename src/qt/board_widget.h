#pragma once
#include <QWidget>
#include <functional>
#include <future>
#include <vector>

#include "qt/control_painter.h"
#include "view/controls.h"

namespace zerdo {

class FrmMain;

// The client area of the main window: paints the controls of the board
// model and turns mouse events into the controller's piece and tip events.
// Every call into the controller goes through dispatch, which runs it as one
// window event and refreshes the window afterwards.
class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  using Dispatch = std::function<void(const std::function<void()>&)>;
  BoardWidget(FrmMain& frm, Dispatch dispatch, QWidget* parent = nullptr);

  // The picture id (1..16) of the draggable piece at point (logical pixels),
  // 0 for none.
  int piece_at(const QPointF& point) const;
  // The picture id of the piece being dragged, 0 when none.
  int dragged_piece() const { return drag_; }
  // Schedules a repaint of what changed in the controller's controls since
  // the last call: only the places of the controls that look different, and
  // nothing when none does (the clock's tick changes no control).
  void sync();
  // Starts drawing the looks of the current controls (pieces, cards, fields)
  // on a worker thread, so that they are ready by the first paint.
  void prepare_looks();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const Control* piece_control(int k) const;

  FrmMain& frm_;
  Dispatch dispatch_;
  int drag_ = 0;                      // picture id held by the mouse
  bool tip_pressed_ = false;          // the press went down on the tip frame
  std::vector<Control> shown_;        // the controls as sync last saw them
  std::future<RenderedLooks> looks_;  // looks begun by prepare_looks
};

}  // namespace zerdo
