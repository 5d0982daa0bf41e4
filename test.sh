#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite offscreen.
set -euo pipefail
KOK="$(cd "$(dirname "$0")" && pwd)"
. "$KOK/tools/ortam.sh"
paketleri_kur
derle

export QT_QPA_PLATFORM=offscreen

# The server tests also run on PostgreSQL when it is installed: a private
# server on loopback in a temporary directory, gone when the run ends.
PGBIN=/usr/lib/postgresql/15/bin
PGDIR=""
pg_durdur() {
  if [ -n "$PGDIR" ]; then
    runuser -u postgres -- "$PGBIN/pg_ctl" -D "$PGDIR/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$PGDIR"
  fi
}
trap pg_durdur EXIT
if [ -x "$PGBIN/pg_ctl" ] && [ "$(id -u)" -eq 0 ] && id postgres >/dev/null 2>&1; then
  PGDIR="$(mktemp -d /tmp/mivo-pg.XXXXXX)"
  chown postgres "$PGDIR"
  PGPORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  runuser -u postgres -- "$PGBIN/initdb" -D "$PGDIR/data" -U postgres -A trust >/dev/null
  runuser -u postgres -- "$PGBIN/pg_ctl" -D "$PGDIR/data" -l "$PGDIR/log" -w \
    -o "-p $PGPORT -k $PGDIR -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=300" start >/dev/null
  export MIVO_TEST_PG="postgresql://postgres@127.0.0.1:$PGPORT/postgres"
  echo "PostgreSQL for the tests on port $PGPORT"
fi

cd "$KOK/build"
ctest --output-on-failure --timeout 900 -j2 "$@"
