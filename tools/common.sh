# Shared by run.sh and test.sh: package set-up and quiet builds.
# Sourced from the repository root.

LUMORCA_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev libgtest-dev clang-14 libclang-rt-14-dev
  xvfb xauth fonts-liberation2 nlohmann-json3-dev graphviz libgl-dev
  qt6-translations-l10n openbox x11-utils
)

# Installs the packages that are not installed yet; does nothing otherwise.
ensure_packages() {
  local missing=() pkg
  for pkg in "${LUMORCA_PACKAGES[@]}"; do
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

build_jobs() {
  local cores
  cores="$(nproc 2>/dev/null || echo 2)"
  echo "${LUMORCA_JOBS:-$cores}"
}
