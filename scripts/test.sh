#!/usr/bin/env bash
# Builds everything and runs every test; ends with the test runner's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

# The record reader's fuzz target is built with clang's libFuzzer and run briefly.
if [ -f tests/fuzz/CMakeLists.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDRAVIK_FUZZ=ON
  cmake --build build-fuzz -j "$JOBS" --target dravik_fuzz_all
  bash tests/fuzz/run.sh build-fuzz
fi

ctest --test-dir build --output-on-failure -j "$JOBS" --timeout 900
