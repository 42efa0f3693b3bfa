// SPDX-License-Identifier: MIT
// Readers and an editor on one server catalog at once:
//   zeptdb_server_readers URI [SECONDS=60] [READERS=32]
// The editor publishes "STRESSpro" again and again, each time with every
// size's MASS set to the publish's number; each reader process selects the
// catalog and reads every size, over and over. A read is torn when the sizes
// disagree on MASS, and stale when it shows an older publish than the one
// that had committed before its select began. Prints the counts; exits 1 on
// any error, torn or stale read.
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ShapeTable.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/ServerFolder.h"
#include "platform/settings/ZEPTEnvAppSet.h"

namespace {

constexpr int kSizes = 40;

struct Shared {
  std::atomic<long> committed{0};  // the last publish that returned
  std::atomic<long> reads{0}, errors{0}, torn{0}, stale{0}, publishes{0};
  std::atomic<bool> stop{false};
};

void makeCatalog(std::string const& path, long mark) {
  std::filesystem::remove(path);
  CDaoDatabase db;
  db.Create(zept::fromUtf8(path).c_str());
  db.Execute(zept::fromUtf8(zept::bench::shapeTable()).c_str());
  db.Execute(L"CREATE TABLE Section (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO)");
  db.Execute(L"INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (1, \"I\", True)");
  for (int k = 0; k < kSizes; ++k)
    db.Execute((L"INSERT INTO Shape (NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS) VALUES (\"I\", " +
                std::to_wstring(100 + k) + L", 0, 0, 1, " + std::to_wstring(mark) + L")")
                   .c_str());
  db.Close();
}

void reader(Shared& s) {
  ZEPTEnvAppSet settings;
  setCFG(&settings);
  ZEPTDBProfile profile;
  while (!s.stop.load()) {
    const long before = s.committed.load();
    if (!profile.setProfileDB(L"STRESS")) {
      ++s.errors;
      continue;
    }
    long mark = -1;
    bool torn = false;
    for (int k = 0; k < kSizes; ++k) {
      ZEPTDBProfileData r;
      if (!profile.getProfileData(L"I", std::to_wstring(100 + k).c_str(), &r)) {
        ++s.errors;
        torn = true;
        break;
      }
      if (mark < 0) mark = static_cast<long>(r.mass);
      torn = torn || static_cast<long>(r.mass) != mark;
    }
    ++s.reads;
    if (torn) ++s.torn;
    if (mark < before) ++s.stale;
  }
  setCFG(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s URI [SECONDS] [READERS]\n", argv[0]);
    return 2;
  }
  const std::string uri = argv[1];
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
  const int readers = argc > 3 ? std::atoi(argv[3]) : 32;
  auto* s = new (mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0)) Shared;
  char scratch[] = "/tmp/zept-stress-XXXXXX";
  if (!mkdtemp(scratch)) return 2;
  const std::string folder = scratch;
  setenv("XDG_CACHE_HOME", (folder + "/cache").c_str(), 1);
  setenv("ZEPT_DATA_PATH", uri.c_str(), 1);
  setenv("ZEPT_APP_PATH", (folder + "/app/").c_str(), 1);
  std::filesystem::create_directories(folder + "/app");

  zept::dao::prepareCatalogServer(uri);
  makeCatalog(folder + "/STRESSpro.mdb", 1);
  zept::dao::publishToServer(uri, "STRESSpro", folder + "/STRESSpro.mdb");
  s->committed = 1;

  std::vector<pid_t> children;
  for (int i = 0; i < readers; ++i) {
    const pid_t pid = fork();
    if (pid == 0) {
      reader(*s);
      _exit(0);
    }
    children.push_back(pid);
  }
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (long mark = 2; std::chrono::steady_clock::now() < end; ++mark) {
    makeCatalog(folder + "/STRESSpro.mdb", mark);
    try {
      zept::dao::publishToServer(uri, "STRESSpro", folder + "/STRESSpro.mdb");
      s->committed = mark;
      ++s->publishes;
    } catch (std::exception const& e) {
      std::fprintf(stderr, "publish: %s\n", e.what());
      ++s->errors;
    }
  }
  s->stop = true;
  int crashed = 0;
  for (pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++crashed;
  }
  std::filesystem::remove_all(folder);
  std::printf("%d readers, 1 editor, %d s: %ld publishes, %ld reads, %ld errors, %ld torn, %ld stale, %d crashed\n",
              readers, seconds, s->publishes.load(), s->reads.load(), s->errors.load(), s->torn.load(),
              s->stale.load(), crashed);
  return s->errors || s->torn || s->stale || crashed ? 1 : 0;
}
