#!/usr/bin/env bash
# Installs what is missing, builds the trainer and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" xdg-utils libreoffice-impress libreoffice-writer libreoffice-calc python3-uno
cmake --preset default -DPPT_TRAINER_TESTS=OFF >/dev/null
cmake --build --preset default
exec ./build/default/ppt-trainer
