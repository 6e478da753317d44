#!/usr/bin/env bash
# Runs the record reader's fuzz target briefly on the seed corpus.
#   tests/fuzz/run.sh <build dir configured with -DDRAVIK_FUZZ=ON and clang>
set -euo pipefail
kok="$(cd "$(dirname "$0")" && pwd)"
yapi="${1:?usage: run.sh <build dir>}"
hedef="$(find "$yapi" -name kayit_fuzz -type f -perm -u+x | head -n 1)"
if [ -z "$hedef" ]; then
  echo "kayit_fuzz not found under $yapi (configure with -DDRAVIK_FUZZ=ON and clang)" >&2
  exit 1
fi
# new inputs go to a scratch corpus; the committed seeds stay as they are
calisma="$(mktemp -d)"
trap 'rm -rf "$calisma"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
"$hedef" -max_total_time="${FUZZ_SURE:-20}" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$yapi/kayit_fuzz-" "$calisma" "$kok/corpus"
