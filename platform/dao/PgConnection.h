// SPDX-License-Identifier: MIT
// A small RAII layer over libpq: a connection, results, a transaction and an
// advisory lock. Values always travel as parameters, never inside SQL text,
// and no error text repeats a password.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/JetSql.h"

struct pg_conn;
struct pg_result;

namespace zept::dao {

class PgError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A parameter in PostgreSQL's text form; nullopt is NULL.
using PgParam = std::optional<std::string>;

// A translated statement's parameters in text form; a number's text reads
// back as the same value.
std::vector<PgParam> pgParams(const std::vector<SqlValue>& values);

class PgResult {
 public:
  PgResult() = default;
  explicit PgResult(pg_result* r) noexcept : r_(r) {}
  PgResult(PgResult&& o) noexcept : r_(o.r_) { o.r_ = nullptr; }
  PgResult& operator=(PgResult&& o) noexcept;
  PgResult(const PgResult&) = delete;
  PgResult& operator=(const PgResult&) = delete;
  ~PgResult();

  int rows() const;
  int columns() const;
  std::string columnName(int column) const;
  bool isNull(int row, int column) const;
  // The value in text form; empty for NULL.
  std::string_view text(int row, int column) const;
  // Rows changed by INSERT, UPDATE or DELETE.
  std::int64_t affected() const;

 private:
  pg_result* r_ = nullptr;
};

class PgConnection {
 public:
  // `conninfo`: a postgresql:// URI or key=value text (service=office, ...).
  explicit PgConnection(const std::string& conninfo);
  PgConnection(PgConnection&& o) noexcept : c_(o.c_) { o.c_ = nullptr; }
  PgConnection& operator=(PgConnection&&) = delete;
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;
  ~PgConnection();

  // One statement; `$1`..`$n` take `params` in order, with their types
  // inferred by the server. Throws PgError when the server reports one.
  PgResult exec(const std::string& sql, const std::vector<PgParam>& params = {});
  // Prepares `sql` under `name` for execPrepared.
  void prepare(const std::string& name, const std::string& sql);
  PgResult execPrepared(const std::string& name, const std::vector<PgParam>& params = {});

  // Unqualified table names resolve in `schema` (a catalog) first.
  void setSchema(std::string_view schema);
  // `name` as an SQL identifier, for the few statements (DDL) that take no
  // parameters.
  std::string quoteIdentifier(std::string_view name) const;

  pg_conn* handle() const noexcept { return c_; }

 private:
  PgResult check(pg_result* r, std::string_view what);
  pg_conn* c_ = nullptr;
};

// BEGIN on construction, ROLLBACK on destruction unless commit() ran.
class PgTransaction {
 public:
  explicit PgTransaction(PgConnection& c);
  PgTransaction(const PgTransaction&) = delete;
  PgTransaction& operator=(const PgTransaction&) = delete;
  ~PgTransaction();
  void commit();

 private:
  PgConnection& c_;
  bool open_ = true;
};

// A session-level advisory lock, held from construction to destruction: it
// orders writers of one catalog across processes and machines.
class PgAdvisoryLock {
 public:
  PgAdvisoryLock(PgConnection& c, std::int64_t key);
  PgAdvisoryLock(const PgAdvisoryLock&) = delete;
  PgAdvisoryLock& operator=(const PgAdvisoryLock&) = delete;
  ~PgAdvisoryLock();

 private:
  PgConnection& c_;
  std::int64_t key_;
};

}  // namespace zept::dao
