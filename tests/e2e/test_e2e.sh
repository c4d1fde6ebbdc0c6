#!/usr/bin/env bash
# The game as a player meets it, in a real X server with a window manager:
# start-up, File Open through the real dialog, painting with real mouse
# clicks and a drag, Show errors, the solved message, the solution window,
# switching to Dutch, and a second start that remembers the language and the
# recent file. Skipped (77) only when no X server can be started.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x11.sh"

built="${GRIZZET_APP_DIR:?}"
work="$(mktemp -d)"
trap 'x11_stop; rm -rf "$work"' EXIT
trap 'exit 129' HUP; trap 'exit 130' INT; trap 'exit 143' TERM

status=0
x11_start "$work/x11" || status=$?
if [ "$status" -eq 2 ]; then
  echo "SKIP: no X server can be started here"
  exit 77
fi

app="$work/app"
cp -r "$built/." "$app/"
rm -f "$app/lang.ini" "$app/recent.ini"
picture="$work/heart.pbm"
cp "$app/Puzzles/heart.pbm" "$picture"
mapfile -t rows < <(x11_solution_rows "$app" "$picture")
height=${#rows[@]}
width=${#rows[0]}
[ "$height" -gt 0 ] && [ "$width" -gt 0 ] || x11_fail "the checker gives no solution for $picture"

# Colours as the screen shows them.
empty=$(convert "$app/hamworst.dat" -depth 8 -format '%[hex:p{1,1}]' info:)
black=$(x11_colour_hex 0)
white=$(x11_colour_hex 1)
dot=FF8040
button_of() { case $1 in 0) echo 1 ;; 1) echo 3 ;; esac; }

bytes_of() { od -An -tx1 -v "$1" | tr -d ' \n'; }

# ---- First start: maximised, English, an empty recent list.
x11_start_game "$app"
main=$(x11_wait_window "Vindro Grizzet")
state=$(xprop -id "$main" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] ||
  x11_fail "the main window is not maximised: $state"
[ "$(bytes_of "$app/recent.ini")" = "0000000000" ] || x11_fail "recent.ini is not five zero bytes"
x11_log "started maximised; recent.ini empty"

# ---- File, Open: the real dialog, the picture's full path typed in.
x11_menu "$main" alt+f o
dialog=$(x11_wait_window "Open")
x11_activate "$dialog"
xdotool type --delay 10 "$picture"
xdotool key Return
x11_wait_window "heart - Vindro Grizzet" >/dev/null
x11_wait_no_window "Open"
x11_find_field "$width" "$height" "#$empty"
x11_log "opened $picture"

# The first black cell and the first row that is black all along.
wrong_x=; wrong_y=; full_row=
for ((y = 0; y < height; y++)); do
  row=${rows[$y]}
  if [ -z "$wrong_x" ] && [[ $row == *0* ]]; then
    prefix=${row%%0*}
    wrong_x=${#prefix}
    wrong_y=$y
  fi
  [ -z "$full_row" ] && [[ $row =~ ^0+$ ]] && full_row=$y
done
[ -n "$wrong_x" ] && [ -n "$full_row" ] || x11_fail "the test picture needs a black cell and a black row"
[ "$wrong_y" != "$full_row" ] || x11_fail "the test picture needs a black cell outside the black row"

# ---- One cell painted wrong, then Show errors marks it.
x11_click_cell 3 "$wrong_x" "$wrong_y"
x11_wait_pixels "$white" "$(x11_cell "$wrong_x" "$wrong_y")"
x11_activate "$main"
xdotool key alt+e
x11_wait_pixels "$dot" "$(x11_cell "$wrong_x" "$wrong_y")"
x11_has_window "No errors" && x11_fail "Show errors says there are none"
x11_log "the wrong cell carries the error dot"

# ---- A drag along the black row paints every cell it passes.
xdotool mousemove "$(x11_cell_x 0)" "$(x11_cell_y "$full_row")" mousedown 1
x11_wait_pixels "$black" "$(x11_cell 0 "$full_row")"
for ((x = 1; x < width; x++)); do
  xdotool mousemove "$(x11_cell_x "$x")" "$(x11_cell_y "$full_row")"
  x11_wait_pixels "$black" "$(x11_cell "$x" "$full_row")"
done
xdotool mouseup 1
x11_log "dragged along row $full_row"

# ---- Every other cell by a click of its button, the wrong one last.
points=(); expected=()
for ((y = 0; y < height; y++)); do
  [ "$y" = "$full_row" ] && continue
  for ((x = 0; x < width; x++)); do
    [ "$x,$y" = "$wrong_x,$wrong_y" ] && continue
    colour=${rows[$y]:$x:1}
    x11_click_cell "$(button_of "$colour")" "$x" "$y"
    points+=("$(x11_cell "$x" "$y")")
    expected+=("$(x11_colour_hex "$colour")")
  done
done
x11_wait_pixels "${expected[*]}" "${points[@]}"
x11_has_window "Puzzle solved" && x11_fail "solved before the last cell was right"
x11_click_cell 1 "$wrong_x" "$wrong_y"
x11_wait_window "Puzzle solved" >/dev/null
[ "$(x11_windows "Puzzle solved" | wc -l)" -eq 1 ] || x11_fail "more than one solved message"
xdotool key Return
x11_wait_no_window "Puzzle solved"
x11_wait_pixels "$black" "$(x11_cell "$wrong_x" "$wrong_y")"
x11_log "solved: the message came with the last right cell and is closed"

# Painting a right cell again on a solved field says nothing more: the next
# message is Show errors' own.
x11_click_cell 1 0 "$full_row"
x11_activate "$main"
xdotool key alt+e
x11_wait_window "No errors|Puzzle solved" >/dev/null
x11_has_window "Puzzle solved" && x11_fail "the solved message came a second time"
xdotool key Return
x11_wait_no_window "No errors"
x11_log "no second solved message; Show errors finds no errors"

# ---- Give Solution, and Escape hides it.
x11_activate "$main"
xdotool key alt+s
x11_wait_window "heart - the solution" >/dev/null
xdotool key Escape
x11_wait_no_window "heart - the solution"
x11_log "the solution window came and went"

# ---- Nederlands; the solution window's title follows at its next showing.
x11_menu "$main" alt+l n
x11_activate "$main"
xdotool key alt+o
x11_wait_window "heart - de oplossing" >/dev/null
xdotool key Escape
x11_wait_no_window "heart - de oplossing"
x11_log "switched to Dutch"

# ---- Closing keeps the language and the recent file beside the program.
x11_activate "$main"
xdotool key alt+F4
x11_wait_game_exit
[ "$(bytes_of "$app/lang.ini")" = "01" ] || x11_fail "lang.ini holds $(bytes_of "$app/lang.ini"), not 01"
expected_recent=$(printf '%02x' "${#picture}")$(printf '%s' "$picture" | od -An -tx1 -v | tr -d ' \n')00000000
[ "$(bytes_of "$app/recent.ini")" = "$expected_recent" ] || x11_fail "recent.ini does not hold $picture alone"
x11_log "closed: lang.ini and recent.ini written"

# ---- Second start: Dutch, the picture in the recent list of "Bestand".
x11_start_game "$app"
main=$(x11_wait_window "Vindro Grizzet")
x11_menu "$main" alt+b 1
x11_wait_window "heart - Vindro Grizzet" >/dev/null
x11_find_field "$width" "$height" "#$empty"
x11_activate "$main"
xdotool key alt+f
x11_wait_window "Geen fouten" >/dev/null
xdotool key Return
x11_wait_no_window "Geen fouten"
x11_log "started in Dutch and opened the recent file"

x11_activate "$main"
xdotool key alt+F4
x11_wait_game_exit
[ "$(bytes_of "$app/lang.ini")" = "01" ] || x11_fail "lang.ini lost its language"

# Nothing but the two files beside the program: no settings elsewhere.
leftovers=$(find "$XDG_CONFIG_HOME" -mindepth 1 | head -n 5)
[ -z "$leftovers" ] || x11_fail "the game wrote settings outside its folder: $leftovers"
echo "end-to-end run passed"
