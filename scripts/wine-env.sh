# Sourced by the scripts that run Windows programs: one Wine prefix for the
# project, a private X display when none is given, and a persistent
# wineserver so each program start does not pay Wine's start-up.
MENUWRIGHT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
export WINEPREFIX="${MENUWRIGHT_WINEPREFIX:-$MENUWRIGHT_ROOT/build/wineprefix}"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

menuwright_display() {
  if [ -n "${MENUWRIGHT_DISPLAY:-}" ]; then export DISPLAY="$MENUWRIGHT_DISPLAY"; return; fi
  # Tests use their own Xvfb so they never draw on the user's screen.
  local num="${MENUWRIGHT_XVFB_DISPLAY:-97}"
  export DISPLAY=":$num"
  if [ ! -e "/tmp/.X11-unix/X$num" ]; then
    (Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.1; done
  fi
}

menuwright_wine_ready() {
  menuwright_display
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  # The registry files appear only when the wineserver writes them, so a
  # marker of our own says that the prefix has been set up.
  if [ ! -f "$WINEPREFIX/.menuwright-ready" ]; then
    # No Mono or Gecko downloads: this machine has no network, and their
    # install prompts would block every test.
    WINEDLLOVERRIDES="mscoree=;mshtml=" "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # Xvfb runs no window manager: let Wine draw captions and frames itself so
    # windows and screenshots look as they do on Windows.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # The first program with a window in a new prefix pays for the desktop
    # and the font cache; pay it here rather than inside a test's timeout.
    "$WINE64" rundll32.exe user32.dll,MessageBeep >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.menuwright-ready"
  fi
  "$WINESERVER" -p >/dev/null 2>&1 || true
  flock -u 9
  exec 9>&-
}
