// Writes the game's icons as the files of the hicolor icon theme:
//   zerdo-icon OUTDIR NAME MIMETYPE_ICON
// gives, below OUTDIR/hicolor,
//   scalable/apps/NAME.svg and SxS/apps/NAME.png: the program icon (the
//     drawing the window and the About window show), with a margin around it
//     as the desktop's other application icons have;
//   symbolic/apps/NAME-symbolic.svg: the same in one colour, for panels;
//   scalable/mimetypes/MIMETYPE_ICON.svg and SxS/mimetypes/MIMETYPE_ICON.png:
//     the icon of a puzzle file;
// for every size S of the theme's usual set.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

#include "drawing/looks.h"
#include "qt/drawing_replay.h"

namespace {

using Draw = std::function<void(zerdo::drawing::Drawing&, const zerdo::drawing::Rect&)>;

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The drawing size of the scalable icons, in their own units.
constexpr int kSvgSize = 256;
// A symbolic icon is drawn on the theme's 16 px grid.
constexpr int kSymbolicSize = 16;
// The colour symbolic icons are drawn in; the desktop puts its own in its place.
constexpr zerdo::drawing::Colour kSymbolicColour{46, 52, 54};

// The program icon keeps a sixteenth of its size free on every side, and
// half a pixel more for the soft edge of its plate's line.
Draw with_margin(Draw draw) {
  return [draw](zerdo::drawing::Drawing& d, const zerdo::drawing::Rect& r) {
    const double m = std::round(std::min(r.w, r.h) / 16) + 0.5;
    draw(d, r.adjusted(m, m, -m, -m));
  };
}

void paint(QPainter& p, const Draw& draw, double size) {
  zerdo::drawing::Drawing d;
  draw(d, {0, 0, size, size});
  zerdo::replay(p, d);
}

bool write_png(const QString& folder, const QString& file, int size, const Draw& draw) {
  if (!QDir().mkpath(folder)) return false;
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    paint(p, draw, size);
  }
  return image.save(folder + QLatin1Char('/') + file + QStringLiteral(".png"));
}

bool write_svg(const QString& folder, const QString& file, int size, const Draw& draw) {
  if (!QDir().mkpath(folder)) return false;
  QSvgGenerator svg;
  svg.setFileName(folder + QLatin1Char('/') + file + QStringLiteral(".svg"));
  svg.setSize(QSize(size, size));
  svg.setViewBox(QRect(0, 0, size, size));
  svg.setTitle(QStringLiteral("Zerdo"));
  QPainter p;
  if (!p.begin(&svg)) return false;
  paint(p, draw, size);
  return p.end();
}

// The scalable icon and one picture of every size, in context (apps, mimetypes).
bool write_set(const QString& dir, const QString& context, const QString& file, const Draw& draw) {
  bool ok =
      write_svg(QStringLiteral("%1/hicolor/scalable/%2").arg(dir, context), file, kSvgSize, draw);
  for (const int size : kSizes) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/%3").arg(dir).arg(size).arg(context);
    ok = write_png(folder, file, size, draw) && ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: zerdo-icon OUTDIR NAME MIMETYPE_ICON\n");
    return 2;
  }
  const QString& dir = args[1];
  const QString& name = args[2];
  const QString& mimetype_icon = args[3];
  bool ok = write_set(dir, QStringLiteral("apps"), name, with_margin(zerdo::drawing::program_icon));
  ok = write_svg(dir + QStringLiteral("/hicolor/symbolic/apps"), name + QStringLiteral("-symbolic"),
                 kSymbolicSize,
                 [](zerdo::drawing::Drawing& d, const zerdo::drawing::Rect& r) {
                   zerdo::drawing::program_icon_symbolic(d, r, kSymbolicColour);
                 }) &&
       ok;
  ok = write_set(dir, QStringLiteral("mimetypes"), mimetype_icon,
                 zerdo::drawing::puzzle_file_icon) &&
       ok;
  if (!ok) {
    std::fprintf(stderr, "zerdo-icon: cannot write the icons below %s\n", qPrintable(dir));
    return 1;
  }
  return 0;
}
