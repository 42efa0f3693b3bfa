// SPDX-License-Identifier: MIT
#include "platform/math/ProComplexContourAndUnitReader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/math/DecimalText.h"

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\n' || c == L'\t'; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A position in a zero-terminated text. Every method that fails leaves the
// position somewhere inside the text; the caller then gives up.
class Cursor {
 public:
  explicit Cursor(wchar_t const* p) : m_p(p) {}

  wchar_t const* pos() const { return m_p; }

  wchar_t next() {
    while (isBlank(*m_p)) ++m_p;
    return *m_p;
  }

  // Steps over `c` when it is the next token.
  bool take(wchar_t c) {
    if (next() != c) return false;
    ++m_p;
    return true;
  }

  // A number as the KORVA parser's "%f" reads it into a float: the longest
  // decimal there, rounded to single precision.
  bool number(double& value) {
    next();
    wchar_t const* p = m_p;
    std::string lexeme;
    if (!zept::math::scanDecimal(p, lexeme)) return false;
    // A value too large for a float is refused; one too small for it
    // rounds towards zero.
    char const* const first = lexeme.data();
    char const* const last = first + lexeme.size();
    float narrow = 0;
    const auto [end, ec] = std::from_chars(first, last, narrow);
    if (ec == std::errc::result_out_of_range) {
      double wide = 0;
      if (std::from_chars(first, last, wide).ec != std::errc() ||
          !(std::fabs(wide) <= std::numeric_limits<float>::max()))
        return false;
      narrow = static_cast<float>(wide);
    } else if (ec != std::errc() || end != last) {
      return false;
    }
    value = narrow;
    m_p = p;
    return true;
  }

  // The count before a child list: a signed integer, then one character of
  // any kind but '(' and the end.
  bool count() {
    next();
    if (*m_p == L'+' || *m_p == L'-') ++m_p;
    if (!isDigit(*m_p)) return false;
    while (isDigit(*m_p)) ++m_p;
    if (*m_p == L'\0' || *m_p == L'(') return false;
    ++m_p;
    return true;
  }

 private:
  wchar_t const* m_p;
};

// The segments of one list, its '(' already taken, up to and with its ')'.
bool readSegments(Cursor& in, LAContour& edges) {
  while (in.take(L'(')) {
    const wchar_t kind = in.next();
    if (kind != L'L' && kind != L'A') return false;
    in.take(kind);
    double v[5];
    const int count = kind == L'L' ? 2 : 5;
    for (int i = 0; i < count; ++i) {
      if (!in.number(v[i])) return false;
    }
    if (kind == L'L') {
      edges.append(LAEdge(Point2(v[0], v[1])));
    } else {
      const Point2 center(v[0], v[1]);
      const double r = v[2];
      const double a = v[3];
      edges.append(LAEdge(Point2(center.x + r * std::cos(a), center.y + r * std::sin(a)), center, v[4]));
    }
    if (!in.take(L')')) return false;
  }
  return in.take(L')');
}

// A closed contour of `node`'s kind whose segment list starts at `in`.
template <class Contour>
bool readContour(Cursor& in, Contour& node) {
  // Straight into the new node: a failure drops the whole tree.
  return in.take(L'(') && readSegments(in, node.GetLAContour());
}

}  // namespace

ProComplexContourAndUnitReader::ProComplexContourAndUnitReader(CString const& text, ProContourFactory const& factory)
    : m_text(text.GetString()), m_factory(factory) {}

std::unique_ptr<ProComplexContour> ProComplexContourAndUnitReader::read(CString& unit) const {
  if (m_text.find(L'#') != std::wstring::npos) return nullptr;
  Cursor in(m_text.c_str());
  if (!in.take(L'"')) return nullptr;
  wchar_t const* const unitStart = in.pos();
  const std::size_t closingQuote = m_text.find(L'"', static_cast<std::size_t>(unitStart - m_text.c_str()));
  if (closingQuote == std::wstring::npos) return nullptr;
  wchar_t const* const unitEnd = m_text.c_str() + closingQuote;
  Cursor body(unitEnd + 1);
  if (!body.take(L'(')) return nullptr;

  auto root = m_factory.CreateComplexContour();
  while (body.take(L'(')) {    // section
    while (body.take(L'(')) {  // solid group
      if (!body.take(L'S')) return nullptr;
      ProSolidContour* solid = root->Attach(m_factory.CreateSolidContour());
      if (!readContour(body, *solid) || !body.count() || !body.take(L'(')) return nullptr;
      while (body.take(L'(')) {  // child
        const wchar_t kind = body.next();
        if (kind == L'H') {
          body.take(kind);
          if (!readContour(body, *solid->Attach(m_factory.CreateEmptyContour()))) return nullptr;
        } else if (kind == L'S') {
          body.take(kind);
          if (!readContour(body, *solid->Attach(m_factory.CreateSolidContour()))) return nullptr;
        } else {
          return nullptr;
        }
        if (!body.take(L')')) return nullptr;
      }
      if (!body.take(L')') || !body.take(L')')) return nullptr;  // child list, group
    }
    if (!body.take(L')')) return nullptr;
  }
  if (!body.take(L')') || body.next() != L'\0') return nullptr;
  unit = CString(unitStart, static_cast<int>(unitEnd - unitStart));
  return root;
}
