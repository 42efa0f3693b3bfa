// SPDX-License-Identifier: MIT
// CStringArray: MFC's growable array of CString, with the operations the
// catalog code uses. Indexes out of range are the caller's error, as in MFC;
// here they are checked and GetAt answers an empty text instead of reading wild.
#pragma once

#include <vector>

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class CStringArray {
 public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  int GetCount() const { return GetSize(); }
  bool IsEmpty() const { return m_items.empty(); }
  int GetUpperBound() const { return GetSize() - 1; }

  CString GetAt(int index) const;
  void SetAt(int index, CString const& value);
  CString& operator[](int index);
  CString const& operator[](int index) const;
  CString& ElementAt(int index) { return (*this)[index]; }
  CString* GetData() { return m_items.data(); }
  CString const* GetData() const { return m_items.data(); }

  // Index of the added element.
  int Add(CString const& value);
  void InsertAt(int index, CString const& value);
  void RemoveAt(int index, int count = 1);
  void RemoveAll() { m_items.clear(); }
  void SetSize(int size);

  auto begin() { return m_items.begin(); }
  auto end() { return m_items.end(); }
  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

 private:
  std::vector<CString> m_items;
};

ZEPTDB_END_EXPORTS
