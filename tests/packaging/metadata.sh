#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry, the AppStream data and the man page as their validators
# read them; one version in all of them and in the build; every screenshot
# the AppStream data names is in the tree at the size it says, and every
# activity has one.
# Usage: metadata.sh SOURCE_DIR VERSION
set -euo pipefail
src=$1 version=$2
id=example.tallowby.tallowby
packaging=$src/packaging
metainfo=$packaging/$id.metainfo.xml
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

desktop-file-validate "$packaging/$id.desktop"
appstreamcli validate --no-net --explain "$metainfo"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$packaging/tallowby.6" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page: $warnings"

# The newest release comes first in each.
release=$(xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo")
changelog=$(dpkg-parsechangelog --file "$packaging/changelog" --show-field Version)
manual=$(sed -n 's/^\.TH .* "Tallowby \([^"]*\)".*/\1/p' "$packaging/tallowby.6")
for found in "metainfo:$release" "changelog:$changelog" "man page:$manual"; do
    [ "${found#*:}" = "$version" ] || fail "${found%%:*} says version ${found#*:}, the build $version"
done

# The addresses mirror the tree: https://tallowby.example/<path in the repository>.
count=$(xmllint --xpath 'count(//screenshot/image)' "$metainfo")
[ "$count" -gt 0 ] || fail "no screenshots"
for n in $(seq 1 "$count"); do
    image="(//screenshot/image)[$n]"
    url=$(xmllint --xpath "string($image)" "$metainfo")
    file=$src/${url#https://tallowby.example/}
    [ -f "$file" ] || fail "screenshot $url is not in the tree"
    said=$(xmllint --xpath "concat($image/@width, 'x', $image/@height)" "$metainfo")
    size=$(identify -format '%wx%h' "$file")
    [ "$said" = "$size" ] || fail "$url is $size, the metainfo says $said"
done
captions=$(xmllint --xpath '//screenshot/caption/text()' "$metainfo")
for activity in "Number Matching" "Numbers Out Of Order" "Complete The Sequence" "Number Picking"; do
    grep -q "$activity" <<<"$captions" || fail "no screenshot of $activity"
done
echo "desktop data in order for version $version, $count screenshots"
