#!/usr/bin/env bash
# Unpacks the Debian package into a fresh directory tree and checks that its files are in place, that
# its desktop entry and AppStream metainfo validate, and that lintian finds no error and no warning. With MOLVANEX_PACKAGE_INSTALL=1 (CI's clean machine)
# it also installs the package, starts the program the way its desktop entry does, from a directory
# that holds no guide, checks that the main window paints and that "Mode d'emploi" finds the installed
# guide, and removes the package again.
#   scripts/check-package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
status=0
icons=(usr/share/icons/hicolor/scalable/apps/fr.molvanex.Molvanex.svg)
for size in 16 32 48 64 128 256; do icons+=("usr/share/icons/hicolor/${size}x${size}/apps/fr.molvanex.Molvanex.png"); done
for f in usr/bin/molvanex usr/share/molvanex/mode_emploi.htm usr/share/molvanex/images \
         usr/share/man/man1/molvanex.1.gz usr/share/man/fr/man1/molvanex.1.gz \
         usr/share/doc/molvanex/changelog.gz usr/share/doc/molvanex/copyright \
         usr/share/applications/fr.molvanex.Molvanex.desktop \
         usr/share/metainfo/fr.molvanex.Molvanex.metainfo.xml usr/share/mime/packages/fr.molvanex.Molvanex.xml \
         "${icons[@]}"; do
    if [[ -e "$root/$f" ]]; then echo "present: /$f"; else echo "MISSING: /$f"; status=1; fi
done
# The guide's pictures are all shipped with it.
for picture in $(grep -o 'src="[^"]*"' "$root/usr/share/molvanex/mode_emploi.htm" | sed 's/src="//; s/"$//'); do
    [[ -e "$root/usr/share/molvanex/$picture" ]] || { echo "MISSING guide picture: $picture"; status=1; }
done
# A packaged program must not look for its guide in the tree it was built from.
if grep -qa "$(cd "$(dirname "$0")/.." && pwd)/docs" "$root/usr/bin/molvanex"; then
    echo "the packaged program names the source tree"; status=1
fi
desktop-file-validate "$root/usr/share/applications/fr.molvanex.Molvanex.desktop" && echo "desktop-file-validate: ok" || status=1
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/fr.molvanex.Molvanex.metainfo.xml" || status=1
dpkg-deb --info "$deb" | sed -n '/Package:/,/Description:/p'
# Debian's own checks of the package: no error and no warning.
if report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1); then
    echo "lintian: no error, no warning"
else
    status=1
fi
[[ -z "$report" ]] || sed 's/^/lintian: /' <<<"$report"

if [[ "${MOLVANEX_PACKAGE_INSTALL:-0}" == 1 ]]; then
    sudo=(); [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$deb" >/dev/null
    desktop=/usr/share/applications/fr.molvanex.Molvanex.desktop
    # Started as a double-click on a situation starts it: the file in place of %f.
    elsewhere=$(mktemp -d)
    situation="$elsewhere/précipitation.molvanex"
    printf '{"format": "molvanex-situation", "version": 1, "equation": "Ag^+(aq) + Cl^-(aq) -> AgCl(s)",
             "quantites": [0.2, 0.1], "avancement": 0.05}\n' >"$situation"
    command=$(sed -n 's/^Exec=//p' "$desktop")
    out=$(cd "$elsewhere" && env -i PATH=/usr/bin:/bin HOME="$elsewhere" XDG_RUNTIME_DIR="$elsewhere" \
        QT_QPA_PLATFORM=offscreen MOLVANEX_FIRST_FRAME_PROBE=1 timeout 30 ${command/\%f/$situation} 2>&1) || true
    rm -rf "$elsewhere"
    echo "$out" | sed 's/^/installed program: /'
    grep -q '^first-frame-ns ' <<<"$out" || { echo "the installed program painted no main window"; status=1; }
    grep -qx 'user-guide /usr/share/molvanex/mode_emploi.htm' <<<"$out" ||
        { echo "the installed program does not find its guide"; status=1; }
    grep -qx 'equation Ag^+(aq) + Cl^-(aq) -> AgCl(s)' <<<"$out" ||
        { echo "the installed program did not open the situation it was given"; status=1; }
    # The desktop knows the file type and the program that opens it.
    [[ -e /usr/share/mime/application/x-molvanex-situation.xml ]] ||
        { echo "the situation file type is not in the MIME database"; status=1; }
    grep -q '^application/x-molvanex-situation=.*fr.molvanex.Molvanex.desktop' \
        /usr/share/applications/mimeinfo.cache ||
        { echo "no desktop entry opens situations"; status=1; }
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq molvanex >/dev/null
fi
[[ $status -eq 0 ]] && echo "package: ok"
exit $status
