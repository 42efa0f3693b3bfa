// SPDX-License-Identifier: MIT
// Genuine Access files read through the DAO classes: every table as
// mdb-export prints it, types, properties, refused modes, and damaged
// copies that must fail cleanly.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/JetFile.h"
#include "support/Catalog.h"
#include "support/MdbSamples.h"
#include "support/TestTree.h"

using zept::test::CsvCell;
using zept::test::CsvRow;
using zept::test::errorOf;
using zept::test::TempTree;
using zept::test::wide;

namespace {

constexpr short kCurrency = 5;  // DAO's dbCurrency, read as a Double

// A date as mdb-export prints it: whole seconds rounded, nothing before 1899-12-30.
std::string exportedDate(double date) {
  if (date < 0 || date > 1e6) return "1900-01-00 00:00:00";
  const long day = static_cast<long>(date);
  const long time = static_cast<long>((date - static_cast<double>(day)) * 86400.0 + 0.5);
  using namespace std::chrono;
  const year_month_day ymd{sys_days{December / 30 / 1899} + days{day}};
  char text[128];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:%02ld:%02ld", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), time / 3600, time / 60 % 60,
                time % 60);
  return text;
}

// A value as mdb-export prints it.
CsvCell exported(COleVariant const& v, short daoType) {
  char text[64];
  switch (v.vt) {
    case VT_NULL: return {"NULL", false};
    case VT_BSTR: return {v.text().toUtf8(), true};
    case VT_BOOL: return {v.boolVal ? "1" : "0", false};
    case VT_UI1: return {std::to_string(v.bVal), false};
    case VT_I2: return {std::to_string(v.iVal), false};
    case VT_I4: return {std::to_string(v.lVal), false};
    case VT_R4: std::snprintf(text, sizeof text, "%.8g", static_cast<double>(v.fltVal)); return {text, false};
    case VT_DATE: return {exportedDate(v.date), true};
    case VT_R8:
      std::snprintf(text, sizeof text, daoType == kCurrency ? "%.4f" : "%.16g", v.dblVal);
      return {text, false};
    default: return {"?", false};
  }
}

// The index of the column named `name`, or -1.
short fieldIndex(CDaoRecordset& rs, std::string const& name, short* daoType = nullptr) {
  for (short i = 0; i < rs.GetFieldCount(); ++i) {
    CDaoFieldInfo info;
    rs.GetFieldInfo(i, info);
    if (info.m_strName.toUtf8() != name) continue;
    if (daoType) *daoType = info.m_nType;
    return i;
  }
  return -1;
}

std::string key(CsvRow const& row) {
  std::string k;
  for (auto const& c : row) k += (c.quoted ? "\"" : "") + c.text + '\x1f';
  return k;
}

class GenuineSamples : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(samples.size(), 3u); }
  std::vector<std::filesystem::path> samples = zept::test::mdbSamples();
};

TEST_F(GenuineSamples, EveryTableReadsAsMdbExportPrintsIt) {
  for (auto const& file : samples) {
    CDaoDatabase db;
    db.Open(wide(file).c_str(), false, true);
    const auto tables = zept::test::mdbTables(file);
    ASSERT_FALSE(tables.empty()) << file;
    for (auto const& table : tables) {
      SCOPED_TRACE(file.filename().string() + " " + table);
      auto expected = zept::test::mdbExport(file, table);
      ASSERT_FALSE(expected.empty());
      const CsvRow header = expected.front();
      expected.erase(expected.begin());

      CDaoRecordset rs(&db);
      rs.Open(dbOpenSnapshot, (L"SELECT * FROM [" + zept::fromUtf8(table) + L"]").c_str());
      // Each exported column is ours, or a binary one (OLE) we leave out.
      std::vector<std::pair<short, short>> ours;  // index and DAO type
      for (std::size_t c = 0; c < header.size(); ++c) {
        short type = 0;
        ours.emplace_back(fieldIndex(rs, header[c].text, &type), type);
        if (ours.back().first >= 0) continue;
        for (auto& row : expected) {
          EXPECT_TRUE(row[c].text.empty() || row[c].text == "NULL") << "missing column " << header[c].text;
          row[c] = CsvCell{};
        }
      }
      std::vector<CsvRow> got;
      for (; !rs.IsEOF(); rs.MoveNext()) {
        CsvRow row;
        for (auto const& [index, type] : ours)
          row.push_back(index < 0 ? CsvCell{} : exported(rs.GetFieldValue(index), type));
        got.push_back(std::move(row));
      }
      auto byKey = [](CsvRow const& a, CsvRow const& b) { return key(a) < key(b); };
      std::sort(got.begin(), got.end(), byKey);
      std::sort(expected.begin(), expected.end(), byKey);
      EXPECT_EQ(got, expected);
    }
  }
}

TEST_F(GenuineSamples, JetTypesAndPropertiesReadExactly) {
  const auto file = zept::test::mdbSamplesDir() / "testV1997.mdb";
  CDaoDatabase db;
  db.Open(wide(file).c_str(), false, true);
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Table1 WHERE A = 'abcdefg'");
  struct Expect {
    wchar_t const* column;
    short daoType;
    VARTYPE vt;
    double value;
  } const expect[] = {
      {L"C", dbByte, VT_UI1, 2},     {L"D", dbInteger, VT_I2, 222},    {L"E", dbLong, VT_I4, 333333333},
      {L"F", dbDouble, VT_R8, 444.555}, {L"G", dbDate, VT_DATE, 27293}, {L"H", kCurrency, VT_R8, 3.5},
      {L"I", dbBoolean, VT_BOOL, -1},
  };
  for (auto const& e : expect) {
    SCOPED_TRACE(CString(e.column).toUtf8());
    short daoType = -1;
    const short index = fieldIndex(rs, CString(e.column).toUtf8(), &daoType);
    ASSERT_GE(index, 0);
    EXPECT_EQ(daoType, e.daoType);
    const COleVariant v = rs.GetFieldValue(index);
    EXPECT_EQ(v.vt, e.vt);
    EXPECT_EQ(v.toDouble(), e.value);
  }
  EXPECT_EQ(rs.GetFieldValue(L"A").text(), CString(L"abcdefg"));

  using Set = CDaoDatabase::PropertySet;
  EXPECT_EQ(db.GetPropertyValue(Set::Database, L"AccessVersion").text(), CString(L"07.53"));
  EXPECT_EQ(db.GetPropertyType(Set::Database, L"AccessVersion"), dbText);
  EXPECT_EQ(db.GetPropertyValue(Set::Database, L"ProjVer").toDouble(), 35);
  EXPECT_GT(db.GetPropertyCount(Set::UserDefined), 0);
  EXPECT_EQ(db.GetTableDefCount(), static_cast<short>(zept::test::mdbTables(file).size()) + 2);
}

TEST_F(GenuineSamples, WritingOrExclusiveOpensAreRefusedAndTheFileStaysUntouched) {
  for (auto const& file : samples) {
    struct stat before {}, after {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    const auto path = wide(file);
    CDaoDatabase db;
    EXPECT_EQ(errorOf([&] { db.Open(path.c_str(), false, false); }), zept::jet::kCannotOpen);
    EXPECT_EQ(errorOf([&] { db.Open(path.c_str(), true, true); }), zept::jet::kCannotOpen);
    EXPECT_FALSE(db.IsOpen());
    db.Open(path.c_str(), false, true);
    EXPECT_FALSE(db.CanUpdate());
    EXPECT_EQ(errorOf([&] { db.Execute(L"DELETE * FROM MSysProperties"); }), zept::jet::kReadOnly);
    EXPECT_EQ(errorOf([&] { db.CreateProperty(CDaoDatabase::PropertySet::UserDefined, L"X", dbText, COleVariant(L"x")); }),
              zept::jet::kReadOnly);
    db.Close();
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_size, before.st_size);
  }
}

// Damaged copies: truncated, bit-flipped, zero-filled and with a header
// marking them as something that cannot be read. Opening and reading every
// table either works or throws CDaoException; the process goes on.
TEST_F(GenuineSamples, DamagedCopiesFailCleanly) {
  TempTree tree;
  zept::dao::setJetReadTimeout(2);  // some copies make libmdb loop
  std::mt19937 random(20261206);
  int refused = 0, read = 0;
  for (auto const& file : samples) {
    const std::string good = TempTree::read(file);
    std::vector<std::pair<std::string, std::string>> copies;
    for (std::size_t size : {std::size_t{20}, std::size_t{200}, std::size_t{4096}, std::size_t{4097}, good.size() / 2,
                             good.size() - 4096, good.size() - 1})
      copies.emplace_back("cut" + std::to_string(size), good.substr(0, size));
    for (int i = 0; i < 12; ++i) {
      std::string bad = good;
      for (int flips = 0; flips < 1 + i % 4; ++flips) {
        const std::size_t at = 4096 + random() % (good.size() - 4096);
        bad[at] = static_cast<char>(bad[at] ^ (1 << (random() % 8)));
      }
      copies.emplace_back("flip" + std::to_string(i), bad);
    }
    for (std::size_t page = 1; page * 4096 < good.size(); page += 3) {
      std::string bad = good;
      std::fill_n(bad.begin() + static_cast<long>(page * 4096), 4096, '\0');
      copies.emplace_back("zero" + std::to_string(page), bad);
    }
    for (auto const& [name, bytes] : copies) {
      SCOPED_TRACE(file.filename().string() + " " + name);
      const auto path = wide(tree.file(name + ".mdb", bytes));
      try {
        CDaoDatabase db;
        db.Open(path.c_str(), false, true);
        for (short t = 0; t < db.GetTableDefCount(); ++t) {
          CDaoTableDefInfo info;
          db.GetTableDefInfo(t, info, AFX_DAO_ALL_INFO);
          CDaoRecordset rs(&db);
          rs.Open(dbOpenSnapshot, (L"SELECT * FROM [" + info.m_strName.str() + L"]").c_str());
          while (!rs.IsEOF()) rs.MoveNext();
        }
        ++read;
      } catch (CDaoException const& e) {
        EXPECT_FALSE(e.description().IsEmpty());
        ++refused;
      }
    }
  }
  zept::dao::setJetReadTimeout(0);
  EXPECT_GT(refused, 0);
  EXPECT_GT(read, 0);
}

TEST_F(GenuineSamples, UnreadableKindsNameTheFileAndWhatItIs) {
  TempTree tree;
  const std::string jet3 = TempTree::read(zept::test::mdbSamplesDir() / "testV1997.mdb");
  auto flipped = [&](std::size_t at) {
    std::string s = jet3;
    s[at] = static_cast<char>(s[at] ^ 1);  // the header is RC4 text: a flip goes straight through
    return s;
  };
  std::string ace = jet3;
  ace.replace(4, 15, "Standard ACE DB");
  struct Case {
    char const* name;
    std::string bytes;
    char const* says;
  } const cases[] = {
      {"ace.accdb", ace, "Access 2007+"},
      {"password.mdb", flipped(0x42), "password-protected"},
      {"encrypted.mdb", flipped(0x3e), "encrypted"},
  };
  for (auto const& c : cases) {
    const auto path = tree.file(c.name, c.bytes);
    CDaoDatabase db;
    try {
      db.Open(wide(path).c_str(), false, true);
      ADD_FAILURE() << c.name << " opened";
    } catch (CDaoException const& e) {
      EXPECT_EQ(e.errorCode(), zept::jet::kUnrecognizedFormat) << c.name;
      const std::string message = e.description().toUtf8();
      EXPECT_NE(message.find(c.says), std::string::npos) << message;
      EXPECT_NE(message.find(c.name), std::string::npos) << message;
    }
  }
}

}  // namespace
