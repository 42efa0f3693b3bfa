// SPDX-License-Identifier: MIT
// CDaoTransaction: several changes to one open catalog made as one. Until
// Commit, a failure (an exception leaving the scope) or a killed process
// leaves the catalog as it was before the first change. Transactions nest:
// the engine's own multi-statement changes become savepoints inside it.
#pragma once

#include <memory>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class CDaoDatabase;

namespace zept::dao {
class Engine;
}

class CDaoTransaction {
 public:
  // Starts the transaction on `db`, which must be open for writing; throws
  // CDaoException otherwise.
  explicit CDaoTransaction(CDaoDatabase& db);
  CDaoTransaction(CDaoTransaction const&) = delete;
  CDaoTransaction& operator=(CDaoTransaction const&) = delete;
  // Rolls back unless committed; never throws.
  ~CDaoTransaction();
  // Makes every change since construction durable at once.
  void Commit();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

ZEPTDB_END_EXPORTS
