// SPDX-License-Identifier: MIT
// ZePTSelectionSet: the entities a user selected, in order. It does not own
// them; a null entity is passed over when appended.
#pragma once

#include <vector>

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class ZePTSelectionSet {
 public:
  ZePTSelectionSet() = default;

  void append(DtDbEntity* entity) {
    if (entity) m_entities.push_back(entity);
  }
  void clear() { m_entities.clear(); }
  long Length() const { return static_cast<long>(m_entities.size()); }
  // Null for a position out of range.
  DtDbEntity* operator[](long index) const {
    return index >= 0 && index < Length() ? m_entities[static_cast<std::size_t>(index)] : nullptr;
  }

 private:
  std::vector<DtDbEntity*> m_entities;
};

ZEPTDB_END_EXPORTS
