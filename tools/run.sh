#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the program on the example listing.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

ensure_packages
configure_and_build build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display to show the window on; the listing as the command-line tool reads it:"
  ./build/cli/lumorca-cli lines examples/orders.pro
  exit 0
fi
exec ./build/app/Lumorca7 examples/orders.pro
