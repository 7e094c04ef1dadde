#!/usr/bin/env bash
# Sets up, builds and starts Zentrova.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [[ "$(uname -s)" == Linux && -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "zentrova: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, or use build/cli/zentrova-calc" >&2
  exit 1
fi
exec build/app/zentrova "$@"
