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
