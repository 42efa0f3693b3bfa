// SPDX-License-Identifier: MIT
// Publishing SQLite catalogs into PostgreSQL schemas and fetching them back,
// through PgConnection (libpq) and SQLite's C interface. Every value a
// catalog holds travels as a parameter; only identifiers, quoted by libpq,
// are spliced into statements.
#include "platform/dao/ServerCatalog.h"

#include <sqlite3.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "platform/dao/CatalogSchema.h"
#include "platform/fs/TempFile.h"

namespace zept::dao {
namespace {

// How a column's values are kept on the server. One storage class (or none
// but NULL) gets its own type; a column mixing them keeps each value as
// text behind a one-letter tag, so that nothing changes class on the way.
enum Kind : char { kInteger = 'i', kReal = 'r', kText = 't', kBlob = 'b', kNull = 'n', kMixed = 'm' };

struct Value {
  int type = SQLITE_NULL;
  std::int64_t integer = 0;
  double real = 0;
  std::string bytes;  // text or blob
};

struct Table {
  std::string name;
  std::vector<std::string> columns;
  std::string kinds;  // one Kind a column
  std::vector<std::int64_t> rowids;
  std::vector<std::vector<Value>> rows;
};

struct SchemaObject {
  std::string type, name, sql;
};

struct Db {
  sqlite3* db = nullptr;
  ~Db() { sqlite3_close_v2(db); }
};

struct Stmt {
  sqlite3_stmt* s = nullptr;
  ~Stmt() { sqlite3_finalize(s); }
};

[[noreturn]] void fail(std::string const& what) { throw PgError(what); }

void prepare(sqlite3* db, std::string const& sql, Stmt& st) {
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st.s, nullptr) != SQLITE_OK)
    fail("catalog: " + std::string(sqlite3_errmsg(db)));
}

void run(sqlite3* db, std::string const& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string m = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    fail("catalog: " + m);
  }
}

Kind kindOf(int type) {
  switch (type) {
    case SQLITE_INTEGER:
      return kInteger;
    case SQLITE_FLOAT:
      return kReal;
    case SQLITE_TEXT:
      return kText;
    case SQLITE_BLOB:
      return kBlob;
    default:
      return kNull;
  }
}

char const* serverType(char kind) {
  switch (kind) {
    case kInteger:
      return "bigint";
    case kReal:
      return "double precision";
    case kBlob:
      return "bytea";
    default:
      return "text COLLATE \"C\"";  // byte order, as the catalog engine compares
  }
}

std::string realText(double d) {
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d < 0 ? "-Infinity" : "Infinity";
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, d).ptr);
}

constexpr char kHex[] = "0123456789abcdef";

std::string hexOf(std::string const& bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  return out;
}

std::string bytesOfHex(std::string_view hex) {
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    fail("catalog fetch: a malformed binary value");
  };
  if (hex.size() % 2) fail("catalog fetch: a malformed binary value");
  std::string out(hex.size() / 2, '\0');
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char>(nibble(hex[2 * i]) * 16 + nibble(hex[2 * i + 1]));
  return out;
}

PgParam serverText(Value const& v, char kind) {
  if (v.type == SQLITE_NULL) return std::nullopt;
  auto plain = [&]() -> std::string {
    switch (v.type) {
      case SQLITE_INTEGER:
        return std::to_string(v.integer);
      case SQLITE_FLOAT:
        return realText(v.real);
      case SQLITE_BLOB:
        return "\\x" + hexOf(v.bytes);
      default:
        return v.bytes;
    }
  };
  if (kind != kMixed) return plain();
  if (v.type == SQLITE_BLOB) return "b:" + hexOf(v.bytes);
  return std::string(1, kindOf(v.type)) + ":" + plain();
}

std::int64_t integerOf(std::string_view text) {
  std::int64_t n = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) fail("catalog fetch: a malformed whole number");
  return n;
}

double realOf(std::string_view text) {
  const std::string s(text);
  char* end = nullptr;
  const double d = std::strtod(s.c_str(), &end);
  if (s.empty() || *end != '\0') fail("catalog fetch: a malformed number");
  return d;
}

// Binds the server's text of a value of `kind` as the value published.
void bindServerText(sqlite3_stmt* s, int at, std::string_view text, char kind) {
  if (kind == kMixed) {
    if (text.size() < 2 || text[1] != ':') fail("catalog fetch: a malformed tagged value");
    kind = text[0];
    text.remove_prefix(2);
    if (kind == kBlob) {
      const std::string b = bytesOfHex(text);
      sqlite3_bind_blob64(s, at, b.data(), b.size(), SQLITE_TRANSIENT);
      return;
    }
  }
  switch (kind) {
    case kInteger:
      sqlite3_bind_int64(s, at, integerOf(text));
      break;
    case kReal:
      sqlite3_bind_double(s, at, realOf(text));
      break;
    case kBlob: {
      if (text.substr(0, 2) != "\\x") fail("catalog fetch: a binary value not in hex form");
      const std::string b = bytesOfHex(text.substr(2));
      sqlite3_bind_blob64(s, at, b.data(), b.size(), SQLITE_TRANSIENT);
      break;
    }
    default:
      sqlite3_bind_text64(s, at, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  }
}

std::vector<SchemaObject> schemaObjects(sqlite3* db) {
  Stmt st;
  prepare(db,
          "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
          "ORDER BY type <> 'table', rowid",
          st);
  std::vector<SchemaObject> out;
  while (sqlite3_step(st.s) == SQLITE_ROW) {
    auto text = [&](int i) { return std::string(reinterpret_cast<char const*>(sqlite3_column_text(st.s, i))); };
    out.push_back({text(0), text(1), text(2)});
  }
  return out;
}

Table readTable(sqlite3* db, std::string const& name) {
  Table t{name, {}, {}, {}, {}};
  {
    Stmt info;
    prepare(db, "PRAGMA table_info(" + quoted(name) + ")", info);
    while (sqlite3_step(info.s) == SQLITE_ROW)
      t.columns.emplace_back(reinterpret_cast<char const*>(sqlite3_column_text(info.s, 1)));
  }
  std::string select = "SELECT rowid";
  for (auto const& c : t.columns) select += ", " + quoted(c);
  Stmt st;
  prepare(db, select + " FROM " + quoted(name) + " ORDER BY rowid", st);
  t.kinds.assign(t.columns.size(), kNull);
  int rc;
  while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
    t.rowids.push_back(sqlite3_column_int64(st.s, 0));
    auto& row = t.rows.emplace_back(t.columns.size());
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
      const int at = static_cast<int>(i) + 1;
      Value& v = row[i];
      v.type = sqlite3_column_type(st.s, at);
      if (v.type == SQLITE_INTEGER) v.integer = sqlite3_column_int64(st.s, at);
      if (v.type == SQLITE_FLOAT) v.real = sqlite3_column_double(st.s, at);
      if (v.type == SQLITE_TEXT || v.type == SQLITE_BLOB) {
        auto const* p = static_cast<char const*>(sqlite3_column_blob(st.s, at));
        v.bytes.assign(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st.s, at)));
      }
      const char k = kindOf(v.type);
      if (k != kNull && t.kinds[i] != k) t.kinds[i] = t.kinds[i] == kNull ? k : static_cast<char>(kMixed);
    }
  }
  if (rc != SQLITE_DONE) fail("catalog: " + std::string(sqlite3_errmsg(db)));
  return t;
}

// The authorizer of a schema text replayed from the server: what the engine
// refuses any statement, and besides no virtual or temporary object.
int replayAuthorizer(void*, int action, char const*, char const* arg2, char const*, char const*) {
  switch (action) {
    case SQLITE_CREATE_VTABLE:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_VIEW:
      return SQLITE_DENY;
    default:
      return catalogAuthorization(action, arg2);
  }
}

// A catalog holds tables and indexes only (the engine refuses a file with
// views or triggers), on either side of the server.
void checkObjectType(std::string_view type) {
  if (type != "table" && type != "index") fail("a catalog holds tables and indexes only, not a " + std::string(type));
}

// One object of the catalog's schema as the server holds it: every seat that
// fetches the catalog runs this text, so it must be one CREATE TABLE or
// CREATE INDEX statement and nothing more.
void replaySchemaObject(sqlite3* db, std::string_view type, std::string const& sql) {
  checkObjectType(type);
  Stmt st;
  char const* tail = nullptr;
  sqlite3_set_authorizer(db, replayAuthorizer, nullptr);
  const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st.s, &tail);
  sqlite3_set_authorizer(db, nullptr, nullptr);
  if (rc != SQLITE_OK || !st.s) fail("the server's catalog holds refused schema text: " + sql);
  for (; *tail; ++tail)
    if (!std::isspace(static_cast<unsigned char>(*tail)))
      fail("the server's catalog holds more than one statement: " + sql);
  if (sqlite3_step(st.s) != SQLITE_DONE) fail("catalog fetch: " + std::string(sqlite3_errmsg(db)));
}

std::vector<PgParam> params(std::initializer_list<std::string> values) { return {values.begin(), values.end()}; }

constexpr char kLockKey[] = "hashtextextended('zept catalog ' || $1, 0)";

}  // namespace

bool isServerCatalogName(std::string const& name) {
  if (name.empty() || name.size() > 63) return false;
  for (unsigned char c : name)
    if (!(std::isalnum(c) || c == '_' || c == '-')) return false;
  auto lower = [](std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string l = lower(name);
  return l != "zept" && l != "public" && l != "information_schema" && l.rfind("pg_", 0) != 0;
}

void prepareServer(PgConnection& c) {
  c.exec(
      "DO $$ BEGIN "
      "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zept_reader') THEN CREATE ROLE zept_reader NOLOGIN; END "
      "IF; "
      "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zept_editor') THEN "
      "CREATE ROLE zept_editor NOLOGIN IN ROLE zept_reader; END IF; "
      "EXECUTE format('GRANT CREATE ON DATABASE %I TO zept_editor', current_database()); END $$");
  c.exec("CREATE SCHEMA IF NOT EXISTS zept");
  c.exec(
      "CREATE TABLE IF NOT EXISTS zept.catalogs (name text COLLATE \"C\" PRIMARY KEY, generation bigint NOT NULL, "
      "published timestamptz NOT NULL DEFAULT now())");
  // The catalog's own SQLite schema text, replayed in `seq` order on fetch;
  // a table's `kinds` says how each of its columns is kept.
  c.exec(
      "CREATE TABLE IF NOT EXISTS zept.objects (catalog text COLLATE \"C\" NOT NULL REFERENCES zept.catalogs "
      "ON DELETE CASCADE, seq integer NOT NULL, type text NOT NULL, name text NOT NULL, sql text NOT NULL, kinds text, "
      "PRIMARY KEY (catalog, seq))");
  c.exec("GRANT USAGE ON SCHEMA zept TO zept_reader");
  c.exec("GRANT SELECT ON zept.catalogs, zept.objects TO zept_reader");
  c.exec("GRANT INSERT, UPDATE, DELETE ON zept.catalogs, zept.objects TO zept_editor");
}

std::int64_t publishCatalog(PgConnection& c, std::string const& name, std::string const& sqlitePath) {
  if (!isServerCatalogName(name)) fail("\"" + name + "\" cannot name a catalog on the server");
  Db src;
  if (sqlite3_open_v2(sqlitePath.c_str(), &src.db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
    fail("cannot open the catalog " + sqlitePath);
  // One read transaction: the file cannot change under the copy.
  run(src.db, "BEGIN");
  const auto objects = schemaObjects(src.db);
  if (objects.empty()) fail(sqlitePath + " holds no tables");
  std::vector<Table> tables;
  for (auto const& o : objects) {
    checkObjectType(o.type);
    if (o.type == "table") tables.push_back(readTable(src.db, o.name));
  }

  PgTransaction tx(c);
  c.exec("SET LOCAL ROLE zept_editor");
  c.exec(std::string("SELECT pg_advisory_xact_lock(") + kLockKey + ")", params({name}));
  const std::string schema = c.quoteIdentifier(name);
  c.exec("DROP SCHEMA IF EXISTS " + schema + " CASCADE");
  c.exec("CREATE SCHEMA " + schema);
  for (auto const& t : tables) {
    std::string create = "CREATE TABLE " + schema + "." + c.quoteIdentifier(t.name) + " (zept_rowid bigint PRIMARY KEY";
    std::string insert = "INSERT INTO " + schema + "." + c.quoteIdentifier(t.name) + " VALUES ($1";
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
      if (t.columns[i] == "zept_rowid" || t.columns[i].size() > 63)
        fail("the column name \"" + t.columns[i] + "\" cannot be kept on the server");
      create += ", " + c.quoteIdentifier(t.columns[i]) + " " + serverType(t.kinds[i]);
      insert += ", $" + std::to_string(i + 2);
    }
    c.exec(create + ")");
    // The unnamed statement: the next prepare replaces it, so a publish that
    // failed half-way leaves nothing behind on a connection used again.
    const std::string statement;
    c.prepare(statement, insert + ")");
    std::vector<PgParam> row(t.columns.size() + 1);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
      row[0] = std::to_string(t.rowids[r]);
      for (std::size_t i = 0; i < t.columns.size(); ++i) row[i + 1] = serverText(t.rows[r][i], t.kinds[i]);
      c.execPrepared(statement, row);
    }
  }
  const PgResult generation = c.exec(
      "INSERT INTO zept.catalogs (name, generation) VALUES ($1, 1) ON CONFLICT (name) DO UPDATE "
      "SET generation = zept.catalogs.generation + 1, published = now() RETURNING generation",
      params({name}));
  c.exec("DELETE FROM zept.objects WHERE catalog = $1", params({name}));
  int seq = 0;
  std::size_t table = 0;  // `tables` holds the tables in the objects' order
  for (auto const& o : objects) {
    const PgParam kinds = o.type == "table" ? PgParam(tables[table++].kinds) : std::nullopt;
    c.exec("INSERT INTO zept.objects (catalog, seq, type, name, sql, kinds) VALUES ($1, $2, $3, $4, $5, $6)",
           {name, std::to_string(seq++), o.type, o.name, o.sql, kinds});
  }
  c.exec("GRANT USAGE ON SCHEMA " + schema + " TO zept_reader");
  c.exec("GRANT SELECT ON ALL TABLES IN SCHEMA " + schema + " TO zept_reader");
  tx.commit();
  return integerOf(generation.text(0, 0));
}

std::int64_t fetchCatalog(PgConnection& c, std::string const& name, std::string const& target) {
  if (!isServerCatalogName(name)) fail("\"" + name + "\" cannot name a catalog on the server");
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash ? slash : 1);
  zept::fs::TempFile file(folder);
  if (!file.valid()) fail("cannot write in " + folder);
  Db out;
  if (sqlite3_open_v2(file.path().c_str(), &out.db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    fail("cannot build the catalog in " + folder);
  run(out.db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");

  // Read committed under the shared lock: no publish commits while it is
  // held, so every statement sees the same catalog.
  PgTransaction tx(c);
  c.exec("SET LOCAL bytea_output = 'hex'");
  c.exec(std::string("SELECT pg_advisory_xact_lock_shared(") + kLockKey + ")", params({name}));
  const PgResult head = c.exec("SELECT generation FROM zept.catalogs WHERE name = $1", params({name}));
  if (head.rows() != 1) fail("the server holds no catalog \"" + name + "\"");
  const std::int64_t generation = integerOf(head.text(0, 0));
  const PgResult objects =
      c.exec("SELECT type, name, sql, kinds FROM zept.objects WHERE catalog = $1 ORDER BY seq", params({name}));
  const std::string schema = c.quoteIdentifier(name);
  for (int o = 0; o < objects.rows(); ++o) {
    replaySchemaObject(out.db, objects.text(o, 0), std::string(objects.text(o, 2)));
    if (objects.text(o, 0) != "table") continue;
    const std::string table(objects.text(o, 1));
    const std::string kinds(objects.text(o, 3));
    const PgResult rows = c.exec("SELECT * FROM " + schema + "." + c.quoteIdentifier(table) + " ORDER BY zept_rowid");
    if (rows.columns() != static_cast<int>(kinds.size()) + 1)
      fail("the server's table \"" + table + "\" is not as published");
    std::string insert = "INSERT INTO " + quoted(table) + " (rowid";
    std::string values = ") VALUES (?1";
    {
      Stmt info;
      prepare(out.db, "PRAGMA table_info(" + quoted(table) + ")", info);
      int n = 1;
      while (sqlite3_step(info.s) == SQLITE_ROW) {
        insert += ", " + quoted(std::string_view(reinterpret_cast<char const*>(sqlite3_column_text(info.s, 1))));
        values += ", ?" + std::to_string(++n);
      }
      if (n != rows.columns()) fail("the server's table \"" + table + "\" is not as published");
    }
    Stmt st;
    prepare(out.db, insert + values + ")", st);
    for (int r = 0; r < rows.rows(); ++r) {
      sqlite3_reset(st.s);
      sqlite3_bind_int64(st.s, 1, integerOf(rows.text(r, 0)));
      for (int i = 1; i < rows.columns(); ++i) {
        if (rows.isNull(r, i))
          sqlite3_bind_null(st.s, i + 1);
        else
          bindServerText(st.s, i + 1, rows.text(r, i), kinds[static_cast<std::size_t>(i - 1)]);
      }
      if (sqlite3_step(st.s) != SQLITE_DONE) fail("catalog fetch: " + std::string(sqlite3_errmsg(out.db)));
    }
  }
  tx.commit();
  run(out.db, "COMMIT");
  if (sqlite3_close_v2(out.db) != SQLITE_OK) fail("catalog fetch: the new file did not close");
  out.db = nullptr;
  if (!file.close() || !file.placeAt(target, true)) fail("cannot place the catalog at " + target);
  return generation;
}

std::vector<std::pair<std::string, std::int64_t>> serverCatalogs(PgConnection& c) {
  const PgResult r = c.exec("SELECT name, generation FROM zept.catalogs ORDER BY name");
  std::vector<std::pair<std::string, std::int64_t>> out;
  for (int i = 0; i < r.rows(); ++i) out.emplace_back(std::string(r.text(i, 0)), integerOf(r.text(i, 1)));
  return out;
}

}  // namespace zept::dao
