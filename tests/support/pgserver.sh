#!/usr/bin/env bash
# Starts or stops a throwaway PostgreSQL server on 127.0.0.1 for the tests.
#   pgserver.sh start DIR PORT PASSWORD   (creates the role "sa" with PASSWORD)
#   pgserver.sh stop DIR PORT
set -euo pipefail
action=$1 dir=$2 port=$3
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ]; then
  echo "PostgreSQL server binaries not found (install the package postgresql)" >&2
  exit 1
fi

# The server refuses to run as root: run it as the postgres user then.
as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
start)
  password=$4
  if [ -f "$dir/data/postmaster.pid" ] && as_owner "$bindir/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
    echo "PostgreSQL test server already running on port $port"
    exit 0
  fi
  rm -rf "$dir"
  mkdir -p "$dir"
  [ "$(id -u)" = 0 ] && chown postgres: "$dir"
  pwfile=$(mktemp)
  echo "$password" > "$pwfile"
  chmod 644 "$pwfile"
  as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth-local=trust --auth-host=scram-sha-256 \
      --pwfile="$pwfile" -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log"; exit 1; }
  rm -f "$pwfile"
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
      start >/dev/null || { cat "$dir/server.log"; exit 1; }
  as_owner "$bindir/psql" -h "$dir" -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 -q \
      -c "CREATE ROLE sa LOGIN CREATEDB PASSWORD '$password'" >/dev/null
  echo "PostgreSQL test server started on 127.0.0.1:$port"
  ;;
stop)
  if [ -d "$dir/data" ]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
    rm -rf "$dir"
  fi
  echo "PostgreSQL test server stopped"
  ;;
*)
  echo "usage: $0 start|stop DIR PORT [PASSWORD]" >&2
  exit 2
  ;;
esac
