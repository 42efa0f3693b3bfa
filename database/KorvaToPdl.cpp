#include "database/KorvaToPdl.h"

namespace zept {

bool korvaToPdl(CString const& /*symbol*/, CString const* /*sectionUnit*/, CString& pdlScript) {
  pdlScript.Empty();
  return false;
}

}  // namespace zept
