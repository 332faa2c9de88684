# Shared settings of the project's scripts; sourced, never run.
# shellcheck shell=bash
REPAIR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
REPAIR_CACHE="${REPAIR_CACHE:-$HOME/.cache/velmora-repair}"
REPAIR_DEPS_PREFIX="$REPAIR_CACHE/mingw"
export REPAIR_ROOT REPAIR_CACHE REPAIR_DEPS_PREFIX

# Wine: a private 64-bit prefix, quiet, without Mono or menu entries, and a
# Chinese locale so the ANSI code page is 936.
export WINEPREFIX="${REPAIR_WINEPREFIX:-$REPAIR_CACHE/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
# On a new machine the locale exists only once setup has made it: bash's
# warning about it until then says nothing useful.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 2>/dev/null

repair_wine() {
  if command -v wine64 >/dev/null 2>&1; then echo wine64
  elif [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64
  else echo wine; fi
}

# The socket of the prefix's wineserver: there while a server runs for
# WINEPREFIX (other prefixes' servers on this machine are no concern).
repair_wineserver_socket() {
  local dev ino
  dev=$(stat -c %d "$WINEPREFIX") ino=$(stat -c %i "$WINEPREFIX")
  printf '/tmp/.wine-%s/server-%x-%x/socket' "$(id -u)" "$dev" "$ino"
}
