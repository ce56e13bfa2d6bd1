#!/bin/sh
# Installs what building (and, with "test", testing) the game needs on a
# Debian machine, skipping packages that are already there.
set -e
packages="g++ cmake make pkg-config liballegro4-dev libdumb1-dev libaldmb1-dev"
if [ "$1" = test ]; then
    packages="$packages googletest libgtest-dev libbenchmark-dev xvfb xdotool imagemagick openssl bc"
fi
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing:$missing"
$sudo apt-get update -qq >/dev/null
# Through env, since sudo drops the caller's environment.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
