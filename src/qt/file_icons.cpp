#include "qt/file_icons.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>

namespace zerdo {

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  if (info.isRoot()) return icon(Drive);
  if (info.isDir()) return icon(Folder);
  return icon(File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isDir() || !info.isFile()) return QAbstractFileIconProvider::type(info);
  return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
}

void use_name_only_icons(QFileDialog& dialog) {
  static NameOnlyIconProvider provider;
  dialog.setIconProvider(&provider);
}

}  // namespace zerdo
