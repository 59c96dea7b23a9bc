#include "play/frm_main.h"

namespace zerdo {

void FrmMain::FrameTip_Click() {}

}  // namespace zerdo
