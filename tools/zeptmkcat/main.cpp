// SPDX-License-Identifier: MIT
// zeptmkcat OUTPUT.mdb INPUT.sql [INPUT.sql...]
// zeptmkcat --section-values FOLDER CATALOG > values.sql
//
// Builds a catalog from readable Jet SQL scripts, through the library's own
// CDaoDatabase::Create and Execute, so the bundled data is made exactly the way
// any caller would make it. Database properties, which Jet SQL cannot set,
// come from PROPERTY statements (tools/common/SqlScript.h), created through
// CDaoDatabase::CreateProperty. The catalog is written under a temporary name
// and renamed at the end: a failed build leaves no catalog behind, not even
// an older one.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoTypes.h"
#include "tools/common/SqlScript.h"
#include "tools/zeptmkcat/SectionValuesSql.h"

namespace fs = std::filesystem;

namespace {

void removeQuietly(fs::path const& p) {
  std::error_code ec;
  fs::remove(p, ec);
}

// A failure already reported; the catalog under construction is discarded.
struct BuildFailed {};

void runScript(CDaoDatabase& db, fs::path const& input) {
  std::ifstream in(input, std::ios::binary);
  if (!in) {
    std::cerr << "zeptmkcat: cannot read " << input.string() << '\n';
    throw BuildFailed{};
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

  std::vector<zept::tools::SqlStatement> statements;
  try {
    statements = zept::tools::splitSqlScript(text);
  } catch (zept::tools::SqlScriptError const& e) {
    std::cerr << input.string() << ':' << e.line() << ": " << e.what() << '\n';
    throw BuildFailed{};
  }
  for (auto const& st : statements) {
    try {
      if (auto property = zept::tools::parsePropertyStatement(st.text))
        db.CreateProperty(CDaoDatabase::PropertySet::Database, zept::fromUtf8(property->name).c_str(),
                          property->daoType, property->value);
      else
        db.Execute(zept::fromUtf8(st.text).c_str(), dbFailOnError);
    } catch (std::invalid_argument const& e) {
      std::cerr << input.string() << ':' << st.line << ": " << e.what() << '\n';
      throw BuildFailed{};
    } catch (CDaoException const& e) {
      std::cerr << input.string() << ':' << st.line << ": error " << e.errorCode() << ": "
                << e.description().toUtf8() << "\n  in: " << st.text << '\n';
      throw BuildFailed{};
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--section-values")
    return zeptmkcat::writeSectionValuesSql(argv[2], argv[3], std::cout, std::cerr) ? 0 : 1;
  if (argc < 3) {
    std::cerr << "usage: zeptmkcat OUTPUT.mdb INPUT.sql [INPUT.sql...]\n"
                 "       zeptmkcat --section-values FOLDER CATALOG\n";
    return 1;
  }
  const fs::path output = argv[1];
  const fs::path temp = output.string() + ".tmp";
  const fs::path journal = temp.string() + "-journal";  // the engine's rollback journal
  removeQuietly(output);
  removeQuietly(temp);
  removeQuietly(journal);

  try {
    {
      CDaoDatabase db;
      db.Create(zept::fromUtf8(temp.string()).c_str());
      for (int i = 2; i < argc; ++i) runScript(db, argv[i]);
      db.Close();
    }
    fs::rename(temp, output);
    return 0;
  } catch (BuildFailed const&) {
  } catch (CDaoException const& e) {
    std::cerr << "zeptmkcat: " << temp.string() << ": error " << e.errorCode() << ": " << e.description().toUtf8()
              << '\n';
  } catch (std::exception const& e) {
    std::cerr << "zeptmkcat: " << e.what() << '\n';
  }
  removeQuietly(temp);
  removeQuietly(journal);
  return 1;
}
