#include "tools/zeptcat/Command.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/core/Utf8.h"

namespace zeptcat {

namespace {

bool hasMdbExtension(std::string const& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (auto& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".mdb";
}

}  // namespace

bool isCatalogPath(std::string const& name) {
  std::error_code ec;
  return name.find_first_of("/\\") != std::string::npos || std::filesystem::is_regular_file(name, ec);
}

std::wstring catalogPath(Context const& ctx, std::string const& name) {
  if (isCatalogPath(name)) return zept::fromUtf8(name);
  return zept::fromUtf8(ctx.dataDir + name + (hasMdbExtension(name) ? "" : ".mdb"));
}

}  // namespace zeptcat
