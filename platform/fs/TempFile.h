// SPDX-License-Identifier: MIT
// TempFile: a file built beside its destination and renamed over it only
// when whole, so nobody ever sees half of it under the destination's name.
//
// A process killed while building cannot remove its file. The name marks the
// file as a temporary, with a tag of its own inode that a file the user named
// so does not carry, and a lock held while its builder lives marks it as
// alive, so whoever next builds in that folder removes what a dead builder
// left, and nothing else. The lock is an open-file-description lock on a byte far past any
// data: it survives closing the writing descriptor and leaves the file's own
// locks (catalog engines lock the temporary they check) alone.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zept::fs {

class TempFile {
 public:
  // Creates a new file in `folder` with `mode` less the umask, after removing
  // dead builders' leftovers there. valid() is false, with errno set, when
  // the file could not be made.
  explicit TempFile(std::string folder, mode_t mode = 0666);
  // Removes the file unless it was placed or disowned.
  ~TempFile();
  TempFile(TempFile const&) = delete;
  TempFile& operator=(TempFile const&) = delete;

  bool valid() const { return !m_path.empty(); }
  std::string const& path() const { return m_path; }
  std::string const& folder() const { return m_folder; }
  // The descriptor to write through, until release() hands it over (to
  // fdopen, say) or close().
  int fd() const { return m_fd; }
  int release();
  // Closes the writing descriptor; false when a delayed write failed.
  bool close();

  // Renames the file to `target` in the same folder, replacing a file there
  // only with `replace`, and makes the rename durable. False, with errno
  // set and the file still owned, when the rename fails.
  bool placeAt(std::string const& target, bool replace);
  // The file was put in place by other means: no longer remove it.
  void disown();

 private:
  std::string m_folder;
  std::string m_path;
  int m_fd = -1;
  int m_alive = -1;  // holds the liveness lock
};

// Writes through `produce` into a new temporary in `folder` and places it at
// `target` (as placeAt) only when `produce` succeeded and everything is
// flushed and synced; otherwise nothing of it remains. False, with errno
// set where the system failed, when nothing was placed.
bool writeWhole(std::string const& folder, std::string const& target, bool replace,
                std::function<bool(std::FILE*)> const& produce);

// Where a file saved under `target` by a rename goes: `target`, or with
// `followLink` the file a symbolic link there names, so that the link stays
// and its file gets the content, as a plain write through the link would
// give it (without, the link itself is replaced). Nullopt, with errno set,
// for what a rename would destroy instead of overwriting: an existing folder
// (EISDIR), device, FIFO or socket (EINVAL), or a followed link that leads
// nowhere or in a circle.
std::optional<std::string> savedFilePath(std::string const& target, bool followLink);

// Whether `fileName` (no folder) is a name a catalog takes, or one of the
// files its engine keeps beside it: ending in ".mdb" in any case, or such a
// name followed by "-journal", "-wal", "-shm", ".building" or ".readonly".
// Catalogs are looked up by name without regard to case, so a drawing or a
// picture saved under one would hide a catalog or be taken for its journal.
bool isCatalogFileName(std::string_view fileName);

// Renames `from` to `to` but never over a file there (errno EEXIST), also on
// file systems without the kernel's no-replace rename.
bool renameWithoutReplacing(std::string const& from, std::string const& to);

// The tag that proves a file of a fixed name (a catalog being built) was
// made by the library, as a temporary's name proves it for a temporary: a
// function of the file's inode, which a copy or a file the user made under
// that name does not carry. The file keeps it in its content.
std::uint64_t builderTag(ino_t inode);

// Removes every temporary in `folder` whose builder is gone, that is old
// enough not to be one still being made and whose name carries its inode's
// tag. Returns how many it removed.
int removeAbandonedTemporaries(std::string const& folder);

}  // namespace zept::fs
