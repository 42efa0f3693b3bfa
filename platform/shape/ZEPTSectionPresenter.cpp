// SPDX-License-Identifier: MIT
// The presenter base: attached cross-sections and the copied offset point
// and angle, refused when not finite.
#include "platform/shape/ZEPTSectionPresenter.h"

#include <cmath>

ZEPTSectionPresenter::ZEPTSectionPresenter(ZEPTSectionPresenter const& other) : m_sections(other.m_sections) {
  setOffset(other.m_point.get(), other.m_angle.get());
}

ZEPTSectionPresenter& ZEPTSectionPresenter::operator=(ZEPTSectionPresenter const& other) {
  if (this != &other) {
    m_sections = other.m_sections;
    setOffset(other.m_point.get(), other.m_angle.get());
  }
  return *this;
}

int ZEPTSectionPresenter::attachSection(ZEPTCrossSection const* crossSection) {
  return m_sections.append(crossSection);
}

ZEPTCrossSection const* ZEPTSectionPresenter::attachedAt(unsigned index) const {
  if (index >= static_cast<unsigned>(m_sections.length())) return nullptr;
  return m_sections[static_cast<int>(index)];
}

bool ZEPTSectionPresenter::setOffset(ZEPTSectionPoint const* point, double const* angle) {
  if (point) {
    DtGePoint2d const p = point->getPoint();
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  }
  if (angle && !std::isfinite(*angle)) return false;
  m_point = point ? std::make_unique<ZEPTSectionPoint>(*point) : nullptr;
  m_angle = angle ? std::make_unique<double>(*angle) : nullptr;
  return true;
}

bool ZEPTSectionPresenter::operator==(ZEPTSectionPresenter const& other) const {
  if (m_sections.length() != other.m_sections.length()) return false;
  for (int i = 0; i < m_sections.length(); ++i)
    if (m_sections[i] != other.m_sections[i]) return false;
  bool const samePoint = m_point && other.m_point ? *m_point == *other.m_point : !m_point && !other.m_point;
  bool const sameAngle = m_angle && other.m_angle ? *m_angle == *other.m_angle : !m_angle && !other.m_angle;
  return samePoint && sameAngle;
}
