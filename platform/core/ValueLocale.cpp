// SPDX-License-Identifier: MIT
// The value locale: C numbers with UTF-8 narrow text, made once and switched
// in per thread with uselocale.
#include "platform/core/ValueLocale.h"

namespace zept {

namespace {

// Made once and never freed: uselocale needs it for the life of the process.
locale_t valueLocale() {
  static const locale_t kLocale = [] {
    locale_t base = newlocale(LC_ALL_MASK, "C", nullptr);
    if (!base) return base;
    // C.UTF-8 is built into glibc from 2.35; without it narrow text stays ASCII.
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", base);
    return utf8 ? utf8 : base;
  }();
  return kLocale;
}

}  // namespace

ScopedValueLocale::ScopedValueLocale() {
  if (locale_t loc = valueLocale()) m_previous = uselocale(loc);
}

ScopedValueLocale::~ScopedValueLocale() {
  if (m_previous) uselocale(m_previous);
}

}  // namespace zept
