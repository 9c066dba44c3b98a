# Sourced by the build scripts: makes sure the tools they need are installed.
#   ensure_tools native     g++, CMake, make
#   ensure_tools tests      GoogleTest as well
#   ensure_tools windows    g++, CMake, make, mingw-w64 (posix threads), Wine, GoogleTest sources

ensure_tools() {
  local missing=()
  command -v cmake >/dev/null || missing+=(cmake)
  command -v make >/dev/null || missing+=(make)
  command -v g++ >/dev/null || missing+=(g++)
  if [ "${1:-}" != native ]; then
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -f /usr/lib/x86_64-linux-gnu/cmake/GTest/GTestConfig.cmake ] ||
      [ -f /usr/lib/cmake/GTest/GTestConfig.cmake ] || missing+=(libgtest-dev)
  fi
  if [ "${1:-}" = windows ]; then
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
    [ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
  fi
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing missing tools: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "error: missing ${missing[*]}, and apt-get cannot be run here as root" >&2
    return 1
  fi
  apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
    { echo "error: could not install ${missing[*]}" >&2; return 1; }
}
