// SPDX-License-Identifier: MIT
// CDaoTransaction over the engine's own transaction, which does the
// rollback and the nesting.
#include "platform/dao/DaoTransaction.h"

#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"

struct CDaoTransaction::Impl {
  explicit Impl(zept::dao::Engine& engine) : tx(engine) {}
  zept::dao::Engine::Transaction tx;
};

CDaoTransaction::CDaoTransaction(CDaoDatabase& db) : m_impl(std::make_unique<Impl>(db.engine())) {}

CDaoTransaction::~CDaoTransaction() = default;

void CDaoTransaction::Commit() { m_impl->tx.commit(); }
