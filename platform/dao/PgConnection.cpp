// SPDX-License-Identifier: MIT
// libpq behind the PgConnection classes. Parameters go through
// PQexecParams/PQexecPrepared in text form with server-inferred types, so a
// caller's text never becomes SQL.
#include "platform/dao/PgConnection.h"

#include <libpq-fe.h>

#include <charconv>
#include <string>

namespace zept::dao {

std::vector<PgParam> pgParams(const std::vector<SqlValue>& values) {
  std::vector<PgParam> out;
  out.reserve(values.size());
  for (const SqlValue& v : values) {
    if (v.kind == SqlValue::Kind::Text) {
      out.emplace_back(v.text);
      continue;
    }
    char buf[32];
    // Shortest round-trip form, which float8in reads back exactly.
    const auto r = v.kind == SqlValue::Kind::Integer ? std::to_chars(buf, buf + sizeof buf, v.integer)
                                                     : std::to_chars(buf, buf + sizeof buf, v.real);
    out.emplace_back(std::string(buf, r.ptr));
  }
  return out;
}

namespace {

// The server's message without a trailing newline, or libpq's.
std::string messageOf(pg_conn* c, pg_result* r) {
  std::string m = r ? PQresultErrorMessage(r) : "";
  if (m.empty() && c) m = PQerrorMessage(c);
  while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
  return m;
}

struct Values {
  std::vector<const char*> pointers;
  explicit Values(const std::vector<PgParam>& params) {
    pointers.reserve(params.size());
    for (const PgParam& p : params) pointers.push_back(p ? p->c_str() : nullptr);
  }
  int count() const { return static_cast<int>(pointers.size()); }
  const char* const* data() const { return pointers.empty() ? nullptr : pointers.data(); }
};

// The password the connection text carries, to keep it out of messages.
// Empty when there is none (a service file or .pgpass may still hold one:
// libpq never quotes those).
std::string passwordOf(const std::string& conninfo, bool& malformed) {
  char* error = nullptr;
  PQconninfoOption* options = PQconninfoParse(conninfo.c_str(), &error);
  // libpq's parse message can quote a piece of the text, password and all.
  if (error) PQfreemem(error);
  malformed = options == nullptr;
  std::string password;
  for (PQconninfoOption* o = options; o && o->keyword; ++o)
    if (std::string_view(o->keyword) == "password" && o->val) password = o->val;
  if (options) PQconninfoFree(options);
  return password;
}

void redact(std::string& text, const std::string& secret) {
  if (secret.empty()) return;
  for (std::size_t p = 0; (p = text.find(secret, p)) != std::string::npos;) {
    text.replace(p, secret.size(), "***");
    p += 3;
  }
}

void quiet(void*, const char*) {}

}  // namespace

PgResult& PgResult::operator=(PgResult&& o) noexcept {
  if (this != &o) {
    if (r_) PQclear(r_);
    r_ = o.r_;
    o.r_ = nullptr;
  }
  return *this;
}

PgResult::~PgResult() {
  if (r_) PQclear(r_);
}

int PgResult::rows() const { return r_ ? PQntuples(r_) : 0; }
int PgResult::columns() const { return r_ ? PQnfields(r_) : 0; }
std::string PgResult::columnName(int column) const {
  const char* n = r_ ? PQfname(r_, column) : nullptr;
  return n ? n : "";
}
bool PgResult::isNull(int row, int column) const { return !r_ || PQgetisnull(r_, row, column) != 0; }
std::string_view PgResult::text(int row, int column) const {
  if (isNull(row, column)) return {};
  return {PQgetvalue(r_, row, column), static_cast<std::size_t>(PQgetlength(r_, row, column))};
}
std::int64_t PgResult::affected() const {
  const char* n = r_ ? PQcmdTuples(r_) : "";
  return *n ? std::stoll(n) : 0;
}

PgConnection::PgConnection(const std::string& conninfo) {
  bool malformed = false;
  const std::string password = passwordOf(conninfo, malformed);
  if (malformed) throw PgError("cannot connect to PostgreSQL: the connection text is malformed");
  c_ = PQconnectdb(conninfo.c_str());
  if (!c_) throw PgError("cannot connect to PostgreSQL: out of memory");
  if (PQstatus(c_) != CONNECTION_OK) {
    std::string m = "cannot connect to PostgreSQL: " + messageOf(c_, nullptr);
    redact(m, password);
    PQfinish(c_);
    c_ = nullptr;
    throw PgError(m);
  }
  PQsetNoticeProcessor(c_, quiet, nullptr);
}

PgConnection::~PgConnection() {
  if (c_) PQfinish(c_);
}

PgResult PgConnection::check(pg_result* r, std::string_view what) {
  PgResult result(r);
  const ExecStatusType s = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
  if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK && s != PGRES_EMPTY_QUERY)
    throw PgError(std::string(what) + ": " + messageOf(c_, r));
  return result;
}

PgResult PgConnection::exec(const std::string& sql, const std::vector<PgParam>& params) {
  const Values v(params);
  return check(PQexecParams(c_, sql.c_str(), v.count(), nullptr, v.data(), nullptr, nullptr, 0),
               "PostgreSQL statement failed");
}

void PgConnection::prepare(const std::string& name, const std::string& sql) {
  check(PQprepare(c_, name.c_str(), sql.c_str(), 0, nullptr), "PostgreSQL prepare failed");
}

PgResult PgConnection::execPrepared(const std::string& name, const std::vector<PgParam>& params) {
  const Values v(params);
  return check(PQexecPrepared(c_, name.c_str(), v.count(), v.data(), nullptr, nullptr, 0),
               "PostgreSQL statement failed");
}

void PgConnection::setSchema(std::string_view schema) {
  // The name stays a parameter: format's %I quotes it on the server.
  exec("SELECT set_config('search_path', format('%I', $1::text), false)", {std::string(schema)});
}

std::string PgConnection::quoteIdentifier(std::string_view name) const {
  char* q = PQescapeIdentifier(c_, name.data(), name.size());
  if (!q) throw PgError("cannot quote an identifier: " + messageOf(c_, nullptr));
  std::string out(q);
  PQfreemem(q);
  return out;
}

PgTransaction::PgTransaction(PgConnection& c) : c_(c) { c_.exec("BEGIN"); }

PgTransaction::~PgTransaction() {
  if (!open_) return;
  try {
    c_.exec("ROLLBACK");
  } catch (...) {  // the connection is gone; so is the transaction
  }
}

void PgTransaction::commit() {
  open_ = false;
  c_.exec("COMMIT");
}

PgAdvisoryLock::PgAdvisoryLock(PgConnection& c, std::int64_t key) : c_(c), key_(key) {
  c_.exec("SELECT pg_advisory_lock($1::bigint)", {std::to_string(key_)});
}

PgAdvisoryLock::~PgAdvisoryLock() {
  try {
    c_.exec("SELECT pg_advisory_unlock($1::bigint)", {std::to_string(key_)});
  } catch (...) {  // a lost session has released it
  }
}

}  // namespace zept::dao
