// SPDX-License-Identifier: MIT
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/CorePrinters.h"

namespace {

// m_pErrorInfo points into the object it belongs to: a copy's must survive
// the source (ASan reports the use after free otherwise); what() is UTF-8.
TEST(ExceptionCDao, CopiesCarryTheirOwnInfo) {
  auto source = std::make_unique<CDaoException>(zept::jet::kFileNotFound, L"Datei 'PRÜF.MDB' fehlt.");
  CDaoException copy(*source);
  CDaoException assigned(1, L"x", L"Engine");
  assigned = *source;
  source.reset();
  for (CDaoException const* e : {&copy, &assigned}) {
    ASSERT_NE(e->m_pErrorInfo, nullptr);
    EXPECT_EQ(e->m_pErrorInfo->m_lErrorCode, 3024);
    EXPECT_EQ(e->m_scode, 3024);
    EXPECT_EQ(e->m_pErrorInfo->m_strDescription, L"Datei 'PRÜF.MDB' fehlt.");
    EXPECT_EQ(e->m_pErrorInfo->m_strSource, L"ZEPTDatabase.DAO");
    EXPECT_STREQ(e->what(),
                 "Datei 'PR\xC3\x9C"
                 "F.MDB' fehlt.");
  }
}

TEST(ExceptionMessage, GetErrorMessageTruncates) {
  const CMemoryException e;
  wchar_t buffer[5];
  unsigned help = 99;
  ASSERT_TRUE(e.GetErrorMessage(buffer, 5, &help));
  EXPECT_EQ(std::wstring(buffer), L"Out ");
  EXPECT_EQ(help, 0u);
  ASSERT_TRUE(e.GetErrorMessage(buffer, 1));
  EXPECT_EQ(buffer[0], L'\0');
  EXPECT_FALSE(e.GetErrorMessage(buffer, 0));
  EXPECT_FALSE(e.GetErrorMessage(nullptr, 5));
  wchar_t whole[64];
  ASSERT_TRUE(e.GetErrorMessage(whole, 64));
  EXPECT_EQ(std::wstring(whole), L"Out of memory.");
}

}  // namespace
