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
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
