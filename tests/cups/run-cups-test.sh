#!/bin/sh
# Runs the CUPS printing tests: a private cupsd with a cups-pdf queue under a temporary folder,
# our printer object printing to it. The system's CUPS is not touched.
#   tests/cups/run-cups-test.sh [BUILD_DIR]     (default: build)
# Needs root (cupsd, the cups-pdf back end, a private mount namespace); otherwise the tests are
# reported as skipped with the reason. RULIFORM_KEEP_CUPS=1 keeps the server's folder and logs.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
cmake --build "$build" --target ruliform_cups_tests
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} exec "$build/tests/ruliform_cups_tests"
