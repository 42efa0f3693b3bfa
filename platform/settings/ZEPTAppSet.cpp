// SPDX-License-Identifier: MIT
// The process-wide settings object behind CFG(), set and read
// atomically.
#include "platform/settings/ZEPTAppSet.h"

#include <atomic>

namespace {
std::atomic<ZEPTAppSet*> gSettings{nullptr};
}  // namespace

ZEPTAppSet* CFG() { return gSettings.load(std::memory_order_acquire); }

void setCFG(ZEPTAppSet* settings) { gSettings.store(settings, std::memory_order_release); }
