#!/usr/bin/env bash
# Makes the .deb of a configured and built tree with CPack, unpacks it with
# dpkg-deb into a scratch root, and checks the files, the package fields, the
# desktop integration a user's menu relies on, the licence files and the man
# pages.
#
#   check-package.sh SOURCE_DIR CPACK_CONFIG VERSION HAS_GUI HAS_CLI
set -euo pipefail

if [ $# -ne 5 ]; then
  echo "usage: $0 SOURCE_DIR CPACK_CONFIG VERSION HAS_GUI HAS_CLI" >&2
  exit 2
fi
source_dir=$1
cpack_config=$2
version=$3
has_gui=$4
has_cli=$5

desktop_id=krt-config.desktop
metainfo_id=io.github.krtconfig.krtconfig.metainfo.xml

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli readelf groff; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
done

# The files as written in the repository (the metainfo is a template, checked
# as installed below).
desktop-file-validate "$source_dir/packaging/$desktop_id" || fail "desktop-file-validate: packaging/$desktop_id"
head -n1 "$source_dir/LICENSE" | grep -qx "MIT License" || fail "LICENSE is not the MIT licence"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/krt-package-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

if ! cpack -G DEB --config "$cpack_config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  echo "FAIL: cpack -G DEB" >&2
  exit 1
fi
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: cpack made no single .deb: ${debs[*]}" >&2
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

root=$scratch/root
dpkg-deb -x "$deb" "$root"

# Package fields.
[ "$(dpkg-deb -f "$deb" Package)" = krt-config ] || fail "Package is '$(dpkg-deb -f "$deb" Package)', not krt-config"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is '$(dpkg-deb -f "$deb" Version)', not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
declare -A declared=()
IFS=',' read -ra alternatives <<<"$depends"
for entry in "${alternatives[@]}"; do
  name=${entry#"${entry%%[![:space:]]*}"}
  name=${name%%[ (]*}
  declared[$name]=1
done
needed=(ffmpeg libc6 libstdc++6)
if [ "$has_gui" = 1 ]; then
  needed+=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins)
fi
for p in "${needed[@]}"; do
  [ -n "${declared[$p]:-}" ] || fail "Depends does not name $p"
done

# Everything lands below /usr, nothing from the build or test trees.
while IFS= read -r f; do
  case "$f" in
    ./usr/bin/* | ./usr/share/applications/* | ./usr/share/icons/hicolor/* | \
      ./usr/share/metainfo/* | ./usr/share/man/man1/* | ./usr/share/doc/krt-config/*) ;;
    *) fail "unexpected file in the package: $f" ;;
  esac
done < <(cd "$root" && find . -type f -o -type l)

check_program() {
  local program=$root/usr/bin/$1
  if [ ! -x "$program" ]; then
    fail "usr/bin/$1 is missing or not executable"
    return
  fi
  # A run path would point the installed program back at a build tree.
  if readelf -d "$program" | grep -qE 'R(UN)?PATH'; then
    fail "usr/bin/$1 carries a run path: $(readelf -d "$program" | grep -E 'R(UN)?PATH')"
  fi
}

check_png_128() {
  local png=$1
  if [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "${png#"$root"/} is not a PNG"
    return
  fi
  # IHDR: width and height, 4 bytes each, big-endian, from byte 16.
  local size
  size=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' \n' ' ')
  [ "$size" = " 0 0 0 128 0 0 0 128 " ] || fail "${png#"$root"/} is not 128x128 (IHDR bytes:$size)"
}

if [ "$has_gui" = 1 ]; then
  check_program krt-config

  desktop=$root/usr/share/applications/$desktop_id
  scalable=$root/usr/share/icons/hicolor/scalable/apps/krt-config.svg
  bitmap=$root/usr/share/icons/hicolor/128x128/apps/krt-config.png
  metainfo=$root/usr/share/metainfo/$metainfo_id
  for f in "$desktop" "$scalable" "$bitmap" "$metainfo"; do
    [ -f "$f" ] || fail "${f#"$root"/} is missing"
  done

  if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate: installed $desktop_id"
    # The menu starts what Exec names from PATH and looks Icon up in the theme.
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not a program in usr/bin"
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name has no scalable icon"
    [ -f "$root/usr/share/icons/hicolor/128x128/apps/$icon_name.png" ] || fail "Icon=$icon_name has no 128x128 icon"
  fi
  if [ -f "$scalable" ]; then
    cmp -s "$scalable" "$source_dir/res/pictures/icon_128.svg" || fail "the scalable icon is not res/pictures/icon_128.svg"
  fi
  [ -f "$bitmap" ] && check_png_128 "$bitmap"

  if [ -f "$metainfo" ]; then
    # Pedantic, and not one remark: errors, warnings, infos and pedantic hints all fail.
    report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: installed $metainfo_id"
    remarks=$(grep -E '^[EWIP]: ' <<<"$report" || true)
    [ -z "$remarks" ] || fail "appstreamcli validate --pedantic remarks on $metainfo_id: $remarks"
    for element in project_license metadata_license content_rating screenshot; do
      grep -q "<$element" "$metainfo" || fail "the metainfo has no <$element>"
    done
    grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "the metainfo's project_license is not MIT"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release entry for $version"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ "$launchable" = "$desktop_id" ] || fail "the metainfo launches '$launchable', not $desktop_id"
    if [ "$has_cli" = 1 ]; then
      while IFS= read -r b; do
        [ -x "$root/usr/bin/$b" ] || fail "the metainfo provides $b, which the package does not install"
      done < <(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
    fi
  fi
fi

# A man page: installed, with the version and a FILES section, read by groff
# without a warning.
check_man_page() {
  local page=$root/usr/share/man/man1/$1.1 text
  if [ -f "$page.gz" ]; then
    text=$(gzip -dc "$page.gz")
  elif [ -f "$page" ]; then
    text=$(cat "$page")
  else
    fail "usr/share/man/man1/$1.1 is missing"
    return
  fi
  grep -q "^\.TH .*\"KRT CONFIG $version\"" <<<"$text" || fail "the $1 man page does not carry version $version"
  grep -q "^\.SH FILES" <<<"$text" || fail "the $1 man page has no FILES section"
  grep -q "^\.SH SEE ALSO" <<<"$text" || fail "the $1 man page has no SEE ALSO section"
  local warnings
  warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z <<<"$text" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about the $1 man page: $warnings"
}

# The copyright file in Debian's machine-readable format: every Files
# paragraph has a Copyright and a License, and every licence it names has its
# text in a paragraph of its own.
check_copyright() {
  local copyright=$root/usr/share/doc/krt-config/copyright
  if [ ! -f "$copyright" ]; then
    fail "usr/share/doc/krt-config/copyright is missing"
    return
  fi
  head -n1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file does not start with the machine-readable Format line"
  local problems
  problems=$(awk '
    function close_paragraph() {
      if (files != "") {
        if (!copyright) print "the Files paragraph \"" files "\" has no Copyright"
        if (license == "") print "the Files paragraph \"" files "\" has no License"
        else used[license] = 1
      } else if (license != "" && text) {
        given[license] = 1
      }
      files = ""; copyright = 0; license = ""; text = 0
    }
    /^$/ { close_paragraph(); next }
    /^Files:/ { files = substr($0, 8) }
    /^Copyright:/ { copyright = 1 }
    /^License:/ { license = substr($0, 10) }
    /^ / && license != "" { text = 1 }
    END {
      close_paragraph()
      for (l in used) if (!(l in given)) print "the licence " l " has no text"
    }' "$copyright")
  [ -z "$problems" ] || fail "copyright: $problems"
  grep -qx "Files: \*" "$copyright" || fail "the copyright file has no Files: * paragraph"
  grep -qx "License: Expat" "$copyright" || fail "the copyright file does not name the project's licence (Expat, the MIT licence)"
  grep -qx "Files: network/data/operator-presets.tsv" "$copyright" ||
    fail "the copyright file does not name the operator data's source"
}

check_copyright
if [ "$has_gui" = 1 ]; then
  check_man_page krt-config
fi

if [ "$has_cli" = 1 ]; then
  check_program krt-cli
  check_man_page krt-cli
else
  [ ! -e "$root/usr/bin/krt-cli" ] || fail "usr/bin/krt-cli is installed without a krt-cli target"
fi

echo "files:"
(cd "$root" && find . -type f | sort)

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
