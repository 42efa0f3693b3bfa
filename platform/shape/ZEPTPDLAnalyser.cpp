// SPDX-License-Identifier: MIT
// The shape-script reader: a recursive-descent reader over the script's wide
// text that evaluates each statement's arguments as it goes and builds the
// contours in script units; nothing reaches the cross-section unless the
// whole script reads. Recursion passes through unary() at every level of
// nesting, so one depth counter there bounds it for any input.
#include "platform/shape/ZEPTPDLAnalyser.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/DtDbPolyline.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"

namespace {

constexpr int kMaxDepth = 64;
// A radius this much (relative) below half its chord still counts as a half
// circle: scripts written with six significant digits round both.
constexpr double kRadiusSlack = 1e-5;

struct Column {
  char const* name;
  double ZEPTDBProfileData::*member;
};

constexpr Column kColumns[] = {
    {"DIM1", &ZEPTDBProfileData::dim1},         {"DIM2", &ZEPTDBProfileData::dim2},
    {"DIM3", &ZEPTDBProfileData::dim3},         {"MASS", &ZEPTDBProfileData::mass},
    {"SURF", &ZEPTDBProfileData::surf},         {"H", &ZEPTDBProfileData::h},
    {"B", &ZEPTDBProfileData::b},               {"EA", &ZEPTDBProfileData::ea},
    {"ES", &ZEPTDBProfileData::es},             {"RA", &ZEPTDBProfileData::ra},
    {"RS", &ZEPTDBProfileData::rs},             {"GAP", &ZEPTDBProfileData::gap},
    {"SX", &ZEPTDBProfileData::sx},             {"SY", &ZEPTDBProfileData::sy},
    {"SZ", &ZEPTDBProfileData::sz},             {"IX", &ZEPTDBProfileData::ix},
    {"IY", &ZEPTDBProfileData::iy},             {"IZ", &ZEPTDBProfileData::iz},
    {"IOMEGA", &ZEPTDBProfileData::iomega},     {"VY", &ZEPTDBProfileData::vy},
    {"VPY", &ZEPTDBProfileData::vpy},           {"VZ", &ZEPTDBProfileData::vz},
    {"VPZ", &ZEPTDBProfileData::vpz},           {"MSY", &ZEPTDBProfileData::msy},
    {"MSZ", &ZEPTDBProfileData::msz},           {"TORS", &ZEPTDBProfileData::tors},
    {"SHEAR_QY", &ZEPTDBProfileData::shearQy},  {"SHEAR_QZ", &ZEPTDBProfileData::shearQz},
    {"GAMMA", &ZEPTDBProfileData::gamma},       {"A_1", &ZEPTDBProfileData::a1},
    {"A_2", &ZEPTDBProfileData::a2},            {"B_2", &ZEPTDBProfileData::b2},
    {"ES_2", &ZEPTDBProfileData::es2},          {"P1_L", &ZEPTDBProfileData::p1L},
    {"P1_T", &ZEPTDBProfileData::p1T},          {"P2_L", &ZEPTDBProfileData::p2L},
    {"P2_T", &ZEPTDBProfileData::p2T},          {"P3_L", &ZEPTDBProfileData::p3L},
    {"P3_T", &ZEPTDBProfileData::p3T},          {"P4_L", &ZEPTDBProfileData::p4L},
    {"P4_T", &ZEPTDBProfileData::p4T},
};

// ASCII comparison without regard to case; `upper` is upper case.
bool sameName(std::wstring_view name, std::string_view upper) {
  if (name.size() != upper.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    wchar_t c = name[i];
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    if (c != static_cast<wchar_t>(upper[i])) return false;
  }
  return true;
}

bool isLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_'; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// One contour as read, in script units; bulge i shapes the segment from
// point i to point i + 1, the last one the closing segment.
struct Outline {
  std::vector<DtGePoint2d> points;
  std::vector<double> bulges;
  bool hole = false;
};

// Equal up to what evaluating expressions can lose.
bool samePoint(DtGePoint2d const& p, DtGePoint2d const& q) {
  double const size = std::fmax(std::fmax(std::fabs(p.x), std::fabs(p.y)), std::fmax(std::fabs(q.x), std::fabs(q.y)));
  double const tol = 1e-12 * (1.0 + size);
  return std::fabs(p.x - q.x) <= tol && std::fabs(p.y - q.y) <= tol;
}

class Reader {
 public:
  Reader(std::wstring_view text, ZEPTDBProfileData const& values) : m_text(text), m_values(values) {}

  // -1 no statement, 0 read, 1 failed.
  int read(std::vector<Outline>& outlines) {
    skipBlanks();
    if (atEnd()) return -1;
    while (!atEnd()) {
      if (!statement(outlines)) return 1;
      skipBlanks();
    }
    return closeOutline(outlines) ? 0 : 1;
  }

 private:
  bool atEnd() const { return m_pos >= m_text.size(); }
  wchar_t peek() const { return atEnd() ? L'\0' : m_text[m_pos]; }

  void skipBlanks() {
    while (!atEnd()) {
      wchar_t const c = m_text[m_pos];
      if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') {
        ++m_pos;
      } else if (c == L'/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == L'/') {
        while (!atEnd() && m_text[m_pos] != L'\n') ++m_pos;
      } else {
        return;
      }
    }
  }

  // Consumes `c` after blanks; false if something else stands there.
  bool expect(wchar_t c) {
    skipBlanks();
    if (peek() != c) return false;
    ++m_pos;
    return true;
  }

  std::wstring_view name() {
    skipBlanks();
    std::size_t const start = m_pos;
    if (!isLetter(peek())) return {};
    while (isLetter(peek()) || isDigit(peek())) ++m_pos;
    return m_text.substr(start, m_pos - start);
  }

  bool statement(std::vector<Outline>& outlines) {
    std::wstring_view const keyword = name();
    if (!expect(L'(')) return false;
    double x = 0, y = 0;
    if (!expression(x) || !expect(L',') || !expression(y)) return false;
    bool ok = false;
    if (sameName(keyword, "STARTCONTOUR")) {
      if (!expect(L',')) return false;
      std::wstring_view const kind = name();
      bool const hole = sameName(kind, "HOLE");
      ok = (hole || sameName(kind, "EXT")) && end() && startOutline(outlines, {x, y}, hole);
    } else if (sameName(keyword, "LINETO")) {
      ok = end() && lineTo(outlines, {x, y});
    } else if (sameName(keyword, "ARCTO")) {
      double r = 0;
      if (!expect(L',') || !expression(r) || !expect(L',')) return false;
      std::wstring_view const dir = name();
      bool const ccw = sameName(dir, "CCW");
      ok = (ccw || sameName(dir, "CW")) && end() && arcTo(outlines, {x, y}, r, ccw);
    }
    return ok;
  }

  // The ")" and ";" that close a statement.
  bool end() { return expect(L')') && expect(L';'); }

  bool startOutline(std::vector<Outline>& outlines, DtGePoint2d const& p, bool hole) {
    if (!closeOutline(outlines)) return false;
    outlines.push_back({{p}, {0.0}, hole});
    m_open = true;
    return true;
  }

  // A contour's last point on its first one is the closing segment's end.
  bool closeOutline(std::vector<Outline>& outlines) {
    if (!m_open) return true;
    m_open = false;
    Outline& o = outlines.back();
    if (o.points.size() > 1 && samePoint(o.points.back(), o.points.front())) {
      o.points.pop_back();
      o.bulges.pop_back();
    }
    return true;
  }

  bool lineTo(std::vector<Outline>& outlines, DtGePoint2d const& q) {
    if (!m_open) return false;
    Outline& o = outlines.back();
    if (!samePoint(o.points.back(), q)) {
      o.points.push_back(q);
      o.bulges.push_back(0.0);
    }
    return true;
  }

  // The centre lies left of the chord p -> q for r < 0, right for r > 0;
  // the arc runs from p to q about it in the direction given.
  bool arcTo(std::vector<Outline>& outlines, DtGePoint2d const& q, double r, bool ccw) {
    if (!m_open) return false;
    Outline& o = outlines.back();
    DtGePoint2d const p = o.points.back();
    if (samePoint(p, q)) return true;
    DtGeVector2d const chord = q - p;
    double const half = chord.length() * 0.5;
    double const radius = std::fabs(r);
    if (!(radius >= half * (1.0 - kRadiusSlack))) return false;
    double const rise = radius > half ? std::sqrt(radius * radius - half * half) : 0.0;
    DtGeVector2d const left = chord.normal().perpVector();
    DtGePoint2d const center = p + chord * 0.5 + left * (r < 0.0 ? rise : -rise);
    // Turn from p to q about the centre, in (0, 2*pi] the way the arc runs.
    double turn = (p - center).angleTo(q - center);
    if (ccw && turn <= 0.0) turn += 2.0 * std::numbers::pi;
    if (!ccw && turn >= 0.0) turn -= 2.0 * std::numbers::pi;
    double const bulge = std::tan(turn / 4.0);
    if (!std::isfinite(bulge)) return false;
    o.bulges.back() = bulge;
    o.points.push_back(q);
    o.bulges.push_back(0.0);
    return true;
  }

  // expression := term { ("+" | "-") term }
  bool expression(double& value) {
    if (!term(value)) return false;
    for (;;) {
      skipBlanks();
      wchar_t const op = peek();
      if (op != L'+' && op != L'-') return true;
      ++m_pos;
      double rhs = 0;
      if (!term(rhs)) return false;
      value = op == L'+' ? value + rhs : value - rhs;
    }
  }

  // term := unary { ("*" | "/") unary }; "//" is a comment, not two divisions.
  bool term(double& value) {
    if (!unary(value)) return false;
    for (;;) {
      skipBlanks();
      wchar_t const op = peek();
      if (op != L'*' && op != L'/') return true;
      ++m_pos;
      double rhs = 0;
      if (!unary(rhs)) return false;
      value = op == L'*' ? value * rhs : value / rhs;
    }
  }

  // unary := ("-" | "+") unary | primary
  bool unary(double& value) {
    if (m_depth >= kMaxDepth) return false;
    ++m_depth;
    bool ok = false;
    skipBlanks();
    if (peek() == L'-' || peek() == L'+') {
      bool const negate = peek() == L'-';
      ++m_pos;
      ok = unary(value);
      if (negate) value = -value;
    } else {
      ok = primary(value);
    }
    --m_depth;
    return ok;
  }

  // primary := number | "(" expression ")" | PI | column | function "(" args ")"
  bool primary(double& value) {
    skipBlanks();
    if (peek() == L'(') {
      ++m_pos;
      return expression(value) && expect(L')');
    }
    if (isDigit(peek()) || peek() == L'.') return number(value);
    std::wstring_view const id = name();
    if (id.empty()) return false;
    if (sameName(id, "PI")) {
      value = std::numbers::pi;
      return true;
    }
    for (Column const& c : kColumns)
      if (sameName(id, c.name)) {
        value = m_values.*c.member;
        return true;
      }
    return function(id, value);
  }

  bool function(std::wstring_view id, double& value) {
    static constexpr struct {
      char const* name;
      double (*apply)(double);
    } kOne[] = {
        {"SQRT", [](double v) { return std::sqrt(v); }}, {"SIN", [](double v) { return std::sin(v); }},
        {"COS", [](double v) { return std::cos(v); }},   {"TAN", [](double v) { return std::tan(v); }},
        {"ATAN", [](double v) { return std::atan(v); }}, {"ABS", [](double v) { return std::fabs(v); }},
    };
    for (auto const& f : kOne)
      if (sameName(id, f.name)) {
        if (!expect(L'(') || !expression(value) || !expect(L')')) return false;
        value = f.apply(value);
        return true;
      }
    bool const isMin = sameName(id, "MIN");
    if (!isMin && !sameName(id, "MAX")) return false;
    double other = 0;
    if (!expect(L'(') || !expression(value) || !expect(L',') || !expression(other) || !expect(L')')) return false;
    value = isMin ? std::fmin(value, other) : std::fmax(value, other);
    return true;
  }

  // digits ["." digits] [("e" | "E") ["+" | "-"] digits], at least one digit
  // before the exponent; C locale whatever the process's is.
  bool number(double& value) {
    std::size_t const start = m_pos;
    std::size_t digits = 0;
    while (isDigit(peek())) ++m_pos, ++digits;
    if (peek() == L'.') {
      ++m_pos;
      while (isDigit(peek())) ++m_pos, ++digits;
    }
    if (digits == 0) return false;
    if (peek() == L'e' || peek() == L'E') {
      ++m_pos;
      if (peek() == L'+' || peek() == L'-') ++m_pos;
      if (!isDigit(peek())) return false;
      while (isDigit(peek())) ++m_pos;
    }
    // Only ASCII digits, ".", "e" and signs are in the token.
    std::string narrow(m_text.begin() + static_cast<std::ptrdiff_t>(start),
                       m_text.begin() + static_cast<std::ptrdiff_t>(m_pos));
    auto const [end, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    return ec == std::errc() && end == narrow.data() + narrow.size();
  }

  std::wstring_view m_text;
  ZEPTDBProfileData const& m_values;
  std::size_t m_pos = 0;
  int m_depth = 0;
  bool m_open = false;  // a contour has been started
};

}  // namespace

int ZEPTPDLAnalyser::setDefinitionByData(ZEPTDBProfileData& data, double scale) {
  std::vector<Outline> outlines;
  int const result = Reader(data.pdlScript.str(), data).read(outlines);
  if (result != 0) return result;
  // A catalog without a known section unit gives a factor of 0 and a scale
  // of infinity: refused rather than drawn as a point.
  double const factor = data.unitFactor;
  if (!(std::isfinite(scale) && scale > 0 && std::isfinite(factor) && factor > 0)) return 1;
  ZEPTSection section(data.isThin);
  for (Outline const& o : outlines) {
    DtDbPolyline polyline(static_cast<unsigned>(o.points.size()));
    for (std::size_t i = 0; i < o.points.size(); ++i)
      polyline.addVertexAt(static_cast<unsigned>(i), DtGePoint2d(o.points[i].x * factor, o.points[i].y * factor),
                           o.bulges[i]);
    ZEPTContour contour(o.hole);
    if (!contour.setPolyline(&polyline)) return 1;
    section.addContour(contour);
  }
  if (m_crossSection) {
    m_crossSection->removeAllSections();
    m_crossSection->removeAllCustomPoints();
    m_crossSection->removeAllDimLines();
    m_crossSection->addSection(section);
  }
  return 0;
}
