#!/usr/bin/env bash
# Draws the built-in pictures afresh and checks that the ones built into the program are exactly
# what the script makes: the art in the repository is the script's, byte for byte.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
art=$here/../../src/app/art
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 "$here/make_art.py" "$out"
for picture in face.bmp fallback.bmp marvix.ico tray.ico; do
    cmp "$out/$picture" "$art/$picture"
done
