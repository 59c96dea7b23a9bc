// Reading and writing what the game keeps between runs.
#include "play/frm_main.h"

namespace zerdo {

void FrmMain::load_settings() {
  s_.level = 1;
  s_.puzzle_id = "A1";
  for (int r = 1; r <= 2; ++r)
    for (int L = 1; L <= 9; ++L) s_.range_stats[static_cast<std::size_t>(r)][static_cast<std::size_t>(L)] = 30000;
  menus_.find("mnuFileSetupAnker")->checked = s_.anker_option;
  set_run_mode(true);
  s_.range_name = "3x3";
}

void FrmMain::save_settings() {}

void FrmMain::update_record(bool solved, std::int64_t elapsed_tenths) {
  (void)solved;
  (void)elapsed_tenths;
}

}  // namespace zerdo
