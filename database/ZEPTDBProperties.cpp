// SPDX-License-Identifier: MIT
// The catalog property operations of ZEPTDBBaseData. Lists, reads and writes
// catch data-access exceptions only; the counts catch every CException.
#include <cmath>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"

using Set = CDaoDatabase::PropertySet;

namespace {
// A property's name is bound as UTF-8: one that cannot be written so would
// reach the property named with U+FFFD instead.
bool isPropertyName(wchar_t const* name) { return name && zept::isUtf8Encodable(name); }

// A text comes back as a new text variant, anything else as stored.
bool readProperty(CDaoDatabase& db, Set set, wchar_t const* name, COleVariant& value) {
  if (!db.IsOpen() || !isPropertyName(name)) return false;
  try {
    const COleVariant stored = db.GetPropertyValue(set, name);
    value = stored.vt == VT_BSTR ? COleVariant(stored.text()) : stored;
    return true;
  } catch (CDaoException const&) {
    return false;
  }
}

// A catalog holds no NaN (it would read back as a null) and no infinity.
bool storableNumber(COleVariant const& value) {
  switch (value.vt) {
    case VT_R4: return std::isfinite(value.fltVal);
    case VT_R8: return std::isfinite(value.dblVal);
    case VT_DATE: return std::isfinite(value.date);
    default: return true;
  }
}
}  // namespace

int ZEPTDBBaseData::propertyCount(Set set) {
  if (!m_db.IsOpen()) return -1;
  try {
    return m_db.GetPropertyCount(set);
  } catch (CException const&) {
    return -1;
  }
}

bool ZEPTDBBaseData::propertyList(Set set, CStringArray& names) {
  if (!m_db.IsOpen()) return false;
  try {
    names.RemoveAll();
    const short count = m_db.GetPropertyCount(set);
    for (short i = 0; i < count; ++i) names.Add(m_db.GetPropertyName(set, i));
    return true;
  } catch (CDaoException const&) {
    return false;
  }
}

bool ZEPTDBBaseData::setProperty(Set set, wchar_t const* name, COleVariant const& value, int type) {
  if (!isPropertyName(name) || !storableNumber(value)) return false;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return false;
  try {
    bool exists = true;
    short storedType = 0;
    try {
      storedType = m_db.GetPropertyType(set, name);
    } catch (CDaoException const&) {
      exists = false;
    }
    if (!exists) {
      m_db.CreateProperty(set, name, static_cast<short>(type), value);
    } else if (storedType != type) {
      return false;
    } else if (set == Set::Database && type == dbText) {
      if (value.vt != VT_BSTR) throw CDaoException(zept::jet::kTypeMismatch, L"Type mismatch: the value is not text.");
      m_db.SetPropertyValue(set, name, COleVariant(value.text()));
    } else {
      m_db.SetPropertyValue(set, name, value);
    }
  } catch (CDaoException const&) {
    return false;
  }
  restoreDBStatus(status);
  return true;
}

bool ZEPTDBBaseData::getDBProperty(CDaoDatabase& db, wchar_t const* name, COleVariant& value) {
  return readProperty(db, Set::Database, name, value);
}

bool ZEPTDBBaseData::getDBProperty(wchar_t const* name, COleVariant& value) { return getDBProperty(m_db, name, value); }

int ZEPTDBBaseData::getDBPropertyCount() { return propertyCount(Set::Database); }

bool ZEPTDBBaseData::getDBPropertyList(CStringArray& names) { return propertyList(Set::Database, names); }

bool ZEPTDBBaseData::setDBProperty(wchar_t const* name, COleVariant const& value, int type) {
  return setProperty(Set::Database, name, value, type);
}

int ZEPTDBBaseData::getCustomDBPropertyCount() { return propertyCount(Set::UserDefined); }

bool ZEPTDBBaseData::getCustomDBPropertyList(CStringArray& names) { return propertyList(Set::UserDefined, names); }

bool ZEPTDBBaseData::getCustomDBProperty(wchar_t const* name, COleVariant& value) {
  return readProperty(m_db, Set::UserDefined, name, value);
}

bool ZEPTDBBaseData::setCustomDBProperty(wchar_t const* name, COleVariant const& value, int type) {
  return setProperty(Set::UserDefined, name, value, type);
}
