// SPDX-License-Identifier: MIT
// The KORVA contour writer: numbers as the shortest float text, noise
// beside the tree's extent written as 0.
#include "platform/math/ProComplexContourAndUnitWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The reader takes every number into a float, so the shortest text of that
// float reads back the same and carries no arithmetic noise (48.85, not
// 48.8500000000094). What is noise beside the drawing's size (a coordinate
// or an angle 1e-15 that should be 0) is written as 0; a radius never is.
struct NumberWriter {
  double tinyLength = 0;

  void number(std::wstring& out, double value, double tiny) const {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
      throw std::invalid_argument("contour coordinate not writable as a KORVA number");
    if (std::fabs(value) < tiny) value = 0;
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<float>(value)).ptr;
    out.push_back(L' ');
    out.append(digits, end);
  }
  void length(std::wstring& out, double value) const { number(out, value, tinyLength); }
  void angle(std::wstring& out, double value) const { number(out, value, 1e-12); }

  void segments(std::wstring& out, ProClosedContour const& contour) const {
    out += L" (";
    for (LAEdge const& edge : contour.GetLAContour()) {
      if (edge.type == LAEdge::Arc) {
        out += L" (A";
        length(out, edge.center.x);
        length(out, edge.center.y);
        number(out, edge.center.distance(edge.start), 0);
        angle(out, std::atan2(edge.start.y - edge.center.y, edge.start.x - edge.center.x));
        angle(out, edge.sweep);
      } else {
        out += L" (L";
        length(out, edge.start.x);
        length(out, edge.start.y);
      }
      out += L')';
    }
    out += L" )";
  }
};

// The largest coordinate of the tree's edges, the measure of its noise.
double extentOf(ProContour const& node) {
  double largest = 0;
  if (ProClosedContour const* closed = node.AsClosed())
    for (LAEdge const& edge : closed->GetLAContour())
      for (Point2 const& p : {edge.start, edge.center})
        if (std::isfinite(p.x) && std::isfinite(p.y)) largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
  for (std::size_t i = 0; i < node.NumChildren(); ++i) largest = std::max(largest, extentOf(*node.GetChild(i)));
  return largest;
}

void appendGroup(std::wstring& out, ProClosedContour const& solid, NumberWriter const& numbers) {
  out += L" (S";
  numbers.segments(out, solid);
  out += L' ' + std::to_wstring(solid.NumChildren()) + L" (";
  for (std::size_t i = 0; i < solid.NumChildren(); ++i) {
    ProClosedContour const* child = solid.GetChild(i)->AsClosed();
    if (!child) throw std::invalid_argument("complex contour below a solid contour");
    if (child->NumChildren() != 0) throw std::invalid_argument("contour below a hole or island");
    out += child->IsHole() ? L" (H" : L" (S";
    numbers.segments(out, *child);
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
  const NumberWriter numbers{1e-13 * extentOf(contour)};
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
      appendGroup(text, *closed, numbers);
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
