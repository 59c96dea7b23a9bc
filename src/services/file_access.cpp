#include "services/file_access.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace zerdo {

std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(static_cast<qint64>(limit));
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

bool write_file_atomically(const std::string& path, const std::string& bytes) {
  QSaveFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size()) &&
         file.commit();
}

}  // namespace zerdo
