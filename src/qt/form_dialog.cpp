#include "qt/form_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <cmath>

#include "drawing/chart.h"
#include "qt/control_painter.h"
#include "qt/drawing_replay.h"

namespace zerdo {

namespace {

// Buttons, the name box, a table and charts are real widgets; the rest is
// painted.
bool is_widget(const Control& c) {
  return c.kind == ControlKind::Button || c.role == Role::NameBox || c.role == Role::Table ||
         c.role == Role::Chart;
}

// A chart of the window, drawn by the game's own drawing at the widget's size
// at 100 %, scaled by the window's factor.
class ChartWidget : public QWidget {
 public:
  ChartWidget(const Chart& chart, qreal factor, QWidget* parent)
      : QWidget(parent), chart_(chart), factor_(factor) {
    setAccessibleName(QString::fromStdString(chart.title));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor_, factor_);
    replay(p, drawing::draw_chart(chart_, {0, 0, width() / factor_, height() / factor_}));
  }

 private:
  const Chart& chart_;
  qreal factor_;
};

// A table whose columns are as wide as their heads and cells need, the room
// left over shared out among them.
class FigureTable : public QTableWidget {
 public:
  FigureTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QTableWidget::resizeEvent(event);
    resizeColumnsToContents();
    const int n = columnCount();
    if (n == 0) return;
    int used = 0;
    for (int k = 0; k < n; ++k) used += columnWidth(k);
    // The width inside the frame, less a scroll bar's when the rows need one.
    const int inside = event->size().width() - 2 * frameWidth() -
                       (verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0);
    const int spare = inside - used;
    if (spare <= 0) return;
    for (int k = 0; k < n; ++k)
      setColumnWidth(k, columnWidth(k) + spare / n + (k < spare % n ? 1 : 0));
  }
};

// The window's table: a real one, so that a screen reader reads it cell by
// cell with its column heads; nothing in it is edited.
QTableWidget* make_table(const FormTable& t, const Control& c, QWidget* parent) {
  auto* table =
      new FigureTable(static_cast<int>(t.rows.size()), static_cast<int>(t.heads.size()), parent);
  QStringList heads;
  for (const std::string& h : t.heads) heads << QString::fromStdString(h);
  table->setHorizontalHeaderLabels(heads);
  for (std::size_t r = 0; r < t.rows.size(); ++r)
    for (std::size_t k = 0; k < t.rows[r].size() && k < t.heads.size(); ++k) {
      auto* item = new QTableWidgetItem(QString::fromStdString(t.rows[r][k]));
      // Figures line up on the right, the range and level on the left.
      item->setTextAlignment(Qt::AlignVCenter | (k < 2 ? Qt::AlignLeft : Qt::AlignRight));
      table->setItem(static_cast<int>(r), static_cast<int>(k), item);
    }
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setAlternatingRowColors(true);
  table->setAccessibleName(QString::fromStdString(c.caption.value_or("")));
  return table;
}

// The control of role in form, nullptr when it has none.
Control* find_role(Form& form, Role role) {
  for (ControlSet::Id id = 0; id < form.controls.size(); ++id)
    if (form.controls[id].role == role) return &form.controls[id];
  return nullptr;
}

// The window's title bar and frame, which the form's outer size includes.
constexpr int kFrameWidth = 8, kTitleHeight = 30;

// The factor, up to zoom and not below 1, at which a window of size (at
// 100 %) with its frame fits the room the screen has; whole percent, rounded
// down, so that it really fits. A window too large at 100 % stays so.
qreal fitting_factor(const QSize& size, qreal zoom, const QWidget* parent) {
  if (zoom <= 1.0 || size.isEmpty()) return 1.0;
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return zoom;
  const QSize room = screen->availableGeometry().size();
  const qreal fit = qMin(static_cast<qreal>(room.width() - kFrameWidth) / size.width(),
                         static_cast<qreal>(room.height() - kTitleHeight) / size.height());
  if (fit >= zoom) return zoom;
  return qMax<qreal>(1.0, std::floor(fit * 100) / 100);
}

}  // namespace

FormDialog::FormDialog(Form& form, FormHandler& handler, QWidget* parent, qreal zoom)
    : QDialog(parent), form_(form), handler_(handler) {
  setWindowTitle(QString::fromStdString(form.caption));
  // The window's light colours, whatever the desktop's theme: the painted
  // frames and labels and the real buttons and text box alike.
  setPalette(game_palette(palette()));
  int right = 0, bottom = 0;
  for (const Control& c : form.controls.all()) {
    if (!c.visible) continue;
    const QRect r = control_pixel_rect(c).toRect();
    right = qMax(right, r.right() + 1);
    bottom = qMax(bottom, r.bottom() + 1);
  }
  // The window's size at 100 %, then at the factor the screen holds.
  const QSize natural(qMax(form.width / 15 - kFrameWidth, right + 8),
                      qMax(form.height / 15 - kTitleHeight, bottom + 8));
  factor_ = fitting_factor(natural, zoom, parent);
  setFont(caption_font(factor_));
  for (const Control& c : form.controls.all()) {
    if (c.kind == ControlKind::Button) {
      auto* b = new QPushButton(QString::fromStdString(c.caption.value_or("")), this);
      const std::string name = c.full_name();
      connect(b, &QPushButton::clicked, this, [this, name] { press(name); });
      // Enter presses OK.
      if (c.role == Role::OkButton) b->setDefault(true);
      b->setAutoDefault(false);
      buttons_[name] = b;
    } else if (c.role == Role::Table) {
      widgets_[c.full_name()] = make_table(form.table, c, this);
    } else if (c.role == Role::Chart && c.index >= 0 &&
               static_cast<std::size_t>(c.index) < form.charts.size()) {
      widgets_[c.full_name()] =
          new ChartWidget(form.charts[static_cast<std::size_t>(c.index)], factor_, this);
    } else if (c.role == Role::NameBox) {
      edit_ = new QLineEdit(QString::fromStdString(c.caption.value_or("")), this);
      // A screen reader names the box by the frame round it.
      if (const Control* frame = find_role(form, Role::NameFrame))
        edit_->setAccessibleName(QString::fromStdString(frame->caption.value_or("")));
      edit_->selectAll();
      edit_->setFocus();
    }
  }
  setFixedSize(qRound(natural.width() * factor_), qRound(natural.height() * factor_));
  sync_widgets();
}

QRect FormDialog::to_window(const QRectF& rect) const {
  // By its edges, so that neighbours scaled meet as they do at 100 %.
  const QPoint top_left(qRound(rect.left() * factor_), qRound(rect.top() * factor_));
  const QPoint end(qRound(rect.right() * factor_), qRound(rect.bottom() * factor_));
  return QRect(top_left, end - QPoint(1, 1));
}

QPushButton* FormDialog::button(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

QWidget* FormDialog::widget(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void FormDialog::sync_widgets() {
  for (const Control& c : form_.controls.all()) {
    QWidget* w = nullptr;
    if (c.kind == ControlKind::Button) {
      QPushButton* b = button(c.full_name());
      b->setText(QString::fromStdString(c.caption.value_or("")));
      w = b;
    } else if (c.role == Role::NameBox && edit_) {
      w = edit_;
    } else if (auto it = widgets_.find(c.full_name()); it != widgets_.end()) {
      w = it->second;
    }
    if (!w) continue;
    w->setGeometry(to_window(control_pixel_rect(c)));
    w->setVisible(c.visible);
    w->setEnabled(c.enabled);
    w->setToolTip(QString::fromStdString(c.tooltip));
  }
  update();
}

void FormDialog::press(const std::string& control) {
  // The handler reads the player's typing from the text box's caption.
  if (edit_)
    if (Control* box = find_role(form_, Role::NameBox)) box->caption = edit_->text().toStdString();
  const bool close = handler_.click(form_, control);
  if (close) {
    done(control.empty() ? QDialog::Rejected : QDialog::Accepted);
    return;
  }
  setWindowTitle(QString::fromStdString(form_.caption));
  if (edit_)
    if (const Control* box = find_role(form_, Role::NameBox))
      edit_->setText(QString::fromStdString(box->caption.value_or("")));
  sync_widgets();
}

// Escape and the window's close button: the Cancel button where the window
// has one, otherwise the window is closed.
void FormDialog::reject() {
  const Control* cancel = find_role(form_, Role::CancelButton);
  press(cancel ? cancel->full_name() : "");
}

void FormDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), control_back_colour(Control{}));
  p.scale(factor_, factor_);
  paint_controls(p, form_.controls, is_widget, {form_.colour_marks});
}

}  // namespace zerdo
