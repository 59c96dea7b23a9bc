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
  auto* patterns = new QCheckBox(QString::fromStdString(job.patterns_caption), &dialog);
  patterns->setObjectName(QStringLiteral("colourPatterns"));
  patterns->setChecked(job.colour_marks);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    grid->addWidget(check, grid->rowCount(), 0, 1, grid->columnCount());
    grid->addWidget(patterns, grid->rowCount(), 0, 1, grid->columnCount());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PrintChoice{file_name_bytes(dialog.selectedFiles().constFirst()), check->isChecked(),
                     patterns->isChecked()};
}

PrintResult QtPlatform::print_puzzle(const PrintJob& job, PrintChoices* chosen) {
  prepare_modal();
  std::optional<PrintChoice> choice;
  if (print_hook)
    choice = print_hook(job);
  else if (job.target == PrintTarget::Pdf)
    choice = pdf_dialog(job);
  // The page as the player chose it: with or without the colour patterns.
  const auto with_patterns = [&job](bool colour_marks) {
    PrintJob chosen_job = job;
    chosen_job.colour_marks = colour_marks;
    return chosen_job;
  };
  if (job.target == PrintTarget::Pdf) {
    if (!choice) return PrintResult::Cancelled;
    if (chosen) *chosen = PrintChoices{choice->path, choice->colour_marks};
    return write_puzzle_pdf(with_patterns(choice->colour_marks), file_name_text(choice->path),
                            choice->with_solution)
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
  request.patterns_caption = QString::fromStdString(job.patterns_caption);
  request.options.colour_marks = job.colour_marks;
  if (choice) {
    request.output_file = file_name_text(choice->path);
    request.options = {choice->with_solution, choice->colour_marks};
  }
  request.set_up = [](QPagedPaintDevice& device) { set_up_paper(device); };
  // The options reach the painting as the player left them in the dialog.
  request.paint = [&](QPagedPaintDevice& device, const PrintOptions& options) {
    if (chosen) chosen->colour_marks = options.colour_marks;
    return paint_puzzle_sheet(device, with_patterns(options.colour_marks), options.with_solution);
  };
  request.write_pdf = [&](const QString& file, const PrintOptions& options) {
    if (chosen) *chosen = PrintChoices{file_name_bytes(file), options.colour_marks};
    return write_puzzle_pdf(with_patterns(options.colour_marks), file, options.with_solution);
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
