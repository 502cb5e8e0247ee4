#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake ninja-build make g++ clang libclang-rt-14-dev python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-dejavu-core
  googletest libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libspng-dev libstb-dev
)
for p in "${packages[@]}"; do have "$p" || need+=("$p"); done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  updated=
fi
have wine32:i386 || need+=("wine32:i386")
# Wine's media player control plays through GStreamer, in the architecture of the program that plays:
# base and good for WAV and MP3, ugly and libav for WMA, WMV and AVI, bad for MPEG's program streams.
for p in gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav \
         gstreamer1.0-plugins-bad; do
  have "$p:amd64" || need+=("$p:amd64")
  have "$p:i386" || need+=("$p:i386")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The posix thread model is the one that carries std::thread and friends.
for arch in i686 x86_64; do
  for tool in gcc g++; do
    if [ -x "/usr/bin/${arch}-w64-mingw32-${tool}-posix" ]; then
      cur=$(readlink -f "/usr/bin/${arch}-w64-mingw32-${tool}" || true)
      case "$cur" in *posix) ;; *) update-alternatives --set "${arch}-w64-mingw32-${tool}" "/usr/bin/${arch}-w64-mingw32-${tool}-posix" >/dev/null ;; esac
    fi
  done
done
