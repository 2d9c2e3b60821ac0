#!/usr/bin/env bash
# Installs the Debian packages the suite needs to build and test, when any
# of them is missing, and makes the German locale available that the tests
# run under a second time. Runs apt-get as root, or through sudo.
set -euo pipefail

# xvfb to desktop-file-utils let the tests check what a desktop sees of the
# programs: their window class on a virtual display, their desktop entries
# and their AppStream metainfo. ser2net is the network serial server the
# tests reach the simulated unit through.
packages=(cmake g++ ninja-build libgtest-dev qt6-base-dev qt6-base-dev-tools
  qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev locales
  xvfb xauth x11-utils appstream desktop-file-utils ser2net "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
german_locale_present() { locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; }
german_locale_present && need_locale=0 || need_locale=1
[ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ] && exit 0

# Root runs the commands itself; anyone else through sudo, which must not
# hang waiting for a password nobody can type.
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
  if ! sudo -n true 2>/dev/null && ! [ -t 0 ]; then
    echo "Root rights are needed to install ${missing[*]:-the German locale}, and sudo asks" >&2
    echo "for a password but no terminal is attached. Run scripts/install-deps.sh once" >&2
    echo "in a terminal (or as root), then try again." >&2
    exit 1
  fi
  # sudo resets the environment: the variable goes in through env.
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  echo "Missing: ${missing[*]:-the German locale de_DE.UTF-8}; there are no root rights and" >&2
  echo "no sudo to install it." >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
  # The package starts a ser2net service of its own on the machine's serial
  # ports; the tests start theirs. Installed here for the tests only, it
  # stays off.
  if [[ " ${missing[*]} " == *" ser2net "* ]] && command -v systemctl >/dev/null 2>&1 &&
    [ -d /run/systemd/system ]; then
    "${as_root[@]}" systemctl disable --now ser2net.service || true
  fi
fi
if ! german_locale_present; then
  echo "Making the locale de_DE.UTF-8 available (the tests run as on a German desktop too)"
  "${as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
