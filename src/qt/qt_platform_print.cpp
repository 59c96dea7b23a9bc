// Printing and the PDF export of the Qt platform. The PDF is written here
// (QtGui has the writer); the printer and its dialog live in the print
// module, loaded the first time the player prints.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLibrary>

#include "qt/file_icons.h"
#include "qt/print_module.h"
#include "qt/puzzle_sheet.h"
#include "qt/qt_platform.h"

namespace zerdo {

namespace {

// The print module's entry point, loaded once; nullptr when there is none.
PrintEntry print_entry() {
  static PrintEntry entry = [] {
    const QString here = QCoreApplication::applicationDirPath();
    // Beside the program in the build; in an installed tree, in the module
    // folder (libexec/zerdo) reached from the game's folder.
    for (const QString& dir : {here, here + QStringLiteral("/" ZERDO_MODULE_FROM_GAME)}) {
      QLibrary module(QDir(dir).filePath(QString::fromLatin1(kPrintModuleName)));
      if (auto f = reinterpret_cast<PrintEntry>(module.resolve(kPrintEntryName))) return f;
    }
    return PrintEntry{nullptr};
  }();
  return entry;
}

}  // namespace

std::optional<QtPlatform::PrintChoice> QtPlatform::pdf_dialog(const PrintJob& job) {
  QFileDialog dialog(dialog_parent(), QString::fromStdString(job.dialog_title));
  use_name_only_icons(dialog);
  // Qt's own dialog, so that it can carry the solution option.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(qt_file_filter(job.pdf_filter));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  // Where the puzzle files go, like the other file dialogs; else home.
  const QString folder = file_name_text(job.folder);
  dialog.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
  dialog.selectFile(QString::fromStdString(job.title) + QStringLiteral(".pdf"));
  auto* check = new QCheckBox(QString::fromStdString(job.option_caption), &dialog);
  check->setObjectName(QStringLiteral("withSolution"));
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(check, grid->rowCount(), 0, 1, grid->columnCount());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PrintChoice{file_name_bytes(dialog.selectedFiles().constFirst()), check->isChecked()};
}

PrintResult QtPlatform::print_puzzle(const PrintJob& job, std::string* path) {
  prepare_modal();
  std::optional<PrintChoice> choice;
  if (print_hook)
    choice = print_hook(job);
  else if (job.target == PrintTarget::Pdf)
    choice = pdf_dialog(job);
  if (job.target == PrintTarget::Pdf) {
    if (!choice) return PrintResult::Cancelled;
    if (path) *path = choice->path;
    return write_puzzle_pdf(job, file_name_text(choice->path), choice->with_solution)
               ? PrintResult::Done
               : PrintResult::Failed;
  }

  const PrintEntry print = print_entry();
  if (!print) return PrintResult::Unavailable;
  if (print_hook && !choice) return PrintResult::Cancelled;
  PrintRequest request;
  request.parent = dialog_parent();
  request.dialog_title = QString::fromStdString(job.dialog_title);
  request.option_caption = QString::fromStdString(job.option_caption);
  if (choice) {
    request.output_file = file_name_text(choice->path);
    request.with_solution = choice->with_solution;
  }
  request.set_up = [](QPagedPaintDevice& device) { set_up_paper(device); };
  request.paint = [&job](QPagedPaintDevice& device, bool with_solution) {
    return paint_puzzle_sheet(device, job, with_solution);
  };
  request.write_pdf = [&job, path](const QString& file, bool with_solution) {
    if (path) *path = file_name_bytes(file);
    return write_puzzle_pdf(job, file, with_solution);
  };
  switch (print(request)) {
    case kPrinted:
      return PrintResult::Done;
    case kPrintCancelled:
      return PrintResult::Cancelled;
    default:
      return PrintResult::Failed;
  }
}

}  // namespace zerdo
