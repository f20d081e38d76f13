#!/usr/bin/env bash
# Installs the build into a scratch prefix and uses it from another folder, as a user would:
# every file in its place, a valid menu entry, and the installed tessal-render finding the
# installed dictionaries.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in bin/tessal bin/tessal-render \
    share/tessal/Dictionary/Morse2Eng.csv share/tessal/Dictionary/Morse2Num.csv \
    share/applications/tessal.desktop share/icons/hicolor/scalable/apps/tessal.svg \
    share/icons/hicolor/16x16/apps/tessal.png share/icons/hicolor/256x256/apps/tessal.png \
    share/man/man1/tessal-render.1; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; status=1; }
done
[ "$status" -eq 0 ] || exit 1

desktop-file-validate "$prefix/share/applications/tessal.desktop"
icon="$(sed -n 's/^Icon=//p' "$prefix/share/applications/tessal.desktop")"
[ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    { echo "the menu entry's icon $icon is not installed"; exit 1; }

mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
XDG_CONFIG_HOME="$scratch/config" "$prefix/bin/tessal-render" --text "CQ" -o cq.wav >/dev/null
[ -s cq.wav ] || { echo "tessal-render wrote nothing"; exit 1; }
echo "installed layout ok"
