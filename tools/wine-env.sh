# Sourced by the Wine tools: the private 32-bit prefix under the build folder, initialised once.
velkor_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VELKOR_WINEPREFIX:-$velkor_root/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=-all
# Without a UTF-8 locale CreateFileA fails on names with umlauts.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}

velkor_init_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.velkor-ready-2" ]; then
      wineboot -i </dev/null >/dev/null 2>&1
      # Without a window manager, every hide or close would stall for two seconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
      # A program that crashes ends at once instead of waiting in the debugger until a test's time runs out.
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f \
        </dev/null >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.velkor-ready-2"
    fi
  ) 9>"$WINEPREFIX.lock"
}
