// SPDX-License-Identifier: MIT
// zeptcat catalogs KIND [--filter "A,B"] [--mask MASK]: the catalogs of one
// kind as the library lists them, each with the folder it is taken from.
#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <memory>
#include <optional>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Exceptions.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct Kind {
  char const* name;
  CFGTypeDataFiles type;
  wchar_t const* mask;  // the accessors' own masks: file name = mask with the short name for "*"
};

constexpr std::array<Kind, 5> kKinds = {{{"profiles", CFGProfiles, L"*pro"},
                                         {"lists", CFGProfiles, L"*List"},
                                         {"materials", CFGMaterials, L"Kmat*"},
                                         {"fasteners", CFGFasteners, L"Bolts_*"},
                                         {"userobjects", CFGUserObjects, L"*"}}};

constexpr int kLastKind = CFGDataFile16;

struct CatalogsOptions {
  std::string kind;
  std::optional<std::string> filter;
  std::optional<std::string> mask;
};

// A named kind, or a number: the named kind of that value (profiles for 0),
// every catalog ("*") for a kind no accessor uses.
Kind resolveKind(std::string const& text) {
  for (auto const& k : kKinds)
    if (text == k.name) return k;
  int value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > kLastKind)
    throw UsageError("unknown catalog kind \"" + text + "\"; use profiles, lists, materials, fasteners, "
                     "userobjects or a number from 0 to " + std::to_string(kLastKind));
  for (auto const& k : kKinds)
    if (k.type == value) return k;
  return {"", static_cast<CFGTypeDataFiles>(value), L"*"};
}

// The file name that gave `name` under `mask`, less ".mdb".
CString fileStem(CString const& mask, CString const& name) {
  const int star = mask.Find(L'*');
  return star < 0 ? mask : mask.Left(star) + name + mask.Mid(star + 1);
}

void runCatalogs(Context const& ctx, CatalogsOptions const& o) {
  const Kind kind = resolveKind(o.kind);
  const CString mask = o.mask ? CString::fromUtf8(*o.mask) : CString(kind.mask);
  const CString filter = o.filter ? CString::fromUtf8(*o.filter) : CString();
  ZEPTDBBaseData accessor(kind.type);
  CStringArray names;
  if (!accessor.getDBList(mask, names, o.filter ? filter.GetString() : nullptr)) {
    if (accessor.getLastDBError() == zept::jet::kConnectionFailed)
      throw std::runtime_error(serverUnreachable(accessor));
    if (!accessor.getDBPath(false).IsEmpty() || !accessor.getDBPath(true).IsEmpty())
      throw UsageError("the mask \"" + mask.toUtf8() +
                       "\" is refused: it may not hold a path separator, a drive colon, a quote or a control "
                       "character, nor be a dot name");
    throw std::runtime_error("no catalog folder is configured for kind " + std::to_string(kind.type));
  }

  ResultTable table;
  table.columns = {L"Name", L"From", L"Folder"};
  for (auto const& name : names) {
    // The library opens the application folder's copy when there is one.
    const bool atApp = accessor.isDBAtAppPath(fileStem(mask, name));
    table.rows.push_back({COleVariant(name), COleVariant(atApp ? L"app" : L"data"),
                          COleVariant(CString::fromUtf8(shown(accessor.getDBPath(atApp))))});
  }
  print(ctx.out, table, ctx.json);
}

}  // namespace

Command addCatalogsCommand(CLI::App& parent) {
  auto options = std::make_shared<CatalogsOptions>();
  CLI::App* sub = parent.add_subcommand(
      "catalogs", "List the catalogs of one kind, from the application folder first, then the data folder");
  sub->add_option("kind", options->kind,
                  "profiles (*pro), lists (*List), materials (Kmat*), fasteners (Bolts_*), userobjects (*), "
                  "or a kind number 0-16 (the mask of the kind named above with that number, else *)")
      ->required();
  sub->add_option("--filter", options->filter,
                  "Only these short names, comma-separated and in this order (\"IPE,HEA\"); exact upper case");
  sub->add_option("--mask", options->mask, "File-name mask with one \"*\" for the short name, without .mdb");
  return {sub, [options](Context const& ctx) { runCatalogs(ctx, *options); }};
}

}  // namespace zeptcat
