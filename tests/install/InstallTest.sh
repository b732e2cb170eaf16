#!/usr/bin/env bash
# quantlens-report as a user installs it, from a native build:
#   InstallTest.sh BUILD-DIR
# cmake --install into an empty prefix lays out exactly the program and its two
# manual pages; scripts/package --deb gives the same package twice, with the
# expected files and a Depends on libjpeg62-turbo, and lintian finds no error
# in it; unpacked into an empty root, its program reports the real samples
# exactly as the build's own does, and man renders both pages without a
# warning, naming every option that --help names.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/common.sh"

(($# == 1)) || die "usage: InstallTest.sh BUILD-DIR"
build=$(realpath -- "$1")
samples=$root/../shared/jpeg-samples/files
pages=(share/man/man1/quantlens-report.1 share/man/zh_CN/man1/quantlens-report.1)
export LC_ALL=C.UTF-8

fail() { note "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check_cmake_install() {
  local prefix=$work/prefix expected
  cmake --install "$build" --prefix "$prefix" >/dev/null
  expected=$(printf '%s\n' bin/quantlens-report "${pages[@]}" | LC_ALL=C sort)
  [[ $(cd "$prefix" && find . -mindepth 1 ! -type d -printf '%P\n' | LC_ALL=C sort) == "$expected" ]] ||
    fail "cmake --install laid out: $(cd "$prefix" && find . ! -type d | tr '\n' ' ')"
  [[ -x $prefix/bin/quantlens-report ]] || fail "the installed program is not executable"
}

check_deb() {
  local deb=$work/package.deb expected found
  [[ $("$root/scripts/package" --deb "$build" "$deb") == "$deb" ]] || fail "scripts/package printed another path"
  "$root/scripts/package" --deb "$build" "$work/again.deb" >/dev/null
  cmp -s "$deb" "$work/again.deb" || fail "packaging the same build twice gave different packages"
  expected=$(printf '%s\n' usr/bin/quantlens-report "${pages[@]/#/usr/}" |
             sed 's/\.1$/.1.gz/' && printf 'usr/share/doc/quantlens-report/%s\n' README.md.gz changelog.Debian.gz copyright)
  found=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)
  [[ $found == "$(LC_ALL=C sort <<<"$expected")" ]] || fail "package files: $(dpkg-deb -c "$deb")"
  [[ $(dpkg-deb -f "$deb" Depends) == *"libjpeg62-turbo (>="* ]] || fail "Depends: $(dpkg-deb -f "$deb" Depends)"
  if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || fail "lintian: $(cat "$work/lintian.txt")"
  else
    note "lintian is not installed (scripts/setup installs it): not run"
  fi
  dpkg -x "$deb" "$work/root"
}

check_installed_program() {
  local installed=$work/root/usr/bin/quantlens-report own=$build/cli/quantlens-report
  [[ $("$installed" --version) == "$("$own" --version)" ]] || fail "--version differs from the build's"
  if [[ ! -d $samples ]]; then
    note "no sample folder at $samples (it exists only in the project's workplace): the sample run is skipped"
    return
  fi
  local status=0 own_status=0
  "$installed" -r --json "$samples" >"$work/installed.jsonl" 2>"$work/installed.err" || status=$?
  "$own" -r --json "$samples" >"$work/own.jsonl" 2>"$work/own.err" || own_status=$?
  ((status == own_status)) || fail "the installed program exited with $status, the build's with $own_status"
  [[ -s $work/own.jsonl ]] || fail "the build's program reported nothing on $samples"
  cmp -s "$work/installed.jsonl" "$work/own.jsonl" || fail "the installed program's report differs from the build's"
  cmp -s "$work/installed.err" "$work/own.err" || fail "the installed program's messages differ from the build's"
}

# Both pages render through man without a warning and name every option of
# --help (long and short).
check_manual_pages() {
  local page text options option
  options=$("$work/root/usr/bin/quantlens-report" --help | grep -oE '(^|[ ,])--?[a-z0-9][a-z-]*' | tr -d ' ,' | sort -u)
  for page in "${pages[@]/#/usr/}"; do
    text=$(MANWIDTH=80 MANROFFOPT=-ww man -l "$work/root/$page.gz" 2>"$work/man.err") ||
      fail "man -l $page failed: $(cat "$work/man.err")"
    [[ ! -s $work/man.err ]] || fail "man -l $page warned: $(cat "$work/man.err")"
    [[ $text == *"quantlens-report"* ]] || fail "$page renders without the program's name"
    for option in $options; do
      grep -qF -- "$option" <<<"$text" || fail "$page does not name $option"
    done
  done
}

check_cmake_install
check_deb
check_installed_program
check_manual_pages
note "install test passed"
