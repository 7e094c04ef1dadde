#!/usr/bin/env bash
# Drives zentrova-calc --batch through pipes one case at a time, as another
# program would: each case is written, and its result must arrive before the
# next case is sent. A batch that held its results back until the end of
# the input would leave every read waiting here, and the test fails on the
# read's time limit instead of hanging. Usage: BatchPipes.sh PATH-TO-ZENTROVA-CALC
set -uo pipefail
calc=$1
failures=0

# expect FORMAT-ARGS...: reads one line from the batch and compares it.
expect() {
  local want=$1 got
  if ! IFS= read -r -t 10 got <&"${batch[0]}"; then
    echo "no line within 10 s; expected: $want" >&2
    failures=$((failures + 1))
    return
  fi
  if [[ $got != "$want" ]]; then
    echo "got:      $got" >&2
    echo "expected: $want" >&2
    failures=$((failures + 1))
  fi
}

# CSV out: the header comes before any input is read.
coproc batch { "$calc" --batch gl Text4=7 2>/dev/null; }
expect "Text1,Text2,Text11,Text3,Text4,Text5,Text6,Text7,Text8,Text9,Text10,fault_step,fault_target,fault_kind,error"
# Text6 = Text1 × 1.414 ÷ 80, Text7 = Text6 ÷ 5, Text10 = 1.7 × Text1.
echo '{"fields": {"Text1": "250"}}' >&"${batch[1]}"
expect "250,80,260,60,7,400,4.41875,0.88375,0.569230769230769,180.35034272658,425,,,,"
echo 'no case' >&"${batch[1]}"
expect ",,,,,,,,,,,,,,\"line 2: not JSON: parse error at line 1, column 2: syntax error while parsing value - invalid literal; last read: 'no'\""
echo '{"fields": {"Text2": "0"}}' >&"${batch[1]}"
expect "250,0,260,60,7,400,,,,,,1,Text6,division-by-zero,"
exec {batch[1]}>&-
wait "$batch_PID"
status=$?
if [[ $status != 2 ]]; then
  echo "exit status $status after a malformed line (expected 2)" >&2
  failures=$((failures + 1))
fi

# JSON Lines in and out, CSV in: the same, case by case.
coproc batch { "$calc" --batch --csv-in --json gl; }
echo 'Text1,Text3' >&"${batch[1]}"
# Text9 = 1000 × (1.4 × 80 × Text8) ÷ Text7 ÷ 400 from the texts shown:
# 63.7538461538461 ÷ 0.3535 = 180.350342726580 → 450.875856816451, and
# ÷ 0.707 → 225.437928408225.
echo '100,"a,""b"' >&"${batch[1]}"
expect '{"window": "gl", "fields": {"Text1": "100", "Text2": "80", "Text11": "260", "Text3": "a,\"b", "Text4": "100", "Text5": "400", "Text6": "1.7675", "Text7": "0.3535", "Text8": "0.569230769230769", "Text9": "450.875856816451", "Text10": "170"}, "fault": null}'
echo '200,60' >&"${batch[1]}"
expect '{"window": "gl", "fields": {"Text1": "200", "Text2": "80", "Text11": "260", "Text3": "60", "Text4": "100", "Text5": "400", "Text6": "3.535", "Text7": "0.707", "Text8": "0.569230769230769", "Text9": "225.437928408225", "Text10": "340"}, "fault": null}'
exec {batch[1]}>&-
wait "$batch_PID"
status=$?
if [[ $status != 0 ]]; then
  echo "exit status $status (expected 0)" >&2
  failures=$((failures + 1))
fi

exit $((failures > 0))
