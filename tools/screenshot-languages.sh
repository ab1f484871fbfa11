#!/usr/bin/env bash
# Starts ZAVK once per language under a virtual X display and saves a screenshot
# of its main window: tools/screenshot-languages.sh OUTPUT_FOLDER [LANGUAGE...]
# Needs xvfb-run and ImageMagick's import (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/screenshot-common.sh
out=$(realpath -m "${1:?output folder}")
shift
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(Japanese Chinese Korean English Spanish French German Italian Portuguese Russian)
mkdir -p "$out"
for language in "${languages[@]}"; do
    folder=$(mktemp -d)
    cp -r build/ZAVK/. "$folder/"
    printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=%s\r\n' "$language" > "$folder/System.ini"
    zavk_screenshot "$folder" "$out/main-$language.png"
    rm -rf "$folder"
    echo "$out/main-$language.png"
done
