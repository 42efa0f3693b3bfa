// SPDX-License-Identifier: MIT
#include "platform/math/ProComplexContourAndUnitWriter.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void appendNumber(std::wstring& out, double value) {
  if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
    throw std::invalid_argument("contour coordinate not writable as a KORVA number");
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.push_back(L' ');
  out.append(digits, end);
}

void appendSegments(std::wstring& out, ProClosedContour const& contour) {
  out += L" (";
  for (LAEdge const& edge : contour.GetLAContour()) {
    if (edge.type == LAEdge::Arc) {
      out += L" (A";
      appendNumber(out, edge.center.x);
      appendNumber(out, edge.center.y);
      appendNumber(out, edge.center.distance(edge.start));
      appendNumber(out, std::atan2(edge.start.y - edge.center.y, edge.start.x - edge.center.x));
      appendNumber(out, edge.sweep);
    } else {
      out += L" (L";
      appendNumber(out, edge.start.x);
      appendNumber(out, edge.start.y);
    }
    out += L')';
  }
  out += L" )";
}

void appendGroup(std::wstring& out, ProClosedContour const& solid) {
  out += L" (S";
  appendSegments(out, solid);
  out += L' ' + std::to_wstring(solid.NumChildren()) + L" (";
  for (std::size_t i = 0; i < solid.NumChildren(); ++i) {
    ProClosedContour const* child = solid.GetChild(i)->AsClosed();
    if (!child) throw std::invalid_argument("complex contour below a solid contour");
    if (child->NumChildren() != 0) throw std::invalid_argument("contour below a hole or island");
    out += child->IsHole() ? L" (H" : L" (S";
    appendSegments(out, *child);
    out += L" )";
  }
  out += L" ) )";
}

}  // namespace

ProComplexContourAndUnitWriter::ProComplexContourAndUnitWriter(CString unit) : m_unit(std::move(unit)) {
  if (m_unit.view().find_first_of(std::wstring_view(L"\"#\0", 3)) != std::wstring_view::npos)
    throw std::invalid_argument("unit name not writable in a KORVA description");
}

CString ProComplexContourAndUnitWriter::write(ProComplexContour const& contour) const {
  // The groups are written straight into the text: an outline of a drawing
  // can run to millions of vertices, and copies of its text would add up.
  std::wstring text = L"\"" + m_unit.str() + L"\" (";
  const std::size_t noGroups = text.size();
  text += L" (";
  // Complex contours below the root are walked through, in order.
  std::vector<ProContour const*> pending{&contour};
  while (!pending.empty()) {
    ProContour const* node = pending.back();
    pending.pop_back();
    if (ProClosedContour const* closed = node->AsClosed()) {
      if (closed->IsHole()) throw std::invalid_argument("hole contour outside a solid contour");
      appendGroup(text, *closed);
      continue;
    }
    for (std::size_t i = node->NumChildren(); i-- > 0;) pending.push_back(node->GetChild(i));
  }
  if (text.size() == noGroups + 2)
    text.resize(noGroups);
  else
    text += L" )";
  text += L" )";
  return CString(std::move(text));
}
