// The floor of the start-up measurement: the smallest Qt Widgets window that
// paints something, quitting after its first paint like the game does under
// ZERDO_QUIT_AFTER_PAINT.
#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class Window : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(212, 208, 200));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Minimal"));
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, [] {
      std::printf("first-paint-ms %lld\n",
                  static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
      std::fflush(stdout);
      QApplication::quit();
    });
  }

 private:
  bool painted_ = false;
};

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Window w;
  w.resize(793, 536);
  w.show();
  return QApplication::exec();
}
