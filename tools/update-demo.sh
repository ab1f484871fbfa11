#!/usr/bin/env bash
# Tries the online update by hand on a copy of build/ZAVK: serves a newer release
# (a changed English.xml, a newer start picture, System.ini version 1.1) with
# zavk-update-server, lists what differs with `zavk-cli update --check`, then runs
# `ZAVK --update` under a virtual display, clicks through the wizard and saves a
# screenshot of each step, of the proxy dialog, and of the updated copy started
# again:  tools/update-demo.sh OUTPUT_FOLDER
# Needs xvfb, xdotool, imagemagick and sqlite3, and the build in build/
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
mkdir -p "$out"
cmake --build build --target ZAVK zavk-cli zavk-update-server >/dev/null
work=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill $server_pid 2>/dev/null; rm -rf "$work"' EXIT
port=$((20000 + RANDOM % 20000))

# The installation: a copy of the program folder, pointing at the local server.
cp -r build/ZAVK "$work/install"
printf '[System]\r\nDisplayAgree=0\r\nDefaultLanguage=English\r\nIniFileVersion=1.0\r\nVersion=1.0\r\n[HTTPURL]\r\nUrl=http://127.0.0.1:%s/\r\nFilePath=zavk\r\n' \
    "$port" > "$work/install/System.ini"

# The release on the server.
release="$work/server/zavk"
mkdir -p "$release/Language" "$release/Img"
sed 's/ZAVK - Vacuum circuit design/ZAVK 1.1 - Vacuum circuit design/' \
    build/ZAVK/Language/English.xml > "$release/Language/English.xml"
cp build/ZAVK/Img/Main.JPG "$release/Img/Main.JPG"
printf '[System]\r\nDisplayAgree=1\r\nDefaultLanguage=German\r\nIniFileVersion=1.1\r\nVersion=1.1\r\n[HTTPURL]\r\nUrl=http://127.0.0.1:%s/\r\nFilePath=zavk\r\n' \
    "$port" > "$release/System.ini"
db_version=$(sqlite3 build/ZAVK/Data/MORELDB.db 'select VersionID from DBVersion limit 1')
cat > "$release/QOV_VERSION.ini" <<LIST
[FileVersion]
DataBaseVersion=$db_version
IniFileVersion=1.1
[FileInfo]
FileCount=2
FileName[1]=Language\\English.xml;2026-12-01 09:30;English texts of release 1.1
FileName[2]=Img\\Main.JPG;2026-12-01 09:30;start picture
[VersionInfo]
InfoCount=2
InfoString[1]=System;DisplayAgree
InfoString[2]=System;DefaultLanguage
LIST
# Each reply waits 30 ms, so the download step can be seen.
build/tools/zavk-update-server "$work/server" "$port" 30 > "$work/server.log" &
server_pid=$!
sleep 1

echo "== zavk-cli update --check"
build/ZAVK/zavk-cli update --check --folder "$work/install" | tee "$out/update-check.txt"

# Runs the copy's ZAVK with the arguments under a virtual display, then the clicks.
run() {
    local arguments=$1 clicks=$2
    xvfb-run -a -s "-screen 0 1100x800x24 -wr" bash -c "
        shot() { import -window root -crop 1024x738+0+0 '$out/'\$1'.png'; }
        click() { xdotool mousemove \$1 \$2 click 1; sleep 1; }
        '$work/install/ZAVK' $arguments & pid=\$!
        sleep 4
        $clicks
        sleep 1; kill \$pid 2>/dev/null; true" >/dev/null 2>&1
}
# Back, Next and Cancel of the wizard.
next="click 636 536"
run --update "click 500 20; shot update-1-welcome; $next; shot update-3-folder; $next
    shot update-4-ready; xdotool mousemove 636 536 click 1; sleep 1.6; shot update-5-copy
    sleep 5; shot update-6-finish; $next"
echo "== after the update"
build/ZAVK/zavk-cli update --check --folder "$work/install"
grep -h 'Version=\|DisplayAgree\|DefaultLanguage' "$work/install/System.ini"
run "" "shot update-restarted"

# A server that cannot be reached: the proxy dialog, then the stopped update.
sed -i "s/Url=.*/Url=http:\/\/127.0.0.1:1\//" "$work/install/System.ini"
run --update "click 500 20; $next; $next; $next; sleep 2; shot update-proxy
    click 630 408; sleep 1; shot update-7-stopped"
