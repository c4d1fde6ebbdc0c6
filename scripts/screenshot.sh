#!/usr/bin/env bash
# Takes docs/screenshot.png: the game in a private X server (Xvfb with
# openbox), a colour puzzle from "Puzzles" opened through File, Open, its
# upper rows painted with colours picked on the chooser, and two clues ticked.
#
#   scripts/screenshot.sh [PROGRAM_FOLDER]
#   SCALE=2 scripts/screenshot.sh     # docs/screenshot-2x.png: a 200 % desktop, Xft.dpi 192
#
# Without a program folder it builds the release build in build/ first.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
scripts/deps.sh g++ make cmake qt6-base-dev fonts-liberation xvfb xauth openbox xdotool imagemagick x11-utils
source scripts/x11.sh

built="${1:-}"
if [ -z "$built" ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j"$(nproc)" --target vindro-grizzet grizzet-check
  built=build/app
fi
built="$(cd "$built" && pwd)"

puzzle=parrot.ppm
painted_rows=10                          # rows painted from the top
ticked_rows=(0 1)                        # rows whose clue next to the field is ticked
scale="${SCALE:-1}"
output="$root/docs/screenshot.png"
[ "$scale" = 1 ] || output="$root/docs/screenshot-${scale}x.png"
X11_FAILURE_SHOT="${TMPDIR:-/tmp}/screenshot-failure.png"

work="$(mktemp -d)"
trap 'x11_stop; rm -rf "$work"' EXIT
trap 'exit 129' HUP; trap 'exit 130' INT; trap 'exit 143' TERM
status=0
X11_SCREEN="$((1280 * scale))x$((1024 * scale))" X11_DPI=$((96 * scale)) x11_start "$work/x11" || status=$?
[ "$status" -eq 0 ] || x11_fail "no X server could be started"

app="$work/app"
cp -r "$built/." "$app/"
rm -f "$app/lang.ini" "$app/recent.ini"
mapfile -t rows < <(x11_solution_rows "$app" "$app/Puzzles/$puzzle")
height=${#rows[@]}
width=${#rows[0]}
# Empty cells take the chooser's device pixel (1, 1): its picture is smoothed to the screen's scale.
empty=$(convert "$app/hamworst.dat" -filter Triangle -resize "$((100 * scale))%" -depth 8 -format '%[hex:p{1,1}]' info:)

x11_start_game "$app"
main=$(x11_wait_window "Vindro Grizzet")

# File, Open: the dialog starts in "Puzzles", so the name is enough.
x11_menu "$main" alt+f o
dialog=$(x11_wait_window "Open")
x11_activate "$dialog"
xdotool type --delay 10 "$puzzle"
xdotool key Return
x11_wait_window "${puzzle%.*} - Vindro Grizzet" >/dev/null
x11_find_field "$width" "$height" "#$empty"
x11_log "opened $puzzle"

# The chooser: its last swatch, cyan, is its largest cyan patch on the screen.
read -r swatch chooser_x cyan_top < <(
  import -silent -window root -depth 8 miff:- |
    convert - -fill black +opaque '#00FFFF' -fill white -opaque '#00FFFF' \
      -define connected-components:verbose=true -connected-components 4 null: |
    awk '$NF == "srgb(255,255,255)" { split($2, g, /[x+]/); if ($4 > best) { best = $4; line = g[1] " " g[3] + g[1] / 2 " " g[4] } }
         END { print line }')
[ -n "${swatch:-}" ] || x11_fail "no colour chooser on the screen"
swatch_y() { awk -v top="$cyan_top" -v s="$swatch" -v k="$1" 'BEGIN { printf "%d", top + (k - 8 + 0.5) * s }'; }

# Paints every cell of colour COLOUR in the upper rows with BUTTON.
paint_colour() {
  local button=$1 colour=$2 x y
  for ((y = 0; y < painted_rows; y++)); do
    for ((x = 0; x < width; x++)); do
      [ "${rows[$y]:$x:1}" = "$colour" ] && x11_click_cell "$button" "$x" "$y"
    done
  done
  return 0
}

# The right button keeps white for the background; the left one takes each
# colour of the picture in turn, picked on the chooser (swatch = colour + 1).
colours=$(printf '%s' "${rows[@]:0:painted_rows}" | fold -w1 | sort -u | grep -v '^1$')
for colour in $colours; do
  xdotool mousemove "$chooser_x" "$(swatch_y $((colour + 1)))" click 1
  paint_colour 1 "$colour"
done
paint_colour 3 1
x11_log "painted the upper $painted_rows rows"

# Every painted cell shows its colour.
points=(); expected=()
for ((y = 0; y < painted_rows; y++)); do
  for ((x = 0; x < width; x++)); do
    points+=("$(x11_cell "$x" "$y")")
    expected+=("$(x11_colour_hex "${rows[$y]:$x:1}")")
  done
done
x11_wait_pixels "${expected[*]}" "${points[@]}"
x11_log "every painted cell shows its colour"

# Tick the clue next to the field in the chosen rows.
for row in "${ticked_rows[@]}"; do
  xdotool mousemove "$(awk -v l="$FIELD_LEFT" -v p="$FIELD_PITCH" 'BEGIN { printf "%d", l - p / 2 }')" \
    "$(x11_cell_y "$row")" click 1
done
corner_x=$(awk -v l="$FIELD_LEFT" -v p="$FIELD_PITCH" 'BEGIN { printf "%d", l - p + 3 }')
ticks=()
for row in "${ticked_rows[@]}"; do
  ticks+=("$corner_x,$(awk -v t="$FIELD_TOP" -v p="$FIELD_PITCH" -v r="$row" 'BEGIN { printf "%d", t + r * p + 2 }')")
done
x11_wait_pixels "$(printf '808080 %.0s' "${ticks[@]}" | sed 's/ $//')" "${ticks[@]}"

# The pointer rests on the side panel, clear of the board.
xdotool mousemove $((1270 * scale)) $((1000 * scale))
mkdir -p "$(dirname "$output")"
x11_screenshot "$output"
echo "saved $output"
