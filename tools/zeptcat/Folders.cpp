// SPDX-License-Identifier: MIT
#include "tools/zeptcat/Folders.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/fs/WinPath.h"
#include "tools/common/ToolFolders.h"

namespace zeptcat {

std::string shown(CString const& folder) {
  const auto posix = zept::fs::toPosix(folder.view());
  return posix ? *posix : folder.toUtf8();
}

std::string folders(ZEPTDBBaseData& accessor) {
  const CString app = accessor.getDBPath(true), data = accessor.getDBPath(false);
  return shown(app) + (app == data ? "" : " or " + shown(data));
}

void needAppFolder() {
  if (!zept::tools::makeAppFolder()) {
    char const* folder = std::getenv("ZEPT_APP_PATH");
    throw std::runtime_error(std::string("cannot create the application folder ") + (folder ? folder : "") +
                             "; give one with --app");
  }
}

COleVariant none(Context const& ctx) { return ctx.json ? COleVariant() : COleVariant(L"-"); }

COleVariant textOr(Context const& ctx, CString const& text) { return text.IsEmpty() ? none(ctx) : COleVariant(text); }

}  // namespace zeptcat
