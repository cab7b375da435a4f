#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a private root and checks what a
# user gets: the programs run, the menu entry is valid, the manual pages render.
# usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr

depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *libqt6core6*) ;; *) fail "Depends lacks the Qt libraries: $depends" ;; esac
case "$depends" in *qt6-qpa-plugins*) ;; *) fail "Depends lacks the platform plugins: $depends" ;; esac

for program in vorlane vorlane-search; do
  [ -x "$root/bin/$program" ] || fail "$program is not installed in bin/"
done
version=$("$root/bin/vorlane-search" --version)
[ "$version" = "vorlane-search 2.02" ] || fail "unexpected version: $version"

desktop-file-validate "$root/share/applications/vorlane.desktop" || fail "invalid .desktop file"
grep -qx 'Name=Rechercher dans ce dossier' "$root/share/applications/vorlane.desktop" ||
  fail "the folder action is missing"
[ -s "$root/share/icons/hicolor/scalable/apps/vorlane.svg" ] || fail "application icon missing"

for page in vorlane vorlane-search; do
  text=$(MANWIDTH=80 man -l "$root/share/man/man1/$page.1" 2>&1) || fail "man -l $page failed"
  grep -q "^NOM" <<<"$text" || fail "$page.1 renders without its NOM section"
  grep -q "CODE DE RETOUR\|SYNOPSIS" <<<"$text" || fail "$page.1 renders without its synopsis"
done
echo "package $(basename "$deb") checked"
