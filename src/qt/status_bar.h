#pragma once
#include <QWidget>
#include <array>

#include "play/read_model.h"

namespace zerdo {

// The main window's status bar: panels 1..4 side by side, each as wide as
// its width in twips, with its text and tool tip.
class StatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent = nullptr);
  void set_panels(const std::array<StatusPanel, 5>& panels);
  const std::array<StatusPanel, 5>& panels() const { return panels_; }
  // The panel (1..4) at x in logical pixels, 0 for none.
  int panel_at(qreal x) const;
  QRectF panel_rect(int panel) const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::array<StatusPanel, 5> panels_{};
};

}  // namespace zerdo
