// SPDX-License-Identifier: MIT
// Profile catalog reads and writes on ProfileColumns' tables: sizes kept in
// the catalog's RecordCache, KORVA contours turned into scripts by KorvaToPdl,
// new and older-layout catalogs given their scripts by the PDLScripts template.
#include "database/ZEPTDBProfile.h"

#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "database/CallerText.h"

#include "database/CatalogRows.h"
#include "database/KorvaToPdl.h"
#include "database/ProfileColumns.h"
#include "database/RecordCache.h"
#include "platform/core/Exceptions.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTransaction.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"

using zept::catalog::read;
using zept::catalog::take;

namespace {

constexpr wchar_t kTemplateFile[] = L"\\PDLScripts.mdb";
constexpr wchar_t kScriptColumns[] =
    L"SELECT DISTINCTROW PDLScripts.ID, PDLScripts.SHAPE_TYPE, PDLScripts.PDL_SCRIPT, PDLScripts.IS_SYMMETRIC INTO "
    L"Section FROM PDLScripts ";
constexpr wchar_t kScriptJoin[] =
    L" JOIN Shape ON PDLScripts.SHAPE_TYPE = Shape.SHAPE_TYPE ORDER BY PDLScripts.SHAPE_TYPE;";

using Record = ZEPTDBProfileData;
using zept::profile::DoubleColumn;
using zept::profile::kAreas;
using zept::profile::kDims;
using zept::profile::kFurtherDims;
using zept::profile::kSectionValues;

void writeDoubles(CDaoRecordset& rs, DoubleColumn const* columns, std::size_t count, Record const& record) {
  for (std::size_t i = 0; i < count; ++i) rs.SetFieldValue(columns[i].name, COleVariant(record.*columns[i].member));
}

template <std::size_t N>
void writeDoubles(CDaoRecordset& rs, DoubleColumn const (&columns)[N], Record const& record) {
  writeDoubles(rs, columns, N, record);
}

// The ID a new size takes: one past the largest. Catalogs whose Shape was
// made by SELECT ... INTO (the bundled ones, and those createProfileDB
// makes) keep ID as a plain LONG, as Jet's make-table does, not as a
// counter, so a new row is numbered as the counter would number it. Empty
// when the table has no ID column.
std::optional<long> nextShapeId(CDaoDatabase& db) {
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, L"SELECT MAX(Shape.ID) AS LAST_ID FROM Shape;", 0);
    COleVariant last;
    rs.GetFieldValue(L"LAST_ID", last);
    return last.isNull() ? 1L : static_cast<long>(last.toDouble()) + 1;
  } catch (CDaoException const&) {
    return std::nullopt;
  }
}

// Whether every double setProfileData writes is finite: a catalog holds
// no NaN (it would read back as a null) and no infinity.
bool writableValues(Record const& record) {
  auto finite = [&record](DoubleColumn const* columns, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
      if (!std::isfinite(record.*columns[i].member)) return false;
    return true;
  };
  return finite(kSectionValues, std::size(kSectionValues)) && finite(kAreas, std::size(kAreas)) &&
         finite(kFurtherDims, zept::profile::kWrittenFurtherDims);
}

// The members a size's row fills, in reading order, with their columns;
// `nullable` texts are emptied by a null, the others left. IS_SYMMETRIC
// follows, read after a contour's script is derived.
template <typename Visit>
constexpr void eachMember(Visit&& visit) {
  visit(L"Shape.ID", &Record::shapeId, false);
  visit(L"Section.ID", &Record::sectionId, false);
  visit(L"NAME", &Record::name, false);
  for (auto const& c : kDims) visit(c.name, c.member, false);
  visit(L"Shape.SHAPE_TYPE", &Record::shapeType, false);
  for (auto const& c : kSectionValues) visit(c.name, c.member, false);
  visit(L"SYMBOL", &Record::symbol, true);
  for (auto const& c : kAreas) visit(c.name, c.member, false);
  visit(L"HAS_MATS", &Record::hasMats, false);
  visit(L"MATERIALS", &Record::materials, false);
  visit(L"POINTS", &Record::points, false);
  visit(L"IS_THIN", &Record::isThin, false);
  for (auto const& c : kFurtherDims) visit(c.name, c.member, false);
  visit(L"PDL_SCRIPT", &Record::pdlScript, true);
}

// Bits of the members a row sets, as eachMember orders them.
constexpr int bitOf(ZEPTString Record::*text) {
  int bit = 0, found = -1;
  eachMember([&](wchar_t const*, auto member, bool) {
    if constexpr (std::is_same_v<decltype(member), ZEPTString Record::*>)
      if (member == text) found = bit;
    ++bit;
  });
  return found;
}
constexpr std::uint64_t kSymbolSet = std::uint64_t{1} << bitOf(&Record::symbol);
constexpr std::uint64_t kScriptSet = std::uint64_t{1} << bitOf(&Record::pdlScript);
constexpr std::uint64_t kSymmetricSet = kScriptSet << 1;  // the member after them all

using RecordCache = zept::db::RecordCache<Record>;

// What a read of the row would do to `to`: the members it sets, the others
// left as the caller had them.
void applyRow(RecordCache::Entry const& row, Record& to) {
  std::uint64_t bit = 1;
  eachMember([&](wchar_t const*, auto member, bool) {
    if (row.set & bit) to.*member = row.record.*member;
    bit <<= 1;
  });
  if (row.set & kSymmetricSet) to.isSymmetric = row.record.isSymmetric;
}

std::size_t heapBytes(Record const& r) {
  std::size_t characters = 0;
  for (ZEPTString const* text : {&r.name, &r.symbol, &r.materials, &r.points, &r.pdlScript})
    characters += text->str().size();
  return characters * sizeof(wchar_t);
}

COleVariant yesNo(bool value) { return COleVariant(static_cast<long>(value ? 1 : 0)); }

// A size is named by a literal text and three plain numbers; anything else
// could change which rows the size statements read or write.
bool isSizeKey(std::wstring_view name, std::wstring_view dim1, std::wstring_view dim2, std::wstring_view dim3) {
  return zept::db::isLiteralText(name) && zept::db::isNumberLiteral(dim1) && zept::db::isNumberLiteral(dim2) &&
         zept::db::isNumberLiteral(dim3);
}

bool isSizeKey(CString const& name, CString const& dim1, CString const& dim2, CString const& dim3) {
  return isSizeKey(name.view(), dim1.view(), dim2.view(), dim3.view());
}

// The three texts of a dimension string as StringToDims splits it, as views
// into it ("0" for a part it lacks).
struct DimTexts {
  std::wstring_view part[3] = {L"0", L"0", L"0"};
  explicit DimTexts(std::wstring_view text) {
    const std::size_t first = text.find(L'x');
    if (first == std::wstring_view::npos) {
      part[0] = text;
      return;
    }
    const std::size_t last = text.rfind(L'x');
    part[0] = text.substr(0, first);
    if (first != last) part[1] = text.substr(first + 1, last - first - 1);
    part[2] = text.substr(last + 1);
  }
};

// The statements that pick one size: `head`, then the size's condition;
// callers check the key first. Written into one buffer that keeps the head:
// a size read is a few microseconds, and joining the pieces two at a time
// cost a tenth of it.
class SizeStatement {
 public:
  explicit SizeStatement(std::wstring_view head) : m_text(head) {
    m_text.append(L"WHERE (((Shape.NAME)=\"");
    m_fixed = m_text.size();
  }
  std::wstring const& of(std::wstring_view name, std::wstring_view dim1, std::wstring_view dim2,
                         std::wstring_view dim3) {
    m_text.resize(m_fixed);
    m_text.append(name);
    m_text.append(L"\") AND ((Shape.DIM1)=").append(dim1);
    m_text.append(L") AND ((Shape.DIM2)=").append(dim2);
    m_text.append(L") AND ((Shape.DIM3)=").append(dim3);
    m_text.append(L"));");
    return m_text;
  }

 private:
  std::wstring m_text;
  std::size_t m_fixed = 0;
};

CString templateConnect(CString const& dataPath, wchar_t const* table) {
  // Without a data folder the template would be looked for at the root.
  if (dataPath.IsEmpty()) throw CDaoException(zept::jet::kFileNotFound, L"No data folder holds the template.");
  return L";DATABASE=" + dataPath + kTemplateFile + L";TABLE=" + table;
}

void linkTemplate(CDaoDatabase& db, wchar_t const* name, CString const& connect) {
  // A conversion killed before it was done left its link: it is made anew.
  try {
    CDaoTableDefInfo info;
    db.GetTableDefInfo(name, info, AFX_DAO_PRIMARY_INFO);
    if (info.m_lAttributes & dbAttachedTable) db.DeleteTableDef(name);
  } catch (CDaoException const&) {
  }
  CDaoTableDef link(&db);
  link.Create(name, dbAttachExclusive, name, connect);
  link.Append();
  link.Close();
}

void renameTable(CDaoDatabase& db, wchar_t const* from, wchar_t const* to) {
  CDaoTableDef table(&db);
  table.Open(from);
  table.SetName(to);
  table.Close();
}

// Sizes are looked up by name and dimensions; Jet's catalogs did without an
// index, but a large native catalog would otherwise be scanned per lookup.
// One the catalog has already, or cannot take, only costs speed.
void indexSizes(CDaoDatabase& db) {
  try {
    db.Execute(L"CREATE INDEX ShapeSizes ON Shape (NAME, DIM1, DIM2, DIM3)", dbFailOnError);
  } catch (CDaoException const&) {
  }
}

}  // namespace

// Deriving a contour's script costs several times the read of its row, and
// a model asks for the same few sizes again and again. A script depends on
// nothing but the contour text and the section unit it is written in, so an
// entry, keyed by both, is never stale; only the unit belongs to the open
// catalog, and it is read again after anything that may have changed it.
struct ZEPTDBProfile::ContourScripts {
  struct Script {
    ZEPTString text;
    bool recognised = false;
  };
  // A contour text with its hash, made once per read.
  struct Probe {
    std::wstring_view text;
    std::size_t hash;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::wstring const& text) const { return zept::dao::textHash(text); }
    std::size_t operator()(Probe const& probe) const { return probe.hash; }
  };
  struct Equal {
    using is_transparent = void;
    bool operator()(std::wstring const& a, std::wstring const& b) const { return a == b; }
    bool operator()(Probe const& a, std::wstring const& b) const { return a.text == b; }
    bool operator()(std::wstring const& a, Probe const& b) const { return a == b.text; }
  };
  using Scripts = std::unordered_map<std::wstring, Script, Hash, Equal>;  // by contour text
  // Contour texts and scripts together, in characters; past it the scripts
  // start afresh, which costs a conversion per miss and nothing else.
  static constexpr std::size_t kCapacity = std::size_t{1} << 20;

  // The section unit of the open catalog, once read: present or not, and
  // the scripts written in it.
  bool unitRead = false;
  bool unitPresent = false;
  CString unitName;
  Scripts* current = nullptr;
  // The catalog the unit was read from: its path, and the identity of its
  // file when it was open read-only (then every write, by anyone, changes
  // it), else its engine's serial, which another open replaces. A
  // reselection of the same unchanged file keeps the unit.
  std::uint64_t engine = 0;
  std::optional<zept::dao::FileIdentity> identity;
  std::string catalog;

  // By unit: its length, ":" and its name, or "-" for none, so no two
  // units share a key.
  std::unordered_map<std::wstring, Scripts> byUnit;
  std::size_t characters = 0;

  // The contours converted lately, by hash: a script is kept when its
  // contour comes again while it is still among them. A sweep over a
  // catalog's sizes then converts each contour and keeps nothing, instead
  // of filling memory with scripts nobody asks for again; a contour read
  // again within some thousands of conversions is kept on its second read.
  // Buckets of four, each slot with the conversion it was last seen at; a
  // new contour takes the slot seen least lately, so contours that share a
  // bucket do not keep evicting each other.
  struct Seen {
    std::uint32_t tag = 0;  // never 0 once used
    std::uint32_t at = 0;
  };
  static constexpr std::size_t kSeenBuckets = 2048;
  std::array<std::array<Seen, 4>, kSeenBuckets> seen{};
  std::uint32_t conversions = 0;
  bool admits(std::size_t hash) {
    auto& bucket = seen[hash % kSeenBuckets];
    const auto tag = static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32) | 1u;
    ++conversions;
    Seen* oldest = &bucket[0];
    for (Seen& slot : bucket) {
      if (slot.tag == tag) {
        slot.at = conversions;
        return true;
      }
      if (slot.at < oldest->at) oldest = &slot;
    }
    *oldest = Seen{tag, conversions};
    return false;
  }

  bool unitFor(CDaoDatabase& db) const {
    if (!unitRead) return false;
    zept::dao::Engine const& open = db.engine();
    if (catalog != open.path()) return false;
    if (identity && open.identity()) return *identity == *open.identity();
    return engine == open.serial();
  }

  void setUnit(CDaoDatabase& db, bool present, CString const& name) {
    unitRead = true;
    unitPresent = present;
    unitName = present ? name : CString();
    zept::dao::Engine const& open = db.engine();
    engine = open.serial();
    identity = open.identity();
    catalog = open.path();
    current = &scriptsOfUnit();
    seen = {};
    conversions = 0;
  }

  Scripts& scriptsOfUnit() {
    return byUnit[unitPresent ? std::to_wstring(unitName.GetLength()) + L":" + unitName.str() : L"-"];
  }

  void store(std::wstring const& symbol, std::wstring const& script, bool recognised) {
    const std::size_t size = symbol.size() + script.size();
    if (size > kCapacity) return;
    if (characters + size > kCapacity) {
      byUnit.clear();
      characters = 0;
      current = &scriptsOfUnit();
    }
    characters += size;
    current->insert_or_assign(symbol, Script{ZEPTString(script), recognised});
  }
};

ZEPTDBProfile::ContourScripts& ZEPTDBProfile::contourScripts() {
  if (!m_contourScripts) m_contourScripts = std::make_unique<ContourScripts>();
  return *m_contourScripts;
}

void ZEPTDBProfile::forgetSectionUnit() {
  if (m_contourScripts) m_contourScripts->unitRead = false;
}

ZEPTDBProfile::ZEPTDBProfile() : ZEPTDBBaseData(CFGProfiles) {}

ZEPTDBProfile::~ZEPTDBProfile() = default;

bool ZEPTDBProfile::setProfileDB(CString const& catalogName) {
  // An empty name would select the file "pro.mdb", which names no catalog.
  if (!zept::db::isCatalogName(catalogName)) {
    m_db.Close();
    setLastDBError(zept::jet::kFileNotFound);
    return false;
  }
  if (!setDB(catalogName + L"pro")) return false;
  const eVersion version = CheckDBFormat();
  if (version == eCurrent) return true;
  forgetSectionUnit();
  if (version == eNoSections || version == eOldTables) return ConvertToVELD(version);
  return knownFormat(false);
}

ZEPTDBProfile::eVersion ZEPTDBProfile::CheckDBFormat() {
  if (!m_db.IsOpen()) return eInvalid;
  if (!isTableExist(m_db, L"shape")) return eInvalid;
  // Converting builds Section from the sizes' shape types: with no sizes it
  // stays empty, so an empty catalog is current (a read would otherwise
  // take it exclusively and commit, every time).
  if (isTableExist(m_db, L"Section"))
    return isTableEmpty(m_db, L"Section") && !isTableEmpty(m_db, L"shape") ? eNoSections : eCurrent;
  if (isTableExist(m_db, L"Profile")) return eOldTables;
  return eNoSections;
}

bool ZEPTDBProfile::getProfileDBList(CStringArray& names, wchar_t const* filter) {
  return getDBList(L"*pro", names, filter);
}

bool ZEPTDBProfile::getProfileShapeList(CStringArray& names, DtArray<int>* shapeTypes) {
  names.RemoveAll();
  if (shapeTypes) shapeTypes->setLogicalLength(0);
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, L"SELECT DISTINCT NAME, SHAPE_TYPE FROM Shape ORDER BY NAME;", 0);
    for (; !rs.IsEOF(); rs.MoveNext()) {
      CString name;
      if (!read(rs, L"NAME", name)) continue;
      names.Add(name);
      if (!shapeTypes) continue;
      std::int16_t shapeType = -1;
      read(rs, L"SHAPE_TYPE", shapeType);
      shapeTypes->append(shapeType);
    }
    return true;
  } catch (...) {
    return false;
  }
}

CString ZEPTDBProfile::getProfileShapeDescription(CString const& shape) {
  CString description;
  if (!zept::db::isLiteralText(shape)) return description;
  if (!m_db.IsOpen() || !isTableExist(m_db, L"ProfileName")) return description;
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, L"SELECT DESCRIPTION FROM ProfileName WHERE SHAPE=\"" + shape + L"\";", 0);
    if (!rs.IsEOF()) read(rs, L"DESCRIPTION", description);
  } catch (...) {
  }
  return description;
}

bool ZEPTDBProfile::getProfileDimList(CString const& profileName, CStringArray& dims, int shapeType) {
  if (!zept::db::isLiteralText(profileName)) {
    dims.RemoveAll();
    return false;
  }
  CString sql = L"SELECT DIM1,DIM2,DIM3 FROM Shape WHERE (((NAME)=\"" + profileName + L"\")";
  if (shapeType >= 0) {
    CString type;
    type.Format(L" AND ((Shape.SHAPE_TYPE)=%d)", shapeType);
    sql += type;
  }
  sql += L") ORDER BY DIM1,DIM2,DIM3;";
  dims.RemoveAll();
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, sql, 0);
    for (; !rs.IsEOF(); rs.MoveNext()) {
      double d[3];
      bool complete = true;
      for (int i = 0; i < 3 && complete; ++i) complete = read(rs, kDims[i].name, d[i]);
      if (complete) dims.Add(DimsToString(d[0], d[1], d[2]));
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool ZEPTDBProfile::getProfileData(CString const& profileName, CString const& dims, ZEPTDBProfileData* record) {
  const DimTexts dim(dims.view());
  if (!isSizeKey(profileName.view(), dim.part[0], dim.part[1], dim.part[2])) return false;
  RecordCache* cache = RecordCache::of(m_db);
  if (cache) {
    // A checked name holds no control character, so the line break ends it.
    cache->key().assign(profileName.view()).append(1, L'\n').append(dims.view());
    if (RecordCache::Entry const* hit = cache->answer(record != nullptr)) {
      if (hit->found && record) applyRow(*hit, *record);
      return hit->found;
    }
  }
  thread_local SizeStatement statement(
      L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE ");
  std::wstring const& sql = statement.of(profileName.view(), dim.part[0], dim.part[1], dim.part[2]);
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, sql.c_str(), 0);
    const bool found = !rs.IsEOF();
    if (!found || !record) {
      if (cache) cache->keepFound(found);
      return found;
    }
    // Where the catalog cannot change the columns are found once, and read
    // by position; else by name. A column the result lacks is read by name,
    // which fails there as it always did.
    int const* positions = nullptr;
    if (cache) {
      if (cache->positions().empty()) {
        std::vector<int> resolved;
        eachMember([&](wchar_t const* column, auto, bool) { resolved.push_back(rs.GetFieldIndex(column)); });
        resolved.push_back(rs.GetFieldIndex(L"IS_SYMMETRIC"));
        cache->positions() = std::move(resolved);
      }
      positions = cache->positions().data();
    }
    COleVariant value;  // one for every column: a text's storage serves the next
    int at = 0;
    auto fetch = [&](wchar_t const* column) -> COleVariant const& {
      const int index = positions ? positions[at] : -1;
      ++at;
      if (index >= 0)
        rs.GetFieldValue(index, value);
      else
        rs.GetFieldValue(column, value);
      return value;
    };
    Record& r = *record;
    std::uint64_t set = 0, bit = 1;
    eachMember([&](wchar_t const* column, auto member, bool nullable) {
      bool taken;
      if constexpr (std::is_same_v<decltype(member), ZEPTString Record::*>) {
        // A row's own contour replaces the script, which is then not read:
        // only that the column is there matters.
        if (member == &Record::pdlScript && !r.symbol.isEmpty() && positions && positions[at] >= 0) {
          ++at;
          taken = false;
        } else {
          COleVariant const& v = fetch(column);
          taken = take(v, r.*member);
          if (!taken && nullable && v.vt == VT_NULL) {
            (r.*member).empty();
            taken = true;
          }
        }
      } else {
        taken = take(fetch(column), r.*member);
      }
      if (taken) set |= bit;
      bit <<= 1;
    });
    // A row's own contour wins over its shape type's script.
    if (!r.symbol.isEmpty()) {
      Korva2PDL(record);
      set |= kScriptSet;
    }
    if (take(fetch(L"IS_SYMMETRIC"), r.isSymmetric)) set |= kSymmetricSet;
    // A row that leaves SYMBOL as the caller had it derives the script from
    // the caller's contour: that is no answer of the row's alone.
    if (cache && (set & kSymbolSet)) cache->keepRecord(set, r, heapBytes(r));
    return true;
  } catch (...) {
    return false;
  }
}

bool ZEPTDBProfile::Korva2PDL(ZEPTDBProfileData* record) {
  record->pdlScript.empty();
  ContourScripts& cache = sectionUnit();
  std::wstring const& symbol = record->symbol.str();
  const ContourScripts::Probe probe{symbol, zept::dao::textHash(symbol)};
  if (!cache.current->empty()) {
    if (auto hit = cache.current->find(probe); hit != cache.current->end()) {
      record->pdlScript = hit->second.text;
      return hit->second.recognised;
    }
  }
  // Written where the last one was, then into the record's own storage.
  thread_local std::wstring script;
  // A unit the math module does not know throws; nothing is kept then.
  const bool recognised = zept::korvaToPdl(symbol.c_str(), cache.unitPresent ? &cache.unitName : nullptr, script);
  if (cache.admits(probe.hash)) cache.store(symbol, script, recognised);
  record->pdlScript.assign(script);
  return recognised;
}

ZEPTDBProfile::ContourScripts& ZEPTDBProfile::sectionUnit() {
  ContourScripts& cache = contourScripts();
  if (!cache.unitFor(m_db)) {
    COleVariant unit;
    const bool present = getDBProperty(L"unit_sect", unit) && unit.vt == VT_BSTR;
    cache.setUnit(m_db, present, present ? unit.text() : CString());
  }
  return cache;
}

double ZEPTDBProfile::getCrossFactor(CString const& unit, CStringArray* unitNames) {
  COleVariant value;
  if (unitNames) {
    unitNames->RemoveAll();
    for (auto const* name : {L"unit_long", L"unit_weight"})
      if (getDBProperty(name, value) && value.vt == VT_BSTR) unitNames->Add(value.text());
  }
  // Each catalog section is built with two factors; the unit is kept.
  CString section;
  if (m_db.IsOpen()) {
    ContourScripts const& cache = sectionUnit();
    if (cache.unitPresent) section = cache.unitName;
    if (unitNames && cache.unitPresent) unitNames->InsertAt(0, section);
  }
  return calcCrossFactor(section, unit);
}

int ZEPTDBProfile::createProfileDB(CString const& catalogName, DtDb::MeasurementValue units) {
  if (m_appPath.IsEmpty() || !zept::db::isCatalogName(catalogName)) return -1;
  CStringArray listed;
  if (!getProfileDBList(listed, nullptr)) return -1;
  for (auto const& name : listed)
    if (name == catalogName) return 1;
  const CString path = m_appPath + catalogName + L"Pro.mdb";
  forgetSectionUnit();
  if (m_db.IsOpen()) m_db.Close();
  if (zept::fs::fileExists(path.view()) || !startCatalog(path)) return -1;
  try {
    const bool metric = units == DtDb::kMetric;
    setDBProperty(L"unit_long", COleVariant(metric ? L"mm" : L"ft"), dbText);
    setDBProperty(L"unit_weight", COleVariant(metric ? L"kG" : L"lb"), dbText);
    setDBProperty(L"unit_sect", COleVariant(metric ? L"mm" : L"in"), dbText);
    setDBProperty(L"std_catalog", COleVariant(false), dbBoolean);
    setDBProperty(L"catalog_name", COleVariant(catalogName), dbText);
    setDBProperty(L"catalog_comment", COleVariant(catalogName + L" custom profiles"), dbText);
  } catch (...) {
    finishCatalog(path);
    return -1;
  }
  int result = 0;
  try {
    const CString connect = templateConnect(m_dataPath, L"Shape");
    linkTemplate(m_db, L"ShapeTemplate", connect);
    m_db.Execute(L"SELECT ShapeTemplate.* INTO Shape FROM ShapeTemplate;", dbFailOnError);
    m_db.DeleteTableDef(L"ShapeTemplate");
    linkTemplate(m_db, L"PDLScripts", connect);
    m_db.Execute(CString(kScriptColumns) + L"RIGHT" + kScriptJoin, dbFailOnError);
    m_db.DeleteTableDef(L"PDLScripts");
    indexSizes(m_db);
  } catch (...) {
    result = 2;
  }
  return finishCatalog(path) ? result : -1;
}

bool ZEPTDBProfile::ConvertToVELD(eVersion version) {
  if (version == eInvalid) return false;
  if (version == eCurrent) return true;
  // Converted where it lies, also in the data folder: the base's way of
  // making it writable, without this class's copy step.
  ZEPTDBStatus status;
  if (!ZEPTDBBaseData::makeDBWritable(status)) return false;
  // The tables change in one transaction, so a conversion killed midway
  // leaves the older layout for the next selection to convert. The template
  // is linked before it (attaching its file cannot be part of one) and the
  // link removed within it.
  try {
    if (version == eNoSections) {
      linkTemplate(m_db, L"PDLScripts", templateConnect(m_dataPath, L"PDLScripts"));
      CDaoTransaction tx(m_db);
      if (isTableExist(m_db, L"Section")) m_db.DeleteTableDef(L"Section");
      renameTable(m_db, L"shape", L"Shape");
      m_db.Execute(CString(kScriptColumns) + L"INNER" + kScriptJoin, dbFailOnError);
      m_db.DeleteTableDef(L"PDLScripts");
      indexSizes(m_db);
      tx.Commit();
    } else {
      CDaoTransaction tx(m_db);
      renameTable(m_db, L"shape", L"Section");
      renameTable(m_db, L"Profile", L"Shape");
      indexSizes(m_db);
      tx.Commit();
    }
  } catch (...) {
    return false;
  }
  restoreDBStatus(status);
  return true;
}

int ZEPTDBProfile::setProfileData(ZEPTDBProfileData& record) {
  if (record.name.isEmpty()) return 2;
  CString dim1, dim2, dim3;
  StringToDims(DimsToString(record.dim1, record.dim2, record.dim3), dim1, dim2, dim3);
  if (!isSizeKey(record.name, dim1, dim2, dim3) || !writableValues(record)) return -1;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return -1;
  try {
    // The size row and its shape type's script row are one change.
    CDaoTransaction tx(m_db);
    CDaoRecordset shape(&m_db);
    shape.Open(dbOpenDynaset,
               SizeStatement(L"SELECT * FROM Shape ").of(record.name.str(), dim1.view(), dim2.view(), dim3.view()).c_str(),
               0);
    if (shape.IsEOF()) {
      const std::optional<long> id = nextShapeId(m_db);
      shape.AddNew();
      if (id) shape.SetFieldValue(L"ID", COleVariant(*id));
    } else {
      shape.Edit();
    }
    writeDoubles(shape, kDims, record);
    shape.SetFieldValue(L"NAME", COleVariant(CString(record.name).Left(4)));
    shape.SetFieldValue(L"SHAPE_TYPE", COleVariant(static_cast<short>(record.shapeType)));
    writeDoubles(shape, kSectionValues, record);
    shape.SetFieldValue(L"SYMBOL", record.symbol.c_str());
    writeDoubles(shape, kAreas, record);
    shape.SetFieldValue(L"HAS_MATS", yesNo(record.hasMats));
    shape.SetFieldValue(L"MATERIALS", record.materials.c_str());
    shape.SetFieldValue(L"POINTS", record.points.c_str());
    shape.SetFieldValue(L"IS_THIN", yesNo(record.isThin));
    writeDoubles(shape, kFurtherDims, zept::profile::kWrittenFurtherDims, record);
    shape.Update();
    shape.Close();

    if (record.shapeType > 0) {
      CString sql;
      sql.Format(L"SELECT * FROM Section WHERE Section.SHAPE_TYPE=%d;", static_cast<int>(record.shapeType));
      CDaoRecordset section(&m_db);
      section.Open(dbOpenDynaset, sql, 0);
      if (section.IsEOF()) {
        CDaoDatabase templateDb;
        templateDb.Open(m_dataPath + kTemplateFile, false, true, L"");
        sql.Format(L"SELECT * FROM PDLScripts WHERE PDLScripts.SHAPE_TYPE=%d;", static_cast<int>(record.shapeType));
        CDaoRecordset script(&templateDb);
        script.Open(dbOpenDynaset, sql, 0);
        if (!script.IsEOF()) {
          section.AddNew();
          for (auto const* column : {L"SHAPE_TYPE", L"PDL_SCRIPT", L"IS_SYMMETRIC"})
            section.SetFieldValue(column, script.GetFieldValue(column));
          section.Update();
        }
        script.Close();
        templateDb.Close();
      }
      section.Close();
    }
    tx.Commit();
    restoreDBStatus(status);
  } catch (...) {
    return -1;
  }
  return 0;
}

bool ZEPTDBProfile::makeDBWritable(ZEPTDBBaseData::ZEPTDBStatus& status) {
  // Every write through this accessor, a property's as well, comes here.
  forgetSectionUnit();
  // A server's catalog stays as published: only its copy is written.
  status = ZEPTDBStatus();
  if (!m_db.IsOpen() || (!inServerMirror(m_db.GetName()) && !ZEPTDBBaseData::makeDBWritable(status))) return false;
  CString path = m_db.GetName();
  path.MakeUpper();
  if (!inDataFolder(path)) return true;
  // Without an application folder there is nowhere to copy it to.
  if (m_appPath.IsEmpty()) {
    restoreDBStatus(status);
    m_db.Close();
    return false;
  }
  const CString target = m_appPath + extractFileName(path);
  // With the application folder also the data folder the copy would be the
  // catalog itself: it is written where it lies.
  const auto here = zept::fs::resolve(path.view());
  if (here && here == zept::fs::resolve(target.view())) return true;
  restoreDBStatus(status);
  // Selection prefers the application folder, so a copy there now was made
  // by another writer after this catalog was selected: replacing it would
  // lose that writer's change, so this write fails instead. The copy is
  // read under the shared lock, so that no writer is halfway through it.
  const auto copy = zept::fs::resolve(target.view());
  const bool copied = m_db.IsOpen() && copy && zept::dao::removeOrphanJournal(*copy) &&
                      zept::fs::copyFile(path.view(), target.view(), true);
  m_db.Close();
  if (!copied || !openDatabase(m_db, target, true, false)) return false;
  return ZEPTDBBaseData::makeDBWritable(status);
}
