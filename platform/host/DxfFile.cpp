// SPDX-License-Identifier: MIT
// Reading and writing ASCII DXF: the text is checked and split into group
// code/value pairs first, then parsed in double precision; a drawing is
// written through libdime's output stream and saved whole (zept::fs::writeWhole).
#include "platform/host/DxfFile.h"

#include <dime/Input.h>
#include <dime/Output.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <set>
#include <string_view>

#include "platform/fs/TempFile.h"
#include "platform/host/DxfBlocks.h"
#include "platform/fs/UniqueFd.h"

namespace zept::dxf {

namespace {

// Bigger drawings are refused rather than read into memory.
constexpr std::size_t kMaxFileSize = std::size_t{256} << 20;
// DXF limits a value line to 2049 characters; libdime's line buffer holds
// 4096 and its number buffers 512, so longer lines never reach it.
constexpr std::size_t kMaxLineLength = 2049;

struct Pair {
  int code = 0;
  std::string value;
  std::size_t line = 0;  // of the group code, from 1
};

// A pair as read: the value lies in the values' arena (see tokenize). A
// drawing has millions of pairs, so it is kept small.
struct ReadPair {
  int code = 0;
  std::uint32_t line = 0;  // of the group code, from 1
  std::string_view value;
};

// The values of a drawing's pairs, end to end, and the pairs pointing into
// them: a string of its own per value would take several times the file.
struct Pairs {
  std::string arena;
  std::vector<ReadPair> pairs;
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

using Fd = zept::fs::UniqueFd;

std::string lineText(std::size_t line) { return "line " + std::to_string(line); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A group-code line: blanks, an optional minus and one to six digits.
std::optional<int> groupCode(std::string_view line) {
  line = trim(line);
  bool negative = false;
  if (!line.empty() && line.front() == '-') {
    negative = true;
    line.remove_prefix(1);
  }
  if (line.empty() || line.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : line) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

// Checks what libdime would otherwise trust: lines of bounded length, group
// codes that are small integers, no NUL bytes, a first section and a closing
// EOF. Gives the length of the text up to and including the EOF pair, and
// the number of pairs in it that are not comments.
bool checkText(std::string const& text, std::size_t& usedLength, std::size_t& pairs, std::string& error) {
  if (text.empty()) {
    error = "empty file, not a DXF file";
    return false;
  }
  if (text.rfind("AutoCAD Binary DXF", 0) == 0) {
    error = "binary DXF is not supported, only ASCII DXF";
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    error = "not a DXF file (binary data)";
    return false;
  }
  std::size_t pos = 0, line = 0;
  auto nextLine = [&](std::string_view& out) {
    if (pos >= text.size()) return false;
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    out = std::string_view(text).substr(pos, end - pos);
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    pos = end;
    ++line;
    return true;
  };
  pairs = 0;
  bool first = true;
  std::string_view codeLine, valueLine;
  while (nextLine(codeLine)) {
    const std::size_t codeLineNo = line;
    const auto code = groupCode(codeLine);
    if (!code || codeLine.size() > kMaxLineLength) {
      if (pos >= text.size() && !first && text.back() != '\n' && text.back() != '\r')
        error = "truncated after " + lineText(codeLineNo - 1);  // cut inside the last line
      else
        error = first ? "not a DXF file" : lineText(codeLineNo) + ": bad group code";
      return false;
    }
    if (!nextLine(valueLine)) {
      error = "truncated after " + lineText(codeLineNo);
      return false;
    }
    if (valueLine.size() > kMaxLineLength) {
      error = lineText(line) + ": line longer than " + std::to_string(kMaxLineLength) + " characters";
      return false;
    }
    if (*code == 999) continue;
    const std::string_view value = trim(valueLine);
    if (first && (*code != 0 || value != "SECTION")) {
      error = "not a DXF file";
      return false;
    }
    first = false;
    ++pairs;
    if (*code == 0 && value == "EOF") {
      usedLength = pos;
      return true;
    }
  }
  error = first ? "not a DXF file" : "truncated after " + lineText(line) + " (no EOF)";
  return false;
}

// The group-code/value pairs of the checked text, as libdime reads them.
// No value is longer than its line, so the arena, reserved to the text's
// length, never moves while the pairs are made.
bool tokenize(std::string& text, std::size_t length, std::size_t expected, Pairs& out, std::string& error) {
  File stream(::fmemopen(text.data(), length, "r"));
  if (!stream) {
    error = "out of memory";
    return false;
  }
  dimeInput in;
  if (!in.setFileHandle(stream.get()) || in.isBinary()) {
    error = "not a DXF file";
    return false;
  }
  out.pairs.clear();
  out.pairs.reserve(expected);
  out.arena.clear();
  out.arena.reserve(length);
  for (std::size_t i = 0; i < expected; ++i) {
    int32 code = 0;
    if (!in.readGroupCode(code)) break;
    const auto line = static_cast<std::uint32_t>(in.getFilePosition());
    char const* value = in.readString();
    if (!value) break;
    const std::size_t n = std::strlen(value), at = out.arena.size();
    if (n > out.arena.capacity() - at) break;
    out.arena.append(value, n);
    out.pairs.push_back({static_cast<int>(code), line, std::string_view(out.arena.data() + at, n)});
  }
  if (out.pairs.size() != expected) {
    error = "unreadable after " + lineText(out.pairs.empty() ? 1 : out.pairs.back().line + 1);
    return false;
  }
  return true;
}

bool number(ReadPair const& p, double& value, std::string& error) {
  std::string_view s = trim(p.value);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  // Beyond 1e100 nothing is a drawing's size; such values would overflow
  // once turned or scaled.
  if (s.empty() || ec != std::errc{} || end != s.data() + s.size() || !(std::fabs(value) <= 1e100)) {
    error = lineText(p.line + 1) + ": bad number \"" + std::string(p.value.substr(0, 40)) + "\"";
    return false;
  }
  return true;
}

bool integer(ReadPair const& p, long& value, std::string& error) {
  double d = 0;
  if (!number(p, d, error)) return false;
  if (d != std::floor(d) || std::fabs(d) > 2147483647.0) {
    error = lineText(p.line + 1) + ": bad integer \"" + std::string(p.value.substr(0, 40)) + "\"";
    return false;
  }
  value = static_cast<long>(d);
  return true;
}

constexpr double kDegree = std::numbers::pi / 180.0;

// The pairs of one entity, read field by field.
class Fields {
 public:
  Fields(std::vector<ReadPair> const& pairs, std::size_t begin, std::size_t end)
      : m_pairs(pairs), m_begin(begin), m_end(end) {}

  // Every value of `code`, in order.
  bool numbers(int code, std::vector<double>& out, std::string& error) const {
    for (std::size_t i = m_begin; i < m_end; ++i)
      if (m_pairs[i].code == code) {
        double v = 0;
        if (!dxf::number(m_pairs[i], v, error)) return false;
        out.push_back(v);
      }
    return true;
  }
  // The first value of `code`, or `fallback`.
  bool number(int code, double& out, double fallback, std::string& error) const {
    out = fallback;
    for (std::size_t i = m_begin; i < m_end; ++i)
      if (m_pairs[i].code == code) return dxf::number(m_pairs[i], out, error);
    return true;
  }
  bool integer(int code, long& out, long fallback, std::string& error) const {
    out = fallback;
    for (std::size_t i = m_begin; i < m_end; ++i)
      if (m_pairs[i].code == code) return dxf::integer(m_pairs[i], out, error);
    return true;
  }
  bool point(int xCode, Vec3& out, Vec3 fallback, std::string& error) const {
    return number(xCode, out.x, fallback.x, error) && number(xCode + 10, out.y, fallback.y, error) &&
           number(xCode + 20, out.z, fallback.z, error);
  }
  // Points of `xCode` (x), `xCode` + 10 (y) and + 20 (z): each x starts one.
  bool points(int xCode, std::vector<Vec3>& out, std::string& error) const {
    for (std::size_t i = m_begin; i < m_end; ++i) {
      ReadPair const& p = m_pairs[i];
      if (p.code != xCode && p.code != xCode + 10 && p.code != xCode + 20) continue;
      double v = 0;
      if (!dxf::number(p, v, error)) return false;
      if (p.code == xCode)
        out.push_back({v, 0, 0});
      else if (out.empty())
        continue;  // a y or z before any x belongs to no point
      else
        (p.code == xCode + 10 ? out.back().y : out.back().z) = v;
    }
    return true;
  }
  std::string text(int code, std::string fallback) const {
    for (std::size_t i = m_begin; i < m_end; ++i)
      if (m_pairs[i].code == code) return std::string(trim(m_pairs[i].value));
    return fallback;
  }
  std::size_t firstLine() const { return m_pairs[m_begin].line; }

 private:
  std::vector<ReadPair> const& m_pairs;
  std::size_t m_begin, m_end;
};

bool normalOf(Fields const& f, Vec3& n, std::string& error) {
  if (!f.point(210, n, {0, 0, 1}, error)) return false;
  const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (!(len > 1e-12)) {
    error = lineText(f.firstLine()) + ": zero extrusion direction";
    return false;
  }
  n = {n.x / len, n.y / len, n.z / len};
  return true;
}

std::string formatNumber(double v) {
  if (v == 0) return "0.0";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  std::string s(buf, ec == std::errc{} ? end : buf);
  if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
  return s;
}

// Why no reader takes the curve (a radius not above zero, an ellipse's zero
// major axis or axis ratio outside (0, 1]), or empty.
std::string shapeFault(Shape const& shape) {
  auto radius = [](double r) { return r > 0 ? std::string() : "the radius " + formatNumber(r) + " is not above zero"; };
  if (auto c = std::get_if<Circle>(&shape)) return radius(c->radius);
  if (auto a = std::get_if<Arc>(&shape)) return radius(a->radius);
  if (auto el = std::get_if<Ellipse>(&shape)) {
    if (!(el->ratio > 0 && el->ratio <= 1))
      return "the axis ratio " + formatNumber(el->ratio) + " is not above zero and at most 1";
    if (el->majorAxis.x == 0 && el->majorAxis.y == 0 && el->majorAxis.z == 0) return "the major axis is zero";
  }
  return {};
}

// Reads the entity at [begin, end); `shape` stays empty for kinds passed
// over. POLYLINE takes its VERTEX entities up to SEQEND along, so `end` may
// move.
bool readEntity(std::vector<ReadPair> const& pairs, std::size_t begin, std::size_t& end,
                std::optional<Entity>& entity,
                std::string& error) {
  auto entityEnd = [&](std::size_t from) {
    std::size_t e = from + 1;
    while (e < pairs.size() && pairs[e].code != 0) ++e;
    return e;
  };
  end = entityEnd(begin);
  const Fields f(pairs, begin + 1, end);
  const std::string_view kind = pairs[begin].value;
  entity.reset();
  long paperSpace = 0;
  if (!f.integer(67, paperSpace, 0, error)) return false;
  Entity e;
  e.layer = f.text(8, "0");
  if (kind == "LINE") {
    Line l;
    if (!f.point(10, l.start, {}, error) || !f.point(11, l.end, {}, error)) return false;
    e.shape = l;
  } else if (kind == "CIRCLE") {
    Circle c;
    if (!f.point(10, c.center, {}, error) || !f.number(40, c.radius, 0, error) || !normalOf(f, c.normal, error))
      return false;
    e.shape = c;
  } else if (kind == "ARC") {
    Arc a;
    double start = 0, endAngle = 0;
    if (!f.point(10, a.center, {}, error) || !f.number(40, a.radius, 0, error) || !f.number(50, start, 0, error) ||
        !f.number(51, endAngle, 0, error) || !normalOf(f, a.normal, error))
      return false;
    a.startAngle = start * kDegree;
    a.endAngle = endAngle * kDegree;
    e.shape = a;
  } else if (kind == "ELLIPSE") {
    Ellipse el;
    if (!f.point(10, el.center, {}, error) || !f.point(11, el.majorAxis, {}, error) ||
        !f.number(40, el.ratio, 1, error) || !f.number(41, el.startParam, 0, error) ||
        !f.number(42, el.endParam, 2 * std::numbers::pi, error) || !normalOf(f, el.normal, error))
      return false;
    if (std::fabs(el.endParam - el.startParam - 2 * std::numbers::pi) < 1e-12) el.startParam = el.endParam = 0;
    e.shape = el;
  } else if (kind == "LWPOLYLINE") {
    Polyline pl;
    long flags = 0;
    if (!f.integer(70, flags, 0, error) || !f.number(38, pl.elevation, 0, error) || !normalOf(f, pl.normal, error))
      return false;
    pl.closed = (flags & 1) != 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
      ReadPair const& p = pairs[i];
      double v = 0;
      if (p.code != 10 && p.code != 20 && p.code != 42) continue;
      if (!number(p, v, error)) return false;
      if (p.code == 10)
        pl.vertices.push_back({v, 0, 0});
      else if (!pl.vertices.empty())
        (p.code == 20 ? pl.vertices.back().y : pl.vertices.back().bulge) = v;
    }
    e.shape = std::move(pl);
  } else if (kind == "POLYLINE") {
    long flags = 0;
    Vec3 origin, normal;
    if (!f.integer(70, flags, 0, error) || !f.point(10, origin, {}, error) || !normalOf(f, normal, error))
      return false;
    // Its vertices follow as entities of their own, up to SEQEND.
    std::vector<Vec3> points;
    std::vector<double> bulges;
    std::size_t v = end;
    while (v < pairs.size() && pairs[v].value == "VERTEX") {
      const std::size_t vEnd = entityEnd(v);
      const Fields vf(pairs, v + 1, vEnd);
      long vFlags = 0;
      Vec3 at;
      double bulge = 0;
      if (!vf.integer(70, vFlags, 0, error) || !vf.point(10, at, {}, error) || !vf.number(42, bulge, 0, error))
        return false;
      if ((vFlags & 16) == 0) {  // spline frame control points are not on the curve
        points.push_back(at);
        bulges.push_back(bulge);
      }
      v = vEnd;
    }
    if (v >= pairs.size() || pairs[v].value != "SEQEND") {
      error = lineText(pairs[begin].line) + ": POLYLINE without SEQEND";
      return false;
    }
    end = entityEnd(v);
    if (flags & (16 | 64)) return true;  // meshes are not curves
    if (flags & 8) {
      Polyline3d pl;
      pl.points = std::move(points);
      pl.closed = (flags & 1) != 0;
      e.shape = std::move(pl);
    } else {
      Polyline pl;
      pl.closed = (flags & 1) != 0;
      pl.elevation = origin.z;
      pl.normal = normal;
      for (std::size_t i = 0; i < points.size(); ++i) pl.vertices.push_back({points[i].x, points[i].y, bulges[i]});
      e.shape = std::move(pl);
    }
  } else if (kind == "SPLINE") {
    Spline s;
    long flags = 0, degree = 3;
    if (!f.integer(70, flags, 0, error) || !f.integer(71, degree, 3, error) || !f.numbers(40, s.knots, error) ||
        !f.numbers(41, s.weights, error) || !f.points(10, s.controlPoints, error) || !f.points(11, s.fitPoints, error))
      return false;
    if (degree < 1 || degree > 25) {
      error = lineText(pairs[begin].line) + ": SPLINE of degree " + std::to_string(degree);
      return false;
    }
    s.degree = static_cast<int>(degree);
    s.closed = (flags & 1) != 0;
    e.shape = std::move(s);
  } else {
    return true;
  }
  if (const std::string why = shapeFault(e.shape); !why.empty()) {
    error = lineText(pairs[begin].line) + ": " + std::string(kind) + ": " + why;
    return false;
  }
  if (paperSpace == 1) return true;
  entity = std::move(e);
  return true;
}

// The INSERT at [begin, end): a reference to a block, placed.
bool readInsert(std::vector<ReadPair> const& pairs, std::size_t begin, std::size_t end, Insert& in, std::string& error) {
  const Fields f(pairs, begin + 1, end);
  double degrees = 0;
  if (!f.point(10, in.at, {}, error) || !f.number(41, in.scale.x, 1, error) || !f.number(42, in.scale.y, 1, error) ||
      !f.number(43, in.scale.z, 1, error) || !f.number(50, degrees, 0, error) || !normalOf(f, in.normal, error) ||
      !f.integer(70, in.columns, 1, error) || !f.integer(71, in.rows, 1, error) ||
      !f.number(44, in.columnSpacing, 0, error) || !f.number(45, in.rowSpacing, 0, error))
    return false;
  in.block = f.text(2, "");
  in.layer = f.text(8, "0");
  in.rotation = degrees * kDegree;
  in.line = pairs[begin].line;
  return true;
}

// The entities from `i` to the next ENDSEC, ENDBLK or EOF: curves into
// `entities`, references into `inserts`; paper space left out.
bool readEntities(std::vector<ReadPair> const& pairs, std::size_t& i, std::vector<Entity>& entities,
                  std::vector<Insert>& inserts, std::string& error) {
  while (i < pairs.size() && pairs[i].code == 0 && pairs[i].value != "ENDSEC" && pairs[i].value != "ENDBLK" &&
         pairs[i].value != "EOF") {
    std::size_t end = i;
    if (pairs[i].value == "INSERT") {
      end = i + 1;
      while (end < pairs.size() && pairs[end].code != 0) ++end;
      Insert in;
      long paperSpace = 0;
      if (!Fields(pairs, i + 1, end).integer(67, paperSpace, 0, error) || !readInsert(pairs, i, end, in, error))
        return false;
      // Attributes follow an insert up to SEQEND.
      if (end < pairs.size() && pairs[end].value == "ATTRIB")
        while (end < pairs.size() && !(pairs[end].code == 0 && pairs[end].value == "SEQEND")) ++end;
      if (paperSpace != 1) inserts.push_back(std::move(in));
      i = end;
      continue;
    }
    std::optional<Entity> entity;
    if (!readEntity(pairs, i, end, entity, error)) return false;
    if (entity) entities.push_back(std::move(*entity));
    i = end;
  }
  return true;
}

bool parse(std::vector<ReadPair> const& pairs, Drawing& drawing, std::string& error) {
  Drawing result;
  Blocks blocks;
  std::vector<Insert> inserts;
  std::optional<int> measurement, insUnits;
  std::size_t i = 0;
  while (i < pairs.size()) {
    if (pairs[i].code == 0 && pairs[i].value == "EOF") break;
    if (pairs[i].code != 0 || pairs[i].value != "SECTION" || i + 1 >= pairs.size() || pairs[i + 1].code != 2) {
      error = lineText(pairs[i].line) + ": SECTION expected";
      return false;
    }
    const std::string section(pairs[i + 1].value);
    const std::size_t sectionLine = pairs[i].line;
    i += 2;
    if (section == "HEADER") {
      for (; i < pairs.size() && pairs[i].code != 0; ++i) {
        if (pairs[i].code != 9 || i + 1 >= pairs.size()) continue;
        Vec3* ucs = pairs[i].value == "$UCSORG"    ? &result.ucsOrigin
                    : pairs[i].value == "$UCSXDIR" ? &result.ucsXAxis
                    : pairs[i].value == "$UCSYDIR" ? &result.ucsYAxis
                                                   : nullptr;
        for (std::size_t j = i + 1; ucs && j < pairs.size() && j < i + 4; ++j) {
          const int c = pairs[j].code;
          if (c != 10 && c != 20 && c != 30) break;
          if (!number(pairs[j], c == 10 ? ucs->x : c == 20 ? ucs->y : ucs->z, error)) return false;
        }
        std::optional<int>* slot = pairs[i].value == "$MEASUREMENT" ? &measurement
                                   : pairs[i].value == "$INSUNITS"  ? &insUnits
                                                                    : nullptr;
        if (slot && pairs[i + 1].code == 70) {
          long v = 0;
          if (!integer(pairs[i + 1], v, error)) return false;
          *slot = static_cast<int>(v);
        }
      }
    } else if (section == "ENTITIES") {
      if (!readEntities(pairs, i, result.entities, inserts, error)) return false;
    } else if (section == "BLOCKS") {
      while (i < pairs.size() && pairs[i].code == 0 && pairs[i].value == "BLOCK") {
        std::size_t end = i + 1;
        while (end < pairs.size() && pairs[end].code != 0) ++end;
        const Fields f(pairs, i + 1, end);
        Block block;
        if (!f.point(10, block.base, {}, error)) return false;
        const std::string name = f.text(2, "");
        const std::size_t line = pairs[i].line;
        i = end;
        if (!readEntities(pairs, i, block.entities, block.inserts, error)) return false;
        if (i >= pairs.size() || pairs[i].value != "ENDBLK") {
          error = lineText(line) + ": BLOCK " + name + " has no ENDBLK";
          return false;
        }
        for (++i; i < pairs.size() && pairs[i].code != 0; ++i) {
        }
        blocks[name] = std::move(block);
      }
      while (i < pairs.size() && !(pairs[i].code == 0 && (pairs[i].value == "ENDSEC" || pairs[i].value == "EOF")))
        ++i;
    } else {
      while (i < pairs.size() && !(pairs[i].code == 0 && (pairs[i].value == "ENDSEC" || pairs[i].value == "EOF")))
        ++i;
    }
    if (i >= pairs.size() || pairs[i].code != 0 || pairs[i].value != "ENDSEC") {
      error = lineText(sectionLine) + ": section " + section + " has no ENDSEC";
      return false;
    }
    ++i;
  }
  if (!expandInserts(inserts, blocks, result.entities, error)) return false;
  if (measurement)
    result.measurement = *measurement == 0 ? 0 : 1;
  else if (insUnits)
    result.measurement = (*insUnits == 1 || *insUnits == 2) ? 0 : 1;  // inches, feet
  drawing = std::move(result);
  return true;
}

// ---- writing

// The reader's bound on a number (see number()).
constexpr double kMaxMagnitude = 1e100;

class Writer {
 public:
  void pair(int code, std::string value) { m_pairs.push_back({code, std::move(value), 0}); }
  void pair(int code, double value) {
    if (!(std::fabs(value) <= kMaxMagnitude)) refuse("the value " + formatNumber(value) + " is beyond +-1e100");
    pair(code, formatNumber(value));
  }
  // What is being written, for refusals: "the header", "entity 3 (CIRCLE)".
  void at(std::string what) {
    m_at = std::move(what);
    m_kind.clear();
  }
  void kind(std::string kind) { m_kind = std::move(kind); }
  // Keeps the first reason the reader would refuse the file for.
  void refuse(std::string const& why) {
    if (m_refused.empty()) m_refused = m_at + (m_kind.empty() ? "" : " (" + m_kind + ")") + ": " + why;
  }
  std::string const& refused() const { return m_refused; }
  void pair(int code, long value) { pair(code, std::to_string(value)); }
  void point(int xCode, Vec3 const& p) {
    pair(xCode, p.x);
    pair(xCode + 10, p.y);
    pair(xCode + 20, p.z);
  }
  std::string handle() {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%X", ++m_lastHandle);
    return buf;
  }
  std::string nextHandle() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%X", m_lastHandle + 1);
    return buf;
  }
  std::vector<Pair>& pairs() { return m_pairs; }

 private:
  std::vector<Pair> m_pairs;
  unsigned m_lastHandle = 0x1F;
  std::string m_at = "the header";
  std::string m_kind;
  std::string m_refused;
};

// Layer names may not hold the characters the DXF format reserves.
std::string layerName(std::string const& name) {
  std::string out;
  for (unsigned char c : name) out += (c < 32 || std::strchr("<>/\\\":;?*|=`", c)) ? '_' : static_cast<char>(c);
  return out.empty() ? "0" : out;
}

bool isZAxis(Vec3 const& n) { return n.x == 0 && n.y == 0 && n.z == 1; }

void writeEntity(Writer& w, Entity const& e, std::string const& owner) {
  auto head = [&](char const* kind, char const* subclass) {
    w.kind(kind);
    w.pair(0, kind);
    w.pair(5, w.handle());
    w.pair(330, owner);
    w.pair(100, "AcDbEntity");
    w.pair(8, layerName(e.layer));
    w.pair(100, subclass);
  };
  auto normal = [&](Vec3 const& n) {
    if (!isZAxis(n)) w.point(210, n);
  };
  if (auto l = std::get_if<Line>(&e.shape)) {
    head("LINE", "AcDbLine");
    w.point(10, l->start);
    w.point(11, l->end);
  } else if (auto c = std::get_if<Circle>(&e.shape)) {
    head("CIRCLE", "AcDbCircle");
    w.point(10, c->center);
    w.pair(40, c->radius);
    normal(c->normal);
  } else if (auto a = std::get_if<Arc>(&e.shape)) {
    head("ARC", "AcDbCircle");
    w.point(10, a->center);
    w.pair(40, a->radius);
    normal(a->normal);
    w.pair(100, "AcDbArc");
    w.pair(50, a->startAngle / kDegree);
    w.pair(51, a->endAngle / kDegree);
  } else if (auto el = std::get_if<Ellipse>(&e.shape)) {
    head("ELLIPSE", "AcDbEllipse");
    w.point(10, el->center);
    w.point(11, el->majorAxis);
    w.point(210, el->normal);
    w.pair(40, el->ratio);
    const bool whole = el->startParam == el->endParam;
    w.pair(41, whole ? 0.0 : el->startParam);
    w.pair(42, whole ? 2 * std::numbers::pi : el->endParam);
  } else if (auto pl = std::get_if<Polyline>(&e.shape)) {
    head("LWPOLYLINE", "AcDbPolyline");
    w.pair(90, static_cast<long>(pl->vertices.size()));
    w.pair(70, pl->closed ? 1L : 0L);
    if (pl->elevation != 0) w.pair(38, pl->elevation);
    for (auto const& v : pl->vertices) {
      w.pair(10, v.x);
      w.pair(20, v.y);
      if (v.bulge != 0) w.pair(42, v.bulge);
    }
    normal(pl->normal);
  } else if (auto p3 = std::get_if<Polyline3d>(&e.shape)) {
    // No 3D polyline of our own reaches a file: its segments go as lines.
    const std::size_t n = p3->points.size();
    for (std::size_t i = 0; i + 1 < n || (p3->closed && n > 2 && i < n); ++i) {
      Entity line{Line{p3->points[i], p3->points[(i + 1) % n]}, e.layer};
      writeEntity(w, line, owner);
    }
  } else if (auto s = std::get_if<Spline>(&e.shape)) {
    head("SPLINE", "AcDbSpline");
    long flags = s->closed ? 1 : 0;
    if (!s->weights.empty()) flags |= 4;
    w.pair(70, flags);
    w.pair(71, static_cast<long>(s->degree));
    w.pair(72, static_cast<long>(s->knots.size()));
    w.pair(73, static_cast<long>(s->controlPoints.size()));
    w.pair(74, static_cast<long>(s->fitPoints.size()));
    w.pair(42, 1e-10);
    w.pair(43, 1e-10);
    if (!s->fitPoints.empty()) w.pair(44, 1e-10);
    for (double k : s->knots) w.pair(40, k);
    for (double wt : s->weights) w.pair(41, wt);
    for (auto const& p : s->controlPoints) w.point(10, p);
    for (auto const& p : s->fitPoints) w.point(11, p);
  }
  if (const std::string why = shapeFault(e.shape); !why.empty()) w.refuse(why);
}

// The whole file as pairs: a DXF R2000 drawing with the tables, blocks and
// objects that readers expect, and the entities in model space.
// `refused` says why the reader would refuse the file, or is empty.
std::vector<Pair> drawingPairs(Drawing const& d, std::string& refused) {
  Writer w;
  std::set<std::string> layers{"0"};
  for (auto const& e : d.entities) layers.insert(layerName(e.layer));

  // Handles are handed out in file order; the seed is patched at the end.
  w.pair(0, "SECTION");
  w.pair(2, "HEADER");
  w.pair(9, "$ACADVER");
  w.pair(1, "AC1015");
  w.pair(9, "$HANDSEED");
  const std::size_t seedAt = w.pairs().size();
  w.pair(5, "0");
  w.pair(9, "$INSUNITS");
  w.pair(70, d.measurement == 0 ? 1L : 4L);
  w.pair(9, "$MEASUREMENT");
  w.pair(70, d.measurement == 0 ? 0L : 1L);
  w.pair(9, "$UCSORG");
  w.point(10, d.ucsOrigin);
  w.pair(9, "$UCSXDIR");
  w.point(10, d.ucsXAxis);
  w.pair(9, "$UCSYDIR");
  w.point(10, d.ucsYAxis);
  w.pair(0, "ENDSEC");
  w.pair(0, "SECTION");
  w.pair(2, "CLASSES");
  w.pair(0, "ENDSEC");

  w.pair(0, "SECTION");
  w.pair(2, "TABLES");
  auto table = [&](char const* name, std::size_t count, auto&& entries) {
    const std::string th = w.handle();
    w.pair(0, "TABLE");
    w.pair(2, name);
    w.pair(5, th);
    w.pair(330, "0");
    w.pair(100, "AcDbSymbolTable");
    w.pair(70, static_cast<long>(count));
    entries(th);
    w.pair(0, "ENDTAB");
  };
  auto record = [&](char const* kind, std::string const& owner, char const* subclass, std::string const& name) {
    w.pair(0, kind);
    w.pair(5, w.handle());
    w.pair(330, owner);
    w.pair(100, "AcDbSymbolTableRecord");
    w.pair(100, subclass);
    w.pair(2, name);
    w.pair(70, 0L);
  };
  table("VPORT", 1, [&](std::string const& th) {
    record("VPORT", th, "AcDbViewportTableRecord", "*Active");
    w.pair(10, 0.0), w.pair(20, 0.0), w.pair(11, 1.0), w.pair(21, 1.0);
    w.pair(12, 0.0), w.pair(22, 0.0), w.pair(40, 100.0), w.pair(41, 1.5);
  });
  table("LTYPE", 3, [&](std::string const& th) {
    for (char const* name : {"ByBlock", "ByLayer", "Continuous"}) {
      record("LTYPE", th, "AcDbLinetypeTableRecord", name);
      w.pair(3, std::strcmp(name, "Continuous") == 0 ? "Solid line" : "");
      w.pair(72, 65L);
      w.pair(73, 0L);
      w.pair(40, 0.0);
    }
  });
  table("LAYER", layers.size(), [&](std::string const& th) {
    for (auto const& name : layers) {
      record("LAYER", th, "AcDbLayerTableRecord", name);
      w.pair(62, 7L);
      w.pair(6, "Continuous");
    }
  });
  table("STYLE", 1, [&](std::string const& th) {
    record("STYLE", th, "AcDbTextStyleTableRecord", "Standard");
    w.pair(40, 0.0), w.pair(41, 1.0), w.pair(50, 0.0), w.pair(71, 0L), w.pair(42, 2.5);
    w.pair(3, "txt"), w.pair(4, "");
  });
  table("VIEW", 0, [](std::string const&) {});
  table("UCS", 0, [](std::string const&) {});
  table("APPID", 1, [&](std::string const& th) { record("APPID", th, "AcDbRegAppTableRecord", "ACAD"); });
  table("DIMSTYLE", 1, [&](std::string const& th) {
    w.pair(100, "AcDbDimStyleTable");
    w.pair(0, "DIMSTYLE");
    w.pair(105, w.handle());
    w.pair(330, th);
    w.pair(100, "AcDbSymbolTableRecord");
    w.pair(100, "AcDbDimStyleTableRecord");
    w.pair(2, "Standard");
    w.pair(70, 0L);
  });
  std::map<std::string, std::string> blockRecords;
  table("BLOCK_RECORD", 2, [&](std::string const& th) {
    for (char const* name : {"*Model_Space", "*Paper_Space"}) {
      const std::string h = w.handle();
      blockRecords[name] = h;
      w.pair(0, "BLOCK_RECORD");
      w.pair(5, h);
      w.pair(330, th);
      w.pair(100, "AcDbSymbolTableRecord");
      w.pair(100, "AcDbBlockTableRecord");
      w.pair(2, name);
    }
  });
  w.pair(0, "ENDSEC");

  w.pair(0, "SECTION");
  w.pair(2, "BLOCKS");
  for (char const* name : {"*Model_Space", "*Paper_Space"}) {
    const bool paper = name[1] == 'P';
    for (char const* kind : {"BLOCK", "ENDBLK"}) {
      w.pair(0, kind);
      w.pair(5, w.handle());
      w.pair(330, blockRecords[name]);
      w.pair(100, "AcDbEntity");
      if (paper) w.pair(67, 1L);
      w.pair(8, "0");
      if (kind[0] == 'B') {
        w.pair(100, "AcDbBlockBegin");
        w.pair(2, name);
        w.pair(70, 0L);
        w.point(10, {});
        w.pair(3, name);
        w.pair(1, "");
      } else {
        w.pair(100, "AcDbBlockEnd");
      }
    }
  }
  w.pair(0, "ENDSEC");

  w.pair(0, "SECTION");
  w.pair(2, "ENTITIES");
  for (std::size_t i = 0; i < d.entities.size(); ++i) {
    w.at("entity " + std::to_string(i + 1));
    writeEntity(w, d.entities[i], blockRecords["*Model_Space"]);
  }
  w.at("the file");
  w.pair(0, "ENDSEC");

  w.pair(0, "SECTION");
  w.pair(2, "OBJECTS");
  const std::string root = w.handle(), groups = w.handle();
  w.pair(0, "DICTIONARY");
  w.pair(5, root);
  w.pair(330, "0");
  w.pair(100, "AcDbDictionary");
  w.pair(281, 1L);
  w.pair(3, "ACAD_GROUP");
  w.pair(350, groups);
  w.pair(0, "DICTIONARY");
  w.pair(5, groups);
  w.pair(330, root);
  w.pair(100, "AcDbDictionary");
  w.pair(281, 1L);
  w.pair(0, "ENDSEC");
  w.pair(0, "EOF");
  w.pairs()[seedAt].value = w.nextHandle();
  refused = w.refused();
  return std::move(w.pairs());
}

std::string folderOf(std::string const& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool read(std::string const& posixPath, Drawing& drawing, std::string& error) {
  const Fd fd(::open(posixPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));  // a FIFO must not block
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
    error = std::string("cannot open: ") + std::strerror(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    error = "not a file";
    return false;
  }
  if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
    error = "larger than " + std::to_string(kMaxFileSize >> 20) + " MiB";
    return false;
  }
  std::string text(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::read(fd.get(), text.data() + got, text.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      // Judged as far as it was read, it could pass for a shorter drawing.
      error = std::string("cannot read: ") + std::strerror(errno);
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  text.resize(got);  // a file that shrank while read is judged as it was read
  return readText(std::move(text), drawing, error);
}

bool readText(std::string text, Drawing& drawing, std::string& error) {
  std::size_t length = 0, expected = 0;
  Pairs pairs;
  if (!checkText(text, length, expected, error) || !tokenize(text, length, expected, pairs, error)) return false;
  std::string().swap(text);  // the pairs hold all that is needed
  return parse(pairs.pairs, drawing, error);
}

bool write(std::string const& posixPath, Drawing const& drawing, bool replace, std::string& error) {
  // A file the reader refuses is worse than none: refused before any is made.
  std::string refused;
  const std::vector<Pair> pairs = drawingPairs(drawing, refused);
  if (!refused.empty()) {
    error = "cannot be read back: " + refused;
    return false;
  }
  struct stat st {};
  const std::string folder = folderOf(posixPath);
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    error = "the folder does not exist";
    return false;
  }
  const auto slash = posixPath.find_last_of('/');
  if (zept::fs::isCatalogFileName(slash == std::string::npos ? posixPath : posixPath.substr(slash + 1))) {
    error = "the name is a catalog's";
    return false;
  }
  if (::stat(posixPath.c_str(), &st) == 0) {
    if (!replace) {
      error = "the file exists";
      return false;
    }
  }
  const std::optional<std::string> target = zept::fs::savedFilePath(posixPath, true);
  if (!target) {
    error = errno == EISDIR ? "a folder of that name exists" : "the name is not a file that can be replaced";
    return false;
  }

  auto produce = [&pairs](std::FILE* file) {
    dimeOutput out;
    bool ok = out.setFileHandle(file);
    for (auto const& p : pairs) {
      if (!ok) break;
      ok = out.writeGroupCode(p.code) && out.writeString(p.value.c_str());
    }
    return ok;
  };
  if (!zept::fs::writeWhole(folderOf(*target), *target, replace, produce)) {
    error = std::string("cannot write: ") + std::strerror(errno);
    return false;
  }
  return true;
}

Vec3 arbitraryAxis(Vec3 const& n) {
  constexpr double kLimit = 1.0 / 64.0;
  Vec3 ax;
  if (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit)
    ax = {n.z, 0, -n.x};  // world y x normal
  else
    ax = {-n.y, n.x, 0};  // world z x normal
  const double len = std::sqrt(ax.x * ax.x + ax.y * ax.y + ax.z * ax.z);
  return {ax.x / len, ax.y / len, ax.z / len};
}

}  // namespace zept::dxf
