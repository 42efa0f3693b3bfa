// SPDX-License-Identifier: MIT
// The named units of VUnit, each factor an exact quotient of integers, and
// the quotient of two units.
#include "platform/math/VUnit.h"

#include <cstring>
#include <string>

namespace {

struct NamedUnit {
  char const* name;
  double num;
  double den;
  SUnit::Type type;
};

// The exact decimal of each factor as a quotient of integers below 2^53.
constexpr NamedUnit kUnits[] = {
    {"mm", 1, 1000, SUnit::Length}, {"cm", 1, 100, SUnit::Length}, {"dm", 1, 10, SUnit::Length},
    {"m", 1, 1, SUnit::Length}, {"km", 1000, 1, SUnit::Length}, {"in", 254, 10000, SUnit::Length},
    {"inch", 254, 10000, SUnit::Length}, {"ft", 3048, 10000, SUnit::Length},
    {"foot", 3048, 10000, SUnit::Length}, {"yd", 9144, 10000, SUnit::Length}, {"g", 1, 1000, SUnit::Mass},
    {"G", 1, 1000, SUnit::Mass}, {"kg", 1, 1, SUnit::Mass}, {"kG", 1, 1, SUnit::Mass},
    {"t", 1000, 1, SUnit::Mass}, {"lb", 45359237, 100000000, SUnit::Mass}};

}  // namespace

VUnit::VUnit(double factor, SUnit::Type type) : m_num(factor) {
  if (type == SUnit::Mass) m_powers[0] = 1;
  if (type == SUnit::Length) m_powers[1] = 1;
}

void VUnit::set(char const* name) {
  if (name) {
    for (auto const& unit : kUnits) {
      if (std::strcmp(unit.name, name) == 0) {
        *this = VUnit(unit.num, unit.type);
        m_den = unit.den;
        return;
      }
    }
  }
  throw VUnitError(std::string("unknown unit \"") + (name ? name : "(null)") + "\"");
}

// A friend declared only in the class: exported here.
ZEPTDB_EXPORT VUnit operator/(VUnit const& a, VUnit const& b) {
  VUnit q;
  q.m_num = a.m_num * b.m_den;
  q.m_den = a.m_den * b.m_num;
  for (std::size_t i = 0; i < q.m_powers.size(); ++i) q.m_powers[i] = a.m_powers[i] - b.m_powers[i];
  return q;
}
