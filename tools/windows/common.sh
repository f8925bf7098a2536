# shellcheck shell=sh
# What the Windows scripts share: where the Windows Qt lies, where Windows
# programs built here find their DLLs, and how they run under wine. Sourced
# (POSIX sh), not run: . tools/windows/common.sh

# The Qt version built for Windows; the host Qt tools must be the same.
qt_version=6.4.2
# The cache outside the repository for the Windows Qt and wine.
anagrove_cache="${XDG_CACHE_HOME:-$HOME/.cache}/anagrove"
# The Windows Qt: ANAGROVE_QT_WINDOWS, else its place in the cache.
qt_windows="${ANAGROVE_QT_WINDOWS:-$anagrove_cache/qt-$qt_version-mingw-w64}"

# Prints, one a line, the folders holding the DLLs that the Windows programs
# built here load beyond Windows' own: the Windows Qt's, then mingw's runtime.
windows_dll_dirs() {
  echo "$qt_windows/bin"
  dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)"
  echo /usr/x86_64-w64-mingw32/lib
}

# use_wine_prefix DIR: wine runs quietly in the prefix DIR, made when it is
# missing; a new prefix asks for nothing (no .NET, no HTML engine, no messages).
# WINEDEBUG and WINEDLLOVERRIDES, when set, are kept.
use_wine_prefix() {
  export WINEPREFIX="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  [ ! -d "$WINEPREFIX" ] || return 0
  echo "Making the wine prefix $WINEPREFIX" >&2
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot --init >/dev/null 2>&1
  wineserver -w
}

# within COMMAND...: runs COMMAND until it succeeds, for 30 seconds at most.
within() {
  for _ in $(seq 300); do
    "$@" 2>/dev/null && return
    sleep 0.1
  done
  false
}
