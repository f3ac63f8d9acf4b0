#!/usr/bin/env bash
# Installs what is missing, builds, creates the default database beside the program when there is
# none, and starts the program (under a virtual display when there is no display).
cd "$(dirname "$0")"
source scripts/setup.sh
shop_install_missing
shop_build
./build/bin/shop-initdb build/bin
if [[ -z "${DISPLAY:-}" ]]; then
  echo "No display: starting the program under xvfb-run (a virtual display nobody can see)."
  exec xvfb-run -a -s "-screen 0 1366x768x24" ./build/bin/shop "$@"
fi
exec ./build/bin/shop "$@"
