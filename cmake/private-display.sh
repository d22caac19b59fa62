# Sourced by the scripts that run Wine. ensure_display leaves DISPLAY naming a
# usable X display, starting a private Xvfb on a free display number when
# there is none; stop_private_display stops that Xvfb again, together with
# the Wine server that draws on it.

private_xvfb=""

ensure_display() {
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local fd number
  # Xvfb writes the display number it took to the pipe once it is ready.
  exec {fd}< <(Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>&1 >/dev/null 2>&1 & echo "pid $!")
  read -r _ private_xvfb <&"$fd"
  read -r number <&"$fd"
  export DISPLAY=":$number"
}

stop_private_display() {
  [[ -n "$private_xvfb" ]] || return 0
  wineserver -k >/dev/null 2>&1 || true
  kill "$private_xvfb" 2>/dev/null || true
  private_xvfb=""
}
