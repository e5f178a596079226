#!/usr/bin/env bash
# The Debian package from end to end on this machine (as root, or with sudo):
# builds it (scripts/make-package.sh), runs lintian, desktop-file-validate and
# appstreamcli on it, installs it with apt, checks where every file went and
# that the commands run as a new unprivileged user, keeps a teacher's changed
# setting over a reinstall, then removes and purges it and checks that the
# users' own folders were left alone. What it installed or created is removed
# again however it ends.
#
#   scripts/package-test.sh          (JOBS=n sets the build's parallel jobs)
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y -q)
app_id=org.tintaro.Tintaro
share=/usr/share/tintaro
work=""
installed=0
test_users=()

fail() {
  echo "package test: FAILED: $*" >&2
  exit 1
}
step() { echo "package test: $*"; }

cleanup() {
  local user
  [ $installed -eq 1 ] && { "${apt_get[@]}" purge tintaro >/dev/null 2>&1 || true; }
  for user in "${test_users[@]}"; do
    $sudo userdel "$user" >/dev/null 2>&1 || true
  done
  [ -n "$work" ] && $sudo rm -rf "$work"
}
trap cleanup EXIT

# A new unprivileged user whose home is a fresh folder below the work folder.
add_test_user() { # name
  local user="$1" home="$work/home-$1"
  $sudo userdel "$user" >/dev/null 2>&1 || true
  $sudo useradd --no-create-home --home-dir "$home" --shell /bin/sh "$user"
  test_users+=("$user")
  $sudo mkdir -m 0700 "$home"
  $sudo chown "$user:" "$home"
}

# Runs a command as a test user with a clean environment of that user's own.
run_as() { # user, command...
  local user="$1"
  shift
  $sudo runuser -u "$user" -- env -i HOME="$work/home-$user" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}

# SHA-256 of every file below a folder, one "sum  path" line each, sorted.
checksums() { # folder
  (cd "$1" && $sudo find . -type f -print0 | sort -z | $sudo xargs -0 -r sha256sum)
}

build_package() {
  step "building the package"
  deb="$(scripts/make-package.sh | tail -n1)"
  [ -f "$deb" ] || fail "no package was made"
  deb="$(realpath "$deb")"
}

validate_package() {
  step "lintian, desktop-file-validate, appstreamcli"
  lintian --fail-on error,warning "$deb" || fail "lintian found problems"
  mkdir "$work/unpacked"
  dpkg-deb -x "$deb" "$work/unpacked"
  desktop-file-validate "$work/unpacked/usr/share/applications/$app_id.desktop" \
    "$work/unpacked/usr/share/applications/$app_id.Import.desktop" || fail "desktop entries"
  appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/$app_id.metainfo.xml" || fail "AppStream metadata"
}

install_package() {
  step "installing with apt"
  dpkg-query -W -f='${Status}' tintaro 2>/dev/null | grep -q "install ok installed" &&
    fail "tintaro is installed on this machine already; remove it first (apt-get purge tintaro)"
  installed=1
  "${apt_get[@]}" install --no-install-recommends "$deb" >/dev/null || fail "apt could not install the package"
}

check_installed_files() {
  step "checking the installed files"
  local size path
  for path in /usr/bin/tintaro /usr/bin/tintaro-import; do
    [ -x "$path" ] || fail "$path is missing or not executable"
  done
  # The book is exactly what the generator shipped: no coloured copies, no
  # parent's pages from a run in the build folder.
  diff <(sort build/package/desktop/book-files.txt) <(cd "$share" && find . -type f | sed 's|^\./||' | sort) ||
    fail "$share differs from the generated book"
  for path in "applications/$app_id.desktop" "applications/$app_id.Import.desktop" \
    "metainfo/$app_id.metainfo.xml" "icons/hicolor/scalable/apps/$app_id.svg" \
    man/man1/tintaro.1.gz man/man1/tintaro-import.1.gz doc/tintaro/copyright doc/tintaro/changelog.gz; do
    [ -s "/usr/share/$path" ] || fail "/usr/share/$path is missing"
  done
  for size in 16 22 24 32 48 64 128 256; do
    [ -s "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size} px icon"
  done
  [ "$(head -n1 /etc/tintaro/borra.txt)" = "NO" ] || fail "/etc/tintaro/borra.txt does not keep the coloured pages"
  [ -f /etc/tintaro/impresora.txt ] && [ ! -s /etc/tintaro/impresora.txt ] || fail "/etc/tintaro/impresora.txt"
  dpkg-query -W -f='${Conffiles}\n' tintaro | grep -q " /etc/tintaro/borra.txt " || fail "borra.txt is no conffile"
  dpkg-query -W -f='${Conffiles}\n' tintaro | grep -q " /etc/tintaro/impresora.txt " || fail "impresora.txt is no conffile"
  command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "/usr/share/applications/$app_id.desktop")" >/dev/null ||
    fail "the menu entry's command is not on the PATH"
}

# Runs as new unprivileged users: each gets a home of their own.
check_as_users() {
  step "running the commands as a new user"
  add_test_user tintaro-pkg-a
  run_as tintaro-pkg-a tintaro-import --help >"$work/help.txt" || fail "tintaro-import --help failed"
  grep -q -- "--set" "$work/help.txt" || fail "tintaro-import --help printed no usage"
  # A child's coloured page and a parent's own set, as the program and the
  # importer leave them in the user's folder.
  run_as tintaro-pkg-a sh -c 'mkdir -p ~/.local/share/tintaro/dibujos/animales ~/.local/share/tintaro/logos &&
    cp '"$share"'/paletas/paletapeque.bmp ~/.local/share/tintaro/dibujos/animales/1.bmp &&
    cp '"$share"'/logos/animales.gif ~/.local/share/tintaro/logos/mios.gif'
  checksums "$work/home-tintaro-pkg-a" >"$work/home-a.sums"
}

check_settings_survive_reinstall() {
  step "a changed setting survives a reinstall"
  echo NO | $sudo tee /etc/tintaro/impresora.txt >/dev/null
  "${apt_get[@]}" install --reinstall --no-install-recommends "$deb" >/dev/null || fail "reinstall"
  [ "$(head -n1 /etc/tintaro/impresora.txt)" = "NO" ] || fail "the reinstall replaced a changed setting"
  checksums "$share" >"$work/share.sums"
}

remove_package() {
  step "removing and purging"
  "${apt_get[@]}" remove tintaro >/dev/null || fail "apt could not remove the package"
  [ ! -e /usr/bin/tintaro ] && [ ! -e "$share" ] || fail "files left after removal"
  [ -f /etc/tintaro/borra.txt ] || fail "removal took the settings, which only a purge does"
  "${apt_get[@]}" purge tintaro >/dev/null || fail "apt could not purge the package"
  installed=0
  [ ! -e /etc/tintaro ] || fail "/etc/tintaro left after purge"
  diff "$work/home-a.sums" <(checksums "$work/home-tintaro-pkg-a") || fail "removal touched a user's folder"
}

work="$(mktemp -d /tmp/tintaro-package.XXXXXX)"
chmod 0755 "$work" # the test users' homes are below it
build_package
validate_package
install_package
check_installed_files
check_as_users
check_settings_survive_reinstall
remove_package
step "all checks passed"
