// SPDX-License-Identifier: MIT
// The translation language of user-object texts: set by the caller, else
// ZEPT_LANG from the environment.
#include "database/ZEPTDBUserObjData.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

namespace {

// Below zero: nothing set.
std::atomic<long> g_lang{-1};

long langFromEnvironment() {
  char const* text = std::getenv("ZEPT_LANG");
  if (!text || !*text) return -1;
  char* end = nullptr;
  errno = 0;
  const long lang = std::strtol(text, &end, 0);
  if (errno != 0 || *end != '\0') return -1;
  return lang;
}

}  // namespace

long ZEPTDBUserObjData::currentLang() {
  const long lang = g_lang.load(std::memory_order_relaxed);
  return lang >= 0 ? lang : langFromEnvironment();
}

void ZEPTDBUserObjData::setCurrentLang(long lang) { g_lang.store(lang < 0 ? -1 : lang, std::memory_order_relaxed); }
