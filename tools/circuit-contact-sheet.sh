#!/usr/bin/env bash
# Puts every plain circuit diagram Img/P.bmp of a build's program folder into one
# contact sheet, captioned with its circuit code, four to a row:
#   tools/circuit-contact-sheet.sh OUTPUT.png [BUILD_DIR]
# BUILD_DIR defaults to build in the source tree; its zavk_circuit_pictures
# target writes the diagrams. Needs ImageMagick's montage.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 OUTPUT.png [BUILD_DIR]" >&2
    exit 2
fi
output=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build}
pictures=$build/ZAVK/Img

if ! command -v montage >/dev/null; then
    echo "montage not found: apt-get install -y imagemagick" >&2
    exit 1
fi

# Picture code and circuit code, in the order of the circuit table.
circuits=(
    00:1 01:2 1000:3 1001:4 1010:3b 1011:4b 1020:9
    1021:9b 11:5 2:6 300:7 301:8 310:7b 311:8b
)

arguments=()
for pair in "${circuits[@]}"; do
    picture=${pair%%:*}
    code=${pair#*:}
    file=$pictures/$picture.bmp
    if [[ ! -f $file ]]; then
        echo "missing $file: build the target zavk_circuit_pictures first" >&2
        exit 1
    fi
    arguments+=(-label "circuit $code  ($picture.bmp)" "$file")
done

mkdir -p "$(dirname "$output")"
montage "${arguments[@]}" -depth 8 -tile 4x -geometry +6+6 -pointsize 15 -background '#d8dee6' \
    "$output"
echo "wrote $output"
