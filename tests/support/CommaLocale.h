// SPDX-License-Identifier: MIT
// A fixture that runs its tests under a comma-decimal locale, the way a
// German or French desktop runs the library; skipped when none is installed.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zept::test {

class CommaLocaleTest : public testing::Test {
 protected:
  void SetUp() override {
    m_saved = std::setlocale(LC_ALL, nullptr);
    for (char const* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "ru_RU.UTF-8",
                             "es_ES.UTF-8", "it_IT.UTF-8", "de_DE"}) {
      if (std::setlocale(LC_ALL, name) && std::string(std::localeconv()->decimal_point) == ",") return;
    }
    std::setlocale(LC_ALL, m_saved.c_str());
    GTEST_SKIP() << "no comma-decimal locale installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, m_saved.c_str()); }

 private:
  std::string m_saved;
};

}  // namespace zept::test
