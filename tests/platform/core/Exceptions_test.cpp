#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <string>

#include "support/CorePrinters.h"

namespace {

TEST(ExceptionCDao, CarriesJetNumberAndText) {
  const CDaoException e(zept::jet::kFileNotFound, L"Datei 'PRÜF.MDB' fehlt.");
  EXPECT_EQ(e.errorCode(), 3024);
  EXPECT_EQ(e.m_scode, 3024);
  ASSERT_NE(e.m_pErrorInfo, nullptr);
  EXPECT_EQ(e.m_pErrorInfo->m_lErrorCode, 3024);
  EXPECT_EQ(e.m_pErrorInfo->m_strDescription, L"Datei 'PRÜF.MDB' fehlt.");
  EXPECT_EQ(e.m_pErrorInfo->m_strSource, L"ZEPTDatabase.DAO");
  EXPECT_EQ(e.description(), e.message());
  EXPECT_STREQ(e.what(), "Datei 'PR\xC3\x9C" "F.MDB' fehlt.");
}

TEST(ExceptionCDao, CopyPointsAtItsOwnInfo) {
  auto source = std::make_unique<CDaoException>(3022, L"duplicate key", L"Engine");
  CDaoException copy(*source);
  CDaoException assigned(1, L"x");
  assigned = *source;
  source.reset();
  for (CDaoException const* e : {&copy, &assigned}) {
    ASSERT_NE(e->m_pErrorInfo, nullptr);
    EXPECT_EQ(e->m_pErrorInfo->m_lErrorCode, 3022);
    EXPECT_EQ(e->m_pErrorInfo->m_strDescription, L"duplicate key");
    EXPECT_EQ(e->m_pErrorInfo->m_strSource, L"Engine");
    EXPECT_STREQ(e->what(), "duplicate key");
  }
}

TEST(ExceptionCDao, CaughtByBaseReferenceAndRethrown) {
  std::exception_ptr saved;
  try {
    throw CDaoException(zept::jet::kTableNotFound, L"no such table");
  } catch (CException& e) {
    auto* dao = dynamic_cast<CDaoException*>(&e);
    ASSERT_NE(dao, nullptr);
    EXPECT_EQ(dao->m_pErrorInfo->m_lErrorCode, zept::jet::kTableNotFound);
    saved = std::make_exception_ptr(*dao);
    e.Delete();
  }
  try {
    std::rethrow_exception(saved);
  } catch (CDaoException const& e) {
    EXPECT_EQ(e.m_pErrorInfo->m_lErrorCode, zept::jet::kTableNotFound);
    EXPECT_EQ(e.m_pErrorInfo->m_strDescription, L"no such table");
  }
}

TEST(ExceptionMessage, GetErrorMessageTruncates) {
  const CMemoryException e;
  EXPECT_EQ(e.message(), L"Out of memory.");
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
