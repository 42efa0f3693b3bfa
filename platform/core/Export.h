// SPDX-License-Identifier: MIT
// Which of the library's symbols a program sees.
//
// The library is built with hidden symbol visibility, so that a shared build
// exports its public interface only and its internals can change without
// breaking programs linked against it. Public headers put their declarations
// between ZEPTDB_BEGIN_EXPORTS and ZEPTDB_END_EXPORTS: the classes there
// (members, virtual tables and type information, so exceptions are caught
// across the library's boundary) and the free functions are exported.
// ZEPTDB_EXPORT marks one class or function on its own. Both change nothing in
// a static build.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define ZEPTDB_EXPORT __attribute__((visibility("default")))
#define ZEPTDB_BEGIN_EXPORTS _Pragma("GCC visibility push(default)")
#define ZEPTDB_END_EXPORTS _Pragma("GCC visibility pop")
#else
#define ZEPTDB_EXPORT
#define ZEPTDB_BEGIN_EXPORTS
#define ZEPTDB_END_EXPORTS
#endif
