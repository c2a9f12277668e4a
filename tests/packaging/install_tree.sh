#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a DESTDIR: the program and its six cues in a folder of
# their own, a link on the PATH, the desktop's files where the desktop looks
# for them and nothing anywhere else; the manifest lists every file, so
# removing what it lists leaves only empty folders.
# Usage: install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
id=example.tallowby.tallowby
cues="Chime.wav startup.wav correct.wav Endlvl.wav dong.wav click.wav"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The one component, so that this run writes its own manifest and leaves the
# one of a real install from this build folder alone.
DESTDIR=$work/root cmake --install "$build" --prefix /opt/tallowby-test --component tallowby >/dev/null
root=$work/root/opt/tallowby-test
[ -d "$root" ] || fail "nothing was installed under DESTDIR"

program=$(find "$root" -type f -name tallowby)
[ "$(echo "$program" | wc -l)" = 1 ] || fail "not one program file: $program"
dir=$(dirname "$program")
[ "$(basename "$dir")" = tallowby ] || fail "the program is not in a folder of its own: $dir"
[ -x "$program" ] || fail "the program is not executable"
for cue in $cues; do
    [ -f "$dir/$cue" ] || fail "cue $cue is not beside the program"
done
[ "$(find "$dir" -mindepth 1 | wc -l)" = 7 ] || fail "more than the program and its cues in $dir"

link=$root/bin/tallowby
[ -L "$link" ] || fail "bin/tallowby is not a link"
case $(readlink "$link") in /*) fail "bin/tallowby points at an absolute path" ;; esac
[ "$(readlink -f "$link")" = "$(readlink -f "$program")" ] || fail "bin/tallowby does not lead to the program"

# Every icon at the size its folder says, under the name the menu entry asks for.
icon=$(sed -n 's/^Icon=//p' "$root/share/applications/$id.desktop")
[ "$icon" = "$id" ] || fail "the menu entry asks for icon '$icon'"
for png in "$root"/share/icons/hicolor/*/apps/"$icon".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    size=$(identify -format '%wx%h' "$png")
    [ "$size" = "$folder" ] || fail "icon in $folder is $size"
done
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 512x512; do
    [ -f "$root/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon"
done

# Nothing scattered: each file in its place.
while IFS= read -r file; do
    case ${file#"$root"/} in
    "${dir#"$root"/}"/* | bin/tallowby) ;;
    share/applications/"$id".desktop | share/metainfo/"$id".metainfo.xml) ;;
    share/icons/hicolor/*/apps/"$id".png | share/icons/hicolor/scalable/apps/"$id".svg) ;;
    share/man/man6/tallowby.6.gz | share/doc/tallowby/copyright | share/doc/tallowby/changelog.gz) ;;
    *) fail "unexpected file ${file#"$root"/}" ;;
    esac
done < <(find "$root" ! -type d)

manifest=$build/install_manifest_tallowby.txt
listed=$(sed "s|^|$work/root|" "$manifest" | sort)
found=$(find "$root" ! -type d | sort)
[ "$listed" = "$found" ] || fail "the manifest and the installed files differ: $(diff <(echo "$listed") <(echo "$found"))"
echo "$listed" | xargs rm
[ -z "$(find "$work/root" ! -type d)" ] || fail "files left after removing the manifest's"
echo "install tree in order: $(echo "$found" | wc -l) files"
