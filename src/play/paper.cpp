// The puzzle on paper: printing it or exporting it as a PDF file, and the
// marks the player puts on the clue cards. Neither counts a move nor touches
// the game: printing only reads the cards, and marks are the player's notes.
#include "texts/paper.h"

#include <algorithm>
#include <string>

#include "model/levels.h"
#include "play/frm_main.h"
#include "texts/messages.h"

namespace zerdo {

void FrmMain::print() { print_puzzle(PrintTarget::Printer); }
void FrmMain::export_pdf() { print_puzzle(PrintTarget::Pdf); }

void FrmMain::print_puzzle(PrintTarget target) {
  const Int lang = s_.language_code;
  PrintJob job;
  job.target = target;
  job.dialog_title =
      std::string(in(target == PrintTarget::Pdf ? msg::kPdfTitle : msg::kPrintTitle, lang));
  job.pdf_filter = std::string(in(msg::kPdfFilter, lang));
  job.option_caption = std::string(in(msg::kPaperWithSolution, lang));
  job.title = "Zerdo " + s_.puzzle_id;
  job.details = std::string(in(msg::kPaperRange, lang)) + " " + s_.range_name + "    " +
                std::string(in(msg::kPaperLevel, lang)) + " " +
                std::string(1, static_cast<char>(kFirstLevelLetter +
                                                 std::clamp<int>(s_.level, 1, kLevels) - 1));
  job.solution_title = std::string(in(msg::kPaperSolution, lang));
  job.controls = &view_.controls();
  job.cards = s_.shape.field_count;
  job.side = s_.shape.side;
  job.solution = s_.solution;
  job.colour_marks = s_.print_patterns;
  job.patterns_caption = std::string(in(msg::kPaperPatterns, lang));
  job.folder = file_folder_;
  PrintChoices chosen;
  chosen.colour_marks = s_.print_patterns;
  const PrintResult result = platform_.printing().print_puzzle(job, &chosen);
  // The patterns option is kept as chosen, for the next page as well.
  if (result == PrintResult::Done || result == PrintResult::Failed)
    s_.print_patterns = chosen.colour_marks;
  const std::string& path = chosen.path;
  switch (result) {
    case PrintResult::Done:
    case PrintResult::Cancelled:
      return;
    case PrintResult::Failed:
      // A PDF file (exported, or printed into a file) names the file.
      box(std::string(msg::kTitle),
          !path.empty() ? std::string(in(msg::kPdfFailed, lang)) + path
                        : std::string(in(msg::kPrintFailed, lang)),
          Buttons::Ok, Icon::Exclamation);
      return;
    case PrintResult::Unavailable:
      box(std::string(msg::kTitle), std::string(in(msg::kPrintUnavailable, lang)), Buttons::Ok,
          Icon::Exclamation);
      return;
  }
}

bool FrmMain::card_click(int nr) {
  if (!loaded_ || nr < 1 || nr > s_.shape.field_count || !view_.card(nr - 1).visible) return false;
  toggle_mark(nr);
  return true;
}

void FrmMain::toggle_mark(int nr) {
  s_.toggle_mark(nr);
  show_marks();
}

void FrmMain::clear_marks() {
  s_.clear_marks();
  show_marks();
}

void FrmMain::show_marks() {
  for (int i = 0; i < 16; ++i) view_.card(i).marked = s_.marks[static_cast<std::size_t>(i + 1)];
}

}  // namespace zerdo
