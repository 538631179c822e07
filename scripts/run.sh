#!/usr/bin/env bash
# Builds and starts KRT CONFIG, installing only what building and running it
# need (scripts/test.sh installs the test tools). Looks for a display first,
# so that nothing is installed or built where the program cannot open.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "KRT CONFIG is a desktop program and there is no display here (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "Run it in a desktop session, or under a virtual one: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

bash "$root/scripts/setup.sh" --run
bash "$root/scripts/build.sh" -DKRT_BUILD_TESTS=OFF -DKRT_BUILD_BENCH=OFF
exec "$root/build/krt-config" "$@"
