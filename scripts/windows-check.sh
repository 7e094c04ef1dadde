#!/usr/bin/env bash
# Cross-builds the calculation core, the window descriptions, zentrova-calc
# and their tests for 64-bit Windows with MinGW-w64 in build-windows/, and
# runs every test under Wine. The Qt program is not built: Debian ships no
# Windows Qt.
#   ZENTROVA_WINE_CACHE   where the Wine prefix is kept between runs
#                         (default: /var/cache/zentrova/wine as root,
#                         ~/.cache/zentrova/wine otherwise)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++-mingw-w64-x86-64-posix wine64 libgtest-dev nlohmann-json3-dev cmake ninja-build

if [[ $(id -u) -eq 0 ]]; then
  cache=${ZENTROVA_WINE_CACHE:-/var/cache/zentrova/wine}
else
  cache=${ZENTROVA_WINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentrova/wine}
fi
mkdir -p "$cache"
export WINEPREFIX="$cache/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || wine=$(command -v wine64)

# nlohmann-json is headers only, the same for every target: staged in a
# folder of its own, the Windows build finds it there and nothing else of
# the Linux system's headers.
deps=$PWD/build-windows-deps
mkdir -p "$deps/include" "$deps/share/cmake"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"

if [[ ! -f build-windows/build.ninja ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-windows -G Ninja -DZENTROVA_WERROR=ON -DZENTROVA_BUILD_GUI=OFF \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
    -DZENTROVA_GTEST_SOURCE_DIR=/usr/src/googletest -Dnlohmann_json_DIR="$deps/share/cmake/nlohmann_json" \
    "${launcher[@]}" >/dev/null
fi
# Compiler cache hits from any clone of the repository (CI builds in a fresh one).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
cmake --build build-windows

# One persistent Wine server for the whole run. A server that a test
# program starts on its own quits when idle for a moment, and a program that
# connects just then fails with "recvmsg: Connection reset by peer". Only the
# server of this run's prefix is stopped.
wineserver="$(dirname "$wine")/wineserver"
[[ -x $wineserver ]] || wineserver=$(command -v wineserver)
"$wineserver" -k 2>/dev/null || true
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
# The first start makes the prefix; later ones find it ready.
"$wine" cmd /c exit >/dev/null 2>&1 || true

ctest --test-dir build-windows --output-on-failure -j2 "$@"
