#!/usr/bin/env bash
# ctest fixture around scripts/report_server.py.
#   report_server_fixture.sh start DIR TITLE   starts it in the background;
#                                              DIR/address (HOST:PORT),
#                                              DIR/title, DIR/requests.log
#   report_server_fixture.sh stop DIR          stops it
set -euo pipefail
action=$1 dir=$2
server="$(cd "$(dirname "$0")/../.." && pwd)/scripts/report_server.py"

stop() {
  if [ -f "$dir/server.pid" ]; then
    local pid
    pid=$(cat "$dir/server.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$dir/server.pid"
  fi
}

case $action in
  start)
    title=$3
    mkdir -p "$dir"
    stop
    rm -f "$dir/address" "$dir/requests.log"
    printf '%s' "$title" >"$dir/title"
    nohup python3 "$server" --title "$title" --log "$dir/requests.log" --address-file "$dir/address" \
      >"$dir/server.out" 2>&1 </dev/null &
    echo $! >"$dir/server.pid"
    for _ in $(seq 100); do
      [ -s "$dir/address" ] && { echo "report server at $(cat "$dir/address")"; exit 0; }
      sleep 0.1
    done
    echo "report server did not start:" >&2
    cat "$dir/server.out" >&2
    stop
    exit 1
    ;;
  stop) stop ;;
  *) echo "usage: $0 start DIR TITLE | stop DIR" >&2; exit 2 ;;
esac
