#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (AddressSanitizer and
# UndefinedBehaviorSanitizer) and the Win32 tests under Wine on an Xvfb display.
# Exits non-zero on any failure; the last line counts the test cases of both runs.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/deps.sh || exit 1
bash scripts/build.sh || exit 1

source scripts/xvfb.sh
pivel_start_xvfb || exit 1
trap pivel_stop_xvfb EXIT

rm -f build/native/native-tests.xml build/win/wine-tests.xml build/win/wine-tests-monitores.xml \
    build/win/wine-installer-tests.xml
status=0
(cd build/native && ctest --output-on-failure) || status=1
(cd build/win && ctest --output-on-failure --timeout 900) || status=1

# Sums the test cases that GoogleTest recorded in its XML reports.
passed=0
failed=0
for xml in build/native/native-tests.xml build/win/wine-tests.xml build/win/wine-tests-monitores.xml \
    build/win/wine-installer-tests.xml; do
    if [ ! -f "$xml" ]; then
        echo "missing test report: $xml"
        status=1
        continue
    fi
    head=$(grep -m1 '<testsuites' "$xml")
    total=$(sed -E 's/.* tests="([0-9]+)".*/\1/' <<<"$head")
    fails=$(sed -E 's/.* failures="([0-9]+)".*/\1/' <<<"$head")
    errors=$(sed -E 's/.* errors="([0-9]+)".*/\1/' <<<"$head")
    disabled=$(sed -E 's/.* disabled="([0-9]+)".*/\1/' <<<"$head")
    passed=$((passed + total - fails - errors - disabled))
    failed=$((failed + fails + errors))
done
[ "$failed" -gt 0 ] && status=1
echo "tests: $passed passed, $failed failed"
exit $status
