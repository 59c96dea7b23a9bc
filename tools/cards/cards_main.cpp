// Paints the main window's board with a built-in puzzle as the window does,
// at scale 1, into a PNG:
//   zerdo-cards OUT.png [MENU_ITEM]
// MENU_ITEM chooses the puzzle (mnuFileZerdoA1 when left out). Nothing is
// read from or written to the player's store.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>

#include "host/source_random.h"
#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace {

// A platform with nothing stored and the quiet rest (boxes answered at once,
// no files, a clock standing still): the board alone is wanted.
class QuietPlatform : public zerdo::Platform {
 public:
  zerdo::Settings& settings() override { return settings_; }
  zerdo::Random& random() override { return random_; }

 private:
  zerdo::MemorySettings settings_;
  zerdo::SourceRandom random_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: zerdo-cards OUT.png [MENU_ITEM]\n");
    return 2;
  }
  QuietPlatform platform;
  zerdo::FrmMain frm(platform);
  frm.start_up();
  const char* item = argc == 3 ? argv[2] : "mnuFileZerdoA1";
  if (!frm.choose_menu(item)) {
    std::fprintf(stderr, "zerdo-cards: no menu item %s\n", item);
    return 1;
  }
  int width = 0, height = 0;
  for (const zerdo::Control& c : frm.controls().all()) {
    if (!c.visible) continue;
    const QRectF r = zerdo::control_pixel_rect(c);
    width = std::max(width, static_cast<int>(r.right()) + 4);
    height = std::max(height, static_cast<int>(r.bottom()) + 4);
  }
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(zerdo::control_back_colour(zerdo::Control{}));
  {
    QPainter p(&image);
    p.setFont(zerdo::caption_font());
    zerdo::paint_controls(p, frm.controls());
  }
  if (!image.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "zerdo-cards: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
