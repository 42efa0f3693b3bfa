// SPDX-License-Identifier: MIT
// Physical units of the math module: a factor to the metre-kilogram system
// and the powers of length and mass it carries. Contour texts name their unit
// ("mm", "in", ...); the quotient of two units is the factor that converts
// coordinates from one into the other.
//
// Known names (exact, case-sensitive), with their factor to mks:
//
//   length  mm 0.001   cm 0.01   dm 0.1   m 1   km 1000
//           in, inch 0.0254   ft, foot 0.3048   yd 0.9144
//   mass    g, G 0.001   kg, kG 1   t 1000   lb 0.45359237
//
// Factors are kept as a quotient of two whole numbers (0.0254 as 254/10000)
// and divided once, in to_mks, so the ratio of any two named units is the
// correctly rounded one: (ft / in).to_mks() is exactly 12, where dividing the
// rounded metre factors gives 12.000000000000002.
#pragma once

#include <array>
#include <stdexcept>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

struct SUnit {
  // The quantity a unit built from a factor measures. VUnit(f, Length) is f
  // metres; VUnit(1.0, SUnit::Type(2)) is therefore the metre.
  enum Type : int { None = 0, Mass = 1, Length = 2 };
};

// Thrown by VUnit::set for a name outside the table above.
class VUnitError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

class VUnit {
 public:
  // The dimensionless unit 1.
  VUnit() = default;
  // `factor` units of mks measure `type`; SUnit::None gives a plain number.
  VUnit(double factor, SUnit::Type type);

  // Becomes the unit named `name` (UTF-8). Throws VUnitError for null or an
  // unknown name, leaving the unit unchanged.
  void set(char const* name);

  // The factor to mks: a value in this unit times to_mks() is in metres,
  // kilograms or their products. For a quotient a / b it converts a value in
  // a into b.
  double to_mks() const { return m_num / m_den; }
  bool isDimensionless() const { return m_powers == Powers{}; }

  friend VUnit operator/(VUnit const& a, VUnit const& b);

 private:
  using Powers = std::array<int, 2>;  // mass, length
  double m_num = 1;
  double m_den = 1;
  Powers m_powers{};
};

ZEPTDB_END_EXPORTS
