// SPDX-License-Identifier: MIT
// zeptcat props CATALOG [--custom] [--set NAME=VALUE [--type T]]: a catalog's
// database and custom properties, read and written through the catalog base.
#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Exceptions.h"
#include "platform/dao/DaoTypes.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

using Set = CDaoDatabase::PropertySet;

struct PropsOptions {
  std::string catalog;
  std::optional<std::string> assignment;
  std::string type = "text";
  bool custom = false;
};

const std::map<std::string, short> kTypes = {
    {"bool", dbBoolean}, {"long", dbLong}, {"double", dbDouble}, {"text", dbText}};

std::wstring typeName(short type) {
  switch (type) {
    case dbBoolean: return L"bool";
    case dbByte: return L"byte";
    case dbInteger: return L"integer";
    case dbLong: return L"long";
    case dbSingle: return L"single";
    case dbDouble: return L"double";
    case dbDate: return L"date";
    case dbText: return L"text";
    case dbMemo: return L"memo";
    default: return std::to_wstring(type);
  }
}

// A catalog accessor opened on one catalog. It keeps what the last
// makeDBWritable changed, so that a failed write can be undone too: the
// library puts the catalog back only after a successful one.
class PropsAccessor : public ZEPTDBBaseData {
 public:
  PropsAccessor() : ZEPTDBBaseData(CFGProfiles) {}

  bool open(std::wstring const& path) { return openDatabase(m_db, CString(path), true, false); }

  // The DAO type number, or -1 when there is no such property.
  short typeOf(Set set, wchar_t const* name) {
    try {
      return m_db.GetPropertyType(set, name);
    } catch (CDaoException const&) {
      return -1;
    }
  }

  void undoWritable() {
    restoreDBStatus(m_lastStatus);
    m_lastStatus = ZEPTDBStatus();
  }

 protected:
  bool makeDBWritable(ZEPTDBStatus& status) override {
    const bool made = ZEPTDBBaseData::makeDBWritable(status);
    m_lastStatus = status;
    return made;
  }

 private:
  ZEPTDBStatus m_lastStatus;
};

template <typename T>
bool parseWhole(std::string const& text, T& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

COleVariant parseValue(std::string const& text, short type) {
  switch (type) {
    case dbLong: {
      long value = 0;
      if (!parseWhole(text, value) || value < std::numeric_limits<std::int32_t>::min() ||
          value > std::numeric_limits<std::int32_t>::max())
        throw UsageError("\"" + text + "\" is not a long (32-bit) integer");
      return COleVariant(value);
    }
    case dbDouble: {
      double value = 0;
      if (!parseWhole(text, value)) throw UsageError("\"" + text + "\" is not a number");
      return COleVariant(value);
    }
    case dbBoolean:
      if (text == "true" || text == "True" || text == "yes" || text == "1") return COleVariant(true);
      if (text == "false" || text == "False" || text == "no" || text == "0") return COleVariant(false);
      throw UsageError("\"" + text + "\" is not a boolean; use true or false");
    default:
      return COleVariant(CString::fromUtf8(text));
  }
}

void addRows(PropsAccessor& db, ResultTable& table, Set set, std::optional<std::wstring> const& only = {}) {
  const bool custom = set == Set::UserDefined;
  CStringArray names;
  if (!(custom ? db.getCustomDBPropertyList(names) : db.getDBPropertyList(names)))
    throw std::runtime_error(custom ? "cannot read the custom properties" : "cannot read the database properties");
  for (auto const& name : names) {
    if (only && name.CompareNoCase(only->c_str()) != 0) continue;
    COleVariant value;
    if (!(custom ? db.getCustomDBProperty(name, value) : db.getDBProperty(name, value))) value = COleVariant::null();
    table.rows.push_back({COleVariant(custom ? L"custom" : L"database"), COleVariant(name),
                          COleVariant(typeName(db.typeOf(set, name)).c_str()), value});
  }
}

void setProperty(PropsAccessor& db, Set set, PropsOptions const& o) {
  const auto eq = o.assignment->find('=');
  if (eq == std::string::npos || eq == 0) throw UsageError("--set needs NAME=VALUE");
  const CString name = CString::fromUtf8(o.assignment->substr(0, eq));
  const short type = kTypes.at(o.type);
  const COleVariant value = parseValue(o.assignment->substr(eq + 1), type);
  const bool custom = set == Set::UserDefined;
  if (custom ? db.setCustomDBProperty(name, value, type) : db.setDBProperty(name, value, type)) return;

  db.undoWritable();
  const std::string what = std::string(custom ? "custom" : "database") + " property " + name.toUtf8();
  const short stored = db.typeOf(set, name);
  if (stored >= 0 && stored != type)
    throw std::runtime_error("cannot set " + what + ": it is " + CString(typeName(stored)).toUtf8() + ", not " +
                             o.type);
  throw std::runtime_error("cannot set " + what + " of " + o.catalog +
                           ": the catalog cannot be opened for writing, or the property is read-only");
}

void runProps(Context const& ctx, PropsOptions const& o) {
  PropsAccessor db;
  const std::wstring found = catalogPath(ctx, o.catalog);
  if (!db.open(o.assignment ? writableCatalog(o.catalog, found) : found))
    throw std::runtime_error("cannot open catalog " + o.catalog);
  const Set set = o.custom ? Set::UserDefined : Set::Database;
  ResultTable table;
  table.columns = {L"Set", L"Name", L"Type", L"Value"};
  if (o.assignment) {
    setProperty(db, set, o);
    const auto eq = o.assignment->find('=');
    addRows(db, table, set, CString::fromUtf8(o.assignment->substr(0, eq)).str());
  } else {
    if (!o.custom) addRows(db, table, Set::Database);
    addRows(db, table, Set::UserDefined);
  }
  print(ctx.out, table, ctx.json);
}

}  // namespace

Command addPropsCommand(CLI::App& parent) {
  auto options = std::make_shared<PropsOptions>();
  CLI::App* sub = parent.add_subcommand(
      "props", "Print a catalog's database properties (built-in first) and custom properties, or set one");
  sub->add_option("catalog", options->catalog,
                  "A catalog file, its name (EUROpro), or a catalog's short name (EURO), looked up in the "
                  "application folder first, then the data folder")
      ->required();
  auto* set = sub->add_option("--set", options->assignment,
                              "Write one property, NAME=VALUE (created when new); prints it afterwards");
  sub->add_option("--type", options->type, "The type of the --set value (default: text)")
      ->check(CLI::IsMember({"bool", "long", "double", "text"}))
      ->needs(set);
  sub->add_flag("--custom", options->custom,
                "Only the custom (\"UserDefined\") properties; with --set, write a custom property");
  return {sub, [options](Context const& ctx) { runProps(ctx, *options); }};
}

}  // namespace zeptcat
