#pragma once
#include <QMessageBox>
#include <vector>

#include "texts/messages.h"

namespace zerdo {

// A message box whose text is a table of values (the statistics): a screen
// reader finds each of its lines as an item of its own, named in the
// player's language (board_accessible.cpp), before the box's buttons. With
// no lines it is read as any message box.
class ReadingBox : public QMessageBox {
  Q_OBJECT
 public:
  ReadingBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
             QWidget* parent, std::vector<ReaderLine> lines);
  const std::vector<ReaderLine>& lines() const { return lines_; }

 private:
  std::vector<ReaderLine> lines_;
};

}  // namespace zerdo
