#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the program on the example listing.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

ensure_packages
configure_and_build build
./build/cli/lumorca-cli lines examples/orders.pro
