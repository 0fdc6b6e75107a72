#!/usr/bin/env bash
# Installs what building, running and testing Marvix needs on Debian or Ubuntu, and nothing when
# everything is already there (one dpkg query, no apt call).
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libagg-dev libstb-dev python3 unicode-cldr-core tzdata g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth xcompmgr imagemagick nsis
          xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils libxrandr2:i386)

# A machine that runs 64-bit code only (see wine-env.sh) builds and runs the Win32 tests as 64-bit
# programs. Its 32-bit loader comes with wine32's libraries, so the question is asked once they are
# installed, by a second pass.
runs_32_bit_code() { ! [ -e /lib/ld-linux.so.2 ] || /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
runs_32_bit_code || packages+=(wine64 g++-mingw-w64-x86-64)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
runs_32_bit_code || exec "$0"
