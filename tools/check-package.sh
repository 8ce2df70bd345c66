#!/usr/bin/env bash
# Checks the Debian package: its files, its dependencies, and that its
# desktop entry and AppStream metadata validate.
set -euo pipefail
build=${1:-build-package}
deb=$(ls "$build"/lomarek_*.deb | head -n 1)
echo "checking $deb"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/lomarek
  ./usr/bin/lomarek-convert
  ./usr/share/applications/example.tessavine.Lomarek.desktop
  ./usr/share/metainfo/example.tessavine.Lomarek.metainfo.xml
  ./usr/share/icons/hicolor/16x16/apps/example.tessavine.Lomarek.png
  ./usr/share/icons/hicolor/32x32/apps/example.tessavine.Lomarek.png
  ./usr/share/icons/hicolor/48x48/apps/example.tessavine.Lomarek.png
  ./usr/share/icons/hicolor/scalable/apps/example.tessavine.Lomarek.svg
  ./usr/share/man/man1/lomarek-convert.1
  ./usr/share/doc/lomarek/Lomarek.html
  ./usr/share/doc/lomarek/images/lomarek-window.png
)
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || { echo "missing from the package: $file" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6openglwidgets6 libgl1-mesa-dri fonts-ipafont-gothic; do
  grep -q "$package" <<<"$depends" || { echo "the package does not depend on $package" >&2; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Version) == 1.0.0.1 ]] || { echo "wrong version" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
desktop-file-validate "$work/usr/share/applications/example.tessavine.Lomarek.desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/example.tessavine.Lomarek.metainfo.xml"
"$work/usr/bin/lomarek-convert" --version
echo "package checked: ${#expected[@]} files, desktop entry and metadata valid"
