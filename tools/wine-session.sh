# Shared by tools/run-e2e and tools/demo (sourced, not run): a private X server and a private Wine
# prefix, both cleaned up when the calling script exits, however it exits.
#   start_wine_session PREFIX_DIR [WIDTHxHEIGHT]
#                                   starts Xvfb (a screen of 1024x768 unless given), exports
#                                   DISPLAY and the Wine settings, and makes the prefix the first
#                                   time (quietly)
#   prepare_wine_prefix PREFIX_DIR  exports the Wine settings and makes the prefix the first time
#                                   (quietly); tools/run-veltrano uses it alone, on the real display
#   windows_path UNIX_PATH          prints the path as Wine's drive Z: spells it

wine_session_xvfb_pid=
wine_session_display_file=

end_wine_session() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$wine_session_xvfb_pid" ]; then
    kill "$wine_session_xvfb_pid" 2>/dev/null || true
    wait "$wine_session_xvfb_pid" 2>/dev/null || true
  fi
  if [ -n "$wine_session_display_file" ]; then
    rm -f "$wine_session_display_file"
  fi
}

prepare_wine_prefix() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  export LC_ALL=C.UTF-8
  # No Mono or Gecko: nothing here needs them, and their installers would ask to download.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    if ! wineboot -i </dev/null >/dev/null 2>&1; then
      echo "wine-session: cannot make the Wine prefix $WINEPREFIX" >&2
      return 1
    fi
    wineserver -w
  fi
}

start_wine_session() {
  trap end_wine_session EXIT
  trap 'exit 130' INT TERM HUP

  # Xvfb picks a free display number itself and writes it to fd 3.
  wine_session_display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$wine_session_display_file" \
    </dev/null >/dev/null 2>&1 &
  wine_session_xvfb_pid=$!
  local waited=0
  while [ ! -s "$wine_session_display_file" ]; do
    if ! kill -0 "$wine_session_xvfb_pid" 2>/dev/null || [ $waited -ge 100 ]; then
      echo "wine-session: Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(tr -dc 0-9 <"$wine_session_display_file")"

  prepare_wine_prefix "$1" || return 1
  if [ ! -f "$WINEPREFIX/veltrano-session-ready" ]; then
    # Every program of the prefix runs inside Wine's virtual desktop: it draws the captions, and
    # with no window manager to answer, Wine would wait two seconds whenever a window is hidden.
    if ! wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
      </dev/null >/dev/null 2>&1 ||
      ! wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        </dev/null >/dev/null 2>&1; then
      echo "wine-session: cannot switch on the virtual desktop in $WINEPREFIX" >&2
      return 1
    fi
    wineserver -w
    touch "$WINEPREFIX/veltrano-session-ready"
  fi
}

windows_path() {
  local path
  path=$(realpath "$1")
  printf 'Z:%s\n' "${path//\//\\}"
}
