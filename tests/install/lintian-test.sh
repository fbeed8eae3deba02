#!/usr/bin/env bash
# lintian-test.sh BUILD CPACK -- builds the Debian package and runs lintian on it with every
# tag shown (-I --pedantic): none may be left but those the package overrides (an override file
# in the package, each override with its reason). Without lintian the test is skipped (exit 77),
# except in CI (CI set), where scripts/install-deps --tests has installed it.
set -uo pipefail
build=$1 cpack=$2
if ! command -v lintian >/dev/null; then
  if [ -n "${CI:-}" ]; then
    echo "lintian is not installed (scripts/install-deps --tests installs it)"
    exit 1
  fi
  echo "SKIP: lintian is not installed"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/deb/*.deb)
lintian -I --pedantic --fail-on error,warning,info,pedantic --tag-display-limit 0 "$deb"
status=$?
[ "$status" -eq 0 ] && echo "lintian -I --pedantic: no tags beyond the overrides"
exit "$status"
