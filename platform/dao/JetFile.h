// SPDX-License-Identifier: MIT
// Genuine Access (Jet 3 / Jet 4) files, read through libmdb into a native
// catalog image: a whole SQLite database in memory that the one SQL engine
// then queries exactly as it queries a catalog file.
//
// libmdb is not ours and was not written for hostile files, and it reports
// on standard error. Every read therefore runs in a short-lived child
// process with its output closed: a crash, a runaway loop or an endless
// allocation there costs the caller an error, never the process. The child
// sends back the image (and progress) through a pipe.
//
// Internal to platform/dao and the tools: no public header includes it.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace zept::dao {

// What a file's first page says it is.
enum class JetFormat { None, Jet3, Jet4, Ace };

struct JetHeader {
  JetFormat format = JetFormat::None;
  bool encrypted = false;  // pages encoded with the database key
  bool password = false;   // a database password is set
};

// Reads the header of the file open as `fd`; format None when it is not an
// Access file at all.
JetHeader readJetHeader(int fd);

// Whether the file `path` (Windows-style or POSIX) is an Access file of any
// version; false when it cannot be read.
bool isGenuineAccessFile(std::wstring_view path);

// "Jet 3", "Jet 4", "Access 2007+ (.accdb)".
std::string_view jetFormatName(JetFormat format);

// A table's row count and the checksum of its values as libmdb read them,
// for checking a converted copy against.
struct JetTableCheck {
  std::string table;
  long long rows = 0;
  std::uint64_t checksum = 0;
  bool operator==(JetTableCheck const&) const = default;
};

// The checksum of a table's values: each row's values are hashed in column
// order by kind (null, whole number, other number, text) and the rows'
// hashes added, so the rows' order does not count.
class JetValueHash {
 public:
  void null() { mix("N", 1); }
  void integer(long long v);
  void real(double v);
  void text(std::string_view utf8);
  // The row's hash; starts the next row.
  std::uint64_t endRow();

 private:
  void mix(void const* data, std::size_t n);
  std::uint64_t m_hash = 14695981039346656037ull;
};

// The catalog image of one genuine file, shared by every open of it.
struct JetImage {
  std::vector<unsigned char> bytes;  // an SQLite database file, whole
  std::vector<JetTableCheck> tables;
};

// Called from the reading process's reports: table being read, rows read
// of it so far and its row count (as the table definition says).
using JetProgress = std::function<void(std::string_view table, long long done, long long total)>;

// The image of the genuine file at `path` (open as `fd`), from the cache
// while the file keeps its size and modification time, else read anew.
// Throws CDaoException naming `shownName` for a file libmdb cannot read,
// an encrypted or password-protected file and an .accdb file.
std::shared_ptr<JetImage const> loadJetImage(std::string const& path, int fd, std::string const& shownName);

// Reads the file anew, bypassing the cache, reporting progress.
std::shared_ptr<JetImage const> readJetImage(std::string const& path, std::string const& shownName,
                                             JetProgress const& progress);

// A read-only connection on `image`, which must outlive it. Throws
// CDaoException when the image cannot be opened.
sqlite3* openJetImage(JetImage const& image, std::string const& shownName);

// Longest a read may take before the reading process is stopped (seconds);
// by default 60 whatever the file's size. 0 restores the default.
void setJetReadTimeout(double seconds);

// Forgets every cached image (tests and benchmarks measure a first open).
void clearJetImageCache();

}  // namespace zept::dao
