#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the program on the example listing.
# Without a display it shows on the terminal what the program makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

example=examples/orders.pro
ensure_packages
configure_and_build build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cli=./build/cli/lumorca-cli
  echo "Lumorca analyses Corvane 4GL listings. The structure of $example:"
  "$cli" structure "$example"
  echo
  echo "What \"lumorca-cli check\" finds in it:"
  # Exit status 1 only says that there were findings.
  "$cli" check "$example" 2>&1 || (($? == 1))
  echo
  echo "No display for the window here: run this on a desktop, over ssh -X, or under xvfb-run."
  exit 0
fi
exec ./build/app/Lumorca7 "$example"
