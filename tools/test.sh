#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test twice: a normal
# build in build/, whose Debian package lintian checks, and one with
# AddressSanitizer and UBSan in build-asan/; then the tests of the parts
# without Qt in a Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

ensure_packages
# Window tests run without a display.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

configure_and_build build
run_tests build
./tools/check-package.sh build

configure_and_build build-asan -DLUMORCA_SANITIZE=ON
ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=0:detect_stack_use_after_return=1}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
  run_tests build-asan

# The parts without Qt cross-built for Windows, their tests run under Wine.
./tools/build-windows.sh -DLUMORCA_TESTS=ON
run_windows_tests build-windows
