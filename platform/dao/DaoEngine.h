// SPDX-License-Identifier: MIT
// Engine: one open catalog as the DAO classes see it — the SQLite connection,
// the file lock that makes Jet's open modes real, the per-database caches of
// translations and prepared statements, and the mapping of engine errors to
// CDaoException.
//
// Workload: catalogs are opened shared read-only and then queried many times
// with statements that differ only in their literals, so a statement is
// prepared once per shape and reused with bound parameters. While the shared
// lock is held nobody writes the file, so read-only connections are opened
// immutable and skip SQLite's own per-statement locking.
//
// Internal to platform/dao: the public headers only forward-declare it.
#pragma once

#include <sys/types.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <exception>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/dao/FileLock.h"
#include "platform/dao/JetSql.h"
#include "platform/dao/JetStatementCache.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zept::dao {

struct JetHeader;
struct JetImage;
class RowStream;

// Table and column names compare without case: this is their key.
std::wstring lowered(std::wstring_view name);

// A result column as a statement names it.
struct ColumnMeta {
  std::wstring label;     // the column's name in the result
  std::wstring labelKey;  // lower case, for lookups
  std::wstring table;     // origin table as stored, empty for expressions
  std::wstring tableKey;  // lower case
  VARTYPE declaredVt = VT_EMPTY;  // from the declared type; VT_EMPTY when none
  short daoType = 0;
  long size = 0;
};

// The columns of one prepared statement, shared by every recordset opened on
// it, with the name lookups resolved so far.
class ColumnSet {
 public:
  std::vector<ColumnMeta> columns;
  // Index of the column `name` names: its bare name when that is unique in
  // the result, or "Table.Column". -1 when unknown or ambiguous.
  int find(std::wstring_view name) const;
  // The same for a caller's C string. Readers ask for a row's columns in the
  // same order row after row, so the name asked for after the last one found
  // is tried first, character by character, without measuring the name: a
  // record read in order costs one short comparison per column.
  int find(wchar_t const* name) const {
    if (m_next < m_known) {
      auto const& [known, index] = m_byName[m_next];
      if (sameName(known, name)) {
        if (++m_next == m_known) m_next = 0;
        return index;
      }
    }
    return findNamed(name);
  }

 private:
  // A character of `name` is read only once those before it matched, so
  // never past its end.
  static bool sameName(std::wstring const& known, wchar_t const* name) {
    wchar_t const* k = known.data();
    const std::size_t n = known.size();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4)
      if (name[i] != k[i] || name[i + 1] != k[i + 1] || name[i + 2] != k[i + 2] || name[i + 3] != k[i + 3])
        return false;
    for (; i < n; ++i)
      if (name[i] != k[i]) return false;
    return name[n] == 0;
  }
  int findNamed(wchar_t const* name) const;
  int resolve(std::wstring_view name) const;

  // Names resolved so far, searched from m_next, the entry after the last
  // hit (0 after the last entry); m_known is their count.
  mutable std::vector<std::pair<std::wstring, int>> m_byName;
  mutable std::size_t m_next = 0;
  mutable std::size_t m_known = 0;
};

// One stored value as the engine gives it; a text is kept elsewhere.
struct Cell {
  enum Kind : unsigned char { Null, Integer, Real, Text } kind = Null;
  std::uint32_t textLength = 0;
  union {
    std::int64_t integer;
    double real;
    std::uint64_t textOffset;
  };
  Cell() : integer(0) {}
};

// The value with the variant type of its column, or the class it is stored
// as where that does not fit the declared type. `text` is a Text cell's.
void cellValue(Cell const& c, std::string_view text, ColumnMeta const& meta, COleVariant& out);

// Values are written into the caller's variant in place: a scan reads
// millions of them, and the variant keeps its text storage for the next one.
// Inline, as a streaming scan reads them straight from the engine's row.
inline void setNumber(COleVariant& out, VARTYPE vt) {
  out.vt = vt;
  out.dblVal = 0;
}

// A stored real as its column's declared type reads it.
inline void setReal(COleVariant& out, double value, VARTYPE declared) {
  switch (declared) {
    case VT_R4: setNumber(out, VT_R4); out.fltVal = static_cast<float>(value); return;
    case VT_DATE: setNumber(out, VT_DATE); out.date = value; return;
    default: setNumber(out, VT_R8); out.dblVal = value; return;
  }
}

// A stored integer as its column's declared type reads it.
inline void setInteger(COleVariant& out, std::int64_t value, VARTYPE declared) {
  switch (declared) {
    case VT_I2: setNumber(out, VT_I2); out.iVal = static_cast<short>(value); return;
    case VT_UI1: setNumber(out, VT_UI1); out.bVal = static_cast<BYTE>(value); return;
    case VT_BOOL: setNumber(out, VT_BOOL); out.boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE; return;
    case VT_R8: setNumber(out, VT_R8); out.dblVal = static_cast<double>(value); return;
    case VT_R4: setNumber(out, VT_R4); out.fltVal = static_cast<float>(value); return;
    case VT_DATE: setNumber(out, VT_DATE); out.date = static_cast<double>(value); return;
    case VT_I4: setNumber(out, VT_I4); out.lVal = static_cast<long>(value); return;
    default:
      // An expression: Jet gives Long where the value fits, else Double.
      if (value >= INT32_MIN && value <= INT32_MAX) {
        setNumber(out, VT_I4);
        out.lVal = static_cast<long>(value);
      } else {
        setNumber(out, VT_R8);
        out.dblVal = static_cast<double>(value);
      }
      return;
  }
}

// Rows read from a statement, stored flat: one Cell per column and row, text
// in one pool. Kept compact because dynasets and materialized snapshots hold
// every row.
class ResultRows {
 public:
  using Cell = zept::dao::Cell;

  // Appends every remaining row of `stmt`, reading columns from
  // `firstColumn` on (a leading rowid column is read separately).
  void readAll(sqlite3_stmt* stmt, int firstColumn, bool withRowid);
  // Appends the current row of `stmt`.
  void readRow(sqlite3_stmt* stmt, int firstColumn, bool withRowid);
  // Overwrites `row`, or appends when `row` is negative, with `fromRow` of
  // `from`: column i takes from's column map[i] (null for -1).
  void putMapped(int row, ResultRows const& from, int fromRow, std::vector<int> const& map);

  int rowCount() const { return m_rows; }
  int columnCount() const { return m_columns; }
  void setColumnCount(int n) { m_columns = n; }
  Cell const& cell(int row, int column) const { return m_cells[static_cast<std::size_t>(row) * m_columns + column]; }
  std::string_view text(Cell const& c) const { return std::string_view(m_text).substr(c.textOffset, c.textLength); }
  std::int64_t rowid(int row) const { return m_rowids.empty() ? row : m_rowids[static_cast<std::size_t>(row)]; }
  bool hasRowids() const { return m_withRowids; }

  void value(int row, int column, ColumnMeta const& meta, COleVariant& out) const {
    Cell const& c = cell(row, column);
    cellValue(c, c.kind == Cell::Text ? text(c) : std::string_view(), meta, out);
  }
  COleVariant value(int row, int column, ColumnMeta const& meta) const {
    COleVariant v;
    value(row, column, meta, v);
    return v;
  }
  void clear();
  // Memory the rows take, roughly.
  std::size_t bytes() const {
    return m_cells.size() * sizeof(Cell) + m_rowids.size() * sizeof(std::int64_t) + m_text.size();
  }

 private:
  int m_columns = 0;
  int m_rows = 0;
  std::vector<Cell> m_cells;
  std::vector<std::int64_t> m_rowids;
  bool m_withRowids = false;
  std::string m_text;
};

// What a file is, as far as a kept engine state depends on it: a writer
// that changes a catalog changes its change counter (SQLite bumps it in
// every transaction), and a replaced or otherwise rewritten file its inode,
// size or modification time.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t mtimeSeconds = 0;
  std::int64_t mtimeNanoseconds = 0;
  std::uint32_t changeCounter = 0;
  bool operator==(FileIdentity const&) const = default;
};
// The identity of the file `lock` holds, as it was when the lock was
// granted; nullopt when it cannot be read.
std::optional<FileIdentity> fileIdentity(FileLock const& lock);

// Puts the finished catalog file `built` at `target` (POSIX paths in one
// folder) and syncs the folder. A rollback journal beside `target` belongs
// to the file that had the name: left there, the next open would play it
// back into the new one. Without `replace` the target must not exist (3204)
// and a journal left by one that is gone is removed first. With it the
// target must be a file its owner may write (3051) that nobody holds
// (3045); it is held exclusively meanwhile, and a journal of its last
// writer is played back into it before the new file takes its place.
void placeCatalogFile(std::string const& built, std::string const& target, bool replace);
// Whether the open catalog file `fd` (inode `inode`) carries the tag a
// catalog made by Engine::create starts with (zept::fs::builderTag, in the
// header's application id and user version) until clearBuilderTag.
bool carriesBuilderTag(int fd, ino_t inode);
// Removes the tag from the catalog `engine` has open for writing, once it is
// finished and no leftover of a creation any more.
class Engine;
void clearBuilderTag(Engine& engine);
// Removes the journal beside `target` when no file is reached through that
// name: it was left by a catalog since deleted. False when it cannot go.
bool removeOrphanJournal(std::string const& target);

// sqlite3_step and sqlite3_exec on a catalog's connection, each bounded in
// time: one that runs longer than statementTimeLimit() is stopped and fails
// with SQLITE_INTERRUPT, which throwEngineError reports naming the bound. A
// catalog can hold what loops for ever (a view over an endless recursive
// query), and a caller's statement can ask for any amount of work.
int step(sqlite3_stmt* stmt);
int exec(sqlite3* db, std::string const& sql);
// What SQLite's authorizer answers for an action of any statement a caller or
// a server hands over: SQLITE_DENY for attaching, pragmas, views, triggers
// and functions that reach past the data (native pointers, extension
// loading, file access); SQLITE_OK otherwise.
int catalogAuthorization(int action, char const* arg2);
std::chrono::milliseconds statementTimeLimit();
// For tests: another bound, until reset with the default (8 s).
void setStatementTimeLimit(std::chrono::milliseconds limit);

// A hash of a long text (a statement, a contour) for the caches keyed by
// one, several times cheaper than std::hash's.
std::size_t textHash(std::wstring_view text);
struct TextHash {
  std::size_t operator()(std::wstring_view text) const { return textHash(text); }
};

// Rows of repeated reads of a catalog that cannot change, by the caller's
// text: the same text is the same statement shape with the same parameters.
// A text is kept when it is read again within the next few reads, so reads
// that do not come back soon cost no copy; least recently used entries go
// first; bounded in entries and in bytes. Texts come with their hash, made
// once per read (the translation's text key); equal texts must bring equal
// hashes, and a hit compares the whole text.
class RowCache {
 public:
  struct Entry {
    std::wstring text;
    std::size_t hash = 0;
    std::shared_ptr<ColumnSet> columns;
    ResultRows rows;
    std::size_t bytes = 0;
  };
  static constexpr std::size_t kMaxEntries = 1024;
  static constexpr std::size_t kMaxBytes = 1 << 20;
  static constexpr std::size_t kMaxEntryBytes = 64 << 10;

  // The rows kept for `text`, or null.
  Entry const* find(std::wstring_view text, std::size_t hash);
  // The rows `text` gave; kept when `text` was offered before.
  void keep(std::wstring_view text, std::size_t hash, std::shared_ptr<ColumnSet> columns, ResultRows const& rows);
  // Whether keep() would keep rows of the text of `hash`; when not, offers
  // it as keep() would. A streaming snapshot asks before it records rows
  // that would only be dropped.
  bool admits(std::size_t hash);
  void clear();
  std::size_t size() const { return m_index.size(); }
  std::size_t bytes() const { return m_bytes; }

 private:
  struct Key {
    std::wstring_view text;  // into an entry's text, or the caller's
    std::size_t hash;
    bool operator==(Key const& other) const { return hash == other.hash && text == other.text; }
  };
  struct KeyHash {
    std::size_t operator()(Key const& k) const { return k.hash; }
  };
  bool offered(std::size_t hash);
  void offer(std::size_t hash);
  std::list<Entry> m_entries;  // latest first
  std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_index;
  std::size_t m_bytes = 0;
  // Hashes of the texts offered last. A text offered again among them is
  // kept: a model asking for its few sizes repeats within a handful of
  // reads, while a sweep over a catalog would only churn the entries.
  std::array<std::size_t, 64> m_offered{};
  std::size_t m_nextOffered = 0;
  // Most reads are neither kept nor offered, which one bit of their hash
  // tells, without the map's division or a search of the list. The bits are
  // two cache lines each, so that they stay at hand between reads while the
  // engine's pages come and go. A kept bit is set while its bucket counts an
  // entry; an offered bit once a hash of the bucket is offered, and cleared
  // only when the list has turned over and the bits are made anew from it.
  using Bits = std::array<std::uint64_t, 16>;
  static constexpr std::size_t kBuckets = 1024;
  static bool has(Bits const& bits, std::size_t hash) {
    const std::size_t b = hash % kBuckets;
    return (bits[b / 64] >> (b % 64)) & 1;
  }
  static void set(Bits& bits, std::size_t hash) {
    const std::size_t b = hash % kBuckets;
    bits[b / 64] |= std::uint64_t{1} << (b % 64);
  }
  void countKept(std::size_t hash, int change);
  void offeredAnew();
  Bits m_keptBits{};
  Bits m_offeredBits{1};  // of the empty list: 64 zeros
  std::array<std::uint16_t, kBuckets> m_keptCounts{};
};

// A table of the catalog as its definitions list it: local, or a link to a
// table of another catalog.
struct TableEntry {
  std::wstring name;  // as stored
  bool linked = false;
  std::wstring sourceTable;
  std::wstring connect;
  long attributes = 0;  // as given when the link was created
};

class Engine {
 public:
  enum class Access { ReadOnly, ReadWrite };

  // Opens an existing catalog (path already resolved to POSIX). Throws
  // CDaoException with Jet's error numbers. A read-only open of a file whose
  // identity has not changed since an earlier read-only engine on it was
  // closed takes that engine's state back, connection, schema, translations,
  // prepared statements and cached rows, instead of building it anew.
  // `named` is the status of what `path` named when it was resolved (null
  // when nothing): a kept state whose descriptor is on that file takes its
  // lock again on that descriptor.
  static std::unique_ptr<Engine> open(std::string const& path, struct stat const* named, Access access,
                                      bool exclusive);
  // Releases the lock, and keeps a read-only engine's state for the next
  // open of the same unchanged file (at most kWarmCatalogs per process, least
  // recently closed dropped first), its descriptor open without the lock.
  static void close(std::unique_ptr<Engine> engine);
  static constexpr std::size_t kWarmCatalogs = 8;
  // Engine states kept for reopening; for tests.
  static std::size_t warmCount();
  // Creates a new catalog; throws when the file exists.
  static std::unique_ptr<Engine> create(std::string const& path);
  ~Engine();
  Engine(Engine const&) = delete;
  Engine& operator=(Engine const&) = delete;

  sqlite3* handle() const { return m_db; }
  bool readOnly() const { return m_access == Access::ReadOnly; }
  // A genuine Access file, read through its in-memory catalog image.
  bool genuine() const { return m_image != nullptr; }
  std::string const& path() const { return m_path; }
  // Of a read-only open, taken under its lock.
  std::optional<FileIdentity> const& identity() const { return m_identity; }
  // Tells this engine from every other of the process, unlike its address,
  // which the next engine made may take once it is gone.
  std::uint64_t serial() const { return m_serial; }

  struct Prepared {
    sqlite3_stmt* stmt = nullptr;
    std::shared_ptr<ColumnSet> columns;  // of the result, leading rowid excluded
    bool inUse = false;
    int parameters = 0;  // sqlite3_bind_parameter_count
    bool repeatable = true;  // calls no function whose result varies (random, the time)
    RowStream* stream = nullptr;  // the snapshot stepping it between calls
    // Rows after which its last recorded result outgrew the row cache, so
    // that a scan repeated does not record and drop again; 0 when it fitted.
    int oversizeRows = 0;
    // Bytes from one of its result values to the next within a row, where
    // the engine gives a row's values side by side (checked on the first
    // row it gives); 0 until then, -1 where they are not or it has one column.
    std::ptrdiff_t valueStride = 0;
  };
  // A statement from the cache (prepared on first use), reset, with the
  // parameters bound. Release it with `Lease`'s destructor.
  class Lease {
   public:
    Lease(Engine& engine, Prepared* p, bool owned) : m_engine(&engine), m_p(p), m_owned(owned) {}
    Lease(Lease&& other) noexcept;
    Lease(Lease const&) = delete;
    ~Lease();
    Prepared& operator*() const { return *m_p; }
    Prepared* operator->() const { return m_p; }

   private:
    Engine* m_engine;
    Prepared* m_p;
    bool m_owned;
  };
  // The translation of a caller's Jet text, valid until the next call.
  // Throws CDaoException for a text that is not Jet SQL.
  JetStatement const& translate(std::wstring_view jet);
  // The hash of the text translated last, the key of its kept rows.
  std::size_t textKey() const { return static_cast<std::size_t>(m_translations.textKey()); }

  // `serial`, when not 0, names `sql` for good (a translation's serial and
  // which of its texts): the statement named last is then found without
  // comparing texts.
  Lease prepare(std::string const& sql, std::vector<SqlValue> const& params, int hiddenLeadingColumns = 0,
                std::uint64_t serial = 0);
  // The same without binding; bind with bindVariant.
  Lease prepareUnbound(std::string const& sql, int hiddenLeadingColumns = 0, std::uint64_t serial = 0);
  // Binds a variant as its engine value (booleans as Jet's -1/0); throws
  // for a variant type that has no column value (3421).
  void bindVariant(sqlite3_stmt* stmt, int index, COleVariant const& value);

  // Steps a leased statement to completion; throws on error.
  void stepToEnd(sqlite3_stmt* stmt);
  // Runs SQL of the library's own (authorizer off); throws on error.
  void execInternal(std::string const& sql);
  // Forgets prepared statements after a schema change.
  void schemaChanged();

  // Whether a snapshot may step its statement between calls instead of
  // reading every row at open: only while nobody can change what it reads
  // (read-only under the lock, no linked file the lock does not cover).
  bool canStream() const { return readOnly() && m_links.empty(); }
  // Snapshots that step a leased statement. Each reads its rows into memory
  // and lets the statement go before it is leased again or the catalog
  // closes, so no snapshot ever reads a file it no longer holds a lock on.
  void addStream(RowStream* stream) { m_streams.push_back(stream); }
  void removeStream(RowStream* stream);
  void spillStreams() noexcept;
  std::size_t streamCount() const { return m_streams.size(); }

  // RAII transaction for multi-statement changes: all or nothing. Inside
  // another one it is a savepoint, so a caller can group several changes
  // that each bring their own.
  class Transaction {
   public:
    explicit Transaction(Engine& engine);
    Transaction(Transaction const&) = delete;
    Transaction& operator=(Transaction const&) = delete;
    ~Transaction();
    void commit();

   private:
    Engine& m_engine;
    std::string m_savepoint;  // empty for the outermost transaction
    bool m_done = false;
  };

  // Attaches `sourcePath` and exposes `sourceTable` as the temporary view
  // `name`; false when the source cannot be reached.
  bool linkTable(std::wstring const& name, std::string const& sourcePath, std::wstring const& sourceTable);
  void unlinkTable(std::wstring const& name);

  [[noreturn]] void fail(int rc, std::string_view context = {}) const;
  void check(int rc, std::string_view context = {}) const {
    if (rc != 0) fail(rc, context);
  }

  // The rows a snapshot of `text` read before, while nobody can change the
  // catalog; null on a miss and on a catalog that can change. `key` is the
  // text's textKey().
  RowCache::Entry const* cachedRows(std::wstring_view text, std::size_t key);
  // Keeps a snapshot's rows for cachedRows when the catalog cannot change.
  void keepRows(std::wstring_view text, std::size_t key, Prepared const& statement, ResultRows const& rows);
  // Whether keepRows would keep rows of `statement` read for the text of
  // `key`; when not, the text is offered as keepRows would.
  bool keepsRows(Prepared const& statement, std::size_t key) {
    return statement.repeatable && unchanging() && m_rowCache.admits(key);
  }
  RowCache const& rowCache() const { return m_rowCache; }

  // What readers make of the kept rows (decoded records), one per `kind`
  // (its class: a type compares equal across shared objects, an address of
  // its own need not), made by `make` on first use. It lives and goes
  // exactly as the kept rows do: only while the catalog cannot change,
  // dropped with this state or a schema change; null while the catalog can
  // change.
  class Derived {
   public:
    virtual ~Derived() = default;
  };
  Derived* derived(std::type_info const& kind, std::unique_ptr<Derived> (*make)());

  long recordsAffected = 0;
  // The catalog's tables, read once and kept until the schema changes:
  // selecting a catalog asks for several of them, and nobody else can change
  // the schema while the catalog is open. Set while empty, emptied only by
  // schemaChanged().
  std::optional<std::vector<TableEntry>> tables;

 private:
  Engine() = default;
  Engine(std::string const& path, Access access, bool exclusive, FileLock lock);
  // Finalizes the statements nobody leases.
  void dropIdleStatements();
  // Whether this engine's state may outlive its lock and serve the next open.
  bool keepable() const;
  // Whether the files its rows come from cannot change while it is open:
  // read-only under the lock, with no link to another catalog.
  bool unchanging() const;
  void openConnection(std::string const& uri, int flags);
  void configure();
  void refuseViewsAndTriggers();
  void openGenuine(JetHeader const& jet, bool exclusive);
  static void refuseWritingGenuine(JetHeader const& jet, std::string const& path, Access access, bool exclusive);
  static int authorize(void* self, int action, char const* a, char const* b, char const* c, char const* d);

  static std::uint64_t nextSerial();
  const std::uint64_t m_serial = nextSerial();
  sqlite3* m_db = nullptr;
  std::string m_path;
  Access m_access = Access::ReadOnly;
  FileLock m_lock;
  std::shared_ptr<JetImage const> m_image;  // outlives m_db, which reads it
  bool m_internal = false;
  bool m_sawVolatile = false;  // set by the authorizer while preparing
  mutable bool m_unchanging = false;  // once unchanging() found it, until schemaChanged()
  int m_nextSavepoint = 0;
  std::optional<FileIdentity> m_identity;  // of a read-only open, taken under the lock
  RowCache m_rowCache;
  std::vector<std::pair<std::type_info const*, std::unique_ptr<Derived>>> m_derived;  // by kind
  std::unordered_map<std::string, std::unique_ptr<Prepared>> m_cache;
  // The entry of m_cache looked up last (its key and statement, and the
  // serial it was asked by), or null.
  std::string const* m_lastSql = nullptr;
  Prepared* m_lastPrepared = nullptr;
  std::uint64_t m_lastSerial = 0;
  JetStatementCache m_translations;
  std::unordered_map<std::wstring, std::string> m_links;  // lower-case view name -> schema
  std::vector<RowStream*> m_streams;

 public:
  bool isLinked(std::wstring const& name) const;
  int m_nextSchema = 0;
};

// A snapshot's rows stepped as its reader moves instead of copied at open,
// for an engine that canStream(). Reading the statement again gives the same
// rows, so whatever needs more than the current row (a move backwards, the
// count, the engine wanting the statement back or closing) reads every row
// into `rows` once and lets the statement go; the reader goes on from there.
//
// Where the engine keeps rows of repeated reads, the rows stepped are also
// appended to `rows` while they stay small: once the statement ends they go
// to the engine's cache, and reading them in only needs the rest.
class RowStream {
 public:
  explicit RowStream(ResultRows& rows) : m_rows(rows) {}
  ~RowStream() { close(); }
  RowStream(RowStream const&) = delete;
  RowStream& operator=(RowStream const&) = delete;

  // Steps `lease`'s statement to its first row. `text` is the caller's, the
  // key of the engine's kept rows, and `key` its hash (Engine::textKey);
  // `rows` must be empty, with its columns set.
  void start(Engine& engine, Engine::Lease lease, std::wstring_view text, std::size_t key);
  // Lets the statement go. A small result nearly read is read to its end
  // first, so that the engine keeps it.
  void close() noexcept;

  // Stepping the statement: it is on a row unless ended().
  bool live() const { return m_lease.has_value(); }
  bool ended() const { return m_ended; }
  sqlite3_stmt* stmt() const { return (*m_lease)->stmt; }
  // The statement while it is on a row, else null.
  sqlite3_stmt* row() const { return m_row; }
  // Where a row's values lie apart by a fixed stride (see
  // Engine::Prepared::valueStride), a value of the current row found once
  // locates every other: the reader keeps the first column's address here
  // until the row changes. 0 when each value is looked up.
  std::ptrdiff_t valueStride() const { return m_valueStride; }
  char*& rowValues() { return m_rowValues; }
  // Steps to the next row; ended() after the last.
  void next();
  // Reads every row into `rows` and lets the statement go. Throws what the
  // reading throws, then and at every later call until the next start().
  void spill();
  // The same for the engine, which cannot take a failure: it is kept for
  // the reader.
  void spillQuietly() noexcept;
  bool failed() const { return m_failure != nullptr; }

  // Rows a closing stream still steps to finish a result for the cache.
  static constexpr int kFinishOnClose = 4;

 private:
  void record();
  void keep();
  void release() noexcept;

  Engine* m_engine = nullptr;
  std::optional<Engine::Lease> m_lease;
  ResultRows& m_rows;
  std::wstring m_text;
  std::size_t m_key = 0;
  sqlite3_stmt* m_row = nullptr;
  std::ptrdiff_t m_valueStride = 0;
  char* m_rowValues = nullptr;  // of m_row, null until a value is read
  bool m_ended = false;
  bool m_recording = false;  // `rows` holds every row stepped so far
  int m_stepped = 0;         // rows stepped
  bool m_kept = false;       // handed to the engine
  std::exception_ptr m_failure;
};

// The variant type a DAO field type number reads as (VT_EMPTY for unknown).
VARTYPE variantTypeOfDaoType(int daoType);

// Throws the CDaoException that matches an SQLite result code.
[[noreturn]] void throwEngineError(sqlite3* db, int rc, std::string_view context);

// Throws CDaoException for a translation failure.
[[noreturn]] void throwSyntaxError(JetSqlError const& e, std::string_view sql);

}  // namespace zept::dao
