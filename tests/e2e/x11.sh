# Helpers for driving the real game in a private X server, as a player would:
# Xvfb with openbox, xdotool for the mouse and keyboard, ImageMagick for the
# pixels on the screen. Sourced by tests/e2e/test_e2e.sh and
# scripts/screenshot.sh. Every wait polls with a time limit.
#
#   x11_start DIR        X server and window manager; DIR keeps their files
#   x11_stop             ends every process started here
#   x11_start_game APP   the game from program folder APP; sets GAME_PID
#   ...                  see each function

X11_SCREEN=1280x1024x24
# Seconds any one wait may take: generous, for a machine busy with builds.
X11_PATIENCE=${X11_PATIENCE:-30}
X11_PIDS=()
X11_DIR=
GAME_PID=

# Fails the run; the screen as it was is kept in X11_FAILURE_SHOT (by
# default e2e-failure.png in the working folder) for a look afterwards.
x11_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "$X11_DIR" ]; then
    import -silent -window root "${X11_FAILURE_SHOT:-$PWD/e2e-failure.png}" 2>/dev/null &&
      echo "the screen at that moment: ${X11_FAILURE_SHOT:-$PWD/e2e-failure.png}" >&2
  fi
  exit 1
}
x11_log() { echo "-- ${SECONDS}s: $*"; }

# Runs COMMAND... until it succeeds, every 0.1 s, for at most SECONDS.
x11_poll() {
  local seconds=$1; shift
  local deadline=$((SECONDS + seconds))
  while ! "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a display number it picks itself, then openbox. Returns 2
# when no X server can be started at all; fails on anything else.
x11_start() {
  X11_DIR=$1
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; return 2; }
  local tool
  for tool in openbox xdotool xprop import convert; do
    command -v "$tool" >/dev/null || x11_fail "$tool is not installed (scripts/test.sh installs it)"
  done
  mkdir -p "$X11_DIR/config" "$X11_DIR/runtime"
  chmod 700 "$X11_DIR/runtime"
  # Nothing the game or the window manager writes may reach the user's home.
  export XDG_CONFIG_HOME="$X11_DIR/config" XDG_RUNTIME_DIR="$X11_DIR/runtime"
  export XDG_CACHE_HOME="$X11_DIR/cache" XDG_DATA_HOME="$X11_DIR/data"
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

  : >"$X11_DIR/display"
  Xvfb -displayfd 3 -screen 0 "$X11_SCREEN" -dpi 96 -nolisten tcp -noreset \
    3>"$X11_DIR/display" >"$X11_DIR/xvfb.log" 2>&1 &
  X11_PIDS+=($!)
  local xvfb=$!
  if ! x11_poll "$X11_PATIENCE" test -s "$X11_DIR/display"; then
    echo "Xvfb did not start:"; cat "$X11_DIR/xvfb.log"
    return 2
  fi
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb ended at once:"; cat "$X11_DIR/xvfb.log"; return 2; }
  export DISPLAY=":$(tr -dc 0-9 <"$X11_DIR/display")"

  openbox --sm-disable >"$X11_DIR/openbox.log" 2>&1 &
  X11_PIDS+=($!)
  x11_poll "$X11_PATIENCE" x11_wm_ready || { cat "$X11_DIR/openbox.log"; x11_fail "openbox did not take over the screen"; }
  x11_log "X server $DISPLAY with openbox"
}

x11_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Ends the game, the window manager and the X server, newest first.
x11_stop() {
  local i pid
  if [ -n "$GAME_PID" ]; then
    kill "$GAME_PID" 2>/dev/null || true
    x11_poll 5 x11_gone "$GAME_PID" || kill -9 "$GAME_PID" 2>/dev/null || true
  fi
  for ((i = ${#X11_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${X11_PIDS[$i]}
    kill "$pid" 2>/dev/null || continue
    x11_poll 5 x11_gone "$pid" || kill -9 "$pid" 2>/dev/null || true
  done
  X11_PIDS=()
  GAME_PID=
}

x11_gone() { ! kill -0 "$1" 2>/dev/null; }

# Starts the game from the program folder APP on the X server.
x11_start_game() {
  local app=$1
  (cd "$app" && exec env QT_QPA_PLATFORM=xcb ./vindro-grizzet) >>"$X11_DIR/game.log" 2>&1 &
  GAME_PID=$!
}

# Waits for the game to end by itself within SECONDS.
x11_wait_game_exit() {
  x11_poll "${1:-$X11_PATIENCE}" x11_gone "$GAME_PID" || x11_fail "the game did not end"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=
}

# The visible windows whose whole name matches the extended regular
# expression NAME, one id a line.
x11_windows() { xdotool search --onlyvisible --name "^($1)\$" 2>/dev/null; }

x11_has_window() { [ -n "$(x11_windows "$1")" ]; }
x11_no_window() { [ -z "$(x11_windows "$1")" ]; }

# Waits until a window named NAME is shown and prints its id.
x11_wait_window() {
  local name=$1 seconds=${2:-$X11_PATIENCE}
  x11_poll "$seconds" x11_has_window "$name" || {
    x11_log "windows shown: $(x11_window_names | tr '\n' '|')" >&2
    x11_fail "no window \"$name\" within $seconds s"
  }
  x11_windows "$name" | head -n 1
}

x11_wait_no_window() {
  local name=$1 seconds=${2:-$X11_PATIENCE}
  x11_poll "$seconds" x11_no_window "$name" || x11_fail "window \"$name\" still shown after $seconds s"
}

# The names of the visible windows that have one.
x11_window_names() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    xdotool getwindowname "$id" 2>/dev/null
  done
}

# The number of the game's windows on the screen, menus included.
x11_game_window_count() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | wc -l; }

x11_count_above() { [ "$(x11_game_window_count)" -gt "$1" ]; }

# Makes window ID the active one, so that keys go to it.
x11_activate() {
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  x11_poll "$X11_PATIENCE" x11_is_active "$1" || x11_fail "window $1 does not become active"
}

x11_is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Opens a menu of window ID with the key ALT_KEY (e.g. alt+f), waits until it
# shows, then presses ITEM_KEY.
x11_menu() {
  local id=$1 menu_key=$2 item_key=$3 before
  x11_activate "$id"
  before=$(x11_game_window_count)
  xdotool key "$menu_key"
  x11_poll "$X11_PATIENCE" x11_count_above "$before" || x11_fail "no menu opened with $menu_key"
  xdotool key "$item_key"
}

# Prints the screen's pixel colours at the points "X,Y" given, as RRGGBB
# hexadecimal, one line, from one screenshot.
x11_pixels() {
  local format="" point
  for point in "$@"; do format+="%[hex:p{$point}] "; done
  import -silent -window root -depth 8 miff:- | convert - -format "$format" info: | sed 's/ *$//'
}

x11_pixels_are() {
  local expected=$1; shift
  [ "$(x11_pixels "$@")" = "$expected" ]
}

# Waits until the pixels at the points "X,Y" given show EXPECTED (the
# colours as x11_pixels prints them).
x11_wait_pixels() {
  local expected=$1; shift
  x11_poll "$X11_PATIENCE" x11_pixels_are "$expected" "$@" ||
    x11_fail "pixels at $* show $(x11_pixels "$@"), not $expected"
}

# Saves the screen to FILE (PNG).
x11_screenshot() { import -silent -window root "$1"; }

# The empty field on the screen: every empty cell is filled with the colour
# of the chooser's swatch 0 and edged in dark grey. Prints "LEFT TOP RIGHT
# BOTTOM COUNT": the box around the cells' insides and how many there are.
# Stray pixels of that colour elsewhere (text, artwork) make small specks,
# which are left out by their size.
x11_empty_cells() {
  local colour=$1
  import -silent -window root -depth 8 miff:- |
    convert - -fill black +opaque "$colour" -fill white -opaque "$colour" \
      -define connected-components:verbose=true -connected-components 4 null: |
    awk 'BEGIN { n = 0; largest = 0 }
         $NF == "srgb(255,255,255)" || $NF == "gray(255)" {
           split($2, g, /[x+]/); area[n] = $4; w[n] = g[1]; h[n] = g[2]; x[n] = g[3]; y[n] = g[4]
           if ($4 > largest) largest = $4
           n++
         }
         END {
           left = 1e9; top = 1e9; right = -1; bottom = -1; count = 0
           for (i = 0; i < n; i++) {
             if (area[i] * 2 < largest) continue
             count++
             if (x[i] < left) left = x[i]
             if (y[i] < top) top = y[i]
             if (x[i] + w[i] - 1 > right) right = x[i] + w[i] - 1
             if (y[i] + h[i] - 1 > bottom) bottom = y[i] + h[i] - 1
           }
           if (count > 0) print left, top, right, bottom, count
         }'
}

# Finds the field of a puzzle WIDTH by HEIGHT cells whose empty cells show
# COLOUR, waiting until all of them are on the screen. Sets FIELD_LEFT,
# FIELD_TOP and FIELD_PITCH (pixels from one cell to the next) for
# x11_cell_x and x11_cell_y.
x11_find_field() {
  local width=$1 height=$2 colour=$3 box=""
  local deadline=$((SECONDS + X11_PATIENCE))
  while :; do
    box=$(x11_empty_cells "$colour")
    [ "$(echo "$box" | awk '{print $5}')" = "$((width * height))" ] && break
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "no field of $width x $height empty cells on the screen (found: $box)"
    sleep 0.1
  done
  read -r FIELD_LEFT FIELD_TOP FIELD_RIGHT FIELD_BOTTOM _ <<<"$box"
  # A cell's inside lies between one-pixel edges: the pitch is the width
  # of all insides and all edges but the outer two, divided by the cells.
  FIELD_PITCH=$(awk -v l="$FIELD_LEFT" -v r="$FIELD_RIGHT" -v n="$width" 'BEGIN { printf "%.3f", (r - l + 2) / n }')
  local down
  down=$(awk -v t="$FIELD_TOP" -v b="$FIELD_BOTTOM" -v n="$height" 'BEGIN { printf "%.3f", (b - t + 2) / n }')
  awk -v a="$FIELD_PITCH" -v b="$down" 'BEGIN { exit !(a - b < 2 && b - a < 2) }' ||
    x11_fail "cells are not square: $FIELD_PITCH across, $down down"
  x11_log "field at $FIELD_LEFT,$FIELD_TOP, cells $FIELD_PITCH pixels"
}

# The screen position of the middle of column X, row Y.
x11_cell_x() { awk -v l="$FIELD_LEFT" -v p="$FIELD_PITCH" -v c="$1" 'BEGIN { printf "%d", l - 1 + (c + 0.5) * p }'; }
x11_cell_y() { awk -v t="$FIELD_TOP" -v p="$FIELD_PITCH" -v c="$1" 'BEGIN { printf "%d", t - 1 + (c + 0.5) * p }'; }
x11_cell() { echo "$(x11_cell_x "$1"),$(x11_cell_y "$2")"; }

# Clicks BUTTON (1 left, 3 right) on the middle of cell X, Y.
x11_click_cell() {
  xdotool mousemove "$(x11_cell_x "$2")" "$(x11_cell_y "$3")" click "$1"
}

# How the screen shows colour NUMBER (0 black, 1 white, 2 red, ... 7 cyan).
x11_colour_hex() {
  local hex=(000000 FFFFFF FF0000 0000FF FFFF00 00FF00 FF00FF 00FFFF)
  echo "${hex[$1]}"
}

# The solution of PICTURE as the checker reads it: one line a row, one colour
# number a cell (0 black, 1 white, 2 red, ...).
x11_solution_rows() {
  "$1/grizzet-check" "$2" | sed -n 's/.*"solution":\[\([^]]*\)\].*/\1/p' | tr -d '"' | tr ',' '\n'
}
