// SPDX-License-Identifier: MIT
// zeptcat dims TEXT | --write A B C | --factor FROM TO: the catalogs'
// dimension texts ("200x100x10") and unit cross factors, as the catalog base
// reads and writes them. Numbers are shown with every digit (17), so that
// what the library computed can be told apart from its rounding.
#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "database/ZEPTDBBaseData.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

constexpr int kShortest = 0;  // the shortest text that reads back as the same double

struct DimsOptions {
  std::optional<std::string> text;
  std::vector<std::string> write;
  std::vector<std::string> factor;
};

bool plainNumber(std::string const& text, double& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

double parseNumber(std::string const& text) {
  double value = 0;
  if (!plainNumber(text, value)) throw UsageError("\"" + text + "\" is not a number");
  return value;
}

void readDims(Context const& ctx, std::string const& text) {
  const CString dims = CString::fromUtf8(text);
  CString parts[3];
  double numbers[3] = {};
  ZEPTDBBaseData::StringToDims(dims, parts[0], parts[1], parts[2]);
  ZEPTDBBaseData::StringToDims(dims, numbers[0], numbers[1], numbers[2]);
  // The reader takes anything, a word as 0; only numbers make a dimension text.
  for (CString const& part : parts)
    if (double ignored = 0; !part.IsEmpty() && !plainNumber(part.toUtf8(), ignored))
      throw UsageError("\"" + text + "\" is not a dimension text (up to three numbers joined by x, as 200x100x10)");
  ResultTable table;
  table.columns = {L"Part", L"Text", L"Number"};
  table.digits = kShortest;
  constexpr wchar_t const* kNames[] = {L"first", L"second", L"third"};
  for (int i = 0; i < 3; ++i)
    table.rows.push_back({COleVariant(kNames[i]), COleVariant(parts[i]), COleVariant(numbers[i])});
  print(ctx.out, table, ctx.json);
}

void runDims(Context const& ctx, DimsOptions const& o) {
  const int given = (o.text ? 1 : 0) + (o.write.empty() ? 0 : 1) + (o.factor.empty() ? 0 : 1);
  if (given != 1) throw UsageError("dims needs exactly one of TEXT, --write A B C, --factor FROM TO");
  if (o.text) return readDims(ctx, *o.text);
  if (!o.write.empty()) {
    const CString text =
        ZEPTDBBaseData::DimsToString(parseNumber(o.write[0]), parseNumber(o.write[1]), parseNumber(o.write[2]));
    return printValue(ctx.out, L"Text", COleVariant(text), ctx.json);
  }
  const double factor = ZEPTDBBaseData::calcCrossFactor(CString::fromUtf8(o.factor[0]), CString::fromUtf8(o.factor[1]));
  printValue(ctx.out, L"Factor", COleVariant(factor), ctx.json, kShortest);
}

}  // namespace

Command addDimsCommand(CLI::App& parent) {
  auto options = std::make_shared<DimsOptions>();
  CLI::App* sub = parent.add_subcommand("dims", "Read or write a dimension text, or give a unit cross factor");
  sub->add_option("text", options->text,
                  "A dimension text, up to three numbers joined by a lower-case x (\"200x100x10\"): prints its "
                  "parts as texts and as numbers");
  sub->add_option("--write", options->write, "Write three numbers as a dimension text")->expected(3);
  sub->add_option("--factor", options->factor,
                  "The factor from one unit to another (mm cm m in inch ft foot; g G kg kG lb); 0 when unknown")
      ->expected(2);
  return {sub, [options](Context const& ctx) { runDims(ctx, *options); }};
}

}  // namespace zeptcat
