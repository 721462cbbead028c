#!/usr/bin/env bash
# Installs everything that building, running and testing Plovena needs on Debian 12.
# The one list of packages: the README's set-up command and .ci/run both come here.
# Without CI=true nothing is installed when every package is present already.
set -euo pipefail

PAKKETTEN=(
  build-essential cmake ninja-build pkg-config  # compiler and build
  libicu-dev                                    # the core's collation and character sets
  googletest libgtest-dev                       # tests
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev  # the desktop program
  xvfb xauth                                    # GUI tests without a screen
  clang libclang-rt-14-dev                      # sanitizers and fuzzing with clang
  mawk                                          # the benchmark script
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev  # desktop files and the .deb
)

alles_aanwezig() {
  local status
  status=$(dpkg-query -W -f='${Status}\n' "${PAKKETTEN[@]}" 2>/dev/null) || return 1
  ! grep -qv '^install ok installed$' <<<"$status"
}
if [[ ${CI:-} != true ]] && alles_aanwezig; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
als_root=()
if [[ $(id -u) != 0 ]]; then
  als_root=(sudo env DEBIAN_FRONTEND=noninteractive)
fi
"${als_root[@]}" apt-get update
"${als_root[@]}" apt-get install -y --no-install-recommends "${PAKKETTEN[@]}"
