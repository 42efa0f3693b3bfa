// SPDX-License-Identifier: MIT
// ZEPTKORVAAnalyser: fills the attached cross-section from a KORVA definition
// text, the form in which profile catalogs keep many section shapes.
//
// Two grammars: the old one ("scale ... #x-y:x-y|x-y...", integer
// coordinates times the scale, recognised by a "#" anywhere) and the new one
// (a quoted unit name and nested parenthesised lists of solid groups with
// their holes, straight "L" and arc "A" segments). Numbers are read as C's
// "%f" reads them into a float (C locale, so about seven significant digits
// survive) and widened; old-grammar coordinates as "%d". Between tokens only
// space, line feed and tab are blanks.
//
// Results of the setDefinition family:
//   -1  no definition (null or empty text, or an empty symbol);
//    0  read;
//    1  syntax error. The old grammar leaves the cross-section as it was;
//       the new grammar clears it first and keeps the sections completed
//       before the error.
//
// The new grammar is read step by step without closing solid groups: a text
// of one section with one solid group reads in full; of a text with several
// sections only the first is read (0), and a second solid group in one
// section adds an empty section and gives 1.
#pragma once

#include "database/ZEPTDBProfileData.h"
#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"
#include "platform/shape/ZEPTSectionAnalyser.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTContour;

class ZEPTKORVAAnalyser : public ZEPTSectionAnalyser {
 public:
  ZEPTKORVAAnalyser() = default;
  ZEPTKORVAAnalyser(ZEPTKORVAAnalyser const&) = default;
  ZEPTKORVAAnalyser& operator=(ZEPTKORVAAnalyser const&) = default;
  virtual ~ZEPTKORVAAnalyser() = default;

  // `dx` and `dy` place the origin at those distances from the left and
  // lower edges of an old-grammar section, whose contours get -alpha
  // (degrees) as their angle; the new grammar uses none of the three.
  int setDefinition(wchar_t const* text, double dx, double dy, double alpha);
  // Reads data.symbol with data.vpy, vpz and gamma as dx, dy and alpha, then
  // scales the cross-section by data.unitFactor, also after a syntax error.
  // An empty symbol gives -1 and changes nothing.
  int setDefinitionByData(ZEPTDBProfileData& data);
  // The length unit the text is written in: "m" for the old grammar,
  // otherwise what stands between the first two double quotes, unchecked;
  // empty without such a pair or for a null or empty text.
  ZEPTString getShapeUnits(wchar_t const* text) const;

  bool operator==(ZEPTKORVAAnalyser const& other) const { return ZEPTSectionAnalyser::operator==(other); }
  bool operator!=(ZEPTKORVAAnalyser const& other) const { return !(*this == other); }

 private:
  int setDefinitionOld(wchar_t const* text, double dx, double dy, double alpha);
  int setDefinitionNew(wchar_t const* text, double dx, double dy, double alpha);
  // Reads the segments of one list whose "(" is at `pos` into `contour`;
  // false on a syntax error. `pos` ends on the character that ended the list.
  bool readContour(wchar_t const*& pos, ZEPTContour& contour) const;

  // Steps over the character at `pos` (unless it ends the text), then over
  // every following character of `skipSet`, or of the blanks when no set or
  // an empty one is given.
  wchar_t const* nextToken(wchar_t const* pos, wchar_t const* skipSet = nullptr) const;
  bool isOpenBrace(wchar_t c) const { return c == L'('; }
  bool isClosedBrace(wchar_t c) const { return c == L')'; }
};

ZEPTDB_END_EXPORTS
