#!/usr/bin/env bash
# Builds zavk-screens and draws the skinned controls and the main windows of ZAVK
# offscreen into PNG files: tools/screenshot-controls.sh OUTPUT_FOLDER
#   skin-info-show.png, skin-debug-info.png, skin-buttons.png, terms-of-use.png,
#   help.png, main-window.png, splash.png, the settings dialog's pages
#   settings-presets/-language/-unit-schemes/-about.png and settings-scheme-name.png
# Uses the build configured in build/, or in the folder ZAVK_BUILD_DIR names.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
build=${ZAVK_BUILD_DIR:-build}
cmake --build "$build" --target zavk-screens >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tools/zavk-screens" "$out"
