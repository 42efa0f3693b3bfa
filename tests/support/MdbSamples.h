// SPDX-License-Identifier: MIT
// The genuine Access files the tests read: public samples kept with the
// tests (tests/samples/access, with their licence), and mdbtools' own export
// of them to compare with.
#pragma once

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zept::test {

inline std::filesystem::path mdbSamplesDir() {
  return std::filesystem::path(ZEPT_SOURCE_DIR) / "tests" / "samples" / "access";
}

// The sample files, sorted by name.
inline std::vector<std::filesystem::path> mdbSamples() {
  std::vector<std::filesystem::path> out;
  for (auto const& e : std::filesystem::directory_iterator(mdbSamplesDir()))
    if (e.path().extension() == ".mdb") out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

// Standard output of a shell command line (arguments already quoted).
inline std::string commandOutput(std::string const& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    ::pclose(p);
  }
  return out;
}

inline std::string shellQuoted(std::string const& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The user tables mdb-tables lists.
inline std::vector<std::string> mdbTables(std::filesystem::path const& file) {
  std::vector<std::string> out;
  std::string all = commandOutput("mdb-tables -1 " + shellQuoted(file.string()));
  std::size_t start = 0;
  for (std::size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1)
    if (end > start) out.push_back(all.substr(start, end - start));
  return out;
}

// A CSV cell: quoted (text-like) or bare (numbers, and the null marker).
struct CsvCell {
  std::string text;
  bool quoted = false;
  bool operator==(CsvCell const&) const = default;
};
using CsvRow = std::vector<CsvCell>;

// mdb-export's rows of `table`, the header first: nulls as a bare "NULL",
// dates as "YYYY-MM-DD hh:mm:ss", binary columns emptied.
inline std::vector<CsvRow> mdbExport(std::filesystem::path const& file, std::string const& table) {
  const std::string csv =
      commandOutput("mdb-export -0 NULL -b strip -D '%Y-%m-%d %H:%M:%S' -T '%Y-%m-%d %H:%M:%S' " +
                    shellQuoted(file.string()) + " " + shellQuoted(table));
  std::vector<CsvRow> rows(1);
  CsvCell cell;
  bool inQuotes = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (inQuotes) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
        cell.text += '"';
        ++i;
      } else if (c == '"') {
        inQuotes = false;
      } else {
        cell.text += c;
      }
    } else if (c == '"') {
      inQuotes = cell.quoted = true;
    } else if (c == ',' || c == '\n') {
      rows.back().push_back(std::move(cell));
      cell = {};
      if (c == '\n') rows.emplace_back();
    } else {
      cell.text += c;
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

}  // namespace zept::test
