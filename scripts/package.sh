#!/usr/bin/env bash
# Builds the Debian package of KRT CONFIG (krt-config, krt-cli, menu entry,
# icons, metainfo, man page) into build-package/ and prints its path.
# Installs the Debian packages the build needs when they are missing (through
# sudo when not run as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-package

# What building the programs and the package needs; the test-only packages
# stay with the full list of setup.sh. dpkg-dev brings dpkg-shlibdeps, which
# CPack runs to name the libraries the programs link.
bash "$root/scripts/setup.sh" cmake g++ make qt6-base-dev qt6-svg-dev libudev-dev libblkid-dev ffmpeg dpkg-dev

# Compiled as Debian compiles its own packages: dpkg-buildflags gives -O2 and
# the hardening flags. Release's own -O3 is left out; it gains nothing here,
# and GCC 12 at -O3 reports false -Wrestrict warnings inside std::string.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DKRT_BUILD_TESTS=OFF -DKRT_BUILD_BENCH=OFF >/dev/null
# Two parallel jobs: the machines this runs on have two cores.
cmake --build "$build" -j2

rm -f "$build"/krt-config_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/krt-config_*.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "package: cpack made no krt-config_*.deb in $build" >&2
  exit 1
fi
echo "${debs[0]}"
