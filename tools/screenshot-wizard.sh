#!/usr/bin/env bash
# Starts ZAVK under a virtual X display in each language, clicks New in selection
# mode and in calculation mode as a user would, and saves the wizard's first page
# (and, selecting, the pad page with its leakage reference and a material photo,
# the tubing and ejector pages after it, the valve page of a
# circuit with separate valves and the vacuum unit page of a pump circuit, and the
# result page of each system category, with its result note, report dialog and
# report preview):
#   tools/screenshot-wizard.sh OUTPUT_FOLDER [LANGUAGE...]
# Needs xvfb-run, xdotool and ImageMagick's import (apt-get install xvfb xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/screenshot-common.sh
zavk_take_arguments "$@"
for language in "${languages[@]}"; do
    # Clicks at the places of the start page's buttons (selection mode 878,112,
    # calculation mode 878,174, New 878,244), the system grid's rows (90,173 + 28 per
    # row), page 0's Next (803,691), the other pages' Next (665,691) and Cancel (940,691).
    # A click on the page title (40,117) gives the window back its focus after a dialog.
    # The pad page's Reference button sits after the widest label of the language.
    case "$language" in
        Japanese) reference=342 ;;
        *) reference=290 ;;
    esac
    zavk_click_through "$language" "$out" "
        next() { for i in \$(seq \$1); do click 665 691; done; }
        # A new selection in the system grid's row (0 to 3), past page 0.
        selection() { click 940 691; click 878 112; click 878 244; click 90 \$((173 + 28 * \$1)); click 803 691; }
        click 878 112; click 878 244; shot wizard-selection
        click 803 691; shot wizard-pad
        click $reference 368; sleep 1; shot leakage-reference   # the leakage reference
        click 733 236; sleep 1; shot leakage-photo; xdotool key Escape; sleep 1
        click 225 84; click 745 577; click 40 117
        next 1; shot wizard-tubing
        next 1; shot wizard-ejector
        next 1; shot result-1
        click 940 366; shot result-note; xdotool key Escape; sleep 1; click 40 117
        click 665 691; xdotool type 'Gripper line 4'; shot report-dialog
        click 246 536; sleep 1; shot report-preview; xdotool key Escape; sleep 1
        click 210 450; xdotool key Escape; sleep 1; click 40 117
        selection 1; next 3; shot wizard-valves   # an ejector with separate valves
        next 1; shot result-2
        selection 2; next 2; shot wizard-unit     # a vacuum pump with a vacuum unit
        next 1; shot result-3
        selection 3; next 3; shot result-4        # a vacuum pump with separate valves
        click 940 691; click 878 174; click 878 244; shot wizard-calculation"
    echo "$out/wizard-selection-$language.png"
    echo "$out/wizard-pad-$language.png"
    echo "$out/leakage-reference-$language.png"
    echo "$out/leakage-photo-$language.png"
    echo "$out/wizard-tubing-$language.png"
    echo "$out/wizard-ejector-$language.png"
    echo "$out/result-note-$language.png"
    echo "$out/report-dialog-$language.png"
    echo "$out/report-preview-$language.png"
    echo "$out/wizard-valves-$language.png"
    echo "$out/wizard-unit-$language.png"
    for category in 1 2 3 4; do echo "$out/result-$category-$language.png"; done
    echo "$out/wizard-calculation-$language.png"
done
