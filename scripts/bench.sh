#!/usr/bin/env bash
# Installs what the benchmark needs, builds it optimized (the bench preset) and runs it
# under a virtual X server, so that the real X platform, fonts and window system are
# measured; without one it runs on Qt's offscreen platform and says so.
# Arguments go to the benchmark: --starts N (start-up runs, 30), --roads N (20).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth
cmake --preset bench >/dev/null
cmake --build --preset bench
if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bench/bench/ppt-bench "$@"
fi
QT_QPA_PLATFORM=offscreen exec ./build/bench/bench/ppt-bench "$@"
