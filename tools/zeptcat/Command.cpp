// SPDX-License-Identifier: MIT
// Catalog lookup by short name or path for the subcommands, and input files
// read whole under a size limit.
#include "tools/zeptcat/Command.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/Utf8.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/UniqueFd.h"
#include "tools/zeptcat/Folders.h"

namespace zeptcat {

namespace {

bool hasMdbExtension(std::string const& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (auto& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".mdb";
}

// How each kind names its files after a short name, as the accessors'
// masks do; the kind picks the folders.
struct Naming {
  CFGTypeDataFiles type;
  wchar_t const* prefix;
  wchar_t const* suffix;
};

constexpr Naming kNamings[] = {{CFGProfiles, L"", L"pro"},    {CFGProfiles, L"", L"List"},
                               {CFGMaterials, L"Kmat", L""},  {CFGFasteners, L"Bolts_", L""},
                               {CFGFasteners, L"Nuts_", L""}, {CFGFasteners, L"Washers_", L""},
                               {CFGFasteners, L"cr_", L""}};

// The file `stem`.mdb of a kind's folders, the application folder's first,
// in POSIX form as the user gave the folders; empty when neither holds it.
std::wstring findCatalog(CFGTypeDataFiles type, CString const& stem) {
  ZEPTDBBaseData accessor(type);
  const CString data = accessor.getDBPath(false) + stem + L".mdb";
  if (accessor.isDBAtAppPath(stem)) return zept::fromUtf8(shown(accessor.getDBPath(true) + stem + L".mdb"));
  return zept::fs::fileExists(data.view()) ? zept::fromUtf8(shown(data)) : std::wstring();
}

}  // namespace

bool isCatalogPath(std::string const& name) {
  std::error_code ec;
  return name.find_first_of("/\\") != std::string::npos || std::filesystem::is_regular_file(name, ec);
}

std::wstring catalogPath(Context const& ctx, std::string const& name) {
  if (isCatalogPath(name)) return zept::fromUtf8(name);
  const std::string fallback = ctx.dataDir + name + (hasMdbExtension(name) ? "" : ".mdb");
  if (name.empty() || hasMdbExtension(name)) return zept::fromUtf8(fallback);
  const CString given = CString::fromUtf8(name);
  for (auto type : {CFGProfiles, CFGUserObjects})
    if (std::wstring path = findCatalog(type, given); !path.empty()) return path;
  std::vector<std::wstring> found;
  std::string stems;
  for (auto const& n : kNamings) {
    const CString stem = n.prefix + given + n.suffix;
    if (std::wstring path = findCatalog(n.type, stem); !path.empty()) {
      found.push_back(std::move(path));
      stems += (stems.empty() ? "" : ", ") + stem.toUtf8();
    }
  }
  if (found.size() > 1) throw UsageError(name + " names several catalogs: " + stems + "; give the one meant");
  return found.empty() ? zept::fromUtf8(fallback) : found.front();
}

void requireFileName(std::string const& name, std::string const& what) {
  const auto slash = name.find_last_of("/\\");
  const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
  if (base.empty()) throw UsageError(what + ": the name \"" + name + "\" names no file");
  if (base[0] == '.') throw UsageError(what + ": the name \"" + name + "\" begins with a dot");
}

void requireProfileNameLength(std::string const& name) {
  if (CString::fromUtf8(name).GetLength() > 4)
    throw UsageError("--write: the catalog keeps 4 characters of a name, so \"" + name +
                     "\" could not be found again; use at most 4");
}

std::string readInputFile(std::string const& source, std::string const& what) {
  constexpr std::size_t kMaxInput = std::size_t{16} << 20;
  const bool standardInput = source == "-";
  // Not blocking at the open: a FIFO without a writer is refused below
  // instead of waiting for one.
  zept::fs::UniqueFd file(standardInput ? -1 : ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!standardInput && file.get() < 0)
    throw UsageError(what + ": cannot read " + source + ": " + std::strerror(errno));
  const int fd = standardInput ? STDIN_FILENO : file.get();
  struct stat st {};
  if (!standardInput && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)))
    throw UsageError(what + ": " + source + (S_ISDIR(st.st_mode) ? " is a folder" : " is not a regular file"));
  const std::string name = standardInput ? "standard input" : source;
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    // A script or record cut short by an error would be taken as complete.
    if (n < 0) throw std::runtime_error(what + ": reading " + name + " failed: " + std::strerror(errno));
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    if (text.size() > kMaxInput) throw UsageError(what + ": " + name + " is larger than 16 MiB");
  }
  return text;
}

}  // namespace zeptcat
