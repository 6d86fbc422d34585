#!/usr/bin/env bash
# Installs, builds, prepares a demo working folder demo/ and starts Tenvora there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p demo
if [ ! -f demo/Data.dx ]; then
  (cd demo && ../build/bin/tenvora-initdb --demo)
fi
cd demo
# Without a desktop session (a bare server, CI), run on a virtual display.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop session here: Tenvora runs on a virtual display, where nobody can see it." >&2
  echo "Run scripts/demo.sh from a desktop to use it; Ctrl+C ends it." >&2
  exec xvfb-run -a ../build/bin/tenvora
fi
exec ../build/bin/tenvora
