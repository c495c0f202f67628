# Shared by run.sh and test.sh: package set-up and quiet builds.
# Sourced from the repository root.

LUMORCA_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev libgtest-dev clang-14 libclang-rt-14-dev
  xvfb xauth fonts-liberation2 nlohmann-json3-dev graphviz libgl-dev
  dpkg-dev lintian groff-base python3-jsonschema
  qt6-translations-l10n openbox x11-utils
)
# Only for the tests: the Windows cross build and Wine to run it.
LUMORCA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64)

# ensure_packages [PACKAGE...]: installs those (by default LUMORCA_PACKAGES)
# that are not installed yet; does nothing otherwise.
ensure_packages() {
  (($# > 0)) || set -- "${LUMORCA_PACKAGES[@]}"
  local missing=() pkg
  for pkg in "$@"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]]; then
      missing+=("$pkg")
    fi
  done
  ((${#missing[@]} == 0)) && return 0

  local sudo=()
  if ((EUID != 0)); then
    if command -v sudo >/dev/null; then
      sudo=(sudo)
    else
      echo "Missing packages (run as root to install them): ${missing[*]}" >&2
      return 1
    fi
  fi
  echo "Installing ${missing[*]} ..."
  local log
  log="$(mktemp)"
  if ! { "${sudo[@]}" apt-get update -q &&
         "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
           apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# configure_and_build DIR [cmake options...]: output only when something fails.
configure_and_build() {
  local dir="$1"
  shift
  mkdir -p "$dir"
  local log="$dir/lumorca-build.log"
  if ! cmake -S . -B "$dir" -G Ninja "$@" >"$log" 2>&1 ||
     ! cmake --build "$dir" -j "$(build_jobs)" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "Build in $dir failed." >&2
    return 1
  fi
}

# run_tests DIR: the whole suite; one summary line, the details on failure.
run_tests() {
  local dir="$1"
  local log="$dir/lumorca-test.log"
  if ctest --test-dir "$dir" --output-on-failure -j "$(build_jobs)" >"$log" 2>&1; then
    echo "$dir: $(grep -E 'tests passed' "$log")"
  else
    cat "$log" >&2
    echo "Tests in $dir failed." >&2
    return 1
  fi
}

# run_windows_tests DIR: the suite of a Windows cross build under Wine. The
# build's Wine prefix starts once before the tests and its server stays up
# until they are done: Wine's background services, started anew with a new
# server, would hold a test's output pipe open and so hang CTest.
run_windows_tests() {
  local dir="$1"
  local wine="$dir/wine-run.sh"
  "$wine" --server -k >/dev/null 2>&1 || true
  "$wine" --server -p
  if ! "$wine" wineboot --init >"$dir/lumorca-wineboot.log" 2>&1; then
    cat "$dir/lumorca-wineboot.log" >&2
    echo "Wine could not start in $dir." >&2
    "$wine" --server -k || true
    return 1
  fi
  local status=0
  run_tests "$dir" || status=$?
  "$wine" --server -k || true
  return "$status"
}

build_jobs() {
  local cores
  cores="$(nproc 2>/dev/null || echo 2)"
  echo "${LUMORCA_JOBS:-$cores}"
}
