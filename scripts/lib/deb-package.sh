# shellcheck shell=bash
# The Debian package of quantlens-report, made from a native build's
# cmake --install into a staging root under build/. Source it after common.sh;
#   make_deb WORK BUILD-DIR DEB-PATH VERSION
# stages in the empty folder WORK (the caller removes it) and writes DEB-PATH. The same build gives the same package, byte for byte: every
# time stamp is SOURCE_DATE_EPOCH (else the last commit's time), owners are
# root, modes fixed, and dpkg-deb stores the entries in sorted order.

DEB_FILES=$QUANTLENS_ROOT/scripts/deb
DEB_DOC=usr/share/doc/quantlens-report

# The Depends line of the staged program, as dpkg-shlibdeps finds it from the
# libraries it links (it wants debian/control above the staging root).
deb_depends() {
  local work=$1 program=$2
  mkdir -p "$work/debian"
  printf 'Source: quantlens\n\nPackage: quantlens-report\nArchitecture: any\n' >"$work/debian/control"
  (cd "$work" && dpkg-shlibdeps -O "$program") | sed -n 's/^shlibs:Depends=//p'
}

# Installed-Size in KiB, counted as dpkg-gencontrol does: each file rounded up
# to a KiB, each folder or link one, the control folder left out.
deb_installed_size() {
  find "$1" -mindepth 1 -path "$1/DEBIAN" -prune -o -printf '%y %s\n' |
    awk '{ total += ($1 == "f") ? int(($2 + 1023) / 1024) : 1 } END { print total }'
}

deb_control() {  # deb_control VERSION DEPENDS INSTALLED-SIZE
  cat <<EOF
Package: quantlens-report
Version: $1
Architecture: $(dpkg --print-architecture)
Maintainer: Quantlens 开发组 <quantlens@example.com>
Installed-Size: $3
Depends: $2
Section: graphics
Priority: optional
Homepage: https://quantlens.example.com/
Description: tell how JPEG files were compressed
 quantlens-report reads the headers of JPEG files, never the image data,
 through the IJG JPEG library and reports how each was compressed: size,
 colour space, sampling, progression, Huffman optimization, the
 quantization tables, the IJG quality they were most likely made with and
 how closely they follow IJG's rule.
 .
 Every table is compared bit for bit with IJG's tables at every quality and
 with those of mozjpeg, ffmpeg's MJPEG encoder and Pillow's presets
 (Photoshop's tables), so that recompressed files and their encoders can be
 told. Output as text (with the labels of the Quantlens dialog, in
 Simplified Chinese), JSON lines or CSV; folders are walked with several
 threads.
EOF
}

make_deb() {
  local work=$1 build=$2 deb=$3 version=$4 root=$1/debian/quantlens-report
  local epoch=${SOURCE_DATE_EPOCH:-$(git -C "$QUANTLENS_ROOT" log -1 --format=%ct)}
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
  [[ -x $root/usr/bin/quantlens-report ]] || die "cmake --install of $build gave no usr/bin/quantlens-report"
  # As Debian's own packages are stripped: no symbols, no compiler notes.
  strip --strip-unneeded --remove-section=.comment --remove-section=.note "$root/usr/bin/quantlens-report"
  gzip -9n "$root"/usr/share/man/man1/quantlens-report.1 "$root"/usr/share/man/zh_CN/man1/quantlens-report.1
  install -d "$root/$DEB_DOC"
  install -m 644 "$DEB_FILES/copyright" "$root/$DEB_DOC/copyright"
  gzip -9n <"$DEB_FILES/changelog.Debian" >"$root/$DEB_DOC/changelog.Debian.gz"
  gzip -9n <"$QUANTLENS_ROOT/README.md" >"$root/$DEB_DOC/README.md.gz"

  # dpkg-shlibdeps finds the package's root by its DEBIAN folder.
  install -d "$root/DEBIAN"
  local depends size
  depends=$(deb_depends "$work" "$root/usr/bin/quantlens-report")
  [[ $depends == *libjpeg62-turbo* ]] || die "dpkg-shlibdeps found no libjpeg62-turbo: '$depends'"
  size=$(deb_installed_size "$root")
  deb_control "$version" "$depends" "$size" >"$root/DEBIAN/control"

  find "$root" -type d -exec chmod 755 {} +
  find "$root" -type f -exec chmod 644 {} +
  chmod 755 "$root/usr/bin/quantlens-report"
  (cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
  chmod 644 "$root/DEBIAN/md5sums"
  find "$root" -exec touch -h -d "@$epoch" {} +
  mkdir -p "$(dirname "$deb")"
  SOURCE_DATE_EPOCH=$epoch dpkg-deb --build --root-owner-group -Zxz "$root" "$deb" >/dev/null
}
