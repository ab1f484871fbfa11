#!/usr/bin/env bash
# Starts ZAVK once per language under a virtual X display and saves a screenshot
# of its main window: tools/screenshot-languages.sh OUTPUT_FOLDER [LANGUAGE...]
# Needs xvfb-run and ImageMagick's import (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
shift
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(Japanese Chinese Korean English Spanish French German Italian Portuguese Russian)
mkdir -p "$out"
for language in "${languages[@]}"; do
    folder=$(mktemp -d)
    cp -r build/ZAVK/. "$folder/"
    printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=%s\r\n' "$language" > "$folder/System.ini"
    xvfb-run -a -s "-screen 0 1100x800x24" bash -c "
        '$folder/ZAVK' & pid=\$!
        sleep 3
        import -window root -crop 1024x738+0+0 '$out/main-$language.png'
        kill \$pid" >/dev/null 2>&1
    rm -rf "$folder"
    echo "$out/main-$language.png"
done
