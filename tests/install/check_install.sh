#!/usr/bin/env bash
# check_install.sh SOURCE_DIR BUILD_DIR: the desktop metadata validates, and an install into a
# temporary prefix works on its own: the installed mirelon-tool reads the installed sample book.
set -euo pipefail
src=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

desktop-file-validate "$src/res/jp.ovrin.Mirelon.desktop"
appstreamcli validate --no-net --pedantic "$src/res/jp.ovrin.Mirelon.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$src/res/jp.ovrin.Mirelon.metainfo.xml"

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/mirelon-tool share/applications/jp.ovrin.Mirelon.desktop share/metainfo/jp.ovrin.Mirelon.metainfo.xml \
            share/icons/hicolor/scalable/apps/mirelon.svg share/icons/hicolor/48x48/apps/mirelon.png \
            share/man/man1/mirelon-tool.1.gz share/doc/mirelon/examples/sample.csv; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ "$("$prefix/bin/mirelon-tool" --version)" = "mirelon-tool $(sed -n 's/^project(Mirelon VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")" ]
listed=$("$prefix/bin/mirelon-tool" list "$prefix/share/doc/mirelon/examples/sample.csv" 2>/dev/null)
[ "$(printf '%s\n' "$listed" | wc -l)" -ge 12 ] || { echo "the installed sample book lists too few lines"; exit 1; }
# The program, where the GUI was built: it names its installed manual and starts on a display.
if [ -x "$build/bin/mirelon" ]; then
  manual=$("$prefix/bin/mirelon" --help | sed -n 's/^The manual: //p')
  [ "$manual" = "$prefix/share/mirelon/manual/index.html" ] && [ -f "$manual" ] ||
    { echo "the installed program does not find its manual: '$manual'"; exit 1; }
  status=0
  HOME="$prefix" timeout 5 xvfb-run -a "$prefix/bin/mirelon" >/dev/null 2>&1 || status=$?
  [ $status -eq 124 ] || { echo "the installed program did not stay up (status $status)"; exit 1; }
fi
echo "installed tree works"
