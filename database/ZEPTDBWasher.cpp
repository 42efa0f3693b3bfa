// SPDX-License-Identifier: MIT
// Washer catalog reads: the statements of the washer twin, walked by the
// code it shares with ZEPTDBNut in FastenerCatalog.
#include "database/ZEPTDBWasher.h"

#include "database/CatalogRows.h"
#include "database/ZEPTDBBoltStandards.h"

using namespace zept::catalog;

namespace {

constexpr TwinTexts kWasher{
    L"Washers_",
    L"WashersTypes",
    L"Washers",
    L"SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)=\"Washers\") AND "
    L"((Descriptions.Field)=\"InnerDiam\"));",
    L"SELECT DISTINCT Washers.InnerDiam FROM Washers ORDER BY InnerDiam",
    L"SELECT DISTINCT Washers.Thick FROM WashersTypes INNER JOIN Washers ON WashersTypes.WasherId = Washers.Id "
    L"WHERE (((Washers.InnerDiam)=",
    L")) ORDER BY Washers.Thick;",
    L"SELECT DISTINCT Washers.InnerDiam, Washers.Thick, Washers.Symbol FROM WashersTypes INNER JOIN Washers ON "
    L"WashersTypes.WasherId = Washers.Id ORDER BY Washers.InnerDiam, Washers.Thick;",
};

}  // namespace

ZEPTDBWasher::ZEPTDBWasher() : ZEPTDBBaseData(CFGFasteners) {}

ZEPTDBWasher::~ZEPTDBWasher() = default;

DtDb::MeasurementValue ZEPTDBWasher::units() { return static_cast<DtDb::MeasurementValue>(m_units); }

bool ZEPTDBWasher::setWasherDB(CString const& name) {
  return selectCatalog(
      *this, m_db, m_units, kWasher.prefix + name, [this] { return knownFormat(CheckDBFormat(m_db) == kKnownLayout); },
      kWasher.unitStatement);
}

ZEPTDBWasher::eVersion ZEPTDBWasher::CheckDBFormat(CDaoDatabase& db) {
  const bool known =
      twinFormatOk(db, kWasher, [this](CDaoDatabase& d, wchar_t const* t) { return isTableExist(d, t); });
  return known ? kKnownLayout : kUnknownLayout;
}

bool ZEPTDBWasher::getWasherDBList(CStringArray& names, wchar_t const*) {
  return ZEPTDBBoltStandards().getWasherStandardsList(names);
}

bool ZEPTDBWasher::getWasherDiameterList(DtArray<double>& diameters) { return twinDiameters(m_db, kWasher, diameters); }

bool ZEPTDBWasher::getWasherThickList(double diameter, DtArray<double>& thicknesses) {
  return twinThicknesses(m_db, kWasher, diameter, thicknesses);
}

bool ZEPTDBWasher::getWholeWasherData(DtArray<ZEPTDBWasherData>& washers, DtDb::MeasurementValue units) {
  return twinWholeData(m_db, kWasher, washers, getCrossFactor(units));
}

double ZEPTDBWasher::getCrossFactor(DtDb::MeasurementValue units) { return crossFactor(m_units, units); }
