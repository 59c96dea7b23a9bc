#include "play/frm_main.h"
#include "records/statistics.h"

namespace zerdo {

// The statistics of the range in force with the hall of fame: a click on the
// tip frame, the Info menu's item or its key.
void FrmMain::show_statistics() {
  const auto r = static_cast<std::size_t>(s_.shape.range_code);
  const MessageText tip =
      tip_of_the_day(s_.range_stats[r], s_.record_holder[r], s_.range_name, s_.language_code);
  MessageBox b;
  b.title = tip.title;
  b.text = tip.text;
  b.reading =
      statistics_reading(s_.range_stats[r], s_.record_holder[r], s_.range_name, s_.language_code);
  platform_.dialogs().message_box(b);
}

}  // namespace zerdo
