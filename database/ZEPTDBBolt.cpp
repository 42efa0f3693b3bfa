// SPDX-License-Identifier: MIT
// Bolt catalog reads through the shared fastener walks; single records are
// kept in the catalog's RecordCache, keyed by diameter and length.
#include "database/ZEPTDBBolt.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "database/CatalogRows.h"
#include "database/RecordCache.h"
#include "database/ZEPTDBBoltStandards.h"

using namespace zept::catalog;

namespace {

constexpr wchar_t kUnitStatement[] =
    L"SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)=\"Bolts\") AND "
    L"((Descriptions.Field)=\"Diameter\"));";
constexpr wchar_t kBoltColumns[] =
    L"SELECT DISTINCT BoltsTypes.Id, Bolts.Diameter, Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, "
    L"Materials.Symbol, Bolts.TextComment FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN BoltsTypes "
    L"ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) ON Shanks.Id = BoltsTypes.ShankId ";

// Symbol is a column of two tables, so both are read by their table's name.
void fillBolt(CDaoRecordset const& rs, ZEPTDBBoltData& bolt) {
  read(rs, L"Id", bolt.id);
  read(rs, L"Diameter", bolt.diameter);
  read(rs, L"Bolts.Symbol", bolt.symbol);
  read(rs, L"Lenght", bolt.length);
  read(rs, L"ThreadLenght", bolt.threadLength);
  read(rs, L"Materials.Symbol", bolt.material);
  read(rs, L"TextComment", bolt.comment);
}

using BoltCache = zept::db::RecordCache<ZEPTDBBoltData>;

// The key of a bolt: the bits of both numbers, as characters.
void boltKey(std::wstring& key, double diameter, double length) {
  std::uint32_t bits[4];
  std::memcpy(bits, &diameter, sizeof diameter);
  std::memcpy(bits + 2, &length, sizeof length);
  key.assign(bits, bits + 4);
}

std::size_t heapBytes(ZEPTDBBoltData const& bolt) {
  return (bolt.symbol.str().size() + bolt.material.str().size() + bolt.comment.str().size()) * sizeof(wchar_t);
}

}  // namespace

ZEPTDBBolt::ZEPTDBBolt() : ZEPTDBBaseData(CFGFasteners) {}

ZEPTDBBolt::~ZEPTDBBolt() = default;

DtDb::MeasurementValue ZEPTDBBolt::units() { return static_cast<DtDb::MeasurementValue>(m_units); }

bool ZEPTDBBolt::setBoltDB(CString const& name) {
  return selectCatalog(
      *this, m_db, m_units, L"Bolts_" + name, [this] { return knownFormat(CheckDBFormat(m_db) == kKnownLayout); }, kUnitStatement);
}

ZEPTDBBolt::eVersion ZEPTDBBolt::CheckDBFormat(CDaoDatabase& db) {
  const bool known = hasTables(db, {L"BoltsTypes", L"Bolts", L"Shanks", L"Materials"},
                               [this](CDaoDatabase& d, wchar_t const* table) { return isTableExist(d, table); });
  return known ? kKnownLayout : kUnknownLayout;
}

bool ZEPTDBBolt::getBoltDBList(CStringArray& names, wchar_t const*) {
  return ZEPTDBBoltStandards().getBoltStandardsList(names);
}

bool ZEPTDBBolt::getBoltDiameterList(DtArray<double>& diameters) {
  return readColumn(m_db, L"SELECT DISTINCT Bolts.Diameter FROM Bolts ORDER BY Diameter", L"Diameter", diameters, true);
}

bool ZEPTDBBolt::getBoltLengthList(double diameter, DtArray<double>& lengths) {
  const CString sql =
      L"SELECT DISTINCT Shanks.Lenght FROM Shanks INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = "
      L"BoltsTypes.BoltId) ON Shanks.Id = BoltsTypes.ShankId WHERE (((Bolts.Diameter)=" +
      number(diameter) + L")) ORDER BY Shanks.Lenght;";
  return readColumn(m_db, sql, L"Lenght", lengths, false);
}

bool ZEPTDBBolt::getBoltData(double diameter, double length, DtDb::MeasurementValue units, ZEPTDBBoltData* data) {
  BoltCache* cache = BoltCache::of(m_db);
  if (cache) {
    boltKey(cache->key(), diameter, length);
    if (BoltCache::Entry const* hit = cache->answer(data != nullptr)) {
      if (hit->found && data) {
        *data = hit->record;
        data->crossFactor = getCrossFactor(units);
      }
      return hit->found;
    }
  }
  const CString sql = kBoltColumns + (L"WHERE (((Bolts.Diameter)=" + number(diameter) + L") AND ((Shanks.Lenght)=" +
                                      number(length) + L"));");
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, sql, 0);
    const bool found = !rs.IsEOF();
    if (!found || !data) {
      if (cache) cache->keepFound(found);
      return found;
    }
    *data = ZEPTDBBoltData();
    fillBolt(rs, *data);
    // Every member comes from the row or the default record.
    if (cache) cache->keepRecord(~std::uint64_t{0}, *data, heapBytes(*data));
    data->crossFactor = getCrossFactor(units);
    return true;
  } catch (...) {
    return false;
  }
}

bool ZEPTDBBolt::getWholeBoltData(DtArray<ZEPTDBBoltData>& bolts, DtDb::MeasurementValue units, double diameter) {
  // NaN is no diameter, and neither negative: it must not read every bolt.
  if (std::isnan(diameter)) return false;
  CString sql = kBoltColumns;
  if (diameter >= 0) sql += L"WHERE (((Bolts.Diameter)=" + number(diameter) + L")) ";
  sql += L"ORDER BY Bolts.Diameter, Shanks.Lenght, BoltsTypes.ThreadLenght;";
  return appendRecords(m_db, sql, bolts, getCrossFactor(units), true, fillBolt);
}

double ZEPTDBBolt::getCrossFactor(DtDb::MeasurementValue units) { return crossFactor(m_units, units); }
