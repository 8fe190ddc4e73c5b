#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need; does
# nothing for packages that are already there.
set -eu
packages="build-essential cmake ninja-build pkg-config git
  libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libfreetype-dev libfontconfig-dev fonts-ipafont-gothic
  qt6-base-dev pngcheck libxml2-utils
  libgdal-dev gdal-bin libexpat1-dev libzip-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing" >&2
$sudo apt-get update -q >/dev/null || true
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing >/dev/null
