#!/bin/sh
# SPDX-License-Identifier: MIT
# The Debian package as a user gets it: made with cpack from the build tree, unpacked with
# dpkg-deb into a temporary root, and both programs run from there, started from a directory
# that holds none of the program's files.
# Usage: package_install.sh BUILD_DIR WORK_DIR VERSION_TEXT BUILT_RHEO_CLI SOURCE_DIR
# Exits 77 (skipped) where dpkg-deb is not installed.
set -u
build=$1
work=$2
version=$3
built_cli=$4
source=$5

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
same() { # what, expected, actual
  if [ "$2" != "$3" ]; then
    fail "$1"
    printf '  expected: %s\n  actual:   %s\n' "$2" "$3"
  fi
}

for tool in dpkg-deb cpack; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "Skipped: $tool is not installed (package dpkg for dpkg-deb, cmake for cpack)."
    exit 77
  fi
done

rm -rf "$work"
mkdir -p "$work/package" "$work/root" "$work/elsewhere" "$work/own-help"
# What the test runs must not see a program directory of the environment it was started in.
unset RHEO DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

echo "== Making the package"
if ! (cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log"
  echo "FAILED: cpack could not make the package (build everything first)."
  exit 1
fi
set -- "$work"/package/rheo_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "FAILED: cpack made no single rheo_*.deb:" "$@"
  exit 1
fi
deb=$1
echo "$deb"

echo "== Control file"
dpkg-deb -f "$deb"
same "package name" rheo "$(dpkg-deb -f "$deb" Package)"
same "section" science "$(dpkg-deb -f "$deb" Section)"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no description"
# Loaded at run time (declared by hand) and linked (found by dpkg-shlibdeps).
depends=", $(dpkg-deb -f "$deb" Depends),"
for package in qt6-qpa-plugins libchm1 libasound2 fonts-liberation2 \
  libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  case "$depends" in
    *", $package,"* | *", $package "*) ;;
    *) fail "Depends does not name $package" ;;
  esac
done

echo "== Files"
root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack the package"
usr=$root/usr
share=$usr/share
for file in bin/rheo bin/rheo-cli share/rheo/RHEO.chm share/rheo/examples/RHEO.DAT \
  share/rheo/examples/results.csv share/rheo/examples/version1/RHEOCAL.DAT \
  share/rheo/examples/inputs/cells.csv share/applications/rheo.desktop \
  share/metainfo/rheo.metainfo.xml share/icons/hicolor/scalable/apps/rheo.svg \
  share/man/man1/rheo.1.gz share/man/man1/rheo-cli.1.gz share/doc/rheo/copyright \
  share/doc/rheo/changelog.Debian.gz share/bash-completion/completions/rheo-cli; do
  [ -f "$usr/$file" ] || fail "the package has no /usr/$file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -f "$share/icons/hicolor/${size}x${size}/apps/rheo.png" ] ||
    fail "the package has no ${size}x${size} icon"
done
for program in rheo rheo-cli; do
  if [ ! -x "$usr/bin/$program" ]; then
    echo "FAILED: /usr/bin/$program is not in the package as a program; nothing to run."
    exit 1
  fi
done
outside=$(cd "$root" && find . -type f ! -path './usr/*')
[ -z "$outside" ] || fail "files outside /usr: $outside"

echo "== lintian"
# Debian's checks of a package: no error, no warning, and no hardening note (only an info).
if command -v lintian >/dev/null 2>&1; then
  lintian --info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian"
  cat "$work/lintian.log"
  ! grep -qE 'hardening-|binary-has-unneeded-section' "$work/lintian.log" || fail "hardening"
fi

echo "== Man pages"
for page in rheo rheo-cli; do
  file=$share/man/man1/$page.1.gz
  [ -f "$file" ] || continue
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.1 has formatting warnings: $warnings"
  lexgrog "$file" >/dev/null 2>&1 || fail "$page.1 has no NAME section whatis can read"
  gzip -dc "$file" | grep -q '/usr/share/rheo/examples/' ||
    fail "$page.1 does not name the installed examples under /usr/share/rheo"
done

echo "== The programs, started from a directory without the program's files"
cd "$work/elsewhere" || exit 1
cli=$usr/bin/rheo-cli
window=$usr/bin/rheo
examples=$share/rheo/examples

same "rheo-cli --version" "$version" "$("$cli" --version 2>&1)"
same "rheo --version without a display" "$version" "$("$window" --version 2>&1)"

# A run on the installed example calibration gives the row the built program gives on the
# example of the source tree.
run_args() {
  calibration=$1
  shift
  "$@" run --no-history --calibration "$calibration" --cell 2 --pressure 110 --efflux-time 15.02 \
    --non-newtonian --sample-id "5W-30 lot 1187" --at "2024-05-14 09:40"
}
expected_row=$(run_args "$source/examples/RHEO.DAT" "$built_cli" 2>&1)
row=$(run_args "$examples/RHEO.DAT" "$cli" 2>&1)
status=$?
echo "$row"
same "rheo-cli run exit status" 0 "$status"
same "rheo-cli run row texts" "$expected_row" "$row"
same "first text of the row" "5W-30 lot 1187" "$(printf '%s\n' "$row" | cut -f1)"
same "number of texts in the row" 9 "$(printf '%s\n' "$row" | awk -F '\t' '{ print NF }')"

# Help: the directory's own RHEO.chm first, the installed one when the directory has none.
installed_help=$(realpath "$share/rheo/RHEO.chm")
same "help file for the examples directory (no RHEO.chm there)" "$installed_help" \
  "$(realpath "$(RHEO="$examples/" "$window" --print-help-file)")"
same "help file for the working directory (no RHEO.chm there)" "$installed_help" \
  "$(realpath "$("$window" --print-help-file)")"
cp "$installed_help" "$work/own-help/RHEO.chm"
same "help file for a directory with its own RHEO.chm" "$(realpath "$work/own-help/RHEO.chm")" \
  "$(realpath "$(RHEO="$work/own-help/" "$window" --print-help-file)")"

# The window on the example calibration, painted once on the offscreen platform.
if QT_QPA_PLATFORM=offscreen RHEO="$examples/" timeout 60 "$window" --paint-once \
  >"$work/paint.log" 2>&1; then
  echo "The window painted once from the unpacked package."
else
  cat "$work/paint.log"
  fail "the window did not start and paint once (offscreen)"
fi
# Started where there is no calibration file, the start-up message is painted and ends it.
if ! QT_QPA_PLATFORM=offscreen timeout 60 "$window" --paint-once >"$work/paint.log" 2>&1; then
  cat "$work/paint.log"
  fail "the window did not end after the start-up message (offscreen)"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed."
  exit 1
fi
echo "The package installs and runs."
