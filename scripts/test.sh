#!/usr/bin/env bash
# Installs what the tests need, builds twice (plain, and with the address and
# undefined-behaviour sanitizers) and runs every test of both builds with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" libgtest-dev libreoffice-writer libreoffice-calc libreoffice-impress python3-uno poppler-utils poppler-data \
    desktop-file-utils
export QT_QPA_PLATFORM=offscreen
for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" -DPPT_TRAINER_TESTS=ON >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done
