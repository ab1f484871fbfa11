# Sourced by the screenshot scripts: starts the ZAVK of a program folder under a
# virtual X display and saves the screen after the start-up.
# zavk_screenshot PROGRAM_FOLDER OUTPUT_PNG
zavk_screenshot() {
    local folder=$1 png=$2
    xvfb-run -a -s "-screen 0 1100x800x24 -wr" bash -c "
        '$folder/ZAVK' & pid=\$!
        sleep 3
        import -window root -crop 1024x738+0+0 '$png'
        kill \$pid" >/dev/null 2>&1
}

# Runs ZAVK of build/ZAVK in LANGUAGE under a virtual X display and then the
# clicks of SCRIPT, a bash text that can call:
#   click X Y    click there and wait a second
#   shot NAME    save the screen as OUTPUT_FOLDER/NAME-LANGUAGE.png
# zavk_click_through LANGUAGE OUTPUT_FOLDER SCRIPT
zavk_click_through() {
    local language=$1 out=$2 script=$3 folder
    folder=$(mktemp -d)
    cp -r build/ZAVK/. "$folder/"
    printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=%s\r\n' "$language" > "$folder/System.ini"
    xvfb-run -a -s "-screen 0 1100x800x24 -wr" bash -c "
        shot() { import -window root -crop 1024x738+0+0 '$out/'\$1'-$language.png'; }
        click() { xdotool mousemove \$1 \$2 click 1; sleep 1; }
        '$folder/ZAVK' & pid=\$!
        sleep 3
        $script
        kill \$pid" >/dev/null 2>&1
    rm -rf "$folder"
}

# Reads a screenshot script's arguments OUTPUT_FOLDER [LANGUAGE...]: sets out (and
# creates the folder) and the array languages, English and Japanese when none is given.
zavk_take_arguments() {
    out=$(realpath -m "${1:?output folder}")
    shift
    languages=("$@")
    [ ${#languages[@]} -gt 0 ] || languages=(English Japanese)
    mkdir -p "$out"
}
