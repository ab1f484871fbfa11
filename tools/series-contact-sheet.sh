#!/usr/bin/env bash
# Puts every series picture of a build's program folder into one contact sheet,
# captioned with the series and the file name, five to a row, in the order of the
# catalogue's series table; the variants (_B, _2, _1 to _4) follow their plain
# picture:
#   tools/series-contact-sheet.sh OUTPUT.png [BUILD_DIR]
# BUILD_DIR defaults to build in the source tree; its zavk_series_pictures target
# draws the pictures from the catalogue ZAVK/Data/MORELDB.db. Needs sqlite3 and
# ImageMagick's montage.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 OUTPUT.png [BUILD_DIR]" >&2
    exit 2
fi
output=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build}
pictures=$build/ZAVK/Img
catalogue=$build/ZAVK/Data/MORELDB.db

for program in sqlite3 montage; do
    if ! command -v $program >/dev/null; then
        echo "$program not found: apt-get install -y sqlite3 imagemagick" >&2
        exit 1
    fi
done
if [[ ! -f $catalogue ]]; then
    echo "missing $catalogue: build the target zavk_series_pictures first" >&2
    exit 1
fi

arguments=()
while IFS='|' read -r series picture; do
    [[ -n $picture ]] || continue
    if [[ ! -f $pictures/$picture.jpg ]]; then
        echo "missing $pictures/$picture.jpg: build the target zavk_series_pictures first" >&2
        exit 1
    fi
    for file in "$pictures/$picture.jpg" "$pictures/$picture"_[B1-4].jpg; do
        [[ -f $file ]] && arguments+=(-label "$series  ($(basename "$file"))" "$file")
    done
done < <(sqlite3 "$catalogue" "SELECT SERIESID, SERIES_PIC FROM SERIES ORDER BY ID")

mkdir -p "$(dirname "$output")"
montage "${arguments[@]}" -depth 8 -tile 5x -geometry +6+6 -pointsize 13 -background '#d8dee6' \
    "$output"
echo "wrote $output"
