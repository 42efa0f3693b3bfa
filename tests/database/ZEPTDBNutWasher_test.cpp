// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "database/ZEPTDBNut.h"
#include "database/ZEPTDBWasher.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/FastenerCatalogs.h"

using namespace zept::test;
using DtDb::kEnglish;
using DtDb::kMetric;

namespace {

// The twins under one set of names, with the fields their units are read
// from: their own, and their twin's.
struct Nuts {
  using Accessor = ZEPTDBNut;
  using Record = ZEPTDBNutData;
  static constexpr auto& kTables = kNutTables;
  static constexpr wchar_t const *kFile = L"Nuts_", *kTable = L"Nuts", *kUnit = L"Diag", *kTwinUnit = L"InnerDiam";
  static constexpr auto select = &ZEPTDBNut::setNutDB;
  static constexpr auto diameters = &ZEPTDBNut::getNutDiameterList;
  static constexpr auto thicknesses = &ZEPTDBNut::getNutThickList;
  static constexpr auto whole = &ZEPTDBNut::getWholeNutData;
};

struct Washers {
  using Accessor = ZEPTDBWasher;
  using Record = ZEPTDBWasherData;
  static constexpr auto& kTables = kWasherTables;
  static constexpr wchar_t const *kFile = L"Washers_", *kTable = L"Washers", *kUnit = L"InnerDiam",
                                 *kTwinUnit = L"Diag";
  static constexpr auto select = &ZEPTDBWasher::setWasherDB;
  static constexpr auto diameters = &ZEPTDBWasher::getWasherDiameterList;
  static constexpr auto thicknesses = &ZEPTDBWasher::getWasherThickList;
  static constexpr auto whole = &ZEPTDBWasher::getWholeWasherData;
};

template <typename Twin>
class ZEPTDBNutWasher : public CatalogFolders {
 protected:
  // Rows are (id, inner diameter, thickness, symbol); only `typed` ids are in
  // the types table that the thickness and whole-data statements join.
  bool make(std::wstring const& name, std::vector<std::wstring> const& rows, std::vector<int> const& typed = {},
            std::wstring const& unit = L"") {
    const std::wstring table = Twin::kTable;
    std::vector<std::wstring> sql;
    for (auto const& row : rows) sql.push_back(L"INSERT INTO " + table + L" VALUES (" + row + L")");
    for (int id : typed) sql.push_back(L"INSERT INTO " + table + L"Types VALUES (" + std::to_wstring(id) + L")");
    if (!unit.empty())
      sql.push_back(L"INSERT INTO Descriptions VALUES (\"" + table + L"\", \"" + unit + L"\", \"in\")");
    fastenerCatalog(tree.path("data/" + zept::toUtf8(Twin::kFile + name) + ".mdb"), Twin::kTables, sql);
    return (accessor.*Twin::select)(name.c_str());
  }
  typename Twin::Accessor accessor;
  DtArray<double> values;
};

using Twins = testing::Types<Nuts, Washers>;
TYPED_TEST_SUITE(ZEPTDBNutWasher, Twins);

// Empty catalogs: the unit comes from the twin's own field only, and an
// empty result fails only where the walk moves to the first row. A catalog
// missing a table is closed again.
TYPED_TEST(ZEPTDBNutWasher, UnitSystemComesFromItsOwnField) {
  ASSERT_TRUE(this->make(L"TWIN", {}, {}, TypeParam::kTwinUnit));
  EXPECT_EQ(this->accessor.units(), kMetric);
  ASSERT_TRUE(this->make(L"OWN", {}, {}, TypeParam::kUnit));
  EXPECT_EQ(this->accessor.units(), kEnglish);
  this->values.append(1);
  EXPECT_FALSE((this->accessor.*TypeParam::diameters)(this->values));
  EXPECT_EQ(this->values.length(), 0);
  EXPECT_TRUE((this->accessor.*TypeParam::thicknesses)(20, this->values));
  fastenerCatalog(this->tree.path("data/" + zept::toUtf8(std::wstring(TypeParam::kFile)) + "D.mdb"),
                  std::span(TypeParam::kTables).last(2));
  EXPECT_FALSE((this->accessor.*TypeParam::select)(L"D"));
  EXPECT_EQ(std::pair(this->accessor.units(), this->accessor.getFullDBName()), std::pair(kMetric, CString()));
}

// Lists skip nulls. One record serves every row of the whole data: a null
// keeps what the row before put there.
TYPED_TEST(ZEPTDBNutWasher, ListsSkipNullsAndWholeDataCarriesThemOver) {
  ASSERT_TRUE(this->make(L"ISO",
                         {L"1, 8, NULL, \"M8\"", L"2, 12, 10, \"M12\"", L"3, 20, NULL, NULL", L"4, 20, 16, \"M20\"",
                          L"5, NULL, 9, \"x\"", L"6, 20, 99, \"untyped\"", L"7, 20.5, 12, \"y\""},
                         {1, 2, 3, 4}));
  EXPECT_TRUE((this->accessor.*TypeParam::diameters)(this->values));
  EXPECT_EQ(std::vector(this->values.begin(), this->values.end()), (std::vector<double>{8, 12, 20, 20.5}));
  EXPECT_TRUE((this->accessor.*TypeParam::thicknesses)(20, this->values));
  EXPECT_EQ(std::vector(this->values.begin(), this->values.end()), (std::vector<double>{16}));

  DtArray<typename TypeParam::Record> records;
  for (int call = 0; call < 2; ++call) ASSERT_TRUE((this->accessor.*TypeParam::whole)(records, kEnglish));
  std::vector<std::tuple<double, double, std::wstring, double>> got;
  for (auto const& r : records) got.emplace_back(r.diameter, r.thickness, r.symbol.str(), r.crossFactor);
  const double f = 0.03937007874015748;
  const decltype(got) once = {{8, 0, L"M8", f}, {12, 10, L"M12", f}, {20, 10, L"M12", f}, {20, 16, L"M20", f}};
  EXPECT_EQ(std::vector(got.begin(), got.begin() + 4), once);
  EXPECT_EQ(std::vector(got.begin() + 4, got.end()), once);
}

}  // namespace
