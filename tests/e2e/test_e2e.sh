#!/usr/bin/env bash
# What only a real X server with a window manager shows: the window opens
# maximised, File, Open through the real dialog with the path typed in, real
# clicks and one real drag solve the puzzle and the solved message comes once,
# and a second start, from a folder whose name is no UTF-8, on a 2560x2048
# screen with Xft.dpi 192 as a 200 % desktop sets it, is in the language
# chosen before, opens the picture from its recent list and paints a cell.
# Skipped (77) only when no X server can be started.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x11.sh"
work="$(mktemp -d)"
trap 'x11_stop; rm -rf "$work"' EXIT
trap 'exit 129' HUP; trap 'exit 130' INT; trap 'exit 143' TERM
status=0
x11_start "$work/x11" || status=$?
[ "$status" -ne 2 ] || { echo "SKIP: no X server can be started here"; exit 77; }

# A program folder whose name is no UTF-8 still keeps the settings; the
# picture lies outside it, since the dialog can only type UTF-8.
app="$work/app"$'\xff'
cp -r "${GRIZZET_APP_DIR:?}/." "$app/"
rm -f "$app/lang.ini" "$app/recent.ini"
picture="$work/heart.pbm"
cp "$app/Puzzles/heart.pbm" "$picture"
mapfile -t rows < <(x11_solution_rows "$app" "$picture")
width=${#rows[0]} height=${#rows[@]}
empty=$(convert "$app/hamworst.dat" -depth 8 -format '%[hex:p{1,1}]' info:)

x11_start_game "$app"
main=$(x11_wait_window "Vindro Grizzet")
state=$(xprop -id "$main" _NET_WM_STATE)
[[ $state == *MAXIMIZED_VERT* && $state == *MAXIMIZED_HORZ* ]] || x11_fail "the window is not maximised: $state"
x11_menu "$main" alt+f o
dialog=$(x11_wait_window "Open")
x11_activate "$dialog"
xdotool type --delay 10 "$picture"
xdotool key Return
x11_wait_window "heart - Vindro Grizzet" >/dev/null
x11_find_field "$width" "$height" "#$empty"
x11_log "maximised, opened $picture"

# A drag along the first row of one colour with its button (left black, right
# white), waiting for each cell so that no move is merged with the next.
for ((row = 0; row < height; row++)); do [[ ${rows[$row]} =~ ^(0+|1+)$ ]] && break; done
colour=${rows[$row]:0:1}
xdotool mousemove "$(x11_cell_x 0)" "$(x11_cell_y "$row")" mousedown $((colour * 2 + 1))
for ((x = 0; x < width; x++)); do
  xdotool mousemove "$(x11_cell_x "$x")" "$(x11_cell_y "$row")"
  x11_wait_pixels "$(x11_colour_hex "$colour")" "$(x11_cell "$x" "$row")"
done
xdotool mouseup $((colour * 2 + 1))

# A click on every other cell; the message comes with the last one, once.
for ((i = 0; i < width * height; i++)); do
  x=$((i % width)) y=$((i / width)) colour=${rows[$((i / width))]:$((i % width)):1}
  [ "$y" = "$row" ] && continue
  x11_has_window "Puzzle solved" && x11_fail "solved before the last cell"
  x11_click_cell $((colour * 2 + 1)) "$x" "$y"
  x11_wait_pixels "$(x11_colour_hex "$colour")" "$(x11_cell "$x" "$y")"
done
x11_wait_window "Puzzle solved" >/dev/null
[ "$(x11_windows "Puzzle solved" | wc -l)" -eq 1 ] || x11_fail "more than one solved message"
xdotool key Return
x11_wait_no_window "Puzzle solved"
x11_log "solved by clicks and a drag"

# Nederlands, then closed: the next start, on a 2560x2048 screen at 192 dpi,
# opens "Bestand" (Alt+B) and the picture from it. Every logical pixel is two
# device pixels each way there, so a cell is twice as wide as at 96 dpi, the
# board being laid out in the same points.
pitch96=$FIELD_PITCH
x11_menu "$main" alt+l n
x11_activate "$main"
xdotool key alt+F4
x11_wait_exit
x11_stop
X11_SCREEN=2560x2048 X11_DPI=192 x11_start "$work/x11-192" || x11_fail "no X server at 192 dpi"
x11_start_game "$app"
main=$(x11_wait_window "Vindro Grizzet")
x11_menu "$main" alt+b 1
x11_wait_window "heart - Vindro Grizzet" >/dev/null
# Empty cells take the chooser's device pixel (1, 1), here of its picture smoothed to twice the size.
empty=$(convert "$app/hamworst.dat" -filter Triangle -resize 200% -depth 8 -format '%[hex:p{1,1}]' info:)
x11_find_field "$width" "$height" "#$empty"
awk -v a="$pitch96" -v b="$FIELD_PITCH" 'BEGIN { exit !(b >= 2 * a - 1 && b <= 2 * a + 1) }' ||
  x11_fail "cells of $FIELD_PITCH device pixels at 192 dpi, $pitch96 at 96 dpi"
x11_click_cell 1 0 0
x11_wait_pixels 000000 "$(x11_cell 0 0)"
x11_log "at 192 dpi, in Dutch: opened from the recent list, a cell of $FIELD_PITCH device pixels ($pitch96 at 96 dpi) painted"
echo "end-to-end run passed"
