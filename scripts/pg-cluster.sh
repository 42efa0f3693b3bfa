#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A throw-away PostgreSQL cluster for tests: `start DIR [PID]` makes one in DIR
# that listens only on a Unix socket there and prints its connection URI, and
# with PID stops it once that process has ended, however it ended; `stop DIR`
# stops it; `restart DIR` stops it cleanly and starts it again. The packages
# come from scripts/deps.sh (postgresql, libpq-dev).
set -euo pipefail

usage() {
  echo "usage: $0 start DIR [PID] | restart DIR | stop DIR" >&2
  exit 2
}
[[ $# == 2 || ($# == 3 && $1 == start) ]] || usage
action=$1
dir=$2
owner_pid=${3:-}
[[ -z $owner_pid || $owner_pid =~ ^[0-9]+$ ]] || usage
[[ -n $dir ]] || usage
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

bindir=
for d in /usr/lib/postgresql/*/bin; do
  [[ -x $d/initdb && -x $d/pg_ctl ]] && bindir=$d  # the newest version sorts last
done
if [[ -z $bindir ]]; then
  echo "pg-cluster: initdb not found under /usr/lib/postgresql (install postgresql)" >&2
  exit 3
fi

# The server refuses to run as root: then the postgres user owns the cluster.
as_owner=()
if [[ $(id -u) -eq 0 ]]; then
  id postgres >/dev/null 2>&1 || {
    echo "pg-cluster: running as root and there is no postgres user" >&2
    exit 3
  }
  as_owner=(runuser -u postgres --)
fi

data=$dir/data

# The folder as a URI query value: every byte outside a safe set is %XX.
uri_encode() {
  local LC_ALL=C s=$1 out= c i
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    case $c in
      [A-Za-z0-9/._~-]) out+=$c ;;
      *) out+=$(printf '%%%02X' "'$c") ;;
    esac
  done
  printf '%s' "$out"
}
# The port only names the socket file; a per-folder one keeps clusters apart.
port=$((40000 + $(printf '%s' "$dir" | cksum | cut -d' ' -f1) % 20000))

case $action in
  start)
    if [[ ! -f $data/PG_VERSION ]]; then
      if [[ -n ${as_owner[*]} ]]; then
        chown postgres: "$dir"
        "${as_owner[@]}" test -x "$dir" || {
          echo "pg-cluster: the postgres user cannot reach $dir (a parent folder is private)" >&2
          exit 3
        }
      fi
      # Byte-order collation, as SQLite compares text; trust on the socket,
      # which only the owner and root can reach (mode 0700 below).
      "${as_owner[@]}" "$bindir/initdb" -D "$data" -U postgres -A trust -E UTF8 --locale=C \
        --no-sync >"$dir/initdb.log" 2>&1 || {
        cat "$dir/initdb.log" >&2
        exit 1
      }
    fi
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" status >/dev/null 2>&1 ||
      "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" -l "$dir/server.log" -w -s \
      -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c unix_socket_permissions=0700 -p $port -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
      start || {
      cat "$dir/server.log" >&2
      exit 1
    }
    if [[ -n $owner_pid ]]; then
      # A watcher of its own session, with no tie to the caller's output.
      setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
        "${@:3}" "$2/pg_ctl" -D "$0" -m immediate -w -s stop' "$data" "$owner_pid" "$bindir" "${as_owner[@]}" \
        </dev/null >/dev/null 2>&1 &
    fi
    echo "postgresql:///postgres?host=$(uri_encode "$dir")&port=$port&user=postgres"
    ;;
  restart)
    # A clean stop, so that commits made without waiting for the disk stay.
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" -m fast -w -s restart >/dev/null
    ;;
  stop)
    [[ -f $data/postmaster.pid ]] || exit 0
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" -m immediate -w -s stop
    ;;
  *) usage ;;
esac
