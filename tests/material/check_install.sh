#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its material,
# the desktop entry and the icon lie at the standard places, and that the entry is valid.
#   check_install.sh BUILD_FOLDER
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
for f in bin/ppt-trainer share/applications/ppt-trainer.desktop \
         share/icons/hicolor/scalable/apps/ppt-trainer.svg; do
    [ -e "$prefix/$f" ] || { echo "missing: $f"; status=1; }
done
[ -x "$prefix/bin/ppt-trainer" ] || { echo "not executable: bin/ppt-trainer"; status=1; }
# The installed material is the generated tree, file for file.
if ! diff -r "$build/material" "$prefix/share/ppt-trainer" >/dev/null; then
    echo "the installed material differs from the generated one"; status=1
fi
[ -n "$(find "$prefix/share/ppt-trainer/答案" -type f)" ] || { echo "no answers installed"; status=1; }
desktop-file-validate "$prefix/share/applications/ppt-trainer.desktop" || status=1
grep -q '^Name\[zh_CN\]=PowerPoint 2010 上机考试辅导$' "$prefix/share/applications/ppt-trainer.desktop" || {
    echo "the entry does not carry the trainer's Chinese name"; status=1; }
if [ $status -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $status
