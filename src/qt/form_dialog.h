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
class FormDialog : public QDialog {
  Q_OBJECT
 public:
  FormDialog(Form& form, FormHandler& handler, QWidget* parent = nullptr);

  // Reports a press on button control (or "" for closing the window) and
  // closes the dialog when the handler says so.
  void press(const std::string& control);
  QPushButton* button(const std::string& name) const;
  // The table or chart widget of control name, nullptr when there is none.
  QWidget* widget(const std::string& name) const;
  const Form& form() const { return form_; }

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
};

}  // namespace zerdo
