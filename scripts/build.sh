#!/usr/bin/env bash
# Configures and builds everything into build/ (two parallel jobs: the
# machines this runs on have two cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/build" -j2
