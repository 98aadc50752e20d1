#!/usr/bin/env bash
# Builds Velmora and runs every test: each database test on SQLite and on a
# throwaway PostgreSQL server that CTest starts on 127.0.0.1 and stops again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build
exec ctest --output-on-failure -j"$(nproc)"
