// SPDX-License-Identifier: MIT
// zeptcat's record input on any text, as JSON, as key=value lines and as
// the tool picks. A JSON value that reads, written again as JSON, reads back
// into the same value.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/common/RecordInput.h"

namespace {

using zept::tools::InputError;
using zept::tools::InputValue;

void writeText(std::string& out, std::string const& text) {
  out += '"';
  for (char const c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned>(c));
      out += hex;
    } else {
      out += c;
    }
  }
  out += '"';
}

void writeJson(std::string& out, InputValue const& v) {
  switch (v.kind) {
    case InputValue::Kind::Null: out += "null"; break;
    case InputValue::Kind::Bool: out += v.boolean ? "true" : "false"; break;
    case InputValue::Kind::Number: out += v.text; break;
    case InputValue::Kind::Text: writeText(out, v.text); break;
    case InputValue::Kind::Array:
      out += '[';
      for (std::size_t i = 0; i < v.items.size(); ++i) {
        if (i) out += ',';
        writeJson(out, v.items[i]);
      }
      out += ']';
      break;
    case InputValue::Kind::Object:
      out += '{';
      for (std::size_t i = 0; i < v.members.size(); ++i) {
        if (i) out += ',';
        writeText(out, v.members[i].first);
        out += ':';
        writeJson(out, v.members[i].second);
      }
      out += '}';
      break;
  }
}

bool same(InputValue const& a, InputValue const& b) {
  if (a.kind != b.kind || a.boolean != b.boolean || a.text != b.text) return false;
  if (a.items.size() != b.items.size() || a.members.size() != b.members.size()) return false;
  for (std::size_t i = 0; i < a.items.size(); ++i)
    if (!same(a.items[i], b.items[i])) return false;
  for (std::size_t i = 0; i < a.members.size(); ++i)
    if (a.members[i].first != b.members[i].first || !same(a.members[i].second, b.members[i].second)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view const text(reinterpret_cast<char const*>(data), size);
  try {
    InputValue const value = zept::tools::parseJson(text);
    std::string written;
    writeJson(written, value);
    if (!same(zept::tools::parseJson(written), value)) std::abort();
  } catch (InputError const& e) {
    if (e.line() < 1) std::abort();
  }
  try {
    InputValue const lines = zept::tools::parseKeyValues(text);
    if (lines.kind != InputValue::Kind::Object) std::abort();
  } catch (InputError const& e) {
    if (e.line() < 1) std::abort();
  }
  try {
    (void)zept::tools::parseRecordInput(text);
  } catch (InputError const&) {
  }
  return 0;
}
