#!/bin/sh
# Installs what is missing, builds Pellam Vornic and starts it:
#   ./run.sh [FILE]
set -eu
cd "$(dirname "$0")"
sh scripts/install-deps.sh
sh scripts/build.sh >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. Pellam Vornic is a desktop program: run it on a desktop session," >&2
    echo "or under a virtual display:  xvfb-run -a ./run.sh ${1:-FILE}" >&2
    exit 1
fi
exec ./build/bin/vornic "$@"
