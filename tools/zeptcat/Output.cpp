// SPDX-License-Identifier: MIT
// Result tables read whole from a CDaoRecordset and printed as aligned text
// or JSON, each variant type given its own cell text.
#include "tools/zeptcat/Output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

#include "platform/core/Utf8.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTypes.h"

namespace zeptcat {

namespace {

void appendHex(std::wstring& out, unsigned value, int digits) {
  static constexpr wchar_t kHex[] = L"0123456789abcdef";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

// A Jet date (days since 1899-12-30, the fraction the time of day, its sign
// only the day's) as "YYYY-MM-DD hh:mm:ss"; beyond Jet's years, the number.
CString dateText(double date) {
  if (!std::isfinite(date) || std::fabs(date) > 2958466) return COleVariant(date).toDisplayString();
  double whole = 0;
  const double fraction = std::modf(date, &whole);
  long long days = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(fraction) * 86400);
  if (seconds == 86400) {
    seconds = 0;
    days += date < 0 ? -1 : 1;
  }
  // Civil date from a day number (proleptic Gregorian, days since 1970-01-01).
  const long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2);
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month, day, seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return CString::fromUtf8(buffer);
}

CString displayText(COleVariant const& v, int digits) {
  if (v.vt == VT_DATE) return dateText(v.date);
  if (v.vt != VT_R8) return v.toDisplayString();
  char buffer[64];
  if (digits <= 0)
    *std::to_chars(buffer, buffer + sizeof buffer - 1, v.dblVal).ptr = '\0';
  else
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, v.dblVal);
  return CString::fromUtf8(buffer);
}

// The text of one table cell, on one line.
std::wstring cellText(COleVariant const& v, int digits) {
  if (v.isNull()) return L"NULL";
  const CString shown = displayText(v, digits);
  std::wstring out;
  out.reserve(static_cast<std::size_t>(shown.GetLength()));
  for (wchar_t c : shown.view()) {
    if (c == L'\n') out += L"\\n";
    else if (c == L'\r') out += L"\\r";
    else if (c == L'\t') out += L"\\t";
    else if (c < 0x20 || c == 0x7F) { out += L"\\x"; appendHex(out, static_cast<unsigned>(c), 2); }
    else out += c;
  }
  return out;
}

void writeRow(std::ostream& out, std::vector<std::wstring> const& cells, std::vector<std::size_t> const& widths) {
  std::wstring line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += L"  ";
    line += cells[i];
    // The last column is not padded: no trailing blanks.
    if (i + 1 < cells.size()) line.append(widths[i] - cells[i].size(), L' ');
  }
  out << zept::toUtf8(line) << '\n';
}

template <typename T>
void appendNumber(std::string& out, T value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  out.append(buffer, end);
}

void appendJsonValue(std::string& out, COleVariant const& v) {
  switch (v.vt) {
    case VT_I2: case VT_I4: case VT_UI1: out += std::to_string(static_cast<long>(v.toDouble())); break;
    case VT_R4: appendNumber(out, v.fltVal); break;
    case VT_R8: case VT_DATE: appendNumber(out, v.toDouble()); break;
    case VT_BOOL: out += v.boolVal ? "true" : "false"; break;
    case VT_BSTR: out += jsonString(v.text().view()); break;
    default: out += "null"; break;  // NULL, and empty values
  }
}

std::vector<std::string> uniqueKeys(std::vector<std::wstring> const& columns) {
  std::vector<std::string> keys;
  std::set<std::wstring> used;
  for (auto const& name : columns) {
    std::wstring key = name;
    for (int n = 2; used.contains(key); ++n) key = name + L"_" + std::to_wstring(n);
    used.insert(key);
    keys.push_back(jsonString(key));
  }
  return keys;
}

}  // namespace

ResultTable readAll(CDaoRecordset& rs) {
  ResultTable result;
  const short count = rs.GetFieldCount();
  CDaoFieldInfo info;
  for (short i = 0; i < count; ++i) {
    rs.GetFieldInfo(i, info);
    result.columns.push_back(info.m_strName.str());
  }
  for (; !rs.IsEOF(); rs.MoveNext()) {
    auto& row = result.rows.emplace_back();
    row.reserve(static_cast<std::size_t>(count));
    for (short i = 0; i < count; ++i) row.push_back(rs.GetFieldValue(i));
  }
  return result;
}

void printTable(std::ostream& out, ResultTable const& result) {
  const std::size_t n = result.columns.size();
  // The texts are made twice, for the widths and for the lines, rather than
  // kept: a section's vertex table runs to millions of cells.
  std::vector<std::size_t> widths(n);
  for (std::size_t i = 0; i < n; ++i) widths[i] = result.columns[i].size();
  for (auto const& row : result.rows)
    for (std::size_t i = 0; i < n; ++i) widths[i] = std::max(widths[i], cellText(row[i], result.digits).size());
  writeRow(out, result.columns, widths);
  std::vector<std::wstring> line;
  for (auto w : widths) line.emplace_back(w, L'-');
  writeRow(out, line, widths);
  for (auto const& row : result.rows) {
    for (std::size_t i = 0; i < n; ++i) line[i] = cellText(row[i], result.digits);
    writeRow(out, line, widths);
  }
  const std::size_t rows = result.rows.size();
  out << '(' << rows << (rows == 1 ? " row)" : " rows)") << '\n';
}

void printJson(std::ostream& out, ResultTable const& result) {
  if (result.rows.empty()) {
    out << "[]\n";
    return;
  }
  const auto keys = uniqueKeys(result.columns);
  std::string line;
  out << "[\n";
  for (std::size_t r = 0; r < result.rows.size(); ++r) {
    line = "  {";
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (i > 0) line += ", ";
      line += keys[i];
      line += ": ";
      appendJsonValue(line, result.rows[r][i]);
    }
    line += r + 1 < result.rows.size() ? "},\n" : "}\n";
    out << line;
  }
  out << "]\n";
}

void printJsonRecord(std::ostream& out, ResultTable const& record) {
  const auto keys = uniqueKeys(record.columns);
  std::string line = "{";
  for (std::size_t i = 0; i < keys.size() && !record.rows.empty(); ++i) {
    if (i > 0) line += ", ";
    line += keys[i];
    line += ": ";
    appendJsonValue(line, record.rows[0][i]);
  }
  line += "}\n";
  out << line;
}

void print(std::ostream& out, ResultTable const& result, bool json) {
  json ? printJson(out, result) : printTable(out, result);
}

void printJsonObject(std::ostream& out, std::vector<std::pair<std::wstring, ResultTable const*>> const& members) {
  out << "{\n";
  for (std::size_t i = 0; i < members.size(); ++i) {
    std::ostringstream member;
    if (members[i].second) printJson(member, *members[i].second);
    else member << "null\n";
    // Nested one level deeper: every line of the member but its first.
    std::string text = member.str();
    text.pop_back();
    std::string indented;
    for (char c : text) {
      indented += c;
      if (c == '\n') indented += "  ";
    }
    out << "  " << jsonString(members[i].first) << ": " << indented << (i + 1 < members.size() ? ",\n" : "\n");
  }
  out << "}\n";
}

void printValue(std::ostream& out, std::wstring const& key, COleVariant const& value, bool json, int digits) {
  std::string line;
  if (json) {
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for "{" + std::string (its bug 105651).
    line = "{";
    line += jsonString(key);
    line += ": ";
    appendJsonValue(line, value);
    line += "}";
  } else {
    line = zept::toUtf8(cellText(value, digits));
  }
  out << line << '\n';
}

void printAffected(std::ostream& out, long count, bool json) {
  if (json)
    out << "{\"rowsAffected\": " << count << "}\n";
  else
    out << count << (count == 1 ? " row affected" : " rows affected") << '\n';
}

std::string jsonString(std::wstring_view text) {
  std::wstring escaped;
  escaped.reserve(text.size() + 2);
  escaped += L'"';
  for (wchar_t c : text) {
    switch (c) {
      case L'"': escaped += L"\\\""; break;
      case L'\\': escaped += L"\\\\"; break;
      case L'\n': escaped += L"\\n"; break;
      case L'\r': escaped += L"\\r"; break;
      case L'\t': escaped += L"\\t"; break;
      case L'\b': escaped += L"\\b"; break;
      case L'\f': escaped += L"\\f"; break;
      default:
        if (c < 0x20) {
          escaped += L"\\u";
          appendHex(escaped, static_cast<unsigned>(c), 4);
        } else {
          escaped += c;
        }
    }
  }
  escaped += L'"';
  return zept::toUtf8(escaped);
}

}  // namespace zeptcat
