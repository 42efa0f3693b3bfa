// SPDX-License-Identifier: MIT
// zeptmkcat --section-values FOLDER CATALOG: the SQL that fills a profile
// catalog's torsion, warping, plastic and shear columns from the section
// every row's shape draws (data/EUROpro.d/zw-section-values.sql is this
// output for the bundled catalog).
#pragma once

#include <ostream>
#include <string>

namespace zeptmkcat {

// Writes one UPDATE per size of catalog `name` (short name, as selected)
// of the data folder `folder`; false, after a message on `err`, when the
// catalog cannot be read or a size's values cannot be computed.
bool writeSectionValuesSql(std::string const& folder, std::string const& name, std::ostream& out, std::ostream& err);

}  // namespace zeptmkcat
