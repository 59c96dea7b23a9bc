#include "play/frm_main.h"
#include "records/statistics.h"

namespace zerdo {

// A click on the tip frame: the statistics of the range in force.
void FrmMain::FrameTip_Click() {
  const auto r = static_cast<std::size_t>(s_.shape.range_code);
  const MessageText tip =
      tip_of_the_day(s_.range_stats[r], s_.record_holder[r], s_.range_name, s_.language_code);
  box(tip.title, tip.text);
}

}  // namespace zerdo
