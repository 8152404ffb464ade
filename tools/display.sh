# Sourced by the Wine tools: makes sure DISPLAY names a usable X server, starting a private Xvfb when none does.
# Sets velkor_started_xvfb to the pid of a server it started (empty otherwise).
velkor_started_xvfb=""
velkor_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  velkor_started_xvfb=$!
  local number
  read -r -t 20 number <"$fifo" || number=""
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "display.sh: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}
velkor_stop_display() {
  if [ -n "$velkor_started_xvfb" ]; then
    kill "$velkor_started_xvfb" 2>/dev/null
    wait "$velkor_started_xvfb" 2>/dev/null
    velkor_started_xvfb=""
  fi
}
