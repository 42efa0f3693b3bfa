// SPDX-License-Identifier: MIT
// The module's answer to the host's query of the SDK version it was built
// for; the host refuses to load a module whose answer it does not support.
#pragma once

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

// The host SDK version, 0x00110000. C linkage: the host looks it up by this
// unmangled name.
extern "C" unsigned int dtrxGetApiVersion();

ZEPTDB_END_EXPORTS
