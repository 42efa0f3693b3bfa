// SPDX-License-Identifier: MIT
// zeptcat lists [NAME] [--units mm|in] [--unsorted] [--text] [--no-data-column]:
// the list catalogs, or the entries of one, read through ZEPTDBList.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>

#include "database/ZEPTDBList.h"
#include "platform/core/CStringArray.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct ListsOptions {
  std::optional<std::string> name;
  std::string units = "mm";
  bool sorted = true;
  bool text = false;
  bool data = true;
};

COleVariant cell(double value) { return COleVariant(value); }
COleVariant cell(ZEPTString const& value) { return COleVariant(value.c_str()); }

// Both overloads of getList, number and text, fill the same table.
template <typename T>
void readEntries(ZEPTDBList& list, ListsOptions const& o, ResultTable& table) {
  DtArray<T> values, data;
  const auto units = o.units == "in" ? DtDb::kEnglish : DtDb::kMetric;
  if (!list.getList(values, o.sorted, units, o.data ? &data : nullptr))
    throw std::runtime_error("cannot read list " + *o.name + ": its table " +
                             (units == DtDb::kEnglish ? "ListE" : "List") + " is missing or empty");
  for (int i = 0; i < values.length(); ++i) {
    auto& row = table.rows.emplace_back();
    row.push_back(cell(values[i]));
    if (o.data) row.push_back(cell(data[i]));
  }
}

void runLists(Context const& ctx, ListsOptions const& o) {
  ZEPTDBList list;
  ResultTable table;
  if (!o.name) {
    CStringArray names;
    if (!list.getListDBList(names, nullptr)) throw std::runtime_error("no catalog folder is configured");
    table.columns = {L"Name"};
    for (auto const& name : names) table.rows.push_back({COleVariant(name)});
    return print(ctx.out, table, ctx.json);
  }
  if (!list.setListDB(CString::fromUtf8(*o.name))) catalogRefused(list, "list", *o.name, *o.name + "List.mdb");
  table.columns = {L"Value"};
  if (o.data) table.columns.push_back(L"Data");
  o.text ? readEntries<ZEPTString>(list, o, table) : readEntries<double>(list, o, table);
  // Numbers asked of a list of texts match nothing; an empty table would
  // read as an empty list.
  if (!o.text && table.rows.empty()) {
    ResultTable texts;
    readEntries<ZEPTString>(list, o, texts);
    if (!texts.rows.empty()) throw UsageError(*o.name + " is a list of texts; add --text to read it");
  }
  print(ctx.out, table, ctx.json);
}

}  // namespace

Command addListsCommand(CLI::App& parent) {
  auto options = std::make_shared<ListsOptions>();
  CLI::App* sub = parent.add_subcommand("lists", "List the list catalogs, or print the entries of one");
  sub->add_option("name", options->name,
                  "A list's short name (PLATETHICKNESSES for PlateThicknessesList.mdb); without it, every list");
  sub->add_option("--units", options->units,
                  "mm reads the metric table List, in the English table ListE (default: mm); values are as stored")
      ->check(CLI::IsMember({"mm", "in"}));
  sub->add_flag("--sorted,!--unsorted", options->sorted, "Sort by value (the default), or keep the stored order");
  sub->add_flag("--text", options->text, "Read the entries as texts rather than numbers");
  sub->add_flag("--data-column,!--no-data-column", options->data,
                "Pair each value with its Data (the default; entries without a Data of the same type are left "
                "out), or values only");
  return {sub, [options](Context const& ctx) { runLists(ctx, *options); }};
}

}  // namespace zeptcat
