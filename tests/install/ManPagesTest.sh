#!/usr/bin/env bash
# The manual pages build with CMake's default generator on Linux, Unix Makefiles,
# which (unlike Ninja) makes no folder for a rule's output:
#   ManPagesTest.sh WORK-DIR
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/common.sh"

(($# == 1)) || die "usage: ManPagesTest.sh WORK-DIR"
work=$1
rm -rf "$work"
cmake -S "$root/tests/install/man-pages" -B "$work" -G "Unix Makefiles" >"$work.log" 2>&1 &&
  cmake --build "$work" >>"$work.log" 2>&1 || { cat "$work.log"; die "FAIL: the pages do not build with Unix Makefiles"; }
for page in quantlens-report.1 zh_CN/quantlens-report.1; do
  [[ -s $work/man/$page ]] || die "FAIL: no $page"
done
note "the pages build with Unix Makefiles"
