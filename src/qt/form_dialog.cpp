#include "qt/form_dialog.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "qt/control_painter.h"

namespace zerdo {

namespace {

// Buttons and the name box are real widgets; the rest is painted.
bool is_widget(const Control& c) {
  return c.kind == ControlKind::Button || c.role == Role::NameBox;
}

// The control of role in form, nullptr when it has none.
Control* find_role(Form& form, Role role) {
  for (ControlSet::Id id = 0; id < form.controls.size(); ++id)
    if (form.controls[id].role == role) return &form.controls[id];
  return nullptr;
}

// The window's title bar and frame, which the form's outer size includes.
constexpr int kFrameWidth = 8, kTitleHeight = 30;

}  // namespace

FormDialog::FormDialog(Form& form, FormHandler& handler, QWidget* parent)
    : QDialog(parent), form_(form), handler_(handler) {
  setWindowTitle(QString::fromStdString(form.caption));
  setFont(caption_font());
  // The window's light colours, whatever the desktop's theme: the painted
  // frames and labels and the real buttons and text box alike.
  setPalette(game_palette(palette()));
  int right = 0, bottom = 0;
  for (const Control& c : form.controls.all()) {
    if (c.visible) {
      const QRect r = control_pixel_rect(c).toRect();
      right = qMax(right, r.right() + 1);
      bottom = qMax(bottom, r.bottom() + 1);
    }
    if (c.kind == ControlKind::Button) {
      auto* b = new QPushButton(QString::fromStdString(c.caption.value_or("")), this);
      const std::string name = c.full_name();
      connect(b, &QPushButton::clicked, this, [this, name] { press(name); });
      // Enter presses OK.
      if (c.role == Role::OkButton) b->setDefault(true);
      b->setAutoDefault(false);
      buttons_[name] = b;
    } else if (c.role == Role::NameBox) {
      edit_ = new QLineEdit(QString::fromStdString(c.caption.value_or("")), this);
      // A screen reader names the box by the frame round it.
      if (const Control* frame = find_role(form, Role::NameFrame))
        edit_->setAccessibleName(QString::fromStdString(frame->caption.value_or("")));
      edit_->selectAll();
      edit_->setFocus();
    }
  }
  const int width = qMax(form.width / 15 - kFrameWidth, right + 8);
  const int height = qMax(form.height / 15 - kTitleHeight, bottom + 8);
  setFixedSize(width, height);
  sync_widgets();
}

QPushButton* FormDialog::button(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
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
    }
    if (!w) continue;
    w->setGeometry(control_pixel_rect(c).toRect());
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
  paint_controls(p, form_.controls, is_widget, {form_.colour_marks});
}

}  // namespace zerdo
