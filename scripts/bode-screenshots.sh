#!/usr/bin/env bash
# Renders the README's screenshots of the two Bode plot windows under a
# virtual X server: each compensation window computed with its initial
# texts, its plot opened with Ctrl+B and the mouse resting on the gain chart.
# Needs: xvfb openbox xdotool x11-apps imagemagick (apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/app/zentrova
out=$PWD/docs/screenshots
mkdir -p "$out"

shoot() {  # shoot NAME MENU-ROW TABS-TO-COMPUTE PLOT-CAPTION CURSOR-X
  local display=:58
  Xvfb $display -screen 0 1400x900x24 >/dev/null 2>&1 &
  xvfb=$! wm= app=
  # Leave no server behind when a step fails.
  trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
  sleep 1
  DISPLAY=$display openbox >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
  DISPLAY=$display "$program" &
  app=$!
  sleep 3
  local X Y WIDTH HEIGHT SCREEN WINDOW
  for w in $(DISPLAY=$display xdotool search --name '^Zentrova$'); do
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$w")"
    [[ $WIDTH == 177 ]] && break
  done
  # Menu buttons are 24 px apart; row k is the k-th button from the top.
  DISPLAY=$display xdotool mousemove $((X + 80)) $((Y + 4 + 24 * $2)) click 1
  sleep 1.5
  local tabs=()
  for ((i = 0; i < $3; ++i)); do tabs+=(Tab); done
  DISPLAY=$display xdotool key --delay 50 "${tabs[@]}" space ctrl+b
  sleep 2
  local plot
  plot=$(DISPLAY=$display xdotool search --name "$4" | head -1)
  DISPLAY=$display xdotool windowmove "$plot" 200 40 windowactivate "$plot"
  sleep 1
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$plot")"
  DISPLAY=$display xdotool mousemove $((X + $5)) $((Y + 200))
  sleep 1
  DISPLAY=$display xwd -silent -id "$plot" | convert xwd:- "$out/$1.png"
  kill $app $wm $xvfb 2>/dev/null || true
  wait $xvfb 2>/dev/null || true
  trap - EXIT
}

shoot bode-current 6 10 '电流环波特图' 640
shoot bode-voltage 7 1 '电压环波特图' 400
