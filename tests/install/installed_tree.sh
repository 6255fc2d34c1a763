#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty folder (DESTDIR, prefix /usr) and checks what lands
# there: exactly the program, its desktop entry, its AppStream metadata, its icon in
# every size, all under the one id org.tarnwick.Vorpin, pointing at one another, and
# passing the freedesktop.org validators where they were installed, and its manual page.
# Then the Debian package's own component: the program in games with a desktop entry
# that starts it there, the copyright file and the changelog.
# usage: installed_tree.sh <cmake> <build folder> <project version>
set -eu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 3 ] || fail "usage: $0 <cmake> <build folder> <project version>"
cmake=$1
build=$2
version=$3
for tool in desktop-file-validate appstreamcli identify dpkg-parsechangelog; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/install-deps)"
done

id=org.tarnwick.Vorpin
sizes="16 24 32 48 64 128 256"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$tmp/install.log")"

# Exactly these files, and nothing else.
{
    echo usr/bin/Vorpin
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo usr/share/man/man6/Vorpin.6.gz
    for size in $sizes; do
        echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    done
} | sort >"$tmp/expected"
(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort) >"$tmp/installed"
diff "$tmp/expected" "$tmp/installed" >&2 ||
    fail "the install does not hold exactly the expected files (< expected, > installed)"

while read -r file; do
    { [ -f "$root/$file" ] && [ ! -L "$root/$file" ]; } || fail "$file is not a plain file"
    mode=$(stat -c %a "$root/$file")
    want=644
    [ "$file" != usr/bin/Vorpin ] || want=755
    [ "$mode" = "$want" ] || fail "$file has mode $mode, not $want"
done <"$tmp/expected"
head -c 4 "$root/usr/bin/Vorpin" | grep -q "ELF" || fail "usr/bin/Vorpin is not an ELF executable"
manual=$root/usr/share/man/man6/Vorpin.6.gz
gzip -t "$manual" 2>/dev/null || fail "usr/share/man/man6/Vorpin.6.gz is not gzip-compressed"
zcat "$manual" | grep -q "^\\.TH VORPIN 6 [0-9-]* \"Vorpin $version\"" ||
    fail "usr/share/man/man6/Vorpin.6.gz is not the page Vorpin(6) of version $version"

for size in $sizes; do
    icon=usr/share/icons/hicolor/${size}x$size/apps/$id.png
    shape=$(identify -format '%m %wx%h' "$root/$icon") || fail "identify could not read $icon"
    [ "$shape" = "PNG ${size}x$size" ] || fail "$icon is \"$shape\", not a ${size}x$size PNG"
done

# The desktop entry: the values a menu shows and starts, and what they point at.
desktop=$root/usr/share/applications/$id.desktop
entry() {
    sed -n "s/^$1=//p" "$desktop"
}
[ "$(sed -n '1p' "$desktop")" = "[Desktop Entry]" ] || fail "the desktop entry does not start with [Desktop Entry]"
for pair in Type=Application Name=Vorpin Exec=Vorpin Icon=$id Terminal=false "Categories=Game;BoardGame;"; do
    [ "$(entry "${pair%%=*}")" = "${pair#*=}" ] ||
        fail "the desktop entry has ${pair%%=*}=$(entry "${pair%%=*}"), not $pair"
done
for key in Comment Keywords; do
    [ -n "$(entry "$key")" ] || fail "the desktop entry has no $key"
done
[ -x "$root/usr/bin/$(entry Exec)" ] || fail "Exec=$(entry Exec) is not a program in usr/bin"

# The AppStream metadata: one line per element read here.
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
element() {
    sed -n "s|^ *<$1>\(.*\)</${1%% *}> *\$|\1|p" "$metainfo"
}
[ "$(element id)" = "$id" ] || fail "the metadata's id is \"$(element id)\", not $id"
[ "$(element 'launchable type="desktop-id"')" = "$id.desktop" ] ||
    fail "the metadata launches \"$(element 'launchable type="desktop-id"')\", not $id.desktop"
[ "$(element binary)" = "$(entry Exec)" ] ||
    fail "the metadata provides the binary \"$(element binary)\", not $(entry Exec)"
[ "$(element metadata_license)" = CC0-1.0 ] || fail "the metadata's licence is not CC0-1.0"
[ "$(element project_license)" = GPL-3.0-or-later ] || fail "the project's licence is not GPL-3.0-or-later"
[ "$(element developer_name)" = Tarnwick ] || fail "the metadata's developer is not Tarnwick"
grep -q '<content_rating type="oars-1.1" */>' "$metainfo" || fail "the metadata has no OARS 1.1 content rating"
screenshots=$(grep -c '<screenshot[ >]' "$metainfo" || true)
{ [ "$screenshots" -ge 1 ] && [ "$(grep -c '<caption>' "$metainfo")" -eq "$screenshots" ]; } ||
    fail "the metadata does not give each of its screenshots a caption"
newest=$(sed -n 's|^ *<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] ||
    fail "the metadata's newest release is \"$newest\", not the project's version $version"

# The validators, on the files where they were installed: validate-tree also checks that
# the metadata's launchable names an installed desktop entry.
status=0
report=$(desktop-file-validate "$desktop" 2>&1) || status=$?
{ [ "$status" -eq 0 ] && [ -z "$report" ]; } || fail "desktop-file-validate (status $status): $report"
status=0
report=$(appstreamcli validate-tree --no-net --strict --explain "$root" 2>&1) || status=$?
[ "$status" -eq 0 ] || fail "appstreamcli validate-tree --no-net --strict (status $status):"$'\n'"$report"

# The Debian package's component, which a plain install leaves out.
debian=$tmp/debian
DESTDIR=$debian "$cmake" --install "$build" --prefix /usr --component debian >"$tmp/install.log" 2>&1 ||
    fail "cmake --install --component debian failed: $(cat "$tmp/install.log")"
printf '%s\n' usr/games/Vorpin "usr/share/applications/$id.desktop" usr/share/doc/vorpin/copyright \
    usr/share/doc/vorpin/changelog.gz | sort >"$tmp/expected"
(cd "$debian" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort) >"$tmp/installed"
diff "$tmp/expected" "$tmp/installed" >&2 ||
    fail "the component debian does not hold exactly the expected files (< expected, > installed)"
exec=$(sed -n 's/^Exec=//p' "$debian/usr/share/applications/$id.desktop")
[ "$exec" = /usr/games/Vorpin ] || fail "the package's desktop entry has Exec=$exec, not /usr/games/Vorpin"
[ -x "$debian$exec" ] || fail "the package's desktop entry starts $exec, which is not installed"
diff <(grep -v '^Exec=' "$desktop") <(grep -v '^Exec=' "$debian/usr/share/applications/$id.desktop") >&2 ||
    fail "the package's desktop entry differs from the plain one in more than Exec"
zcat "$debian/usr/share/doc/vorpin/changelog.gz" >"$tmp/changelog"
[ "$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's newest entry is not for the project's version $version"
grep -q '^License: GPL-3.0-or-later$' "$debian/usr/share/doc/vorpin/copyright" ||
    fail "the copyright file does not give the licence GPL-3.0-or-later"

echo "PASS: the install holds the program, its desktop entry, metadata, $(wc -w <<<"$sizes") icons and manual page; the package's component its own"
