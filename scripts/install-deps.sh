#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavrel need.
# Idempotent: packages already present are left alone and apt is not asked at all.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6
  qt6-qpa-plugins qt6-translations-l10n
  qt6-pdf-dev
  libsdl2-dev
  libminizip-dev libxlsxwriter-dev
  qt6-l10n-tools
  fonts-noto-cjk fontconfig python3-fonttools
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick
  dpkg-dev desktop-file-utils appstream
  debhelper fakeroot lintian help2man locales man-db systemd librsvg2-bin
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
