// SPDX-License-Identifier: MIT
// Clamping-range catalog reads (table GripLength) through the shared
// fastener walks.
#include "database/ZEPTDBClampingRange.h"

#include "database/CatalogRows.h"

using namespace zept::catalog;

namespace {

constexpr wchar_t kUnitStatement[] =
    L"SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)=\"GripLength\") AND "
    L"((Descriptions.Field)=\"Diameter\"));";

}  // namespace

ZEPTDBClampingRange::ZEPTDBClampingRange() : ZEPTDBBaseData(CFGFasteners) {}

ZEPTDBClampingRange::~ZEPTDBClampingRange() = default;

DtDb::MeasurementValue ZEPTDBClampingRange::units() { return static_cast<DtDb::MeasurementValue>(m_units); }

bool ZEPTDBClampingRange::setClampingRangeDB(CString const& name) {
  return selectCatalog(
      *this, m_db, m_units, L"cr_" + name, [this] { return knownFormat(CheckDBFormat(m_db) == kKnownLayout); }, kUnitStatement);
}

ZEPTDBClampingRange::eVersion ZEPTDBClampingRange::CheckDBFormat(CDaoDatabase& db) {
  const bool known =
      hasTables(db, {L"GripLength"}, [this](CDaoDatabase& d, wchar_t const* table) { return isTableExist(d, table); });
  return known ? kKnownLayout : kUnknownLayout;
}

bool ZEPTDBClampingRange::getClampingRangeDBList(CStringArray& names, wchar_t const* filter) {
  if (!getDBList(L"cr_*", names, filter)) return false;
  const CString previous = m_db.IsOpen() ? m_db.GetName() : CString();
  for (int i = names.GetSize() - 1; i >= 0; --i)
    if (!setClampingRangeDB(names[i])) names.RemoveAt(i);
  if (!previous.IsEmpty()) {
    // The units are those of the reopened catalog, not of the last one tried.
    m_units = openDatabase(m_db, previous, true, false) ? catalogUnits(m_db, kUnitStatement) : DtDb::kMetric;
  }
  return true;
}

bool ZEPTDBClampingRange::getClampingRangeDiameterList(DtArray<double>& diameters) {
  return readColumn(m_db, L"SELECT DISTINCT Diameter FROM GripLength ORDER BY Diameter", L"Diameter", diameters, true);
}

bool ZEPTDBClampingRange::getClampingRangeWasherNumList(double diameter, DtArray<int>& washerCounts) {
  const CString sql =
      L"SELECT DISTINCT WasherNum FROM GripLength WHERE (((Diameter)=" + number(diameter) + L")) ORDER BY WasherNum;";
  return readColumn(m_db, sql, L"WasherNum", washerCounts, false);
}

bool ZEPTDBClampingRange::getWholeClampingRangeData(DtArray<ZEPTDBClampingRangeData>& ranges,
                                                    DtDb::MeasurementValue units) {
  return appendRecords(m_db,
                       L"SELECT Id,Diameter,WasherNum,RangeLower,RangeUpper,ShankLength,ThreadLength FROM GripLength "
                       L"ORDER BY Diameter, WasherNum, RangeLower, RangeUpper;",
                       ranges, getCrossFactor(units), true, [](CDaoRecordset const& rs, ZEPTDBClampingRangeData& r) {
                         read(rs, L"Id", r.id);
                         read(rs, L"WasherNum", r.washerCount);
                         read(rs, L"Diameter", r.diameter);
                         read(rs, L"RangeLower", r.rangeLower);
                         read(rs, L"RangeUpper", r.rangeUpper);
                         read(rs, L"ShankLength", r.shankLength);
                         read(rs, L"ThreadLength", r.threadLength);
                       });
}

double ZEPTDBClampingRange::getCrossFactor(DtDb::MeasurementValue units) { return crossFactor(m_units, units); }
