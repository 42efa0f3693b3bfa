// SPDX-License-Identifier: MIT
// The exception classes of the DAO and MFC layers. They are thrown by value
// and caught by reference; leaving the catch block is what MFC code calls
// deleting the exception object, so Delete() does nothing.
#pragma once

#include <exception>
#include <string>

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class CException : public std::exception {
 public:
  CException() = default;
  explicit CException(CString message);
  char const* what() const noexcept override { return m_what.c_str(); }
  // Copies at most maxChars - 1 characters and a terminator into `buffer`.
  virtual bool GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned* helpContext = nullptr) const;
  CString const& message() const { return m_message; }
  void Delete() {}

 protected:
  void setMessage(CString message);

 private:
  CString m_message;
  std::string m_what;
};

class CMemoryException : public CException {
 public:
  CMemoryException();
};

// Error information as DAO gives it; codes are the Jet engine's numbers.
struct CDaoErrorInfo {
  long m_lErrorCode = 0;
  CString m_strSource;
  CString m_strDescription;
};

class CDaoException : public CException {
 public:
  CDaoException(long errorCode, CString description, CString source = L"ZEPTDatabase.DAO");
  CDaoException(CDaoException const& other);
  CDaoException& operator=(CDaoException const& other);

  long errorCode() const { return m_info.m_lErrorCode; }
  CString const& description() const { return m_info.m_strDescription; }

  // MFC's public members, pointing into this object.
  CDaoErrorInfo* m_pErrorInfo = nullptr;
  long m_scode = 0;
  int m_nAfxDaoError = 0;

 private:
  CDaoErrorInfo m_info;
};

// Jet error numbers used by the data-access layer.
namespace zept::jet {
inline constexpr long kSyntaxError = 3075;
inline constexpr long kNoCurrentRecord = 3021;
inline constexpr long kDuplicateKey = 3022;
inline constexpr long kFileNotFound = 3024;
inline constexpr long kReadOnly = 3027;
inline constexpr long kCannotOpen = 3051;
inline constexpr long kFileInUse = 3045;
inline constexpr long kTableExists = 3010;
inline constexpr long kTableNotFound = 3078;
inline constexpr long kDatabaseExists = 3204;
inline constexpr long kItemNotFound = 3265;
inline constexpr long kPropertyNotFound = 3270;
inline constexpr long kNameExists = 3367;
inline constexpr long kUnrecognizedFormat = 3343;
inline constexpr long kDatabaseCorrupt = 3049;
inline constexpr long kTypeMismatch = 3464;
inline constexpr long kConversionError = 3421;
inline constexpr long kOperationNotSupported = 3251;
inline constexpr long kNotOpen = 3420;
inline constexpr long kUpdateWithoutEdit = 3020;
inline constexpr long kEngineError = 3000;
inline constexpr long kConnectionFailed = 3151;
}  // namespace zept::jet

ZEPTDB_END_EXPORTS
