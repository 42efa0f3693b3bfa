// SPDX-License-Identifier: MIT
// CStringArray over a vector of CString; every index is checked, and one
// out of range reads as an empty text or is ignored.
#include "platform/core/CStringArray.h"

#include <stdexcept>

namespace {
bool inRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }
}  // namespace

CString CStringArray::GetAt(int index) const { return inRange(index, m_items.size()) ? m_items[index] : CString(); }

void CStringArray::SetAt(int index, CString const& value) {
  if (inRange(index, m_items.size())) m_items[index] = value;
}

CString& CStringArray::operator[](int index) {
  if (!inRange(index, m_items.size())) throw std::out_of_range("CStringArray index");
  return m_items[index];
}

CString const& CStringArray::operator[](int index) const {
  if (!inRange(index, m_items.size())) throw std::out_of_range("CStringArray index");
  return m_items[index];
}

int CStringArray::Add(CString const& value) {
  m_items.push_back(value);
  return GetSize() - 1;
}

void CStringArray::InsertAt(int index, CString const& value) {
  if (index < 0) index = 0;
  if (static_cast<std::size_t>(index) >= m_items.size()) {
    m_items.resize(static_cast<std::size_t>(index));
    m_items.push_back(value);
  } else {
    m_items.insert(m_items.begin() + index, value);
  }
}

void CStringArray::RemoveAt(int index, int count) {
  if (!inRange(index, m_items.size()) || count <= 0) return;
  const auto last = std::min(m_items.size(), static_cast<std::size_t>(index) + static_cast<std::size_t>(count));
  m_items.erase(m_items.begin() + index, m_items.begin() + static_cast<std::ptrdiff_t>(last));
}

void CStringArray::SetSize(int size) { m_items.resize(size > 0 ? static_cast<std::size_t>(size) : 0); }
