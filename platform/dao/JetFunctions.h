// SPDX-License-Identifier: MIT
// Jet's built-in functions for SQLite, under the names translateJetSql emits:
//
//   zept_ucase(s) zept_lcase(s)        UCase, LCase: Unicode case mapping
//   zept_len(s)                        Len: length in characters
//   zept_trim(s) zept_ltrim(s) zept_rtrim(s)   spaces only
//   zept_mid(s, start[, n])            Mid: 1-based, in characters
//   zept_left(s, n) zept_right(s, n)   Left, Right
//   zept_instr([start,] s, t)          InStr: 1-based position, 0 when absent; binary comparison
//   zept_iif(c, a, b)                  IIf: a when c is non-zero, b when zero or NULL
//   zept_nz(v[, d])                    Nz: v, or d (empty text without d) when v is NULL
//
// A NULL argument gives NULL, as in Jet, except for IIf's condition and Nz.
// A negative length or a start below 1 is an error ("Invalid procedure call"),
// as in Jet. Text is UTF-8; numbers are taken as their text where text is due.
// All functions are deterministic and innocuous.
#pragma once

struct sqlite3;

namespace zept::dao {

// Registers the functions on `db`. Throws std::runtime_error when SQLite
// refuses (out of memory).
void registerJetFunctions(sqlite3* db);

}  // namespace zept::dao
