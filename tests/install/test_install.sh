#!/usr/bin/env bash
# Installed as a player installs it, into a home of its own: scripts/install.sh
# on the tested build, the entry and metadata validated, the game started
# through its launcher from elsewhere (it finds its folder: "recent.ini"
# appears there), then uninstalled, leaving exactly what was there before and
# what the game wrote; then the portable archive unpacked and started.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(dirname "${GRIZZET_APP_DIR:?}")"
for tool in desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool here"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
starts_in() {   # FOLDER PROGRAM: the program, started elsewhere, writes FOLDER/recent.ini
  (cd "$work" && exec env QT_QPA_PLATFORM=offscreen "$2" >/dev/null 2>&1) &
  for _ in $(seq 100); do [ -s "$1/recent.ini" ] && break; sleep 0.1; done
  kill $! 2>/dev/null || true
  [ "$(od -An -tx1 "$1/recent.ini" | tr -d ' \n')" = 0000000000 ] || fail "no recent.ini in $1"
}

export HOME="$work/home"
prefix="$HOME/.local" id=org.vindro.grizzet
mkdir -p "$prefix/share/applications" && echo mine >"$prefix/share/applications/other.desktop"
said="$("$root/scripts/install.sh" "$build")"
[ "$(printf '%s\n' "$said" | wc -l)" = 1 ] || fail "install.sh says more than its one line: $said"
for program in vindro-grizzet grizzet-check grizzet-convert; do
  [ "$(readlink "$prefix/bin/$program")" = "../lib/vindro-grizzet/$program" ] || fail "no link to $program"
done
"$prefix/bin/grizzet-convert" "$prefix/lib/vindro-grizzet/Puzzles/heart.pbm" "$work/heart.pbm" >/dev/null &&
  "$prefix/bin/grizzet-check" "$work/heart.pbm" | grep -q '"loaded":true' || fail "the installed tools"
for file in grizzet-check mouse1.dat mouse2.dat hamworst.dat Puzzles/heart.pbm; do
  [ -s "$prefix/lib/vindro-grizzet/$file" ] || fail "no $file"
done
for size in 48 128 256; do
  [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
    fail "no icon of $size"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry"
grep -qx "Exec=\"$prefix/bin/vindro-grizzet\"" "$prefix/share/applications/$id.desktop" || fail "Exec"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "the metadata"
starts_in "$prefix/lib/vindro-grizzet" "$prefix/bin/vindro-grizzet"

said="$("$root/scripts/install.sh" --uninstall)"
[[ "$said" == *"Kept in $prefix/lib/vindro-grizzet"*"recent.ini" ]] || fail "uninstalling does not say what it kept: $said"
left="$(cd "$HOME" && find . ! -type d | sort | xargs)"
[ "$left" = "./.local/lib/vindro-grizzet/recent.ini ./.local/share/applications/other.desktop" ] ||
  fail "left after uninstalling: $left"

cmake --build "$build" --target portable >/dev/null
tar xzf "$build/vindro-grizzet-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")-linux-x86_64.tar.gz" -C "$work"
starts_in "$(echo "$work"/vindro-grizzet-*)" "$(echo "$work"/vindro-grizzet-*/vindro-grizzet)"
echo "install, uninstall and the portable archive passed"
