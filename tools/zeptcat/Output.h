// SPDX-License-Identifier: MIT
// Printing query results, for every zeptcat subcommand: an aligned text table
// for people, JSON for programs. Results are read whole before printing, since
// the table's column widths depend on every row; catalogs are small.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/COleVariant.h"

class CDaoRecordset;

namespace zeptcat {

struct ResultTable {
  std::vector<std::wstring> columns;
  std::vector<std::vector<COleVariant>> rows;  // each as long as `columns`
  // Significant digits of a double in the table form: 15 hides the noise of
  // decimal fractions; 0 prints the shortest text that reads back as the
  // same double (25.4, not 25.399999999999999).
  int digits = 15;
};

// Every row of an open recordset, from its current position to the end.
ResultTable readAll(CDaoRecordset& rs);

// Column names, a rule, the rows, then "(N rows)". Columns are left-aligned
// and padded to their widest cell in characters; dates print as
// "YYYY-MM-DD hh:mm:ss" (JSON keeps Jet's day number); NULL prints as "NULL", and
// control characters are escaped ("\n") so that a row stays on one line.
void printTable(std::ostream& out, ResultTable const& result);

// An array of objects keyed by column name (a repeated name gets "_2", "_3"
// so that every key is unique). Numbers stay numbers (shortest exact form;
// infinities and NaN, which JSON lacks, become null), booleans true/false,
// NULL null, texts quoted and escaped.
void printJson(std::ostream& out, ResultTable const& result);

void print(std::ostream& out, ResultTable const& result, bool json);

// A single record, the first row of `record`, as one JSON object keyed as
// printJson keys it: a record is no list.
void printJsonRecord(std::ostream& out, ResultTable const& record);

// Several tables as one JSON object, each under its key and in the order
// given: {"a": [...], "b": null}; a null table pointer gives null.
void printJsonObject(std::ostream& out, std::vector<std::pair<std::wstring, ResultTable const*>> const& members);

// One value on a line of its own (its text for texts; numbers with `digits`
// significant digits), or {"key": value} as JSON.
void printValue(std::ostream& out, std::wstring const& key, COleVariant const& value, bool json, int digits = 15);

// "N rows affected", or {"rowsAffected": N} as JSON.
void printAffected(std::ostream& out, long count, bool json);

// `text` as a quoted, escaped JSON string.
std::string jsonString(std::wstring_view text);

}  // namespace zeptcat
