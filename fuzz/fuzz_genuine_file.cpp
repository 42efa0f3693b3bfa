// SPDX-License-Identifier: MIT
// Any bytes as a genuine Access file: opened through the DAO classes, every
// table read. The file is read by the library's short-lived reading process,
// so libmdb's faults end that process and reach us as CDaoException; this
// target checks that the rest (header checks, the reading process's report,
// the image and its queries) holds for every input.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/JetFile.h"

namespace {

// One scratch file for every input, removed at exit; plain arrays, so that
// they outlive every destructor the exit handler could run after.
char g_dir[] = "/tmp/zept-fuzz-genuine-XXXXXX";
char g_file[sizeof g_dir + 16];

char const* scratchFile() {
  if (!g_file[0]) {
    if (!::mkdtemp(g_dir)) std::abort();
    std::snprintf(g_file, sizeof g_file, "%s/input.mdb", g_dir);
    std::atexit([] {
      ::unlink(g_file);
      ::rmdir(g_dir);
    });
  }
  return g_file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  const std::string path = scratchFile();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) std::abort();
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  // Same path, maybe the same size and time stamp: never a cached image.
  zept::dao::clearJetImageCache();
  zept::dao::setJetReadTimeout(5);
  try {
    CDaoDatabase db;
    db.Open(zept::fromUtf8(path).c_str(), false, true);
    for (short t = 0; t < db.GetTableDefCount(); ++t) {
      CDaoTableDefInfo info;
      db.GetTableDefInfo(t, info, AFX_DAO_ALL_INFO);
      CDaoRecordset rs(&db);
      rs.Open(dbOpenSnapshot, (L"SELECT * FROM [" + info.m_strName.str() + L"]").c_str());
      for (; !rs.IsEOF(); rs.MoveNext())
        for (short i = 0; i < rs.GetFieldCount(); ++i) (void)rs.GetFieldValue(i);
    }
  } catch (CDaoException const&) {
  }
  return 0;
}
