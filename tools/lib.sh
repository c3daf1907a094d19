# Shared by ./run, ./test and the scripts in tools/: package installation and the builds.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
# The whole tree again with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD_DIR="${ASAN_BUILD_DIR:-$ROOT/build-asan}"
# The libFuzzer targets of fuzz/, built with clang.
FUZZ_BUILD_DIR="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"

# What it takes to build and run the program.
RUN_PACKAGES=(cmake g++ make pkg-config libfast-float-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  qt6-wayland libcanberra-dev libgl-dev fonts-liberation2 libbenchmark-dev)

# The web edition (Emscripten, with node's acorn for its optimiser), and for its tests a
# browser and its driver.
WEB_PACKAGES=(emscripten node-acorn libfast-float-dev)
WEB_TEST_PACKAGES=(chromium chromium-driver python3-selenium)

# What the fuzz targets need besides the build tools: clang and its libFuzzer runtime.
FUZZ_PACKAGES=(cmake make clang libclang-rt-14-dev)

# Compiler and linker flags of the sanitizer build: any report stops the program.
SANITIZE_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# Run-time options of the sanitizers: the first report fails the test, leaks included.
export_sanitizer_options() {
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_init_order=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$ROOT/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
}

# Installs the packages that are not installed yet; does nothing when all are.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${#missing[@]} missing packages with apt-get (once): ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq || return 1
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || return 1
}

# Configures the tree in $1 (once) with the build type $2 and extra cache options.
configure_tree() {
  local dir="$1" type="$2"
  shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null || return 1
  fi
}

# Configures (once) and builds the tree in $1 with the build type $2 and extra cache options.
build_tree() {
  configure_tree "$@" && cmake --build "$1" -j"$(nproc)" -- --no-print-directory
}

# The sanitizer tree in $1; -O1 keeps the tests quick under ASan.
configure_asan_tree() {
  configure_tree "$1" Debug -DAMPLORA_TESTS=ON -DAMPLORA_WEB=OFF "-DCMAKE_CXX_FLAGS=-O1 $SANITIZE_FLAGS" \
    "-DCMAKE_EXE_LINKER_FLAGS=$SANITIZE_FLAGS"
}
build_asan_tree() {
  configure_asan_tree "$1" && cmake --build "$1" -j"$(nproc)" -- --no-print-directory
}

# Configures (once) and builds the fuzz targets in $1 with clang.
build_fuzz() {
  local dir="$1"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT/fuzz" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ >/dev/null || return 1
  fi
  cmake --build "$dir" -j"$(nproc)" -- --no-print-directory
}

# Builds the target $2 in the configured tree $1 and shows how far it has come on one line
# (on a terminal; elsewhere a line every 10 %). The compiler's output goes to $1/build.log and
# is shown, its end, only when the build fails.
build_with_progress() {
  local dir="$1" target="$2" log="$1/build.log"
  if cmake --build "$dir" --target "$target" -j"$(nproc)" 2>&1 | tee "$log" | show_progress; then
    return 0
  fi
  echo "The build failed; the end of $log:" >&2
  tail -n 40 "$log" >&2
  return 1
}

# Reads make's "[ 42%] ..." lines and shows the percentage.
show_progress() {
  local line percent shown=-10
  while IFS= read -r line; do
    [[ $line =~ ^\[\ *([0-9]+)%\] ]] || continue
    percent="${BASH_REMATCH[1]}"
    if [ -t 1 ]; then
      printf '\r  %3d %%' "$percent"
    elif [ "$percent" -ge $((shown + 10)) ]; then
      echo "  $percent %"
      shown="$percent"
    fi
  done
  if [ -t 1 ]; then echo; fi
}
