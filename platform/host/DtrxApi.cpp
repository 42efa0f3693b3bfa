// SPDX-License-Identifier: MIT
#include "platform/host/DtrxApi.h"

extern "C" unsigned int dtrxGetApiVersion() { return 0x00110000u; }
