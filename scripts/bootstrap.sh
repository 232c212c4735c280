#!/bin/sh
# Makes sure the Debian packages that the build and the tests need are installed. As root it
# installs what is missing with apt-get; otherwise it names the missing packages and fails.
set -eu

# clang-14 and its runtime libraries build the fuzzers of CI, and llvm-14's llvm-symbolizer
# gives their traces function names and lines. pkg-config is what the README's pkg-config
# route and its test use; doxygen builds the API reference, whose test checks that every
# public member is documented. pybind11, python3-dev and numpy build the Python module;
# pytest, pandas and dask (with its distributed scheduler) run its tests and examples, and
# pint is the baseline of its benchmark.
packages="g++ cmake make pkg-config doxygen qt6-base-dev qt6-tools-dev qt6-l10n-tools libgtest-dev libbenchmark-dev libicu-dev libudunits2-dev libgeographiclib-dev clang-14 libclang-rt-14-dev llvm-14 pybind11-dev python3-dev python3-numpy python3-pytest python3-pandas python3-dask python3-distributed python3-pint"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
else
    echo "These Debian packages are missing:$missing" >&2
    echo "Install them with: sudo apt-get install$missing" >&2
    exit 1
fi
