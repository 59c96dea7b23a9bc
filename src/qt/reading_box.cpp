#include "qt/reading_box.h"

#include <utility>

namespace zerdo {

ReadingBox::ReadingBox(Icon icon, const QString& title, const QString& text,
                       StandardButtons buttons, QWidget* parent, std::vector<ReaderLine> lines)
    : QMessageBox(icon, title, text, buttons, parent), lines_(std::move(lines)) {}

}  // namespace zerdo
