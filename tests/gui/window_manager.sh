#!/bin/sh
# Runs one window test under a virtual display with a window manager, so
# that the windows get real frames. Skipped (77) without Xvfb or openbox.
set -u
tests=$1
class=$2
function=$3
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox missing: skipped"
  exit 77
fi
export QT_QPA_PLATFORM=xcb
# Sanitizer builds: what the platform's libraries keep is not this program's leak.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan-system.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$(dirname "$0")/virtual_display.sh" sh -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  # The window manager is up once it names itself on the root window.
  for i in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.2
  done
  LUMORCA_TEST_CLASS=$1 "$0" "$2"
  rc=$?
  kill $wm 2>/dev/null
  exit $rc
' "$tests" "$class" "$function"
