# shellcheck shell=bash
# Wine settings shared by the scripts: the project's own prefixes under build/, quiet logs,
# no Mono/Gecko prompts, a UTF-8 locale (Wine cannot make Chinese file names without one),
# WenQuanYi Zen Hei for the Chinese dialog font and no crash dialog (a crash exits with 5).
# Source it after common.sh, then call wine_select PROGRAM and wine_prefix_ready.

# Debian's loaders: "wine" runs 32-bit programs, "wine64" 64-bit ones.
WINE_LOADER_DIR=/usr/lib/wine

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [[ $(locale charmap 2>/dev/null) != UTF-8 ]]; then
  unset LC_ALL LC_CTYPE
  export LANG=C.UTF-8
fi

# Prints 32 or 64 for a Windows executable, nothing for anything else.
pe_bits() {
  local file=$1 header
  [[ -f $file && $(head -c 2 "$file") == MZ ]] || return 0
  header=$(od -An -tu4 -j60 -N4 "$file" | tr -d ' ')
  case $(od -An -tx2 -j$((header + 4)) -N2 "$file" | tr -d ' ') in
    014c) echo 32 ;;
    8664) echo 64 ;;
  esac
}

# Some kernels are built or booted without 32-bit support; the 32-bit loader tells.
host_runs_32bit() {
  "$WINE_LOADER_DIR/wine" --version >/dev/null 2>&1
}

# Picks the loader and the prefix for PROGRAM: 32-bit programs run in a win32 prefix,
# 64-bit ones in a win64 prefix. Anything else (wineboot, notepad) takes what the host runs.
wine_select() {
  local bits
  bits=$(pe_bits "$1")
  if [[ -z $bits ]]; then
    if host_runs_32bit; then bits=32; else bits=64; fi
  fi
  if ((bits == 32)); then
    host_runs_32bit ||
      die "$1 is a 32-bit program, and this kernel cannot run 32-bit code (ia32 emulation" \
        "is off): build with -DQUANTLENS_MINGW_ARCH=x86_64 to run it under Wine here"
    WINE_LOADER=$WINE_LOADER_DIR/wine
  else
    WINE_LOADER=$WINE_LOADER_DIR/wine64
  fi
  export WINEARCH=win$bits
  export WINEPREFIX=${QUANTLENS_WINEPREFIX:-$QUANTLENS_ROOT/build/wineprefix-$WINEARCH}
}

wine_registry_settings() {
  local font="WenQuanYi Zen Hei"
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    "\"宋体\"=\"$font\"" "\"SimSun\"=\"$font\"" "\"新宋体\"=\"$font\"" "\"NSimSun\"=\"$font\"" '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
    '"ShowCrashDialog"=dword:00000000' ''
}

# Creates the selected prefix and applies the settings once; later calls return at once.
# A new prefix is made under a temporary name and renamed when complete, so that an
# interrupted first run leaves nothing half made. A lock keeps parallel test runs from
# preparing it twice.
wine_prefix_ready() {
  local stamp=$WINEPREFIX/.quantlens-settings id
  id=$(wine_registry_settings | sha256sum | cut -c1-16)
  [[ -f $stamp && $(<"$stamp") == "$id" ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [[ -f $stamp && $(<"$stamp") == "$id" ]] && exit 0
    note "preparing the Wine prefix $WINEPREFIX (once)"
    local target=$WINEPREFIX log=$WINEPREFIX.log
    if [[ ! -d $target ]]; then
      export WINEPREFIX=$target.new
      rm -rf "$WINEPREFIX"
      # The Wine processes must not inherit the lock: the wineserver outlives this block.
      "$WINE_LOADER" wineboot --init 9>&- >"$log" 2>&1 || { cat "$log" >&2; die "wineboot failed"; }
    fi
    wine_apply_settings "$log" 9>&-
    echo "$id" >"$WINEPREFIX/.quantlens-settings"
    [[ $WINEPREFIX == "$target" ]] || mv "$WINEPREFIX" "$target"
  ) 9>"$WINEPREFIX.lock"
}

# wine_apply_settings LOG: writes the settings into the registry of WINEPREFIX.
wine_apply_settings() {
  local log=$1 reg=$WINEPREFIX/quantlens-settings.reg
  # regedit takes non-ASCII value names only from a UTF-16LE file with a byte-order mark.
  { printf '\xff\xfe'; wine_registry_settings | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  "$WINE_LOADER" regedit /S "Z:${reg//\//\\}" >>"$log" 2>&1 || { cat "$log" >&2; die "regedit failed"; }
  # The registry reaches the disk when the wineserver ends.
  wineserver -w
}
