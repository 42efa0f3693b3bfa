// What zeptcat's catalog commands share about folders and missing values:
// the Windows-style form of the settings' folders that the catalog code
// needs to take file names apart, the folders as the user gave them for
// messages, and the cell a missing value prints as.
#pragma once

#include <string>
#include <vector>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/settings/ZEPTAppSet.h"
#include "tools/zeptcat/Command.h"

namespace zeptcat {

// The catalog code takes a file name apart at ":" and "\" only, so the copy
// it makes before writing a catalog of the data folder, and the short name
// it gives a record, need Windows-style folders. While alive, this hands the
// installed settings' POSIX folders over as such: "/srv/cat/" (or a relative
// folder, made absolute) becomes "Z:\srv\cat\" with ZEPT_DRIVE_Z set to "/"
// (Z or the first letter before it that no variable names yet).
class WindowsStyleFolders : public ZEPTAppSet {
 public:
  WindowsStyleFolders();
  ~WindowsStyleFolders() override;
  WindowsStyleFolders(WindowsStyleFolders const&) = delete;
  WindowsStyleFolders& operator=(WindowsStyleFolders const&) = delete;

  wchar_t const* getValue(wchar_t const* key) override { return keep(m_outer->getValue(key)); }
  wchar_t const* getPath(wchar_t const* key, int type) override { return keep(m_outer->getPath(key, type)); }
  int getInt(wchar_t const* key, int fallback) override { return m_outer->getInt(key, fallback); }
  wchar_t const* getAppPath(int which) override { return keep(m_outer->getAppPath(which)); }

 private:
  wchar_t const* keep(wchar_t const* folder);

  ZEPTAppSet* m_outer;
  std::wstring m_drive;
  std::string m_setVariable;
  std::vector<std::wstring> m_texts;  // never shrinks: handed-out texts stay valid
};

// A folder as the user gave it, not in the form handed to the catalog code.
std::string shown(CString const& folder);

// The accessor's folders for a message: "APP or DATA", or one when they agree.
std::string folders(ZEPTDBBaseData& accessor);

// A value a catalog lacks: "-" for people, null for programs.
COleVariant none(Context const& ctx);

// `text`, or none() when it is empty.
COleVariant textOr(Context const& ctx, CString const& text);

}  // namespace zeptcat
