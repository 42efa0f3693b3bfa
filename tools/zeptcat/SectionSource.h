// SPDX-License-Identifier: MIT
// Where zeptcat's section and render commands take a cross-section from: a
// catalog size or a KORVA definition text, built in the drawing units asked
// for, as a drawing would get it.
#pragma once

#include <optional>
#include <string>

#include "platform/shape/ZEPTCrossSection.h"

namespace zeptcat {

struct SectionSource {
  std::string command;  // the subcommand, for messages
  std::optional<std::string> catalog;
  std::optional<std::string> profile;
  std::optional<std::string> dims;
  std::optional<std::string> korva;
  std::string units = "mm";  // "mm" or "in"
};

// Fills `cs`. A source given incompletely or a KORVA text that does not read
// throws UsageError; a missing catalog or size, or a shape that does not
// read, throws std::runtime_error.
void buildSection(ZEPTCrossSection& cs, SectionSource const& source);

}  // namespace zeptcat
