#!/usr/bin/env bash
# Installs, through the system's package manager, what a fresh Debian machine
# lacks to build and test the program. Installs nothing that is already there.
set -euo pipefail

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
if [ "${1:-}" = "--tests" ]; then
  command -v clang-format >/dev/null || need+=(clang-format)
  command -v gs >/dev/null || need+=(ghostscript)
  command -v nm >/dev/null || need+=(binutils)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev googletest)
  [ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
fi
[ ${#need[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "==> Updating the package lists (apt-get update)" >&2
$sudo apt-get update -qq
echo "==> Installing ${need[*]} (apt-get install)" >&2
$sudo apt-get install -y -qq "${need[@]}" >/dev/null
