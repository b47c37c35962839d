#!/usr/bin/env bash
# Makes the Debian package from a release build and checks it: its contents (the files an
# installed program needs, nothing world-writable, no settings folder), its Depends, lintian
# (errors fail, warnings are listed), the desktop entry and the AppStream metadata.
#   check_package.sh <release build folder>
set -euo pipefail

build="${1:?usage: $0 <release build folder>}"
cd "$build"
rm -f keyvora_*.deb
cpack -G DEB > cpack.log || { cat cpack.log; exit 1; }
deb="$(ls keyvora_*.deb)"
fail() { echo "package check failed: $*" >&2; exit 1; }

echo "-- $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
contents="$(dpkg-deb --contents "$deb")"
echo "$contents"

# The mode column of every entry but the symbolic links (always lrwxrwxrwx) has no w for others.
writable="$(awk '$1 !~ /^l/ && substr($1, 9, 1) == "w"' <<<"$contents")"
[ -z "$writable" ] || fail "world-writable paths: $writable"
! grep -q '数据库' <<<"$contents" || fail "the package carries a settings folder"
app=io.github.keyvora.Keyvora
course=usr/share/keyvora/课程
for path in usr/bin/keyvora usr/lib/keyvora/keyvora usr/share/keyvora/《Keyvora》功能介绍.txt \
  usr/share/keyvora/keyvora-song.ttf usr/share/keyvora/keyvora-song-course.ttf \
  usr/lib/keyvora/keyvora-song-course.ttf \
  usr/lib/keyvora/课程 $course/words.txt $course/pinyin.tsv $course/wubi86.tsv $course/README.txt \
  $course/extract_course_data.py $course/word-blocklist.txt $course/Apache-2.0.txt \
  $course/LGPL-3.txt $course/copyright-wamerican-small.txt \
  $course/copyright-rime-data-pinyin-simp.txt $course/copyright-rime-data-wubi.txt \
  usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
  usr/share/icons/hicolor/16x16/apps/$app.png usr/share/icons/hicolor/256x256/apps/$app.png \
  usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/doc/keyvora/copyright \
  usr/share/man/man1/keyvora.1.gz; do
  grep -q " \./$path\( \|$\)" <<<"$contents" || fail "missing $path"
done
depends="$(dpkg-deb --field "$deb" Depends)"
for lib in libqt6widgets6 libsdl2-mixer-2.0-0; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

echo "-- lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
for source in fonts-arphic-uming wamerican-small rime-data-pinyin-simp rime-data-wubi; do
  grep -q "^$source (" "$unpacked/usr/share/doc/keyvora/copyright" ||
    fail "the copyright file does not name $source"
done
echo "-- desktop-file-validate"
desktop-file-validate "$unpacked/usr/share/applications/$app.desktop"
grep -qx 'Exec=keyvora' "$unpacked/usr/share/applications/$app.desktop" || fail "Exec is not keyvora"
echo "-- appstreamcli validate"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app.metainfo.xml"
echo "package checks passed"
