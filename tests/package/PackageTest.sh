#!/usr/bin/env bash
# The release package of a Windows build, unpacked into an empty folder, runs
# under Wine (in a prefix of its own under the build folder):
#   PackageTest.sh BUILD-DIR JPEGGEN OPEN-MARKER HELP-CLICKER
# It checks that packaging twice from files of different ages gives the same
# zip, that the zip holds exactly the three files, that the unpacked report
# tool reports a generated JPEG, and that the unpacked Quantlens.exe's help icon
# opens the Quantlens.htm beside it, from its folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/wine-env.sh"
source "$root/scripts/lib/xvfb.sh"

(($# == 4)) || die "usage: PackageTest.sh BUILD-DIR JPEGGEN OPEN-MARKER HELP-CLICKER"
build=$(realpath -- "$1") jpeggen=$2 marker=$3 clicker=$4
wine_run=$root/scripts/wine-run
export QUANTLENS_WINEPREFIX=$build/wineprefix-package

fail() { note "FAIL: $*"; exit 1; }
# The path as a Windows program takes it: a leading / would be a switch.
winpath() {
  local path
  path=$(realpath -m -- "$1")
  echo "Z:${path//\//\\}"
}

work=$(mktemp -d)
opener_registered=false
cleanup() {
  $opener_registered && restore_opener
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT

check_packaging() {
  local zip
  zip=$("$root/scripts/package" "$build" "$work/package.zip")
  [[ $zip == "$work/package.zip" ]] || fail "scripts/package printed '$zip'"
  # The same programs, copied anew: other time stamps must not change the zip.
  mkdir -p "$work/copy/app" "$work/copy/cli"
  cp "$build/app/Quantlens.exe" "$work/copy/app/"
  cp "$build/cli/quantlens-report.exe" "$work/copy/cli/"
  "$root/scripts/package" "$work/copy" "$work/again.zip" >/dev/null
  cmp -s "$work/package.zip" "$work/again.zip" || fail "packaging the same files twice gave different zips"
}

check_contents() {
  local expected=$'Quantlens.exe\nQuantlens.htm\nquantlens-report.exe' unpacked=$work/unpacked
  [[ $(zipinfo -1 "$work/package.zip") == "$expected" ]] ||
    fail "zip entries: $(zipinfo -1 "$work/package.zip" | tr '\n' ' ')"
  mkdir "$unpacked"
  unzip -q "$work/package.zip" -d "$unpacked"
  [[ $(cd "$unpacked" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort) == "$expected" ]] ||
    fail "unpacked: $(ls -A "$unpacked" | tr '\n' ' ')"
  cmp -s "$unpacked/Quantlens.exe" "$build/app/Quantlens.exe" || fail "Quantlens.exe differs from the build's"
  cmp -s "$unpacked/quantlens-report.exe" "$build/cli/quantlens-report.exe" ||
    fail "quantlens-report.exe differs from the build's"
  cmp -s "$unpacked/Quantlens.htm" "$root/about/Quantlens.htm" || fail "Quantlens.htm differs from the sources'"
}

check_report() {
  local jpeg=$work/q75.jpg status=0
  "$wine_run" "$jpeggen" jpeg "$(winpath "$jpeg")" --quality 75 || fail "jpeggen failed"
  "$wine_run" "$work/unpacked/quantlens-report.exe" "$(winpath "$jpeg")" >"$work/report.txt" || status=$?
  ((status == 0)) || fail "quantlens-report.exe exited with $status: $(cat "$work/report.txt")"
  local table
  for table in 1 2; do
    grep -qF "量化表 $table: 精确匹配 IJG 质量 75（基线或非基线）" "$work/report.txt" ||
      fail "no exact quality-75 match for table $table in the report: $(cat "$work/report.txt")"
  done
}

reg() { "$WINE_LOADER" reg "$@" >/dev/null 2>&1; }

# The marker program opens ".htm" files and records its command line there.
register_opener() {
  local class=QuantlensTest.PackageOpener
  reg export 'HKCR\.htm' "$(winpath "$work/htm.reg")" /y || rm -f "$work/htm.reg"
  opener_registered=true
  reg add 'HKCR\.htm' /ve /d "$class" /f || fail "cannot register the .htm opener"
  reg add "HKCR\\$class\\shell\\open\\command" /ve /f \
      /d "\"$(winpath "$marker")\" \"$(winpath "$work/opened.txt")\" \"%1\"" ||
    fail "cannot register the .htm opener's command"
}

restore_opener() {
  reg delete 'HKCR\QuantlensTest.PackageOpener' /f || true
  reg delete 'HKCR\.htm' /f || true
  [[ ! -f $work/htm.reg ]] || reg import "$(winpath "$work/htm.reg")" || note "cannot restore .htm"
}

check_help_page() {
  local unpacked=$work/unpacked program status=0 i
  register_opener
  "$wine_run" "$unpacked/Quantlens.exe" &
  program=$!
  "$wine_run" "$clicker" "$(winpath "$work/opened.txt")" || status=$?
  for ((i = 0; i < 200 && status == 0; i++)); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program" 2>/dev/null; then
    kill -TERM "$program"
    wait "$program" || true
    ((status)) || fail "Quantlens.exe did not end when its dialog was closed"
  fi
  ((status == 0)) || fail "the help icon did not open the page (clicker exit code $status)"
  wait "$program" || fail "Quantlens.exe exited with $?"

  local command folder want_page want_folder
  { read -r command; read -r folder; } <"$work/opened.txt"
  want_folder=$(winpath "$unpacked")
  want_page="\"$want_folder\\Quantlens.htm\""
  [[ ${command,,} == *"${want_page,,}"* ]] || fail "opener ran '$command', not on $want_page"
  [[ ${folder,,} == "${want_folder,,}" ]] || fail "opener ran in '$folder', not in $want_folder"
}

check_packaging
check_contents
xvfb_need_display
wine_select "$work/unpacked/Quantlens.exe"
wine_prefix_ready
check_report
check_help_page
note "package test passed"
