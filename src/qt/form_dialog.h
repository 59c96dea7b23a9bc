#pragma once
#include <QDialog>
#include <map>
#include <string>

#include "play/platform.h"

class QLineEdit;
class QPushButton;

namespace zerdo {

// A secondary window of the game (solution window, About window, player
// dialog, history window) shown modally from its Form: frames, pictures and
// labels are painted, buttons are push buttons, the text box "username" an
// edit line, a table a table widget and a chart a widget that draws it.
// Each button press goes to the handler, which decides whether to close.
// The window follows the game's zoom: painted, placed and lettered at the
// board's factor, as far as the screen holds it.
class FormDialog : public QDialog {
  Q_OBJECT
 public:
  // zoom: the factor the board is shown at (1 for 100 %).
  FormDialog(Form& form, FormHandler& handler, QWidget* parent = nullptr, qreal zoom = 1.0);

  // Reports a press on button control (or "" for closing the window) and
  // closes the dialog when the handler says so.
  void press(const std::string& control);
  QPushButton* button(const std::string& name) const;
  // The table or chart widget of control name, nullptr when there is none.
  QWidget* widget(const std::string& name) const;
  const Form& form() const { return form_; }
  // The factor the window is shown at: the zoom, or the largest below it at
  // which the window fits the screen; never below 1, where its layout stays
  // as it was made (a board zoomed out leaves its windows legible).
  qreal factor() const { return factor_; }
  // A rectangle of the form (logical pixels at 100 %) in the window.
  QRect to_window(const QRectF& rect) const;

 public slots:
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void sync_widgets();

  Form& form_;
  FormHandler& handler_;
  std::map<std::string, QPushButton*> buttons_;  // by full control name
  std::map<std::string, QWidget*> widgets_;      // the table and the charts, by full control name
  QLineEdit* edit_ = nullptr;
  qreal factor_ = 1.0;
};

}  // namespace zerdo
