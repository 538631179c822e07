#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already
# present. Uses sudo only when not run as root.
#
#   setup.sh          what building, running, the tests and the screenshots need
#   setup.sh --run    only what building and running KRT CONFIG need
#   setup.sh P...     the packages named
set -euo pipefail

# Building and running: the compiler, Qt 6 (its platform plugins come with
# qt6-base-dev) and the conversion program.
run_packages=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev
  libudev-dev libblkid-dev
  ffmpeg
)
# The tests, the benchmarks, the screenshots and the package checks.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  dosfstools exfatprogs
  dpkg-dev desktop-file-utils appstream groff-base
)
packages=("${run_packages[@]}" "${test_packages[@]}")
if [ "${1:-}" = --run ]; then
  packages=("${run_packages[@]}")
elif [ $# -gt 0 ]; then
  packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if ! command -v apt-get >/dev/null 2>&1; then
  echo "setup: these packages are missing and there is no apt-get to install them: ${missing[*]}" >&2
  exit 1
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
