// SPDX-License-Identifier: MIT
// The KORVA contour reader: a cursor over the text, numbers through
// DecimalText, contours built by the caller's factory.
#include "platform/math/ProComplexContourAndUnitReader.h"

#include <cmath>
#include <cwchar>

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

  // A number as the KORVA section parser reads it, through the same
  // scanner, but only in decimal spelling; a value beyond single precision
  // is refused.
  bool number(double& value) {
    next();
    wchar_t const* p = m_p;
    double read = 0;
    if (!zept::math::scanSingle(p, read, zept::math::NumberForms::Decimal) || std::isinf(read)) return false;
    value = read;
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

// The segment list of one closed contour, starting at `in`.
bool readContour(Cursor& in, LAContour& edges) { return in.take(L'(') && readSegments(in, edges); }

enum class Kind { Solid, Hole, Island };

// The grammar, text without its first zero character. `sink.open(kind)`
// gives the edges of the next closed contour, in text order: a group's
// outline, then its children. On success the unit name is returned through
// `unitStart`/`unitEnd`; on failure the sink holds a part of the text.
template <class Sink>
bool readText(wchar_t const* text, Sink& sink, wchar_t const*& unitStart, wchar_t const*& unitEnd) {
  if (std::wcschr(text, L'#')) return false;
  Cursor in(text);
  if (!in.take(L'"')) return false;
  unitStart = in.pos();
  unitEnd = std::wcschr(unitStart, L'"');
  if (!unitEnd) return false;
  Cursor body(unitEnd + 1);
  if (!body.take(L'(')) return false;
  while (body.take(L'(')) {    // section
    while (body.take(L'(')) {  // solid group
      if (!body.take(L'S')) return false;
      if (!readContour(body, sink.open(Kind::Solid)) || !body.count() || !body.take(L'(')) return false;
      while (body.take(L'(')) {  // child
        const wchar_t kind = body.next();
        if (kind != L'H' && kind != L'S') return false;
        body.take(kind);
        if (!readContour(body, sink.open(kind == L'H' ? Kind::Hole : Kind::Island))) return false;
        if (!body.take(L')')) return false;
      }
      if (!body.take(L')') || !body.take(L')')) return false;  // child list, group
    }
    if (!body.take(L')')) return false;
  }
  return body.take(L')') && body.next() == L'\0';
}

// Builds the tree: a solid per group under the root, children under it.
class TreeSink {
 public:
  explicit TreeSink(ProContourFactory const& factory) : m_factory(factory), m_root(factory.CreateComplexContour()) {}
  LAContour& open(Kind kind) {
    if (kind == Kind::Solid) {
      m_solid = m_root->Attach(m_factory.CreateSolidContour());
      return m_solid->GetLAContour();
    }
    if (kind == Kind::Hole) return m_solid->Attach(m_factory.CreateEmptyContour())->GetLAContour();
    return m_solid->Attach(m_factory.CreateSolidContour())->GetLAContour();
  }
  std::unique_ptr<ProComplexContour> take() { return std::move(m_root); }

 private:
  ProContourFactory const& m_factory;
  std::unique_ptr<ProComplexContour> m_root;
  ProSolidContour* m_solid = nullptr;
};

class FlatSink {
 public:
  explicit FlatSink(ProComplexContourAndUnitReader::Closed& closed) : m_closed(closed) { m_closed.count = 0; }
  LAContour& open(Kind kind) {
    auto& c = m_closed;
    if (c.count == c.edges.size()) {
      c.edges.emplace_back();
      c.holes.push_back(false);
    }
    c.holes[c.count] = kind == Kind::Hole;
    LAContour& edges = c.edges[c.count++];
    edges.removeAll();
    return edges;
  }

 private:
  ProComplexContourAndUnitReader::Closed& m_closed;
};

}  // namespace

ProComplexContourAndUnitReader::ProComplexContourAndUnitReader(CString const& text, ProContourFactory const& factory)
    : m_text(text.GetString()), m_factory(factory) {}

std::unique_ptr<ProComplexContour> ProComplexContourAndUnitReader::read(CString& unit) const {
  TreeSink sink(m_factory);
  wchar_t const* unitStart = nullptr;
  wchar_t const* unitEnd = nullptr;
  if (!readText(m_text.c_str(), sink, unitStart, unitEnd)) return nullptr;
  unit = CString(unitStart, static_cast<int>(unitEnd - unitStart));
  return sink.take();
}

bool ProComplexContourAndUnitReader::readClosed(wchar_t const* text, Closed& closed, std::wstring_view& unit) {
  FlatSink sink(closed);
  wchar_t const* unitStart = nullptr;
  wchar_t const* unitEnd = nullptr;
  if (!readText(text, sink, unitStart, unitEnd)) {
    closed.count = 0;
    return false;
  }
  unit = std::wstring_view(unitStart, static_cast<std::size_t>(unitEnd - unitStart));
  return true;
}
