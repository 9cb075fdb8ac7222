#!/usr/bin/env bash
# package_test.sh BUILD SCRATCH CPACK: builds the .deb of BUILD with CPACK,
# unpacks it into SCRATCH and checks what a user of the package meets.
set -uo pipefail
build=$1 scratch=$2 cpack=$3

skip() { echo "SKIPPED: $*"; exit 77; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in "$cpack" dpkg-deb dpkg-shlibdeps man gzip; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
ls "$build"/resources/man/*.1.gz >/dev/null 2>&1 || skip "no manual pages were made (help2man was not found at configure time)"

rm -rf "$scratch" && mkdir -p "$scratch/root"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack could not make the package"
    exit 1
fi
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb")"
dpkg -x "$deb" "$scratch/root"
root=$scratch/root

# Everything lives under /usr, and the files users and the desktop look for are there.
outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '^\./usr\(/\|$\)' | grep -v '^\./$')
[[ -z $outside ]] || fail "files outside /usr: $outside"
expected=(
    usr/bin/spinora usr/bin/spinora-cli usr/bin/spinora-peer
    usr/share/spinora/spinoradb.sdbi usr/share/spinora/spinora_emptydb.sdbi
    usr/share/applications/org.spinora.Spinora.desktop
    usr/share/metainfo/org.spinora.Spinora.metainfo.xml
    usr/share/mime/packages/org.spinora.Spinora.xml
    usr/share/icons/hicolor/scalable/apps/org.spinora.Spinora.svg
    usr/share/bash-completion/completions/spinora-cli
    usr/share/doc/spinora/copyright usr/share/doc/spinora/changelog.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/org.spinora.Spinora.png")
done
for program in spinora spinora-cli spinora-peer; do
    expected+=("usr/share/man/man1/$program.1.gz")
done
for language in cs da de en es fr it ja nl pl pt_BR ru sv; do
    expected+=("usr/share/spinora/translations/spinora_$language.qm")
done
for file in "${expected[@]}"; do
    [[ -f $root/$file ]] || fail "the package lacks /$file"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *avahi-daemon* && $recommends == *libnss-mdns* ]] || fail "Recommends is \"$recommends\""
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6gui6 libqt6charts6 fonts-ipafont-gothic; do
    [[ $depends == *$needed* ]] || fail "Depends lacks $needed: \"$depends\""
done

# The unpacked programs run from where they are.
version=$("$root/usr/bin/spinora-cli" --version)
[[ $version == "spinora-cli $(dpkg-deb -f "$deb" Version)" ]] || fail "spinora-cli --version says \"$version\""

# Each manual page formats without a warning, and the one of spinora-cli
# names every subcommand its --help lists.
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man -l $(basename "$page"): $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$scratch/$(basename "$page" .1.gz).txt" 2>/dev/null ||
        fail "man -l $(basename "$page") failed"
done
# man finds the pages by name where the package puts them.
[[ $(MANPATH=$root/usr/share/man man -w spinora-cli) == "$root/usr/share/man/man1/spinora-cli.1.gz" ]] ||
    fail "man -w spinora-cli does not find the page"
subcommands=$("$root/usr/bin/spinora-cli" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][-a-z0-9]*\).*/\1/p')
[[ -n $subcommands ]] || fail "spinora-cli --help lists no subcommands"
for subcommand in $subcommands; do
    grep -q -- "^ *$subcommand " "$scratch/spinora-cli.txt" || fail "the manual page of spinora-cli lacks \"$subcommand\""
done

# The desktop's own validators, where installed.
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$root/usr/share/applications/org.spinora.Spinora.desktop" 2>&1)
    [[ -z $out ]] || fail "desktop-file-validate: $out"
else
    echo "not checked: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.spinora.Spinora.metainfo.xml" \
        >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
else
    echo "not checked: appstreamcli is not installed"
fi

# A file manager types an interchange file by its contents, even without its extension.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    mkdir -p "$scratch/mime/mime/packages"
    cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/org.spinora.Spinora.xml" \
        "$scratch/mime/mime/packages/"
    update-mime-database "$scratch/mime/mime" >/dev/null 2>&1
    cp "$root/usr/share/spinora/spinoradb.sdbi" "$scratch/mime/no-extension"
    type=$(XDG_DATA_DIRS=$scratch/mime XDG_DATA_HOME=$scratch/none gio info -a standard::content-type \
        "$scratch/mime/no-extension" | sed -n 's/.*standard::content-type: //p')
    [[ $type == application/x-spinora-sdbi ]] || fail "an interchange file without extension is \"$type\""
else
    echo "not checked: update-mime-database or gio is not installed"
fi

# Bash completes subcommands, option values and the files an argument takes.
mkdir -p "$scratch/files/Garden.sdb" && touch "$scratch/files/"{a.sdbi,b.csv,c.txt}
completions=$(cd "$scratch/files" && PATH=$root/usr/bin:$PATH bash -c '
    source "$1"
    complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _spinora_cli; echo "${COMPREPLY[*]}"; }
    complete_words spinora-cli lab
    complete_words spinora-cli labels Garden.sdb out.pdf --layout ""
    complete_words spinora-cli import Garden.sdb ""
    complete_words spinora-cli export-sdbi Garden.sdb out --type ""
    complete_words spinora-cli due Garden.sdb ""' _ \
    "$root/usr/share/bash-completion/completions/spinora-cli" 2>&1)
expected_completions=$'labels\na4-3x8 letter-3x10\na.sdbi b.csv Garden.sdb\n0 1 2 3\nGarden.sdb'
[[ $completions == "$expected_completions" ]] || fail "bash completion gave:"$'\n'"$completions"

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || fail "lintian"
else
    echo "not checked: lintian is not installed"
fi

((failures == 0)) && echo "the package is sound"
exit $((failures > 0))
