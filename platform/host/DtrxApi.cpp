// SPDX-License-Identifier: MIT
// The SDK version the host queries before it loads the module, as an
// exported C function.
#include "platform/host/DtrxApi.h"

extern "C" unsigned int dtrxGetApiVersion() { return 0x00110000u; }
