#!/usr/bin/env bash
# zentrova-calc must never report success for results that were lost: a full
# device, a closed standard output and a pipe that nobody reads (with SIGPIPE
# ignored, as supervisors and some shells start programs) each end with exit
# status 1 and, as the last line on standard error, one line naming the
# error. Usage: OutputFailures.sh PATH-TO-ZENTROVA-CALC
set -uo pipefail
calc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkfifo "$work/fifo"

# run HOW ARGS...: zentrova-calc with its standard output sent HOW.
run() {
  local how=$1
  shift
  case $how in
    null) "$calc" "$@" >/dev/null ;;
    full) "$calc" "$@" >/dev/full ;;
    closed) "$calc" "$@" >&- ;;
    # The FIFO is opened for reading and writing first, so that opening it
    # for writing does not wait for a reader; closing that leaves a pipe
    # without readers, on which every write fails at once.
    unread) (
      exec 3<>"$work/fifo" 4>"$work/fifo" 3<&-
      trap '' PIPE
      exec "$calc" "$@" >&4 4>&-
    ) ;;
  esac
}

failures=0
# name | standard output | status | last line on standard error | arguments
while IFS='|' read -r name how status message args; do
  read -r -a argv <<<"$args"
  run "$how" "${argv[@]}" 2>"$work/err"
  got=$?
  last=$(tail -n 1 "$work/err")
  if [[ $got != "$status" || $last != "$message" ]]; then
    echo "$name: exit status $got (expected $status), standard error:" >&2
    cat "$work/err" >&2
    failures=$((failures + 1))
  fi
done <<'CASES'
written_whole|null|0||gl
full_device|full|1|zentrova-calc: cannot write the results: No space left on device|gl
full_device_json|full|1|zentrova-calc: cannot write the results: No space left on device|--json dybch Text3=470
full_device_list|full|1|zentrova-calc: cannot write the results: No space left on device|--list
full_device_after_fault|full|1|zentrova-calc: cannot write the results: No space left on device|gl Text1=0
closed_stdout|closed|1|zentrova-calc: cannot write the results: Bad file descriptor|gl
closed_stdout_help|closed|1|zentrova-calc: cannot write the results: Bad file descriptor|--help
closed_stdout_usage_error|closed|2|zentrova-calc: unknown window 'nope' (see --list)|nope
unread_pipe|unread|1|zentrova-calc: cannot write the results: Broken pipe|gl
unread_pipe_json|unread|1|zentrova-calc: cannot write the results: Broken pipe|--json gl
full_device_sweep|full|1|zentrova-calc: cannot write the results: No space left on device|gl --sweep Text1=1:100000:1
closed_stdout_sweep|closed|1|zentrova-calc: cannot write the results: Bad file descriptor|--json gl --sweep Text1=1,2
unread_pipe_sweep|unread|1|zentrova-calc: cannot write the results: Broken pipe|gl --sweep Text1=1:100000:1
CASES

# A failed write is told once, not once per line.
run full gl 2>"$work/err"
if [[ $(wc -l <"$work/err") != 1 ]]; then
  echo "one failed output gave more than one line:" >&2
  cat "$work/err" >&2
  failures=$((failures + 1))
fi
exit $((failures > 0))
