// The print module: the print dialog with the solution option, and the
// printer the pages are painted on. Built as a module of its own, loaded on
// demand (see print_module.h).
#include "qt/print_module.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWidget>

extern "C" Q_DECL_EXPORT int zerdo_print_puzzle(const zerdo::PrintRequest& request) {
  using namespace zerdo;
  QPrinter printer(QPrinter::HighResolution);
  if (request.set_up) request.set_up(printer);
  PrintOptions options = request.options;
  if (!request.output_file.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(request.output_file);
  } else {
    QPrintDialog dialog(&printer, request.parent);
    dialog.setWindowTitle(request.dialog_title);
    // The options sit on a tab of their own in the dialog.
    auto* tab = new QWidget;
    tab->setWindowTitle(request.option_caption);
    auto* layout = new QVBoxLayout(tab);
    auto* check = new QCheckBox(request.option_caption, tab);
    check->setObjectName(QStringLiteral("withSolution"));
    check->setChecked(options.with_solution);
    auto* patterns = new QCheckBox(request.patterns_caption, tab);
    patterns->setObjectName(QStringLiteral("colourPatterns"));
    patterns->setChecked(options.colour_marks);
    layout->addWidget(check);
    layout->addWidget(patterns);
    layout->addStretch(1);
    dialog.setOptionTabs({tab});
    if (dialog.exec() != QDialog::Accepted) return kPrintCancelled;
    options = {check->isChecked(), patterns->isChecked()};
  }
  // Into a file: the game writes it, so that a full disk or a FIFO there
  // leaves no torn file and is told to the player.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
      request.write_pdf)
    return request.write_pdf(printer.outputFileName(), options) ? kPrinted : kPrintFailed;
  if (!request.paint || !request.paint(printer, options)) return kPrintFailed;
  return printer.printerState() == QPrinter::Error ? kPrintFailed : kPrinted;
}
