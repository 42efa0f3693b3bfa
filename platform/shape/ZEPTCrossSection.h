// SPDX-License-Identifier: MIT
// ZEPTCrossSection: the whole cross-section of a profile: sections,
// dimension lines and custom (snap) points, with its placement (offset and
// alpha, degrees) in the parameters. Everything is kept by value.
#pragma once

#include <vector>

#include "platform/core/Export.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/shape/ZEPTSection.h"
#include "platform/shape/ZEPTSectionDimLine.h"
#include "platform/shape/ZEPTSectionParams.h"
#include "platform/shape/ZEPTSectionPoint.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTCrossSection : public ZEPTSectionParams {
 public:
  ZEPTCrossSection() = default;

  void removeAllSections() { m_sections.clear(); }
  void removeAllCustomPoints() { m_points.removeAll(); }
  void removeAllDimLines() { m_dimLines.removeAll(); }

  // Copies the section with its contours.
  void addSection(ZEPTSection const& section);
  int numSections() const { return static_cast<int>(m_sections.size()); }
  // False, with `section` untouched, for an index out of range.
  bool getSectionAt(int index, ZEPTSection& section) const;
  // The section itself, or null for an index out of range.
  ZEPTSection const* sectionAt(int index) const;

  void addCustomPoint(ZEPTSectionPoint const& point);
  int numCustomPoints() const { return m_points.length(); }
  void addDimLine(ZEPTSectionDimLine const& dimLine);
  int numDimLines() const { return m_dimLines.length(); }

  // Empties `dimLines`, then appends a copy of each dimension line.
  bool getAllDimLines(ZEPTDimLineArray& dimLines) const;
  // Empties `points`, then appends the custom points followed, when the
  // extent is not empty, by its nine points (corners, edge middles, centre,
  // labelled eMin/eCenter/eMax per axis) and the origin (eOrigin, eOrigin).
  bool getAllSnapPoints(ZEPTPointArray& points) const;

  // Maps sections, dimension lines and custom points; the placement stays.
  bool transformBy(DtGeMatrix2d const& m);
  // Scales the content about the origin (a unit change); the placement stays.
  // A factor that is not finite changes nothing.
  void scaleBy(double factor);

 protected:
  bool extents(DtGePoint2d& max, DtGePoint2d& min) const override;
  void moveContent(DtGeVector2d const& by) override;

 private:
  std::vector<ZEPTSection> m_sections;
  ZEPTPointArray m_points;
  ZEPTDimLineArray m_dimLines;
};

ZEPTDB_END_EXPORTS
