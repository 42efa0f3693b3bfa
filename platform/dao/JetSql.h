// SPDX-License-Identifier: MIT
// Jet SQL -> SQLite SQL. Every statement the DAO classes run passes through
// translateJetSql, so it is a single pass over a real tokenizer, with no
// regular expressions and no recursion.
//
// Workload: catalogs run the same few statements over and over, differing only
// in their literals. Literals in WHERE, ON, HAVING, SET and VALUES are lifted
// into bound parameters, so equal shapes translate to equal SQL and the caller
// can reuse one prepared statement per shape.
//
// What changes on the way:
//   - "..." and '...' are string literals; [Name], `Name` and bare names become
//     "Name"; Table!Column is Table.Column.
//   - DISTINCTROW -> DISTINCT, True/False -> -1/0, & -> ||, Mod -> %,
//     SELECT TOP n ... -> ... LIMIT n, LIKE patterns with * ? -> % _.
//   - DELETE * FROM t / DELETE cols FROM t -> DELETE FROM t.
//   - SELECT ... INTO T FROM ... is returned as the SELECT alone, with T aside.
//   - Jet functions (UCase, Mid, IIf, Nz, ...) -> the zept_* functions that
//     registerJetFunctions installs.
//   - Jet DDL (CREATE TABLE/INDEX, DROP TABLE/INDEX) -> SQLite DDL with the
//     declared types of JetTypes.h; index names are prefixed with their table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zept::dao {

// A literal lifted out of the statement.
struct SqlValue {
  enum class Kind { Integer, Real, Text } kind = Kind::Integer;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;  // UTF-8
};

enum class JetStatementKind {
  Select,
  SelectInto,
  Insert,
  Update,
  Delete,
  CreateTable,
  CreateIndex,
  DropTable,
  DropIndex
};

struct JetStatement {
  JetStatementKind kind = JetStatementKind::Select;
  std::string sql;               // SQLite SQL (or the dialect's); lifted literals are placeholders
  std::vector<SqlValue> params;  // values for the placeholders, in order
  std::string intoTable;         // SelectInto: the target table (unquoted); `sql` is the SELECT without INTO
  // Select/SelectInto whose FROM is one table (no join, no subquery in FROM,
  // no UNION, no GROUP BY): its name; else empty.
  std::string soleTable;
  // When soleTable is set: `sql` with  "<t>"._ROWID_ AS "__zept_rowid"  as the
  // first result column (after DISTINCT), where <t> is the table's alias if
  // FROM gives one, else soleTable. Else empty.
  std::string rowidSql;
  // Given by JetStatementCache, unique among its statements: while a
  // statement keeps its serial, its texts stay the same. 0 elsewhere.
  std::uint64_t serial = 0;
};

// Where a lifted parameter came from in the Jet text: the byte offset and
// length of its literal token, quotes included. `transformed` when the value
// is not just the literal's text (a LIKE pattern with Jet's wildcards).
struct ParamSource {
  std::size_t pos = 0;
  std::size_t length = 0;
  bool transformed = false;
};

// A statement that is not valid Jet SQL or uses what this translator does not
// support. position() is the byte offset in the Jet text where it was found.
class JetSqlError : public std::runtime_error {
 public:
  JetSqlError(std::string what, std::size_t position);
  std::size_t position() const noexcept { return position_; }

 private:
  std::size_t position_;
};

// What SQL translateJetSql writes. PostgreSQL: placeholders are $1..$n,
// number parameters carry a cast (::bigint, ::float8) so that a column of any
// numeric type compares by value as Jet does, text parameters compared in
// WHERE, ON and HAVING carry COLLATE "C" (byte order, as SQLite's BINARY),
// True/False are TRUE/FALSE, rowidSql stays empty, and Jet functions and DDL
// are refused.
enum class JetDialect : std::uint8_t { SQLite, PostgreSQL };

// Translates one Jet statement; a trailing ";" is allowed. Throws JetSqlError
// for an empty text, a second statement, unbalanced parentheses, unterminated
// literals or names, and unsupported syntax. Never runs anything. With
// `sources`, it receives one entry per parameter, in order.
JetStatement translateJetSql(std::string_view jetSql, std::vector<ParamSource>* sources = nullptr);
JetStatement translateJetSql(std::string_view jetSql, JetDialect dialect, std::vector<ParamSource>* sources = nullptr);

// The parameter a number literal becomes: Integer when it is whole and fits
// 64 bits, else Real. `text` is a number as Jet SQL writes one (digits, an
// optional fraction and exponent, no sign). False when it is out of range.
bool jetNumberValue(std::string_view text, SqlValue& out);

}  // namespace zept::dao
