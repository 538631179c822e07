#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the
# native suites (CTest), then the web page in a real browser.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" -DKRT_BUILD_TESTS=ON -DKRT_BUILD_BENCH=ON
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

# The web page: built to WebAssembly, then driven in Debian's chromium
# (headless, puppeteer-core from web/package-lock.json) against the card
# files the desktop flow writes, made by this run's native build.
bash "$root/scripts/web.sh" >/dev/null
"$root/build/tests/krt_web_expected" "$root/build/web-expected"
bash "$root/scripts/setup.sh" chromium
# Debian's npm only where there is no npm: a node installed otherwise brings its own.
command -v npm >/dev/null 2>&1 || bash "$root/scripts/setup.sh" npm
(cd "$root/web" && npm ci --no-audit --no-fund --loglevel=error)
(cd "$root/web" && KRT_SITE_DIR="$root/build-web/site" KRT_EXPECTED_DIR="$root/build/web-expected" \
  node --test tests/)
