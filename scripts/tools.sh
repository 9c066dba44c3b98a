# Sourced by the build scripts: makes sure the tools they need are installed.
#   ensure_tools native     g++, CMake, make, scdoc (the man page)
#   ensure_tools tests      GoogleTest, and what the tests check with: groff,
#                           desktop-file-utils, systemd-analyze, strace
#   ensure_tools windows    mingw-w64 (posix threads), Wine
#   ensure_tools bench      hyperfine, GNU time, strace
#   ensure_tools fuzz       clang with libFuzzer and the sanitizer runtimes
# Several groups may be given at once. A tool that is missing is installed
# with apt-get when running as root; otherwise the exact command to run is
# printed and the call fails.

# Adds the Debian package to missing when the test (a command) fails.
need() {
  local package=$1
  shift
  "$@" >/dev/null 2>&1 || missing+=("$package")
}

has_file() { [ -e "$1" ]; }

ensure_tools() {
  local missing=() group
  need cmake command -v cmake
  need make command -v make
  need g++ command -v g++
  need scdoc command -v scdoc
  for group in "$@"; do
    case $group in
      native) ;;
      tests)
        need googletest has_file /usr/src/googletest/CMakeLists.txt
        need libgtest-dev has_file /usr/lib/x86_64-linux-gnu/cmake/GTest/GTestConfig.cmake
        need groff-base command -v groff
        need desktop-file-utils command -v desktop-file-validate
        need systemd command -v systemd-analyze
        need strace command -v strace
        ;;
      windows)
        need g++-mingw-w64-x86-64-posix command -v x86_64-w64-mingw32-g++-posix
        need wine64 has_file /usr/lib/wine/wine64
        need googletest has_file /usr/src/googletest/CMakeLists.txt
        ;;
      bench)
        need hyperfine command -v hyperfine
        need time has_file /usr/bin/time
        need strace command -v strace
        need gcc command -v gcc
        ;;
      fuzz)
        need clang command -v clang++
        need libclang-rt-14-dev has_file /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a
        ;;
      *) echo "ensure_tools: unknown group $group" >&2; return 1 ;;
    esac
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  # Each package once, in the order first needed.
  local unique=() package
  for package in "${missing[@]}"; do
    [[ " ${unique[*]} " == *" $package "* ]] || unique+=("$package")
  done
  local install="apt-get install -y --no-install-recommends ${unique[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "error: missing tools. Install them with:" >&2
    echo "  sudo apt-get update && sudo $install" >&2
    return 1
  fi
  if ! command -v apt-get >/dev/null; then
    echo "error: missing ${unique[*]}, and there is no apt-get to install them" >&2
    return 1
  fi
  echo "Installing missing tools: ${unique[*]}"
  apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $install -qq ||
    { echo "error: could not install ${unique[*]}" >&2; return 1; }
}
