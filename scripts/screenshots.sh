#!/usr/bin/env bash
# Renders the README's screenshots under a virtual X server: the main window
# with gl and dybch computed, the two diagram windows, dybch computed with
# its working panel, and the component stress window computed. `scripts/screenshots.sh working` renders only the named ones.
# Needs: xvfb openbox xdotool x11-apps imagemagick (apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/app/zentrova
out=$PWD/docs/screenshots
mkdir -p "$out"

shoot() {  # shoot NAME WIDTHxHEIGHT
  local display=:57
  Xvfb $display -screen 0 "$2x24" >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=$display openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 0.5
  DISPLAY=$display "$program" &
  local app=$!
  sleep 3
  local X Y WIDTH HEIGHT SCREEN WINDOW
  for w in $(DISPLAY=$display xdotool search --name '^Zentrova$'); do
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$w")"
    [[ $WIDTH == 177 ]] && break
  done
  # Menu buttons are 24 px apart; row k is the k-th button from the top.
  press() { DISPLAY=$display xdotool mousemove $((X + 80)) $((Y + 4 + 24 * $1)) click 1; sleep 1.5; }
  if [[ $1 == working ]]; then
    # The menu at the top left: dybch opens beside it, its panel below dybch.
    DISPLAY=$display xdotool windowmove "$w" 0 0
    sleep 0.5
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$w")"
    press 7
    DISPLAY=$display xdotool search --name '电压补偿环计算算' windowactivate --sync
    DISPLAY=$display xdotool key --delay 50 Tab space
    sleep 0.5
    DISPLAY=$display xdotool key F1
  elif [[ $1 == stress ]]; then
    # yl from the main window's right-click menu, then computed.
    DISPLAY=$display xdotool windowmove "$w" 0 0
    sleep 0.5
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$w")"
    DISPLAY=$display xdotool mousemove $((X + 10)) $((Y + 330)) click 3
    sleep 0.5
    DISPLAY=$display xdotool key Down Return
    sleep 1.5
    DISPLAY=$display xdotool search --name '器件应力计算' windowactivate --sync
    DISPLAY=$display xdotool key --delay 30 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
  elif [[ $1 == windows ]]; then
    press 0
    DISPLAY=$display xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
    press 7
    DISPLAY=$display xdotool search --name '电压补偿环计算算' windowmove $((X + 190)) $((Y + 340)) windowactivate --sync
    DISPLAY=$display xdotool key --delay 50 Tab space
  else
    press 11
    press 10
  fi
  sleep 1
  DISPLAY=$display xwd -root -silent | convert xwd:- "$out/$1.png"
  kill $app $wm $xvfb 2>/dev/null || true
}

wanted=("${@:-windows diagrams working stress}")
wants() { [[ " ${wanted[*]} " == *" $1 "* ]]; }
if wants windows; then
  shoot windows 1280x900
  convert "$out/windows.png" -crop 700x685+540+215 +repage "$out/windows.png"
fi
if wants diagrams; then
  shoot diagrams 1500x700
  convert "$out/diagrams.png" -resize 1200x "$out/diagrams.png"
fi
if wants stress; then
  shoot stress 1280x900
  convert "$out/stress.png" -trim +repage "$out/stress.png"
fi
if wants working; then
  shoot working 1280x900
  convert "$out/working.png" -trim +repage "$out/working.png"
fi
