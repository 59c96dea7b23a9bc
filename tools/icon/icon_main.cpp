// Writes the program icon as the files of the hicolor icon theme:
//   zerdo-icon OUTDIR NAME
// gives OUTDIR/hicolor/scalable/apps/NAME.svg and
// OUTDIR/hicolor/SxS/apps/NAME.png for every size S of the theme's usual set.
// The drawing is the one the window and the About window show.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "qt/piece_painter.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The drawing size of the SVG, in its own units.
constexpr int kSvgSize = 256;

bool write_png(const QString& dir, const QString& name, int size) {
  const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
  if (!QDir().mkpath(folder)) return false;
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    zerdo::paint_program_icon(p, QRectF(0, 0, size, size));
  }
  return image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

bool write_svg(const QString& dir, const QString& name) {
  const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
  if (!QDir().mkpath(folder)) return false;
  QSvgGenerator svg;
  svg.setFileName(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
  svg.setSize(QSize(kSvgSize, kSvgSize));
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle(QStringLiteral("Zerdo"));
  QPainter p;
  if (!p.begin(&svg)) return false;
  zerdo::paint_program_icon(p, QRectF(0, 0, kSvgSize, kSvgSize));
  return p.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: zerdo-icon OUTDIR NAME\n");
    return 2;
  }
  const QString& dir = args[1];
  const QString& name = args[2];
  bool ok = write_svg(dir, name);
  for (const int size : kSizes) ok = write_png(dir, name, size) && ok;
  if (!ok) {
    std::fprintf(stderr, "zerdo-icon: cannot write the icons below %s\n", qPrintable(dir));
    return 1;
  }
  return 0;
}
