// Colour told a second way: with the colour patterns on, every two pieces of
// one shape and every two blots stay clearly apart for players who see the
// colours as one of the three full colour blindnesses do.
//
// The measure. Both pictures are drawn at the same size onto the paper they
// lie on, every pixel is passed through the simulation of the colour
// blindness (the full-severity matrices of Machado, Oliveira and Fernandes,
// 2009, on linear sRGB), and the two simulated pictures are compared pixel by
// pixel with the CIEDE2000 colour difference, over the pixels both pictures
// cover. The pair passes when at least kMinShare of those pixels differ by
// more than kClearDeltaE.
// Why that is enough: a difference of 10 is far beyond what the eye needs to
// see two colours side by side (about 1 to 2) and reads as another colour at
// a glance; unmarked, red and green under deuteranopia differ by 6.5 (and
// purple and blue by 4) on every pixel, so colour alone does not reach it:
// unmarked, the least share over the pairs is 0 under protanopia and
// deuteranopia, and the test checks that for red and green. A share of 30 %
// is a whole pattern of stripes or dots, not a stray edge (the marked pairs
// reach 43 % and more): the patterns are laid on one grid fixed to the picture's
// square, so two pictures with the same mark would match pixel for pixel and
// every differing pixel is a difference of mark (or of a colour still told
// apart). It is measured at the size of the cards (24 px, the smallest
// picture the game draws) and of the board (48 px).
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
#include "qt/main_window.h"

using namespace zerdo;

namespace {

constexpr double kClearDeltaE = 10.0;
constexpr double kMinShare = 0.30;

using Matrix = std::array<std::array<double, 3>, 3>;
struct Simulation {
  const char* name;
  Matrix m;
};
// clang-format off
const Simulation kSimulations[] = {
    {"protanopia",   {{{ 0.152286, 1.052583, -0.204868},
                       { 0.114503, 0.786281,  0.099216},
                       {-0.003882,-0.048116,  1.051998}}}},
    {"deuteranopia", {{{ 0.367322, 0.860646, -0.227968},
                       { 0.280085, 0.672501,  0.047413},
                       {-0.011820, 0.042940,  0.968881}}}},
    {"tritanopia",   {{{ 1.255528,-0.076749, -0.178779},
                       {-0.078411, 0.930809,  0.147602},
                       { 0.004733, 0.691367,  0.303900}}}},
};
// clang-format on

struct Lab {
  double l, a, b;
};

double to_linear(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The colour as seen under the simulation, in CIELAB (D65).
Lab simulated_lab(QRgb rgb, const Matrix& m) {
  const double in[3] = {to_linear(qRed(rgb)), to_linear(qGreen(rgb)), to_linear(qBlue(rgb))};
  double lin[3];
  for (int i = 0; i < 3; ++i)
    lin[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
  const double x = (0.4124 * lin[0] + 0.3576 * lin[1] + 0.1805 * lin[2]) / 0.95047;
  const double y = 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
  const double z = (0.0193 * lin[0] + 0.1192 * lin[1] + 0.9505 * lin[2]) / 1.08883;
  const auto f = [](double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double degrees(double rad) { return rad * 180 / M_PI; }
double radians(double deg) { return deg * M_PI / 180; }

// CIEDE2000 colour difference.
double delta_e_2000(const Lab& p, const Lab& q) {
  const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
  const double c_mean7 = std::pow((c1 + c2) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(c_mean7 / (c_mean7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
  const double cp1 = std::hypot(a1, p.b), cp2 = std::hypot(a2, q.b);
  const auto hue = [](double b, double a) {
    if (a == 0 && b == 0) return 0.0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
  const double dl = q.l - p.l, dc = cp2 - cp1;
  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dhh = 2 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2));
  const double l_mean = (p.l + q.l) / 2, cp_mean = (cp1 + cp2) / 2;
  double h_mean = h1 + h2;
  if (cp1 * cp2 != 0) {
    if (std::abs(h1 - h2) <= 180)
      h_mean = (h1 + h2) / 2;
    else
      h_mean = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(radians(h_mean - 30)) +
                   0.24 * std::cos(radians(2 * h_mean)) + 0.32 * std::cos(radians(3 * h_mean + 6)) -
                   0.20 * std::cos(radians(4 * h_mean - 63));
  const double d_theta = 30 * std::exp(-std::pow((h_mean - 275) / 25, 2));
  const double cp_mean7 = std::pow(cp_mean, 7);
  const double rc = 2 * std::sqrt(cp_mean7 / (cp_mean7 + std::pow(25.0, 7)));
  const double sl = 1 + 0.015 * std::pow(l_mean - 50, 2) / std::sqrt(20 + std::pow(l_mean - 50, 2));
  const double sc = 1 + 0.045 * cp_mean, sh = 1 + 0.015 * cp_mean * t;
  const double rt = -std::sin(radians(2 * d_theta)) * rc;
  return std::sqrt(std::pow(dl / sl, 2) + std::pow(dc / sc, 2) + std::pow(dhh / sh, 2) +
                   rt * (dc / sc) * (dhh / sh));
}

// Picture id drawn at side px with or without the patterns, on paper, and
// which of its pixels it covers.
struct Drawn {
  QImage image;               // on the paper, opaque
  std::vector<bool> covered;  // the picture's own pixels (at least half opaque)
};

Drawn draw(int picture_id, int side, bool marks) {
  const QImage look = render_look(picture_look(QSizeF(side, side), picture_id, marks), 1.0);
  Drawn d{QImage(look.size(), QImage::Format_RGB32), {}};
  d.image.fill(QColor(250, 248, 243));  // the cards' paper
  QPainter(&d.image).drawImage(0, 0, look);
  for (int y = 0; y < look.height(); ++y)
    for (int x = 0; x < look.width(); ++x) d.covered.push_back(qAlpha(look.pixel(x, y)) >= 128);
  return d;
}

// The share of the pixels both pictures cover whose simulated colours differ
// by more than kClearDeltaE.
double clear_share(const Drawn& p, const Drawn& q, const Matrix& m) {
  int both = 0, clear = 0;
  for (int y = 0; y < p.image.height(); ++y)
    for (int x = 0; x < p.image.width(); ++x) {
      const auto i = static_cast<std::size_t>(y * p.image.width() + x);
      if (!p.covered[i] || !q.covered[i]) continue;
      ++both;
      if (delta_e_2000(simulated_lab(p.image.pixel(x, y), m),
                       simulated_lab(q.image.pixel(x, y), m)) > kClearDeltaE)
        ++clear;
    }
  return both ? double(clear) / both : 0.0;
}

// The pairs to tell apart: pieces of one shape, and the blots.
std::vector<std::pair<int, int>> pairs_of_one_kind() {
  std::vector<std::pair<int, int>> pairs;
  for (int p = 1; p <= kPieceIds; ++p)
    for (int q = p + 1; q <= kPieceIds; ++q)
      if (kPictures[std::size_t(p)].shape == kPictures[std::size_t(q)].shape)
        pairs.push_back({p, q});
  for (int p = 17; p <= 20; ++p)
    for (int q = p + 1; q <= 20; ++q) pairs.push_back({p, q});
  return pairs;
}

}  // namespace

class ColourTest : public QObject {
  Q_OBJECT

 private slots:
  void marked_pictures_stay_apart_under_colour_blindness();
  void black_shapes_and_crosses_take_no_mark();
  void the_setup_item_repaints_the_board_with_and_without_patterns();
};

void ColourTest::marked_pictures_stay_apart_under_colour_blindness() {
  // The colour difference itself, on a pair of its published test data.
  QVERIFY(std::abs(delta_e_2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}) - 2.0425) < 1e-3);
  const auto pairs = pairs_of_one_kind();
  QCOMPARE(pairs.size(), std::size_t(6 * 4 + 6));
  for (const int side : {24, 48}) {
    std::vector<Drawn> marked(kPictureIds + 1);
    for (int id = 1; id <= 20; ++id) marked[std::size_t(id)] = draw(id, side, true);
    for (const Simulation& sim : kSimulations) {
      double least = 1;
      for (const auto& [p, q] : pairs) {
        const double share = clear_share(marked[std::size_t(p)], marked[std::size_t(q)], sim.m);
        least = std::min(least, share);
        if (share < kMinShare)
          QFAIL(qPrintable(QStringLiteral("%1 and %2 at %3 px under %4: %5 of the pixels differ")
                               .arg(QLatin1String(picture_name(p).data(), picture_name(p).size()),
                                    QLatin1String(picture_name(q).data(), picture_name(q).size()))
                               .arg(side)
                               .arg(QLatin1String(sim.name))
                               .arg(share)));
      }
      qInfo("%d px, %s: least share %.2f", side, sim.name, least);
    }
  }
  // Colour alone falls short where the players see it fall short: red and
  // green under deuteranopia.
  const Drawn red = draw(2, 24, false), green = draw(3, 24, false);
  QVERIFY(clear_share(red, green, kSimulations[1].m) < kMinShare);
}

void ColourTest::black_shapes_and_crosses_take_no_mark() {
  for (int id = 21; id <= kCrossId; ++id) {
    const Look plain = picture_look(QSizeF(24, 24), id),
               marked = picture_look(QSizeF(24, 24), id, true);
    QCOMPARE(marked.name, plain.name);
    QCOMPARE(render_look(marked, 1.0), render_look(plain, 1.0));
  }
}

void ColourTest::the_setup_item_repaints_the_board_with_and_without_patterns() {
  QTemporaryDir config;
  QVERIFY(config.isValid());
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  MainWindow window;
  window.start();
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QImage plain = window.board()->grab().toImage();

  QAction* item = window.menu_action("mnuFileSetupColourMarks");
  QVERIFY(item && !item->isChecked());
  item->trigger();
  QVERIFY(window.frm().state().colour_marks);
  QVERIFY(item->isChecked());
  QCOMPARE(window.board()->grab().toImage() == plain, false);

  item->trigger();
  QVERIFY(!window.frm().state().colour_marks);
  QCOMPARE(window.board()->grab().toImage(), plain);
}

QTEST_MAIN(ColourTest)
#include "colour_test.moc"
