// SPDX-License-Identifier: MIT
// Readable gtest output for the core value types instead of byte dumps.
#pragma once

#include <ostream>

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"

inline void PrintTo(CString const& s, std::ostream* os) { *os << "L\"" << s.toUtf8() << '"'; }

inline void PrintTo(COleVariant const& v, std::ostream* os) {
  *os << "COleVariant(vt " << v.vt << ", " << v.toDisplayString().toUtf8() << ')';
}
