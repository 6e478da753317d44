#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, run and benchmark.
# Idempotent; works as root or through sudo.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config ccache clang libclang-rt-14-dev
  # Qt 6.4
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin
  qt6-image-formats-plugins libqt6sql6-sqlite libgl-dev libglx-dev libopengl-dev libvulkan-dev
  # libraries
  libsimdjson-dev libcpp-httplib-dev libcurl4-openssl-dev libsqlite3-dev
  libfreexl-dev libhpdf-dev libjpeg-dev libgtest-dev libgmock-dev
  # running, tests and screenshots
  xvfb xauth imagemagick curl locales fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Turkish and C.UTF-8 locales for the number-format tests and the Turkish interface.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  $SUDO sed -i 's/^# *tr_TR.UTF-8 UTF-8/tr_TR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^tr_TR.UTF-8 UTF-8' /etc/locale.gen || echo 'tr_TR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
echo "setup: all packages present"
