#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
cd "$(dirname "$0")"
source scripts/setup.sh
shop_install_missing
shop_build
cd "${SHOP_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
