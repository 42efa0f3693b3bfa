// SPDX-License-Identifier: MIT
// A throw-away PostgreSQL cluster for a test program: scripts/pg-cluster.sh
// starts it in a scratch folder on first use and stops it when the program
// ends (or dies). Tests skip where the server is not installed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "support/TestTree.h"

namespace zept::test {

inline bool postgresInstalled() {
  std::error_code ec;
  for (auto const& d : std::filesystem::directory_iterator("/usr/lib/postgresql", ec))
    if (std::filesystem::exists(d.path() / "bin" / "initdb")) return true;
  return false;
}

class PgCluster {
 public:
  // The program's cluster, or null where there is no server to start.
  static PgCluster* shared() {
    static std::unique_ptr<PgCluster> cluster = postgresInstalled() ? std::make_unique<PgCluster>() : nullptr;
    return cluster.get();
  }

  PgCluster() {
    std::string out;
    // With this program's id the cluster stops when the program ends, even
    // when it is killed.
    FILE* p = ::popen((command("start") + " " + std::to_string(::getpid()) + " 2>&1").c_str(), "r");
    char buf[512];
    while (p && std::fgets(buf, sizeof buf, p)) out += buf;
    const int rc = p ? ::pclose(p) : -1;
    while (!out.empty() && out.back() == '\n') out.pop_back();
    if (rc == 0 && out.rfind("postgresql://", 0) == 0)
      uri = out;
    else
      error = out.empty() ? "pg-cluster.sh failed" : out;
  }
  ~PgCluster() {
    if (std::system((command("stop") + " >/dev/null 2>&1").c_str()) != 0)
      std::fprintf(stderr, "pg-cluster.sh stop failed\n");
  }
  PgCluster(PgCluster const&) = delete;
  PgCluster& operator=(PgCluster const&) = delete;

  // Stops the server and starts it again: connections made before are lost.
  bool restart() const { return std::system((command("restart") + " >/dev/null 2>&1").c_str()) == 0; }

  // The URI as another login role.
  std::string uriAs(std::string const& role) const { return uri.substr(0, uri.rfind("&user=")) + "&user=" + role; }

  TempTree tree;
  std::string uri;    // as the cluster's superuser
  std::string error;  // when it did not start

 private:
  std::string command(char const* action) const {
    std::string text = "'" ZEPT_SOURCE_DIR "/scripts/pg-cluster.sh' ";
    text.append(action).append(" '").append(tree.str()).append("/pg'");
    return text;
  }
};

// Skips the test without a server; fails it when the server did not start.
#define ZEPT_REQUIRE_PG_CLUSTER()                                                                             \
  do {                                                                                                        \
    if (!::zept::test::PgCluster::shared())                                                                   \
      GTEST_SKIP() << "PostgreSQL not installed (no initdb under /usr/lib/postgresql)";                       \
    ASSERT_FALSE(::zept::test::PgCluster::shared()->uri.empty()) << ::zept::test::PgCluster::shared()->error; \
  } while (false)

}  // namespace zept::test
