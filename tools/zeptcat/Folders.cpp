// SPDX-License-Identifier: MIT
#include "tools/zeptcat/Folders.h"

#include "platform/fs/WinPath.h"

namespace zeptcat {

std::string shown(CString const& folder) {
  const auto posix = zept::fs::toPosix(folder.view());
  return posix ? *posix : folder.toUtf8();
}

std::string folders(ZEPTDBBaseData& accessor) {
  const CString app = accessor.getDBPath(true), data = accessor.getDBPath(false);
  return shown(app) + (app == data ? "" : " or " + shown(data));
}

COleVariant none(Context const& ctx) { return ctx.json ? COleVariant() : COleVariant(L"-"); }

COleVariant textOr(Context const& ctx, CString const& text) { return text.IsEmpty() ? none(ctx) : COleVariant(text); }

}  // namespace zeptcat
