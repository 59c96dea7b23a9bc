#pragma once
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace zerdo {

// The options of the print dialog: a last page with the board solved, and
// the colour patterns on every coloured picture.
struct PrintOptions {
  bool with_solution = false;
  bool colour_marks = true;
};

// The printer's side of printing, in a module of its own that the game loads
// only when the player asks to print: Qt's print support is a large library,
// and loading it at start-up would slow every start for a rare command.
// The module knows nothing of the game; the page is painted by paint.
struct PrintRequest {
  QWidget* parent = nullptr;
  QString dialog_title;
  QString option_caption;    // the check box that adds the solution page
  QString patterns_caption;  // the check box of the colour patterns
  // Not empty: prints into this PDF file without showing a dialog, with the
  // options as given.
  QString output_file;
  PrintOptions options;  // as the dialog's check boxes start
  // Gives the printer its paper before the dialog opens.
  std::function<void(QPagedPaintDevice&)> set_up;
  // Paints the pages; false when that failed.
  std::function<bool(QPagedPaintDevice&, const PrintOptions& options)> paint;
  // Writes the pages as a PDF file (the dialog's choice to print into a
  // file, or output_file) as the game writes its files: whole or not at all,
  // special files refused. False when that failed.
  std::function<bool(const QString& file, const PrintOptions& options)> write_pdf;
};

// What print_puzzle returns.
enum PrintOutcome : int { kPrinted = 0, kPrintCancelled = 1, kPrintFailed = 2 };

// The module's one entry point, looked up by name.
using PrintEntry = int (*)(const PrintRequest& request);
constexpr const char* kPrintEntryName = "zerdo_print_puzzle";
// The module's file name without prefix and suffix, beside the program.
constexpr const char* kPrintModuleName = "zerdo-print";

}  // namespace zerdo
