// SPDX-License-Identifier: MIT
// Nut catalog reads: the statements of the nut twin, walked by the code it
// shares with ZEPTDBWasher in FastenerCatalog.
#include "database/ZEPTDBNut.h"

#include "database/CatalogRows.h"
#include "database/ZEPTDBBoltStandards.h"

using namespace zept::catalog;

namespace {

// The unit is that of the nut's "Diag" field, not of its inner diameter.
constexpr TwinTexts kNut{
    L"Nuts_",
    L"NutsTypes",
    L"Nuts",
    L"SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)=\"Nuts\") AND "
    L"((Descriptions.Field)=\"Diag\"));",
    L"SELECT DISTINCT Nuts.InnerDiam FROM Nuts ORDER BY InnerDiam",
    L"SELECT DISTINCT Nuts.Thick FROM NutsTypes INNER JOIN Nuts ON NutsTypes.NutId = Nuts.Id WHERE "
    L"(((Nuts.InnerDiam)=",
    L")) ORDER BY Nuts.Thick;",
    L"SELECT DISTINCT Nuts.InnerDiam, Nuts.Thick, Nuts.Symbol FROM NutsTypes INNER JOIN Nuts ON NutsTypes.NutId = "
    L"Nuts.Id ORDER BY Nuts.InnerDiam, Nuts.Thick;",
};

}  // namespace

ZEPTDBNut::ZEPTDBNut() : ZEPTDBBaseData(CFGFasteners) {}

ZEPTDBNut::~ZEPTDBNut() = default;

DtDb::MeasurementValue ZEPTDBNut::units() { return static_cast<DtDb::MeasurementValue>(m_units); }

bool ZEPTDBNut::setNutDB(CString const& name) {
  return selectCatalog(
      *this, m_db, m_units, kNut.prefix + name, [this] { return knownFormat(CheckDBFormat(m_db) == kKnownLayout); },
      kNut.unitStatement);
}

ZEPTDBNut::eVersion ZEPTDBNut::CheckDBFormat(CDaoDatabase& db) {
  const bool known = twinFormatOk(db, kNut, [this](CDaoDatabase& d, wchar_t const* t) { return isTableExist(d, t); });
  return known ? kKnownLayout : kUnknownLayout;
}

bool ZEPTDBNut::getNutDBList(CStringArray& names, wchar_t const*) {
  return ZEPTDBBoltStandards().getNutStandardsList(names);
}

bool ZEPTDBNut::getNutDiameterList(DtArray<double>& diameters) { return twinDiameters(m_db, kNut, diameters); }

bool ZEPTDBNut::getNutThickList(double diameter, DtArray<double>& thicknesses) {
  return twinThicknesses(m_db, kNut, diameter, thicknesses);
}

bool ZEPTDBNut::getWholeNutData(DtArray<ZEPTDBNutData>& nuts, DtDb::MeasurementValue units) {
  return twinWholeData(m_db, kNut, nuts, getCrossFactor(units));
}

double ZEPTDBNut::getCrossFactor(DtDb::MeasurementValue units) { return crossFactor(m_units, units); }
