// SPDX-License-Identifier: MIT
// Reads a contour description in the new KORVA grammar: a quoted unit name
// and nested parenthesised lists of sections, solid groups with their holes
// and islands, and straight and arc segments. For example, a 100 x 50
// rectangle in millimetres with a triangular hole:
//
//   "mm" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 1 ( (H ( (L 10 10) (L 20 10) (L 20 20) ) ) ) ) ) )
//
// Grammar (blanks, that is space, line feed and tab, may stand between any
// two tokens; a carriage return is not a blank; letters are case-sensitive):
//
//   description := '"' unit '"' '(' section* ')'
//   section     := '(' group* ')'
//   group       := '(' 'S' '(' segment* ')' count '(' child* ')' ')'
//   child       := '(' ('H' | 'S') '(' segment* ')' ')'
//   segment     := '(' 'L' x y ')'
//                | '(' 'A' cx cy r a w ')'
//   count       := an integer with an optional sign, its value unused, then
//                  exactly one separator character other than '(' (normally
//                  a blank)
//
// The unit is every character between the quotes. Numbers are C-locale
// decimals with an optional sign, fraction and exponent, read by
// zept::math::scanSingle as single-precision values and widened: the
// KORVA section parser reads its numbers with the same function, so they
// are the very numbers it gets. "L" is a straight edge starting at (x, y);
// "A" an arc about (cx, cy) starting at the angle a (radians) on the radius
// r, that is at (cx + r cos a, cy + r sin a), and turning by w radians.
// A text holding "#" anywhere belongs to the old grid-point grammar and is
// never read here.
//
// The tree: the complex contour returned has one ProSolidContour per group,
// in text order across all sections (section boundaries are not kept); a
// solid's children are its "H" children as ProEmptyContour and its "S"
// children as ProSolidContour, in text order.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/math/ProContour.h"
#include "platform/math/ProContourFactory.h"

ZEPTDB_BEGIN_EXPORTS

class ProComplexContourAndUnitReader {
 public:
  // Keeps a copy of `text` up to its first zero character; `factory` must
  // outlive the reader.
  ProComplexContourAndUnitReader(CString const& text, ProContourFactory const& factory);

  // The tree of the text and its unit name in `unit`; null, with `unit`
  // untouched, for a text that is not wholly a description (anything but
  // blanks after the last ')' included) or holds a number too large for
  // single precision. Linear in the text's length, without recursion;
  // throws nothing but std::bad_alloc.
  std::unique_ptr<ProComplexContour> read(CString& unit) const;

  // The closed contours read() would put in its tree, without the tree:
  // edges and whether each is a hole ("H"), in the tree's depth-first
  // pre-order, which is the text's order. Entries from `count` on are spare
  // storage, kept for the next call, so converting many texts allocates
  // nothing once the storage has grown.
  struct Closed {
    std::vector<LAContour> edges;
    std::vector<bool> holes;
    std::size_t count = 0;
  };
  // Reads `text` (up to its first zero character) as read() does, into
  // `closed`; `unit` then views the unit name inside `text`. False, with
  // no contours, where read() gives null.
  static bool readClosed(wchar_t const* text, Closed& closed, std::wstring_view& unit);

 private:
  std::wstring m_text;
  ProContourFactory const& m_factory;
};

ZEPTDB_END_EXPORTS
