// SPDX-License-Identifier: MIT
// The catalogs the build makes from data/*.sql, for the tests that check
// their contents. Only built with the tools, which define the folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"

namespace zept::test {

inline const std::filesystem::path kBundledData = ZEPT_BUNDLED_DATA_DIR;

// Opens the built catalog NAME.mdb read-only.
class BundledCatalog {
 public:
  explicit BundledCatalog(char const* name) {
    const std::filesystem::path path = kBundledData / (std::string(name) + ".mdb");
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    m_db.Open(zept::fromUtf8(path.string()).c_str(), false, true);
  }
  // The first column of the first row, as a number; -1 without a row.
  double number(wchar_t const* sql) {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, sql);
    EXPECT_FALSE(rs.IsEOF()) << zept::toUtf8(sql);
    return rs.IsEOF() ? -1 : rs.GetFieldValue(0).toDouble();
  }
  double number(std::wstring const& sql) { return number(sql.c_str()); }

  CDaoDatabase m_db;
};

}  // namespace zept::test
