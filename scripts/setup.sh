#!/usr/bin/env bash
# Installs the Debian packages that are missing and configures the build folder.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n
    libzip-dev libcurl4-openssl-dev libsqlite3-dev libxlsxwriter-dev
    fonts-dejavu-core fonts-liberation2
    poppler-utils python3-pyftpdlib
)
[[ -n "${KX_EXTRA_PACKAGES:-}" ]] && read -r -a extra <<<"$KX_EXTRA_PACKAGES" && packages+=("${extra[@]}")

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done

if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Usage: setup.sh <build folder> [cmake options...]. The folder is configured again whenever
# the options differ from the ones it was configured with (a folder once made by another
# script keeps no type of its own).
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
shift
options="$*"
if [[ ! -f "$build/build.ninja" || "$(cat "$build/.kx_options" 2>/dev/null)" != "$options" ]]; then
    cmake -S "$root" -B "$build" -G Ninja "$@"
    echo "$options" >"$build/.kx_options"
fi

# A source file added since the last build must get its moc run even where Qt's code generator
# thinks it is up to date.
sources="$(cd "$root" && find app core panels platform reports settings tests bench \
    \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort | md5sum)"
if [[ "$(cat "$build/.kx_sources" 2>/dev/null)" != "$sources" ]]; then
    find "$build" -path '*_autogen/timestamp' -delete
    echo "$sources" >"$build/.kx_sources"
fi
