#!/usr/bin/env bash
# Exports the sample selection's report as HTML with zavk-cli and renders the page
# as a browser would (wkhtmltoimage) into OUTPUT_FOLDER/report-html-English.png:
#   tools/screenshot-report-html.sh OUTPUT_FOLDER
# Needs the build in build/ (or ZAVK_BUILD_DIR), wkhtmltopdf and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
build=${ZAVK_BUILD_DIR:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build/ZAVK/zavk-cli" report --title "Line 4" \
    --html "$work/line4" examples/ejector-separate-valves.SEL
QT_QPA_PLATFORM=offscreen wkhtmltoimage -q --enable-local-file-access --width 900 \
    "file://$work/line4.html" "$work/page.png"
mkdir -p "$out"
convert "$work/page.png" -resize 900x "$out/report-html-English.png"
echo "$out/report-html-English.png"
