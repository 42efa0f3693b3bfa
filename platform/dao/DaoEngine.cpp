// SPDX-License-Identifier: MIT
// The engine behind the DAO classes: SQLite connections under FileLock, the
// catalog file checks, and the rows of a query as a stream, a held result
// or a cached one.
#include "platform/dao/DaoEngine.h"

#include "platform/dao/CatalogSchema.h"

#include <sqlite3.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cwctype>
#include <mutex>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/JetFile.h"
#include "platform/dao/JetFunctions.h"
#include "platform/dao/JetTypes.h"
#include "platform/fs/TempFile.h"

namespace zept::dao {

namespace {

[[noreturn]] void throwDao(long code, std::string const& message) {
  throw CDaoException(code, CString::fromUtf8(message));
}

std::wstring lowerKey(std::string_view utf8) { return lowered(fromUtf8(utf8)); }


// file: URI for sqlite3_open_v2 and ATTACH; every byte outside the
// unreserved set is escaped so that "?", "#" and "%" in names stay names.
// Every open goes through it: a plain name beginning "file:" would otherwise
// be taken as a URI naming another file than the one locked and checked.
std::string fileUri(std::string const& path, char const* query) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  // An absolute path gets the empty authority, so "//x" stays a path.
  std::string out = !path.empty() && path[0] == '/' ? "file://" : "file:";
  for (unsigned char c : path) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  if (*query) {
    out += '?';
    out += query;
  }
  return out;
}

std::uint32_t bigEndian(unsigned char const* p, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
  return v;
}

// Refuses, before SQLite sees it, anything that is not a whole catalog: an
// empty or foreign file would otherwise be taken for a new database, and a
// truncated one would fail only when a query reaches the missing pages.
// Reads through the descriptor the lock already holds.
// With `whole` false only the header is checked: a writer that died leaves
// the file as long as its change had made it, until its journal is played
// back.
void checkCatalogFile(int fd, std::string const& shownName, bool whole = true) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': the file cannot be read.");
  if (S_ISDIR(st.st_mode))
    throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': it is a folder, not a database file.");
  unsigned char header[100] = {};
  const ssize_t got = ::pread(fd, header, sizeof header, 0);
  if (got < 0) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': the file cannot be read.");
  if (got < 100 || std::memcmp(header, "SQLite format 3", 16) != 0)
    throwDao(jet::kUnrecognizedFormat, "Unrecognized database format '" + shownName + "'.");
  std::uint64_t pageSize = bigEndian(header + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  if (!whole) return;
  const std::uint32_t pages = bigEndian(header + 28, 4);
  const bool pagesValid = bigEndian(header + 92, 4) == bigEndian(header + 24, 4);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0 ||
      (pagesValid && pages * pageSize > size))
    throwDao(jet::kDatabaseCorrupt, "The database '" + shownName + "' is damaged (truncated).");
}

bool ownerCanWrite(std::string const& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR);
}

// A rollback journal left by a writer that died: it must be played back
// before an immutable open, which would ignore it and read half a change.
bool hasHotJournal(std::string const& path) {
  struct stat st {};
  return ::stat((path + "-journal").c_str(), &st) == 0 && st.st_size > 0;
}

void recoverJournal(std::string const& path, std::string const& shownName) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(fileUri(path, "").c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                           nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  sqlite3_close_v2(db);
  if (rc != SQLITE_OK)
    throwDao(jet::kDatabaseCorrupt, "The database '" + shownName + "' needs recovery and cannot be written.");
}

}  // namespace

namespace {

constexpr std::chrono::milliseconds kDefaultStatementLimit{8000};
std::atomic<std::int64_t> g_statementLimitMs{kDefaultStatementLimit.count()};
// Only the thread stepping a connection runs its progress handler, so the
// step under way is the thread's: no engine needs to be found for it.
thread_local std::chrono::steady_clock::time_point t_stepStarted;
thread_local int t_stepping = 0;

// Connections are opened by many paths; each step or exec through here is
// timed, anything else runs unbounded rather than against a stale clock.
struct StepClock {
  std::chrono::steady_clock::time_point saved = t_stepStarted;
  StepClock() {
    if (t_stepping++ == 0) t_stepStarted = std::chrono::steady_clock::now();
  }
  ~StepClock() {
    --t_stepping;
    t_stepStarted = saved;
  }
};

int stopLongStatement(void*) {
  return t_stepping > 0 && std::chrono::steady_clock::now() - t_stepStarted > statementTimeLimit() ? 1 : 0;
}

std::string seconds(std::chrono::milliseconds limit) {
  const auto ms = limit.count();
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

}  // namespace

std::chrono::milliseconds statementTimeLimit() { return std::chrono::milliseconds(g_statementLimitMs.load()); }

void setStatementTimeLimit(std::chrono::milliseconds limit) { g_statementLimitMs = limit.count(); }

int step(sqlite3_stmt* stmt) {
  StepClock clock;
  return sqlite3_step(stmt);
}

int exec(sqlite3* db, std::string const& sql) {
  StepClock clock;
  return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

[[noreturn]] void throwEngineError(sqlite3* db, int rc, std::string_view context) {
  const int primary = rc & 0xff;
  if (primary == SQLITE_NOMEM) throw CMemoryException();
  std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  std::string message;
  long code = jet::kEngineError;
  switch (primary) {
    case SQLITE_CONSTRAINT:
      code = jet::kDuplicateKey;
      message = "The changes were not successful: they would violate a key or a required field";
      break;
    case SQLITE_READONLY:
      code = jet::kReadOnly;
      message = "Cannot update. Database or object is read-only";
      break;
    case SQLITE_NOTADB:
      code = jet::kUnrecognizedFormat;
      message = "Unrecognized database format";
      break;
    case SQLITE_CORRUPT:
      code = jet::kDatabaseCorrupt;
      message = "The database is damaged";
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      code = 3260;
      message = "Could not update; currently locked";
      break;
    case SQLITE_CANTOPEN:
      code = jet::kCannotOpen;
      message = "Cannot open the database file";
      break;
    case SQLITE_FULL:
      code = 3035;
      message = "System resource exceeded";
      break;
    case SQLITE_IOERR:
      code = 3043;
      message = "Disk or network error";
      break;
    case SQLITE_AUTH:
      code = jet::kSyntaxError;
      message = "The statement is not allowed";
      break;
    case SQLITE_INTERRUPT:
      message = "The statement was stopped after " + seconds(statementTimeLimit()) +
                ", the longest one statement on a catalog may run";
      break;
    default:
      if (detail.starts_with("no such table") || detail.starts_with("no such view")) {
        code = jet::kTableNotFound;
        message = "The engine cannot find the input table or query";
      } else if (detail.starts_with("no such column")) {
        code = 3061;
        message = "Too few parameters: a name is not a column";
      } else if (detail.find("already exists") != std::string::npos) {
        code = jet::kTableExists;
        message = "The object already exists";
      } else if (detail.find("syntax error") != std::string::npos || detail.starts_with("near ")) {
        code = jet::kSyntaxError;
        message = "Syntax error in the statement";
      } else {
        message = "Engine error";
      }
  }
  message += " (" + detail + ")";
  if (!context.empty()) message += " in: " + std::string(context.substr(0, 400));
  throwDao(code, message);
}

[[noreturn]] void throwSyntaxError(JetSqlError const& e, std::string_view sql) {
  throwDao(jet::kSyntaxError, "Syntax error at " + std::to_string(e.position()) + ": " + e.what() + " in: " +
                                  std::string(sql.substr(0, 400)));
}

// ---------------------------------------------------------------- ResultRows

void ResultRows::readRow(sqlite3_stmt* stmt, int firstColumn, bool withRowid) {
  if (withRowid) {
    m_withRowids = true;
    m_rowids.push_back(sqlite3_column_int64(stmt, 0));
  }
  // One look-up of each column through the engine's API entry; the value's
  // own accessors are then plain reads.
  for (int c = 0; c < m_columns; ++c) {
    sqlite3_value* v = sqlite3_column_value(stmt, firstColumn + c);
    Cell cell;
    switch (sqlite3_value_type(v)) {
      case SQLITE_INTEGER:
        cell.kind = Cell::Integer;
        cell.integer = sqlite3_value_int64(v);
        break;
      case SQLITE_FLOAT:
        cell.kind = Cell::Real;
        cell.real = sqlite3_value_double(v);
        break;
      case SQLITE_TEXT:
      case SQLITE_BLOB: {
        auto const* p = reinterpret_cast<char const*>(sqlite3_value_text(v));
        const int n = sqlite3_value_bytes(v);
        cell.kind = Cell::Text;
        cell.textOffset = m_text.size();
        cell.textLength = static_cast<std::uint32_t>(n);
        if (p) m_text.append(p, static_cast<std::size_t>(n));
        break;
      }
      default:
        break;
    }
    m_cells.push_back(cell);
  }
  ++m_rows;
}

void ResultRows::readAll(sqlite3_stmt* stmt, int firstColumn, bool withRowid) {
  m_withRowids = m_withRowids || withRowid;
  for (;;) {
    const int rc = step(stmt);
    if (rc == SQLITE_ROW) {
      readRow(stmt, firstColumn, withRowid);
    } else if (rc == SQLITE_DONE) {
      return;
    } else {
      throwEngineError(sqlite3_db_handle(stmt), rc, sqlite3_sql(stmt) ? sqlite3_sql(stmt) : "");
    }
  }
}

void ResultRows::putMapped(int row, ResultRows const& from, int fromRow, std::vector<int> const& map) {
  if (row < 0) {
    row = m_rows++;
    m_cells.resize(static_cast<std::size_t>(m_rows) * m_columns);
    if (from.hasRowids()) m_rowids.push_back(from.rowid(fromRow));
  }
  for (int c = 0; c < m_columns; ++c) {
    Cell cell;
    const int source = c < static_cast<int>(map.size()) ? map[static_cast<std::size_t>(c)] : -1;
    if (source >= 0) {
      cell = from.cell(fromRow, source);
      if (cell.kind == Cell::Text) {
        const auto t = from.text(cell);
        cell.textOffset = m_text.size();
        m_text.append(t);
      }
    }
    m_cells[static_cast<std::size_t>(row) * m_columns + c] = cell;
  }
}

void ResultRows::clear() {
  m_rows = 0;
  m_cells.clear();
  m_rowids.clear();
  m_withRowids = false;
  m_text.clear();
}

void cellValue(Cell const& c, std::string_view text, ColumnMeta const& meta, COleVariant& out) {
  switch (c.kind) {
    case Cell::Null: setNumber(out, VT_NULL); return;
    case Cell::Text: out.setUtf8(text); return;
    case Cell::Real: setReal(out, c.real, meta.declaredVt); return;
    case Cell::Integer: setInteger(out, c.integer, meta.declaredVt); return;
  }
}

// ----------------------------------------------------------------- RowStream

namespace {

// A row's values are the statement's result registers, one array that every
// row of the statement is written to: seen side by side on a first row, they
// are on every row, and a streaming reader locates a row's values from one
// look-up instead of one per column (each look-up is a call through the
// engine's API entry, several times the cost of reading the value). -1 where
// the engine does not give them so.
std::ptrdiff_t valueStrideOf(sqlite3_stmt* stmt) {
  const int n = sqlite3_column_count(stmt);
  if (n < 2) return -1;
  auto at = [&](int i) { return reinterpret_cast<std::uintptr_t>(sqlite3_column_value(stmt, i)); };
  const std::uintptr_t first = at(0);
  const std::uintptr_t second = at(1);
  if (second <= first) return -1;
  const std::uintptr_t stride = second - first;
  for (int i = 2; i < n; ++i)
    if (at(i) != first + static_cast<std::uintptr_t>(i) * stride) return -1;
  return static_cast<std::ptrdiff_t>(stride);
}

}  // namespace

void RowStream::start(Engine& engine, Engine::Lease lease, std::wstring_view text, std::size_t key) {
  close();
  m_failure = nullptr;
  m_ended = false;
  m_kept = false;
  m_stepped = 0;
  m_recording = lease->oversizeRows == 0 && engine.keepsRows(*lease, key);
  if (m_recording) {
    m_text.assign(text);
    m_key = key;
  }
  engine.addStream(this);
  m_engine = &engine;
  m_lease.emplace(std::move(lease));
  (*m_lease)->stream = this;
  try {
    next();
  } catch (...) {
    release();
    throw;
  }
  std::ptrdiff_t& stride = (*m_lease)->valueStride;
  if (stride == 0 && m_row) stride = valueStrideOf(m_row);
  m_valueStride = stride > 0 ? stride : 0;
}

void RowStream::close() noexcept {
  try {
    for (int extra = 0; live() && m_recording && !m_ended && extra < kFinishOnClose; ++extra) next();
  } catch (...) {
    // Nothing to keep; the reader is gone.
  }
  release();
  m_failure = nullptr;
}

void RowStream::release() noexcept {
  m_row = nullptr;
  m_rowValues = nullptr;
  m_valueStride = 0;
  if (!m_lease) return;
  (*m_lease)->stream = nullptr;
  m_lease.reset();
  m_engine->removeStream(this);
  m_engine = nullptr;
}

void RowStream::record() {
  m_rows.readRow(stmt(), 0, false);
  if (m_rows.bytes() > RowCache::kMaxEntryBytes) {
    m_recording = false;
    m_rows.clear();
    (*m_lease)->oversizeRows = m_stepped;
  }
}

void RowStream::keep() {
  if (m_recording && !m_kept) m_engine->keepRows(m_text, m_key, **m_lease, m_rows);
  m_kept = true;
}

void RowStream::next() {
  m_row = nullptr;
  m_rowValues = nullptr;
  const int rc = step(stmt());
  if (rc == SQLITE_ROW) {
    m_row = stmt();
    ++m_stepped;
    if (m_recording) record();
    return;
  }
  m_ended = true;
  // A result of the statement fitted again: the next one records.
  if (m_stepped < (*m_lease)->oversizeRows) (*m_lease)->oversizeRows = 0;
  if (rc != SQLITE_DONE) {
    m_recording = false;
    throwEngineError(sqlite3_db_handle(stmt()), rc, sqlite3_sql(stmt()) ? sqlite3_sql(stmt()) : "");
  }
  keep();
}

void RowStream::spill() {
  if (m_failure) std::rethrow_exception(m_failure);
  if (!m_lease) return;
  try {
    if (!m_recording) {
      m_rows.clear();
      sqlite3_reset(stmt());  // the bindings stay
      m_rows.readAll(stmt(), 0, false);
    } else if (!m_ended) {
      m_rows.readAll(stmt(), 0, false);  // the rows after the current one
    }
  } catch (...) {
    m_rows.clear();
    m_recording = false;
    m_failure = std::current_exception();
    release();
    throw;
  }
  keep();
  release();
}

void RowStream::spillQuietly() noexcept {
  try {
    spill();
  } catch (...) {
    // Kept in m_failure for the reader.
  }
}

int ColumnSet::find(std::wstring_view name) const {
  for (std::size_t step = 0, at = m_next, known = m_byName.size(); step < known; ++step, ++at) {
    if (at >= known) at = 0;
    if (m_byName[at].first == name) {
      m_next = at + 1 == known ? 0 : at + 1;
      return m_byName[at].second;
    }
  }
  return resolve(name);
}

int ColumnSet::findNamed(wchar_t const* name) const {
  for (std::size_t step = 0, at = m_next, known = m_byName.size(); step < known; ++step, ++at) {
    if (at >= known) at = 0;
    if (sameName(m_byName[at].first, name)) {
      m_next = at + 1 == known ? 0 : at + 1;
      return m_byName[at].second;
    }
  }
  return resolve(name);
}

int ColumnSet::resolve(std::wstring_view name) const {
  const std::wstring key = lowered(name);
  int found = -1;
  int matches = 0;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].labelKey == key) {
      found = static_cast<int>(i);
      ++matches;
    }
  }
  if (matches == 0) {
    if (const auto dot = key.rfind(L'.'); dot != std::wstring::npos && dot > 0) {
      const std::wstring_view table = std::wstring_view(key).substr(0, dot);
      const std::wstring_view column = std::wstring_view(key).substr(dot + 1);
      for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].tableKey == table && columns[i].labelKey == column) {
          found = static_cast<int>(i);
          break;
        }
      }
    }
  } else if (matches > 1) {
    found = -1;  // a bare name shared by two tables must be qualified
  }
  if (m_byName.size() < 256) {
    m_byName.emplace_back(std::wstring(name), found);
    m_known = m_byName.size();
    m_next = 0;  // after the last entry
  }
  return found;
}

// ------------------------------------------------------------------ RowCache

// Texts of a few hundred characters (contours) are hashed sixteen bytes a
// step in two independent lanes.
std::size_t textHash(std::wstring_view text) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  auto const* p = reinterpret_cast<unsigned char const*>(text.data());
  std::size_t n = text.size() * sizeof(wchar_t);
  std::uint64_t a = 0x243F6A8885A308D3ull ^ n;
  std::uint64_t b = 0x13198A2E03707344ull;
  for (; n >= 16; p += 16, n -= 16) {
    std::uint64_t x, y;
    std::memcpy(&x, p, 8);
    std::memcpy(&y, p + 8, 8);
    a = (a ^ x) * kMul;
    b = (b ^ y) * kMul;
    a ^= a >> 29;
    b ^= b >> 31;
  }
  std::uint64_t rest[2] = {0, 0};
  std::memcpy(rest, p, n);
  a = ((a ^ rest[0]) * kMul) ^ b;
  b = (b ^ rest[1]) * kMul;
  a = (a ^ (b >> 32) ^ (a >> 29)) * kMul;
  return static_cast<std::size_t>(a ^ (a >> 32));
}

RowCache::Entry const* RowCache::find(std::wstring_view text, std::size_t hash) {
  if (!has(m_keptBits, hash)) return nullptr;
  const auto it = m_index.find(Key{text, hash});
  if (it == m_index.end()) return nullptr;
  if (it->second != m_entries.begin()) m_entries.splice(m_entries.begin(), m_entries, it->second);
  return &*it->second;
}

void RowCache::keep(std::wstring_view text, std::size_t hash, std::shared_ptr<ColumnSet> columns,
                    ResultRows const& rows) {
  if (!offered(hash)) {
    offer(hash);
    return;
  }
  const std::size_t bytes = rows.bytes() + text.size() * sizeof(wchar_t) + sizeof(Entry);
  if (bytes > kMaxEntryBytes || m_index.count(Key{text, hash})) return;
  while (!m_entries.empty() && (m_index.size() >= kMaxEntries || m_bytes + bytes > kMaxBytes)) {
    Entry const& last = m_entries.back();
    m_bytes -= last.bytes;
    m_index.erase(Key{last.text, last.hash});
    countKept(last.hash, -1);
    m_entries.pop_back();
  }
  m_entries.push_front(Entry{std::wstring(text), hash, std::move(columns), rows, bytes});
  m_index.emplace(Key{m_entries.front().text, hash}, m_entries.begin());
  countKept(hash, 1);
  m_bytes += bytes;
}

void RowCache::countKept(std::size_t hash, int change) {
  std::uint16_t& count = m_keptCounts[hash % kBuckets];
  count = static_cast<std::uint16_t>(count + change);
  const std::size_t b = hash % kBuckets;
  if (count)
    m_keptBits[b / 64] |= std::uint64_t{1} << (b % 64);
  else
    m_keptBits[b / 64] &= ~(std::uint64_t{1} << (b % 64));
}

// Asked on every open, and most texts were never offered: their bit is
// clear, so only the others are looked for in the list.
bool RowCache::offered(std::size_t hash) {
  if (!has(m_offeredBits, hash)) return false;
  return std::find(m_offered.begin(), m_offered.end(), hash) != m_offered.end();
}

void RowCache::offer(std::size_t hash) {
  m_offered[m_nextOffered % m_offered.size()] = hash;
  set(m_offeredBits, hash);
  if (++m_nextOffered % m_offered.size() == 0) offeredAnew();
}

// Drops the bits of hashes that left the list.
void RowCache::offeredAnew() {
  m_offeredBits.fill(0);
  for (std::size_t hash : m_offered) set(m_offeredBits, hash);
}

bool RowCache::admits(std::size_t hash) {
  if (offered(hash)) return true;
  offer(hash);
  return false;
}

void RowCache::clear() {
  m_index.clear();
  m_entries.clear();

  m_bytes = 0;
  m_offered.fill(0);
  offeredAnew();
  m_keptBits.fill(0);
  m_keptCounts.fill(0);
}

namespace {

// Functions no catalog statement needs that reach past the data: native
// pointers (fts3_tokenizer, fts5), extension loading, and the engine's file
// and debugging helpers where a build has them.
bool isForbiddenFunction(char const* name) {
  static constexpr char const* kForbidden[] = {"load_extension", "fts3_tokenizer", "fts5",     "readfile",
                                                "writefile",      "edit",           "fts5_source_id"};
  for (char const* f : kForbidden)
    if (sqlite3_stricmp(name, f) == 0) return true;
  return false;
}

}  // namespace

int catalogAuthorization(int action, char const* arg2) {
  switch (action) {
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_PRAGMA:
    // The catalog could no longer be opened (refuseViewsAndTriggers).
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_TEMP_TRIGGER:
      return SQLITE_DENY;
    case SQLITE_FUNCTION:
      return arg2 && isForbiddenFunction(arg2) ? SQLITE_DENY : SQLITE_OK;
    default:
      return SQLITE_OK;
  }
}

// -------------------------------------------------------------------- Engine

std::wstring lowered(std::wstring_view name) {
  std::wstring out(name);
  for (auto& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return out;
}

std::uint64_t Engine::nextSerial() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

bool Engine::isLinked(std::wstring const& name) const { return m_links.count(lowered(name)) != 0; }

void Engine::refuseWritingGenuine(JetHeader const& jet, std::string const& path, Access access, bool exclusive) {
  if (jet.format == JetFormat::None || jet.format == JetFormat::Ace || jet.encrypted || jet.password) return;
  if (exclusive || access == Access::ReadWrite)
    throwDao(jet::kCannotOpen, "Cannot open '" + path + "' " + (exclusive ? "exclusively" : "for writing") +
                                   ": it is a genuine Access (" + std::string(jetFormatName(jet.format)) +
                                   ") file, which opens shared and read-only only; zeptcat import converts it "
                                   "into a native catalog.");
}

namespace {

// Closed read-only engines, latest first, for the next open of the same
// unchanged file. Shared by every thread, so guarded; an engine is used by
// one thread at a time, handed over under the mutex.
class WarmEngines {
 public:
  // The state of `path` closed last.
  std::unique_ptr<Engine> take(std::string const& path) {
    std::lock_guard<std::mutex> guard(m_mutex);
    for (auto it = m_engines.begin(); it != m_engines.end(); ++it) {
      if ((*it)->path() != path) continue;
      std::unique_ptr<Engine> e = std::move(*it);
      m_engines.erase(it);
      return e;
    }
    return nullptr;
  }
  void keep(std::unique_ptr<Engine> engine) {
    std::unique_ptr<Engine> dropped;
    std::vector<std::unique_ptr<Engine>> stale;
    {
      std::lock_guard<std::mutex> guard(m_mutex);
      // An older state of the same file will never match again.
      for (auto it = m_engines.begin(); it != m_engines.end();) {
        if ((*it)->path() == engine->path() && (*it)->identity() != engine->identity()) {
          stale.push_back(std::move(*it));
          it = m_engines.erase(it);
        } else {
          ++it;
        }
      }
      m_engines.insert(m_engines.begin(), std::move(engine));
      if (m_engines.size() > Engine::kWarmCatalogs) {
        dropped = std::move(m_engines.back());
        m_engines.pop_back();
      }
    }
    // Closed outside the mutex: closing a connection is the slow part.
  }
  // A writer is about to change `path`: its kept states are of no more use.
  void forget(std::string const& path) {
    std::vector<std::unique_ptr<Engine>> stale;
    std::lock_guard<std::mutex> guard(m_mutex);
    for (auto it = m_engines.begin(); it != m_engines.end();) {
      if ((*it)->path() == path) {
        stale.push_back(std::move(*it));
        it = m_engines.erase(it);
      } else {
        ++it;
      }
    }
  }
  std::size_t size() {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_engines.size();
  }

 private:
  std::mutex m_mutex;
  std::vector<std::unique_ptr<Engine>> m_engines;
};

WarmEngines& warmEngines() {
  // Never destroyed: nothing to order against other statics at exit, and a
  // forked child that exits closes nothing of its parent's.
  static auto* engines = new WarmEngines();
  return *engines;
}

}  // namespace

std::optional<FileIdentity> fileIdentity(FileLock const& lock) {
  struct stat const& st = lock.status();
  FileIdentity id;
  id.device = static_cast<std::uint64_t>(st.st_dev);
  id.inode = static_cast<std::uint64_t>(st.st_ino);
  id.size = static_cast<std::int64_t>(st.st_size);
  id.mtimeSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
  id.mtimeNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
  unsigned char counter[4] = {};
  if (::pread(lock.fd(), counter, sizeof counter, 24) != static_cast<ssize_t>(sizeof counter)) return std::nullopt;
  id.changeCounter = bigEndian(counter, 4);
  return id;
}

bool carriesBuilderTag(int fd, ino_t inode) {
  // The header's big-endian application id (offset 68) and user version (60).
  unsigned char header[72];
  if (::pread(fd, header, sizeof header, 0) != static_cast<ssize_t>(sizeof header) ||
      std::memcmp(header, "SQLite format 3", 16) != 0)
    return false;
  auto word = [&](int at) {
    return std::uint32_t{header[at]} << 24 | std::uint32_t{header[at + 1]} << 16 | std::uint32_t{header[at + 2]} << 8 |
           header[at + 3];
  };
  const std::uint64_t tag = zept::fs::builderTag(inode);
  return word(68) == static_cast<std::uint32_t>(tag >> 32) && word(60) == static_cast<std::uint32_t>(tag);
}

void clearBuilderTag(Engine& engine) { engine.execInternal("PRAGMA application_id=0; PRAGMA user_version=0"); }

bool removeOrphanJournal(std::string const& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) return true;
  return ::unlink((target + "-journal").c_str()) == 0 || errno == ENOENT;
}

void placeCatalogFile(std::string const& built, std::string const& target, bool replace) {
  const std::string journal = target + "-journal";
  FileLock held;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (!replace) throwDao(jet::kDatabaseExists, "Database '" + target + "' already exists.");
    if (S_ISDIR(st.st_mode)) throwDao(jet::kCannotOpen, "Cannot replace '" + target + "': it is a folder.");
    // The rename would put a file in place of a device, FIFO or socket.
    if (!S_ISREG(st.st_mode)) throwDao(jet::kCannotOpen, "Cannot replace '" + target + "': it is not a file.");
    if (!held.acquire(target, FileLock::Kind::Exclusive)) {
      if (errno == EWOULDBLOCK) throwDao(jet::kFileInUse, "Could not use '" + target + "'; file already in use.");
      throwDao(jet::kCannotOpen, "Cannot replace '" + target + "': " + std::strerror(errno));
    }
    if ((held.status().st_mode & S_IWUSR) == 0)
      throwDao(jet::kCannotOpen, "Cannot replace '" + target + "': the file is read-only.");
    if (hasHotJournal(target)) {
      try {
        recoverJournal(target, target);
      } catch (CDaoException const&) {
        // Not a catalog after all: SQLite has dealt with what it could.
      }
      if (hasHotJournal(target))
        throwDao(jet::kCannotOpen, "Cannot replace '" + target + "': its journal '" + journal +
                                       "' cannot be played back; move it away first.");
    }
  } else if (!removeOrphanJournal(target)) {
    throwDao(jet::kCannotOpen, "Cannot remove the leftover journal '" + journal + "': " + std::strerror(errno));
  }
  const int rc = replace ? ::rename(built.c_str(), target.c_str()) : fs::renameWithoutReplacing(built, target) ? 0 : -1;
  if (rc != 0) {
    if (errno == EEXIST) throwDao(jet::kDatabaseExists, "Database '" + target + "' already exists.");
    throwDao(jet::kCannotOpen, "Cannot write '" + target + "': " + std::strerror(errno));
  }
  const auto slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

namespace {

[[noreturn]] void throwLockRefused(std::string const& path, int error) {
  if (error == ENOENT) throwDao(jet::kFileNotFound, "Could not find file '" + path + "'.");
  if (error == EWOULDBLOCK) throwDao(jet::kFileInUse, "Could not use '" + path + "'; file already in use.");
  if (error == EINVAL) throwDao(jet::kCannotOpen, "Cannot open '" + path + "': it is not a regular file.");
  throwDao(jet::kCannotOpen, "Cannot open '" + path + "': " + std::strerror(error));
}

}  // namespace

std::unique_ptr<Engine> Engine::open(std::string const& path, struct stat const* named, Access access,
                                     bool exclusive) {
  // Refused before any lock is asked for: the answer must not depend on who
  // else is reading the file.
  if (exclusive || access == Access::ReadWrite) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not block
    if (fd >= 0) {
      const JetHeader jet = readJetHeader(fd);
      ::close(fd);
      refuseWritingGenuine(jet, path, access, exclusive);
    }
  }
  const auto kind = exclusive || access == Access::ReadWrite ? FileLock::Kind::Exclusive : FileLock::Kind::Shared;
  // A kept state's descriptor is still on the file the path named when it
  // was closed; when the path names that file still, the lock is taken on
  // it again instead of opening the file anew (open and flock take the
  // lock alike: on the file the path named a moment before).
  std::unique_ptr<Engine> warm = access == Access::ReadOnly ? warmEngines().take(path) : nullptr;
  FileLock lock;
  const bool kept = warm && named && warm->m_lock.keptFor(*named);
  if (kept) lock = std::move(warm->m_lock);
  if (kept ? !lock.relock(kind) : !lock.acquire(path, kind)) {
    const int error = errno;
    if (warm) {
      if (kept) warm->m_lock = std::move(lock);
      warmEngines().keep(std::move(warm));
    }
    throwLockRefused(path, error);
  }
  if (access == Access::ReadWrite) {
    warmEngines().forget(path);
  } else if (warm) {
    // Under the lock nobody writes, so the identity read now is the one of
    // every page the kept connection holds. A hot journal beside an
    // unchanged file is of a writer that died before it wrote to the file
    // (the change counter, on the first page, is written first), so the
    // kept pages are still the file's.
    if (const auto identity = fileIdentity(lock); identity && identity == warm->identity()) {
      warm->m_lock = std::move(lock);
      return warm;
    }
    warm.reset();  // of a file since changed or replaced
  }
  return std::unique_ptr<Engine>(new Engine(path, access, exclusive, std::move(lock)));
}

void Engine::close(std::unique_ptr<Engine> engine) {
  if (!engine) return;
  // Snapshots still stepping read their rows now, under the lock.
  engine->spillStreams();
  if (!engine->keepable()) return;
  engine->m_lock.unlock();
  warmEngines().keep(std::move(engine));
}

std::size_t Engine::warmCount() { return warmEngines().size(); }

bool Engine::unchanging() const {
  // Asked at every open. What it depends on changes only through
  // schemaChanged() (links, the listed tables), except the tables being
  // listed, which can only make it true.
  if (m_unchanging) return true;
  if (!readOnly() || !m_identity || !m_links.empty() || !tables) return false;
  m_unchanging = std::none_of(tables->begin(), tables->end(), [](TableEntry const& t) { return t.linked; });
  return m_unchanging;
}

bool Engine::keepable() const {
  if (!m_db || !unchanging() || m_internal || !sqlite3_get_autocommit(m_db)) return false;
  return std::none_of(m_cache.begin(), m_cache.end(), [](auto const& p) { return p.second->inUse; });
}

Engine::Engine(std::string const& path, Access access, bool exclusive, FileLock lock)
    : m_path(path), m_access(access), m_lock(std::move(lock)) {
  if (const JetHeader jet = readJetHeader(m_lock.fd()); jet.format != JetFormat::None) {
    openGenuine(jet, exclusive);
    m_identity = fileIdentity(m_lock);
    return;
  }
  const bool journal = hasHotJournal(path);
  checkCatalogFile(m_lock.fd(), path, !journal);
  if (access == Access::ReadWrite && !ownerCanWrite(path))
    throwDao(jet::kCannotOpen, "Cannot open '" + path + "' for writing: the file is read-only.");
  if (journal) {
    // Played back before the file is judged: a killed writer may have left
    // it shorter or longer than its header says.
    recoverJournal(path, path);
    checkCatalogFile(m_lock.fd(), path);
  }
  if (access == Access::ReadOnly) {
    if (journal)
      m_identity.reset();  // played back: the file has changed under the lock's status
    else
      m_identity = fileIdentity(m_lock);
    openConnection(fileUri(path, "immutable=1"), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
  } else {
    openConnection(fileUri(path, ""), SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI);
  }
  configure();
}

// A genuine Access file is only ever read: its catalog image is made once
// (see JetFile.h) and every open shares it, shared and read-only.
void Engine::openGenuine(JetHeader const& jet, bool exclusive) {
  refuseWritingGenuine(jet, m_path, m_access, exclusive);
  m_image = loadJetImage(m_path, m_lock.fd(), m_path);
  m_db = openJetImage(*m_image, m_path);
  configure();
}

std::unique_ptr<Engine> Engine::create(std::string const& path) {
  // The file is made here, never through a link planted at its name, and
  // held before SQLite writes to it; a creation that fails takes it away.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) throwDao(jet::kDatabaseExists, "Database '" + path + "' already exists.");
    throwDao(jet::kCannotOpen, "Cannot create '" + path + "': " + std::strerror(errno));
  }
  struct stat made {};
  const bool known = ::fstat(fd, &made) == 0;
  ::close(fd);
  std::unique_ptr<Engine> e(new Engine());
  try {
    e->m_path = path;
    e->m_access = Access::ReadWrite;
    if (!e->m_lock.acquire(path, FileLock::Kind::Exclusive))
      throwDao(jet::kFileInUse, "Could not use '" + path + "'; file already in use.");
    e->openConnection(fileUri(path, ""), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_URI);
    e->configure();
    // The tag comes with the first page ever written, so a creation killed
    // at any moment leaves an empty file or a tagged one.
    const std::uint64_t tag = known ? zept::fs::builderTag(made.st_ino) : 0;
    e->execInternal(
        "BEGIN; PRAGMA application_id=" + std::to_string(static_cast<std::int32_t>(tag >> 32)) +
        "; PRAGMA user_version=" + std::to_string(static_cast<std::int32_t>(tag & 0xffffffffu)) +
        "; CREATE TABLE IF NOT EXISTS MSysProperties (Container TEXT NOT NULL, Name TEXT NOT NULL, Type INTEGER NOT "
        "NULL, Value, UNIQUE (Container, Name COLLATE NOCASE));"
        "CREATE TABLE IF NOT EXISTS MSysLinkedTables (Name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SourceTable "
        "TEXT NOT NULL, Connect TEXT NOT NULL, Attributes INTEGER NOT NULL); COMMIT");
  } catch (...) {
    e.reset();
    ::unlink(path.c_str());
    throw;
  }
  return e;
}

Engine::~Engine() {
  spillStreams();
  for (auto& [sql, p] : m_cache) sqlite3_finalize(p->stmt);
  m_cache.clear();
  m_lastSql = nullptr;
  sqlite3_close_v2(m_db);  // before the lock goes: nobody may write in between
  m_lock.release();
}

void Engine::openConnection(std::string const& uri, int flags) {
  const int rc = sqlite3_open_v2(uri.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string detail = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    throwDao(jet::kCannotOpen, "Cannot open '" + m_path + "' (" + detail + ").");
  }
}

void Engine::configure() {
  sqlite3_extended_result_codes(m_db, 1);
  // A misspelt "name" must fail as an unknown column, not become a string.
  sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  sqlite3_set_authorizer(m_db, &Engine::authorize, this);
  sqlite3_progress_handler(m_db, 1000, &stopLongStatement, nullptr);
  // No catalog value comes near this; a statement building a longer one
  // (replace over a zeroblob) fails at once instead of taking the memory.
  sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, 64 << 20);
  registerJetFunctions(m_db);
  // Validates the file as a whole database before anyone relies on it.
  try {
    execInternal(readOnly() ? "SELECT count(*) FROM sqlite_master"
                            : "PRAGMA synchronous=EXTRA; PRAGMA journal_mode=DELETE; SELECT count(*) FROM sqlite_master");
    refuseViewsAndTriggers();
  } catch (...) {
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    throw;
  }
}

// A catalog holds tables and indexes only. A view or trigger in one runs
// whatever its author wrote under a plain read, or while a writer holds the
// catalog exclusively: such a file is no catalog.
void Engine::refuseViewsAndTriggers() {
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(m_db, "SELECT type, name FROM sqlite_master WHERE type IN ('view', 'trigger') LIMIT 1",
                              -1, &stmt, nullptr);
  std::string found;
  if (rc == SQLITE_OK) rc = step(stmt);
  if (rc == SQLITE_ROW) {
    auto text = [&](int column) {
      auto const* p = reinterpret_cast<char const*>(sqlite3_column_text(stmt, column));
      return std::string(p ? p : "");
    };
    found = text(0) + " '" + text(1) + "'";
    rc = SQLITE_DONE;
  }
  sqlite3_finalize(stmt);
  if (rc != SQLITE_DONE) fail(rc);
  if (!found.empty())
    throwDao(jet::kUnrecognizedFormat,
             "'" + m_path + "' holds the " + found + "; a catalog holds tables and indexes only.");
}

// Functions whose result is not fixed by their arguments and the file: a
// statement calling one must run again each time it is read.
bool isVolatileFunction(char const* name) {
  static constexpr char const* kVolatile[] = {
      "random", "randomblob", "date",    "time",          "datetime",          "julianday",         "strftime",
      "unixepoch", "timediff", "changes", "total_changes", "last_insert_rowid", "current_date", "current_time",
      "current_timestamp"};
  for (char const* f : kVolatile)
    if (sqlite3_stricmp(name, f) == 0) return true;
  return false;
}

int Engine::authorize(void* self, int action, char const*, char const* arg2, char const*, char const*) {
  if (action == SQLITE_FUNCTION && arg2 && isVolatileFunction(arg2)) static_cast<Engine*>(self)->m_sawVolatile = true;
  if (static_cast<Engine*>(self)->m_internal) return SQLITE_OK;
  return catalogAuthorization(action, arg2);
}

void Engine::fail(int rc, std::string_view context) const { throwEngineError(m_db, rc, context); }

void Engine::execInternal(std::string const& sql) {
  m_internal = true;
  const int rc = exec(m_db, sql);
  m_internal = false;
  check(rc, sql);
}

void Engine::schemaChanged() {
  tables.reset();
  m_unchanging = false;
  m_rowCache.clear();
  m_derived.clear();
  dropIdleStatements();
}

void Engine::dropIdleStatements() {
  m_lastSql = nullptr;
  m_lastPrepared = nullptr;
  for (auto it = m_cache.begin(); it != m_cache.end();) {
    if (it->second->inUse) {
      ++it;
      continue;
    }
    sqlite3_finalize(it->second->stmt);
    it = m_cache.erase(it);
  }
}

void Engine::removeStream(RowStream* stream) {
  for (auto it = m_streams.begin(); it != m_streams.end(); ++it) {
    if (*it == stream) {
      m_streams.erase(it);
      return;
    }
  }
}

void Engine::spillStreams() noexcept {
  // Each spill removes its stream from the list.
  while (!m_streams.empty()) m_streams.back()->spillQuietly();
}

Engine::Lease::Lease(Lease&& other) noexcept
    : m_engine(other.m_engine), m_p(std::exchange(other.m_p, nullptr)), m_owned(other.m_owned) {}

Engine::Lease::~Lease() {
  if (!m_p) return;
  sqlite3_reset(m_p->stmt);
  if (m_owned) {
    sqlite3_finalize(m_p->stmt);
    delete m_p;
  } else {
    m_p->inUse = false;
  }
}

Engine::Lease Engine::prepareUnbound(std::string const& sql, int hiddenLeadingColumns, std::uint64_t serial) {
  Prepared* p = nullptr;
  bool owned = false;
  // A keyed read runs one statement over and over: comparing it with the
  // last one costs less than hashing it.
  Prepared* known = nullptr;
  if (m_lastSql && ((serial && serial == m_lastSerial) || *m_lastSql == sql)) {
    known = m_lastPrepared;
  } else if (auto it = m_cache.find(sql); it != m_cache.end()) {
    known = it->second.get();
    m_lastSql = &it->first;
    m_lastPrepared = known;
  }
  if (known) m_lastSerial = serial;
  // A snapshot stepping the statement reads its rows and gives it back:
  // preparing another copy costs more than most results.
  if (known && known->stream) known->stream->spillQuietly();
  if (known && !known->inUse) {
    p = known;
  } else {
    auto fresh = std::make_unique<Prepared>();
    char const* tail = nullptr;
    m_sawVolatile = false;
    const int rc = sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()) + 1, SQLITE_PREPARE_PERSISTENT,
                                      &fresh->stmt, &tail);
    fresh->repeatable = !m_sawVolatile;
    fresh->parameters = fresh->stmt ? sqlite3_bind_parameter_count(fresh->stmt) : 0;
    if (rc != SQLITE_OK) {
      sqlite3_finalize(fresh->stmt);
      fail(rc, sql);
    }
    if (!fresh->stmt) throwDao(jet::kSyntaxError, "The statement is empty.");
    while (tail && *tail && (std::isspace(static_cast<unsigned char>(*tail)) || *tail == ';')) ++tail;
    if (tail && *tail) {
      sqlite3_finalize(fresh->stmt);
      throwDao(jet::kSyntaxError, "Characters found after the end of the statement.");
    }
    const int n = sqlite3_column_count(fresh->stmt);
    fresh->columns = std::make_shared<ColumnSet>();
    for (int i = hiddenLeadingColumns; i < n; ++i) {
      ColumnMeta m;
      std::string name = sqlite3_column_name(fresh->stmt, i) ? sqlite3_column_name(fresh->stmt, i) : "";
      char const* origin = sqlite3_column_origin_name(fresh->stmt, i);
      char const* table = sqlite3_column_table_name(fresh->stmt, i);
      char const* decl = sqlite3_column_decltype(fresh->stmt, i);
      // Inside a join in parentheses SQLite numbers repeated names
      // ("Symbol:1"); the column keeps its own name here.
      if (origin && name.size() > std::strlen(origin) && name.compare(0, std::strlen(origin), origin) == 0 &&
          name[std::strlen(origin)] == ':' &&
          name.find_first_not_of("0123456789", std::strlen(origin) + 1) == std::string::npos)
        name = origin;
      m.label = fromUtf8(name);
      m.labelKey = lowerKey(name);
      m.table = fromUtf8(table ? table : "");
      m.tableKey = lowerKey(table ? table : "");
      m.declaredVt = static_cast<VARTYPE>(variantTypeFromDecl(decl));
      m.daoType = static_cast<short>(daoTypeFromDecl(decl));
      m.size = textSizeFromDecl(decl);
      fresh->columns->columns.push_back(std::move(m));
    }
    // As in Jet, a name that two tables give the result is shown as
    // "Table.Column" for each of them, and the bare name no longer finds it.
    auto& cols = fresh->columns->columns;
    std::vector<bool> repeated(cols.size(), false);
    for (std::size_t a = 0; a < cols.size(); ++a)
      for (std::size_t b = 0; b < cols.size(); ++b)
        if (a != b && cols[a].labelKey == cols[b].labelKey && cols[b].tableKey != cols[a].tableKey) repeated[a] = true;
    for (std::size_t a = 0; a < cols.size(); ++a) {
      if (repeated[a] && !cols[a].table.empty() && cols[a].labelKey.find(L'.') == std::wstring::npos) {
        cols[a].label = cols[a].table + L"." + cols[a].label;
        cols[a].labelKey = cols[a].tableKey + L"." + cols[a].labelKey;
      }
    }
    if (!known) {
      // Bounded. Only the statements go: readers hold the tables and what is
      // derived from the kept rows across their own statements.
      if (m_cache.size() >= 256) dropIdleStatements();
      p = fresh.get();
      m_lastSql = &m_cache.emplace(sql, std::move(fresh)).first->first;
      m_lastPrepared = p;
      m_lastSerial = serial;
    } else {
      p = fresh.release();
      owned = true;
    }
  }
  p->inUse = true;
  return Lease(*this, p, owned);
}

RowCache::Entry const* Engine::cachedRows(std::wstring_view text, std::size_t key) {
  return unchanging() ? m_rowCache.find(text, key) : nullptr;
}

Engine::Derived* Engine::derived(std::type_info const& kind, std::unique_ptr<Derived> (*make)()) {
  if (!unchanging()) return nullptr;
  for (auto const& [k, d] : m_derived)
    if (*k == kind) return d.get();
  return m_derived.emplace_back(&kind, make()).second.get();
}

void Engine::keepRows(std::wstring_view text, std::size_t key, Prepared const& statement, ResultRows const& rows) {
  if (statement.repeatable && unchanging()) m_rowCache.keep(text, key, statement.columns, rows);
}

JetStatement const& Engine::translate(std::wstring_view jet) {
  try {
    return m_translations.translate(jet);
  } catch (JetSqlError const& error) {
    throwSyntaxError(error, toUtf8(jet));
  }
}

Engine::Lease Engine::prepare(std::string const& sql, std::vector<SqlValue> const& params, int hiddenLeadingColumns,
                             std::uint64_t serial) {
  Lease lease = prepareUnbound(sql, hiddenLeadingColumns, serial);
  sqlite3_stmt* stmt = lease->stmt;
  if (static_cast<std::size_t>(lease->parameters) != params.size())
    throwDao(jet::kSyntaxError, "The statement's parameters do not match its literals.");
  for (std::size_t i = 0; i < params.size(); ++i) {
    auto const& v = params[i];
    const int index = static_cast<int>(i) + 1;
    int rc = SQLITE_OK;
    switch (v.kind) {
      case SqlValue::Kind::Integer: rc = sqlite3_bind_int64(stmt, index, v.integer); break;
      case SqlValue::Kind::Real: rc = sqlite3_bind_double(stmt, index, v.real); break;
      case SqlValue::Kind::Text:
        rc = sqlite3_bind_text(stmt, index, v.text.data(), static_cast<int>(v.text.size()), SQLITE_TRANSIENT);
        break;
    }
    check(rc, sql);
  }
  return lease;
}

void Engine::bindVariant(sqlite3_stmt* stmt, int index, COleVariant const& value) {
  int rc = SQLITE_OK;
  switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: rc = sqlite3_bind_null(stmt, index); break;
    case VT_BSTR: {
      const std::string text = toUtf8(value.bstrVal ? value.bstrVal : L"");
      rc = sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case VT_I2: rc = sqlite3_bind_int64(stmt, index, value.iVal); break;
    case VT_I4: rc = sqlite3_bind_int64(stmt, index, value.lVal); break;
    case VT_UI1: rc = sqlite3_bind_int64(stmt, index, value.bVal); break;
    case VT_BOOL: rc = sqlite3_bind_int64(stmt, index, value.boolVal ? -1 : 0); break;
    case VT_R4: rc = sqlite3_bind_double(stmt, index, value.fltVal); break;
    case VT_R8: rc = sqlite3_bind_double(stmt, index, value.dblVal); break;
    case VT_DATE: rc = sqlite3_bind_double(stmt, index, value.date); break;
    default: throwDao(jet::kConversionError, "Data type conversion error: the value has no column type.");
  }
  check(rc);
}

VARTYPE variantTypeOfDaoType(int daoType) {
  switch (daoType) {
    case 1: return VT_BOOL;
    case 2: return VT_UI1;
    case 3: return VT_I2;
    case 4: return VT_I4;
    case 6: return VT_R4;
    case 5:  // Currency: as a Double, the variants here have no currency type
    case 7: return VT_R8;
    case 8: return VT_DATE;
    case 10:
    case 12: return VT_BSTR;
    default: return VT_EMPTY;
  }
}

void Engine::stepToEnd(sqlite3_stmt* stmt) {
  int rc;
  while ((rc = step(stmt)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) fail(rc, sqlite3_sql(stmt) ? sqlite3_sql(stmt) : "");
  recordsAffected = sqlite3_changes(m_db);
}

Engine::Transaction::Transaction(Engine& engine) : m_engine(engine) {
  if (sqlite3_get_autocommit(m_engine.m_db)) {
    m_engine.execInternal("BEGIN IMMEDIATE");
  } else {
    m_savepoint = "zept_sp" + std::to_string(m_engine.m_nextSavepoint++);
    m_engine.execInternal("SAVEPOINT " + m_savepoint);
  }
}

Engine::Transaction::~Transaction() {
  if (m_done) return;
  const std::string undo = m_savepoint.empty() ? std::string("ROLLBACK")
                                               : "ROLLBACK TO " + m_savepoint + "; RELEASE " + m_savepoint;
  exec(m_engine.m_db, undo);
}

void Engine::Transaction::commit() {
  m_engine.execInternal(m_savepoint.empty() ? std::string("COMMIT") : "RELEASE " + m_savepoint);
  m_done = true;
}

bool Engine::linkTable(std::wstring const& name, std::string const& sourcePath, std::wstring const& sourceTable) {
  unlinkTable(name);
  const std::string schema = "zept_link" + std::to_string(m_nextSchema++);
  const std::string view = quoted(toUtf8(name));
  sqlite3_stmt* attach = nullptr;
  m_internal = true;
  int rc = sqlite3_prepare_v2(m_db, ("ATTACH ?1 AS " + schema).c_str(), -1, &attach, nullptr);
  const std::string uri = fileUri(sourcePath, "mode=ro");
  if (rc == SQLITE_OK) rc = sqlite3_bind_text(attach, 1, uri.c_str(), -1, SQLITE_TRANSIENT);
  if (rc == SQLITE_OK) rc = step(attach);
  sqlite3_finalize(attach);
  if (rc == SQLITE_DONE) {
    const std::string source = schema + "." + quoted(toUtf8(sourceTable));
    // SQLite takes a view over a missing table and fails only when it is
    // read: preparing a read of the source finds out now.
    sqlite3_stmt* probe = nullptr;
    rc = sqlite3_prepare_v2(m_db, ("SELECT * FROM " + source).c_str(), -1, &probe, nullptr);
    sqlite3_finalize(probe);
    if (rc == SQLITE_OK)
      rc = exec(m_db, ("CREATE TEMP VIEW " + view + " AS SELECT * FROM " + source));
    if (rc != SQLITE_OK) exec(m_db, ("DETACH " + schema));
  }
  m_internal = false;
  if (rc != SQLITE_OK && rc != SQLITE_DONE) return false;
  m_links[lowered(name)] = schema;
  schemaChanged();
  return true;
}

void Engine::unlinkTable(std::wstring const& name) {
  auto it = m_links.find(lowered(name));
  if (it == m_links.end()) return;
  schemaChanged();
  m_internal = true;
  exec(m_db, ("DROP VIEW IF EXISTS temp." + quoted(toUtf8(name))));
  exec(m_db, ("DETACH " + it->second));
  m_internal = false;
  m_links.erase(it);
}

}  // namespace zept::dao
