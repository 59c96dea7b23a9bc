// Runs a fuzz target once on every file of the folders (or files) given: the
// seed corpus and every input that once failed stay tests of the normal build.
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    QStringList inputs;
    const QFileInfo info(QString::fromLocal8Bit(argv[i]));
    if (info.isDir()) {
      QDirIterator it(info.filePath(), QDir::Files, QDirIterator::Subdirectories);
      while (it.hasNext()) inputs << it.next();
    } else {
      inputs << info.filePath();
    }
    inputs.sort();
    for (const QString& input : inputs) {
      QFile file(input);
      if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(input));
        return 1;
      }
      const QByteArray bytes = file.readAll();
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
      ++files;
    }
  }
  std::printf("%d passed, 0 failed\n", files);
  return files > 0 ? 0 : 1;
}
