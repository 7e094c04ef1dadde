#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and
# runs each one for a bounded time. An input that breaks a target is saved
# in tests/fuzz/regressions/<target>/, where the replay tests of every build
# pick it up; commit it together with the fix.
#
#   ZENTROVA_FUZZ_SECONDS  time per target, default 60
#   ZENTROVA_FUZZ_TARGETS  targets to run, default all of them
#   ZENTROVA_FUZZ_BUILD    build directory, default build-fuzz
# Further arguments go to every libFuzzer run, e.g. -jobs=2 or -seed=1.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${ZENTROVA_FUZZ_SECONDS:-60}
build=${ZENTROVA_FUZZ_BUILD:-build-fuzz}
read -r -a targets <<<"${ZENTROVA_FUZZ_TARGETS:-parse_field_value format_result compute_action design_json}"

packages=(clang-14 libclang-rt-14-dev g++ cmake ninja-build libgtest-dev)
scripts/install-packages.sh "${packages[@]}"

if [[ ! -f $build/build.ninja ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENTROVA_FUZZ=ON -DZENTROVA_BUILD_GUI=OFF >/dev/null
fi
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

# Longest input per target: field texts of a few pages, one double, a
# window's worth of texts, a design file of every window.
declare -A max_len=([parse_field_value]=16384 [format_result]=16 [compute_action]=4096 [design_json]=16384)

status=0
for target in "${targets[@]}"; do
  work="$build/fuzz-corpus/$target"
  regressions="tests/fuzz/regressions/$target"
  log="$build/fuzz-$target.log"
  mkdir -p "$work" "$regressions"
  echo "fuzzing $target for ${seconds} s"
  # New interesting inputs go to the first directory, the build's own, so
  # the committed corpus stays small.
  if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${max_len[$target]:-4096}" -dict=tests/fuzz/fields.dict -print_final_stats=1 \
    -artifact_prefix="$regressions/" "$work" "tests/fuzz/corpus/$target" "$regressions" "$@" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added):' "$log" | sed 's/^/  /'
  else
    status=1
    tail -n 40 "$log"
    echo "fuzz_$target failed; the input is saved in $regressions/ (full log: $log)"
  fi
done
exit "$status"
