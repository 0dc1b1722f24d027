# Sourced by the scripts that run Windows programs: a Wine prefix inside the build folder,
# an Xvfb display of our own (or the user's), and one wineserver for the whole session.
# Everything started here is ended by pid in mewlark_wine_stop.

mewlark_wine_start() {
  local prefix=$1 use_display=${2:-private}
  mkdir -p "$prefix"
  export WINEPREFIX
  WINEPREFIX=$(readlink -f "$prefix")
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  MEWLARK_XVFB_PID=""
  MEWLARK_WINESERVER_PID=""

  if [ "$use_display" = private ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 250); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
      Xvfb ":$n" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
      MEWLARK_XVFB_PID=$!
      local i
      for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$MEWLARK_XVFB_PID" 2>/dev/null || break
        sleep 0.05
      done
      if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$MEWLARK_XVFB_PID" 2>/dev/null; then
        export DISPLAY=":$n"
        break
      fi
      kill "$MEWLARK_XVFB_PID" 2>/dev/null; wait "$MEWLARK_XVFB_PID" 2>/dev/null
      MEWLARK_XVFB_PID=""
    done
    [ -n "$MEWLARK_XVFB_PID" ] || { echo "no free X display for Xvfb" >&2; return 1; }
  fi

  wineserver -f -p >/dev/null 2>&1 &
  MEWLARK_WINESERVER_PID=$!

  if [ ! -f "$WINEPREFIX/.mewlark-ready" ]; then
    timeout -k 5 300 wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
    # A crash must end the process, not wait for a debugger on a display nobody watches.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d false /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    local font
    for font in "Segoe UI" "Microsoft YaHei" "Microsoft YaHei UI"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    touch "$WINEPREFIX/.mewlark-ready"
  fi
  # Start Wine's own services now, with their output going nowhere: started by the first test
  # program they would hold its output pipe open and CTest would wait for them forever.
  timeout -k 5 120 wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
  export MEWLARK_WINE_READY=1
}

mewlark_wine_stop() {
  if [ -n "${MEWLARK_WINESERVER_PID:-}" ]; then
    timeout 10 wineserver -k >/dev/null 2>&1
    kill "$MEWLARK_WINESERVER_PID" 2>/dev/null
    wait "$MEWLARK_WINESERVER_PID" 2>/dev/null
    MEWLARK_WINESERVER_PID=""
  fi
  if [ -n "${MEWLARK_XVFB_PID:-}" ]; then
    kill "$MEWLARK_XVFB_PID" 2>/dev/null
    wait "$MEWLARK_XVFB_PID" 2>/dev/null
    MEWLARK_XVFB_PID=""
  fi
  unset MEWLARK_WINE_READY
}
