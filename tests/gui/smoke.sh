#!/bin/sh
# Starts the program on a listing under a virtual display, waits until its
# title names the loaded component, checks it is still running, closes it.
set -u
program=$1
listing=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  "$0" "$1" &
  pid=$!
  found=""
  for i in $(seq 1 100); do
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
