// SPDX-License-Identifier: MIT
// zeptcat userobjects: the user-object catalogs through ZEPTDBUserObj.
//
//   userobjects [--category "A;B"] [--lang N]  the catalogs, by category
//   userobjects --categories [--lang N]        every category, translated
//   userobjects --locales CATEGORY             a category's translations
//   userobjects CATALOG                        the objects of a catalog
//   userobjects CATALOG OBJECT [--units U]     one object, mass in U
//   userobjects --create NAME --category C     a new catalog
//   userobjects CATALOG --write FILE|-         add or replace an object
//   userobjects CATALOG --remove OBJECT        delete an object
//
// Objects are written from the JSON a read prints (or any object with the
// same keys) or from key=value lines; "extra.NAME=VALUE" lines give extra
// parameters.
#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "database/ZEPTDBUserObj.h"
#include "platform/core/CStringArray.h"
#include "tools/common/RecordInput.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

using zept::tools::InputValue;

struct UserObjectsOptions {
  std::optional<std::string> catalog;
  std::optional<std::string> object;
  std::optional<std::string> category;
  std::optional<std::string> description;
  std::optional<std::string> units;
  std::optional<std::string> create;
  std::optional<std::string> write;
  std::optional<std::string> remove;
  std::optional<std::string> locales;
  std::optional<long> lang;
  bool categories = false;
};

// Printed by a read, not written: they belong to the catalog or the row.
constexpr char const* kReadOnlyKeys[] = {"id", "catalog", "description", "locales"};

DtDb::MeasurementValue unitsOf(std::string const& name) { return name == "in" ? DtDb::kEnglish : DtDb::kMetric; }

long language(UserObjectsOptions const& o) { return o.lang.value_or(ZEPTDBUserObjData::currentLang()); }

CString wide(std::string const& text) { return CString::fromUtf8(text); }

CString selectCatalog(ZEPTDBUserObj& objs, std::string const& name) {
  const CString catalog = wide(name);
  if (!objs.setUserObjDB(catalog)) catalogRefused(objs, "user-object", name, name + ".mdb");
  return catalog;
}

void runCatalogs(Context const& ctx, UserObjectsOptions const& o) {
  ZEPTDBUserObj objs;
  CStringArray names;
  const std::optional<CString> wanted = o.category ? std::optional(wide(*o.category)) : std::nullopt;
  if (!objs.getUserObjDBList(names, wanted ? wanted->GetString() : nullptr))
    throw std::runtime_error("no catalog folder is configured");
  ResultTable table;
  table.columns = {L"Catalog", L"Category", L"Description", L"LocalCategory", L"LocalDescription"};
  for (auto const& name : names) {
    if (!objs.setUserObjDB(name)) continue;
    table.rows.push_back({COleVariant(name), COleVariant(objs.Category()), textOr(ctx, objs.Description()),
                          COleVariant(objs.LocalCategory(language(o))),
                          textOr(ctx, objs.LocalDescription(language(o)))});
  }
  print(ctx.out, table, ctx.json);
}

void runCategories(Context const& ctx, UserObjectsOptions const& o) {
  ZEPTDBUserObj objs;
  CStringArray categories, local;
  if (!objs.getUserObjCategoryList(categories, &local, language(o)))
    throw std::runtime_error("no catalog folder is configured");
  ResultTable table;
  table.columns = {L"Category", L"LocalCategory"};
  for (int i = 0; i < categories.GetSize(); ++i)
    table.rows.push_back({COleVariant(categories[i]), COleVariant(local[i])});
  print(ctx.out, table, ctx.json);
}

void runLocales(Context const& ctx, UserObjectsOptions const& o) {
  ZEPTDBUserObj objs;
  ZEPTDBUserObjData::Locales locales;
  if (!objs.getUserObjCategoryLocales(wide(*o.locales), locales))
    throw std::runtime_error("no catalog folder is configured");
  // An empty table would read as a category without translations.
  if (locales.isEmpty()) {
    CStringArray categories;
    objs.getUserObjCategoryList(categories, nullptr, language(o));
    std::string known;
    for (auto const& c : categories) {
      if (c == wide(*o.locales)) return print(ctx.out, ResultTable{{L"Lang", L"Category"}, {}}, ctx.json);
      if (!known.empty()) known += ", ";
      known += c.toUtf8();
    }
    throw UsageError("no user-object catalog has the category \"" + *o.locales + "\"; the categories: " +
                     (known.empty() ? std::string("none") : known));
  }
  ResultTable table;
  table.columns = {L"Lang", L"Category"};
  for (auto const& l : locales) table.rows.push_back({COleVariant(l.lang), COleVariant(l.category.c_str())});
  print(ctx.out, table, ctx.json);
}

void runObjects(Context const& ctx, ZEPTDBUserObj& objs, CString const& catalog) {
  CStringArray names;
  if (!objs.getUserObjNameList(names)) throw std::runtime_error("cannot read the objects of " + catalog.toUtf8());
  ResultTable table;
  table.columns = {L"Name"};
  for (auto const& name : names) table.rows.push_back({COleVariant(name)});
  print(ctx.out, table, ctx.json);
}

// The record's fields in order, as (key, value) pairs.
std::vector<std::pair<std::wstring, COleVariant>> fields(ZEPTDBUserObjData const& d, DtDb::MeasurementValue units) {
  std::vector<std::pair<std::wstring, COleVariant>> out = {
      {L"id", COleVariant(static_cast<long>(d.id))}, {L"catalog", COleVariant(d.catalog.c_str())},
      {L"category", COleVariant(d.category.c_str())}, {L"description", COleVariant(d.description.c_str())},
      {L"name", COleVariant(d.name.c_str())}};
  for (auto const& c : kUserObjNumbers) out.emplace_back(c.memberName, COleVariant(d.*c.member));
  out.emplace_back(L"massUnit", COleVariant(units == DtDb::kEnglish ? L"lb" : L"kg"));
  for (auto const& c : kUserObjSymbols) out.emplace_back(c.memberName, COleVariant((d.*c.member).c_str()));
  out.emplace_back(L"symmetry", COleVariant(d.symmetry));
  out.emplace_back(L"isMetric", COleVariant(d.isMetric));
  return out;
}

void runObject(Context const& ctx, ZEPTDBUserObj& objs, CString const& catalog, UserObjectsOptions const& o) {
  const auto units = unitsOf(o.units.value_or("mm"));
  ZEPTDBUserObjData d;
  if (!objs.getUserObjData(wide(*o.object), &d, units))
    throw std::runtime_error("user-object catalog " + catalog.toUtf8() + " has no object " + *o.object);
  ResultTable object, parameters, locales;
  if (ctx.json) object.rows.emplace_back();
  else object.columns = {L"Field", L"Value"};
  for (auto& [key, value] : fields(d, units)) {
    if (ctx.json) {
      object.columns.push_back(key);
      object.rows.back().push_back(value);
    } else {
      object.rows.push_back({COleVariant(key.c_str()), value});
    }
  }
  parameters.columns = {L"description", L"value"};
  for (auto const& p : d.extraParameters)
    parameters.rows.push_back({COleVariant(p.description.c_str()), COleVariant(p.value.c_str())});
  locales.columns = {L"lang", L"category", L"description"};
  for (auto const& l : d.locales)
    locales.rows.push_back({COleVariant(l.lang), COleVariant(l.category.c_str()), COleVariant(l.description.c_str())});
  if (ctx.json)
    return printJsonObject(ctx.out,
                           {{L"object", &object}, {L"extraParameters", &parameters}, {L"locales", &locales}});
  printTable(ctx.out, object);
  ctx.out << "\nExtra parameters:\n";
  printTable(ctx.out, parameters);
  ctx.out << "\nLocales:\n";
  printTable(ctx.out, locales);
}

void runCreate(Context const& ctx, UserObjectsOptions const& o) {
  if (!o.category) throw UsageError("userobjects: --create needs --category");
  requireFileName(*o.create, "userobjects --create");
  ZEPTDBUserObj objs;
  const auto units = unitsOf(o.units.value_or("mm"));
  needAppFolder();
  const int result = objs.createUserObjDB(wide(*o.create), wide(*o.category), wide(o.description.value_or("")), units);
  const std::string file = *o.create + ".mdb";
  switch (result) {
    case 0: break;
    case 1: throw std::runtime_error("a user-object catalog " + *o.create + " exists already in " + folders(objs));
    case 2:
      throw std::runtime_error("the category must be neither empty, nor hold \";\", nor begin or end with white "
                               "space: \"" + *o.category + "\"");
    default: throw std::runtime_error("cannot create " + file + " in " + shown(objs.getDBPath(true)));
  }
  ResultTable table;
  table.columns = {L"Catalog", L"File", L"Category", L"Units"};
  table.rows.push_back({COleVariant(wide(*o.create)), COleVariant(wide(file)), COleVariant(objs.Category()),
                        COleVariant(units == DtDb::kEnglish ? L"in" : L"mm")});
  print(ctx.out, table, ctx.json);
}

// Input that does not fit a record, pointed at where it was written.
[[noreturn]] void badValue(std::string const& key, InputValue const& v, std::string const& expected) {
  throw zept::tools::InputError(v, key + " must be " + expected);
}

CString textOf(std::string const& key, InputValue const& v) {
  if (v.kind == InputValue::Kind::Null) return CString();
  if (v.kind != InputValue::Kind::Text && v.kind != InputValue::Kind::Number) badValue(key, v, "a text");
  return wide(v.text);
}

// A finite number: a text that strtod reads as "inf" or "nan" is no size.
double numberOf(std::string const& key, InputValue const& v) {
  if (v.kind == InputValue::Kind::Number) return v.number;
  char* end = nullptr;
  const double value = v.kind == InputValue::Kind::Text ? std::strtod(v.text.c_str(), &end) : 0;
  if (!end || end == v.text.c_str() || *end || !std::isfinite(value)) badValue(key, v, "a finite number");
  return value;
}

bool boolOf(std::string const& key, InputValue const& v) {
  if (v.kind == InputValue::Kind::Bool) return v.boolean;
  if (v.kind == InputValue::Kind::Text) {
    for (auto const* yes : {"true", "1", "yes"})
      if (v.text == yes) return true;
    for (auto const* no : {"false", "0", "no"})
      if (v.text == no) return false;
  }
  badValue(key, v, "true or false");
}

// Extra parameters as an array of {"description", "value"} objects (as a
// read prints them) or as one object of name: value pairs.
void readParameters(InputValue const& v, ZEPTDBUserObjData& d) {
  if (v.kind == InputValue::Kind::Object) {
    for (auto const& [name, value] : v.members) d.extraParameters.append({wide(name), textOf(name, value)});
    return;
  }
  if (v.kind != InputValue::Kind::Array) badValue("extraParameters", v, "an array or an object");
  for (auto const& item : v.items) {
    InputValue const* description = item.find("description");
    InputValue const* value = item.find("value");
    if (!description || !value) badValue("extraParameters", item, "objects with a description and a value");
    d.extraParameters.append({textOf("description", *description), textOf("value", *value)});
  }
}

bool sameKey(std::string const& key, wchar_t const* name) { return CString(wide(key)).CompareNoCase(name) == 0; }

// The unit systems an input names: the row's (isMetric) and the mass's
// (massUnit), as a read prints them.
struct InputUnits {
  std::optional<DtDb::MeasurementValue> row, mass;
};

// A record from the input; its category is the catalog's unless given.
ZEPTDBUserObjData recordFrom(InputValue const& input, CString const& category, InputUnits& units) {
  if (input.kind != InputValue::Kind::Object) throw zept::tools::InputError(input, "the input is not one object");
  // The JSON of a read: the object's fields, its parameters beside them.
  InputValue const* fields = &input;
  if (InputValue const* object = input.find("object")) {
    if (object->kind != InputValue::Kind::Array || object->items.size() != 1)
      badValue("object", *object, "an array of one object");
    fields = &object->items[0];
  }
  ZEPTDBUserObjData d;
  d.category = category;
  // Drawn at its own size unless the input scales it, as the bundled objects are.
  d.scaleX = d.scaleY = d.scaleZ = 1;
  for (auto const& [key, value] : fields->members) {
    bool known = true;
    if (sameKey(key, L"name")) d.name = textOf(key, value);
    else if (sameKey(key, L"category")) d.category = textOf(key, value);
    else if (sameKey(key, L"symmetry")) d.symmetry = boolOf(key, value);
    else if (sameKey(key, L"extraParameters")) readParameters(value, d);
    else if (key.starts_with("extra.")) d.extraParameters.append({wide(key.substr(6)), textOf(key, value)});
    else if (sameKey(key, L"massUnit")) units.mass = textOf(key, value) == L"lb" ? DtDb::kEnglish : DtDb::kMetric;
    else if (sameKey(key, L"isMetric")) units.row = boolOf(key, value) ? DtDb::kMetric : DtDb::kEnglish;
    else known = false;
    for (auto const& c : kUserObjNumbers)
      if (!known && sameKey(key, c.memberName)) d.*c.member = numberOf(key, value), known = true;
    for (auto const& c : kUserObjSymbols)
      if (!known && sameKey(key, c.memberName)) d.*c.member = textOf(key, value), known = true;
    for (auto const* name : kReadOnlyKeys)
      if (!known && sameKey(key, wide(name))) known = true;
    if (!known) throw zept::tools::InputError(value, "unknown field " + key);
  }
  if (fields != &input)
    if (InputValue const* parameters = input.find("extraParameters")) readParameters(*parameters, d);
  return d;
}

void runWrite(Context const& ctx, ZEPTDBUserObj& objs, CString const& catalog, UserObjectsOptions const& o) {
  InputUnits given;
  ZEPTDBUserObjData d;
  try {
    d = recordFrom(zept::tools::parseRecordInput(readInputFile(*o.write, "userobjects")), objs.Category(), given);
  } catch (zept::tools::InputError const& e) {
    throw UsageError("userobjects: " + *o.write + ":" + std::to_string(e.line()) + ":" + std::to_string(e.column()) +
                     ": " + e.what());
  }
  // The row keeps its unit system unless --units names one; sizes are never
  // converted, the mass is brought from its massUnit into the row's.
  const auto units = o.units ? unitsOf(*o.units) : given.row.value_or(given.mass.value_or(DtDb::kMetric));
  const auto massUnits = given.mass.value_or(units);
  if (massUnits != units)
    d.mass *= ZEPTDBBaseData::calcCrossFactor(massUnits == DtDb::kMetric ? L"kg" : L"lb",
                                              units == DtDb::kMetric ? L"kg" : L"lb");
  switch (objs.setUserObjData(d, units)) {
    case 0: break;
    case 1:
      throw std::runtime_error("the category \"" + CString(d.category).toUtf8() + "\" is not the catalog's (\"" +
                               objs.Category().toUtf8() + "\")");
    case 2: throw std::runtime_error("the object has no name");
    default: writeRefused(objs, "write to " + catalog.toUtf8(), catalog.toUtf8() + ".mdb");
  }
  ZEPTDBUserObjData written;
  objs.getUserObjData(d.name, &written, units);
  ResultTable table;
  table.columns = {L"Catalog", L"Name", L"Id", L"ExtraParameters"};
  table.rows.push_back({COleVariant(catalog), COleVariant(written.name.c_str()),
                        COleVariant(static_cast<long>(written.id)),
                        COleVariant(static_cast<long>(written.extraParameters.length()))});
  print(ctx.out, table, ctx.json);
}

void runRemove(Context const& ctx, ZEPTDBUserObj& objs, CString const& catalog, std::string const& name) {
  if (!objs.getUserObjData(wide(name), nullptr, DtDb::kMetric))
    throw std::runtime_error("user-object catalog " + catalog.toUtf8() + " has no object " + name);
  if (!objs.removeUserObjData(wide(name))) throw std::runtime_error("cannot remove " + name);
  printAffected(ctx.out, 1, ctx.json);
}

void runUserObjects(Context const& ctx, UserObjectsOptions const& o) {
  if (o.create) return runCreate(ctx, o);
  if (o.locales) return runLocales(ctx, o);
  if (o.categories) return runCategories(ctx, o);
  if (!o.catalog) return runCatalogs(ctx, o);
  ZEPTDBUserObj objs;
  const CString catalog = selectCatalog(objs, *o.catalog);
  // A write changes the user's own copy, never a catalog of the data folder
  // (installed and shared by every user), as the profile writer does.
  if ((o.write || o.remove) && !objs.isDBAtAppPath(catalog)) {
    writableCatalog(*o.catalog, (objs.getDBPath(false) + catalog + L".mdb").str());
    selectCatalog(objs, *o.catalog);
  }
  if (o.write) return runWrite(ctx, objs, catalog, o);
  if (o.remove) return runRemove(ctx, objs, catalog, *o.remove);
  if (o.object) return runObject(ctx, objs, catalog, o);
  runObjects(ctx, objs, catalog);
}

}  // namespace

Command addUserObjectsCommand(CLI::App& parent) {
  auto o = std::make_shared<UserObjectsOptions>();
  CLI::App* sub = parent.add_subcommand(
      "userobjects", "List the user-object catalogs and their objects, print one object, create a catalog, and "
                     "write or remove objects");
  CLI::Option* catalog = sub->add_option(
      "catalog", o->catalog, "A user-object catalog's short name (AnchorPlates for AnchorPlates.mdb; any case)");
  sub->add_option("object", o->object, "An object's name, exactly; prints it with its extra parameters and the "
                                       "catalog's translations")
      ->needs(catalog);
  CLI::Option* category = sub->add_option(
      "--category", o->category,
      "Without CATALOG: only the catalogs of these categories (\"A;B\", exact case); with --create: the category");
  sub->add_option("--lang", o->lang,
                  "Language number of the translations shown (1031 German, 1036 French; default: $ZEPT_LANG)");
  sub->add_option("--units", o->units,
                  "mm or in: the mass of an object read in kg or lb; the unit system an object or catalog is "
                  "written in (default: the input's isMetric, else its massUnit, else mm)")
      ->check(CLI::IsMember({"mm", "in"}));
  CLI::Option* categories =
      sub->add_flag("--categories", o->categories, "Every category with its translation into --lang");
  CLI::Option* locales = sub->add_option("--locales", o->locales, "The translations of one category");
  CLI::Option* create = sub->add_option(
      "--create", o->create, "Create catalog NAME.mdb in the application folder, of --category, --description and "
                             "--units")
      ->needs(category);
  sub->add_option("--description", o->description, "With --create: the catalog's description")->needs(create);
  CLI::Option* write = sub->add_option(
      "--write", o->write, "Add or replace an object from FILE (- for standard input): the JSON a read prints, or "
                           "key=value lines (name=..., sizeX=..., extra.NAME=VALUE)")
      ->needs(catalog);
  CLI::Option* remove = sub->add_option("--remove", o->remove, "Delete object NAME; its extra parameters stay until "
                                                               "an object of that name is written again")
      ->needs(catalog);
  for (auto* option : {create, write, remove, categories, locales})
    for (auto* other : {create, write, remove, categories, locales})
      if (option != other) option->excludes(other);
  create->excludes(catalog);
  return {sub, [o](Context const& ctx) { runUserObjects(ctx, *o); }};
}

}  // namespace zeptcat
