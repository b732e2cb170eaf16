# A private X server for scripts that show windows on a machine without a display.
# Source it after common.sh and wine-env.sh:
#   xvfb_start; trap xvfb_stop EXIT     # always a server of our own, DISPLAY exported
#   xvfb_need_display                   # the same, but only when DISPLAY is unset
# Only the server started here is ever stopped, by its process id.

QUANTLENS_XVFB_PID=

xvfb_start() {
  local numfile log i
  numfile=$(mktemp)
  log=$(mktemp)
  # -displayfd picks a free display number and reports it once the server accepts clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" </dev/null >"$log" 2>&1 &
  QUANTLENS_XVFB_PID=$!
  for ((i = 0; i < 200; i++)); do
    [[ -s $numfile ]] && break
    kill -0 "$QUANTLENS_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [[ ! -s $numfile ]]; then
    cat "$log" >&2
    rm -f "$numfile" "$log"
    xvfb_stop
    die "Xvfb did not start"
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
  rm -f "$numfile" "$log"
}

xvfb_need_display() {
  [[ -n ${DISPLAY:-} ]] || xvfb_start
}

xvfb_stop() {
  [[ -n $QUANTLENS_XVFB_PID ]] || return 0
  # Wine's helper processes outlive the program by a moment and still hold the display.
  wine_wait_idle
  kill "$QUANTLENS_XVFB_PID" 2>/dev/null || true
  wait "$QUANTLENS_XVFB_PID" 2>/dev/null || true
  QUANTLENS_XVFB_PID=
}
