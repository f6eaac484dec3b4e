#!/usr/bin/env bash
# Unpacks the Debian package into a fresh directory tree and checks that its files are in place and that
# its desktop entry and AppStream metainfo validate.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
status=0
for f in usr/bin/molvanex usr/share/molvanex/mode_emploi.htm \
         usr/share/applications/fr.molvanex.Molvanex.desktop \
         usr/share/metainfo/fr.molvanex.Molvanex.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/fr.molvanex.Molvanex.svg; do
    if [[ -e "$root/$f" ]]; then echo "present: /$f"; else echo "MISSING: /$f"; status=1; fi
done
desktop-file-validate "$root/usr/share/applications/fr.molvanex.Molvanex.desktop" && echo "desktop-file-validate: ok"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/fr.molvanex.Molvanex.metainfo.xml" || status=1
dpkg-deb --info "$deb" | sed -n '/Package:/,/Description:/p'
exit $status
