# shellcheck shell=bash
# Shared by the scripts: the repository root and plain messages.
# Source it; it defines QUANTLENS_ROOT from its own location.

QUANTLENS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

note() { printf '%s: %s\n' "${0##*/}" "$*" >&2; }
die() { note "error: $*"; exit 1; }
