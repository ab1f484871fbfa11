#!/usr/bin/env bash
# Starts ZAVK under a virtual X display with a broken language file and saves what
# the user sees: tools/screenshot-broken-language.sh OUTPUT_FOLDER
#   language-fallback.png   German.xml is broken: English is used, and the message says so
#   language-none.png       English.xml, the language chosen, is broken too: built-in captions
# Needs xvfb-run and ImageMagick's import (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/screenshot-common.sh
out=$(realpath -m "${1:?output folder}")
mkdir -p "$out"

shoot() { # name language broken-file...
    local name=$1 language=$2 folder
    shift 2
    folder=$(mktemp -d)
    cp -r build/ZAVK/. "$folder/"
    printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=%s\r\n' "$language" > "$folder/System.ini"
    for broken in "$@"; do
        printf '<Language><Form>' > "$folder/Language/$broken"
    done
    zavk_screenshot "$folder" "$out/$name.png"
    rm -rf "$folder"
    echo "$out/$name.png"
}

shoot language-fallback German German.xml
shoot language-none English English.xml
