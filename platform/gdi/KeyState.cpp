// SPDX-License-Identifier: MIT
// The process-wide key state behind GetKeyState: one atomic flag per
// virtual key.
#include "platform/gdi/KeyState.h"

#include <array>
#include <atomic>

namespace {

std::array<std::atomic<bool>, 256> g_down{};

}  // namespace

short GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= static_cast<int>(g_down.size())) return 0;
  return g_down[static_cast<std::size_t>(virtualKey)].load(std::memory_order_relaxed) ? static_cast<short>(0x8000) : 0;
}

namespace zept::gdi {

void setKeyState(int virtualKey, bool down) {
  if (virtualKey < 0 || virtualKey >= static_cast<int>(g_down.size())) return;
  g_down[static_cast<std::size_t>(virtualKey)].store(down, std::memory_order_relaxed);
}

}  // namespace zept::gdi
