// SPDX-License-Identifier: MIT
// The exception classes' messages, kept wide for GetErrorMessage and as
// UTF-8 for what(); a DAO exception carries its error info by value.
#include "platform/core/Exceptions.h"

#include <algorithm>

CException::CException(CString message) { setMessage(std::move(message)); }

void CException::setMessage(CString message) {
  m_message = std::move(message);
  m_what = m_message.toUtf8();
}

bool CException::GetErrorMessage(wchar_t* buffer, unsigned maxChars, unsigned* helpContext) const {
  if (helpContext) *helpContext = 0;
  if (!buffer || maxChars == 0) return false;
  const auto n = std::min<std::size_t>(maxChars - 1, static_cast<std::size_t>(m_message.GetLength()));
  std::copy_n(m_message.GetString(), n, buffer);
  buffer[n] = L'\0';
  return true;
}

CMemoryException::CMemoryException() : CException(L"Out of memory.") {}

CDaoException::CDaoException(long errorCode, CString description, CString source)
    : CException(description), m_pErrorInfo(&m_info), m_scode(errorCode) {
  m_info.m_lErrorCode = errorCode;
  m_info.m_strSource = std::move(source);
  m_info.m_strDescription = std::move(description);
}

CDaoException::CDaoException(CDaoException const& other)
    : CException(other), m_pErrorInfo(&m_info), m_scode(other.m_scode), m_nAfxDaoError(other.m_nAfxDaoError),
      m_info(other.m_info) {}

CDaoException& CDaoException::operator=(CDaoException const& other) {
  CException::operator=(other);
  m_scode = other.m_scode;
  m_nAfxDaoError = other.m_nAfxDaoError;
  m_info = other.m_info;
  m_pErrorInfo = &m_info;
  return *this;
}
