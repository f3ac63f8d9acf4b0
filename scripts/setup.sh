# Sourced by run.sh and test.sh: installs what is missing (Debian 12, as root) and builds.
set -euo pipefail

SHOP_PACKAGES=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n libgl-dev
  libsqlite3-dev libsodium-dev libxlsxwriter-dev zlib1g-dev libfreexl-dev
  fonts-noto-cjk
  xvfb xauth poppler-utils
)

shop_install_missing() {
  local missing=()
  for p in "${SHOP_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

shop_build() {
  local dir=${SHOP_BUILD_DIR:-build}
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
