// SPDX-License-Identifier: MIT
// Dimension texts: any text splits into three parts that give the text back,
// and its numbers, written and read again, settle after one round.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzText.h"
#include "database/ZEPTDBBaseData.h"

namespace {

struct Dims {
  double a = 0, b = 0, c = 0;
};

Dims read(CString const& text) {
  Dims d;
  ZEPTDBBaseData::StringToDims(text, d.a, d.b, d.c);
  return d;
}

CString write(Dims const& d) { return ZEPTDBBaseData::DimsToString(d.a, d.b, d.c); }

bool huge(Dims const& d) {
  // 15 significant digits of the largest doubles round beyond the range.
  return std::fabs(d.a) > 1e308 || std::fabs(d.b) > 1e308 || std::fabs(d.c) > 1e308;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  CString const text(zept::fuzz::wideText(data, size).c_str());
  CString first, second, third;
  ZEPTDBBaseData::StringToDims(text, first, second, third);
  int const xs = text.Find(L'x') < 0 ? 0 : text.Find(L'x') == text.ReverseFind(L'x') ? 1 : 2;
  CString joined = first;
  if (xs == 2) joined += L"x" + second;
  if (xs >= 1) joined += L"x" + third;
  if (joined != text) std::abort();

  Dims const d = read(text);
  CString const once = write(d);
  Dims const again = read(once);
  CString const twice = write(again);
  if (!huge(d) && twice != once) std::abort();
  if (write(read(twice)) != twice) std::abort();
  return 0;
}
