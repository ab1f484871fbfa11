#!/usr/bin/env bash
# Starts ZAVK under a virtual X display in each language and, in calculation mode
# with an ejector and separate valves, saves the equipment panel (also with the
# pointer resting on the supply valve's button, its part highlighted in the
# diagram), the model dialog for a pad, an ejector and a valve, and the result of
# the products named through it:
#   tools/screenshot-calculation.sh OUTPUT_FOLDER [LANGUAGE...]
# Needs xvfb-run, xdotool and ImageMagick's import (apt-get install xvfb xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/screenshot-common.sh
zavk_take_arguments "$@"
for language in "${languages[@]}"; do
    # Clicks at the start page's calculation mode (878,174) and New (878,244), the
    # system grid's second row (90,151), the panel's choose buttons (420, 443 + 30
    # per row) and page 0's Next (803,691). A click on the page title (40,67) gives
    # the window back its focus after a dialog closed.
    zavk_click_through "$language" "$out" "
        choose() { click 420 \$((443 + 30 * \$1)); }
        ok() { xdotool key Return; sleep 1; click 40 67; }
        click 500 20; click 878 174; click 878 244; click 90 151; shot calc-panel
        xdotool mousemove 420 533; sleep 1; shot calc-panel-hover
        choose 0; shot model-pad; ok
        choose 1; ok
        choose 2; shot model-ejector; ok
        choose 3; shot model-valve; ok
        choose 5; ok
        choose 6; ok
        click 803 691; shot calc-result"
    for shot in calc-panel calc-panel-hover model-pad model-ejector model-valve calc-result; do
        echo "$out/$shot-$language.png"
    done
done
