// The history window: the games of the history summed up per range and
// level in a table, the solve times and the results drawn as charts, and the
// export of the whole history as comma-separated values.
#include "model/levels.h"
#include "model/number_text.h"
#include "play/frm_main.h"
#include "records/history.h"
#include "texts/history.h"
#include "texts/messages.h"
#include "texts/windows.h"
#include "view/secondary_windows.h"

namespace zerdo {
namespace {

namespace words = history_words;
namespace at = history_layout;

// "3x3 A": the range and level a row of the table and a line of a chart
// stand for.
std::string range_text(bool four) { return four ? "4x4" : "3x3"; }
std::string level_text(int level) {
  return std::string(1, static_cast<char>(kFirstLevelLetter + level - 1));
}
std::string range_level_text(const LevelSummary& s) {
  return range_text(s.four) + " " + level_text(s.level);
}
std::string time_cell(std::int64_t seconds) {
  return seconds < 0 ? std::string(words::kNoTime) : play_time_text(seconds);
}

FormTable summary_table(const std::vector<LevelSummary>& sums, int lang) {
  FormTable t;
  for (const Texts& head : words::kColumnHeads) t.heads.emplace_back(in(head, lang));
  for (const LevelSummary& s : sums)
    t.rows.push_back({range_text(s.four), level_text(s.level), std::to_string(s.played),
                      std::to_string(s.won), time_cell(s.best), time_cell(s.median)});
  return t;
}

// The solve time of every game won over the games played, one line per range
// and level; lost and abandoned games leave their number out of the line. The
// colour is the level's, a 4x4 line marks its points with squares.
Chart times_chart(const std::vector<LevelSummary>& sums, int lang) {
  Chart c;
  c.title = in(words::kTimesTitle, lang);
  c.x_label = in(words::kTimesX, lang);
  c.y_label = in(words::kTimesY, lang);
  c.y_unit = ChartUnit::Seconds;
  // Shown with games in the history: none of them was won.
  c.empty_text = in(words::kNoGameWon, lang);
  for (const LevelSummary& s : sums) {
    if (s.solved.empty()) continue;
    ChartLine line;
    line.label = range_level_text(s);
    line.colour = s.level - 1;
    line.squares = s.four;
    for (const SolvedGame& g : s.solved)
      line.points.push_back({static_cast<double>(g.number), static_cast<double>(g.seconds)});
    c.lines.push_back(std::move(line));
  }
  return c;
}

// Won, lost and abandoned games per range and level, stacked.
Chart results_chart(const std::vector<LevelSummary>& sums, int lang) {
  Chart c;
  c.title = in(words::kResultsTitle, lang);
  c.y_label = in(words::kResultsY, lang);
  c.empty_text = in(words::kNoGames, lang);
  for (const Texts& part : words::kResultParts) c.part_labels.emplace_back(in(part, lang));
  for (const LevelSummary& s : sums)
    c.bars.push_back({range_level_text(s),
                      {static_cast<double>(s.won), static_cast<double>(s.lost),
                       static_cast<double>(s.played - s.won - s.lost)}});
  return c;
}

Form history_form(const History& history, int lang) {
  Form form{
      "frmHistory", std::string(in(words::kWindowCaption, lang)), at::kWidth, at::kHeight, {}};
  const std::vector<LevelSummary> sums = summarize(history.games);
  const bool some = !sums.empty();
  ControlSet& c = form.controls;
  Control table = window_control(Role::Table, "grdHistory", at::kTable,
                                 std::string(in(words::kTableName, lang)));
  table.visible = some;
  c.add(table);
  Control chart = window_control(Role::Chart, "picChart", at::kTimesChart);
  chart.visible = some;
  chart.index = 0;
  chart.tooltip = in(words::kTimesTitle, lang);
  c.add(chart);
  chart.index = 1;
  chart.left = at::kResultsChart.left;
  chart.top = at::kResultsChart.top;
  chart.width = at::kResultsChart.width;
  chart.height = at::kResultsChart.height;
  chart.tooltip = in(words::kResultsTitle, lang);
  c.add(chart);
  Control none = window_control(Role::Text, "lblNoGames", at::kNoGames,
                                std::string(in(words::kNoGames, lang)));
  none.visible = !some;
  c.add(none);
  // Lines of the file that could not be read are told, never shown as games.
  Control damaged = window_control(Role::Text, "lblDamaged", at::kDamaged,
                                   std::string(in(words::kDamagedLines, lang)) +
                                       str_num(static_cast<long long>(history.damaged.size())));
  damaged.visible = !history.damaged.empty();
  c.add(damaged);
  Control export_button =
      window_control(Role::Button, "cmdExport", at::kExport, std::string(in(words::kExport, lang)));
  export_button.enabled = !history.games.empty();
  c.add(export_button);
  c.add(window_control(Role::OkButton, "cmdOK", at::kOk, std::string(kOkCaption)));
  form.table = summary_table(sums, lang);
  form.charts = {times_chart(sums, lang), results_chart(sums, lang)};
  return form;
}

}  // namespace

void FrmMain::show_history() {
  const auto bytes = platform_.files().read_data_file(std::string(kHistoryFile), kMaxHistoryBytes);
  // A missing file is a history without games, as is one that cannot be read.
  History history = read_history(bytes ? *bytes : std::string());
  Form form = history_form(history, s_.language_code);
  shown_history_ = std::move(history.games);
  show_form(form);
  shown_history_.clear();
}

// Writes the games the window shows as comma-separated values to a file the
// player names, whole or not at all; the window stays open.
void FrmMain::export_history() {
  const int lang = s_.language_code;
  const std::string name = platform_.dialogs().file_dialog_at(
      FileDialogKind::Save, std::string(in(words::kExportTitle, lang)),
      std::string(in(words::kExportFilter, lang)), FileDialogStart{file_folder_, 0});
  if (name.empty()) return;
  if (!platform_.files().write_file(name, history_csv(shown_history_)))
    box(std::string(msg::kTitle), std::string(in(words::kExportFailed, lang)) + "\n" + name,
        Buttons::Ok, Icon::Exclamation);
}

}  // namespace zerdo
