#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a scratch prefix and checks every installed
# file: present, of the right kind, valid for the desktop's tools, and the installed
# programs run with their data in the user's data location.
#   scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-install.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
id=io.github.montora.MontoraStudio
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

expected=(
  bin/montora-studio bin/montora libexec/montora/montora-wmf-reader
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/icons/hicolor/48x48/apps/$id.png
  share/icons/hicolor/128x128/apps/$id.png
  share/icons/hicolor/256x256/apps/$id.png
  share/man/man1/montora.1.gz share/man/man1/montora-studio.1.gz
  share/doc/montora-studio/copyright share/doc/montora-studio/changelog.gz
)
for pack in cliparts frames brushes chrome ca emboss cloth glow neon; do
  expected+=(share/montora-studio/packs/montora-starter-$pack.irs)
done
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || fail "$f is missing or empty"
done
# Nothing is installed that the list does not know of.
while IFS= read -r f; do
  printf '%s\n' "${expected[@]}" | grep -qxF "$f" || fail "unexpected installed file $f"
done < <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
for f in bin/montora-studio bin/montora libexec/montora/montora-wmf-reader; do
  [ -x "$prefix/$f" ] || fail "$f is not executable"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'Exec=montora-studio %f' "$prefix/share/applications/$id.desktop" || fail "desktop entry Exec"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" \
  || { cat "$work/appstream.log"; fail "AppStream metainfo"; }

# The file type: the shared-mime-info database built from our package maps *.mcf.
update-mime-database "$prefix/share/mime" > /dev/null 2>&1
grep -q '^50:application/x-montora-collage:\*\.mcf$' "$prefix/share/mime/globs2" || fail "*.mcf glob"
grep -q 'Montora Studio collage' "$prefix/share/mime/packages/$id.xml" || fail "mime comment"

# The icons are real PNGs of their theme size (read by the installed CLI itself).
export QT_QPA_PLATFORM=offscreen HOME=$work/home
unset MONTORA_DATA_DIR
for size in 48 128 256; do
  info=$("$prefix/bin/montora" picture info "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
  echo "$info" | grep -q "	$size	$size	" || fail "icon ${size}: $info"
done

zcat "$prefix/share/man/man1/montora.1.gz" | grep -q '^\.TH MONTORA' || fail "montora manual page header"
zcat "$prefix/share/man/man1/montora.1.gz" | grep -q 'render' || fail "montora manual page lists the commands"
"$prefix/bin/montora" --version | grep -q '^montora ' || fail "installed montora --version"

# An installed program keeps its data in the user's data location, never in bin/.
"$prefix/bin/montora" photos list > /dev/null
[ ! -e "$prefix/bin/Data" ] || fail "the installed CLI made a data folder beside itself"
[ -d "$HOME/.local/share/Montora Studio/Data" ] || fail "no data folder in the user's data location"

# The installed programs find the starter packs, and a data folder takes them once.
first=$("$prefix/bin/montora" pack starter) || fail "montora pack starter: $first"
grep -q "^imported	9 pack" <<< "$first" || fail "installed starter packs not imported: $first"
again=$("$prefix/bin/montora" pack starter) || fail "montora pack starter again: $again"
grep -q "^imported	0 pack" <<< "$again" || fail "starter packs imported twice: $again"
count=$("$prefix/bin/montora" library list clipart.cfg | awk -F'\t' '$1 == "count" { print $2 }')
[ "${count:-0}" -ge 50 ] || fail "only $count starter cliparts"

# The installed CLI finds its metafile reader: a 40 x 30 WMF, a red rectangle.
printf '%b' '\xd7\xcd\xc6\x9a\x00\x00\x00\x00\x00\x00\x28\x00\x1e\x00\x60\x00\x00\x00\x00\x00\x47\x57\x01\x00\x09\x00\x00\x03\x28\x00\x00\x00\x08\x00\x07\x00\x00\x00\x00\x00\x05\x00\x00\x00\x0b\x02\x00\x00\x00\x00\x05\x00\x00\x00\x0c\x02\x1e\x00\x28\x00\x07\x00\x00\x00\xfc\x02\x00\x00\xff\x00\x00\x00\x00\x00\x04\x00\x00\x00\x2d\x01\x00\x00\x07\x00\x00\x00\x1b\x04\x1e\x00\x28\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00' > "$work/tiny.wmf"
wmf=$(unset MONTORA_WMF_READER; "$prefix/bin/montora" picture info "$work/tiny.wmf" 2>&1) || fail "installed WMF reader: $wmf"
grep -q "	40	30	" <<< "$wmf" || fail "installed WMF reader: $wmf"

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed"
  exit 1
fi
echo "install tree: ${#expected[@]} files checked"
