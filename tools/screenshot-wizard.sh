#!/usr/bin/env bash
# Starts ZAVK under a virtual X display in each language, clicks New in selection
# mode and in calculation mode as a user would, and saves the wizard's first page
# (and, selecting, the pad, tubing and ejector pages after it, the valve page of a
# circuit with separate valves and the vacuum unit page of a pump circuit, and the
# result page of each system category):
#   tools/screenshot-wizard.sh OUTPUT_FOLDER [LANGUAGE...]
# Needs xvfb-run, xdotool and ImageMagick's import (apt-get install xvfb xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
shift
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(English Japanese)
mkdir -p "$out"
for language in "${languages[@]}"; do
    folder=$(mktemp -d)
    cp -r build/ZAVK/. "$folder/"
    printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=%s\r\n' "$language" > "$folder/System.ini"
    # The start page's buttons: selection mode, calculation mode, New.
    xvfb-run -a -s "-screen 0 1100x800x24 -wr" bash -c "
        '$folder/ZAVK' & pid=\$!
        sleep 3
        xdotool mousemove 878 112 click 1 mousemove 878 244 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-selection-$language.png'
        xdotool mousemove 803 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-pad-$language.png'
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-tubing-$language.png'
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-ejector-$language.png'
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/result-1-$language.png'
        # An ejector with separate valves (second row of the system grid): its valve page.
        xdotool mousemove 940 691 click 1 mousemove 878 112 click 1 mousemove 878 244 click 1
        sleep 1
        xdotool mousemove 90 201 click 1 mousemove 803 691 click 1
        sleep 1
        xdotool mousemove 665 691 click 1 && sleep 1 && xdotool mousemove 665 691 click 1
        sleep 1
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-valves-$language.png'
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/result-2-$language.png'
        # A vacuum pump with a vacuum unit (third row): the unit page.
        xdotool mousemove 940 691 click 1 mousemove 878 112 click 1 mousemove 878 244 click 1
        sleep 1
        xdotool mousemove 90 229 click 1 mousemove 803 691 click 1
        sleep 1
        xdotool mousemove 665 691 click 1 && sleep 1 && xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-unit-$language.png'
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/result-3-$language.png'
        # A vacuum pump with separate valves (fourth row): through its valves to the result.
        xdotool mousemove 940 691 click 1 mousemove 878 112 click 1 mousemove 878 244 click 1
        sleep 1
        xdotool mousemove 90 257 click 1 mousemove 803 691 click 1
        sleep 1
        xdotool mousemove 665 691 click 1 && sleep 1 && xdotool mousemove 665 691 click 1
        sleep 1
        xdotool mousemove 665 691 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/result-4-$language.png'
        xdotool mousemove 940 691 click 1 mousemove 878 174 click 1 mousemove 878 244 click 1
        sleep 1
        import -window root -crop 1024x738+0+0 '$out/wizard-calculation-$language.png'
        kill \$pid" >/dev/null 2>&1
    rm -rf "$folder"
    echo "$out/wizard-selection-$language.png"
    echo "$out/wizard-pad-$language.png"
    echo "$out/wizard-tubing-$language.png"
    echo "$out/wizard-ejector-$language.png"
    echo "$out/wizard-valves-$language.png"
    echo "$out/wizard-unit-$language.png"
    for category in 1 2 3 4; do echo "$out/result-$category-$language.png"; done
    echo "$out/wizard-calculation-$language.png"
done
