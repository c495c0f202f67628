#!/usr/bin/env bash
# Builds the Debian package from an existing build directory (default build/)
# and has lintian check it: any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."

dir="${1:-build}"
log="$dir/lumorca-package.log"
rm -f "$dir"/*.deb
if ! (cd "$dir" && cpack -G DEB) >"$log" 2>&1; then
  cat "$log" >&2
  echo "Packaging in $dir failed." >&2
  exit 1
fi
deb="$(ls "$dir"/*.deb)"
if ! lintian --fail-on error,warning --info "$deb" >>"$log" 2>&1; then
  cat "$log" >&2
  echo "lintian rejects $deb." >&2
  exit 1
fi
echo "$deb: lintian reports no error and no warning"
