#!/usr/bin/env bash
# Installs, through apt-get, only the Debian packages that are missing.
# Usage: install-deps.sh [fuzz|package|windows]   ("fuzz" adds clang and libFuzzer;
# "package" adds dpkg-shlibdeps and file, with which CPack lists the .deb's
# dependencies, and lintian, which checks the .deb as Debian would; "windows"
# adds the mingw-w64 cross compiler, wine to run its programs, and GoogleTest's
# sources to build for it: about 1.1 GB)
set -euo pipefail

# python3-ezdxf and gdal-bin: the integration test reads the drawings with them.
# Qt 6 Widgets for the desktop window; qt6-qpa-plugins brings the offscreen
# platform the window tests and screenshots run on; fonts-liberation gives
# "Courier New" its metric twin for the limits report; qt6-svg-dev writes the
# SVG plots.
packages=(g++ cmake make libgtest-dev python3-ezdxf gdal-bin
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-liberation fonts-dejavu-core)
if [[ "${1:-}" == "fuzz" ]]; then
  packages+=(clang libclang-rt-dev)
elif [[ "${1:-}" == "package" ]]; then
  packages+=(dpkg-dev file lintian)
elif [[ "${1:-}" == "windows" ]]; then
  # The posix variant: its libstdc++ has std::thread and std::mutex. wine64
  # runs the 64-bit programs headless; wine brings the `wine` launcher.
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
