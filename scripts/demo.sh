#!/usr/bin/env bash
# Builds the program and the reference server, starts the server with its demo data on free
# loopback ports and the client logged in against it. The server stops when the client ends.
#
#   bash scripts/demo.sh                  # as the demo customer (MUSTERI)
#   DEMO_HESAP=KISITLI bash scripts/demo.sh
#
# DEMO_HESAP picks the demo account: MUSTERI (customer), SATICI, FIYATYETKILI (sellers),
# KISITLI (restricted view), KAMPANYASIZ (no campaigns), PASIF (inactive), SURUM7 / SURUM5
# (the server offers another version: the update download). Further arguments go to the client.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target DravikB2B dravik-server

HESAP="${DEMO_HESAP:-MUSTERI}"
KULLANICI="$HESAP"
case "$HESAP" in SURUM7|SURUM5) KULLANICI=MUSTERI ;; esac

DEMO_DIZIN="$(mktemp -d "${TMPDIR:-/tmp}/dravik-demo-XXXXXX")"
SUNUCU_PID=""
temizle() {
  if [ -n "$SUNUCU_PID" ] && kill -0 "$SUNUCU_PID" 2>/dev/null; then
    kill "$SUNUCU_PID" 2>/dev/null || true
    wait "$SUNUCU_PID" 2>/dev/null || true
  fi
  rm -rf "$DEMO_DIZIN"
}
trap temizle EXIT INT TERM

# The remembered login of the demo account, in a settings folder of its own.
mkdir -p "$DEMO_DIZIN/config/dravik" "$DEMO_DIZIN/data"
printf '[kullanici]\r\nisim=%s\r\nsifre=1234\r\nhatırla=1\r\n' "$KULLANICI" > "$DEMO_DIZIN/config/dravik/ayar.ini"

build/server/dravik-server --port 0 --web-port 0 --demo > "$DEMO_DIZIN/sunucu.log" 2>&1 &
SUNUCU_PID=$!
PORT=""; WEB=""
for _ in $(seq 1 600); do
  if SATIR="$(grep -m1 '^DINLIYOR ' "$DEMO_DIZIN/sunucu.log" 2>/dev/null)"; then
    PORT="$(sed -n 's/.*port=\([0-9]*\).*/\1/p' <<< "$SATIR")"
    WEB="$(sed -n 's/.*web=\([0-9]*\).*/\1/p' <<< "$SATIR")"
    break
  fi
  kill -0 "$SUNUCU_PID" 2>/dev/null || { cat "$DEMO_DIZIN/sunucu.log" >&2; echo "Sunucu başlatılamadı." >&2; exit 1; }
  sleep 0.1
done
[ -n "$PORT" ] || { echo "Sunucu 60 saniyede hazır olmadı." >&2; exit 1; }
echo "Sunucu: 127.0.0.1:$PORT  web: http://127.0.0.1:$WEB/  hesap: $HESAP (DEMO-$HESAP)"

ISTEMCI=(build/session/DravikB2B --sunucu "127.0.0.1:$PORT" --web "http://127.0.0.1:$WEB/"
         --uretici "http://127.0.0.1:$WEB/" --kimlik "DEMO-$HESAP" --otomatik-giris "$@")
export XDG_CONFIG_HOME="$DEMO_DIZIN/config" XDG_DATA_HOME="$DEMO_DIZIN/data"
if [ "$(id -u)" -eq 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX:-}" ]; then
  # The web engine refuses to start as root with its sandbox on.
  echo "Not: root olarak çalışılıyor; gömülü tarayıcının korumalı alanı bu demo için kapatıldı (QTWEBENGINE_DISABLE_SANDBOX=1)." >&2
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
set +e
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Ekran bulunamadı; istemci sanal ekranda (xvfb-run) çalışıyor." >&2
  xvfb-run -a -s "-screen 0 1366x768x24" "${ISTEMCI[@]}"
else
  "${ISTEMCI[@]}"
fi
DURUM=$?
set -e
exit "$DURUM"
