// SPDX-License-Identifier: MIT
// The local mirror of a server's catalogs: its folder, the generations it
// holds (a small state file rewritten whole), and the connections kept per
// server between selects. Fetching goes through ServerCatalog.
#include "platform/dao/ServerFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "platform/core/Utf8.h"
#include "platform/fs/TempFile.h"

#ifdef ZEPT_HAVE_POSTGRES
#include "platform/dao/ServerCatalog.h"
#endif

namespace zept::dao {

bool isServerFolder(std::wstring_view setting) {
  auto starts = [&](std::wstring_view prefix) { return setting.substr(0, prefix.size()) == prefix; };
  if (starts(L"postgresql://") || starts(L"postgres://")) return true;
  // key=value text names no folder: a folder's path holds no "=" before its
  // first separator.
  const std::size_t equals = setting.find(L'=');
  return equals != std::wstring_view::npos && equals > 0 &&
         setting.substr(0, equals).find_first_of(L"/\\:") == std::wstring_view::npos;
}

std::string serverMirrorFolder(std::string const& conninfo) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : conninfo) h = (h ^ c) * 1099511628211ull;
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(h));
  auto env = [](char const* name) {
    char const* v = std::getenv(name);
    return std::string(v && v[0] == '/' ? v : "");
  };
  std::string base = env("XDG_CACHE_HOME");
  if (base.empty() && !env("HOME").empty()) base = env("HOME") + "/.cache";
  // A shared folder such as /tmp would let another user plant catalogs.
  if (base.empty()) return std::string();
  return base + "/zeptdb/servers/" + hash + "/";
}

#ifdef ZEPT_HAVE_POSTGRES

namespace {

constexpr char kStateFile[] = ".generations";

std::map<std::string, std::int64_t> readState(std::string const& folder) {
  std::map<std::string, std::int64_t> state;
  std::ifstream in(folder + kStateFile);
  std::string name;
  std::int64_t generation = 0;
  while (in >> name >> generation)
    if (isServerCatalogName(name)) state[name] = generation;
  return state;
}

void writeState(std::string const& folder, std::map<std::string, std::int64_t> const& state) {
  zept::fs::writeWhole(folder, folder + kStateFile, true, [&](std::FILE* f) {
    for (auto const& [name, generation] : state)
      if (std::fprintf(f, "%s %lld\n", name.c_str(), static_cast<long long>(generation)) < 0) return false;
    return true;
  });
}

void sync(PgConnection& c, std::string const& folder) {
  auto state = readState(folder);
  const auto onServer = serverCatalogs(c);
  std::map<std::string, std::int64_t> next;
  for (auto const& [name, generation] : onServer) {
    if (!isServerCatalogName(name)) continue;
    const std::string file = folder + name + ".mdb";
    auto known = state.find(name);
    if (known != state.end() && known->second == generation && std::filesystem::exists(file)) {
      next[name] = generation;
      continue;
    }
    // Written down as soon as it is in place, so that a later failure does
    // not make it fetched again.
    next[name] = fetchCatalog(c, name, file);
    state[name] = next[name];
    writeState(folder, state);
  }
  // Only what the mirror itself fetched goes.
  for (auto const& [name, generation] : state)
    if (!next.count(name)) std::filesystem::remove(folder + name + ".mdb");
  if (next != state) writeState(folder, next);
}

}  // namespace

std::string syncServerFolder(std::string const& conninfo) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<PgConnection>> connections;
  const std::lock_guard<std::mutex> lock(mutex);
  const std::string folder = serverMirrorFolder(conninfo);
  if (folder.empty())
    throw std::runtime_error("no folder for the server's catalogs: neither XDG_CACHE_HOME nor HOME is set");
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw std::runtime_error("cannot make the mirror folder " + folder + ": " + ec.message());
  auto& c = connections[conninfo];
  for (int attempt = 0;; ++attempt) {
    try {
      if (!c) c = std::make_unique<PgConnection>(conninfo);
      sync(*c, folder);
      return folder;
    } catch (PgError const&) {
      // The next attempt, or the next call, connects again.
      c.reset();
      if (attempt > 0) throw;
    }
  }
}

void prepareCatalogServer(std::string const& conninfo) {
  PgConnection c(conninfo);
  PgTransaction tx(c);
  prepareServer(c);
  tx.commit();
}

std::int64_t publishToServer(std::string const& conninfo, std::string const& name, std::string const& file) {
  PgConnection c(conninfo);
  return publishCatalog(c, name, file);
}

std::int64_t fetchFromServer(std::string const& conninfo, std::string const& name, std::string const& target) {
  PgConnection c(conninfo);
  return fetchCatalog(c, name, target);
}

#else

namespace {

[[noreturn]] void noServers() {
  throw std::runtime_error("this build of the library reads no catalogs from a server (built without libpq)");
}

}  // namespace

std::string syncServerFolder(std::string const&) { noServers(); }
void prepareCatalogServer(std::string const&) { noServers(); }
std::int64_t publishToServer(std::string const&, std::string const&, std::string const&) { noServers(); }
std::int64_t fetchFromServer(std::string const&, std::string const&, std::string const&) { noServers(); }

#endif

}  // namespace zept::dao
