#!/usr/bin/env bash
# Builds the Debian package of the suite (build/aquendor-suite_*.deb) with
# CPack and checks it with lintian.
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
echo "lintian:"
lintian --tag-display-limit 0 "$package" || true
if lintian "$package" 2>/dev/null | grep -q '^E:'; then
  echo "lintian found errors" >&2
  exit 1
fi
