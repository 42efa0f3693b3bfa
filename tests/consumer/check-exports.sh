#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The library exports what zeptdb.h reaches and nothing else:
#   check-exports.sh SOURCE_DIR [SHARED_LIBRARY]
# Every header zeptdb.h reaches marks its declarations for export and no
# other header does; given a shared library, it exports the host's version
# query and no symbol that names an internal class or function, Boost,
# Clipper, SQLite, libmdb or libdime.
set -euo pipefail
root=${1:?usage: check-exports.sh SOURCE_DIR [SHARED_LIBRARY]}
library=${2:-}
cd "$root"
failed=0

# The headers zeptdb.h reaches through quoted includes.
declare -A public=()
todo=(zeptdb.h)
while ((${#todo[@]})); do
  header=${todo[0]}
  todo=("${todo[@]:1}")
  [[ -n ${public[$header]:-} || ! -f $header ]] && continue
  public[$header]=1
  while read -r included; do
    todo+=("$included")
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$header")
done

internal=()
while read -r header; do
  if [[ -n ${public[$header]:-} ]]; then
    [[ $header == platform/core/Export.h ]] && continue
    if ! grep -q '^ZEPTDB_BEGIN_EXPORTS$' "$header" || ! grep -q '^ZEPTDB_END_EXPORTS$' "$header"; then
      echo "$header: declarations not between ZEPTDB_BEGIN_EXPORTS and ZEPTDB_END_EXPORTS"
      failed=1
    fi
  else
    internal+=("$header")
    if grep -q 'ZEPTDB_BEGIN_EXPORTS\|ZEPTDB_EXPORT\b' "$header"; then
      echo "$header: internal (zeptdb.h does not reach it) but marked for export"
      failed=1
    fi
  fi
done < <(find platform database section preview -name '*.h' | sort)

if [[ -n $library ]]; then
  # Names that internal headers define and no public header's code defines
  # or calls: classes, and functions declared at namespace scope
  # (unindented). A class that public headers only name (an opaque handle a
  # public class holds) may appear in a public member's parameters, but
  # nothing of its own may be exported: its members, its type information,
  # or a template instantiated over it.
  publicText=$(sed 's://.*$::' "${!public[@]}")
  names=()
  handles=()
  while read -r name; do
    [[ -z $name ]] && continue
    if grep -qE "((class|struct|enum( class)?) $name( final)?[[:space:]]*[:{]|\b$name\()" <<<"$publicText"; then
      continue
    elif grep -qw "$name" <<<"$publicText"; then
      handles+=("(^|[^A-Za-z0-9_])$name::|for ([A-Za-z0-9_]+::)*$name\$|^[^(]*<([^()]*[^A-Za-z0-9_])?$name[^A-Za-z0-9_]")
    else
      names+=("$name([^A-Za-z0-9_]|\$)")
    fi
  done < <(sed -nE 's/^[[:space:]]*(class|struct) ([A-Za-z_][A-Za-z0-9_]*)( final)?[[:space:]]*[:{].*/\2/p' "${internal[@]}" | sort -u)
  while read -r name; do
    [[ -z $name ]] && continue
    grep -qE "\b$name\(" <<<"$publicText" || names+=("$name\\(")
  done < <(grep -hE '^[A-Za-z].*[A-Za-z0-9_]\(' "${internal[@]}" |
    grep -vE '^(namespace|using|typedef|struct|class|enum|template|return|if|for|while)\b' |
    sed -nE 's/^[^(=]*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)\(.*/\1/p' | sort -u)
  pattern='(^|[^A-Za-z0-9_])(boost::|ClipperLib::|sqlite3|mdb_|dime'
  for name in "${names[@]}"; do pattern+="|$name"; done
  pattern+=')'
  for handle in "${handles[@]}"; do pattern+="|$handle"; done
  symbols=$(nm -D --defined-only -C "$library" | cut -d' ' -f3-)
  leaks=$(grep -E "$pattern" <<<"$symbols" || true)
  count=$(wc -l <<<"$symbols")
  # The host looks this one up by its C name.
  if ! grep -qx 'dtrxGetApiVersion' <<<"$symbols"; then
    echo "$library does not export dtrxGetApiVersion"
    failed=1
  fi
  if [[ -n $leaks ]]; then
    echo "$library exports internal names:"
    echo "$leaks"
    failed=1
  else
    echo "$library: $count symbols, none internal"
  fi
fi
exit $failed
