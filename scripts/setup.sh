#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need,
# skipping those already present. Uses sudo only when not run as root.
# With arguments, installs those packages instead.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev
  libudev-dev libblkid-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  ffmpeg
  xvfb xauth imagemagick
  dosfstools exfatprogs
  dpkg-dev desktop-file-utils appstream
)
if [ $# -gt 0 ]; then
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
