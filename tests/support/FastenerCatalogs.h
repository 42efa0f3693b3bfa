// SPDX-License-Identifier: MIT
// Fastener catalogs for the accessor tests: the tables each kind is checked
// for, so a test adds only the rows it is about.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "support/Catalog.h"

namespace zept::test {

inline constexpr wchar_t const* kDescriptions =
    L"CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10))";

inline constexpr wchar_t const* kBoltTables[] = {
    L"CREATE TABLE Bolts (Id LONG, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100))",
    L"CREATE TABLE Shanks (Id LONG, Lenght DOUBLE)", L"CREATE TABLE Materials (Id LONG, Symbol TEXT(10))",
    L"CREATE TABLE BoltsTypes (Id LONG, BoltId LONG, ShankId LONG, MaterialId LONG, ThreadLenght DOUBLE)",
    kDescriptions};
inline constexpr wchar_t const* kNutTables[] = {
    L"CREATE TABLE Nuts (Id LONG, InnerDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20))",
    L"CREATE TABLE NutsTypes (NutId LONG)", L"CREATE TABLE Materials (Id LONG, Symbol TEXT(10))", kDescriptions};
inline constexpr wchar_t const* kWasherTables[] = {
    L"CREATE TABLE Washers (Id LONG, InnerDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20))",
    L"CREATE TABLE WashersTypes (WasherId LONG)", L"CREATE TABLE Materials (Id LONG, Symbol TEXT(10))", kDescriptions};
inline constexpr wchar_t const* kGripTables[] = {
    L"CREATE TABLE GripLength (Id LONG, Diameter DOUBLE, WasherNum LONG, RangeLower DOUBLE, RangeUpper DOUBLE, "
    L"ShankLength DOUBLE, ThreadLength DOUBLE)",
    kDescriptions};

// Creates the catalog `path` with `tables`, then runs `rows`.
inline void fastenerCatalog(std::filesystem::path const& path, std::span<wchar_t const* const> tables,
                            std::vector<std::wstring> rows = {}) {
  rows.insert(rows.begin(), tables.begin(), tables.end());
  makeCatalog(path, rows);
}

}  // namespace zept::test
