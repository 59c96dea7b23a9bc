// The floor the game's window is measured against: the least a Qt 6 Widgets
// game window does. A main window with a menu bar, a status bar of four
// panels, a board painted by hand with one piece the mouse drags (only its
// old and new place repainted), and a clock in the last panel ticking every
// 300 ms. Header only and without moc, so that bench/startup.sh can build it
// against Qt Widgets alone.
#pragma once
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <functional>

namespace floor_window {

// The board: a 4x4 grid of fields on the window colour and a round piece,
// drawn at factor times their size.
class Board : public QWidget {
 public:
  Board() { setAttribute(Qt::WA_OpaquePaintEvent); }

  void set_factor(qreal factor) {
    factor_ = factor;
    update();
  }
  qreal factor() const { return factor_; }
  // The piece's rectangle in board pixels (at factor 1).
  void set_piece(const QRectF& piece) {
    update(area(piece_));
    piece_ = piece;
    update(area(piece_));
  }
  QRectF piece() const { return piece_; }
  // Called once, after the first paint.
  std::function<void()> first_paint;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    p.fillRect(event->rect(), QColor(212, 208, 200));
    p.scale(factor_, factor_);
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 4; ++col) {
        const QRectF field(300 + col * 60, 40 + row * 60, 56, 56);
        if (event->region().intersects(area(field)))
          p.fillRect(field, (row + col) % 2 ? QColor(236, 232, 222) : QColor(200, 194, 180));
      }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 40, 90), 1.5));
    p.setBrush(QColor(150, 90, 200));
    p.drawEllipse(piece_.adjusted(2, 2, -2, -2));
    if (first_paint) {
      auto done = std::move(first_paint);
      first_paint = nullptr;
      QTimer::singleShot(0, this, done);
    }
  }
  void mousePressEvent(QMouseEvent* event) override {
    const QPointF at = event->position() / factor_;
    held_ = piece_.contains(at);
    grip_ = at - piece_.topLeft();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (held_) set_piece(QRectF(event->position() / factor_ - grip_, piece_.size()));
  }
  void mouseReleaseEvent(QMouseEvent*) override { held_ = false; }

 private:
  QRect area(const QRectF& board_rect) const {
    return QRectF(board_rect.topLeft() * factor_, board_rect.size() * factor_)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
  }

  qreal factor_ = 1.0;
  QRectF piece_{40, 40, 48, 48};
  bool held_ = false;
  QPointF grip_;
};

// The window: four menus of eight items, the board, the four status panels.
class Window : public QMainWindow {
 public:
  Window() {
    for (const char* title : {"&File", "&Game", "&Options", "&Help"}) {
      QMenu* menu = menuBar()->addMenu(QString::fromLatin1(title));
      for (int i = 1; i <= 8; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    board_ = new Board;
    setCentralWidget(board_);
    for (int i = 0; i < 4; ++i) {
      panels_[i] = new QLabel(i == 0 ? QStringLiteral("Puzzle A1   Moves 0   Time 0.0")
                                     : QStringLiteral("Panel %1").arg(i + 1));
      if (i == 0)
        statusBar()->addWidget(panels_[i], 1);
      else
        statusBar()->addPermanentWidget(panels_[i]);
    }
    clock_.setInterval(300);
    QObject::connect(&clock_, &QTimer::timeout, this, [this] {
      panels_[3]->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    });
    clock_.start();
  }
  Board* board() const { return board_; }

 private:
  Board* board_ = nullptr;
  QLabel* panels_[4] = {};
  QTimer clock_;
};

// A secondary window: a painted board of nine fields and an OK button.
class Dialog : public QDialog {
 public:
  explicit Dialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Solution"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(110, 210, 80, 26);
    QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(300, 250);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(212, 208, 200));
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 9; ++i) {
      const QRectF field(60 + (i % 3) * 60, 20 + (i / 3) * 60, 56, 56);
      p.fillRect(field, QColor(236, 232, 222));
      p.setBrush(QColor(150, 90, 200));
      p.drawEllipse(field.adjusted(6, 6, -6, -6));
    }
  }
};

}  // namespace floor_window
