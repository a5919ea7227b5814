#!/usr/bin/env bash
# Builds the program and starts it at this terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target varnholt_pk >/dev/null
exec ./build/src/varnholt_pk "$@"
