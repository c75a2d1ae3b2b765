#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs every Debian 12 package the project needs to build, test and run.
# The one list of packages of the project: the README's commands and CI call this.
set -eu

PACKAGES="
build-essential
cmake
ninja-build
pkg-config
clang
libclang-rt-14-dev
clang-format
libgtest-dev
libgmock-dev
libbenchmark-dev
qt6-base-dev
libasound2-dev
libsqlite3-dev
nlohmann-json3-dev
libqt6printsupport6
qt6-qpa-plugins
libgl-dev
fp-utils
libchm1
libchm-dev
librsvg2-bin
fonts-liberation2
poppler-utils
locales
xvfb
xauth
x11-utils
imagemagick
dpkg-dev
desktop-file-utils
lintian
xdotool
appstream
man-db
time
valgrind
"

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# Numbers must be written and read with "." under any locale: the tests prove it
# under a German locale, so that locale has to exist.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
fi
