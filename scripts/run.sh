#!/usr/bin/env bash
# Installs what is missing, builds, and starts KRT CONFIG.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" -DKRT_BUILD_TESTS=OFF -DKRT_BUILD_BENCH=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "KRT CONFIG is a desktop program and there is no display here (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "Run it in a desktop session, or under a virtual one: xvfb-run -a $root/build/krt-config" >&2
  exit 1
fi
exec "$root/build/krt-config" "$@"
