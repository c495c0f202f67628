#!/usr/bin/env bash
# Cross-builds the parts without Qt and lumorca-cli.exe for 64-bit Windows
# with MinGW-w64, linked statically, in build-windows/. More CMake options
# may follow, for example -DLUMORCA_TESTS=ON (the tests then run under Wine,
# see windows_tests in tools/common.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

ensure_packages "${LUMORCA_WINDOWS_PACKAGES[@]}"
configure_and_build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DLUMORCA_GUI=OFF -DLUMORCA_TESTS=OFF "$@"
echo "Built build-windows/cli/lumorca-cli.exe"
