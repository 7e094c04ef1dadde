#!/usr/bin/env bash
# Installs what a Debian or Ubuntu machine is missing for Zentrova, then
# configures and builds it in build/. Quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libgtest-dev nlohmann-json3-dev poppler-utils
  fonts-arphic-uming fonts-dejavu-core fonts-liberation fontconfig
  locales
  nlohmann-json3-dev
)

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi

scripts/install-packages.sh "${packages[@]}"

# The tests prove that a comma-decimal locale changes no digit.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "generating the de_DE.UTF-8 locale for the tests"
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi

if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DZENTROVA_WERROR=ON >/dev/null
fi
cmake --build build
