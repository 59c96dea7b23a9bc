#pragma once

#include <QProxyStyle>

namespace zerdo {

// The platform's own widget style with the few pictures it would otherwise
// read from image files drawn here instead. The menu bar asks for its
// overflow arrow when it is built: reading that picture from a file loads
// every image-format plugin of the system before the window first shows.
class GameStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace zerdo
