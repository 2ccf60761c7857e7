# Sourced by the scripts that run Windows programs: one Wine prefix for the
# project, a private X display when none is given, and a persistent
# wineserver so each program start does not pay Wine's start-up.
MENUWRIGHT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
export WINEPREFIX="${MENUWRIGHT_WINEPREFIX:-$MENUWRIGHT_ROOT/build/wineprefix}"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

# A display counts as running only while the Xvfb named in its lock file
# runs: a killed Xvfb leaves its lock and socket behind.
menuwright_xvfb_alive() {
  local lock="/tmp/.X$1-lock" pid
  [ -f "$lock" ] || return 1
  pid="$(tr -d ' ' < "$lock")"
  [ -n "$pid" ] && grep -q Xvfb "/proc/$pid/cmdline" 2>/dev/null &&
    ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$pid/stat" 2>/dev/null
}

menuwright_display() {
  if [ -n "${MENUWRIGHT_DISPLAY:-}" ]; then export DISPLAY="$MENUWRIGHT_DISPLAY"; return; fi
  # Tests use their own Xvfb so they never draw on the user's screen.
  local num="${MENUWRIGHT_XVFB_DISPLAY:-97}"
  export DISPLAY=":$num"
  if ! menuwright_xvfb_alive "$num"; then
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    (Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do menuwright_xvfb_alive "$num" && [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.1; done
  fi
}

menuwright_wine_ready() {
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  menuwright_display
  # A persistent wineserver first, so that Wine's system processes start once
  # from here, with no output attached. Started later from a test program
  # they would inherit its output pipe, and CTest would wait on that pipe
  # for as long as the server lives.
  "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
  # The registry files appear only when the wineserver writes them, so a
  # marker of our own says that the prefix has been set up.
  if [ ! -f "$WINEPREFIX/.menuwright-ready" ]; then
    # No Mono or Gecko downloads: this machine has no network, and their
    # install prompts would block every test.
    WINEDLLOVERRIDES="mscoree=;mshtml=" "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # Xvfb runs no window manager: let Wine draw captions and frames itself so
    # windows and screenshots look as they do on Windows.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.menuwright-ready"
  fi
  # The first program a fresh wineserver runs starts Wine's system processes
  # (services, desktop, RPC), and in a new prefix pays for the font cache.
  # Run it here, with no output attached, on every start: from a test program
  # those processes would inherit its output pipe and keep CTest waiting
  # until its timeout.
  "$WINE64" rundll32.exe user32.dll,MessageBeep </dev/null >/dev/null 2>&1 || true
  flock -u 9
  exec 9>&-
}
