#!/usr/bin/env bash
# Runs the GUI test programs of the sanitizer build once more on a real X
# display, a private Xvfb, with Qt's xcb platform. That platform loads what
# the offscreen runs never touch (XCB, input methods, D-Bus), so findings in
# that code, or leaks the suppressions must name, show up only here.
#
#   ZENTROVA_SANITIZE_BUILD  build directory, default build-asan (scripts/sanitize.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${ZENTROVA_SANITIZE_BUILD:-build-asan}
scripts/install-packages.sh xvfb
if [[ ! -f $build/build.ninja ]]; then
  echo "no sanitizer build in $build: run scripts/sanitize.sh first" >&2
  exit 1
fi
cmake --build "$build"
mapfile -t tests < <(find "$build/tests/gui" -maxdepth 1 -type f -perm -u+x -name '*_tests' | sort)
if ((${#tests[@]} == 0)); then
  echo "no GUI test programs in $build/tests/gui" >&2
  exit 1
fi

work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number once it accepts
# clients, so parallel runs on one machine never collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
if [[ ! -s $work/display ]]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb

status=0
for test in "${tests[@]}"; do
  if "$test" >"$work/log" 2>&1; then
    echo "passed on $DISPLAY (xcb): ${test#"$build"/}"
  else
    status=1
    cat "$work/log"
    echo "FAILED on $DISPLAY (xcb): ${test#"$build"/}"
  fi
done
exit "$status"
