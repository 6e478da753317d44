#!/usr/bin/env bash
# Builds the program and the reference server, starts the server with demo data and the
# client logged in against it. Ends when the client window is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target DravikB2B dravik-server
exec build/session/DravikB2B "$@"
