// Any bytes as a genuine Access file: opened through the DAO classes, every
// table read. The file is read by the library's short-lived reading process,
// so libmdb's faults end that process and reach us as CDaoException; this
// target checks that the rest (header checks, the reading process's report,
// the image and its queries) holds for every input.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/JetFile.h"

namespace {

std::string const& scratchFile() {
  static std::string const path = [] {
    char dir[] = "/tmp/zept-fuzz-genuine-XXXXXX";
    if (!::mkdtemp(dir)) std::abort();
    std::atexit([] {
      ::unlink(scratchFile().c_str());
      ::rmdir(scratchFile().substr(0, scratchFile().rfind('/')).c_str());
    });
    return std::string(dir) + "/input.mdb";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const& path = scratchFile();
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
