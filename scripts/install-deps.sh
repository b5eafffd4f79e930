#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins qttools5-dev qttools5-dev-tools
  libavcodec-dev libavformat-dev libavdevice-dev libavutil-dev libswscale-dev
  libyuv-dev libturbojpeg0-dev libjpeg62-turbo-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-noto-cjk fonts-dejavu-core
  xvfb xauth
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
