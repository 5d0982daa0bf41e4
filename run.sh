#!/usr/bin/env bash
# Builds, starts mivo-server with its database in the user's data folder, and starts mivo.
set -euo pipefail
KOK="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY is not set); start it from a desktop session." >&2
  exit 1
fi
. "$KOK/tools/ortam.sh"
paketleri_kur
derle

VERI="${XDG_DATA_HOME:-$HOME/.local/share}/mivo-server"
mkdir -p "$VERI"
DB="$VERI/mivo.sqlite"
SUNUCU="$KOK/build/mivo-server"

if [ ! -f "$DB" ]; then
  echo "First start: creating the demo database in $DB"
  "$SUNUCU" --database "$DB" --seed-demo || true
fi
# The demo account belongs to this computer, so the login finds it.
if [ -x "$KOK/build/mivo-kimlik" ] && "$SUNUCU" --help 2>&1 | grep -q register-account; then
  KIMLIK="$("$KOK/build/mivo-kimlik")"
  "$SUNUCU" --database "$DB" register-account --computer "$KIMLIK" --user DEMO --password 1234 \
    --type 3 --customer-code DEMO >/dev/null 2>&1 || true
  echo "Demo login: user name DEMO, password 1234"
fi

"$SUNUCU" --database "$DB" --port 9091 --web-port 9092 > "$VERI/server.out" 2>&1 &
SPID=$!
trap 'kill $SPID 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do grep -q '^PORT' "$VERI/server.out" 2>/dev/null && break; sleep 0.2; done
if ! grep -q '^PORT' "$VERI/server.out"; then
  echo "run.sh: mivo-server did not start:" >&2; cat "$VERI/server.out" >&2; exit 1
fi
echo "mivo-server listening on 9091 (web side 9092)"
"$KOK/build/mivo"
