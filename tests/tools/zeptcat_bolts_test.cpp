// SPDX-License-Identifier: MIT
// zeptcat bolts on the bundled fastener catalogs, as a user runs it: the
// standards with their companions, one standard's bolts with nut, washer and
// grip ranges, and the unit conversion both ways.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"

using zept::test::ToolResult;

namespace {

class zeptcatBolts : public zept::test::ToolTest {
 protected:
  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", ZEPT_BUNDLED_DATA_DIR}, args); }
};

// Every value of `key` in JSON output, in order.
std::vector<double> values(std::string const& json, std::string const& key) {
  std::vector<double> found;
  const std::string quoted = "\"" + key + "\": ";
  for (auto at = json.find(quoted); at != std::string::npos; at = json.find(quoted, at + 1))
    found.push_back(std::stod(json.substr(at + quoted.size())));
  return found;
}

TEST_F(zeptcatBolts, StandardsWithTheirCompanions) {
  const auto r = run({"bolts"});
  ASSERT_EQ(r.status, 0) << r.err;
  // DIN931 names catalogs that are not bundled; bolts threaded to the head have no grip ranges.
  EXPECT_EQ(r.out,
            "Standard  Nut      Washer   ClampingRange  Units\n"
            "--------  -------  -------  -------------  -----\n"
            "ISO4017   ISO4032  ISO7089  -              mm\n"
            "ISO4014   ISO4032  ISO7089  ISO4014        mm\n"
            "EN14399   EN14399  EN14399  EN14399        mm\n"
            "A325      A563     F436     A325           in\n"
            "A490      A563     F436     A490           in\n"
            "(5 rows)\n");
  EXPECT_NE(run({"--json", "bolts"}).out.find("\"Washer\": \"ISO7089\", \"ClampingRange\": null, \"Units\": \"mm\""),
            std::string::npos);
}

TEST_F(zeptcatBolts, RecordsCarryCompanionThicknesses) {
  auto r = run({"--json", "bolts", "ISO4017", "--diameter", "20"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lengths = values(r.out, "Length (mm)");
  EXPECT_EQ(lengths.size(), values(r.out, "Id").size());
  ASSERT_FALSE(lengths.empty());
  // Threaded to the head.
  EXPECT_EQ(values(r.out, "ThreadLength (mm)"), lengths);
  for (double m : values(r.out, "NutThickness (mm)")) EXPECT_EQ(m, 18);
  EXPECT_TRUE(r.out.ends_with("  \"clampingRanges\": null\n}\n")) << r.out;

  // Grip ranges of M20 only: the M20 x 60 worked example is there, M24 x 80's is not.
  r = run({"--json", "bolts", "en14399", "--diameter", "20"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("{\"WasherNum\": 1, \"RangeLower (mm)\": 23, \"RangeUpper (mm)\": 37.5, "
                       "\"ShankLength (mm)\": 27, \"ThreadLength (mm)\": 33}"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("\"RangeLower (mm)\": 37, \"RangeUpper (mm)\": 53"), std::string::npos);

  r = run({"bolts", "EN14399", "--diameter", "M20", "--length", "60"});  // as a detailer writes it
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("(1 row)\n\nClamping ranges (EN14399):\nWasherNum"), std::string::npos) << r.out;
  // --length keeps that bolt's ranges only, one and two washers: those whose
  // shank and thread make up its length.
  for (auto const& [length, unit] : {std::pair("60", "mm"), std::pair("80", "in")}) {
    r = run({"--json", "bolts", "EN14399", "--diameter", "20", "--length", length, "--units", unit});
    const std::string in = std::string(" (") + unit + ")";
    const auto bolt = values(r.out, "Length" + in);
    const auto shanks = values(r.out, "ShankLength" + in);
    const auto threads = values(r.out, "ThreadLength" + in);  // the bolt's first
    ASSERT_EQ(std::tuple(bolt.size(), shanks.size(), threads.size()), std::tuple(1u, 2u, 3u)) << r.out;
    for (std::size_t i = 0; i < 2; ++i) EXPECT_NEAR(shanks[i] + threads[i + 1], bolt[0], 1e-9) << r.out;
  }
}

TEST_F(zeptcatBolts, UnitsConvertEveryLength) {
  struct Case {
    std::vector<std::string> args;
    std::string key;
    double stored;  // the first value in the catalog's unit
    double factor;
  } const cases[] = {
      {{"ISO4017", "--diameter", "20", "--length", "40", "--units", "in"}, "Length (in)", 40, 0.03937007874015748},
      {{"ISO4017", "--diameter", "20", "--units", "in"}, "WasherThickness (in)", 3, 0.03937007874015748},
      {{"A325", "--units", "mm"}, "Diameter (mm)", 0.5, 25.4},
      {{"A325", "--diameter", "0.5", "--units", "mm"}, "ThreadLength (mm)", 1, 25.4},
      {{"A325", "--diameter", "0.5"}, "NutThickness (in)", 0.484375, 1},
  };
  for (auto const& c : cases) {
    auto args = c.args;
    args.insert(args.begin(), {"--json", "bolts"});
    const auto r = run(args);
    ASSERT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
    const auto found = values(r.out, c.key);
    ASSERT_FALSE(found.empty()) << c.key << " in " << r.out;
    EXPECT_DOUBLE_EQ(found.front(), c.stored * c.factor) << c.key;
  }
  EXPECT_NE(run({"bolts", "A325", "--units", "mm"}).out.find("12.7           38.1, 44.45, 50.8,"), std::string::npos);
}

TEST_F(zeptcatBolts, RefusedRequests) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  } const cases[] = {
      {{"NOPE"}, 2, "no bolt catalog NOPE (Bolts_NOPE.mdb)"},
      {{"DIN931"}, 2, "no bolt catalog DIN931"},
      {{"ISO4017", "--diameter", "21"}, 2, "ISO4017 has no bolt of diameter 21; its diameters: 8, 10, 12, 16, 20, 24, 30, 36"},
      {{"ISO4017", "--diameter", "20", "--length", "41"}, 2, "lengths of that diameter: 40, 45,"},
      {{"ISO4017", "--length", "40"}, 1, "--length requires --diameter"},
      {{"ISO4017", "--units", "cm"}, 1, "zeptcat: --units: \"cm\" is not one of mm, in\n"},
      {{"ISO4017", "--diameter", "Mx"}, 1, "zeptcat: --diameter: \"Mx\" is not a number\n"},
  };
  for (auto const& c : cases) {
    auto args = c.args;
    args.insert(args.begin(), "bolts");
    const auto r = run(args);
    EXPECT_EQ(r.status, c.status) << c.args[0] << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
