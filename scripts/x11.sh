# Helpers for driving the real game in a private X server, as a player would:
# Xvfb with openbox, xdotool for the mouse and keyboard, ImageMagick for the
# pixels on the screen. Sourced by tests/e2e/test_e2e.sh and
# scripts/screenshot.sh. Every wait polls, for at most X11_PATIENCE seconds:
# generous, for a machine busy with builds.
X11_PATIENCE=${X11_PATIENCE:-30}
X11_PIDS=()
X11_DIR=
GAME_PID=

# Fails the run; the screen as it was is kept in X11_FAILURE_SHOT (by default
# e2e-failure.png in the working folder) for a look afterwards.
x11_fail() {
  echo "FAIL: $*" >&2
  [ -z "$X11_DIR" ] || import -silent -window root "${X11_FAILURE_SHOT:-$PWD/e2e-failure.png}" 2>/dev/null || true
  exit 1
}
x11_log() { echo "-- ${SECONDS}s: $*"; }

# Runs COMMAND... every 0.1 s until it succeeds; fails after X11_PATIENCE seconds.
x11_poll() {
  local deadline=$((SECONDS + X11_PATIENCE))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a display it picks itself, then openbox, keeping their files
# in DIR. Returns 2 when no X server can be started at all. The screen is
# X11_SCREEN pixels (1280x1024) at X11_DPI (96) dots per inch; any other dpi
# also goes into the X resources as Xft.dpi, as desktops set it for 150 % or
# 200 %, and Qt scales its windows by it.
x11_start() {
  X11_DIR=$1
  command -v Xvfb >/dev/null || return 2
  mkdir -p -m 700 "$X11_DIR"
  # Nothing the game or the window manager writes may reach the user's home.
  export XDG_CONFIG_HOME="$X11_DIR/config" XDG_RUNTIME_DIR="$X11_DIR" XDG_CACHE_HOME="$X11_DIR/cache"
  local dpi=${X11_DPI:-96}
  Xvfb -displayfd 3 -screen 0 "${X11_SCREEN:-1280x1024}x24" -dpi "$dpi" -nolisten tcp -noreset 3>"$X11_DIR/display" \
    >"$X11_DIR/xvfb.log" 2>&1 &
  X11_PIDS+=($!)
  x11_poll test -s "$X11_DIR/display" || return 2
  export DISPLAY=":$(tr -dc 0-9 <"$X11_DIR/display")"
  [ "$dpi" = 96 ] || xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
  openbox --sm-disable >"$X11_DIR/openbox.log" 2>&1 &
  X11_PIDS+=($!)
  x11_poll x11_wm_ready || x11_fail "openbox did not take over the screen"
}
x11_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Ends the game, the window manager and the X server.
x11_stop() {
  local pid
  for pid in $GAME_PID "${X11_PIDS[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  X11_PIDS=() GAME_PID=
}

# Starts the game from the program folder APP; x11_wait_exit waits for it to end by itself.
x11_start_game() {
  (cd "$1" && exec env QT_QPA_PLATFORM=xcb ./vindro-grizzet) >>"$X11_DIR/game.log" 2>&1 &
  GAME_PID=$!
}
x11_game_gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }
x11_wait_exit() { x11_poll x11_game_gone && GAME_PID= || x11_fail "the game did not end"; }

# The visible windows whose whole name matches the extended regular
# expression NAME; x11_wait_window waits for one and prints its id.
x11_windows() { xdotool search --onlyvisible --name "^($1)\$" 2>/dev/null; }
x11_has_window() { [ -n "$(x11_windows "$1")" ]; }
x11_wait_window() { x11_poll x11_has_window "$1" && x11_windows "$1" | head -n 1 || x11_fail "no window \"$1\""; }
x11_no_window() { ! x11_has_window "$1"; }
x11_wait_no_window() { x11_poll x11_no_window "$1" || x11_fail "window \"$1\" stays"; }

# Makes window ID the active one, so that keys go to it.
x11_activate() {
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  x11_poll x11_is_active "$1" || x11_fail "window $1 does not become active"
}
x11_is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Opens a menu of window ID with MENU_KEY (e.g. alt+f), waits until it shows, then presses ITEM_KEY.
x11_menu() {
  x11_activate "$1"
  local before
  before=$(x11_game_windows)
  xdotool key "$2"
  x11_poll x11_more_windows "$before" || x11_fail "no menu opened with $2"
  xdotool key "$3"
}
x11_game_windows() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | wc -l; }
x11_more_windows() { [ "$(x11_game_windows)" -gt "$1" ]; }

# The screen's colours at the points "X,Y" given, as RRGGBB, one line, from
# one screenshot; x11_wait_pixels waits until they are EXPECTED.
x11_pixels() {
  import -silent -window root -depth 8 miff:- | convert - -format "$(printf '%%[hex:p{%s}] ' "$@")" info: | sed 's/ *$//'
}
x11_pixels_are() { [ "$(x11_pixels "${@:2}")" = "$1" ]; }
x11_wait_pixels() { x11_poll x11_pixels_are "$@" || x11_fail "pixels at ${*:2} show $(x11_pixels "${@:2}"), not $1"; }
x11_screenshot() { import -silent -window root "$1"; }

# Finds the field of WIDTH x HEIGHT empty cells, which show COLOUR inside
# dark edges, waiting until all of them are on the screen. Stray specks of
# that colour (text, artwork) are left out by their size. Sets FIELD_LEFT,
# FIELD_TOP and FIELD_PITCH (pixels from one cell to the next) for x11_cell.
x11_find_field() { x11_poll x11_field_shown "$@" || x11_fail "no field of $1 x $2 empty cells on the screen"; }
x11_field_shown() {
  local right count
  read -r FIELD_LEFT FIELD_TOP right count < <(import -silent -window root -depth 8 miff:- |
    convert - -fill black +opaque "$3" -fill white -opaque "$3" \
      -define connected-components:verbose=true -connected-components 4 null: |
    awk '$NF ~ /(255,255,255|gray\(255)\)/ { split($2, g, /[x+]/); n++; a[n] = $4; w[n] = g[1]; x[n] = g[3]; y[n] = g[4]
                                             if ($4 > big) big = $4 }
         END { l = t = 1e9; for (i = 1; i <= n; i++) if (a[i] * 2 >= big) {
                 c++; if (x[i] < l) l = x[i]; if (y[i] < t) t = y[i]; if (x[i] + w[i] > r) r = x[i] + w[i] }
               print l, t, r, c + 0 }')
  [ "$count" = $(($1 * $2)) ] || return 1
  FIELD_PITCH=$(awk -v l="$FIELD_LEFT" -v r="$right" -v n="$1" 'BEGIN { printf "%.3f", (r - l + 1) / n }')
}

# The screen position of the middle of column X, row Y; a click there with BUTTON (1 left, 3 right).
x11_cell_x() { awk -v l="$FIELD_LEFT" -v p="$FIELD_PITCH" -v c="$1" 'BEGIN { printf "%d", l - 1 + (c + 0.5) * p }'; }
x11_cell_y() { awk -v t="$FIELD_TOP" -v p="$FIELD_PITCH" -v c="$1" 'BEGIN { printf "%d", t - 1 + (c + 0.5) * p }'; }
x11_cell() { echo "$(x11_cell_x "$1"),$(x11_cell_y "$2")"; }
x11_click_cell() { xdotool mousemove "$(x11_cell_x "$2")" "$(x11_cell_y "$3")" click "$1"; }

# How the screen shows colour NUMBER (0 black, 1 white, 2 red, ... 7 cyan).
x11_colour_hex() { local hex=(000000 FFFFFF FF0000 0000FF FFFF00 00FF00 FF00FF 00FFFF); echo "${hex[$1]}"; }

# The solution of PICTURE as the checker reads it: one line a row, one colour number a cell.
x11_solution_rows() {
  "$1/grizzet-check" "$2" | sed -n 's/.*"solution":\[\([^]]*\)\].*/\1/p' | tr -d '"' | tr ',' '\n'
}
