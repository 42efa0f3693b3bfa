// SPDX-License-Identifier: MIT
// Formatting and parsing of stored values (SQL texts, field values) must not
// depend on the locale an application set: a German desktop would otherwise
// write "1,5" into a statement. This guard switches the calling thread, and
// only it, to the C locale's numbers with UTF-8 for narrow text (the
// project's one narrow encoding), and back when it goes out of scope.
#pragma once

#include <locale.h>

namespace zept {

class ScopedValueLocale {
 public:
  ScopedValueLocale();
  ~ScopedValueLocale();
  ScopedValueLocale(ScopedValueLocale const&) = delete;
  ScopedValueLocale& operator=(ScopedValueLocale const&) = delete;

 private:
  locale_t m_previous = nullptr;  // null: nothing was switched
};

}  // namespace zept
