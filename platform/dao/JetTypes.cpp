// SPDX-License-Identifier: MIT
// Jet type names, DAO type numbers and variant types mapped to and from
// declared SQLite column types.
#include "platform/dao/JetTypes.h"

#include <array>
#include <stdexcept>

namespace zept::dao {
namespace {

constexpr int VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_DATE = 7, VT_BSTR = 8, VT_BOOL = 11,
              VT_UI1 = 17;

constexpr JetTypeInfo kLong{VT_I4, 4, "INTEGER", false, false};
constexpr JetTypeInfo kCounter{VT_I4, 4, "INTEGER", false, true};
constexpr JetTypeInfo kShort{VT_I2, 3, "SMALLINT", false, false};
constexpr JetTypeInfo kByte{VT_UI1, 2, "TINYINT", false, false};
constexpr JetTypeInfo kDouble{VT_R8, 7, "DOUBLE", false, false};
constexpr JetTypeInfo kSingle{VT_R4, 6, "REAL", false, false};
constexpr JetTypeInfo kText{VT_BSTR, 10, "TEXT", true, false};
constexpr JetTypeInfo kMemo{VT_BSTR, 12, "LONGTEXT", false, false};
constexpr JetTypeInfo kBit{VT_BOOL, 1, "BIT", false, false};
constexpr JetTypeInfo kDate{VT_DATE, 8, "DATETIME", false, false};
constexpr JetTypeInfo kCurrency{VT_R8, 5, "CURRENCY", false, false};

struct Named {
  std::string_view name;  // upper case
  const JetTypeInfo* type;
};

constexpr std::array kNames{
    Named{"INTEGER", &kLong},       Named{"LONG", &kLong},         Named{"INT", &kLong},
    Named{"INTEGER4", &kLong},      Named{"COUNTER", &kCounter},   Named{"AUTOINCREMENT", &kCounter},
    Named{"SMALLINT", &kShort},     Named{"SHORT", &kShort},       Named{"INTEGER2", &kShort},
    Named{"TINYINT", &kByte},       Named{"BYTE", &kByte},         Named{"DOUBLE", &kDouble},
    Named{"FLOAT", &kDouble},       Named{"FLOAT8", &kDouble},     Named{"NUMBER", &kDouble},
    Named{"NUMERIC", &kDouble},     Named{"REAL", &kSingle},       Named{"SINGLE", &kSingle},
    Named{"FLOAT4", &kSingle},      Named{"TEXT", &kText},         Named{"VARCHAR", &kText},
    Named{"CHAR", &kText},          Named{"CHARACTER", &kText},    Named{"STRING", &kText},
    Named{"ALPHANUMERIC", &kText},  Named{"LONGTEXT", &kMemo},     Named{"MEMO", &kMemo},
    Named{"NOTE", &kMemo},          Named{"LONGCHAR", &kMemo},     Named{"BIT", &kBit},
    Named{"YESNO", &kBit},          Named{"LOGICAL", &kBit},       Named{"LOGICAL1", &kBit},
    Named{"BOOLEAN", &kBit},        Named{"DATETIME", &kDate},     Named{"DATE", &kDate},
    Named{"TIME", &kDate},          Named{"TIMESTAMP", &kDate},    Named{"CURRENCY", &kCurrency},
    Named{"MONEY", &kCurrency},
};

bool equalsUpper(std::string_view text, std::string_view upper) noexcept {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

bool isSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isTypeChar(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The leading type word of a declaration and where the rest starts.
std::string_view leadingWord(const char* decl, const char** rest) noexcept {
  while (isSpace(*decl)) ++decl;
  const char* end = decl;
  while (isTypeChar(*end)) ++end;
  *rest = end;
  return {decl, static_cast<std::size_t>(end - decl)};
}

const JetTypeInfo* typeOfDecl(const char* decl, const char** rest) noexcept {
  if (decl == nullptr) return nullptr;
  return findJetType(leadingWord(decl, rest));
}

}  // namespace

const JetTypeInfo* findJetType(std::string_view name) noexcept {
  for (const Named& n : kNames)
    if (equalsUpper(name, n.name)) return n.type;
  return nullptr;
}

int variantTypeFromDecl(const char* decl) noexcept {
  const char* rest = nullptr;
  const JetTypeInfo* type = typeOfDecl(decl, &rest);
  return type ? type->variantType : 0;
}

int daoTypeFromDecl(const char* decl) noexcept {
  const char* rest = nullptr;
  const JetTypeInfo* type = typeOfDecl(decl, &rest);
  return type ? type->daoType : 0;
}

long textSizeFromDecl(const char* decl) noexcept {
  const char* p = nullptr;
  const JetTypeInfo* type = typeOfDecl(decl, &p);
  if (type == nullptr || !type->sized) return 0;
  while (isSpace(*p)) ++p;
  if (*p != '(') return 0;
  ++p;
  while (isSpace(*p)) ++p;
  long size = 0;
  const char* digits = p;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (size > 100'000'000) return 0;  // not a size anyone declares
    size = size * 10 + (*p - '0');
  }
  if (p == digits) return 0;
  while (isSpace(*p)) ++p;
  return *p == ')' ? size : 0;
}

std::string declFromDaoType(int daoType, long size) {
  switch (daoType) {
    case 1: return "BIT";
    case 2: return "TINYINT";
    case 3: return "SMALLINT";
    case 4: return "INTEGER";
    case 5: return "CURRENCY";
    case 6: return "REAL";
    case 7: return "DOUBLE";
    case 8: return "DATETIME";
    case 12: return "LONGTEXT";
    case 10:
      if (size < 0 || size > 255) throw std::invalid_argument("text field size must be 0 to 255");
      return "TEXT(" + std::to_string(size == 0 ? 255 : size) + ")";
    default: throw std::invalid_argument("unsupported DAO field type " + std::to_string(daoType));
  }
}

}  // namespace zept::dao
