#pragma once
#include <QAbstractFileIconProvider>

class QFileDialog;

namespace zerdo {

// The icons and type names of the file dialogs, told from the name and the
// kind of entry alone: no file is opened to tell its type. Qt's own provider
// reads a file whose name says nothing, and a special file (/proc/kmsg, a
// FIFO, a device) read so holds the game for as long as nothing comes.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
 public:
  using QAbstractFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};

// Gives dialog the provider above.
void use_name_only_icons(QFileDialog& dialog);

}  // namespace zerdo
