#!/usr/bin/env bash
# Installs the Debian packages listed in packages.txt that are missing.
#   scripts/install-deps.sh           what the program, the tests and the package need
#   scripts/install-deps.sh --bench   the same and what the benchmarks need (bench/packages.txt)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
lists=("$here/packages.txt")
[ "${1:-}" = "--bench" ] && lists+=("$here/bench/packages.txt")
mapfile -t wanted < <(cat "${lists[@]}" | grep -v -E '^\s*(#|$)')
missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=900 update -q
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends "${missing[@]}"
