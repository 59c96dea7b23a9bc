#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace zerdo {

// The platform's own widget style with the few pictures it would otherwise
// read from image files drawn here instead. The menu bar asks for its
// overflow arrow when it is built: reading that picture from a file loads
// every image-format plugin of the system before the window first shows.
//
// Every widget gets a palette of its own, even when its colours are those of
// the window before it, and the style keeps its drawn button faces and frames
// in the pixmap cache under the palette they were drawn with. A secondary
// window opened anew would so add pictures that no later window finds, until
// the cache is full. The style draws with one shared palette per set of
// colours instead, so each window opened again finds the pictures of the
// last one; what is drawn stays the same.
class GameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;

  // The shared palette with the colours of palette (its colour group in use
  // kept); palette itself when it is already shared or too many sets of
  // colours are.
  QPalette shared(const QPalette& palette) const;

 private:
  // The sets of colours drawn with so far; a handful in the game (the
  // window's colours, the desktop's), bounded all the same.
  static constexpr std::size_t kMaxPalettes = 16;
  mutable std::vector<QPalette> palettes_;
};

}  // namespace zerdo
