#!/usr/bin/env bash
# Draws the built-in pictures, the built-in alarm sound and the gallery's faces afresh and checks that the ones in the
# repository are exactly what the scripts make: the art in the repository is the scripts', byte
# for byte.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
art=$here/../../src/program/art
faces=$here/../../gallery/faces
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 "$here/make_art.py" "$out"
for picture in face.bmp face@2x.bmp fallback.bmp marvix.ico tray.ico; do
    cmp "$out/$picture" "$art/$picture"
done
cmp "$out/installer.bmp" "$here/../../package/installer.bmp"
python3 "$here/make_sounds.py" "$out"
cmp "$out/alarm.wav" "$art/alarm.wav"
python3 "$here/make_gallery_faces.py" "$out/gallery"
diff <(cd "$out/gallery" && ls) <(cd "$faces" && ls)
for face in "$out"/gallery/*.bmp; do
    cmp "$face" "$faces/$(basename "$face")"
done
