#!/usr/bin/env bash
# Installs the game for the current user into ~/.local: the program folder in
# ~/.local/lib/vindro-grizzet (writable, so the game keeps "lang.ini" and
# "recent.ini" there), a launcher in ~/.local/bin, the menu entry, the icons
# and the AppStream metadata. The list of installed files is kept, so that
#
#   scripts/install.sh --uninstall
#
# removes exactly those and nothing else; the game's own two files and any
# puzzles added stay, and it says so.
# A build folder may be given after the options (default: a release build in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
uninstall=0
if [ "${1:-}" = "--uninstall" ]; then uninstall=1; shift; fi
prefix="$HOME/.local"
record="$prefix/share/vindro-grizzet/installed-files"

if [ "$uninstall" = 1 ]; then
  [ -f "$record" ] || { echo "nothing of Vindro Grizzet is installed in $prefix"; exit 0; }
  while IFS= read -r file || [ -n "$file" ]; do   # the list ends without a newline
    rm -f -- "$file"
  done <"$record"
  rm -f -- "$record"
  # Folders go only when nothing but what was installed was in them.
  appdir="$prefix/lib/vindro-grizzet"
  rmdir -- "$prefix/share/vindro-grizzet" "$appdir/Puzzles" "$appdir" 2>/dev/null || true
  echo "Vindro Grizzet removed from $prefix"
  kept=$(cd "$appdir" 2>/dev/null && find . ! -type d | sed 's|^\./||' | sort | xargs)
  [ -z "$kept" ] || echo "Kept in $appdir, as they are yours: $kept"
  exit 0
fi

build="${1:-build}"
if [ "$build" = "build" ]; then
  scripts/deps.sh g++ make cmake qt6-base-dev qt6-translations-l10n fonts-liberation
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
# The build speaks only when it fails.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
cmake --build "$build" -j"$(nproc)" --target vindro-grizzet grizzet-check grizzet-convert >"$log" 2>&1 ||
  { cat "$log" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" --strip >/dev/null
mkdir -p "$(dirname "$record")"
cp "$build/install_manifest.txt" "$record"
echo "Vindro Grizzet installed in $prefix: start it from the menu, or with $prefix/bin/vindro-grizzet;" \
  "puzzle authors have $prefix/bin/grizzet-check and $prefix/bin/grizzet-convert"
