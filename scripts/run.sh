#!/usr/bin/env bash
# Builds Velmora and starts the client on the embedded SQLite database.
# The first start creates the database in build/bin/data/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/velmora "$@"
