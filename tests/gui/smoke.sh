#!/bin/sh
# Starts the program on a listing under a virtual display, waits until its
# title names the loaded component (up to 90 s: sanitizer builds on a busy
# machine start slowly), checks it is still running, closes it.
set -u
program=$1
listing=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
# The real window on the virtual display, whatever the other tests run on.
export QT_QPA_PLATFORM=xcb

"$(dirname "$0")/virtual_display.sh" sh -c '
  "$0" "$1" &
  pid=$!
  found=""
  for i in $(seq 1 450); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\[ORDERS\] Corvane Source Analyzer"; then
      found=yes
      break
    fi
    sleep 0.2
  done
  if [ -z "$found" ]; then
    echo "no window titled [ORDERS] Corvane Source Analyzer"
    xwininfo -root -tree | grep -i corvane
    kill $pid 2>/dev/null
    exit 1
  fi
  sleep 1
  if ! kill -0 $pid 2>/dev/null; then
    echo "the program ended after loading"
    exit 1
  fi
  kill -TERM $pid
  wait $pid 2>/dev/null
  exit 0
' "$program" "$listing"
