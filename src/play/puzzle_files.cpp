// Saving the current puzzle to a file and loading one from a file.
#include <filesystem>

#include "catalogue/puzzle_file.h"
#include "play/frm_main.h"
#include "texts/files.h"

namespace zerdo {
namespace {

static_assert(static_cast<std::size_t>(LoadError::TooManyCrosses) + 1 == kLoadReasons.size(),
              "a reason for every LoadError");

// The dialog's title and filter in the language; none for an unknown code.
std::pair<std::string, std::string> dialog_texts(const Texts& title, int lang) {
  if (lang < 0 || lang >= kLanguages) return {};
  return {std::string(in(title, lang)), std::string(in(kFilter, lang))};
}

// The dialogs select the Zerdo entry of kFilter first, "Zerdo Dateien (*.zdo)".
constexpr int kZerdoFilter = 1;

}  // namespace

std::string FrmMain::file_dialog(FileDialogKind kind, const Texts& title) {
  const auto [t, filter] = dialog_texts(title, s_.language_code);
  return platform_.dialogs().file_dialog_at(kind, t, filter,
                                            FileDialogStart{file_folder_, kZerdoFilter});
}

// The folder of a file saved or loaded: the file dialogs open there next.
// Only a file that was written or read counts, so that a refused name
// (a missing file, /dev/zero) never becomes the folder.
void FrmMain::remember_folder(const std::string& name) {
  const std::string folder = std::filesystem::path(name).parent_path().string();
  if (!folder.empty()) file_folder_ = folder;
}

void FrmMain::save_puzzle() {
  const std::string name = file_dialog(FileDialogKind::Save, kSaveTitle);
  if (name.empty()) return;
  file_name_ = name;
  const std::string text =
      write_puzzle_file(s_.version_text, s_.range_name, s_.puzzle_id, s_.sn, s_.shape.field_count);
  // The platform replaces the file whole or not at all, so a failed save
  // leaves the existing file as it was.
  if (!platform_.files().write_file(name, text)) {
    const MessageText m = save_error_message(name, s_.language_code);
    box(m.title, m.text);
    return;
  }
  remember_folder(name);
}

void FrmMain::load_puzzle() {
  const std::string name = file_dialog(FileDialogKind::Open, kLoadTitle);
  if (name.empty()) return;
  load_puzzle_file(name);
}

void FrmMain::load_puzzle_file(const std::string& name) {
  file_name_ = name;
  work_start();
  // The file goes into a staging copy and is checked whole; only a file that
  // passes every check reaches the card table.
  StagedPuzzle staged;
  LoadResult result{LoadError::CannotOpen};
  // One byte more than a puzzle file may have, so that the reader can refuse
  // a larger one.
  if (const auto bytes = platform_.files().read_file(name, kMaxPuzzleFileBytes + 1))
    result = read_puzzle_file(*bytes, staged);
  if (result.ok()) {
    install_puzzle(staged);
    remember_folder(name);
  } else {
    const MessageText m = load_error_message(static_cast<int>(result.error), result.line,
                                             result.item, result.value, name, s_.language_code);
    box(m.title, m.text);
  }
  view_.clear_card_faces();
  show_all_cards();
  show_status(s_.puzzle_id, 0);
  work_stop();
}

// Installs a checked file: the range switch with its generator run first (it
// lays the board out and resets the pieces and the move counter), then the
// file's cards replace the generated ones completely.
void FrmMain::install_puzzle(const StagedPuzzle& p) {
  s_.shape.field_count = static_cast<Int>(p.rows);
  s_.puzzle_id = p.puzzle_name;
  s_.level = static_cast<Int>(p.puzzle_name[0] - 'A' + 1);
  view_.clear_card_faces();
  if (p.range_name == "4x4")
    set_range_4x4_and_generate();
  else
    set_range_3x3_and_generate();
  s_.sn.clear();
  for (int r = 1; r <= p.rows; ++r)
    for (int c = 1; c <= p.columns; ++c) s_.sn(r, c) = p.sn_buffer(r, c);
}

}  // namespace zerdo
