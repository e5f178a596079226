#!/bin/bash
# Makes the README's pictures from the real program: a contact sheet of every
# page of the book, and Tintaro with a page partly coloured on a 1024 x 768
# and a 1920 x 1080 screen (under Xvfb, driven with xdotool).
# Usage: readme_pictures.sh <build dir> <output folder>
set -euo pipefail

build=$(realpath "${1:?usage: readme_pictures.sh <build dir> <output folder>}")
out=$(realpath -m "${2:?usage: readme_pictures.sh <build dir> <output folder>}")
mkdir -p "$out"
work=$(mktemp -d /tmp/tintaro-pictures.XXXXXX)
chmod 700 "$work"
export XDG_RUNTIME_DIR="$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

"$build/resources/tintaro-contact-sheet" "$build/tintaro" "$out/book.png"

# Cell (row, column) of the large palette strip, as laid out by the generator.
palette() { xdotool mousemove $((16 + $2 * 29)) $((21 + $1 * 38)) click 1; sleep 0.3; }
# A point of the page (drawn in 1200 x 830 units, shipped at 3004 x 2078) on
# the canvas of a W x H screen: the canvas is (W - 201) x (H - 82) at (99, 7),
# and the page the largest that fits it at the page's proportions, centred.
page() {
  local cw=$((W - 201)) ch=$((H - 82)) pw ph
  if [ $((cw * 2078)) -le $((ch * 3004)) ]; then
    pw=$cw ph=$(((2 * cw * 2078 + 3004) / (2 * 3004)))
  else
    ph=$ch pw=$(((2 * ch * 3004 + 2078) / (2 * 2078)))
  fi
  xdotool mousemove $((99 + (cw - pw) / 2 + $1 * pw / 1200)) $((7 + (ch - ph) / 2 + $2 * ph / 830)) click 1
  sleep 0.3
}

colour_first_page() {
  palette 8 0; page 600 40        # the sky
  palette 3 1; page 1040 140      # the sun
  palette 1 1; page 600 570       # the cat
  palette 1 0; page 600 340
  palette 5 1; page 1150 700      # the grass
  palette 14 1; page 72 640       # the fence
  palette 11 0; page 920 560      # a flower
}

shoot() { # W H
  W=$1 H=$2
  local fdfile="$work/display-$W"
  Xvfb -displayfd 3 -screen 0 "${W}x${H}x24" -nolisten tcp -noreset 3>"$fdfile" >"$work/xvfb-$W.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fdfile")"
  # A copy of the program folder, so the coloured page stays out of the build.
  rm -rf "$work/tintaro" && cp -r "$build/tintaro" "$work/tintaro"
  find "$work/tintaro/dibujos" -name '*.bmp' -delete
  "$work/tintaro/tintaro" >"$work/tintaro-$W.log" 2>&1 &
  pids+=($!)
  sleep 3
  xdotool mousemove $((W / 2)) $((H / 2)) click 1   # the splash opens the main window
  sleep 2
  colour_first_page
  xdotool mousemove $((W - 40)) $((H / 2))
  sleep 1
  "$build/resources/tintaro-screenshot" "$out/screen-${W}x${H}.png"
}

shoot 1024 768
shoot 1920 1080
echo "wrote $out/book.png, $out/screen-1024x768.png, $out/screen-1920x1080.png"
