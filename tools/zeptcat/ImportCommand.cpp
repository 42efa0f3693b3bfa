// SPDX-License-Identifier: MIT
// zeptcat import SOURCE [DEST] [--replace]: a genuine Access catalog made
// into a native one. The source is only read (through the library's reading
// process); the copy is written to a temporary file beside DEST, checked
// table by table against what was read from the source (row count and a
// checksum of every value, read back through the DAO classes), and only then
// renamed into place. A failed check leaves nothing behind.
//
// With a server as DEST the catalog (genuine, converted as above in a
// scratch folder, or native) is published under its file's stem, fetched
// back and checked the same way; a failed check publishes again what the
// server held before.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTypes.h"
#include "platform/dao/JetFile.h"
#include "platform/dao/ServerFolder.h"
#include "platform/fs/TempFile.h"
#include "platform/fs/WinPath.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct ImportOptions {
  std::string source;
  std::string dest;
  bool replace = false;
};

[[noreturn]] void fail(long code, std::string const& message) {
  throw CDaoException(code, CString::fromUtf8(message));
}

// One line on standard error, redrawn in place; only on a terminal, so
// that logs and pipes get no control characters.
class ProgressBar {
 public:
  ProgressBar() : m_on(::isatty(STDERR_FILENO) == 1) {}
  ~ProgressBar() { clear(); }
  ProgressBar(ProgressBar const&) = delete;
  ProgressBar& operator=(ProgressBar const&) = delete;

  void update(std::string_view table, long long done, long long total) {
    if (!m_on) return;
    constexpr int kWidth = 30;
    const long long shown = std::clamp(done, 0LL, std::max(total, 0LL));
    const int filled =
        total > 0 ? static_cast<int>(static_cast<double>(shown) / static_cast<double>(total) * kWidth) : kWidth;
    std::string line = std::string(table.substr(0, 32)) + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " + std::to_string(done) +
                       "/" + std::to_string(total);
    const std::size_t length = line.size();
    if (line.size() < m_length) line += std::string(m_length - line.size(), ' ');
    m_length = length;
    std::cerr << '\r' << line << std::flush;
  }
  void clear() {
    if (!m_on || m_length == 0) return;
    std::cerr << '\r' << std::string(m_length, ' ') << '\r' << std::flush;
    m_length = 0;
  }

 private:
  bool m_on;
  std::size_t m_length = 0;
};

std::string resolved(std::wstring const& path, bool mustExist) {
  auto posix = zept::fs::resolve(path);
  struct stat st {};
  if (!posix || (mustExist && ::stat(posix->c_str(), &st) != 0))
    fail(zept::jet::kFileNotFound, "Could not find file '" + zept::toUtf8(path) + "'.");
  return *posix;
}

std::string fileName(std::string const& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(std::string const& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A temporary file beside the destination, removed unless it was put there.
class ImportFile {
 public:
  explicit ImportFile(std::string const& dest) : m_file(folderOf(dest)) {
    if (!m_file.valid()) fail(zept::jet::kCannotOpen, "Cannot write beside '" + dest + "': " + std::strerror(errno));
  }
  std::string const& path() const { return m_file.path(); }
  void write(std::vector<unsigned char> const& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(m_file.fd(), bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) fail(3043, "Cannot write '" + path() + "': " + std::strerror(errno));
      done += static_cast<std::size_t>(n);
    }
    if (::fsync(m_file.fd()) != 0 || !m_file.close())
      fail(3043, "Cannot write '" + path() + "': " + std::strerror(errno));
  }
  // Puts the file at `dest`; without `replace` an existing dest is kept.
  void moveTo(std::string const& dest, bool replace) {
    zept::dao::placeCatalogFile(path(), dest, replace);
    m_file.disown();
  }

 private:
  zept::fs::TempFile m_file;
};

// The row count and checksum of a table of the written copy, read back
// through the DAO classes as any caller reads it.
zept::dao::JetTableCheck checkTable(CDaoDatabase& db, std::string const& table) {
  zept::dao::JetTableCheck check;
  check.table = table;
  CDaoRecordset rs(&db);
  const std::wstring sql = L"SELECT * FROM [" + zept::fromUtf8(table) + L"]";
  rs.Open(dbOpenSnapshot, sql.c_str());
  zept::dao::JetValueHash hash;
  const short fields = rs.GetFieldCount();
  COleVariant v;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    for (short i = 0; i < fields; ++i) {
      rs.GetFieldValue(i, v);
      switch (v.vt) {
        case VT_BOOL: hash.integer(v.boolVal ? -1 : 0); break;
        case VT_UI1: hash.integer(v.bVal); break;
        case VT_I2: hash.integer(v.iVal); break;
        case VT_I4: hash.integer(v.lVal); break;
        case VT_R4: hash.real(v.fltVal); break;
        case VT_R8: hash.real(v.dblVal); break;
        case VT_DATE: hash.real(v.date); break;
        case VT_BSTR: hash.text(v.text().toUtf8()); break;
        default: hash.null(); break;
      }
    }
    check.checksum += hash.endRow();
    ++check.rows;
  }
  return check;
}

std::wstring hex(std::uint64_t v) {
  wchar_t text[17];
  std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(v));
  return text;
}

// Every table's check, in the catalog's order.
std::vector<zept::dao::JetTableCheck> checkCatalog(std::string const& path) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(path).c_str(), false, true);
  std::vector<zept::dao::JetTableCheck> checks;
  for (short i = 0, n = db.GetTableDefCount(); i < n; ++i) {
    CDaoTableDefInfo info;
    db.GetTableDefInfo(i, info);
    checks.push_back(checkTable(db, info.m_strName.toUtf8()));
  }
  return checks;
}

// A scratch folder of this process's own, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeptcat-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
      fail(zept::jet::kCannotOpen, std::string("Cannot make a scratch folder: ") + std::strerror(errno));
    m_path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  ScratchFolder(ScratchFolder const&) = delete;
  ScratchFolder& operator=(ScratchFolder const&) = delete;
  std::string file(std::string const& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

void serverFailed(std::exception const& e) { fail(zept::jet::kConnectionFailed, e.what()); }

void importToServer(Context const& ctx, std::string const& source, std::string const& server) {
  std::string name = fileName(source);
  if (name.size() > 4 && zept::toUtf8(CString::fromUtf8(name.substr(name.size() - 4)).MakeLower().str()) == ".mdb")
    name.resize(name.size() - 4);
  ScratchFolder scratch;
  std::string native = source;
  if (zept::dao::isGenuineAccessFile(zept::fromUtf8(source))) {
    const auto image = zept::dao::readJetImage(source, source, {});
    native = scratch.file("native.mdb");
    ImportFile temp(native);
    temp.write(image->bytes);
    temp.moveTo(native, false);
  }
  const auto expected = checkCatalog(native);
  try {
    // What the server held, to put back when the check fails.
    bool held = true;
    try {
      zept::dao::fetchFromServer(server, name, scratch.file("before.mdb"));
    } catch (std::exception const&) {
      held = false;
    }
    const auto generation = zept::dao::publishToServer(server, name, native);
    zept::dao::fetchFromServer(server, name, scratch.file("published.mdb"));
    if (checkCatalog(scratch.file("published.mdb")) != expected) {
      if (held) zept::dao::publishToServer(server, name, scratch.file("before.mdb"));
      fail(zept::jet::kDatabaseCorrupt, "The server's copy of '" + source + "' does not match it; " +
                                            (held ? "its earlier catalog was published again." : "remove it."));
    }
    if (!ctx.json)
      ctx.out << "Published '" << source << "' as catalog " << name << ", generation " << generation << ".\n";
  } catch (CDaoException const&) {
    throw;
  } catch (std::exception const& e) {
    serverFailed(e);
  }
}

void runImport(Context const& ctx, ImportOptions const& o) {
  const std::string source = resolved(catalogPath(ctx, o.source), true);
  if (zept::dao::isServerFolder(zept::fromUtf8(o.dest))) return importToServer(ctx, source, o.dest);
  std::string dest;
  if (o.dest.empty()) {
    needAppFolder();
    char const* app = std::getenv("ZEPT_APP_PATH");
    dest = resolved(zept::fromUtf8(std::string(app && *app ? app : ctx.dataDir) + fileName(source)), false);
  } else {
    dest = resolved(zept::fromUtf8(o.dest), false);
  }
  struct stat src {}, dst {};
  if (::stat(source.c_str(), &src) != 0) fail(zept::jet::kFileNotFound, "Could not find file '" + source + "'.");
  if (::stat(dest.c_str(), &dst) == 0) {
    if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino)
      fail(zept::jet::kDatabaseExists, "'" + dest + "' is the source itself; name another destination.");
    if (!o.replace) fail(zept::jet::kDatabaseExists, "'" + dest + "' exists; add --replace to replace it.");
    if (S_ISDIR(dst.st_mode)) fail(zept::jet::kCannotOpen, "'" + dest + "' is a folder.");
  }

  std::shared_ptr<zept::dao::JetImage const> image;
  {
    ProgressBar bar;
    image = zept::dao::readJetImage(source, source, [&](std::string_view table, long long done, long long total) {
      bar.update(table, done, total);
    });
  }

  ImportFile temp(dest);
  temp.write(image->bytes);
  ResultTable report;
  report.columns = {L"Table", L"Rows", L"Copied", L"Checksum", L"Copy checksum", L"Match"};
  bool allMatch = true;
  {
    CDaoDatabase copy;
    copy.Open(zept::fromUtf8(temp.path()).c_str(), false, true);
    for (auto const& expected : image->tables) {
      const auto got = checkTable(copy, expected.table);
      const bool match = got == expected;
      allMatch = allMatch && match;
      report.rows.push_back({COleVariant(zept::fromUtf8(expected.table).c_str()),
                             COleVariant(static_cast<long>(expected.rows)), COleVariant(static_cast<long>(got.rows)),
                             COleVariant(hex(expected.checksum).c_str()), COleVariant(hex(got.checksum).c_str()),
                             COleVariant(match ? L"yes" : L"NO")});
    }
  }
  print(ctx.out, report, ctx.json);
  if (!allMatch)
    fail(zept::jet::kDatabaseCorrupt, "The copy of '" + source + "' does not match it; nothing was written.");
  temp.moveTo(dest, o.replace);
  if (!ctx.json) ctx.out << "Imported '" << source << "' into '" << dest << "'.\n";
}

}  // namespace

Command addImportCommand(CLI::App& parent) {
  auto options = std::make_shared<ImportOptions>();
  CLI::App* sub = parent.add_subcommand(
      "import", "Convert a genuine Access (Jet 3 or Jet 4) catalog into a native one and check the copy");
  sub->add_option("source", options->source, "The genuine catalog (.mdb), read only")->required();
  sub->add_option("dest", options->dest,
                  "The native catalog to write (default: the source's name in the application folder)");
  sub->add_flag("--replace", options->replace, "Replace DEST when it exists");
  return {sub, [options](Context const& ctx) { runImport(ctx, *options); }};
}

namespace {

struct ExportOptions {
  std::string server, catalog, dest;
  bool replace = false;
};

void runExport(Context const& ctx, ExportOptions const& o) {
  if (!zept::dao::isServerFolder(zept::fromUtf8(o.server)))
    throw UsageError("'" + o.server + "' names no server (a postgresql:// URI or service=NAME)");
  std::string dest = o.dest.empty() ? o.catalog + ".mdb" : o.dest;
  dest = resolved(zept::fromUtf8(dest), false);
  struct stat st {};
  if (::stat(dest.c_str(), &st) == 0 && !o.replace)
    fail(zept::jet::kDatabaseExists, "'" + dest + "' exists; add --replace to replace it.");
  try {
    const auto generation = zept::dao::fetchFromServer(o.server, o.catalog, dest);
    if (!ctx.json)
      ctx.out << "Exported catalog " << o.catalog << ", generation " << generation << ", into '" << dest << "'.\n";
  } catch (std::exception const& e) {
    serverFailed(e);
  }
}

}  // namespace

Command addExportCommand(CLI::App& parent) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* sub = parent.add_subcommand("export", "Write a catalog of a server into a native catalog file");
  sub->add_option("server", options->server, "The server: a postgresql:// URI or service=NAME")->required();
  sub->add_option("catalog", options->catalog, "The catalog's name on the server (its file's stem)")->required();
  sub->add_option("dest", options->dest, "The file to write (default: CATALOG.mdb here)");
  sub->add_flag("--replace", options->replace, "Replace DEST when it exists");
  return {sub, [options](Context const& ctx) { runExport(ctx, *options); }};
}

Command addPrepareServerCommand(CLI::App& parent) {
  auto server = std::make_shared<std::string>();
  CLI::App* sub = parent.add_subcommand(
      "prepare-server", "Set up a server for catalogs once: the registry and the zept_reader and zept_editor roles");
  sub->add_option("server", *server, "The server, as its administrator: a postgresql:// URI or service=NAME")
      ->required();
  return {sub, [server](Context const& ctx) {
            try {
              zept::dao::prepareCatalogServer(*server);
            } catch (std::exception const& e) {
              serverFailed(e);
            }
            if (!ctx.json) ctx.out << "The server is ready for catalogs.\n";
          }};
}

}  // namespace zeptcat
