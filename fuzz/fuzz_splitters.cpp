// SPDX-License-Identifier: MIT
// The list splitters of the catalog accessors: catalog name filters ("A,B")
// and user-object category filters ("A;B"). Every piece is free of the
// separator and the pieces, joined again, give the trimmed text back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzText.h"
#include "database/ZEPTDBBaseData.h"

namespace {

struct Splitter : ZEPTDBBaseData {
  using ZEPTDBBaseData::splitList;
};

void check(CString const& text, wchar_t separator) {
  CStringArray const pieces = Splitter::splitList(text, separator);
  if (pieces.GetSize() < 1) std::abort();
  CString joined;
  for (int i = 0; i < pieces.GetSize(); ++i) {
    if (pieces[i].Find(separator) >= 0) std::abort();
    if (i > 0) joined += separator;
    joined += pieces[i];
  }
  CString trimmed = text;
  trimmed.Trim();
  trimmed.Trim(separator);
  if (joined != trimmed) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  CString const text(zept::fuzz::wideText(data, size).c_str());
  check(text, L',');
  check(text, L';');
  return 0;
}
