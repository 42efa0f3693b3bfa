// SPDX-License-Identifier: MIT
// The keyboard state that GetKeyState reads. Nothing here watches a real
// keyboard: the embedding program (a viewer, a scripted session, a test)
// reports key changes with setKeyState. The state is process-wide.
#pragma once

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

// Negative (high bit set) while the key is down, 0 otherwise; 0 for a code
// outside 0..255.
short GetKeyState(int virtualKey);

namespace zept::gdi {

// Codes outside 0..255 are ignored.
void setKeyState(int virtualKey, bool down);

}  // namespace zept::gdi

ZEPTDB_END_EXPORTS
