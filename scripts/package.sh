#!/usr/bin/env bash
# Builds the Debian package of the suite (build/aquendor-suite_*.deb) with
# CPack and checks it with lintian. Takes the build lock itself (through
# scripts/build.sh): do not run it under flock.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev lintian fakeroot
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
package=$(ls -t build/aquendor-suite_*.deb | head -n 1)
echo "Package: $package"
dpkg-deb --info "$package" | sed -n '/Package:/,$p'
echo "Contents:"
dpkg-deb --contents "$package" | awk '{print "  " $6}'
# The informational tags too: a binary built without the distribution's
# hardening (fortify, stack protector, RELRO, BIND_NOW) is only one of those.
echo "lintian:"
findings=$(lintian --display-info --tag-display-limit 0 "$package" 2>/dev/null || true)
echo "$findings"
if echo "$findings" | grep -q -E '^E:|: hardening-'; then
  echo "lintian found errors or binaries without hardening" >&2
  exit 1
fi
