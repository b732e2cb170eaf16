# shellcheck shell=bash
# The win32 Wine prefix kept as an archive, for machines where it is made
# inside the emulated machine (scripts/vm32): its overlay is gone at power-off,
# and a new prefix takes minutes there. The archive lives in build/vm32/out,
# the folder that comes back, and is used while Wine's version is the one that
# made it, with the settings it has now.
# Source it after common.sh and wine-env.sh.

WIN32_PREFIX_ARCHIVE=$QUANTLENS_ROOT/build/vm32/out/wineprefix-win32.tar
# Records of 512 KiB, one 9p message each: tar's default 10 KiB records make
# the ~600 MB archive take minutes through the emulated machine's share.
WIN32_PREFIX_TAR_BLOCKS=1024

win32_prefix_key() {
  echo "$(dpkg-query -W -f '${Version}' wine32:i386) $(wine_registry_settings | sha256sum | cut -c1-16)"
}

# win32_prefix_archive_fits KEY
win32_prefix_archive_fits() {
  [[ -f $WIN32_PREFIX_ARCHIVE && -f $WIN32_PREFIX_ARCHIVE.key && $(<"$WIN32_PREFIX_ARCHIVE.key") == "$1" ]]
}

# win32_prefix_ready EXE: selects the loader and prefix for the 32-bit EXE,
# unpacks the archived prefix when it fits, makes the prefix otherwise and
# archives it for the next run.
win32_prefix_ready() {
  local key
  key=$(win32_prefix_key)
  wine_select "$1"
  if [[ ! -d $WINEPREFIX ]] && win32_prefix_archive_fits "$key"; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    tar -b "$WIN32_PREFIX_TAR_BLOCKS" -xf "$WIN32_PREFIX_ARCHIVE" -C "$(dirname "$WINEPREFIX")"
  fi
  wine_prefix_ready
  if ! win32_prefix_archive_fits "$key"; then
    note "archiving the win32 prefix in $WIN32_PREFIX_ARCHIVE"
    mkdir -p "$(dirname "$WIN32_PREFIX_ARCHIVE")"
    tar -b "$WIN32_PREFIX_TAR_BLOCKS" -cf "$WIN32_PREFIX_ARCHIVE.new" -C "$(dirname "$WINEPREFIX")" "$(basename "$WINEPREFIX")"
    mv "$WIN32_PREFIX_ARCHIVE.new" "$WIN32_PREFIX_ARCHIVE"
    echo "$key" >"$WIN32_PREFIX_ARCHIVE.key"
  fi
}
