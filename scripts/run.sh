#!/usr/bin/env bash
# Builds the program and starts it at this terminal. Each step says so as it
# starts, on standard error, so a first build of half a minute is not taken
# for a hang, and the program's own output is all that standard output gets.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
echo "==> Configuring the build in build/" >&2
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
echo "==> Building varnholt_pk" >&2
cmake --build build -j"$(nproc)" --target varnholt_pk >&2
echo "==> Starting build/src/varnholt_pk" >&2
exec ./build/src/varnholt_pk "$@"
