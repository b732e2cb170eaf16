# shellcheck shell=bash
# A private X server for scripts that show windows on a machine without a display.
# Source it after common.sh:
#   xvfb_start; trap xvfb_stop EXIT     # always a server of our own, DISPLAY exported
#   xvfb_need_display                   # the same, but only when DISPLAY is unset
# Only the server started here is ever stopped, by its process id. The server is not a
# job of the calling shell, so a bare "wait" there does not wait for it.

QUANTLENS_XVFB_PID=
QUANTLENS_XVFB_DISPLAY=

xvfb_start() {
  local numfile log i
  numfile=$(mktemp)
  log=$(mktemp)
  # -displayfd picks a free display number and reports it once the server accepts clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" </dev/null >"$log" 2>&1 &
  QUANTLENS_XVFB_PID=$!
  disown "$QUANTLENS_XVFB_PID"
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
  QUANTLENS_XVFB_DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
  export DISPLAY=$QUANTLENS_XVFB_DISPLAY
  rm -f "$numfile" "$log"
}

xvfb_need_display() {
  [[ -n ${DISPLAY:-} ]] || xvfb_start
}

# xvfb_wait_unused DISPLAY
# Waits (at most a minute) until no Wine process uses DISPLAY any more: Wine's
# helper processes (explorer.exe holds the desktop) outlive the program by a moment,
# and longer while other programs of the same prefix run.
xvfb_wait_unused() {
  local line="DISPLAY=$1" deadline=$((SECONDS + 60)) users
  while ((SECONDS < deadline)); do
    # The search runs without these variables so that it does not find itself.
    users=$(
      unset DISPLAY WINEPREFIX
      grep -lzx "$line" /proc/[0-9]*/environ 2>/dev/null |
        xargs -r grep -lz '^WINEPREFIX=' 2>/dev/null || true
    )
    [[ -z $users ]] && return 0
    sleep 0.1
  done
}

xvfb_stop() {
  [[ -n $QUANTLENS_XVFB_PID ]] || return 0
  local pid=$QUANTLENS_XVFB_PID i
  QUANTLENS_XVFB_PID=
  [[ -z $QUANTLENS_XVFB_DISPLAY ]] || xvfb_wait_unused "$QUANTLENS_XVFB_DISPLAY"
  QUANTLENS_XVFB_DISPLAY=
  kill "$pid" 2>/dev/null || return 0
  for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null || true
}
