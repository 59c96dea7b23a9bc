#pragma once
// A lower room reaching up: the layering test must refuse it.
#include "play/frm_main.h"
