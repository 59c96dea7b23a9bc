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
  bool with_solution = request.with_solution;
  if (!request.output_file.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(request.output_file);
  } else {
    QPrintDialog dialog(&printer, request.parent);
    dialog.setWindowTitle(request.dialog_title);
    // The option sits on a tab of its own in the dialog.
    auto* options = new QWidget;
    options->setWindowTitle(request.option_caption);
    auto* layout = new QVBoxLayout(options);
    auto* check = new QCheckBox(request.option_caption, options);
    check->setObjectName(QStringLiteral("withSolution"));
    layout->addWidget(check);
    layout->addStretch(1);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted) return kPrintCancelled;
    with_solution = check->isChecked();
  }
  // Into a file: the game writes it, so that a full disk or a FIFO there
  // leaves no torn file and is told to the player.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
      request.write_pdf)
    return request.write_pdf(printer.outputFileName(), with_solution) ? kPrinted : kPrintFailed;
  if (!request.paint || !request.paint(printer, with_solution)) return kPrintFailed;
  return printer.printerState() == QPrinter::Error ? kPrintFailed : kPrinted;
}
