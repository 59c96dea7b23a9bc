#pragma once
#include "model/types.h"
