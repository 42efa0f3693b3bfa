// SPDX-License-Identifier: MIT
// The bundled catalogs published to a PostgreSQL server with zeptcat read
// the same through a server data folder as through their own folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/BundledCatalog.h"
#include "support/PgCluster.h"
#include "tools/RunTool.h"

namespace zept::test {
namespace {

std::string replaced(std::string text, std::string const& from, std::string const& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

class zeptcatServer : public ToolTest {
 protected:
  void SetUp() override { ZEPT_REQUIRE_PG_CLUSTER(); }
  std::string uri() const { return PgCluster::shared()->uri; }
  std::vector<std::string> cache() {
    std::string variable = "XDG_CACHE_HOME=";
    variable += tree.path("cache").string();
    return {variable};
  }
};

TEST_F(zeptcatServer, EveryKindReadsAsFromItsFiles) {
  ASSERT_EQ(zeptcat({}, {"prepare-server", uri()}).status, 0);
  for (auto const& file : std::filesystem::directory_iterator(kBundledData)) {
    if (file.path().extension() != ".mdb") continue;
    const auto r = zeptcat({}, {"import", file.path().string(), uri()});
    ASSERT_EQ(r.status, 0) << file.path() << r.err;
  }
  const std::vector<std::vector<std::string>> commands = {{"catalogs", "profiles"},
                                                          {"catalogs", "fasteners"},
                                                          {"catalogs", "userobjects"},
                                                          {"profiles", "EURO", "HEB"},
                                                          {"profiles", "EURO", "IPE", "300"},
                                                          {"section", "EURO", "HEA", "200"},
                                                          {"bolts", "ISO4014", "--diameter", "16"},
                                                          {"materials", "EN"},
                                                          {"lists", "PlateThicknesses"},
                                                          {"userobjects"},
                                                          {"props", "EURO", "--custom"},
                                                          {"sql", "EURO", "SELECT COUNT(*) AS N FROM Shape"}};
  std::string folder = kBundledData.string();
  folder += '/';
  for (auto const& command : commands) {
    const auto files = zeptcat({"--json", "--data", folder}, command);
    const auto server = zeptcat({"--json", "--data", uri()}, command, cache());
    EXPECT_EQ(files.status, 0) << command[0] << files.err;
    EXPECT_EQ(server.status, 0) << command[0] << server.err;
    // The folder a catalog is taken from is named as it was given.
    EXPECT_EQ(replaced(server.out, uri(), "DATA"), replaced(files.out, folder, "DATA"))
        << testing::PrintToString(command);
  }

  // Written back into a file, a catalog is the one published.
  const std::string copy = tree.path("EURO-copy.mdb").string();
  ASSERT_EQ(zeptcat({}, {"export", uri(), "EUROpro", copy}).status, 0);
  EXPECT_EQ(
      zeptcat({"--json"}, {"sql", copy, "SELECT SUM(MASS) AS M FROM Shape"}).out,
      zeptcat({"--json"}, {"sql", (kBundledData / "EUROpro.mdb").string(), "SELECT SUM(MASS) AS M FROM Shape"}).out);
  EXPECT_EQ(zeptcat({}, {"export", uri(), "EUROpro", copy}).status, 2) << "an existing file is kept";
}

}  // namespace
}  // namespace zept::test
