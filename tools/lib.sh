# Shared by ./run and ./test: package installation and the build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# What it takes to build and run the program.
RUN_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libgl-dev fonts-liberation2 libbenchmark-dev)

# Installs the packages that are not installed yet; does nothing when all are.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq || return 1
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || return 1
}

# Configures (once) and builds the tree in $1 with the build type $2 and extra cache options.
build_tree() {
  local dir="$1" type="$2"
  shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null || return 1
  fi
  cmake --build "$dir" -j"$(nproc)" -- --no-print-directory
}
