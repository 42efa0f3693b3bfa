// SPDX-License-Identifier: MIT
// zeptcat materials [CATALOG [GRADE]] [--grades] [--type TYPE]: the material
// catalogs, the material types of one, its grades, or one grade's record
// with every column, read through ZEPTDBMaterial.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "database/ZEPTDBMaterial.h"
#include "platform/core/CStringArray.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct MaterialsOptions {
  std::optional<std::string> catalog;
  std::optional<std::string> grade;
  std::optional<std::string> type;
  bool grades = false;
};

COleVariant cell(std::int32_t value) { return COleVariant(static_cast<long>(value)); }
COleVariant cell(std::int16_t value) { return COleVariant(static_cast<short>(value)); }
COleVariant cell(double value) { return COleVariant(value); }
COleVariant cell(ZEPTString const& value) { return COleVariant(value.c_str()); }

std::string joined(CStringArray const& names) {
  std::string text;
  for (auto const& n : names) text += (text.empty() ? "" : ", ") + n.toUtf8();
  return text;
}

// The type number of a name given in any case; 0 for none given.
int typeNumber(ZEPTDBMaterial& material, std::optional<std::string> const& type) {
  if (!type) return 0;
  CString name = CString::fromUtf8(*type);
  name.MakeUpper();
  const int number = material.MaterialToType(name);
  if (number == 0) throw UsageError("materials: unknown type " + *type + "; types: STEEL, CONCRETE, ALUMINIUM, WOOD, USER");
  return number;
}

void runCatalogs(Context const& ctx) {
  ZEPTDBMaterial material;
  CStringArray names;
  if (!material.getMaterialDBList(names, nullptr)) throw std::runtime_error("no catalog folder is configured");
  ResultTable table;
  table.columns = {L"Name"};
  for (auto const& name : names) table.rows.push_back({COleVariant(name)});
  print(ctx.out, table, ctx.json);
}

void runTypes(Context const& ctx, ZEPTDBMaterial& material, CString const& catalog) {
  CStringArray types;
  if (!material.getMaterialList(types)) throw std::runtime_error("material catalog " + catalog.toUtf8() + " is empty");
  ResultTable table;
  table.columns = {L"Type", L"Name"};
  for (auto const& name : types)
    table.rows.push_back({COleVariant(static_cast<long>(material.MaterialToType(name))), textOr(ctx, name)});
  print(ctx.out, table, ctx.json);
}

// Every grade with its second name, type and description; --type keeps
// the grades of that type (the catalog's own grade list does not filter).
void runGrades(Context const& ctx, ZEPTDBMaterial& material, CString const& catalog, int type) {
  CStringArray grades;
  if (!material.getMaterialGradeList(1, grades))
    throw std::runtime_error("material catalog " + catalog.toUtf8() + " is empty");
  ResultTable table;
  table.columns = {L"Grade", L"SecondName", L"Type", L"Description"};
  for (auto const& grade : grades) {
    ZEPTDBMaterialData r;
    if (!material.getMaterialData(0, grade, &r)) throw std::runtime_error("cannot read grade " + grade.toUtf8());
    if (type != 0 && r.type != type) continue;
    table.rows.push_back({COleVariant(grade), textOr(ctx, r.secondName), textOr(ctx, material.TypeToMaterial(r.type)),
                          textOr(ctx, r.description)});
  }
  print(ctx.out, table, ctx.json);
}

// People get one line per column; programs one object keyed by column.
void runGrade(Context const& ctx, ZEPTDBMaterial& material, CString const& catalog, MaterialsOptions const& o) {
  const CString grade = CString::fromUtf8(*o.grade);
  ZEPTDBMaterialData r;
  if (!material.getMaterialData(typeNumber(material, o.type), grade, &r)) {
    CStringArray grades;
    material.getMaterialGradeList(1, grades);
    throw std::runtime_error("material catalog " + catalog.toUtf8() + " has no grade " + *o.grade +
                             "; its grades: " + (grades.IsEmpty() ? "none" : joined(grades)));
  }
  ResultTable table;
  if (ctx.json) {
    table.rows.emplace_back();
    forEachMaterialColumn(r, [&](wchar_t const* column, auto const& member) {
      table.columns.push_back(column);
      table.rows.back().push_back(cell(member));
    });
    return printJsonRecord(ctx.out, table);
  } else {
    table.columns = {L"Column", L"Value"};
    forEachMaterialColumn(r, [&](wchar_t const* column, auto const& member) {
      table.rows.push_back({COleVariant(column), cell(member)});
    });
  }
  print(ctx.out, table, ctx.json);
}

void runMaterials(Context const& ctx, MaterialsOptions const& o) {
  if (!o.catalog) return runCatalogs(ctx);
  ZEPTDBMaterial material;
  CString catalog = CString::fromUtf8(*o.catalog);
  catalog.MakeUpper();
  if (!material.setMaterialDB(catalog))
    catalogRefused(material, "material", *o.catalog, "Kmat" + *o.catalog + ".mdb");
  if (o.grade) return runGrade(ctx, material, catalog, o);
  if (o.grades || o.type) return runGrades(ctx, material, catalog, typeNumber(material, o.type));
  runTypes(ctx, material, catalog);
}

}  // namespace

Command addMaterialsCommand(CLI::App& parent) {
  auto options = std::make_shared<MaterialsOptions>();
  CLI::App* sub = parent.add_subcommand(
      "materials", "List the material catalogs, the material types or grades of one, or one grade's record");
  CLI::Option* catalog = sub->add_option(
      "catalog", options->catalog, "A material catalog's short name, in any case (EN for KmatEN.mdb); without it, "
                                   "every material catalog");
  sub->add_option("grade", options->grade, "A grade's name, exactly (S355J2); prints its every column")->needs(catalog);
  sub->add_flag("--grades", options->grades, "List the catalog's grades with second name, type and description")
      ->needs(catalog);
  sub->add_option("--type", options->type,
                  "STEEL, CONCRETE, ALUMINIUM, WOOD or USER, in any case: only grades of that type")
      ->needs(catalog);
  return {sub, [options](Context const& ctx) { runMaterials(ctx, *options); }};
}

}  // namespace zeptcat
