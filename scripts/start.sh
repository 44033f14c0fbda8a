#!/bin/sh
# Builds the configurator and starts it: only what building and running need is installed,
# and only the program is built (into build/, with the release preset, as scripts/test.sh does).
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh build run
[ -f build/build.ninja ] || cmake --preset release
cmake --build --preset release --target norda-aervik
exec build/norda-aervik
