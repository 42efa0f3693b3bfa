// SPDX-License-Identifier: MIT
// Genuine Access files through libmdb in a child process: tables and
// properties copied into an in-memory SQLite image, sent back through a
// pipe and kept in a cache keyed by the file's identity.
#include "platform/dao/JetFile.h"

#include <fcntl.h>
#include <mdbtools.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <list>
#include <mutex>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/fs/WinPath.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZEPT_JET_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEPT_JET_ASAN 1
#endif
#endif
#ifdef ZEPT_JET_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace zept::dao {

namespace {

[[noreturn]] void throwDao(long code, std::string const& message) {
  throw CDaoException(code, CString::fromUtf8(message));
}

std::uint32_t littleEndian(unsigned char const* p, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// The header's fixed part is scrambled with RC4 under a constant key.
void rc4(unsigned char const* key, std::size_t keyLength, unsigned char* data, std::size_t length) {
  unsigned char s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + key[static_cast<std::size_t>(i) % keyLength]) & 255;
    std::swap(s[i], s[j]);
  }
  for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
    i = (i + 1) & 255;
    j = (j + s[i]) & 255;
    std::swap(s[i], s[j]);
    data[n] ^= s[(s[i] + s[j]) & 255];
  }
}


// ------------------------------------------------------- the reading process

// Messages from the reading process: a tag byte, a 64-bit length, the body.
enum Tag : unsigned char { kProgress = 'P', kCheck = 'C', kImage = 'I', kError = 'E' };

class Channel {
 public:
  explicit Channel(int fd) : m_fd(fd) {}
  bool send(Tag tag, void const* data, std::uint64_t size) {
    unsigned char head[9];
    head[0] = tag;
    std::memcpy(head + 1, &size, 8);
    return put(head, sizeof head) && put(static_cast<unsigned char const*>(data), size);
  }
  bool send(Tag tag, std::string const& text) { return send(tag, text.data(), text.size()); }

 private:
  bool put(unsigned char const* p, std::uint64_t n) {
    while (n > 0) {
      const ssize_t w = ::write(m_fd, p, n > (1u << 20) ? (1u << 20) : n);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      p += w;
      n -= static_cast<std::uint64_t>(w);
    }
    return true;
  }
  int m_fd;
};

struct Failure {
  std::string message;
};

class Sqlite {
 public:
  Sqlite() {
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
      throw Failure{"no memory for the catalog"};
    exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF");
  }
  ~Sqlite() { sqlite3_close_v2(m_db); }
  sqlite3* db() const { return m_db; }
  void exec(std::string const& sql) {
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
      throw Failure{std::string(sqlite3_errmsg(m_db))};
  }
  // false for a constraint violation, which the caller may work around.
  bool tryExec(std::string const& sql) {
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    if ((rc & 0xff) == SQLITE_CONSTRAINT) return false;
    if (rc != SQLITE_OK) throw Failure{std::string(sqlite3_errmsg(m_db))};
    return true;
  }

 private:
  sqlite3* m_db = nullptr;
};

class Statement {
 public:
  Statement(sqlite3* db, std::string const& sql) : m_db(db) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_stmt, nullptr) != SQLITE_OK)
      throw Failure{std::string(sqlite3_errmsg(db))};
  }
  ~Statement() { sqlite3_finalize(m_stmt); }
  sqlite3_stmt* get() const { return m_stmt; }
  // false for a constraint violation.
  bool step() {
    const int rc = sqlite3_step(m_stmt);
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    if ((rc & 0xff) == SQLITE_CONSTRAINT) return false;
    if (rc != SQLITE_DONE) throw Failure{std::string(sqlite3_errmsg(m_db))};
    return true;
  }

 private:
  sqlite3* m_db;
  sqlite3_stmt* m_stmt = nullptr;
};

// The declared type a Jet column keeps; empty for the kinds a catalog does
// not hold (OLE objects, binary, attachments).
std::string declaredType(MdbColumn const* col, bool jet4) {
  switch (col->col_type) {
    case MDB_BOOL: return "BIT";
    case MDB_BYTE: return "TINYINT";
    case MDB_INT: return "SMALLINT";
    case MDB_LONGINT: return "INTEGER";
    case MDB_MONEY: return "CURRENCY";
    case MDB_FLOAT: return "REAL";
    case MDB_DOUBLE:
    case MDB_NUMERIC: return "DOUBLE";
    case MDB_DATETIME: return "DATETIME";
    case MDB_TEXT: {
      // Jet 4 counts a text column's size in bytes of UCS-2.
      long size = jet4 ? col->col_size / 2 : col->col_size;
      if (size < 1 || size > 255) size = 255;
      return "TEXT(" + std::to_string(size) + ")";
    }
    case MDB_MEMO: return "LONGTEXT";
    case MDB_REPID: return "TEXT(38)";
    default: return {};
  }
}

// A text as libmdb decodes it (Jet 4's compressed Unicode, Jet 3's code
// page), to UTF-8; `bytes` bounds the result. libmdb sizes its own buffers
// by the bind size too and takes it to be at least its default, so it is
// only ever raised, and put back at once.
std::string decodeText(MdbHandle* mdb, int start, int size, int type, std::size_t bytes) {
  mdb_set_bind_size(mdb, std::max<std::size_t>(bytes, MDB_BIND_SIZE));
  char* text = mdb_col_to_string(mdb, mdb->pg_buf, start, type, size);
  mdb_set_bind_size(mdb, MDB_BIND_SIZE);
  std::string out = text ? text : "";
  g_free(text);
  return out;
}

// One value read from a row, before it goes to SQLite and the checksum.
struct Value {
  enum Kind { Null, Integer, Real, Text } kind = Null;
  long long integer = 0;
  double real = 0;
  std::string text;
};

Value integerValue(long long v) { return {Value::Integer, v, 0, {}}; }
Value realValue(double v) { return std::isfinite(v) ? Value{Value::Real, 0, v, {}} : Value{}; }
Value textValue(std::string v) { return {Value::Text, 0, 0, std::move(v)}; }

Value readValue(MdbHandle* mdb, MdbColumn const* col, MdbField const& f) {
  const unsigned char* pg = mdb->pg_buf;
  const int start = f.start;
  const int size = f.siz;
  // A Yes/No value is its null bit: set means No.
  if (col->col_type == MDB_BOOL) return integerValue(f.is_null ? 0 : -1);
  if (f.is_null) return {};
  auto fits = [&](int n) { return start >= 0 && size >= n && start + n <= static_cast<int>(sizeof mdb->pg_buf); };
  switch (col->col_type) {
    case MDB_BYTE: return fits(1) ? integerValue(pg[start]) : Value{};
    case MDB_INT: return fits(2) ? integerValue(static_cast<std::int16_t>(littleEndian(pg + start, 2))) : Value{};
    case MDB_LONGINT: return fits(4) ? integerValue(static_cast<std::int32_t>(littleEndian(pg + start, 4))) : Value{};
    case MDB_MONEY: {
      if (!fits(8)) return {};
      std::int64_t v;
      std::memcpy(&v, pg + start, 8);
      return realValue(static_cast<double>(v) / 10000.0);
    }
    case MDB_FLOAT: {
      if (!fits(4)) return {};
      float v;
      std::memcpy(&v, pg + start, 4);
      return realValue(v);
    }
    case MDB_DOUBLE:
    case MDB_DATETIME: {
      if (!fits(8)) return {};
      double v;
      std::memcpy(&v, pg + start, 8);
      return realValue(v);
    }
    case MDB_NUMERIC: {
      if (!fits(17)) return {};
      char* text = mdb_numeric_to_string(mdb, start, col->col_scale, col->col_prec);
      Value v = text ? realValue(std::strtod(text, nullptr)) : Value{};
      g_free(text);
      return v;
    }
    case MDB_REPID: {
      if (!fits(16)) return {};
      char* text = mdb_uuid_to_string(pg, start);
      Value v = textValue(text ? text : "");
      g_free(text);
      return v;
    }
    case MDB_TEXT:
      if (size < 0 || !fits(0)) return {};
      return textValue(decodeText(mdb, start, size, MDB_TEXT, static_cast<std::size_t>(size) * 3 + 16));
    case MDB_MEMO: {
      if (!fits(MDB_MEMO_OVERHEAD)) return {};
      // The length of the whole text, with flags in the top bits.
      const std::size_t length = littleEndian(pg + start, 4) & 0x3fffffffu;
      if (length > (256u << 20)) throw Failure{"a memo is longer than 256 MB"};
      return textValue(decodeText(mdb, start, size, MDB_MEMO, length * 3 + 16));
    }
    default: return {};
  }
}

void bindAndHash(Value const& v, sqlite3_stmt* stmt, int index, JetValueHash& hash) {
  switch (v.kind) {
    case Value::Null: hash.null(); break;
    case Value::Integer:
      sqlite3_bind_int64(stmt, index, v.integer);
      hash.integer(v.integer);
      break;
    case Value::Real:
      sqlite3_bind_double(stmt, index, v.real);
      hash.real(v.real);
      break;
    case Value::Text:
      sqlite3_bind_text(stmt, index, v.text.data(), static_cast<int>(v.text.size()), SQLITE_TRANSIENT);
      hash.text(v.text);
      break;
  }
}

struct Column {
  MdbColumn* col;
  std::string decl;
};

void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out, Channel& channel) {
  MdbTableDef* table = mdb_read_table(entry);
  if (!table) throw Failure{std::string("the definition of table '") + entry->object_name + "' cannot be read"};
  struct Free {
    MdbTableDef* t;
    ~Free() { mdb_free_tabledef(t); }
  } freeTable{table};
  if (!mdb_read_columns(table)) throw Failure{std::string("the columns of '") + entry->object_name + "' cannot be read"};
  mdb_read_indices(table);
  const bool jet4 = mdb->f->jet_version != MDB_VER_JET3;
  const std::string name = entry->object_name;

  std::vector<Column> columns;
  std::vector<int> columnOf(table->num_cols, -1);
  int autoNumbers = 0;
  for (unsigned i = 0; i < table->num_cols; ++i) {
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
    std::string decl = declaredType(col, jet4);
    if (decl.empty()) continue;
    if (col->col_type == MDB_LONGINT && col->is_long_auto) ++autoNumbers;
    columnOf[i] = static_cast<int>(columns.size());
    columns.push_back({col, std::move(decl)});
  }
  if (columns.empty()) return;  // nothing a catalog can hold

  // An AutoNumber column becomes the table's auto-increment key, so that a
  // converted catalog numbers new rows as the genuine one did. Values the
  // key cannot take (repeated ones, in a damaged file) leave it a plain Long.
  for (bool counter : {autoNumbers == 1, false}) {
    std::string create = "CREATE TABLE " + quoted(name) + " (";
    std::string insert = "INSERT INTO " + quoted(name) + " VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i) {
        create += ", ";
        insert += ", ";
      }
      create += quoted(columns[i].col->name) + " " + columns[i].decl;
      if (counter && columns[i].col->col_type == MDB_LONGINT && columns[i].col->is_long_auto)
        create += " PRIMARY KEY AUTOINCREMENT";
      insert += "?";
    }
    out.exec("SAVEPOINT copy_table");
    out.exec(create + ")");
    Statement stmt(out.db(), insert + ")");
    std::vector<MdbField> fields(table->num_cols);
    const long long total = table->num_rows;
    long long done = 0;
    bool whole = true;
    JetValueHash hash;
    std::uint64_t checksum = 0;
    mdb_rewind_table(table);
    auto report = [&] {
      std::string body(16, '\0');
      std::memcpy(body.data(), &done, 8);
      std::memcpy(body.data() + 8, &total, 8);
      channel.send(kProgress, body + name);
    };
    report();
    while (mdb_fetch_row(table)) {
      int start = 0;
      size_t size = 0;
      if (mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size) != 0) continue;
      std::memset(fields.data(), 0, fields.size() * sizeof(MdbField));
      mdb_crack_row(table, start & 0x1fff, size, fields.data());
      std::vector<Value> row(columns.size());
      for (unsigned i = 0; i < table->num_cols; ++i) {
        const int c = fields[i].colnum;
        if (c < 0 || static_cast<unsigned>(c) >= table->num_cols || columnOf[c] < 0) continue;
        row[static_cast<std::size_t>(columnOf[c])] = readValue(mdb, columns[columnOf[c]].col, fields[i]);
      }
      for (std::size_t i = 0; i < row.size(); ++i) bindAndHash(row[i], stmt.get(), static_cast<int>(i) + 1, hash);
      checksum += hash.endRow();
      if (!stmt.step()) {
        whole = false;
        break;
      }
      if (++done % 4096 == 0) report();
    }
    if (!whole) {
      if (!counter) throw Failure{"the rows of '" + name + "' break their table's rules"};
      out.exec("ROLLBACK TO copy_table; RELEASE copy_table");
      continue;
    }
    report();
    out.exec("RELEASE copy_table");
    std::string check(16, '\0');
    std::memcpy(check.data(), &done, 8);
    std::memcpy(check.data() + 8, &checksum, 8);
    channel.send(kCheck, check + name);
    break;
  }

  // Indexes as the file has them; a foreign-key entry is no index of its own.
  for (unsigned i = 0; table->indices && i < table->indices->len; ++i) {
    auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, i));
    if (idx->index_type == 2 || idx->num_keys == 0 || idx->num_keys > MDB_MAX_IDX_COLS) continue;
    std::string keys;
    bool usable = true;
    for (unsigned k = 0; k < idx->num_keys; ++k) {
      const int number = idx->key_col_num[k];
      if (number < 1 || static_cast<unsigned>(number) > table->num_cols || columnOf[number - 1] < 0) {
        usable = false;
        break;
      }
      if (k) keys += ", ";
      keys += quoted(columns[columnOf[number - 1]].col->name);
      if (idx->key_col_order[k] == MDB_DESC) keys += " DESC";
    }
    if (!usable) continue;
    const std::string indexName = quoted(name + "_" + idx->name);
    const std::string body = "INDEX " + indexName + " ON " + quoted(name) + " (" + keys + ")";
    const bool unique = (idx->flags & MDB_IDX_UNIQUE) || idx->index_type == 1;
    // A unique index the rows do not honour is kept as a plain one.
    if (!unique || !out.tryExec("CREATE UNIQUE " + body)) out.tryExec("CREATE " + body);
  }
}

// ---------------------------------------------------------------- properties

// One property of a property block ("KKD"/"MR2" blob of MSysObjects.LvProp).
struct Property {
  std::string name;
  int type;
  std::string value;  // raw bytes
};

std::uint32_t readAt(std::string const& blob, std::size_t pos, int n) {
  return pos + static_cast<std::size_t>(n) <= blob.size()
             ? littleEndian(reinterpret_cast<unsigned char const*>(blob.data()) + pos, n)
             : 0;
}

// The object's own properties (the block without a column name). Names are
// decoded by libmdb's text decoder; anything out of bounds ends the walk.
std::vector<Property> parseProperties(MdbHandle* mdb, std::string const& blob) {
  std::vector<Property> out;
  if (blob.size() < 4 || (blob.compare(0, 4, std::string("KKD\0", 4)) != 0 &&
                          blob.compare(0, 4, std::string("MR2\0", 4)) != 0))
    return out;
  auto text = [&](std::size_t pos, std::size_t n) {
    std::string buffer(n * 3 + 16, '\0');
    mdb_unicode2ascii(mdb, blob.data() + pos, n, buffer.data(), buffer.size());
    return std::string(buffer.c_str());
  };
  std::vector<std::string> names;
  std::size_t pos = 4;
  while (pos + 6 <= blob.size()) {
    const std::size_t length = readAt(blob, pos, 4);
    const int type = static_cast<int>(readAt(blob, pos + 4, 2));
    if (length < 6 || pos + length > blob.size()) break;
    const std::size_t end = pos + length;
    std::size_t p = pos + 6;
    if (type == 0x80) {
      while (p + 2 <= end) {
        const std::size_t n = readAt(blob, p, 2);
        if (p + 2 + n > end) break;
        names.push_back(text(p + 2, n));
        p += 2 + n;
      }
    } else if (type == 0x00 || type == 0x01 || type == 0x02) {
      const std::size_t header = readAt(blob, p, 4);
      if (header < 4 || p + header > end) break;
      const bool objectLevel = header <= 6;  // no column name follows
      p += header;
      while (objectLevel && p + 8 <= end) {
        const std::size_t valueLength = readAt(blob, p, 2);
        if (valueLength < 8 || p + valueLength > end) break;
        const int dataType = static_cast<unsigned char>(blob[p + 3]);
        const std::size_t nameIndex = readAt(blob, p + 4, 2);
        const std::size_t dataSize = readAt(blob, p + 6, 2);
        if (nameIndex < names.size() && p + 8 + dataSize <= p + valueLength)
          out.push_back({names[nameIndex], dataType, blob.substr(p + 8, dataSize)});
        p += valueLength;
      }
    }
    pos = end;
  }
  return out;
}

// Binds a property's value by its Jet type; false for kinds not kept.
bool bindProperty(MdbHandle* mdb, Property const& prop, sqlite3_stmt* stmt, int index) {
  auto const* data = reinterpret_cast<unsigned char const*>(prop.value.data());
  const std::size_t n = prop.value.size();
  switch (prop.type) {
    case MDB_BOOL: sqlite3_bind_int(stmt, index, n >= 1 && data[0] ? -1 : 0); return true;
    case MDB_BYTE:
      if (n < 1) return false;
      sqlite3_bind_int(stmt, index, data[0]);
      return true;
    case MDB_INT:
      if (n < 2) return false;
      sqlite3_bind_int(stmt, index, static_cast<std::int16_t>(littleEndian(data, 2)));
      return true;
    case MDB_LONGINT:
      if (n < 4) return false;
      sqlite3_bind_int64(stmt, index, static_cast<std::int32_t>(littleEndian(data, 4)));
      return true;
    case MDB_MONEY: {
      if (n < 8) return false;
      std::int64_t v;
      std::memcpy(&v, data, 8);
      sqlite3_bind_double(stmt, index, static_cast<double>(v) / 10000.0);
      return true;
    }
    case MDB_FLOAT: {
      if (n < 4) return false;
      float v;
      std::memcpy(&v, data, 4);
      sqlite3_bind_double(stmt, index, v);
      return true;
    }
    case MDB_DOUBLE:
    case MDB_DATETIME: {
      if (n < 8) return false;
      double v;
      std::memcpy(&v, data, 8);
      sqlite3_bind_double(stmt, index, v);
      return true;
    }
    case MDB_TEXT:
    case MDB_MEMO: {
      std::string buffer(n * 3 + 16, '\0');
      mdb_unicode2ascii(mdb, prop.value.data(), n, buffer.data(), buffer.size());
      sqlite3_bind_text(stmt, index, buffer.c_str(), -1, SQLITE_TRANSIENT);
      return true;
    }
    default: return false;
  }
}

// The blob of MSysObjects.LvProp for the objects whose properties a catalog
// keeps: the database's own ("MSysDb") and the custom ones ("UserDefined").
void copyProperties(MdbHandle* mdb, Sqlite& out) {
  out.exec(
      "CREATE TABLE MSysProperties (Container TEXT NOT NULL, Name TEXT NOT NULL, Type INTEGER NOT NULL, Value, "
      "UNIQUE (Container, Name COLLATE NOCASE));"
      "CREATE TABLE MSysLinkedTables (Name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SourceTable TEXT NOT NULL, "
      "Connect TEXT NOT NULL, Attributes INTEGER NOT NULL)");
  char objects[] = "MSysObjects";
  MdbTableDef* table = mdb_read_table_by_name(mdb, objects, MDB_ANY);
  if (!table) return;
  struct Free {
    MdbTableDef* t;
    ~Free() { mdb_free_tabledef(t); }
  } freeTable{table};
  if (!mdb_read_columns(table)) return;
  MdbColumn* nameColumn = nullptr;
  MdbColumn* propColumn = nullptr;
  for (unsigned i = 0; i < table->num_cols; ++i) {
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
    if (std::strcmp(col->name, "Name") == 0) nameColumn = col;
    if (std::strcmp(col->name, "LvProp") == 0) propColumn = col;
  }
  if (!nameColumn || !propColumn || propColumn->col_type != MDB_OLE) return;
  std::vector<char> nameBuffer(MDB_BIND_SIZE), propBuffer(1 << 16);
  int propLength = 0;
  nameColumn->bind_ptr = nameBuffer.data();
  propColumn->bind_ptr = propBuffer.data();
  propColumn->len_ptr = &propLength;
  Statement insert(out.db(), "INSERT OR IGNORE INTO MSysProperties VALUES (?1, ?2, ?3, ?4)");
  mdb_rewind_table(table);
  std::vector<std::pair<char const*, std::string>> blobs;
  while (mdb_fetch_row(table)) {
    char const* container = nullptr;
    if (std::strcmp(nameBuffer.data(), "MSysDb") == 0) container = "Database";
    if (std::strcmp(nameBuffer.data(), "UserDefined") == 0) container = "UserDefined";
    if (!container || propLength <= 0 || propColumn->cur_value_len == 0) continue;
    size_t size = 0;
    void* blob = mdb_ole_read_full(mdb, propColumn, &size);
    if (!blob) continue;
    blobs.emplace_back(container, std::string(static_cast<char*>(blob), size));
    free(blob);
  }
  nameColumn->bind_ptr = propColumn->bind_ptr = nullptr;
  propColumn->len_ptr = nullptr;
  for (auto const& [container, blob] : blobs) {
    for (Property const& p : parseProperties(mdb, blob)) {
      sqlite3_bind_text(insert.get(), 1, container, -1, SQLITE_STATIC);
      sqlite3_bind_text(insert.get(), 2, p.name.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(insert.get(), 3, p.type);
      if (bindProperty(mdb, p, insert.get(), 4)) insert.step();
      else sqlite3_clear_bindings(insert.get()), sqlite3_reset(insert.get());
    }
  }
}

// The whole read, in the reading process.
void convert(char const* path, Channel& channel) {
  MdbHandle* mdb = mdb_open(path, MDB_NOFLAGS);
  if (!mdb) throw Failure{"libmdb cannot open it"};
  mdb_set_bind_size(mdb, MDB_BIND_SIZE);
  struct Close {
    MdbHandle* m;
    ~Close() { mdb_close(m); }
  } close{mdb};
  if (!mdb_read_catalog(mdb, MDB_ANY)) throw Failure{"its table of objects cannot be read"};
  Sqlite out;
  out.exec("BEGIN");
  for (unsigned i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
    copyTable(mdb, entry, out, channel);
  }
  copyProperties(mdb, out);
  out.exec("COMMIT");
  sqlite3_int64 size = 0;
  unsigned char* image = sqlite3_serialize(out.db(), "main", &size, 0);
  if (!image) throw Failure{"no memory for the catalog image"};
  const bool sent = channel.send(kImage, image, static_cast<std::uint64_t>(size));
  sqlite3_free(image);
  if (!sent) throw Failure{"the image could not be handed over"};
}

#ifdef ZEPT_JET_ASAN
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// The reading process's bounds are fixed, not drawn from the file: the size
// a file claims (a sparse tail, say) costs nothing to fake. They are far
// beyond what a real catalog needs.
constexpr double kReadSeconds = 60;
// Address space beyond what the process had at the fork.
constexpr std::uint64_t kReaderMemory = std::uint64_t{2} << 30;
// What the reading process may hand over, image and reports together.
constexpr std::uint64_t kReaderOutput = std::uint64_t{1} << 30;

// Not under AddressSanitizer, whose shadow memory already spans more than
// any such limit.
void limitMemory() {
  if (kAddressSanitizer) return;
  unsigned long long pages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%llu", &pages) != 1) pages = 0;
    std::fclose(statm);
  }
  const std::uint64_t bytes = pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE)) + kReaderMemory;
  struct rlimit as {bytes, bytes};
  ::setrlimit(RLIMIT_AS, &as);
}

[[noreturn]] void childMain(char const* path, int fd, pid_t parent, double seconds) {
  // Killed with its parent: a reader left behind would run on for nobody.
  // The parent may have gone before the request took hold.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(4);
  // The sanitizers report where the tests can see them; libmdb's own
  // messages go nowhere, as the library prints nothing.
#ifdef ZEPT_JET_ASAN
  if (const int report = ::fcntl(2, F_DUPFD_CLOEXEC, 3); report >= 0)
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(report)));
#endif
  const int null = ::open("/dev/null", O_RDWR);
  if (null >= 0) {
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(null, 2);
  }
  // A runaway read must end even if the parent cannot stop it, and must not
  // take the machine's memory with it.
  const auto cpuSeconds = static_cast<rlim_t>(seconds) + 5;
  struct rlimit cpu {cpuSeconds, cpuSeconds};
  ::setrlimit(RLIMIT_CPU, &cpu);
  limitMemory();
  Channel channel(fd);
  try {
    convert(path, channel);
  } catch (Failure const& f) {
    channel.send(kError, f.message);
    ::_exit(3);
  } catch (...) {
    channel.send(kError, std::string("it cannot be read"));
    ::_exit(3);
  }
  ::_exit(0);
}

std::atomic<double> g_timeout{0};

double readSeconds() {
  const double set = g_timeout.load();
  return set > 0 ? set : kReadSeconds;
}

class Pipe {
 public:
  Pipe() {
    if (::pipe2(m_fd, O_CLOEXEC) != 0) m_fd[0] = m_fd[1] = -1;
  }
  ~Pipe() {
    closeEnd(0);
    closeEnd(1);
  }
  int operator[](int i) const { return m_fd[i]; }
  void closeEnd(int i) {
    if (m_fd[i] >= 0) ::close(m_fd[i]);
    m_fd[i] = -1;
  }

 private:
  int m_fd[2];
};

// Reads messages from the reading process until it ends or the deadline.
struct Reader {
  int fd;
  std::chrono::steady_clock::time_point deadline;
  bool timedOut = false;
  bool ended = false;  // the reading process closed its end

  // false at the end of input, a read error or the deadline.
  bool get(unsigned char* p, std::uint64_t n) {
    while (n > 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) {
        timedOut = true;
        return false;
      }
      pollfd pfd{fd, POLLIN, 0};
      const int ready = ::poll(&pfd, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
      if (ready < 0 && errno == EINTR) continue;
      if (ready < 0) return false;
      if (ready == 0) continue;
      const ssize_t r = ::read(fd, p, n > (1u << 20) ? (1u << 20) : n);
      if (r < 0 && errno == EINTR) continue;
      if (r == 0) ended = true;
      if (r <= 0) return false;
      p += r;
      n -= static_cast<std::uint64_t>(r);
    }
    return true;
  }
};

std::shared_ptr<JetImage const> runReader(std::string const& path, std::string const& shownName,
                                          JetProgress const& progress) {
  Pipe pipe;
  if (pipe[0] < 0) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': " + std::strerror(errno));
  const double seconds = readSeconds();
  const pid_t parent = ::getpid();
  // The child's death signal follows the thread that forks it; this one
  // waits for the child below, so it cannot end first.
  const pid_t pid = ::fork();
  if (pid < 0) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': " + std::strerror(errno));
  if (pid == 0) childMain(path.c_str(), pipe[1], parent, seconds);
  pipe.closeEnd(1);

  Reader reader{pipe[0], std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<long long>(seconds * 1000))};
  auto image = std::make_shared<JetImage>();
  std::string error;
  bool gotImage = false, tooLarge = false;
  std::uint64_t received = 0;
  try {
    for (;;) {
      unsigned char head[9];
      if (!reader.get(head, sizeof head)) break;
      std::uint64_t size;
      std::memcpy(&size, head + 1, 8);
      received += sizeof head;
      if (size > kReaderOutput - std::min(received, kReaderOutput)) {
        tooLarge = true;
        break;
      }
      received += size;
      if (head[0] == kImage) {
        image->bytes.resize(size);
        if (!reader.get(image->bytes.data(), size)) break;
        gotImage = true;
      } else {
        std::string body(size, '\0');
        if (!reader.get(reinterpret_cast<unsigned char*>(body.data()), size)) break;
        if (head[0] == kError) error = body;
        if (head[0] == kCheck && body.size() >= 16) {
          JetTableCheck check;
          check.table = body.substr(16);
          std::memcpy(&check.rows, body.data(), 8);
          std::memcpy(&check.checksum, body.data() + 8, 8);
          image->tables.push_back(std::move(check));
        }
        if (head[0] == kProgress && progress && body.size() >= 16) {
          long long done, total;
          std::memcpy(&done, body.data(), 8);
          std::memcpy(&total, body.data() + 8, 8);
          progress(std::string_view(body).substr(16), done, total);
        }
      }
    }
  } catch (...) {
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    throw;
  }
  // Stopped listening early (the deadline, a message out of bounds): the
  // reading process may be blocked on the pipe, so it goes.
  if (!reader.ended) ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  const std::string prefix = "'" + shownName + "' is a genuine Access file that cannot be read";
  if (reader.timedOut)
    throwDao(jet::kDatabaseCorrupt, prefix + ": reading it took longer than " +
                                        std::to_string(static_cast<long long>(std::ceil(seconds))) + " s (damaged?).");
  if (tooLarge)
    throwDao(jet::kDatabaseCorrupt, prefix + ": its tables come to more than " +
                                        std::to_string(kReaderOutput >> 20) + " MiB (damaged?).");
  if (WIFSIGNALED(status))
    throwDao(jet::kDatabaseCorrupt, prefix + ": the reader stopped on it (signal " +
                                        std::to_string(WTERMSIG(status)) + "; damaged?).");
  if (!error.empty()) throwDao(jet::kDatabaseCorrupt, prefix + ": " + error + ".");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !gotImage)
    throwDao(jet::kDatabaseCorrupt, prefix + " (damaged?).");
  return image;
}

// ------------------------------------------------------------------- cache

struct CacheKey {
  std::string path;
  dev_t device;
  ino_t inode;
  off_t size;
  std::int64_t mtimeNs;
  bool operator==(CacheKey const&) const = default;
};

std::mutex g_cacheMutex;
std::list<std::pair<CacheKey, std::shared_ptr<JetImage const>>> g_cache;  // most recent first
constexpr std::size_t kCacheEntries = 8;

void checkReadable(JetHeader const& header, std::uint64_t fileSize, std::string const& shownName) {
  // Less than the header page: its scrambled fields would read as anything.
  const std::uint64_t page = header.format == JetFormat::Jet3 ? 2048 : 4096;
  if (header.format != JetFormat::Ace && fileSize < page)
    throwDao(jet::kDatabaseCorrupt, "'" + shownName + "' is a genuine Access file that cannot be read: it is "
                                                      "shorter than its first page (damaged?).");
  if (header.format == JetFormat::Ace)
    throwDao(jet::kUnrecognizedFormat,
             "'" + shownName + "' is an Access 2007+ (.accdb) file; only Jet 3 and Jet 4 files can be read.");
  if (header.encrypted)
    throwDao(jet::kUnrecognizedFormat, "'" + shownName + "' is an encrypted " +
                                           std::string(jetFormatName(header.format)) + " file and cannot be read.");
  if (header.password)
    throwDao(jet::kUnrecognizedFormat, "'" + shownName + "' is a password-protected " +
                                           std::string(jetFormatName(header.format)) + " file and cannot be read.");
}

}  // namespace

void JetValueHash::mix(void const* data, std::size_t n) {
  auto const* p = static_cast<unsigned char const*>(data);
  for (std::size_t i = 0; i < n; ++i) m_hash = (m_hash ^ p[i]) * 1099511628211ull;
}

void JetValueHash::integer(long long v) {
  mix("I", 1);
  mix(&v, sizeof v);
}

void JetValueHash::real(double v) {
  if (v == 0) v = 0;  // one zero
  mix("R", 1);
  mix(&v, sizeof v);
}

void JetValueHash::text(std::string_view utf8) {
  const std::uint64_t n = utf8.size();
  mix("T", 1);
  mix(&n, sizeof n);
  mix(utf8.data(), utf8.size());
}

std::uint64_t JetValueHash::endRow() {
  const std::uint64_t h = m_hash;
  m_hash = 14695981039346656037ull;
  return h;
}

JetHeader readJetHeader(int fd) {
  JetHeader h;
  unsigned char page[0x18 + 128] = {};
  const ssize_t got = ::pread(fd, page, sizeof page, 0);
  if (got < 0x15) return h;
  if (std::memcmp(page + 4, "Standard ACE DB", 15) == 0) {
    h.format = JetFormat::Ace;
    return h;
  }
  if (std::memcmp(page + 4, "Standard Jet DB", 15) != 0) return h;
  const unsigned version = page[0x14];
  h.format = version == 0 ? JetFormat::Jet3 : version == 1 ? JetFormat::Jet4 : JetFormat::Ace;
  if (h.format == JetFormat::Ace || got < static_cast<ssize_t>(sizeof page)) return h;
  static constexpr unsigned char kKey[] = {0xC7, 0xDA, 0x39, 0x6B};
  rc4(kKey, sizeof kKey, page + 0x18, h.format == JetFormat::Jet3 ? 126 : 128);
  h.encrypted = littleEndian(page + 0x3e, 4) != 0;
  if (h.format == JetFormat::Jet3) {
    for (int i = 0; i < 20; ++i) h.password |= page[0x42 + i] != 0;
  } else {
    // Jet 4 masks the password further with the whole days of the
    // database's creation date: an empty password reads as the mask.
    double created;
    std::memcpy(&created, page + 0x72, 8);
    const std::int32_t days =
        std::isfinite(created) && std::fabs(created) < 2e9 ? static_cast<std::int32_t>(created) : 0;
    unsigned char mask[4];
    for (int i = 0; i < 4; ++i) mask[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(days) >> (8 * i));
    for (int i = 0; i < 40; ++i) h.password |= (page[0x42 + i] ^ mask[i % 4]) != 0;
  }
  return h;
}

bool isGenuineAccessFile(std::wstring_view path) {
  const auto posix = zept::fs::resolve(path);
  if (!posix) return false;
  const int fd = ::open(posix->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  const bool genuine = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && readJetHeader(fd).format != JetFormat::None;
  ::close(fd);
  return genuine;
}

std::string_view jetFormatName(JetFormat format) {
  switch (format) {
    case JetFormat::Jet3: return "Jet 3";
    case JetFormat::Jet4: return "Jet 4";
    case JetFormat::Ace: return "Access 2007+ (.accdb)";
    default: return "";
  }
}

std::shared_ptr<JetImage const> loadJetImage(std::string const& path, int fd, std::string const& shownName) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': the file cannot be read.");
  checkReadable(readJetHeader(fd), static_cast<std::uint64_t>(st.st_size), shownName);
  const CacheKey key{path, st.st_dev, st.st_ino, st.st_size,
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
  {
    std::lock_guard lock(g_cacheMutex);
    for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
      if (it->first == key) {
        g_cache.splice(g_cache.begin(), g_cache, it);
        return g_cache.front().second;
      }
    }
  }
  auto image = runReader(path, shownName, {});
  std::lock_guard lock(g_cacheMutex);
  std::erase_if(g_cache, [&](auto const& e) { return e.first.path == path; });
  g_cache.emplace_front(key, image);
  if (g_cache.size() > kCacheEntries) g_cache.pop_back();
  return image;
}

std::shared_ptr<JetImage const> readJetImage(std::string const& path, std::string const& shownName,
                                             JetProgress const& progress) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throwDao(jet::kFileNotFound, "Could not find file '" + shownName + "'.");
  struct stat st {};
  const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const JetHeader header = ok ? readJetHeader(fd) : JetHeader{};
  ::close(fd);
  if (!ok) throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "': it is not a regular file that can be read.");
  if (header.format == JetFormat::None)
    throwDao(jet::kUnrecognizedFormat, "'" + shownName + "' is not a genuine Access file.");
  checkReadable(header, static_cast<std::uint64_t>(st.st_size), shownName);
  return runReader(path, shownName, progress);
}

sqlite3* openJetImage(JetImage const& image, std::string const& shownName) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) {
    // Read-only and not freed on close: every open of the file shares the
    // one cached image.
    auto* data = const_cast<unsigned char*>(image.bytes.data());
    const auto size = static_cast<sqlite3_int64>(image.bytes.size());
    rc = sqlite3_deserialize(db, "main", data, size, size, SQLITE_DESERIALIZE_READONLY);
    // Pages are then read in place rather than copied into the page cache.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA mmap_size=1099511627776", nullptr, nullptr, nullptr);
  }
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(db);
    throwDao(jet::kCannotOpen, "Cannot open '" + shownName + "' (" + sqlite3_errstr(rc) + ").");
  }
  return db;
}

void setJetReadTimeout(double seconds) { g_timeout.store(seconds > 0 ? seconds : 0); }

void clearJetImageCache() {
  std::lock_guard lock(g_cacheMutex);
  g_cache.clear();
}

}  // namespace zept::dao
