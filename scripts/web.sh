#!/usr/bin/env bash
# Builds the web page (the core compiled to WebAssembly, and the page's own
# files) into build-web/site/: static files only, served by any static host:
#
#   bash scripts/web.sh
#   python3 -m http.server -d build-web/site     # then http://localhost:8000
#
# Installs Debian's Emscripten when it is missing (through sudo when not run
# as root). Two parallel jobs: the machines this runs on have two cores.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" cmake make emscripten node-acorn

# Debian's Emscripten runs its JavaScript tools with the node on PATH, which
# may be another node than Debian's and then misses Debian's modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S "$root" -B "$root/build-web" -DCMAKE_BUILD_TYPE=Release \
  -DKRT_BUILD_GUI=OFF -DKRT_BUILD_TESTS=OFF -DKRT_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-web" -j2 --target krt_site
echo "$root/build-web/site"
