#!/usr/bin/env bash
# Builds Zentrova and its whole test suite, GUI tests included, with
# AddressSanitizer (which checks for leaks at exit as well) and
# UndefinedBehaviorSanitizer in build-asan/, then runs every test headless
# there. Any finding fails its test. A float division by zero is a finding
# too: a step must report it before dividing, never write what it gives.
#
#   ZENTROVA_SANITIZE        sanitizers, default address,undefined,float-divide-by-zero
#   ZENTROVA_SANITIZE_BUILD  build directory, default build-asan
# Further arguments go to ctest, e.g. -R gui_tests.
set -euo pipefail
cd "$(dirname "$0")/.."

# Packages and the test locale are the normal build's; this also brings
# build/ up to date.
scripts/setup.sh

sanitizers=${ZENTROVA_SANITIZE:-address,undefined,float-divide-by-zero}
build=${ZENTROVA_SANITIZE_BUILD:-build-asan}
cmake -S . -B "$build" -G Ninja -DZENTROVA_WERROR=ON -DZENTROVA_SANITIZE="$sanitizers" >/dev/null
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 "$@"
