# Sourced by scripts/run and scripts/test: installs the Debian packages the
# build needs, only those that are missing, so a set-up machine starts at once.

LEXIDRILL_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev
  libcanberra-dev libxcb1-dev libxcb-keysyms1-dev libgl-dev fonts-dejavu-core"
LEXIDRILL_TEST_PACKAGES="libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
  xvfb xauth openbox xdotool imagemagick trayer"

ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
