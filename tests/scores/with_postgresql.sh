#!/usr/bin/env bash
# Runs a command with a throwaway PostgreSQL cluster: initdb in a temporary folder, a server on
# 127.0.0.1 and a free port, the address in ZINDREL_TEST_POSTGRESQL; the cluster is stopped and
# removed afterwards. The server runs as an unprivileged user (PostgreSQL refuses root). Exits 77
# (skipped) when Debian's postgresql package is missing.
#   with_postgresql.sh COMMAND [ARGUMENT]...
set -euo pipefail
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
[ -x "$bin/initdb" ] || { echo "skipped: PostgreSQL's server programs are missing"; exit 77; }

work=$(mktemp -d)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  id -u "$owner" >/dev/null 2>&1 || owner=nobody
  chown "$owner" "$work"
  as_owner=(runuser -u "$owner" --)
fi
stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap stop EXIT

"${as_owner[@]}" "$bin/initdb" -D "$work/data" -U scores -A trust -E UTF8 --no-locale \
  >"$work/initdb.log" 2>&1 || { cat "$work/initdb.log"; exit 1; }
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"${as_owner[@]}" "$bin/pg_ctl" -D "$work/data" -l "$work/server.log" -w -t 30 \
  -o "-h 127.0.0.1 -p $port -k $work -c fsync=off" start >/dev/null ||
  { cat "$work/server.log"; exit 1; }
"$bin/createdb" -h 127.0.0.1 -p "$port" -U scores zindrel_test
export ZINDREL_TEST_POSTGRESQL="postgresql://scores@127.0.0.1:$port/zindrel_test"
"$@"
