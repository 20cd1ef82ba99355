#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build as a user meets it, under Wine on a private X server with a window
# manager: installed by its installer into a new Wine prefix, then driven through X11.
#   wine.sh CASE SETUP_EXE ZIP PREFIX SCREENSHOT_FOLDER
# CASE is one of: bundle install upgrade calculator example zero reference german uninstall.
set -euo pipefail
case_=$1 setup=$2 zip=$3
export WINEPREFIX=$4
shots=$5
mkdir -p "$shots"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
# No prompts to fetch Mono or Gecko, and quiet.
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
wine=(wine)
command -v wine >/dev/null || wine=(/usr/lib/wine/wine64)
# The session's helpers, and what the build wrote for them: titles, languages, button places.
source "$(dirname "$0")/../screenshots/xsession.sh"
installed="C:\\Program Files\\$TORRENTIX_TITLE"
key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$TORRENTIX_TITLE"

# The program's processes and the X server go at the end, in that order.
session() {
    start_x
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    trap 'wine_down; end_session' EXIT
}
wine_down() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# new_prefix: a new Wine prefix, with the fonts that every Windows has.
new_prefix() {
    rm -rf "$WINEPREFIX"
    "${wine[@]}" wineboot --init
    wineserver -w
    # Debian's Wine leaves the prefix's Fonts folder empty: without Tahoma and MS Sans Serif,
    # which every Windows has, Qt's dialogs and the designed faces would fall back to the
    # first face of this machine, a serif one. The prefix gets Wine's own copies of them.
    cp /usr/share/wine/fonts/* "$(unix_path 'C:\windows\Fonts')/"
}

# speak_german: from here on Wine is a Windows set to German, in a prefix of its own. Wine takes
# the display language from the Unix locale; the German one is made for these checks, beside
# the prefix, so that the machine's own locales stay as they are.
speak_german() {
    export LOCPATH=$WINEPREFIX-locale
    if [ ! -f "$LOCPATH/de_DE.UTF-8/LC_MESSAGES/SYS_LC_MESSAGES" ]; then
        [ -f /usr/share/i18n/locales/de_DE ] || fail "no German locale source (package locales)"
        mkdir -p "$LOCPATH"
        localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8" ||
            [ -f "$LOCPATH/de_DE.UTF-8/LC_MESSAGES/SYS_LC_MESSAGES" ] || fail "localedef de_DE failed"
    fi
    # This shell has no LOCPATH of its own to find it with, and says so: Wine finds it.
    export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 WINEPREFIX=$WINEPREFIX-de 2>/dev/null
}

# german TEXT: the program's German for one of its English texts, from its translation.
german() {
    python3 -c 'import sys, xml.etree.ElementTree as ts
print(next(m.findtext("translation") for m in ts.parse(sys.argv[1]).iter("message")
           if m.findtext("source") == sys.argv[2]))' "$source_dir/translations/torrentix_de.ts" "$1"
}

unix_path() { "${wine[@]}" winepath -u "$1" 2>/dev/null; }

# registry VALUE: a value of the program's entry in Apps & features (empty when missing).
registry() {
    "${wine[@]}" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# entries: how many entries in Apps & features bear the program's name.
entries() {
    "${wine[@]}" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s /v DisplayName \
        2>/dev/null | tr -d '\r' | grep -c "DisplayName *REG_SZ *$TORRENTIX_TITLE\$" || true
}

install() {
    "${wine[@]}" "$setup" /S
    wineserver -w
    local dir
    dir=$(unix_path "$installed")
    for file in torrentix.exe uninstall.exe Qt6Widgets.dll platforms/qwindows.dll LICENSE.txt \
        "translations/qtbase_${TORRENTIX_LANGUAGES[0]}.qm"; do
        [ -f "$dir/$file" ] || fail "$file was not installed"
    done
    [ "$(registry DisplayName)" = "$TORRENTIX_TITLE" ] || fail "no Apps & features entry"
    [ "$(registry DisplayVersion)" = 1.00 ] || fail "entry version: $(registry DisplayVersion)"
    [ "$(registry Publisher)" = "The Torrentix developers" ] || fail "publisher: $(registry Publisher)"
    [ "$(registry DisplayIcon)" = "$installed\\torrentix.exe,0" ] || fail "icon: $(registry DisplayIcon)"
    [ "$(entries)" = 1 ] || fail "$(entries) entries in Apps & features"
    find "$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')" -name "$TORRENTIX_TITLE.lnk" |
        grep -q . || fail "no Start-menu entry"
}

# start: the installed program, its calculator window found.
start() {
    session
    run_installed
}
run_installed() {
    start_app "${wine[@]}" "$(unix_path "$installed")/torrentix.exe"
    # xdotool places a Wine window under openbox off by its frame; xwininfo has the client area.
    X=$(xwininfo -id "$WINDOW" | sed -n 's/^ *Absolute upper-left X: *//p')
    Y=$(xwininfo -id "$WINDOW" | sed -n 's/^ *Absolute upper-left Y: *//p')
}

# window_shows NAME: waits for a window titled NAME and shoots it into NAME.png.
window_shows() {
    local id
    id=$(wait_window "$1") || fail "no window titled '$1' appeared"
    sleep 1
    import -window "$id" -strip "$shots/$1.png"
    echo "$id"
}

# copied X Y: the text of a result label as its copy feature puts it on the clipboard.
copied() {
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click --repeat 2 --delay 80 1
    xdotool key ctrl+c
    for _ in $(seq 50); do
        local text
        text=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r') || true
        [ -n "$text" ] && { echo "$text"; return; }
        sleep 0.1
    done
}

case $case_ in
bundle)
    # The folder: the program, its DLLs, the plugins it loads, Qt's translations and the
    # licences; nothing else.
    expected=(torrentix.exe qt.conf LICENSE.txt Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
        libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll
        styles/qwindowsvistastyle.dll imageformats/qjpeg.dll imageformats/qico.dll
        licenses/Qt/{GPL-2.0-only,GPL-3.0-only,LGPL-3.0-only,Qt-GPL-exception-1.0,README}.txt
        licenses/MinGW-w64/{gcc,mingw-w64}.txt)
    for language in "${TORRENTIX_LANGUAGES[@]}"; do
        [ ! -f "/usr/share/qt6/translations/qtbase_$language.qm" ] ||
            expected+=("translations/qtbase_$language.qm")
    done
    got=$(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/||' | sort)
    want=$(printf '%s\n' "${expected[@]}" | sort)
    [ "$got" = "$want" ] || fail "the zip holds other files: $(diff <(echo "$want") <(echo "$got") | grep '^[<>]' | tr '\n' ' ')"
    unzip -p "$zip" '*/LICENSE.txt' | grep -q 'GNU GENERAL PUBLIC LICENSE' || fail "no GPL in LICENSE.txt"
    unzip -p "$zip" '*/licenses/Qt/README.txt' | grep -q 'apt-get source qt6-base=' ||
        fail "no note on Qt's source"
    ;;
install)
    session
    new_prefix
    install
    ;;
upgrade)
    # Installing 1.00 over 1.00 keeps one entry.
    session
    install
    ;;
calculator)
    start
    [ "$WIDTH" = 725 ] && [ "$HEIGHT" = 440 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 725x440"
    sleep 1
    import -window "$WINDOW" -strip "$shots/calculator.png"
    exits_with_zero
    ;;
example)
    start
    type_into "$AT_Q" 10
    type_into "$AT_H" 50
    type_into "$AT_N" 90
    type_into "$AT_M" 95
    click "$AT_SOLVE"
    sleep 1
    import -window "$WINDOW" -strip "$shots/example.png"
    kw=$(copied 150 292)
    [ "$kw" = 4193.775 ] || fail "kW result copied as '$kw', not 4193.775"
    mw=$(copied 150 332)
    [ "$mw" = 4.193775 ] || fail "MW result copied as '$mw', not 4.193775"
    exits_with_zero
    ;;
zero)
    start
    type_into "$AT_Q" 0
    click "$AT_SOLVE"
    window_shows "$TORRENTIX_TITLE" >/dev/null
    xdotool key Return
    gone "$TORRENTIX_TITLE" "Return left the box open"
    exits_with_zero
    ;;
reference)
    start
    click "$AT_FORMULA"
    window_shows "$FORMULA_TITLE" >/dev/null
    xdotool windowactivate --sync "$WINDOW"
    click "$AT_DIAGRAM"
    window_shows "$DIAGRAM_TITLE" >/dev/null
    xdotool windowactivate --sync "$WINDOW"
    click "$AT_ABOUT"
    window_shows "$ABOUT_TITLE" >/dev/null
    ;;
german)
    # Under a German Windows the installer asks for its language in German, offering German,
    # then speaks it; the program, installed silently, speaks German too.
    speak_german
    session
    new_prefix
    "${wine[@]}" "$setup" &
    dialog=$(awk -F'\t' '$1 == "de" { print $3 }' "$source_dir/app/windows/installer-languages.tsv")
    id=$(window_shows "$dialog")
    xdotool windowactivate --sync "$id"
    xdotool key Return
    caption=$(grep -a -A1 '^# ^SetupCaption' "/usr/share/nsis/Contrib/Language files/German.nlf" |
        tail -n1 | tr -d '\r')
    # The installer's pages add an empty subcaption, a space, to its caption.
    window_shows "${caption//'$(^Name)'/$TORRENTIX_TITLE $TORRENTIX_VERSION} " >/dev/null
    wine_down
    install
    # The program's windows bear their German titles.
    CALCULATOR_TITLE=$(german "$CALCULATOR_TITLE")
    formula=$(german "$FORMULA_TITLE")
    run_installed
    click "$AT_FORMULA"
    window_shows "$formula" >/dev/null
    ;;
uninstall)
    session
    uninstaller=$(unix_path "$installed\\uninstall.exe")
    [ -f "$uninstaller" ] || fail "no uninstaller"
    "${wine[@]}" "$uninstaller" /S
    wineserver -w
    [ ! -e "$(unix_path "$installed")" ] || fail "the program folder is still there"
    [ "$(entries)" = 0 ] || fail "the Apps & features entry is still there"
    ;;
*)
    fail "no case $case_"
    ;;
esac
echo "$case_: passed"
