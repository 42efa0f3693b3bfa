// SPDX-License-Identifier: MIT
// zeptcat profiles [CATALOG [NAME [DIMS]]]: the profile catalogs with their
// units, the names of one catalog with their shape types and descriptions,
// the sizes of one name, or one size's whole record with the shape script it
// resolves to; --create makes a user catalog and --write writes one size,
// both through ZEPTDBProfile.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "database/ProfileColumns.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Utf8.h"
#include "platform/fs/WinPath.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"
#include "tools/zeptcat/Suggest.h"

namespace zeptcat {

namespace {

struct ProfilesOptions {
  std::optional<std::string> catalog;
  std::optional<std::string> name;
  std::optional<std::string> dims;
  int shapeType = -1;
  bool script = false;
  std::optional<std::string> create;
  std::string units = "mm";
  std::vector<std::string> write;
};

CString propertyText(ZEPTDBProfile& profile, wchar_t const* name) {
  COleVariant value;
  return profile.getDBProperty(name, value) ? value.text() : CString();
}

// Opened without the format check, so that listing converts nothing.
void runCatalogs(Context const& ctx) {
  ZEPTDBProfile profile;
  CStringArray names;
  if (!profile.getProfileDBList(names, nullptr)) throw std::runtime_error("no catalog folder is configured");
  ResultTable table;
  table.columns = {L"Catalog", L"Folder", L"SectionUnit", L"LengthUnit", L"WeightUnit", L"Comment"};
  for (auto const& name : names) {
    const bool atApp = profile.isDBAtAppPath(name + L"pro");
    profile.setDB(name + L"pro");
    table.rows.push_back({COleVariant(name), COleVariant(atApp ? L"app" : L"data"),
                          textOr(ctx, propertyText(profile, L"unit_sect")),
                          textOr(ctx, propertyText(profile, L"unit_long")),
                          textOr(ctx, propertyText(profile, L"unit_weight")),
                          textOr(ctx, propertyText(profile, L"catalog_comment"))});
  }
  print(ctx.out, table, ctx.json);
}

std::string joined(CStringArray const& items) {
  std::string text;
  for (auto const& item : items) text += (text.empty() ? "" : ", ") + item.toUtf8();
  return text.empty() ? "none" : text;
}

CString select(ZEPTDBProfile& profile, std::string const& catalog) {
  CString name = CString::fromUtf8(catalog);
  name.MakeUpper();
  if (!profile.setProfileDB(name)) catalogRefused(profile, "profile", name.toUtf8(), name.toUtf8() + "pro.mdb");
  return name;
}

void runNames(Context const& ctx, ZEPTDBProfile& profile) {
  CStringArray names, dims;
  DtArray<int> types;
  if (!profile.getProfileShapeList(names, &types)) throw std::runtime_error("cannot read the profile names");
  ResultTable table;
  table.columns = {L"Name", L"ShapeType", L"Sizes", L"Description"};
  // A series drawn by two scripts (UPN's taper changes above 300) is one row
  // with both shape types.
  for (int i = 0; i < names.GetSize();) {
    int next = i;
    std::wstring typeList;
    long sizes = 0;
    for (; next < names.GetSize() && names[next] == names[i]; ++next) {
      profile.getProfileDimList(names[next], dims, types[next]);
      sizes += static_cast<long>(dims.GetSize());
      typeList += (typeList.empty() ? L"" : L", ") + std::to_wstring(types[next]);
    }
    const COleVariant shapeType = types[i] < 0       ? none(ctx)
                                  : next - i == 1 ? COleVariant(static_cast<long>(types[i]))
                                                  : COleVariant(CString(typeList.c_str()));
    table.rows.push_back({COleVariant(names[i]), shapeType, COleVariant(sizes),
                          textOr(ctx, profile.getProfileShapeDescription(names[i]))});
    i = next;
  }
  print(ctx.out, table, ctx.json);
}

// The catalog's spelling of a profile name given in any case: the exact
// name, else the one name equal to it without regard to case. Several such
// names are a UsageError asking which; none is left to the lookup to report.
std::string matchedName(ZEPTDBProfile& profile, CString const& catalog, std::string const& given) {
  CStringArray names;
  profile.getProfileShapeList(names, nullptr);
  const CString wanted = CString::fromUtf8(given);
  std::vector<CString> alike;
  for (auto const& name : names) {
    if (name == wanted) return given;
    if (name.CompareNoCase(wanted) == 0 && std::find(alike.begin(), alike.end(), name) == alike.end())
      alike.push_back(name);
  }
  if (alike.size() == 1) return alike[0].toUtf8();
  if (alike.empty()) return given;
  std::vector<std::string> choices;
  for (auto const& name : alike) choices.push_back(name.toUtf8());
  throw UsageError(catalog.toUtf8() + " has no name " + given + "; did you mean " + choiceList(choices) + "?");
}

CStringArray sizesOf(ZEPTDBProfile& profile, CString const& catalog, CString const& name, int shapeType) {
  CStringArray dims;
  if (!profile.getProfileDimList(name, dims, shapeType) || dims.IsEmpty()) {
    CStringArray names;
    profile.getProfileShapeList(names, nullptr);
    throw std::runtime_error(catalog.toUtf8() + " has no sizes of " + name.toUtf8() +
                             (shapeType >= 0 ? " with shape type " + std::to_string(shapeType) : "") +
                             "; its names: " + joined(names));
  }
  return dims;
}

void runSizes(Context const& ctx, ZEPTDBProfile& profile, CString const& catalog, ProfilesOptions const& o) {
  const CString name = CString::fromUtf8(*o.name);
  ResultTable table;
  table.columns = {L"Dims", L"ShapeType", L"H", L"B", L"MASS"};
  for (auto const& dims : sizesOf(profile, catalog, name, o.shapeType)) {
    ZEPTDBProfileData r;
    if (!profile.getProfileData(name, dims, &r)) throw std::runtime_error("cannot read size " + dims.toUtf8());
    table.rows.push_back(
        {COleVariant(dims), COleVariant(static_cast<long>(r.shapeType)), COleVariant(r.h), COleVariant(r.b),
         COleVariant(r.mass)});
  }
  print(ctx.out, table, ctx.json);
}

// The record under the catalog's column names, in its order.
ResultTable recordTable(ZEPTDBProfileData const& r) {
  namespace p = zept::profile;
  ResultTable t;
  t.rows.emplace_back();
  auto add = [&](wchar_t const* column, COleVariant value) {
    t.columns.push_back(column);
    t.rows[0].push_back(std::move(value));
  };
  auto addAll = [&](auto const& columns) {
    for (auto const& c : columns) add(c.name, COleVariant(r.*c.member));
  };
  add(L"ID", COleVariant(static_cast<long>(r.shapeId)));
  add(L"Section.ID", COleVariant(static_cast<long>(r.sectionId)));
  add(L"NAME", COleVariant(r.name.c_str()));
  addAll(p::kDims);
  add(L"SHAPE_TYPE", COleVariant(static_cast<long>(r.shapeType)));
  addAll(p::kSectionValues);
  add(L"SYMBOL", COleVariant(r.symbol.c_str()));
  addAll(p::kAreas);
  add(L"HAS_MATS", COleVariant(r.hasMats));
  add(L"MATERIALS", COleVariant(r.materials.c_str()));
  add(L"POINTS", COleVariant(r.points.c_str()));
  add(L"IS_THIN", COleVariant(r.isThin));
  addAll(p::kFurtherDims);
  add(L"PDL_SCRIPT", COleVariant(r.pdlScript.c_str()));
  add(L"IS_SYMMETRIC", COleVariant(r.isSymmetric));
  return t;
}

void printRecord(Context const& ctx, ZEPTDBProfileData const& r, bool scriptOnly) {
  if (scriptOnly) {
    if (ctx.json) return printValue(ctx.out, L"PDL_SCRIPT", COleVariant(r.pdlScript.c_str()), true);
    ctx.out << zept::toUtf8(r.pdlScript.str());
    if (!r.pdlScript.isEmpty() && r.pdlScript.str().back() != L'\n') ctx.out << '\n';
    return;
  }
  const ResultTable record = recordTable(r);
  if (ctx.json) return printJsonRecord(ctx.out, record);
  // A script has many lines: it follows the table as it is stored.
  ResultTable vertical;
  vertical.columns = {L"Field", L"Value"};
  for (std::size_t i = 0; i < record.columns.size(); ++i)
    if (record.columns[i] != L"PDL_SCRIPT")
      vertical.rows.push_back({COleVariant(record.columns[i].c_str()), record.rows[0][i]});
  printTable(ctx.out, vertical);
  ctx.out << "\nPDL_SCRIPT:\n";
  printRecord(ctx, r, true);
}

void readRecord(ZEPTDBProfile& profile, CString const& catalog, ProfilesOptions const& o, ZEPTDBProfileData& r) {
  const CString name = CString::fromUtf8(*o.name);
  if (profile.getProfileData(name, CString::fromUtf8(*o.dims), &r)) return;
  throw std::runtime_error(catalog.toUtf8() + " has no size " + *o.dims + " of " + name.toUtf8() +
                           "; its sizes: " + joined(sizesOf(profile, catalog, name, -1)));
}

double number(std::string const& key, std::string const& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') throw UsageError("--write " + key + ": \"" + text + "\" is not a number");
  return value;
}

bool yesNo(std::string const& key, std::string const& text) {
  for (auto const* yes : {"1", "-1", "true", "True", "yes", "Yes"})
    if (text == yes) return true;
  for (auto const* no : {"0", "false", "False", "no", "No"})
    if (text == no) return false;
  throw UsageError("--write " + key + ": \"" + text + "\" is not a Yes/No value (true, false, 1, 0)");
}

// The number member a --write key names, among the columns the catalog's
// writer stores; null for any other key.
double* numberColumn(ZEPTDBProfileData& r, CString const& key) {
  namespace p = zept::profile;
  using Columns = std::span<p::DoubleColumn const>;
  for (Columns group : {Columns(p::kSectionValues), Columns(p::kAreas),
                        Columns(p::kFurtherDims).first(p::kWrittenFurtherDims)})
    for (auto const& c : group)
      if (key == c.name) return &(r.*c.member);
  return nullptr;
}

// One KEY=VALUE of --write into the record; keys are the catalog's column
// names in any case.
void assign(ZEPTDBProfileData& r, std::string const& item) {
  const auto eq = item.find('=');
  if (eq == std::string::npos || eq == 0) throw UsageError("--write takes KEY=VALUE, not \"" + item + "\"");
  CString key = CString::fromUtf8(item.substr(0, eq));
  key.MakeUpper();
  const std::string k = key.toUtf8(), value = item.substr(eq + 1);
  const CString text = CString::fromUtf8(value);
  if (double* member = numberColumn(r, key)) {
    *member = number(k, value);
    return;
  }
  if (key == L"SHAPE_TYPE") {
    const double type = number(k, value);
    if (type != static_cast<short>(type)) throw UsageError("--write SHAPE_TYPE: " + value + " is not a 16-bit integer");
    r.shapeType = static_cast<short>(type);
  } else if (key == L"SYMBOL") {
    r.symbol = text;
  } else if (key == L"MATERIALS") {
    r.materials = text;
  } else if (key == L"POINTS") {
    r.points = text;
  } else if (key == L"HAS_MATS") {
    r.hasMats = yesNo(k, value);
  } else if (key == L"IS_THIN") {
    r.isThin = yesNo(k, value);
  } else {
    throw UsageError("--write: " + k + " is no column that can be written (NAME and DIMS are the arguments; ID, "
                     "DIM1-DIM3, P4_L and P4_T are not written)");
  }
}

// An existing size keeps the columns not given; a new one starts from zero.
void runWrite(Context const& ctx, ZEPTDBProfile& profile, ProfilesOptions const& o) {
  if (!o.name || !o.dims) throw UsageError("--write needs CATALOG NAME DIMS");
  requireProfileNameLength(*o.name);
  const CString name = CString::fromUtf8(*o.name);
  ZEPTDBProfileData r;
  profile.getProfileData(name, CString::fromUtf8(*o.dims), &r);
  r.name = name;
  ZEPTDBBaseData::StringToDims(CString::fromUtf8(*o.dims), r.dim1, r.dim2, r.dim3);
  for (auto const& item : o.write) assign(r, item);
  needAppFolder();  // a data-folder catalog is copied there first
  const int result = profile.setProfileData(r);
  if (result != 0) writeRefused(profile, "write size " + *o.dims + " of " + *o.name, *o.catalog + "pro.mdb");
  ZEPTDBProfileData back;
  if (!profile.getProfileData(name, ZEPTDBBaseData::DimsToString(r.dim1, r.dim2, r.dim3), &back))
    throw std::runtime_error("the written size cannot be read back");
  printRecord(ctx, back, false);
}

void runCreate(Context const& ctx, ProfilesOptions const& o) {
  requireFileName(*o.create, "profiles --create");
  ZEPTDBProfile profile;
  const CString name = CString::fromUtf8(*o.create);
  // The catalog code compares with the listed upper-case names exactly and
  // leaves another spelling to fail on the existing file; say so plainly.
  CStringArray listed;
  profile.getProfileDBList(listed, nullptr);
  for (auto const& known : listed)
    if (known.CompareNoCase(name) == 0) throw std::runtime_error("a profile catalog " + known.toUtf8() + " exists already");
  const std::string file = *o.create + "Pro.mdb";
  needAppFolder();
  switch (profile.createProfileDB(name, o.units == "in" ? DtDb::kEnglish : DtDb::kMetric)) {
    case 0: break;
    case 2:
      throw std::runtime_error("created " + file + " in " + shown(profile.getDBPath(true)) +
                               ", but could not copy the tables of the template PDLScripts.mdb in " +
                               shown(profile.getDBPath(false)));
    default: throw std::runtime_error("cannot create " + file + " in " + shown(profile.getDBPath(true)));
  }
  ResultTable table;
  table.columns = {L"Catalog", L"File", L"SectionUnit"};
  table.rows.push_back({COleVariant(name), COleVariant(CString::fromUtf8(file)),
                        COleVariant(propertyText(profile, L"unit_sect"))});
  print(ctx.out, table, ctx.json);
}

void runProfiles(Context const& ctx, ProfilesOptions const& o) {
  if (o.create) return runCreate(ctx, o);
  if (!o.catalog) return runCatalogs(ctx);
  ZEPTDBProfile profile;
  const CString catalog = select(profile, *o.catalog);
  if (!o.write.empty()) return runWrite(ctx, profile, o);
  if (!o.name) return runNames(ctx, profile);
  ProfilesOptions found = o;
  found.name = matchedName(profile, catalog, *o.name);
  if (!o.dims) return runSizes(ctx, profile, catalog, found);
  ZEPTDBProfileData r;
  readRecord(profile, catalog, found, r);
  printRecord(ctx, r, o.script);
}

}  // namespace

Command addProfilesCommand(CLI::App& parent) {
  auto options = std::make_shared<ProfilesOptions>();
  CLI::App* sub = parent.add_subcommand(
      "profiles",
      "List the profile catalogs, the names of one catalog, the sizes of one name, or one size's record with the "
      "shape script it resolves to; create a user catalog or write a size");
  sub->footer(
      "Examples:\n"
      "  zeptcat profiles                          catalogs with their units\n"
      "  zeptcat profiles EURO                     names with shape type, number of sizes, description\n"
      "  zeptcat profiles EURO IPE                 sizes of IPE\n"
      "  zeptcat profiles EURO IPE 200             the whole record of IPE 200\n"
      "  zeptcat profiles EURO IPE 200 --script    its shape script alone\n"
      "  zeptcat --app DIR profiles --create MINE --units mm\n"
      "  zeptcat --app DIR profiles MINE PL 200x0x10 --write SHAPE_TYPE=8 H=10 B=200 MASS=15.7\n"
      "--write takes KEY=VALUE pairs, KEY a column name of the catalog in any case (MASS, H, B, EA, ES, RA,\n"
      "SHAPE_TYPE, SYMBOL, HAS_MATS, ...); NAME (at most 4 characters, as the catalog stores them) and DIMS\n"
      "are the arguments. Columns not given keep their values in an existing size and are 0 or empty in a new\n"
      "one. A catalog of the data folder is copied into the application folder (--app) before it is written.\n"
      "The first size of a shape type copies that type's script from PDLScripts.mdb of the data folder.");
  sub->add_option("catalog", options->catalog,
                  "A profile catalog's short name, in any case (EURO for EUROpro.mdb); without it, every catalog");
  sub->add_option("name", options->name, "A profile name (IPE), in any case when the catalog has one such name");
  sub->add_option("dims", options->dims, "A size's dimension text: 200, 200x10 (first and third), 200x100x10");
  sub->add_option("--shape-type", options->shapeType, "With NAME alone: only the sizes of this shape type");
  sub->add_flag("--script", options->script, "With DIMS: print only the shape script the size resolves to");
  CLI::Option* create =
      sub->add_option("--create", options->create, "Create the user catalog NAMEPro.mdb in the application folder");
  sub->add_option("--units", options->units, "With --create: mm (metric, the default) or in (English)")
      ->check(CLI::IsMember({"mm", "in"}))
      ->needs(create);
  sub->add_option("--write", options->write, "Write size NAME DIMS of CATALOG with these KEY=VALUE columns")
      ->excludes(create);
  return {sub, [options](Context const& ctx) { runProfiles(ctx, *options); }};
}

}  // namespace zeptcat
