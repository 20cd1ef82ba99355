#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out Torrentix for Windows as a folder that runs by itself, then packs it as a zip and an
# NSIS installer:
#   bundle.sh EXE QT_PREFIX SOURCE_DIR OUT_DIR VERSION TITLE PUBLISHER LANGUAGE...
# The folder holds the program, the DLLs it loads (found by following the imports of the
# program and of the plugins it loads) stripped, Qt's translations for the languages the
# program speaks where Qt has one, and the licences.
set -euo pipefail
exe=$1 qt=$2 source=$3 out=$4 version=$5 title=$6 publisher=$7
languages=("${@:8}")
name=torrentix-$version
folder=$out/$name
here=$(cd "$(dirname "$0")" && pwd)

[ -f "$source/LICENSE" ] || { echo "bundle.sh: $source/LICENSE is missing" >&2; exit 1; }

rm -rf "$folder"
mkdir -p "$folder"/{platforms,styles,imageformats,translations,licenses/Qt,licenses/MinGW-w64}
cp "$exe" "$folder/torrentix.exe"
# The plugins Qt loads for this program: the platform, the Vista style and the two image
# formats of its pictures and icon.
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$qt/plugins/imageformats/qico.dll" "$folder/imageformats/"

# The DLLs these import, and theirs, from Qt and the MinGW run-time; what is found in neither
# comes with Windows.
cxx=x86_64-w64-mingw32-g++-posix
search=("$qt/bin" "$(dirname "$($cxx -print-file-name=libstdc++-6.dll)")" /usr/x86_64-w64-mingw32/lib)
pending=("$folder"/torrentix.exe "$folder"/*/*.dll)
while ((${#pending[@]})); do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r dll; do
        [ -e "$folder/$dll" ] && continue
        for dir in "${search[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$folder/"
                pending+=("$folder/$dll")
                break
            fi
        done
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
find "$folder" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# Qt finds its plugins beside the program and its translations in translations/.
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$folder/qt.conf"
# Qt has no translation of its own for some of them (Hindi, Vietnamese, Bokmål, Swedish); there
# its buttons stay English.
for language in "${languages[@]}"; do
    qm=/usr/share/qt6/translations/qtbase_$language.qm
    if [ -f "$qm" ]; then cp "$qm" "$folder/translations/"; fi
done

# Licences: the program's, Qt's with a note on its source, and the MinGW run-time's.
cp "$source/LICENSE" "$folder/LICENSE.txt"
cp "$qt"/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt "$folder/licenses/Qt/"
qt_source=$(cat "$qt/debian-source-version")
cat >"$folder/licenses/Qt/README.txt" <<NOTE
The Qt DLLs and plugins in this folder (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the
plugins in platforms, styles and imageformats) are Qt ${qt_source%%+*}, built unmodified
from Debian's qt6-base source package, version $qt_source, for 64-bit Windows with
MinGW-w64, and used under the GNU Lesser General Public License version 3
(LGPL-3.0-only.txt), or the GPL notices beside it.

The source is Debian's: on Debian 12, with a deb-src line for the Debian archive in the
apt sources,

    apt-get source qt6-base=$qt_source

or from https://snapshot.debian.org/package/qt6-base/$qt_source/ .
The translations in translations/ come from Debian's qt6-translations-l10n package.
NOTE
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$folder/licenses/MinGW-w64/mingw-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licenses/MinGW-w64/gcc.txt"
# Text files read on Windows: CRLF line ends.
find "$folder" -name '*.txt' -exec sed -i 's/\r\{0,1\}$/\r/' {} +

# The installer packs the files folder by folder in one fixed order, whatever order the file
# system lists them in, so that every build of a commit packs them alike.
(cd "$folder" && find . -type f -printf '%h\t%f\n' | LC_ALL=C sort | while IFS=$'\t' read -r dir file; do
    dir=${dir#.}
    dir=${dir#/}
    if [ "$dir" != "${last-none}" ]; then
        echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
        last=$dir
    fi
    echo "File \"$folder/${dir:+$dir/}$file\""
done) >"$folder.install.nsh"

# The uninstaller removes these files and folders, and nothing else.
(cd "$folder" && find . -mindepth 1 -depth -printf '%y %P\n' | while read -r kind path; do
    path=${path//\//\\}
    if [ "$kind" = d ]; then echo "RMDir \"\$INSTDIR\\$path\""; else echo "Delete \"\$INSTDIR\\$path\""; fi
done) >"$folder.uninstall.nsh"

# The installer speaks English and each of the program's languages that NSIS has, in the
# program's order; the table names their NSIS languages and holds the language dialog's texts.
table=$here/installer-languages.tsv
for language in en "${languages[@]}"; do
    row=$(awk -F'\t' -v code="$language" '$1 == code' "$table")
    [ -n "$row" ] || {
        echo "bundle.sh: $language is not in $table: add its NSIS language (or -) and dialog texts" >&2
        exit 1
    }
    IFS=$'\t' read -r _ nsis asks_title asks <<<"$row"
    [ "$nsis" = - ] && continue
    [ -f "/usr/share/nsis/Contrib/Language files/$nsis.nlf" ] ||
        { echo "bundle.sh: NSIS has no language $nsis (for $language)" >&2; exit 1; }
    echo "!insertmacro MUI_LANGUAGE \"$nsis\""
    echo "LangString LANGUAGE_TITLE \${LANG_${nsis^^}} \"$asks_title\""
    echo "LangString LANGUAGE_QUESTION \${LANG_${nsis^^}} \"$asks\""
done >"$folder.languages.nsh"

# The same bytes from every build of a commit: file times from SOURCE_DATE_EPOCH where it is
# set (./dev sets it to the commit's time), members in one fixed order, no owners.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
rm -f "$out/$name-windows-x64.zip" "$out/$name-setup.exe"
(cd "$out" && find "$name" | LC_ALL=C sort | zip -q -9 -X -@ "$name-windows-x64.zip")
makensis -V2 -NOCD -DPRODUCT="$title" -DPUBLISHER="$publisher" -DVERSION="$version" \
    -DFOLDER="$folder" -DICON="$source/assets/torrentix.ico" -DOUTFILE="$out/$name-setup.exe" \
    "$here/installer.nsi"
