#!/bin/sh
# Runs a command on a virtual display of its own. The server picks a free
# display number itself, so runs that start at the same time never share one.
set -u
dir=$(mktemp -d)
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/server.log" &
server=$!
for i in $(seq 1 150); do
  [ -s "$dir/display" ] && break
  kill -0 $server 2>/dev/null || break
  sleep 0.2
done
if [ ! -s "$dir/display" ]; then
  echo "the virtual display did not start"
  cat "$dir/server.log"
  exit 1
fi
DISPLAY=:$(head -n 1 "$dir/display")
export DISPLAY
"$@"
