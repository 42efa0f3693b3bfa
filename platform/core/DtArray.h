// SPDX-License-Identifier: MIT
// DtArray<T>: the host SDK's growable array as the catalog code uses it: list
// readers empty it with setLogicalLength(0), whole-record readers append.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

template <typename T>
class DtArray {
 public:
  int length() const { return static_cast<int>(m_items.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return m_items.empty(); }

  // Shrinking drops the tail; growing appends default values.
  DtArray& setLogicalLength(int n) {
    m_items.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return *this;
  }
  DtArray& setPhysicalLength(int n) {
    if (n > 0) m_items.reserve(static_cast<std::size_t>(n));
    return *this;
  }

  // Index of the appended element.
  int append(T const& value) {
    m_items.push_back(value);
    return length() - 1;
  }
  int append(T&& value) {
    m_items.push_back(std::move(value));
    return length() - 1;
  }
  DtArray& removeAt(int index) {
    check(index);
    m_items.erase(m_items.begin() + index);
    return *this;
  }
  DtArray& removeAll() {
    m_items.clear();
    return *this;
  }

  T& operator[](int index) {
    check(index);
    return m_items[static_cast<std::size_t>(index)];
  }
  T const& operator[](int index) const {
    check(index);
    return m_items[static_cast<std::size_t>(index)];
  }
  T const& at(int index) const { return (*this)[index]; }
  T& first() { return (*this)[0]; }
  T& last() { return (*this)[length() - 1]; }
  bool contains(T const& value) const {
    for (auto const& item : m_items)
      if (item == value) return true;
    return false;
  }

  auto begin() { return m_items.begin(); }
  auto end() { return m_items.end(); }
  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

 private:
  void check(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) throw std::out_of_range("DtArray index");
  }
  std::vector<T> m_items;
};

ZEPTDB_END_EXPORTS
