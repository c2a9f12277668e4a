#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a packager and a desktop see it: built by CPack,
# depending on what the program opens at run time as well as on what it links,
# clean for lintian, its desktop data valid where it is installed, and the
# installed program starting from its link with its cues found beside it.
# Usage: deb.sh BUILD_DIR QT_PLUGIN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 plugins=$2
id=example.tallowby.tallowby
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(echo "$work"/tallowby_*.deb)
[ -f "$deb" ] || fail "CPack wrote no tallowby_*.deb"

# Each run-time file's package among the dependencies, whichever way it got there.
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
names=" $(echo "$depends" | sed 's/([^)]*)//g; s/[,|]/ /g') "
for file in "$plugins/platforms/libqxcb.so" "$plugins/imageformats/libqgif.so" \
    "$(fc-match --format='%{file}' Arial:bold)"; do
    package=$(dpkg-query --search "$file" | sed -n '1s/[:,].*//p')
    case $names in *" $package "*) ;; *) fail "$package (for $file) is not a dependency" ;; esac
done

report=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports errors: $report"
grep -v '^running with root privileges' <<<"$report" || true

root=$work/root
dpkg-deb --extract "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate-tree --no-net "$root"

# The game reads its cues only once it has an audio output to play them on.
export TALLOWBY_OPENED=$work/opened.log TALLOWBY_ROOT=$root
bash "$here/../faults/with_sound_server.sh" \
    bash "$here/../e2e/run.sh" "$here/installed_program.sh" "$root/usr/bin/tallowby"
